#include "services/PrintPreview.h"

#include "commands/TestPrintCommands.h"
#include "commands/WorkingModeForm.h"
#include "services/PreviewImageProvider.h"

#include <QQmlEngine>

namespace {

enum WorkingModeAction { PrintAndLineFeed = 1, PrintAndFeedLines = 2, PrintAndFeedUnits = 3, LineSpacing = 4 };

QString nextOwner()
{
    static int counter = 0; // previews are made on the GUI thread only
    return QStringLiteral("p%1").arg(++counter);
}

} // namespace

void PrintPreview::registerWith(QQmlEngine *engine)
{
    qmlRegisterType<PrintPreview>("Quillmark.Preview", 1, 0, "PrintPreview");
    engine->addImageProvider(PreviewImageProvider::Name, new PreviewImageProvider); // the engine owns it
}

PrintPreview::PrintPreview(QObject *parent) : QObject(parent), m_owner(nextOwner())
{
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(DebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &PrintPreview::startRendering);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] { takeResult(m_watcher.result()); });
}

PrintPreview::~PrintPreview()
{
    // A rendering still running ends in the thread pool; nobody takes its result.
    if (m_store)
        m_store->remove(m_owner);
}

void PrintPreview::setPaperMm(int mm)
{
    if (mm == m_paperMm || VpStreamRenderer::paperDotsForMm(mm) == 0)
        return;
    m_paperMm = mm;
    emit paperMmChanged();
    schedule();
}

int PrintPreview::paperDots() const
{
    return VpStreamRenderer::paperDotsForMm(m_paperMm);
}

void PrintPreview::showHexText(const QString &text)
{
    showBytes(TestPrintCommands::fromStoredHex(text));
}

void PrintPreview::showWorkingModeText(int action, bool hex, const QString &text, const QString &codePage, int value)
{
    // The page's own builder, as "打印/设置" drives it through the device manager.
    WorkingModeForm form(CommType::Tcp);
    QByteArray bytes;
    connect(&form, &WorkingModeForm::sigSendData, this, [&bytes](CommType, const QByteArray &data) { bytes += data; });
    form.setCodePage(codePage);
    form.setHexMode(hex);
    form.setText(text);
    switch (action) {
    case PrintAndLineFeed:
        form.sendPrintAndLineFeed();
        break;
    case PrintAndFeedLines:
        form.setLineCount(value);
        form.sendPrintAndFeedLines();
        break;
    case PrintAndFeedUnits:
        form.setFeedDistance(value);
        form.sendPrintAndFeedUnits();
        break;
    case LineSpacing:
        form.setLineSpace(value);
        form.sendLineSpacing();
        break;
    default:
        break;
    }
    showBytes(bytes);
}

void PrintPreview::showBytes(const QByteArray &bytes)
{
    m_bytes = bytes;
    schedule();
}

void PrintPreview::schedule()
{
    setBusy(true);
    m_debounce.start();
}

VpStreamRenderer::Result PrintPreview::renderBytes(const QByteArray &bytes, int paperDots)
{
    VpStreamRenderer::Options options;
    options.paperDots = paperDots;
    options.listing = false;
    VpStreamRenderer::Result result;
    const VpStreamRenderer::Result counts = VpStreamRenderer::render(bytes, options, [&result](const QImage &page) {
        if (result.pages.size() < MaxPages)
            result.pages.append(page);
    });
    result.pageCount = counts.pageCount;
    result.undecodedCount = counts.undecodedCount;
    result.unprintedCount = counts.unprintedCount;
    return result;
}

void PrintPreview::startRendering()
{
    if (m_watcher.isRunning()) {
        m_pending = true; // once more when this one is done
        return;
    }
    m_pending = false;
    const QByteArray bytes = m_bytes;
    const int dots = paperDots();
    // Text is drawn into images, which Qt allows on any thread.
    m_watcher.setFuture(m_handOff.run([bytes, dots] { return renderBytes(bytes, dots); }));
}

void PrintPreview::takeResult(const VpStreamRenderer::Result &result)
{
    m_handOff.take();
    if (m_pending) {
        startRendering();
        return;
    }
    if (!m_store) {
        QQmlEngine *engine = qmlEngine(this);
        auto *provider = engine ? dynamic_cast<PreviewImageProvider *>(engine->imageProvider(PreviewImageProvider::Name))
                                : nullptr;
        if (provider)
            m_store = provider->store();
    }
    ++m_revision;
    m_pageImages = result.pages;
    m_undecoded = result.undecodedCount;
    m_unprinted = result.unprintedCount;
    m_hiddenPages = result.pageCount - result.pages.size();
    m_pageUrls.clear();
    if (m_store) {
        m_store->setPages(m_owner, m_pageImages);
        for (int i = 0; i < m_pageImages.size(); ++i)
            m_pageUrls.append(QStringLiteral("image://%1/%2/%3/%4").arg(PreviewImageProvider::Name, m_owner).arg(m_revision).arg(i));
    }
    emit rendered();
    if (!m_debounce.isActive())
        setBusy(false);
}

void PrintPreview::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit busyChanged();
}
