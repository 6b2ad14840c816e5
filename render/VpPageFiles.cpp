#include "render/VpPageFiles.h"

#include <QJsonObject>
#include <QSaveFile>

namespace {
const QString PngSuffix = QStringLiteral(".png");
} // namespace

QString VpPageFiles::pageFileName(const QString &output, int number)
{
    const QString base = output.endsWith(PngSuffix, Qt::CaseInsensitive) ? output.left(output.size() - PngSuffix.size())
                                                                          : output;
    return QStringLiteral("%1-%2%3").arg(base).arg(number).arg(PngSuffix);
}

VpPageFiles::Result VpPageFiles::write(const QByteArray &bytes, const VpStreamRenderer::Options &options,
                                       const QString &output)
{
    Result result;
    auto writePage = [&](const QImage &page) {
        QJsonObject entry{{QStringLiteral("width"), page.width()}, {QStringLiteral("height"), page.height()}};
        if (result.written()) {
            const QString file = pageFileName(output, result.pages.size() + 1);
            QSaveFile saved(file);
            if (saved.open(QIODevice::WriteOnly) && page.save(&saved, "PNG") && saved.commit()) {
                entry.insert(QStringLiteral("file"), file);
            } else {
                result.failedFile = file;
                result.failure = saved.errorString();
            }
        }
        result.pages.append(entry);
    };
    result.render = VpStreamRenderer::render(bytes, options, writePage);
    return result;
}
