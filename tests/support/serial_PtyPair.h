#pragma once

#include <QByteArray>
#include <QString>

#include <termios.h>

// A pseudo-terminal standing in for a serial printer: the code under test opens
// slavePath() as its serial port; the test reads and writes the master side.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Bytes the port has written so far, waiting (with the event loop running)
    // until at least minBytes arrived or timeoutMs passed.
    QByteArray read(int minBytes, int timeoutMs = 3000);
    // Everything that arrives until the line has been quiet for quietMs.
    QByteArray readUntilQuiet(int quietMs = 200, int timeoutMs = 5000);
    bool write(const QByteArray &bytes);

    // The line settings as the port left them (read through our own slave fd).
    bool lineSettings(termios *settings) const;

    // Makes the port vanish, as when a USB-serial adapter is pulled out.
    void closeMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
