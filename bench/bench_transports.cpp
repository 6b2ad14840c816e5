// Serial and print-spooler transports: hexadecimal parsing, writes to a
// pseudo-terminal, and raw jobs through a CUPS queue.
//   build-bench/bench/bench_transports
//   CUPS_SERVER=/path/cups.sock QM_BENCH_CUPS_QUEUE=Q build-bench/bench/bench_transports
#include "app/base/AppPaths.h"
#include "platform/CupsPrintQueueService.h"
#include "transport/serial/SerialPortManager.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

void BM_ParseHexText(benchmark::State &state)
{
    QByteArray bytes(int(state.range(0)), '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    const QString text = QString::fromLatin1(bytes.toHex(' ').toUpper());
    for (auto _ : state)
        benchmark::DoNotOptimize(SerialPortManager::parseHexText(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseHexText)->Arg(64)->Arg(4096)->Arg(65536);

// writeRaw to a pseudo-terminal whose master side is drained at once.
void BM_SerialWriteRaw(benchmark::State &state)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    termios tio;
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    {
        SerialPortManager manager;
        if (!manager.connectSerialPort_new(QString::fromLocal8Bit(name), "115200")) {
            state.SkipWithError("cannot open the pseudo-terminal");
        } else {
            const QByteArray data(int(state.range(0)), 'A');
            char sink[65536];
            for (auto _ : state) {
                if (!manager.writeRaw(data)) {
                    state.SkipWithError("write failed");
                    break;
                }
                qint64 drained = 0;
                while (drained < data.size()) {
                    QCoreApplication::processEvents();
                    const ssize_t n = ::read(master, sink, sizeof(sink));
                    if (n > 0)
                        drained += n;
                }
            }
            state.SetBytesProcessed(state.iterations() * state.range(0));
        }
    }
    ::close(master);
    ::close(slave);
}
BENCHMARK(BM_SerialWriteRaw)->Arg(16)->Arg(4096)->Arg(65536)->UseRealTime();

// One raw job per iteration to the queue named by QM_BENCH_CUPS_QUEUE.
void BM_CupsRawJob(benchmark::State &state)
{
    const QString queue = qEnvironmentVariable("QM_BENCH_CUPS_QUEUE");
    if (queue.isEmpty()) {
        state.SkipWithError("set CUPS_SERVER and QM_BENCH_CUPS_QUEUE to a raw queue");
        return;
    }
    CupsPrintQueueService service;
    const QByteArray data(int(state.range(0)), 'A');
    for (auto _ : state) {
        if (service.submitRawJob(queue, QStringLiteral("ESC_POS_Print"), data)
            != PrintQueueService::JobResult::Completed) {
            state.SkipWithError("job failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CupsRawJob)->Arg(16)->Arg(65536)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir appDir;
    AppPaths::setDirectory(appDir.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
