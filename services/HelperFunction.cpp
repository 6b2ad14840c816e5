#include "services/HelperFunction.h"

#include "app/base/SampleReceipt.h"
#include "commands/BarcodeRules.h"
#include "commands/LogoCommands.h"
#include "commands/OperationRanges.h"
#include "commands/RealTimeStatusForm.h"
#include "text/CodePage437.h"
#include "text/DottedQuad.h"
#include "services/BarcodeImageProvider.h"
#include "text/HexText.h"
#include "text/TextEncoding.h"

#include <QDebug>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>
#include <QTextCodec>

namespace {
const int kHexBase = 16;

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

QString HelperFunction::receiptCommandText(const QVariantMap &receipt) const
{
    SampleReceipt::Receipt r;
    r.lineWidth = SampleReceipt::lineWidth(receipt.value(QStringLiteral("sizeText")).toString());
    r.title = receipt.value(QStringLiteral("title")).toString();
    r.showTotals = receipt.value(QStringLiteral("showTotals")).toBool();
    r.total = receipt.value(QStringLiteral("total")).toString();
    r.printTime = receipt.value(QStringLiteral("printTime")).toString();
    for (const QVariant &entry : receipt.value(QStringLiteral("items")).toList()) {
        const QVariantMap item = entry.toMap();
        r.items.append({item.value(QStringLiteral("name")).toString(), item.value(QStringLiteral("quantity")).toInt(),
                        item.value(QStringLiteral("price")).toString()});
    }
    const QVariantMap labels = receipt.value(QStringLiteral("labels")).toMap();
    auto label = [&labels](const char *key) { return labels.value(QLatin1String(key)).toString(); };
    r.labels = {label("productName"), label("quantity"), label("price"),    label("piece"),
                label("totalAmount"), label("discount"), label("subtotal"), label("time")};
    return toHexText(SampleReceipt::encode(r));
}

QString HelperFunction::settingsReplyText(const QString &payload) const
{
    constexpr int HeaderBytes = 6;
    const QStringList pairs = payload.split(QLatin1Char(' '));
    QString text;
    for (int i = HeaderBytes; i < pairs.size() - 1; ++i) {
        bool ok = false;
        const uint code = pairs.at(i).toUInt(&ok, kHexBase);
        if (ok)
            text.append(QChar(code));
    }
    return text;
}

int HelperFunction::settingsReplyIndex(const QString &payload) const
{
    constexpr int HeaderDigits = 12;
    constexpr int ChecksumDigits = 2;
    constexpr int ShortestFrameDigits = 14;
    QString digits = payload;
    digits.remove(QRegularExpression(QStringLiteral("\\s")));
    if (digits.size() < ShortestFrameDigits)
        return -1;
    digits = digits.mid(HeaderDigits, digits.size() - HeaderDigits - ChecksumDigits);
    bool ok = false;
    const int index = digits.toInt(&ok, kHexBase);
    return ok ? index : -1;
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

QString HelperFunction::encodingNotice(const QString &text, const QString &codePage) const
{
    return TextEncoding::unencodableNotice(text, codePage);
}

QString HelperFunction::generateBarcode(const QString &type, const QString &content, const QString &errorLevel)
{
    if (!m_provider) {
        qDebug() << "ImageProvider not set!";
        return QString();
    }
    return m_provider->createBarcodeImage(type, content, errorLevel);
}

bool HelperFunction::isUsablePicture(const QString &pathOrUrl) const
{
    const QUrl url(pathOrUrl);
    const QString path = url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
    return LogoCommands::isUsablePicture(path);
}

bool HelperFunction::isIpv4Address(const QString &text) const
{
    return DottedQuad::isValid(text);
}

QVariantMap HelperFunction::parameterRange(const QString &operation, int parameter) const
{
    return OperationRanges::forControl(operation, parameter);
}

QString HelperFunction::ipv4AddressProblem(const QString &text) const
{
    return DottedQuad::isValid(text) ? QString() : tr("请输入有效的IP地址（四组 0-255 的数字，如 192.168.1.100）");
}

QVariantList HelperFunction::barcodeSymbologies() const
{
    QVariantList list;
    for (const BarcodeRules::Symbology &s : BarcodeRules::symbologies()) {
        list.append(QVariantMap{{QStringLiteral("name"), s.name},
                                {QStringLiteral("charset"), s.charset},
                                {QStringLiteral("maxLength"), s.maxLength},
                                {QStringLiteral("evenCount"), s.evenCount},
                                {QStringLiteral("operation"), s.operation},
                                {QStringLiteral("checkDigit"), s.checkDigit}});
    }
    return list;
}

QString HelperFunction::barcodeDigitProblem(const QString &text, int maxLength, bool evenCount, bool checkDigit) const
{
    return BarcodeRules::digitProblem(text, maxLength, evenCount, checkDigit);
}

QString HelperFunction::barcodeCharacterProblem(const QString &charset, const QString &text) const
{
    return BarcodeRules::characterProblem(charset, text);
}

QString HelperFunction::barcodePrintProblem(const QString &symbology, const QString &text) const
{
    return BarcodeRules::printProblem(symbology, text);
}

QVariantList HelperFunction::code128SetBValues(const QString &text) const
{
    QVariantList values;
    for (const int v : BarcodeRules::code128SetB(text))
        values.append(v);
    return values;
}
