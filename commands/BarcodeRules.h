#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// What each one-dimensional symbology of GS k (second form) can carry, and the
// messages for contents it cannot: one place for the keypads, the barcode page
// and the command line, so that nothing the printer would misprint is sent.
class BarcodeRules
{
    Q_DECLARE_TR_FUNCTIONS(BarcodeRules)
public:
    // The keypads name their character sets "DIGITS", "CODE39", "CODE93",
    // "CODEBAR" and "CODE128" (printable ASCII, as code set B).
    struct Symbology
    {
        QString name;    // as the barcode page shows it: "UPC-A", "JAN13(EAN13)", ...
        char command;    // BarcodeCommands::Symbology
        QString charset; // one of the names above
        int maxLength;
        // Digits only: any even count up to maxLength (ITF); otherwise
        // maxLength digits or one less (the printer adds the check digit).
        bool evenCount;
        QString operation; // the command API operation that prints it
        // The last of maxLength digits is a check digit (UPC-A, EAN-13,
        // EAN-8): one given must be right, the printer refuses a wrong one.
        bool checkDigit = false;
    };

    // The nine symbologies in the order of the barcode page.
    static const QList<Symbology> &symbologies();
    // By the page's name; null for none.
    static const Symbology *find(const QString &name);

    // True when text is not empty and every character belongs to the set; an
    // unknown set matches nothing.
    static bool matches(const QString &charset, const QString &text);
    // The digit keypad's verdict: empty when acceptable, else its message
    // ("输入不能为空", "只能输入数字", "请输入偶数个", "请输入11或者12位数字", and
    // with checkDigit "校验位应为 7" for a full-length content whose last
    // digit is wrong).
    static QString digitProblem(const QString &text, int maxLength, bool evenCount, bool checkDigit = false);
    // The modulo-10 check digit of the digits (UPC, EAN), weights 3 and 1
    // from the right.
    static int checkDigitOf(const QString &digits);
    // The character keypads' verdict: "输入不能为空", "包含无效字符" or empty.
    static QString characterProblem(const QString &charset, const QString &text);
    // Either of the two for a symbology, with its length limit; empty when the
    // content can be printed.
    static QString contentProblem(const Symbology &symbology, const QString &text);
    // The barcode page's notice before sending: "请先编辑条码数据，再打印" for an
    // empty content, "条码内容不符合%1的要求，未发送" for one the symbology cannot
    // carry (or an unknown symbology), empty when it may be sent.
    static QString printProblem(const QString &name, const QString &text);

    // The values of a CODE128 content typed as text: the switch to code set B
    // (123, 66), then the code of each character from space to ~; other
    // characters are skipped.
    static QList<int> code128SetB(const QString &text);
};
