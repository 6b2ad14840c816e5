// The bitmap page while a person drags the brightness slider back and forth
// over a 1000 x 1200 photograph: the real page (compiled scenes), the real
// preview and back end, the mouse driven through the window every 16 ms for
// four seconds. Printed: the longest and median gap between beats of a 16 ms
// timer of the window's thread; the time between two frames while the slider
// moves (it includes the turns at the track's ends, where the value stays and
// no frame is needed); the time from a mouse move that changed the slider to
// the frame that shows it; how many previews were shown, and how long after
// the slider is let go the preview shows its choice. Then seven photographs are loaded as
// logos as the page does, with the same figures for the window's thread.
//
//   quillmark-picture-stall [--platform offscreen|xcb]
#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "app/DeviceViewModel.h"
#include "commands/BitmapForm.h"
#include "services/HelperFunction.h"
#include "services/PicturePreview.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int HeartbeatMs = 16;
const int MoveEveryMs = 16;
const int DragMs = 4000;

QString makePhoto(const QString &dir, int n)
{
    QImage photo(1000, 1200, QImage::Format_RGB32);
    QRandomGenerator rng(quint32(42 + n));
    for (int y = 0; y < photo.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int v = qBound(0, (x + y + 97 * n) * 255 / 2200 + int(rng.bounded(61)) - 30, 255);
            line[x] = qRgb(v, qBound(0, v + 20, 255), qBound(0, 255 - v, 255));
        }
    }
    const QString path = QStringLiteral("%1/photo%2.jpg").arg(dir).arg(n);
    photo.save(path, "JPEG", 90);
    return path;
}

struct Gaps
{
    std::vector<qint64> ns;
    double longestMs() const { return ns.empty() ? 0 : *std::max_element(ns.begin(), ns.end()) / 1e6; }
    double medianMs() const { return percentileMs(50); }
    double percentileMs(int percent) const
    {
        if (ns.empty())
            return 0;
        std::vector<qint64> s = ns;
        std::sort(s.begin(), s.end());
        return s.at(std::min(s.size() - 1, s.size() * size_t(percent) / 100)) / 1e6;
    }
    size_t longerThan(double ms) const
    {
        return size_t(std::count_if(ns.begin(), ns.end(), [ms](qint64 n) { return n / 1e6 > ms; }));
    }
};

// Beats of a precise 16 ms timer: the gaps show how long the thread stood still.
class Heartbeat
{
public:
    Heartbeat()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(HeartbeatMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_gaps.ns.push_back(now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_gaps.ns.clear();
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    Gaps stop()
    {
        m_gaps.ns.push_back(m_clock.nsecsElapsed() - m_last);
        m_timer.stop();
        return m_gaps;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    Gaps m_gaps;
};

bool waitFor(const std::function<bool()> &condition, int ms)
{
    return QTest::qWaitFor(condition, ms);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDirectory(dir.path());
    Logger::getInstance()->setLogLevel(1);
    ConfigManager::getInstance()->initialize();
    QStringList photos;
    for (int n = 1; n <= 7; ++n)
        photos << makePhoto(dir.path(), n);

    QQmlEngine engine;
    DeviceViewModel viewModel;
    HelperFunction helper;
    engine.rootContext()->setContextProperty(QStringLiteral("deviceViewModel"), &viewModel);
    engine.rootContext()->setContextProperty(QStringLiteral("helperFunction"), &helper);
    engine.rootContext()->setContextProperty(QStringLiteral("configManager"), ConfigManager::getInstance());
    PicturePreview::registerWith(&engine);
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                      "Window { width: 840; height: 560; visible: true\n"
                      "  Loader { anchors.fill: parent; objectName: \"pageLoader\"\n"
                      "    source: \"qrc:/Src/rightPage/stackPages/TcpUsbStackPages/BitmapForm.qml\" } }",
                      QUrl(QStringLiteral("qrc:/picture-stall.qml")));
    auto *window = qobject_cast<QQuickWindow *>(component.create());
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 2;
    }
    if (!QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 2;
    }
    auto *loader = window->findChild<QQuickItem *>(QStringLiteral("pageLoader"));
    QQuickItem *page = loader ? loader->property("item").value<QQuickItem *>() : nullptr;
    auto *slider = page ? page->findChild<QQuickItem *>(QStringLiteral("brightness")) : nullptr;
    auto *preview = page ? page->property("preview").value<PicturePreview *>() : nullptr;
    if (!slider || !preview) {
        std::fprintf(stderr, "page %p, slider %p or preview %p missing\n", static_cast<void *>(page), static_cast<void *>(slider), static_cast<void *>(preview));
        return 3;
    }

    // One photograph chosen as the page does it; its decoding is not measured.
    QMetaObject::invokeMethod(page, "addPictures", Q_ARG(QVariant, QVariant(QStringList{QUrl::fromLocalFile(photos.first()).toString()})));
    if (!waitFor([&] { return preview->status() == PicturePreview::Ready; }, 10000)) {
        std::fprintf(stderr, "the preview never came\n");
        return 4;
    }
    QTest::qWait(300);

    // The drag: press on the handle, sweep the track both ways, let go.
    const QPointF topLeft = slider->mapToScene(QPointF(0, 0));
    const double y = topLeft.y() + slider->height() / 2;
    const double left = topLeft.x() + 8;
    const double right = topLeft.x() + slider->width() - 8;
    const double centre = (left + right) / 2;
    int previews = 0;
    QObject::connect(preview, &PicturePreview::imageChanged, [&] { ++previews; });
    QElapsedTimer frameClock;
    std::vector<qint64> frames;
    bool dragging = false;
    // From a move of the mouse that changed the slider to the frame showing it.
    Gaps moveToFrame;
    qint64 movedAt = -1;
    QObject::connect(window, &QQuickWindow::frameSwapped, [&] {
        if (dragging && movedAt >= 0) {
            moveToFrame.ns.push_back(frameClock.nsecsElapsed() - movedAt);
            movedAt = -1;
        }
        if (dragging)
            frames.push_back(frameClock.nsecsElapsed());
    });

    Heartbeat beat;
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(int(centre), int(y)));
    frameClock.start();
    dragging = true;
    beat.start();
    QElapsedTimer drag;
    drag.start();
    QTimer mover;
    mover.setTimerType(Qt::PreciseTimer);
    mover.setInterval(MoveEveryMs);
    QObject::connect(&mover, &QTimer::timeout, [&] {
        // A triangle wave over the track, one sweep a second.
        const double phase = std::fmod(drag.elapsed() / 1000.0, 1.0);
        const double t = phase < 0.5 ? phase * 2 : 2 - phase * 2;
        const QVariant before = slider->property("value");
        QTest::mouseMove(window, QPoint(int(left + t * (right - left)), int(y)));
        if (movedAt < 0 && slider->property("value") != before)
            movedAt = frameClock.nsecsElapsed();
    });
    mover.start();
    waitFor([&] { return drag.elapsed() >= DragMs; }, DragMs + 1000);
    mover.stop();
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(int(centre), int(y)));
    QElapsedTimer settle;
    settle.start();
    waitFor([&] { return preview->status() == PicturePreview::Ready; }, 10000);
    const qint64 settleMs = settle.elapsed();
    dragging = false;
    const Gaps dragGaps = beat.stop();
    Gaps frameGaps;
    for (size_t i = 1; i < frames.size(); ++i)
        frameGaps.ns.push_back(frames[i] - frames[i - 1]);
    std::printf("slider drag %d ms over a 1000 x 1200 photograph (%d x %d dots):\n", DragMs, preview->dotsWidth(),
                preview->dotsHeight());
    std::printf("  heartbeat: longest gap %.1f ms, median %.1f ms (%zu beats)\n", dragGaps.longestMs(),
                dragGaps.medianMs(), dragGaps.ns.size());
    std::printf("  frames: %zu, longest between two %.1f ms, 99th percentile %.1f ms, median %.1f ms, "
                "%zu longer than 50 ms\n",
                frames.size(), frameGaps.longestMs(), frameGaps.percentileMs(99), frameGaps.medianMs(),
                frameGaps.longerThan(50));
    std::printf("  a moved slider on the screen after: longest %.1f ms, 99th percentile %.1f ms, median %.1f ms, "
                "%zu of %zu longer than 50 ms\n",
                moveToFrame.longestMs(), moveToFrame.percentileMs(99), moveToFrame.medianMs(),
                moveToFrame.longerThan(50), moveToFrame.ns.size());
    std::printf("  previews shown: %d; the last choice shown %lld ms after letting go; brightness %d\n", previews,
                settleMs, preview->brightness());

    // Seven photographs loaded as logos, as the page hands them to the builder.
    BitmapForm form(CommType::Tcp);
    form.setImagePaths(photos);
    beat.start();
    QElapsedTimer call;
    call.start();
    form.loadImages();
    const qint64 callUs = call.nsecsElapsed() / 1000;
    QTest::qWait(1500);
    const Gaps loadGaps = beat.stop();
    QElapsedTimer take;
    take.start();
    const int bytes = form.logoData().size();
    std::printf("seven 1000 x 1200 logos: loadImages() returned after %lld us; heartbeat longest gap %.1f ms, "
                "median %.1f ms; %d definition bytes taken after %lld us\n",
                callUs, loadGaps.longestMs(), loadGaps.medianMs(), bytes, take.nsecsElapsed() / 1000);
    delete window;
    return 0;
}
