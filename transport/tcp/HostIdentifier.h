#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <vector>

class MacAddressLookup;
class NetbiosNameQuery;
class HttpRequest;
class QTcpSocket;
class QTimer;

// Everything the LAN search learns about one address, without blocking: does
// the print port answer, the MAC address (the neighbour table's, else the
// unit id of the NetBIOS answer; empty when neither names one), the web page
// and the model read from it, and the NetBIOS name when the page tells
// nothing. A search (first or second pass) keeps only hosts with a MAC
// address. Many of these run at once on the scan thread.
class HostIdentifier : public QObject
{
    Q_OBJECT
public:
    enum class Stage { FirstPass, SecondPass, SingleTest };
    // At the connect limit: how long to look whether the connection is made.
    static constexpr int LastLookMs = 1;
    // At the limit of a whole pass: at most this many rounds of the event loop
    // deliver the connections made by then (it stops at the first empty round).
    static constexpr int FinalLookRounds = 64;

    struct Settings
    {
        Stage stage = Stage::FirstPass;
        quint16 printPort = 9100;
        // 0: the caller ends the connect wait with endConnectWaits(), so that
        // the hosts of one pass give up together.
        int connectTimeoutMs = 0;
        int fetchLimitMs = 0;        // page fetch, whole answer
        int rawLimitMs = 0;          // fallback: connect, write and idle limit
        int rawTotalLimitMs = 0;     // fallback: whole answer
        qint64 maxPageBytes = 0;
        bool netbiosFallback = true;
        int netbiosTimeoutMs = 0;
        // Ask every host whose print port answers for its NetBIOS name table
        // beside the page, for its name (the MAC address comes from it
        // wherever the neighbour table has none, whatever this says).
        bool netbiosAlongside = false;
    };

    HostIdentifier(const QString &ip, const Settings &settings, const MacAddressLookup *macLookup,
                   QObject *parent = nullptr);
    ~HostIdentifier() override;

    // Starts the work; finished() follows once, never from inside start().
    void start();
    // Stops whatever runs; finished() is not emitted afterwards.
    void abort();

    // Ends the connect wait of every host of hosts still waiting. One look at
    // all their sockets comes first: a thread busy past the limit may not yet
    // have seen connections the kernel has made.
    static void endConnectWaits(const std::vector<HostIdentifier *> &hosts);

    // The model named by a printer's web page, empty when none is recognised.
    static QString recognizeModel(const QByteArray &body);

    QString ip() const { return m_ip; }
    bool isDone() const { return m_done; }
    bool portOpen() const { return m_portOpen; }
    QString connectError() const { return m_connectError; }
    QString mac() const { return m_mac; }
    QString model() const { return m_model; }
    QByteArray page() const { return m_page; }
    // The NetBIOS name as the name table gives it; empty when not asked or
    // when no answer came.
    QString netbiosName() const { return m_netbiosName; }

    // The text of a connect that got no answer in time (Qt's own words, as
    // for the other socket errors).
    static QString connectTimedOut();

signals:
    void finished();

private:
    bool logs() const { return m_settings.stage != Stage::SingleTest; }
    bool firstPass() const { return m_settings.stage == Stage::FirstPass; }
    void onConnected();
    void logMac();
    void onConnectFailed(const QString &error);
    void fetchPage();
    void onPageFinished(const QByteArray &body);
    void onPageTimeout();
    void startRawFetch();
    void onRawFinished(const QByteArray &data, const QString &errorText);
    void identify();
    void startNetbios();
    void onNetbiosName(const QString &name);
    // Finishes once the page and the NetBIOS query, when one runs, are done.
    void finishWhenReady();
    void finish();
    void stopAll();

    QString m_ip;
    QHostAddress m_address;
    Settings m_settings;
    const MacAddressLookup *m_macLookup = nullptr;

    QTcpSocket *m_socket = nullptr;
    QTimer *m_timer = nullptr;
    HttpRequest *m_http = nullptr; // the page fetch, then its raw fallback
    NetbiosNameQuery *m_netbios = nullptr;

    bool m_starting = false;
    bool m_done = false;
    bool m_aborted = false;
    bool m_portOpen = false;
    QString m_connectError;
    QString m_mac;
    QString m_model;
    QByteArray m_page;
    bool m_pageDone = false;
    bool m_netbiosStarted = false;
    bool m_macAwaited = false; // a search host without a neighbour entry: the page waits for NetBIOS
    bool m_nameAsModel = false; // the page named no model: the NetBIOS name is taken
    QString m_netbiosName;
};
