#include "commands/BarcodeRules.h"

#include "commands/BarcodeCommands.h"

#include <QDebug>

namespace {
// "{B" in a CODE128 content selects code set B.
constexpr int Code128Select = '{';
constexpr int Code128SetB = 'B';
constexpr char16_t FirstPrintable = 0x20;
constexpr char16_t LastPrintable = 0x7E;
constexpr int LongContent = 255;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isUpper(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

bool isLower(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

bool inSet(const QString &charset, QChar c)
{
    static const QString code39Symbols = QStringLiteral(" $%+-./*");
    static const QString codabarSymbols = QStringLiteral("$+-./:");
    if (charset == QLatin1String("DIGITS"))
        return isDigit(c);
    if (charset == QLatin1String("CODE39"))
        return isDigit(c) || isUpper(c) || code39Symbols.contains(c);
    if (charset == QLatin1String("CODE93"))
        return isDigit(c) || isUpper(c) || isLower(c) || code39Symbols.contains(c);
    if (charset == QLatin1String("CODEBAR"))
        return isDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('D')) || codabarSymbols.contains(c);
    if (charset == QLatin1String("CODE128"))
        return c.unicode() >= FirstPrintable && c.unicode() <= LastPrintable;
    return false;
}
} // namespace

const QList<BarcodeRules::Symbology> &BarcodeRules::symbologies()
{
    using namespace BarcodeCommands;
    const QString digits = QStringLiteral("DIGITS");
    static const QList<Symbology> list{
        {QStringLiteral("UPC-A"), UpcA, digits, 12, false, QStringLiteral("setPrintUPCAClicked"), true},
        // Seven digits are the number system and six data digits; the printer
        // adds the check digit.
        {QStringLiteral("UPC-E"), UpcE, digits, 7, false, QStringLiteral("setPrintUPCEClicked")},
        {QStringLiteral("JAN13(EAN13)"), Jan13, digits, 13, false, QStringLiteral("setPrintJAN13Clicked"), true},
        {QStringLiteral("JAN8(EAN8)"), Jan8, digits, 8, false, QStringLiteral("setPrintJAN8Clicked"), true},
        {QStringLiteral("CODE39"), Code39, QStringLiteral("CODE39"), LongContent, false,
         QStringLiteral("setPrintCODE39Clicked")},
        {QStringLiteral("ITF"), Itf, digits, LongContent, true, QStringLiteral("setPrintITFClicked")},
        {QStringLiteral("CODEBAR"), Codabar, QStringLiteral("CODEBAR"), LongContent, false,
         QStringLiteral("setPrintCODABARClicked")},
        {QStringLiteral("CODE93"), Code93, QStringLiteral("CODE93"), LongContent, false,
         QStringLiteral("setPrintCODE93Clicked")},
        {QStringLiteral("CODE128"), Code128, QStringLiteral("CODE128"), LongContent, false,
         QStringLiteral("setPrintCODE128Clicked")},
    };
    return list;
}

const BarcodeRules::Symbology *BarcodeRules::find(const QString &name)
{
    for (const Symbology &s : symbologies()) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

bool BarcodeRules::matches(const QString &charset, const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!inSet(charset, c))
            return false;
    }
    return true;
}

int BarcodeRules::checkDigitOf(const QString &digits)
{
    int sum = 0;
    int weight = 3;
    for (int i = digits.size() - 1; i >= 0; --i) {
        sum += (digits.at(i).unicode() - '0') * weight;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

QString BarcodeRules::digitProblem(const QString &text, int maxLength, bool evenCount, bool checkDigit)
{
    if (text.isEmpty())
        return tr("输入不能为空");
    if (!matches(QStringLiteral("DIGITS"), text))
        return tr("只能输入数字");
    if (evenCount)
        return text.size() % 2 == 0 && text.size() <= maxLength ? QString() : tr("请输入偶数个");
    if (text.size() != maxLength && text.size() != maxLength - 1)
        return tr("请输入%1或者%2位数字").arg(maxLength - 1).arg(maxLength);
    // Without its last digit the printer computes it.
    if (checkDigit && text.size() == maxLength) {
        const int expected = checkDigitOf(text.left(maxLength - 1));
        if (text.at(maxLength - 1).unicode() - '0' != expected)
            return tr("校验位应为 %1").arg(expected);
    }
    return QString();
}

QString BarcodeRules::characterProblem(const QString &charset, const QString &text)
{
    if (text.isEmpty())
        return tr("输入不能为空");
    if (!matches(charset, text))
        return tr("包含无效字符");
    return QString();
}

QString BarcodeRules::contentProblem(const Symbology &symbology, const QString &text)
{
    if (symbology.charset == QLatin1String("DIGITS"))
        return digitProblem(text, symbology.maxLength, symbology.evenCount, symbology.checkDigit);
    const QString problem = characterProblem(symbology.charset, text);
    if (!problem.isEmpty() || text.size() <= symbology.maxLength)
        return problem;
    return tr("最多%1个字符").arg(symbology.maxLength);
}

QString BarcodeRules::printProblem(const QString &name, const QString &text)
{
    if (text.isEmpty())
        return tr("请先编辑条码数据，再打印");
    const Symbology *symbology = find(name);
    if (!symbology || !contentProblem(*symbology, text).isEmpty())
        return tr("条码内容不符合%1的要求，未发送").arg(name);
    return QString();
}

QList<int> BarcodeRules::code128SetB(const QString &text)
{
    QList<int> values{Code128Select, Code128SetB};
    for (const QChar c : text) {
        if (c.unicode() >= FirstPrintable && c.unicode() <= LastPrintable)
            values.append(c.unicode());
        else
            qWarning() << "CODE128: skipped character" << c.unicode();
    }
    return values;
}
