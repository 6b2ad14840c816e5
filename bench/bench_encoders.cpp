// Logo load of seven 1000 x 1200 photographs (the page's maximum) and one QR
// code preview. Run: ./bench_encoders --benchmark_repetitions=10
#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "commands/BitmapForm.h"
#include "services/BarcodeImageProvider.h"
#include "services/HelperFunction.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

namespace {

const int kPhotoCount = 7;
const int kPhotoWidth = 1000;
const int kPhotoHeight = 1200;

// Noisy diagonal gradients saved as JPEG: photographs as far as the decoder,
// the scaler and the dithering are concerned.
QStringList makePhotos(const QString &folder)
{
    QStringList paths;
    QRandomGenerator rng(42);
    for (int n = 0; n < kPhotoCount; ++n) {
        QImage photo(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
        for (int y = 0; y < kPhotoHeight; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
            for (int x = 0; x < kPhotoWidth; ++x) {
                const int base = (x + y + n * 97) * 255 / (kPhotoWidth + kPhotoHeight);
                const int noise = int(rng.bounded(61)) - 30;
                const int v = qBound(0, base + noise, 255);
                line[x] = qRgb(v, qBound(0, v + 20, 255), qBound(0, 255 - v, 255));
            }
        }
        const QString path = QStringLiteral("%1/photo%2.jpg").arg(folder).arg(n + 1);
        photo.save(path, "JPEG", 90);
        paths << path;
    }
    return paths;
}

QStringList g_photos;

void BM_LogoLoadSevenPhotos(benchmark::State &state)
{
    BitmapForm form(CommType::Tcp);
    form.setImagePaths(g_photos);
    qint64 bytes = 0;
    for (auto _ : state) {
        form.loadImages();
        bytes = form.logoData().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["definition_bytes"] = double(bytes);
}
BENCHMARK(BM_LogoLoadSevenPhotos)->Unit(benchmark::kMillisecond);

void BM_QrPreview(benchmark::State &state)
{
    BarcodeImageProvider provider;
    HelperFunction helper;
    helper.setImageProvider(&provider);
    const QString content = QStringLiteral("https://example.test/receipt?id=20261210-0001&total=128.50");
    for (auto _ : state) {
        const QString id = helper.generateBarcode(QStringLiteral("QR_CODE"), content, QStringLiteral("M"));
        QSize size;
        const QImage image = provider.requestImage(id, &size, QSize());
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QrPreview)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDirectory(dir.path());
    ConfigManager::getInstance()->initialize(); // logo limits 560 x 560
    g_photos = makePhotos(dir.path());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
