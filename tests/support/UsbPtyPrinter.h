#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QSocketNotifier;
class QTimer;

// A pty standing in for a USB printer: the controller opens the slave as the
// printer's node; this side (the master) sees what was sent and answers.
// Replies can be given per request (answered whenever those bytes arrive,
// read on the thread that created the object, through its event loop).
class UsbPtyPrinter : public QObject
{
    Q_OBJECT
public:
    explicit UsbPtyPrinter(QObject *parent = nullptr);
    ~UsbPtyPrinter() override;

    // A fresh pty; the old one (if any) is hung up.
    bool plugIn();
    // Closes the master: the slave's reader sees a hang-up.
    void hangUp();
    bool isPlugged() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Answers request with reply each time request has arrived in full.
    void setReply(const QByteArray &request, const QByteArray &reply);
    // Replies are written at least gapMs apart, so that each reaches the
    // reader as a chunk of its own (0: at once).
    void setReplyGap(int gapMs) { m_replyGapMs = gapMs; }
    // Watches the master through the event loop (needed for replies).
    void setWatching(bool on);

    bool write(const QByteArray &bytes);
    // Everything received so far (collected by the watcher or readFor).
    QByteArray received() const { return m_received; }
    void clearReceived() { m_received.clear(); }
    // Reads directly until at least count bytes have arrived or timeoutMs has passed.
    QByteArray readAtLeast(int count, int timeoutMs);
    // Stops reading the master, so a writer to the slave eventually blocks.
    void setPaused(bool paused);

private slots:
    void handleReadable();
    void sendNextReply();

private:
    void drain();
    void answer();

    int m_master = -1;
    // Keeps the slave open so the master never sees a hang-up while the
    // controller closes and reopens its side.
    int m_slaveKeeper = -1;
    QString m_slavePath;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_received;
    int m_answeredUpTo = 0;
    QList<QPair<QByteArray, QByteArray>> m_replies;
    bool m_watching = false;
    bool m_paused = false;
    int m_replyGapMs = 0;
    QList<QByteArray> m_outbox;
    QTimer *m_replyTimer = nullptr;
};
