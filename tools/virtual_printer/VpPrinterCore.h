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

    // How many received bytes are kept per link (MaxReceivedBytes unless told).
    void setMaxReceivedBytes(int bytes) { m_maxReceived = bytes; }

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
    // Takes the pages the last command finished, each with the link that put
    // the first ink on it.
    void takeFinishedPages(const QString &source);
    // Writes the pages taken; `source` names a page no link is known for.
    void collectPages(const QString &source);
    // The highest page-NNNN.png number in the output folder (0 for none), so
    // that a new run continues the numbering instead of overwriting.
    static int lastPageNumber(const QString &outputDir);
    QStringList selfTestLines() const;

    VpState *m_state;
    VpEventLog *m_log;
    VpCommandPrinter m_printer; // the paper: what prints, shared with the print previews
    QString m_outputDir;
    QHash<QString, VpDecoder> m_decoders;
    mutable std::mutex m_receivedMutex; // std::mutex: ThreadSanitizer sees its ordering
    QHash<QString, QByteArray> m_received; // "" holds all links together
    int m_maxReceived = MaxReceivedBytes;
    mutable std::mutex m_pagesMutex; // std::mutex: ThreadSanitizer sees its ordering
    QStringList m_pageFiles;
    QList<QImage> m_pages;
    int m_pageCount = 0;
    QString m_paperSource; // the link whose ink is on the page being printed
    QList<QPair<QImage, QString>> m_finished; // pages with their link, not yet written
};
