#include "commands/WorkingModeForm.h"

#include "commands/RasterCommands.h"
#include "commands/TextPicture.h"
#include "commands/WorkingModeCommands.h"
#include "text/CodePage437.h"
#include "text/HexText.h"
#include "text/TextEncoding.h"

#include <QDebug>
#include <QTextCodec>

using TextEncoding::isCodePage437;

void WorkingModeForm::sendText()
{
    if (m_hexMode) {
        const QByteArray bytes = HexText::parsePieces(m_text);
        if (!bytes.isEmpty())
            emit sigSendData(m_type, bytes);
        return;
    }
    if (isCodePage437(m_codePage)) {
        int error = 0;
        const QByteArray bytes = CodePage437::encode(m_text, &error);
        if (bytes.isEmpty())
            qWarning() << "WideCharToMultiByte failed:" << error;
        emit sigSendData(m_type, bytes);
        return;
    }
    m_codePage = TextEncoding::servingCodePage(m_codePage);
    QTextCodec *codec = QTextCodec::codecForName(m_codePage.toUtf8());
    if (!codec) {
        qDebug() << "不支持的编码:" << m_codePage;
        return;
    }
    emit sigSendData(m_type, codec->fromUnicode(m_text));
}

void WorkingModeForm::sendInitialize()
{
    emit sigSendData(m_type, WorkingModeCommands::initialize());
}

QString WorkingModeForm::encodingNotice() const
{
    return m_hexMode ? QString() : TextEncoding::unencodableNotice(m_text, m_codePage);
}

bool WorkingModeForm::sendPrintAndLineFeed()
{
    if (!encodingNotice().isEmpty())
        return false;
    sendText();
    emit sigSendData(m_type, WorkingModeCommands::lineFeed());
    return true;
}

bool WorkingModeForm::sendPrintAndFeedUnits()
{
    if (!encodingNotice().isEmpty())
        return false;
    sendText();
    emit sigSendData(m_type, WorkingModeCommands::printAndFeedUnits(m_feedDistance));
    return true;
}

bool WorkingModeForm::sendPrintAndFeedLines()
{
    if (!encodingNotice().isEmpty())
        return false;
    sendText();
    emit sigSendData(m_type, WorkingModeCommands::printAndFeedLines(m_lineCount));
    return true;
}

bool WorkingModeForm::sendTextAsPicture()
{
    if (m_text.isEmpty())
        return true;
    const QByteArray bytes = RasterCommands::rasterImage(TextPicture::render(m_text));
    if (bytes.isEmpty())
        return false;
    emit sigSendData(m_type, bytes);
    return true;
}

void WorkingModeForm::sendDefaultLineSpacing()
{
    emit sigSendData(m_type, WorkingModeCommands::defaultLineSpacing());
}

void WorkingModeForm::sendLineSpacing()
{
    emit sigSendData(m_type, WorkingModeCommands::lineSpacing(m_lineSpace));
}
