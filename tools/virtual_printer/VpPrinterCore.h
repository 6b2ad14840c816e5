#pragma once

#include "render/VpCommand.h"
#include "render/VpCommandPrinter.h"
#include "render/VpDecoder.h"

#include <QHash>
#include <QImage>
#include <mutex>
#include <QObject>
#include <QStringList>

class VpEventLog;
class VpState;

// The printer itself: runs what the decoder finds on each link, keeps the
// state and the event log up to date, renders, writes pages, and returns the
// bytes to answer on the link. Every link ("tcp", "serial", "usb") has a
// decoder of its own; all links print on the same paper.
class VpPrinterCore : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxPagesInMemory = 64;
    static constexpr qint64 MaxPageBytesInMemory = 64 * 1024 * 1024; // older pages go first
    static constexpr int MaxReceivedBytes = 8 * 1024 * 1024; // oldest bytes go first

    VpPrinterCore(VpState *state, VpEventLog *log, int paperDots, const QString &outputDir,
                  QObject *parent = nullptr);

    // Bytes that arrived on a link; returns the reply to send back on it.
    QByteArray feed(const QString &source, const QByteArray &bytes);
    // The link's stream ended (client gone, device closed).
    void endStream(const QString &source);
    // Prints what waits in the line buffer and ends the page, as the end of a
    // stream does, without touching any link's decoder.
    void flushPage();

    // Every byte that arrived, per link and in arrival order over all links
    // (an empty source); thread-safe.
    QByteArray received(const QString &source = QString()) const;
    void clearReceived();

    // Files written so far and the last pages (thread-safe).
    QStringList pageFiles() const;
    QList<QImage> pages() const;

private:
    void execute(const QString &source, const VpCommand &cmd, QByteArray *reply);
    void logCommand(const QString &source, const VpCommand &cmd, const QJsonObject &extra = {});
    void event(const QString &source, const QString &name, const QJsonObject &params);
    void settingWritten(const QString &source, const QString &key, const QJsonValue &value);
    void collectPages(const QString &source);
    QStringList selfTestLines() const;

    VpState *m_state;
    VpEventLog *m_log;
    VpCommandPrinter m_printer; // the paper: what prints, shared with the print previews
    QString m_outputDir;
    QHash<QString, VpDecoder> m_decoders;
    mutable std::mutex m_receivedMutex; // std::mutex: ThreadSanitizer sees its ordering
    QHash<QString, QByteArray> m_received; // "" holds all links together
    mutable std::mutex m_pagesMutex; // std::mutex: ThreadSanitizer sees its ordering
    QStringList m_pageFiles;
    QList<QImage> m_pages;
    int m_pageCount = 0;
};
