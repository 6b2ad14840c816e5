// USB I/O engine over a pty standing in for the printer:
//  - a status request's round trip: SendAsync, the write thread, the printer
//    answering, the read thread, the queued dataReceived on the main thread;
//  - writeSync throughput for blocks of several sizes.
#include "app/base/AppPaths.h"
#include "support/RawPty.h"
#include "transport/usb/USBPrinterController.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

const int kPollMs = 1000;
const QByteArray kStatusRequest = QByteArray::fromHex("100401");
const QByteArray kStatusReply = QByteArray::fromHex("12");

// A pty pair: the controller opens the pty; the master is the printer.
struct Pty : RawPty
{
    // Reads exactly n bytes from the master.
    bool readExactly(int n)
    {
        char buf[4096];
        while (n > 0) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, kPollMs) <= 0)
                return false;
            const ssize_t got = ::read(master, buf, size_t(std::min<int>(n, sizeof buf)));
            if (got <= 0)
                return false;
            n -= int(got);
        }
        return true;
    }
};

void statusRoundTrip(benchmark::State &state)
{
    Pty pty;
    USBPrinterController controller;
    controller.openPrinter(pty.path);
    int replies = 0;
    QObject::connect(&controller, &USBPrinterController::dataReceived, [&replies](const QByteArray &) { ++replies; });
    QEventLoop loop;
    QObject::connect(&controller, &USBPrinterController::dataReceived, &loop, &QEventLoop::quit);

    for (auto _ : state) {
        const int before = replies;
        controller.SendAsync(kStatusRequest);
        if (!pty.readExactly(kStatusRequest.size())) {
            state.SkipWithError("request not received");
            break;
        }
        ::write(pty.master, kStatusReply.constData(), size_t(kStatusReply.size()));
        while (replies == before)
            loop.exec();
    }
    controller.closePrinter();
}
BENCHMARK(statusRoundTrip)->Unit(benchmark::kMicrosecond)->UseRealTime();

void writeSyncThroughput(benchmark::State &state)
{
    Pty pty;
    USBPrinterController controller;
    controller.openPrinter(pty.path);
    std::atomic<bool> done{false};
    // The printer takes everything it is sent.
    std::thread drain([&] {
        char buf[65536];
        while (!done.load()) {
            pollfd p{pty.master, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0)
                ::read(pty.master, buf, sizeof buf);
        }
    });
    const QByteArray block(int(state.range(0)), '\x55');
    for (auto _ : state) {
        if (controller.writeSync(block) != quint32(block.size())) {
            state.SkipWithError("write not completed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * block.size());
    done.store(true);
    drain.join();
    controller.closePrinter();
}
BENCHMARK(writeSyncThroughput)->Arg(64)->Arg(4096)->Arg(65536)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir; // the log goes here, not beside the benchmark
    AppPaths::setDirectory(dir.path());
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
