#pragma once

#include "device/BaseDeviceManager.h"

#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <QStringList>

// The transport for printers on a serial port: lists the ports, opens one with
// line parameters given as the page's display strings, sends raw bytes, text
// and hexadecimal text, and passes received bytes on.
class SerialPortManager : public BaseDeviceManager
{
    Q_OBJECT
    Q_PROPERTY(bool isConnected READ isConnected)
    Q_PROPERTY(QStringList availablePorts READ availablePorts NOTIFY availablePortsChanged)
public:
    // Baud rate used for every text that is not one of the other standard rates.
    static constexpr qint32 DefaultBaudRate = 9600;
    static constexpr int DefaultDataBits = 8;

    // The by-id names come from QM_SERIAL_BY_ID_DIR when set, else from the
    // system's directory.
    explicit SerialPortManager(QObject *parent = nullptr);
    // Lists the by-id names of the given directory beside the ports.
    SerialPortManager(const QString &byIdDirectory, QObject *parent);
    ~SerialPortManager() override;

    bool isConnected() const { return m_connected; }
    // The port as it was named to connect; empty while none is connected.
    QString openPort() const { return m_connected ? m_openPort : QString(); }
    QStringList availablePorts() const { return m_availablePorts; }

    Q_INVOKABLE void refreshAvailablePorts();
    Q_INVOKABLE bool connectSerialPort(const QString &portName, const QString &baudRate, const QString &dataBits,
                                       const QString &stopBits, const QString &parity, const QString &flowContro);
    Q_INVOKABLE bool connectSerialPort_new(const QString &portName, const QString &baudRate);
    Q_INVOKABLE void disconnectSerialPort();
    Q_INVOKABLE bool sendData(const QString &data);
    Q_INVOKABLE bool sendHexData(const QString &hexData);

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override;
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override;
    QVariantList deviceList() override;
    QString modeName() const override { return QStringLiteral("Serial"); }

    // The speeds a port is opened at (the page's choices), lowest first.
    static QList<qint32> baudRates();

    // Text-to-setting mappings of the connection page's choices.
    static qint32 baudRateFromText(const QString &text);
    static QSerialPort::DataBits dataBitsFromText(const QString &text);
    static QSerialPort::StopBits stopBitsFromText(const QString &text);
    // Compared with the current interface language's words for odd and even.
    static QSerialPort::Parity parityFromText(const QString &text);
    static QSerialPort::FlowControl flowControlFromText(const QString &text);
    // White space anywhere is ignored; odd length or a bad pair gives no bytes.
    static QByteArray parseHexText(const QString &text);
    // What to do when a port may not be opened: serial ports belong to the
    // group dialout.
    static QString permissionAdvice(const QString &portName);

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;

signals:
    void availablePortsChanged();
    void dataReceived(QString data);
    void hexDataReceived(QByteArray data);
    void errorOccurred(QString error);

private slots:
    void handleReadyRead();
    void handleError(QSerialPort::SerialPortError error);

private:
    // Steps shared by both connect operations: refuse while connected, replace
    // the port object and open it. False (with the message emitted) on failure.
    bool openNewPort(const QString &portName, bool traceAttempt);
    void releasePort();
    void markConnected(const QString &portName);
    // Write, completeness check and flush; the messages differ for hex sending.
    bool writeChecked(const QByteArray &bytes, const QString &writeFailedPrefix, const QString &incompleteMessage);

    QSerialPort *m_port = nullptr;
    bool m_connected = false;
    bool m_lineGone = false;
    QStringList m_availablePorts;
    QString m_byIdDirectory;
    QString m_openPort;
};
