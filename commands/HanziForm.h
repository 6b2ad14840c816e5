#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>

// Chinese-character mode, format and spacing.
class HanziForm : public QObject
{
    Q_OBJECT
public:
    explicit HanziForm(CommType type) : m_type(type) {}

    void setHanziMode(bool v) { m_hanziMode = v; }
    void setFormat(bool widthDouble, bool heightDouble, bool underline)
    {
        m_widthDouble = widthDouble;
        m_heightDouble = heightDouble;
        m_underline = underline;
    }
    void setMargins(int left, int right)
    {
        m_leftMargin = left;
        m_rightMargin = right;
    }

    void sendHanziMode();
    void sendFormat();
    void sendMargins();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
    bool m_hanziMode = false;
    bool m_widthDouble = false;
    bool m_heightDouble = false;
    bool m_underline = false;
    int m_leftMargin = 0;
    int m_rightMargin = 0;
};
