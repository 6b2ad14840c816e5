#pragma once

#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

// Pictures as stored logos: loading converts up to seven pictures into logo
// definitions kept here, sending emits them, and a stored logo is printed in
// one of four magnifications.
class BitmapForm : public QObject
{
    Q_OBJECT
public:
    explicit BitmapForm(CommType type) : m_type(type) {}

    void setImagePaths(const QStringList &v) { m_imagePaths = v; }
    void setLogoMode(int v) { m_logoMode = v; }
    void setLogoNumber(int v) { m_logoNumber = v; }
    QByteArray logoData() const { return m_logoData; }

    // Rebuilds the definitions from the stored paths, with the logo size limits
    // of the configuration store; sends nothing. No paths: the data stays.
    void loadImages();
    void sendImages();
    void sendPrintLogo();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    CommType m_type;
    QStringList m_imagePaths;
    int m_logoMode = 0;
    QByteArray m_logoData;
    int m_logoNumber = 1;
};
