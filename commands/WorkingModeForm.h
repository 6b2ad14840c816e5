#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// Free text printing of the working-mode page and the basic line controls.
// The text and the command that follows it leave as two emissions.
class WorkingModeForm : public QObject
{
    Q_OBJECT
public:
    explicit WorkingModeForm(CommType type) : m_type(type) {}

    void setLineSpace(int v) { m_lineSpace = v; }
    void setLineCount(int v) { m_lineCount = v; }
    void setFeedDistance(int v) { m_feedDistance = v; }
    void setHexMode(bool v) { m_hexMode = v; }
    void setText(const QString &v) { m_text = v; }
    void setCodePage(const QString &v) { m_codePage = v; }
    QString codePage() const { return m_codePage; }

    // The notice for text the code page cannot encode, ready to show (see
    // TextEncoding::unencodableNotice); empty in hexadecimal mode and when
    // every character can be encoded.
    QString encodingNotice() const;

    void sendInitialize();
    // The three prints send nothing at all, and return false, while
    // encodingNotice() is not empty: no character turns into "?" unnoticed.
    bool sendPrintAndLineFeed();
    bool sendPrintAndFeedUnits();
    bool sendPrintAndFeedLines();
    void sendDefaultLineSpacing();
    void sendLineSpacing();
    // The text as a picture (TextPicture, sent with GS v 0), whatever the code
    // page; for text it cannot carry. An empty text sends nothing; false when
    // the text cannot be drawn (no fonts in the process).
    bool sendTextAsPicture();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    // Emits the text bytes (hexadecimal pieces or the text in the code page),
    // or nothing when there are none to send.
    void sendText();

    CommType m_type;
    int m_lineSpace = 0;
    int m_lineCount = 0;
    int m_feedDistance = 0;
    bool m_hexMode = false;
    QString m_text;
    QString m_codePage = QStringLiteral("GBK");
};
