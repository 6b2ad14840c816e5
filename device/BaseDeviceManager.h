#pragma once

#include "commands/CommType.h"
#include "device/ActionLog.h"
#include "device/CommunicationInterface.h"
#include "platform/DevInfo.h"

#include <QByteArray>
#include <QPointer>

class QIODevice;
class BuzzerAlarmForm;
class CuttingForm;
class RealTimeStatusForm;
class CashBoxForm;
class WorkingModeForm;
class CharacterForm;
class BitmapForm;
class BarCodeForm;
class LampForm;
class HanziForm;
class OtherForm;
class NetworkForm;
class MoreSettings;
class PrintTest;
class ReplyMatcher;

// The common base of the four transports: implements the whole command API by
// handing values to the command builders (the operations of each page are in
// device/pages/), owns the builders, routes their output to the transport and
// turns TCP status replies into sigTcpResponse.
class BaseDeviceManager : public CommunicationInterface
{
    Q_OBJECT
public:
    // How long a real-time status request over a stream waits for its answer.
    static constexpr int StatusReplyTimeoutMs = 3000;

    explicit BaseDeviceManager(QObject *parent = nullptr);
    ~BaseDeviceManager() override;

    // The whole command API (device/CommandOperations.h): the four device
    // operations forward to the transport (below), every other operation is
    // defined in device/pages/, one file per page.
#define QM_OVERRIDE_OPERATION(result, name, parameters) result name parameters override;
    QM_COMMAND_OPERATIONS(QM_OVERRIDE_OPERATION)
#undef QM_OVERRIDE_OPERATION

    // The seven operations each transport supplies.
    virtual bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) = 0;
    virtual void closeDevice() = 0;
    virtual bool writeRaw(const QByteArray &data) = 0;
    virtual void refreshDevices() = 0;
    virtual QVariantList deviceList() = 0;
    virtual QString modeName() const = 0;

    // The real-time status still waiting for its answer (RealTimeStatusForm's
    // numbers; 4 for none).
    int pendingStatusQuery() const;
    DevInfo connectedDevice() const { return m_connectedDevice; }
    bool hasBuilders() const { return m_buzzerAlarmForm != nullptr; }

    // Device-list entries that carry only a name: "name" plus empty "ip",
    // "mac" and "devPath" (serial ports and printer queues).
    static QVariantList nameOnlyDeviceList(const QStringList &names);

    // Lower-case hexadecimal pairs separated by single blanks: 12 00 ff.
    static QString toHexText(const QByteArray &bytes);

public slots:
    virtual void onBuilderData(CommType type, const QByteArray &data) = 0;

signals:
    void sigTcpResponse(QString cmd, QString payload);
    // An input was refused before anything was sent (a text longer than its
    // command carries); message is ready to show the user.
    void sigInputRefused(QString message);

protected:
    // Run by a transport after every successful open: replaces the builders by
    // fresh ones carrying this manager's type and wires their output.
    void setupBuilders(CommType type, QIODevice *stream, const DevInfo &device);
    void setConnectedDevice(const DevInfo &device) { m_connectedDevice = device; }
    // The network form for the printer's web server; only TCP posts it.
    virtual void postNetworkForm(const QString &url, const QString &body);

    // One information line: the template translated in this class's context,
    // %1 the mode name, %2... the arguments (integers in decimal, flags as 0/1).
    template <typename... Args>
    void logAction(const QString &tmpl, const Args &...args)
    {
        writeActionLog(tmpl, QStringList{modeName(), ActionLog::text(args)...});
    }
    static void writeActionLog(const QString &tmpl, const QStringList &args);
    // Logs the refusal at error level and emits sigInputRefused; tmpl has %1
    // the mode name, %2 the text's size in bytes, %3 the most it may have.
    void refuseText(const QString &tmpl, int bytes);
    // True when the builder exists; otherwise writes the "not connected" line.
    bool builderReady(const void *builder) const;

    BuzzerAlarmForm *m_buzzerAlarmForm = nullptr;
    CuttingForm *m_cuttingForm = nullptr;
    RealTimeStatusForm *m_realTimeStatusForm = nullptr;
    CashBoxForm *m_cashBoxForm = nullptr;
    WorkingModeForm *m_workingModeForm = nullptr;
    CharacterForm *m_characterForm = nullptr;
    BitmapForm *m_bitmapForm = nullptr;
    BarCodeForm *m_barCodeForm = nullptr;
    LampForm *m_lampForm = nullptr;
    HanziForm *m_hanziForm = nullptr;
    OtherForm *m_otherForm = nullptr;
    NetworkForm *m_networkForm = nullptr;
    MoreSettings *m_moreSettings = nullptr;
    PrintTest *m_printTest = nullptr;

    QPointer<QIODevice> m_streamDevice;
    DevInfo m_connectedDevice;
    ReplyMatcher *m_statusReplies = nullptr;

private slots:
    void slotReadyRead();

private:
    void deleteBuilders();
    void expectStatus(int status);
};
