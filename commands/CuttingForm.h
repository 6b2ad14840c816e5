#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>

// Paper cut: full, partial, or feed and cut partially.
class CuttingForm : public QObject
{
    Q_OBJECT
public:
    explicit CuttingForm(CommType type) : m_type(type) {}

    void setCutMode(int v) { m_cutMode = v; }
    void setFeedDistance(int v) { m_feedDistance = v; }

    void sendCut();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
    int m_cutMode = 0;
    int m_feedDistance = 1;
};
