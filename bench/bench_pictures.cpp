// Picture conversion: a 1000 x 1200 photograph (made here: noisy gradients and
// edges, saved as JPEG and as PNG) decoded, scaled to 576 dots wide and turned
// into dots with each method, and the parts of it: decoding and scaling alone,
// the conversion alone (what a moved slider costs), the FS q bytes.
// Run: ./bench_pictures --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "app/base/AppPaths.h"
#include "commands/LogoCommands.h"
#include "commands/PictureConversion.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

const int kPhotoWidth = 1000;
const int kPhotoHeight = 1200;
const int kPaperDots = 576; // 80 mm paper
const int kTallest = LogoCommands::MaxLogoDots;

QString g_jpeg;
QString g_png;
QImage g_scaled;

// Gradients, a few hard edges and noise: as much work for the decoder, the
// scaler and the dithering as a photograph.
QImage makePhoto()
{
    QImage photo(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    QRandomGenerator rng(42);
    for (int y = 0; y < kPhotoHeight; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < kPhotoWidth; ++x) {
            int v = (x + y) * 255 / (kPhotoWidth + kPhotoHeight);
            if ((x / 125 + y / 150) % 3 == 0)
                v = 255 - v;
            v = qBound(0, v + int(rng.bounded(61)) - 30, 255);
            line[x] = qRgb(v, qBound(0, v + 20, 255), qBound(0, 255 - v, 255));
        }
    }
    return photo;
}

PictureOptions method(int index)
{
    PictureOptions options;
    options.method = PictureOptions::Method(index);
    return options;
}

void setLabel(benchmark::State &state)
{
    state.SetLabel(PictureOptions::methodName(PictureOptions::Method(state.range(0))).toStdString());
}

// Decoding, scaling to 576 dots wide and converting: the whole job of a logo
// or a preview of a newly chosen picture. Arguments: the method, then 0 for
// the JPEG, 1 for the PNG.
void BM_PhotoToDots(benchmark::State &state)
{
    const PictureOptions options = method(int(state.range(0)));
    const QString &path = state.range(1) ? g_png : g_jpeg;
    for (auto _ : state) {
        const QImage dots = LogoCommands::loadMonochrome(path, kPaperDots, kTallest, options);
        benchmark::DoNotOptimize(dots.constBits());
    }
    state.SetLabel(PictureOptions::methodName(options.method).toStdString() + (state.range(1) ? " png" : " jpeg"));
}
BENCHMARK(BM_PhotoToDots)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);

// The same through to the FS q block that is sent.
void BM_JpegToLogoBytes(benchmark::State &state)
{
    const PictureOptions options = method(int(state.range(0)));
    for (auto _ : state) {
        const QByteArray block = LogoCommands::defineLogo(1, g_jpeg, kPaperDots, kTallest, options);
        benchmark::DoNotOptimize(block.constData());
    }
    setLabel(state);
}
BENCHMARK(BM_JpegToLogoBytes)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_DecodeAndScaleOnly(benchmark::State &state)
{
    const QString &path = state.range(0) ? g_png : g_jpeg;
    for (auto _ : state) {
        const QImage scaled = LogoCommands::loadScaled(path, kPaperDots, kTallest);
        benchmark::DoNotOptimize(scaled.constBits());
    }
    state.SetLabel(state.range(0) ? "png" : "jpeg");
}
BENCHMARK(BM_DecodeAndScaleOnly)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// A moved slider: the decoded picture is kept, only the conversion runs again.
void BM_ConvertOnly(benchmark::State &state)
{
    PictureOptions options = method(int(state.range(0)));
    options.brightness = 12;
    options.contrast = 20;
    for (auto _ : state) {
        const QImage dots = PictureConversion::toMonochrome(g_scaled, options);
        benchmark::DoNotOptimize(dots.constBits());
    }
    setLabel(state);
}
BENCHMARK(BM_ConvertOnly)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDirectory(dir.path());
    const QImage photo = makePhoto();
    g_jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    g_png = dir.filePath(QStringLiteral("photo.png"));
    if (!photo.save(g_jpeg, "JPEG", 90) || !photo.save(g_png, "PNG"))
        return 1;
    g_scaled = LogoCommands::loadScaled(g_jpeg, kPaperDots, kTallest);
    if (g_scaled.size() != QSize(kPaperDots, 691))
        return 1;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
