// Drawing byte streams as the print previews and quillmark render do: the
// default 58 and 80 mm receipts and the default test page (the settings
// dialog's previews, redrawn after each edit), and a long stream of text
// lines with a raster picture. The glyph cache is warm after the first round,
// as it is in a running program. Run: ./bench_render --benchmark_repetitions=10
//
// Hostile streams, as quillmark render meets them (with its listing, as
// --json asks, and pictures counted as they are written): 16 MB of one-byte
// commands and 10 MB of line feeds, one round each, with the process's peak
// resident memory. Run each in a process of its own, as the peak only grows:
//   ./bench_render --benchmark_filter=BM_OneByteCommands16MB
//   ./bench_render --benchmark_filter=BM_LineFeeds10MB
#include "commands/PrintTest.h"
#include "commands/TestPrintCommands.h"
#include "render/VpStreamRenderer.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <sys/resource.h>

namespace {

void renderStream(benchmark::State &state, const QByteArray &bytes, int paperDots)
{
    VpStreamRenderer::Options options;
    options.paperDots = paperDots;
    options.listing = false; // as the previews draw
    for (auto _ : state) {
        const VpStreamRenderer::Result result = VpStreamRenderer::render(bytes, options);
        benchmark::DoNotOptimize(result.pageCount);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void BM_Receipt58(benchmark::State &state)
{
    renderStream(state, TestPrintCommands::fromStoredHex(PrintTest::defaultReceiptText(PrintTest::Receipt58)),
                 VpRenderer::Paper58Dots);
}
BENCHMARK(BM_Receipt58)->Unit(benchmark::kMillisecond);

void BM_Receipt80(benchmark::State &state)
{
    renderStream(state, TestPrintCommands::fromStoredHex(PrintTest::defaultReceiptText(PrintTest::Receipt80)),
                 VpRenderer::Paper80Dots);
}
BENCHMARK(BM_Receipt80)->Unit(benchmark::kMillisecond);

void BM_TestPage(benchmark::State &state)
{
    renderStream(state, TestPrintCommands::fromStoredHex(PrintTest::defaultTestPageText()), VpRenderer::Paper80Dots);
}
BENCHMARK(BM_TestPage)->Unit(benchmark::kMillisecond);

// 500 lines of 48 characters and a 576 x 400 raster picture, cut: a long receipt.
void BM_LongReceiptWithPicture(benchmark::State &state)
{
    QByteArray bytes("\x1b@");
    for (int i = 0; i < 500; ++i)
        bytes += QByteArray("Line %1 of a long receipt, with some words.....").replace("%1", QByteArray::number(i)).left(48) + '\n';
    bytes += QByteArray("\x1dv0\x00", 4) + char(72) + char(0) + char(400 % 256) + char(400 / 256);
    bytes += QByteArray(72 * 400, char(0xA5));
    bytes += QByteArray("\x1dV\x01", 3);
    renderStream(state, bytes, VpRenderer::Paper80Dots);
}
BENCHMARK(BM_LongReceiptWithPicture)->Unit(benchmark::kMillisecond);

double peakRssMib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void renderHostile(benchmark::State &state, const QByteArray &bytes)
{
    VpStreamRenderer::Options options;
    options.listing = true; // as quillmark render --json
    int pages = 0;
    for (auto _ : state) {
        const VpStreamRenderer::Result result =
            VpStreamRenderer::render(bytes, options, [&pages](const QImage &) { ++pages; });
        benchmark::DoNotOptimize(result.commandCount);
        state.counters["commands"] = result.commandCount;
        state.counters["listed"] = result.commands.size();
        state.counters["clipped_dots"] = double(result.clippedDots);
    }
    state.counters["pictures"] = pages;
    state.counters["peak_rss_MiB"] = peakRssMib();
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void BM_OneByteCommands16MB(benchmark::State &state)
{
    renderHostile(state, QByteArray(16 * 1024 * 1024, '\0'));
}
BENCHMARK(BM_OneByteCommands16MB)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LineFeeds10MB(benchmark::State &state)
{
    renderHostile(state, QByteArray(10 * 1024 * 1024, '\n'));
}
BENCHMARK(BM_LineFeeds10MB)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
