#pragma once

#include "commands/CommType.h"
#include "commands/PoolHandOff.h"

#include <QByteArray>
#include <QFuture>
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
    // The definitions of the last load; waits for it when it is still being
    // converted.
    QByteArray logoData() const;

    // Rebuilds the definitions from the stored paths, with the logo size limits
    // and the picture conversion of the configuration store; sends nothing. No
    // paths: the data stays. Decoding and converting run on a worker thread, so
    // the caller's thread goes on at once; a later change of the stored
    // conversion converts the same pictures again. logoData() and sendImages()
    // take the newest result, waiting for it only when it is not ready yet
    // (our own computing on at most seven pictures: a task that has not started
    // runs in the waiting thread itself).
    void loadImages();
    void sendImages();
    void sendPrintLogo();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    void startConversion();
    void takeConversion() const;

    CommType m_type;
    QStringList m_imagePaths;
    int m_logoMode = 0;
    mutable QByteArray m_logoData;
    mutable QFuture<QByteArray> m_conversion;
    PoolHandOff m_handOff;
    bool m_followsChoices = false;
    int m_logoNumber = 1;
};
