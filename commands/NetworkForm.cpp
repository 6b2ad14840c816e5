#include "commands/NetworkForm.h"

#include "app/base/PrinterModel.h"
#include "text/DottedQuad.h"

#include <QDebug>

namespace {

using PrinterModel::WebForm;
const QByteArray NetworkSettingStart = QByteArray::fromHex("1f69");
const QByteArray MaskFollows = QByteArray::fromHex("1f2500");
const QByteArray GatewayFollows = QByteArray::fromHex("1f2501");

QString colonMac(const QString &mac)
{
    QString out = mac;
    return out.replace(QLatin1Char('-'), QLatin1Char(':'));
}

} // namespace

NetworkForm::NetworkForm(CommType type, const DevInfo &device) : m_type(type), m_device(device) {}

QString NetworkForm::configUrl(const QString &ip)
{
    return QStringLiteral("http://%1/config.cgi").arg(ip);
}

bool NetworkForm::formBody(const QString &model, const QString &mac, const QString &ip, const QString &mask,
                           const QString &gateway, int dhcp, int beep, int cut, int beepType, int printMode,
                           int density, QString *body)
{
    const WebForm form = PrinterModel::webForm(model);
    if (dhcp != 0) {
        if (form == WebForm::Full)
            *body = QStringLiteral("ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=%1&beep=%2&cut=%3&beepType=%4&printMode=%5&density=%6")
                        .arg(dhcp).arg(beep).arg(cut).arg(beepType).arg(printMode).arg(density);
        else if (form == WebForm::MacDhcpFlag)
            *body = QStringLiteral("ip=0.0.0.0&sub=255.255.255.0&gw=192.168.1.1&dhcp=dhcpy&mac=%1").arg(colonMac(mac));
        else
            body->clear();
        return true;
    }
    switch (form) {
    case WebForm::Full:
        *body = QStringLiteral("ip=%1&sub=%2&gw=%3&dhcp=%4&beep=%5&cut=%6&beepType=%7&printMode=%8&density=%9")
                    .arg(ip, mask, gateway, QString::number(0), QString::number(beep), QString::number(cut),
                         QString::number(beepType), QString::number(printMode), QString::number(density));
        return true;
    case WebForm::MacDhcpFlag:
        *body = QStringLiteral("ip=%1&sub=%2&gw=%3&dhcp=dhcpn&mac=%4").arg(ip, mask, gateway, colonMac(mac));
        return true;
    case WebForm::MacFirst:
        *body = QStringLiteral("mac=%1&ip=%2&sub=%3&gw=%4&dhcp=dhcpn").arg(colonMac(mac), ip, mask, gateway);
        return true;
    case WebForm::None:
        break;
    }
    return false;
}

QByteArray NetworkForm::usbCommand(const QString &ip, const QString &mask, const QString &gateway)
{
    const QByteArray address = DottedQuad::octets(ip);
    const QByteArray netmask = DottedQuad::octets(mask);
    const QByteArray router = DottedQuad::octets(gateway);
    if (address.isEmpty() || netmask.isEmpty() || router.isEmpty())
        return QByteArray();
    return NetworkSettingStart + address + MaskFollows + netmask + GatewayFollows + router;
}

void NetworkForm::sendNetwork(const QString &editIP, const QString &editMask, const QString &editGateway, int dhcp,
                              int beep, int cut, int beepType, int printMode, int density)
{
    switch (m_type) {
    case CommType::Tcp:
        sendOverTcp(editIP, editMask, editGateway, dhcp, beep, cut, beepType, printMode, density);
        break;
    case CommType::Usb:
        qDebug() << "m_type" << int(m_type) << "editIP" << editIP << "editMask" << editMask << "editGateway"
                 << editGateway << "m_dhcp" << dhcp << "m_beep" << beep << "m_cut" << cut << "m_beepType"
                 << beepType << "m_printMode" << printMode << "m_density" << density;
        sendOverUsb(editIP, editMask, editGateway);
        break;
    default:
        break;
    }
}

void NetworkForm::sendOverTcp(const QString &editIP, const QString &editMask, const QString &editGateway, int dhcp,
                              int beep, int cut, int beepType, int printMode, int density)
{
    if (dhcp == 0
        && (!DottedQuad::isValid(editIP) || !DottedQuad::isValid(editMask) || !DottedQuad::isValid(editGateway))) {
        qDebug() << "参数不合法 请重新输入";
        return;
    }
    QString body;
    if (!formBody(m_device.name, m_device.mac, editIP, editMask, editGateway, dhcp, beep, cut, beepType, printMode,
                  density, &body)) {
        qDebug() << "机型不正确" << m_device.name;
        return;
    }
    // The printer's address must be one: anything else would send the form
    // somewhere else entirely.
    if (!DottedQuad::isValid(m_device.ip)) {
        qDebug() << "参数不合法 请重新输入" << m_device.ip;
        return;
    }
    const QString url = configUrl(m_device.ip);
    emit sigPostForm(url, body);
    qDebug() << "url:" << url;
    qDebug() << "params:" << body;
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
