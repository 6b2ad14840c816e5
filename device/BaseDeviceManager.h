#pragma once

#include "commands/CommType.h"
#include "commands/PrinterReplyReader.h"
#include "device/ActionLog.h"
#include "device/CommunicationInterface.h"
#include "platform/DevInfo.h"

#include <QByteArray>
#include <QPointer>

#include <functional>
#include <utility>

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

    // Whether bytes handed to the transport now can reach the printer. TCP
    // knows it from its socket; the other transports learn it only by writing
    // and report a failed write themselves, so they keep this answer.
    virtual bool linkUp() const { return true; }

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
    // An accepted operation failed on its way to the printer (bytes not
    // handed over, no answer in time); message is the text of the error line
    // written to the log at the same time.
    void sigOperationFailed(QString message);

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
    // The refusal of a text longer than its command carries: tmpl with %1 the
    // mode name, %2 the text's size in bytes, %3 the most it may have.
    QString tooLong(const QString &tmpl, int bytes) const;
    // Logs the refusal at error level and emits sigInputRefused.
    void refuse(const QString &message);
    // Writes message to the log at error level and emits sigOperationFailed.
    void reportFailure(const QString &message);
    // The one place that decides whether a command can go out: not before the
    // first connection (the builder does not exist yet) and not while the
    // transport's link is down. Otherwise writes the "not connected" line.
    bool commandReady(const void *builder) const;
    // The same decision for an operation that only keeps values on this
    // machine (the test-print contents): it needs the builder, not the link,
    // so a dropped connection does not lose what the user typed.
    bool builderReady(const void *builder) const;

    // How a command operation runs: when commandReady, the action does the
    // builder's part (stores the values, builds and sends) and one line is
    // logged, tmpl with %1 the mode name and %2... the args.
    template <typename Builder, typename Action, typename... Args>
    void run(Builder *builder, Action &&action, const QString &tmpl, const Args &...args)
    {
        if (commandReady(builder))
            perform(*builder, std::forward<Action>(action), tmpl, args...);
    }
    // An action that is one builder call taking the values that are logged.
    template <typename Builder, typename... Params, typename Result, typename... Values>
    void handOver(Builder *builder, Result (Builder::*call)(Params...), const QString &tmpl, const Values &...values)
    {
        run(builder, [&](Builder &b) { (b.*call)(values...); }, tmpl, values...);
    }
    // The commonest action: the values go to one setter, then the builder
    // sends; the same values fill the log line.
    template <typename Builder, typename... Params, typename Sent, typename... Values>
    void setAndSend(Builder *builder, void (Builder::*set)(Params...), Sent (Builder::*send)(), const QString &tmpl,
                    const Values &...values)
    {
        run(builder, [&](Builder &b) { (b.*set)(values...); (b.*send)(); }, tmpl, values...);
    }
    // Like run, for an action that may refuse the values: it returns the
    // refusal (empty when the bytes went out), which is reported through
    // refuse() in place of the log line.
    template <typename Builder, typename Action, typename... Args>
    void runOrRefuse(Builder *builder, Action &&action, const QString &tmpl, const Args &...args)
    {
        if (!commandReady(builder))
            return;
        const QString refusal = std::invoke(std::forward<Action>(action), *builder);
        if (refusal.isEmpty())
            logAction(tmpl, args...);
        else
            refuse(refusal);
    }
    // Like run, for an action that sends nothing and only keeps values
    // (builderReady decides).
    template <typename Builder, typename Action, typename... Args>
    void keep(Builder *builder, Action &&action, const QString &tmpl, const Args &...args)
    {
        if (builderReady(builder))
            perform(*builder, std::forward<Action>(action), tmpl, args...);
    }
    // Like handOver, for one builder call that only keeps the values.
    template <typename Builder, typename... Params, typename Result, typename... Values>
    void keepValues(Builder *builder, Result (Builder::*call)(Params...), const QString &tmpl, const Values &...values)
    {
        keep(builder, [&](Builder &b) { (b.*call)(values...); }, tmpl, values...);
    }

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
    // Sorts what the printer sends back into the answer awaited (TCP here,
    // USB in its manager).
    PrinterReplyReader m_replyReader;
    // The message for a reply that held no status byte.
    QString strayReply() const;

private slots:
    void slotReadyRead();

private:
    template <typename Builder, typename Action, typename... Args>
    void perform(Builder &builder, Action &&action, const QString &tmpl, const Args &...args)
    {
        std::invoke(std::forward<Action>(action), builder);
        logAction(tmpl, args...);
    }
    void deleteBuilders();
    // Writes the "not connected" warning; always false.
    bool notConnected() const;
    void requestStatus(int status, void (RealTimeStatusForm::*send)(), const QString &tmpl);
    void sendSettingText(void (MoreSettings::*set)(const QString &), bool (MoreSettings::*send)(), const QString &text,
                         const QString &refusalTmpl, const QString &tmpl);
};
