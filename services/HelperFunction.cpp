#include "services/HelperFunction.h"

#include "commands/RealTimeStatusForm.h"
#include "platform/CodePage437.h"
#include "services/BarcodeImageProvider.h"
#include "text/HexText.h"
#include "text/TextEncoding.h"

#include <QDebug>
#include <QStringList>
#include <QTextCodec>

namespace {
using TextEncoding::isCodePage437;

QTextCodec *codecOrWarn(const QString &name)
{
    QTextCodec *codec = QTextCodec::codecForName(name.toUtf8());
    if (!codec)
        qDebug().noquote() << "不支持的编码:" + name + ", 使用 UTF-8";
    return codec;
}
} // namespace

QString HelperFunction::decodeStatusReply(const QString &cmd, const QString &payload) const
{
    return RealTimeStatusForm::decodeReply(cmd, payload);
}

QString HelperFunction::normalizeCodePage(const QString &codePage)
{
    return TextEncoding::servingCodePage(codePage);
}

QString HelperFunction::toHexText(const QByteArray &bytes)
{
    return HexText::upperPairs(bytes);
}

QByteArray HelperFunction::parseHexText(const QString &hex)
{
    qDebug() << "hexList:" << hex.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return HexText::parsePieces(hex);
}

QString HelperFunction::stringToGbkHex(const QString &str) const
{
    if (str.isEmpty())
        return QString();
    return toHexText(TextEncoding::gbk(str));
}

QString HelperFunction::stringToHexWithCodePage(const QString &str, const QString &codePage) const
{
    if (str.isEmpty())
        return QString();
    const QString name = normalizeCodePage(codePage);
    QByteArray bytes;
    if (isCodePage437(name)) {
        int error = 0;
        bytes = CodePage437::encode(str, &error);
        if (error != 0) {
            qWarning() << "WideCharToMultiByte failed:" << error;
            bytes.clear();
        }
    } else if (QTextCodec *codec = codecOrWarn(name)) {
        bytes = codec->fromUnicode(str);
    } else {
        bytes = str.toUtf8();
    }
    return toHexText(bytes);
}

QString HelperFunction::hexToStringWithCodePage(const QString &hex, const QString &codePage) const
{
    if (hex.isEmpty())
        return QString();
    const QString name = normalizeCodePage(codePage);
    const QByteArray bytes = parseHexText(hex);
    if (bytes.isEmpty())
        return QString();
    if (isCodePage437(name))
        return CodePage437::decode(bytes);
    if (QTextCodec *codec = codecOrWarn(name))
        return codec->toUnicode(bytes);
    return QString::fromUtf8(bytes);
}

QString HelperFunction::generateBarcode(const QString &type, const QString &content, const QString &errorLevel)
{
    if (!m_provider) {
        qDebug() << "ImageProvider not set!";
        return QString();
    }
    return m_provider->createBarcodeImage(type, content, errorLevel);
}
