#pragma once

#include "commands/CharacterCommands.h"
#include "commands/CommType.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QVector>

// Alphanumeric print mode, right spacing and the user-defined characters.
class CharacterForm : public QObject
{
    Q_OBJECT
public:
    explicit CharacterForm(CommType type) : m_type(type) {}

    void setRightSpace(int v) { m_rightSpace = v; }
    void setPrintMode(int font, bool bold, bool heightDouble, bool widthDouble, bool underline)
    {
        m_font = font;
        m_bold = bold;
        m_heightDouble = heightDouble;
        m_widthDouble = widthDouble;
        m_underline = underline;
    }
    void setUseCustomChar(bool v) { m_useCustomChar = v; }
    void setPrintChar(int v) { m_printChar = quint8(v); }
    void setDeleteChar(int v) { m_deleteChar = quint8(v); }
    void setDeleteList(const QList<int> &v) { m_deleteList = v; }
    void setDefinitions(const QVector<CustomCharDef> &v) { m_definitions = v; }

    void sendRightSpace();
    void sendPrintMode();
    void sendUseCustomChar();
    void sendPrintChar();
    void sendDeleteChar();
    void sendDeleteList();
    void sendDefinitions();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
    int m_rightSpace = 0;
    int m_font = 0;
    bool m_bold = false;
    bool m_heightDouble = false;
    bool m_widthDouble = false;
    bool m_underline = false;
    bool m_useCustomChar = false;
    quint8 m_printChar = 0;
    quint8 m_deleteChar = 0;
    QList<int> m_deleteList;
    QVector<CustomCharDef> m_definitions;
};
