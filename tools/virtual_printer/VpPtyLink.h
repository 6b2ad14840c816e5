#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// A pseudo-terminal that plays the printer's end of a serial or USB line.
// The program on the other end opens the slave (or the symbolic link made to
// it). The line is raw: no echo, no newline translation. The printer keeps a
// slave descriptor of its own open so the master never sees a hang-up between
// clients; closing the link closes both, so the client sees the line go away.
class VpPtyLink : public QObject
{
    Q_OBJECT
public:
    static constexpr int ReadChunk = 4096;

    explicit VpPtyLink(QObject *parent = nullptr);
    ~VpPtyLink() override;

    // Opens a new pty; when linkPath is not empty a symbolic link to the
    // slave is made there (an existing link is replaced).
    bool open(const QString &linkPath, QString *error);
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    QString linkPath() const { return m_linkPath; }
    // "major:minor" of the slave device.
    QString deviceNumbers() const { return m_devNumbers; }
    void write(const QByteArray &bytes);

signals:
    void dataReceived(const QByteArray &bytes);

private slots:
    void onReadable();

private:
    int m_master = -1;
    int m_slaveKeep = -1;
    QSocketNotifier *m_notifier = nullptr;
    QString m_slavePath;
    QString m_linkPath;
    QString m_devNumbers;
};
