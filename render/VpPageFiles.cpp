#include "render/VpPageFiles.h"

#include <QBuffer>
#include <QJsonObject>
#include <QSaveFile>

namespace {
const QString PngSuffix = QStringLiteral(".png");

// Writes all of bytes to a file opened unbuffered. A write the disk takes
// only in part sets no error of its own; the write of the rest then fails
// with the reason (a full disk), which is what the message shows.
bool writeWhole(QSaveFile &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool savePage(const QImage &page, const QString &file, QString *failure)
{
    // Encoded whole first: an encoder writing into a file that fails half
    // way reports no reason.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!page.save(&buffer, "PNG")) {
        *failure = QStringLiteral("PNG");
        return false;
    }
    QSaveFile saved(file);
    if (saved.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeWhole(saved, png) && saved.commit())
        return true;
    *failure = saved.errorString();
    saved.cancelWriting();
    return false;
}
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
            QString failure;
            if (savePage(page, file, &failure)) {
                entry.insert(QStringLiteral("file"), file);
            } else {
                result.failedFile = file;
                result.failure = failure;
            }
        }
        result.pages.append(entry);
    };
    result.render = VpStreamRenderer::render(bytes, options, writePage);
    return result;
}
