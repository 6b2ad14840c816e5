#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The four real-time statuses of one printer, decoded as the status page
// decodes them, and whether they report a fault: the fault bits of
// StatusReply's table that the page shows (offline, cover open, paper out, an
// error, cutter, unrecoverable and print-head errors, paper exhausted). An
// open drawer or a pressed feed button is no fault.
class CliStatusReport
{
    Q_DECLARE_TR_FUNCTIONS(CliStatusReport)
public:
    struct Entry
    {
        int status = 0;
        QString name;    // "PrinterStatus" ...
        QString payload; // reply bytes as hexadecimal text; empty: no reply
        QString header;  // "打印机状态:"
        QStringList lines;
        QStringList faults;
    };

    // Adds the reply to one request (status 0 to 3).
    void add(int status, const QString &payload);

    const QList<Entry> &entries() const { return m_entries; }
    bool answeredAll() const;
    bool hasFault() const;
    QStringList faults() const;

    QString text() const;
    QJsonObject json() const;

    // Texts of the fault bits set in the first reply byte.
    static QStringList faultsOf(int status, const QString &payload);

private:
    QList<Entry> m_entries;
};
