#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>

// Indicator lamps: the colour of each lamp state, the standby switch and pattern.
class LampForm : public QObject
{
    Q_OBJECT
public:
    struct Rgb
    {
        int r = 0;
        int g = 0;
        int b = 0;
    };

    explicit LampForm(CommType type) : m_type(type) {}

    void setWaitSwitch(int v) { m_waitSwitch = v; }
    void setWaitType(int v) { m_waitType = v; }
    void setWork(int r, int g, int b) { m_work = {r, g, b}; }
    void setPaper(int r, int g, int b) { m_paper = {r, g, b}; }
    void setKnife(int r, int g, int b) { m_knife = {r, g, b}; }
    void setHot(int r, int g, int b) { m_hot = {r, g, b}; }
    void setWait(int r, int g, int b) { m_wait = {r, g, b}; }

    void sendWaitSwitch();
    void sendWaitType();
    void sendWork();
    void sendPaper();
    void sendKnife();
    void sendHot();
    void sendWait();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
    int m_waitSwitch = 0;
    int m_waitType = 0;
    Rgb m_work;
    Rgb m_paper;
    Rgb m_knife;
    Rgb m_hot;
    Rgb m_wait;
};
