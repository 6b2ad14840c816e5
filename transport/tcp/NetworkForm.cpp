#include "transport/tcp/NetworkForm.h"

#include "app/Logger.h"

#include <QDebug>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>

namespace {

const char *const ModelL7N = "KVZ-L7N";
const char *const ModelL7K = "KVZ-L7K";
const char *const ModelL7W = "KVZ-L7W";
const char *const ModelL7S = "KVZ-L7S";
const QByteArray NetworkSettingStart = QByteArray::fromHex("1f69");
const QByteArray MaskFollows = QByteArray::fromHex("1f2500");
const QByteArray GatewayFollows = QByteArray::fromHex("1f2501");
constexpr int DecimalBase = 10;

QString colonMac(const QString &mac)
{
    QString out = mac;
    return out.replace(QLatin1Char('-'), QLatin1Char(':'));
}

} // namespace

NetworkForm::NetworkForm(CommType type, const DevInfo &device) : m_type(type), m_device(device) {}

NetworkForm::~NetworkForm()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    delete m_nam;
}

QString NetworkForm::configUrl(const QString &ip)
{
    return QStringLiteral("http://%1/config.cgi").arg(ip);
}

bool NetworkForm::isIpv4Address(const QString &text)
{
    QHostAddress address;
    return address.setAddress(text) && address.protocol() == QAbstractSocket::IPv4Protocol;
}

bool NetworkForm::formBody(const QString &model, const QString &mac, const QString &ip, const QString &mask,
                           const QString &gateway, int dhcp, int beep, int cut, int beepType, int printMode,
                           int density, QString *body)
{
    const bool l7n = model == QLatin1String(ModelL7N);
    const bool l7kw = model == QLatin1String(ModelL7K) || model == QLatin1String(ModelL7W);
    if (dhcp != 0) {
        if (l7n)
            *body = QStringLiteral("ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=%1&beep=%2&cut=%3&beepType=%4&printMode=%5&density=%6")
                        .arg(dhcp).arg(beep).arg(cut).arg(beepType).arg(printMode).arg(density);
        else if (l7kw)
            *body = QStringLiteral("ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=dhcpy&mac=%1").arg(colonMac(mac));
        else
            body->clear();
        return true;
    }
    if (l7n) {
        *body = QStringLiteral("ip=%1&sub=%2&gw=%3&dhcp=%4&beep=%5&cut=%6&beepType=%7&printMode=%8&density=%9")
                    .arg(ip, mask, gateway, QString::number(0), QString::number(beep), QString::number(cut),
                         QString::number(beepType), QString::number(printMode), QString::number(density));
        return true;
    }
    if (l7kw) {
        *body = QStringLiteral("ip=%1&sub=%2&gw=%3&dhcp=dhcpn&mac=%4").arg(ip, mask, gateway, colonMac(mac));
        return true;
    }
    if (model == QLatin1String(ModelL7S)) {
        *body = QStringLiteral("mac=%1&ip=%2&sub=%3&gw=%4&dhcp=dhcpn").arg(colonMac(mac), ip, mask, gateway);
        return true;
    }
    return false;
}

QByteArray NetworkForm::usbCommand(const QString &ip, const QString &mask, const QString &gateway)
{
    static const QRegularExpression dottedQuad(QStringLiteral(
        "^((25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)$"));
    for (const QString &text : {ip, mask, gateway}) {
        if (!dottedQuad.match(text).hasMatch())
            return QByteArray();
    }
    auto octets = [](const QString &text) {
        QByteArray bytes;
        for (const QString &part : text.split(QLatin1Char('.')))
            bytes.append(char(part.toInt(nullptr, DecimalBase)));
        return bytes;
    };
    return NetworkSettingStart + octets(ip) + MaskFollows + octets(mask) + GatewayFollows + octets(gateway);
}

void NetworkForm::sendNetwork(const QString &editIP, const QString &editMask, const QString &editGateway, int m_dhcp,
                              int m_beep, int m_cut, int m_beepType, int m_printMode, int m_density)
{
    switch (m_type) {
    case CommType::Tcp:
        sendOverTcp(editIP, editMask, editGateway, m_dhcp, m_beep, m_cut, m_beepType, m_printMode, m_density);
        break;
    case CommType::Usb:
        qDebug() << "m_type" << int(m_type) << "editIP" << editIP << "editMask" << editMask << "editGateway"
                 << editGateway << "m_dhcp" << m_dhcp << "m_beep" << m_beep << "m_cut" << m_cut << "m_beepType"
                 << m_beepType << "m_printMode" << m_printMode << "m_density" << m_density;
        sendOverUsb(editIP, editMask, editGateway);
        break;
    default:
        break;
    }
}

void NetworkForm::sendOverTcp(const QString &editIP, const QString &editMask, const QString &editGateway, int dhcp,
                              int beep, int cut, int beepType, int printMode, int density)
{
    if (dhcp == 0) {
        m_lastIp = editIP;
        m_lastMask = editMask;
        m_lastGateway = editGateway;
        if (!isIpv4Address(editIP) || !isIpv4Address(editMask) || !isIpv4Address(editGateway)) {
            qDebug() << "参数不合法 请重新输入";
            return;
        }
    }
    QString body;
    if (!formBody(m_device.name, m_device.mac, editIP, editMask, editGateway, dhcp, beep, cut, beepType, printMode,
                  density, &body)) {
        qDebug() << "机型不正确" << m_device.name;
        return;
    }
    // The printer's address must be one: anything else would send the form
    // somewhere else entirely.
    if (!isIpv4Address(m_device.ip)) {
        qDebug() << "参数不合法 请重新输入" << m_device.ip;
        return;
    }
    const QString url = configUrl(m_device.ip);
    post(url, body);
    qDebug() << "url:" << url;
    qDebug() << "params:" << body;
}

void NetworkForm::post(const QString &url, const QString &body)
{
    if (!m_nam) {
        m_nam = new QNetworkAccessManager;
        m_nam->setProxy(QNetworkProxy::NoProxy); // the printer sits on the local network
    }
    // One request at a time: a newer one ends the older.
    if (m_reply) {
        QNetworkReply *old = m_reply;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
        m_reply = nullptr;
    }
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(RequestTimeoutMs);
    QNetworkReply *reply = m_nam->post(request, body.toUtf8());
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply, url] {
        reply->deleteLater();
        if (m_reply == reply)
            m_reply = nullptr;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        Logger *log = Logger::getInstance();
        if (reply->error() == QNetworkReply::NoError || status > 0) {
            log->info(tr("网络设置已发送到 %1，打印机回应: HTTP %2").arg(url).arg(status));
            emit sigPostFinished(status, QString());
        } else {
            log->info(tr("网络设置发送到 %1 失败: %2").arg(Logger::oneLine(url), Logger::oneLine(reply->errorString(), Logger::MaxExcerptChars)));
            emit sigPostFinished(0, reply->errorString());
        }
    });
}

void NetworkForm::sendOverUsb(const QString &editIP, const QString &editMask, const QString &editGateway)
{
    const QByteArray bytes = usbCommand(editIP, editMask, editGateway);
    if (bytes.isEmpty()) {
        qDebug() << "参数不合法 请重新输入";
        return;
    }
    qDebug() << "IP地址:" << editIP.split(QLatin1Char('.')) << "子网掩码:" << editMask.split(QLatin1Char('.'))
             << "网关:" << editGateway.split(QLatin1Char('.'));
    qDebug() << bytes.toHex(' ');
    emit sigSendData(m_type, bytes);
}
