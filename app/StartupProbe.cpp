#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QQuickWindow>
#include <QTimer>

#include <atomic>
#include <memory>
#include <chrono>
#include <cstdio>

void StartupProbe::attach(QObject *mainWindow)
{
    const QByteArray launched = qgetenv("QM_STARTUP_PROBE");
    auto *window = qobject_cast<QQuickWindow *>(mainWindow);
    if (launched.isEmpty() || !window)
        return;
    const long long launchedNs = launched.toLongLong();
    auto reported = std::make_shared<std::atomic<bool>>(false);
    // frameSwapped may come from the render thread: measure there, report here.
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [window, launchedNs, reported] {
            if (reported->exchange(true))
                return;
            const long long nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::system_clock::now().time_since_epoch())
                                        .count();
            const double ms = double(nowNs - launchedNs) / 1e6;
            QMetaObject::invokeMethod(window, [ms] {
                std::fprintf(stderr, "first_frame_ms %.1f\n", ms);
                QTimer::singleShot(SettleMs, [] {
                    std::fprintf(stderr, "rss_kb %ld\n", residentKb());
                    QCoreApplication::exit(0);
                });
            });
        },
        Qt::DirectConnection);
}

long StartupProbe::residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}
