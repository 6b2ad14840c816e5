#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <mutex>

// printtest.ini: the test-print contents, the logo size limits and how the LAN
// search picks its subnet; also the connected printer's name and model.
class ConfigManager : public QObject
{
    Q_OBJECT
public:
    enum DeviceModel { Unknown = 0, Standard = 1, L7N = 2, L7S = 3 };
    Q_ENUM(DeviceModel)
    enum TcpNetworkMode { Local = 0, Custom = 1 };
    Q_ENUM(TcpNetworkMode)

    // The logo limit of a new file, also used when the key is missing or damaged.
    static constexpr int DefaultLogoLimit = 560;
    // The environment variable that names the LAN search's segment for one run.
    static constexpr const char *RunSegmentVariable = "QM_TCP_SEGMENT";

    // The process-wide store, created on first use and never destroyed.
    static ConfigManager *getInstance();

    // A store whose file is folder/printtest.ini; getInstance() uses
    // AppPaths::directory() + "/configFile".
    explicit ConfigManager(const QString &configFolder, QObject *parent = nullptr);

    // Creates the folder and the default file when missing, then reads the file.
    void initialize();

    Q_INVOKABLE DeviceModel getCurrentDeviceModel() const;
    Q_INVOKABLE void setCurrentDeviceModel(DeviceModel model);
    Q_INVOKABLE QString getCurrentDeviceName() const;
    Q_INVOKABLE void setCurrentDeviceName(const QString &name);
    Q_INVOKABLE QString getTcpNetworkSegment() const;
    Q_INVOKABLE void setTcpNetworkSegment(const QString &segment);
    Q_INVOKABLE TcpNetworkMode getTcpNetworkMode() const;
    Q_INVOKABLE void setTcpNetworkMode(TcpNetworkMode mode);
    Q_INVOKABLE QString getLocalIpNetworkSegment() const;
    // The built-in test page as stored: upper-case hexadecimal pairs.
    Q_INVOKABLE QString defaultTestPageText() const { return toUpperHexText(defaultTestPage()); }
    // Search this segment in custom mode for the rest of the run, without
    // writing the file (the command line's scan --segment).
    void useTcpNetworkSegmentForRun(const QString &segment);
    // The segment named by QM_TCP_SEGMENT (scripts/run.sh names its virtual
    // printer's), when set, for the rest of the run as above; a value that is
    // no segment is logged and left unused. Call after initialize().
    void useEnvironmentSegmentForRun();
    // Convert pictures with this method (and, when width > 0, at most this
    // many dots wide) for the rest of the run, without writing the file (the
    // command line's logo --dither and --width). An empty method keeps the
    // stored one.
    void useLogoConversionForRun(const QString &dither, int width);

    QString getBitMapPath() const { return m_bitMapPath; }
    QString getBarCodeType() const { return m_barCodeType; }
    QString getBarCodeValue() const { return m_barCodeValue; }
    QString getTestPageText() const { return m_testPageText; }
    QString getReceipt58Text() const { return m_receipt58Text; }
    QString getReceipt76Text() const { return m_receipt76Text; }
    QString getReceipt80Text() const { return m_receipt80Text; }
    int getLogoMaxWidth() const { return m_logoMaxWidth; }
    int getLogoMaxHeight() const { return m_logoMaxHeight; }

    // How logos and the test picture are converted to dots: LogoDither (a
    // method name), LogoBrightness and LogoContrast (-100..100), LogoInvert.
    // A file without any of these keys keeps the conversion of earlier
    // versions (hasLogoConversion() false); the values are then "", 0, 0 and
    // false. Names and ranges are checked where pictures are converted.
    bool hasLogoConversion() const { return m_logoConversionStored; }
    QString getLogoDither() const { return m_logoDither; }
    int getLogoBrightness() const { return m_logoBrightness; }
    int getLogoContrast() const { return m_logoContrast; }
    bool getLogoInvert() const { return m_logoInvert; }
    // Stores the four keys (those missing or changed are written) and emits
    // logoConversionChanged(); does nothing when all four are stored already
    // with these values.
    void setLogoConversion(const QString &dither, int brightness, int contrast, bool invert);

    void setBitMapPath(const QString &path);
    void setBarCodeType(const QString &type);
    void setBarCodeValue(const QString &value);
    void setTestPageText(const QString &text);
    void setReceipt58Text(const QString &text);
    void setReceipt76Text(const QString &text);
    void setReceipt80Text(const QString &text);

    QString configFolder() const { return m_folder; }
    QString filePath() const { return m_filePath; }

    // The first up IPv4 address of this computer that is not 127.0.0.1, or 0.0.0.0.
    QString getLocalIpAddress() const;

    struct NetInterface
    {
        QString humanReadableName;
        bool up = false;
        QList<QHostAddress> addresses;
    };
    static QString pickLocalAddress(const QList<NetInterface> &interfaces);
    // 192.168.1.23 gives "192.168.1."; 0.0.0.0 and addresses without a dot give "".
    static QString segmentOf(const QString &address);
    // "10.1.2" or "10.1.2." gives "10.1.2."; anything else an empty text.
    static QString normalisedSegment(const QString &text);
    // "l7n" anywhere (any case) gives L7N, else "l7s" gives L7S, else Standard; "" gives Unknown.
    static DeviceModel modelFromName(const QString &name);
    // "Standard", "L7N", "L7S" or "Unknown".
    static QString modelName(DeviceModel model);

    // The default contents, as sent to the printer.
    static QByteArray defaultTestPage();
    static QByteArray defaultReceipt(int paperMm);
    // Upper-case hexadecimal pairs separated by single blanks: 1B 40.
    static QString toUpperHexText(const QByteArray &bytes);
    // The whole default printtest.ini.
    static QByteArray defaultFileText();

signals:
    // A change could not be written to printtest.ini (read-only folder, full
    // disk): it is lost at the next start. message is ready to show the user.
    void saveFailed(const QString &key, const QString &message);
    // The connected printer's name or model changed.
    void currentDeviceChanged();
    // The picture conversion choices changed (setLogoConversion).
    void logoConversionChanged();

private:
    void loadFile();
    bool writeDefaultFile();
    void readValues();
    bool saveValue(const QString &key, const QVariant &value);

    QString m_folder;
    QString m_filePath;
    QString m_bitMapPath;
    QString m_barCodeType;
    QString m_barCodeValue;
    QString m_testPageText;
    QString m_receipt58Text;
    QString m_receipt76Text;
    QString m_receipt80Text;
    int m_logoMaxWidth = DefaultLogoLimit;
    int m_logoMaxHeight = DefaultLogoLimit;
    bool m_logoConversionStored = false;
    QString m_logoDither;
    int m_logoBrightness = 0;
    int m_logoContrast = 0;
    bool m_logoInvert = false;
    DeviceModel m_deviceModel = Unknown;
    QString m_deviceName;
    // The LAN search reads these from its own thread.
    mutable std::mutex m_networkMutex;
    QString m_tcpSegment;
    TcpNetworkMode m_tcpMode = Local;
};
