#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

class BarcodeImageProvider;

// Text and image helpers for the scenes: code-page conversion between text and
// hexadecimal bytes, the checks of typed addresses and barcode contents, and
// barcode previews.
class HelperFunction : public QObject
{
    Q_OBJECT
public:
    explicit HelperFunction(QObject *parent = nullptr) : QObject(parent) {}
    void setImageProvider(BarcodeImageProvider *provider) { m_provider = provider; }

    // The decoded message for a real-time status reply (empty for an empty payload).
    Q_INVOKABLE QString decodeStatusReply(const QString &cmd, const QString &payload) const;

    // Hexadecimal bytes of str in GBK: "中" gives "D6 D0".
    Q_INVOKABLE QString stringToGbkHex(const QString &str) const;
    // Hexadecimal bytes of str in the named code page (unknown names: UTF-8).
    Q_INVOKABLE QString stringToHexWithCodePage(const QString &str, const QString &codePage) const;
    // The text that the hexadecimal bytes represent in the named code page.
    Q_INVOKABLE QString hexToStringWithCodePage(const QString &hex, const QString &codePage) const;
    // The notice for the characters of text that the code page cannot encode
    // ("以下字符无法用 GBK 编码: ก"); empty when every character can be
    // encoded. Text printing refuses such text with the same notice.
    Q_INVOKABLE QString encodingNotice(const QString &text, const QString &codePage) const;
    // The command text of a sample receipt (upper-case hexadecimal pairs) from
    // the settings dialog: keys sizeText ("58小票" ...), title, items (list of
    // {name, quantity, price}), showTotals, total, printTime and labels
    // ({productName, quantity, price, piece, totalAmount, discount, subtotal,
    // time}, already translated).
    Q_INVOKABLE QString receiptCommandText(const QVariantMap &receipt) const;
    // Readings of a settings answer frame given as hexadecimal pairs ("10 a7
    // 00 00 02 00 41 42 3d"): the data bytes as characters ("AB"), and the
    // data digits as the index of a choice (-1 when the frame is shorter than
    // seven bytes or the digits are no number).
    Q_INVOKABLE QString settingsReplyText(const QString &payload) const;
    Q_INVOKABLE int settingsReplyIndex(const QString &payload) const;
    // Received bytes as the serial terminal shows them: "1B 40 B2 E2".
    Q_INVOKABLE QString bytesToHexText(const QByteArray &bytes) const { return toHexText(bytes); }
    // True when the picture file (a path or a "file:" URL) can be turned into a
    // logo; false for a missing, unreadable or too large file.
    Q_INVOKABLE bool isUsablePicture(const QString &pathOrUrl) const;
    // True when text is an IPv4 address as the network settings take it:
    // four decimal parts 0-255 (DottedQuad).
    Q_INVOKABLE bool isIpv4Address(const QString &text) const;
    // The limits of an operation's whole-number parameter (by position) for a
    // spin box: {"from", "to"} (OperationRanges).
    Q_INVOKABLE QVariantMap parameterRange(const QString &operation, int parameter) const;
    // Empty when text is such an address, else the message to show at the
    // field that holds it.
    Q_INVOKABLE QString ipv4AddressProblem(const QString &text) const;
    // The nine one-dimensional symbologies of the barcode page, in its order,
    // each {name, charset, maxLength, evenCount, operation, checkDigit} (BarcodeRules).
    Q_INVOKABLE QVariantList barcodeSymbologies() const;
    // The keypads' verdicts on a content: empty when acceptable, else the
    // message to show (BarcodeRules::digitProblem, characterProblem).
    Q_INVOKABLE QString barcodeDigitProblem(const QString &text, int maxLength, bool evenCount,
                                            bool checkDigit = false) const;
    Q_INVOKABLE QString barcodeCharacterProblem(const QString &charset, const QString &text) const;
    // The barcode page's notice before printing a content of a symbology;
    // empty when it may be sent.
    Q_INVOKABLE QString barcodePrintProblem(const QString &symbology, const QString &text) const;
    // A CODE128 content typed as text as the printer's list of values.
    Q_INVOKABLE QVariantList code128SetBValues(const QString &text) const;
    // Renders a preview and returns its image id for "image://barcode/<id>";
    // empty without a provider.
    Q_INVOKABLE QString generateBarcode(const QString &type, const QString &content,
                                        const QString &errorLevel = QStringLiteral("M"));

    // IBM860, IBM863 and IBM865 are served by IBM850; other names stay.
    static QString normalizeCodePage(const QString &codePage);
    // Upper-case pairs separated by single blanks: "1B 40".
    static QString toHexText(const QByteArray &bytes);
    // Pieces separated by blanks, each a 16-bit hexadecimal number of which the
    // low byte counts; pieces that do not read are skipped.
    static QByteArray parseHexText(const QString &hex);

private:
    BarcodeImageProvider *m_provider = nullptr;
};
