#include "transport/tcp/NetworkSettingsPost.h"

#include "app/Logger.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

NetworkSettingsPost::NetworkSettingsPost(QObject *parent) : QObject(parent) {}

NetworkSettingsPost::~NetworkSettingsPost()
{
    cancel();
    delete m_nam;
}

void NetworkSettingsPost::cancel()
{
    if (!m_reply)
        return;
    QNetworkReply *old = m_reply;
    m_reply = nullptr;
    old->disconnect(this);
    old->abort();
    old->deleteLater();
}

void NetworkSettingsPost::post(const QString &url, const QString &body)
{
    if (!m_nam) {
        m_nam = new QNetworkAccessManager;
        m_nam->setProxy(QNetworkProxy::NoProxy); // the printer sits on the local network
    }
    cancel();
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
        // The answer's log lines belong to the network form's texts.
        if (reply->error() == QNetworkReply::NoError || status > 0) {
            log->info(QCoreApplication::translate("NetworkForm", "网络设置已发送到 %1，打印机回应: HTTP %2")
                          .arg(url)
                          .arg(status));
            emit sigPostFinished(status, QString());
        } else {
            log->info(QCoreApplication::translate("NetworkForm", "网络设置发送到 %1 失败: %2")
                          .arg(url, reply->errorString()));
            emit sigPostFinished(0, reply->errorString());
        }
    });
}
