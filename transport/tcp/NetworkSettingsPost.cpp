#include "transport/tcp/NetworkSettingsPost.h"

#include "app/base/Logger.h"
#include "transport/tcp/HttpRequest.h"

#include <QCoreApplication>

NetworkSettingsPost::NetworkSettingsPost(QObject *parent) : QObject(parent) {}

NetworkSettingsPost::~NetworkSettingsPost()
{
    cancel();
}

void NetworkSettingsPost::cancel()
{
    if (!m_request)
        return;
    HttpRequest *old = m_request;
    m_request = nullptr;
    old->disconnect(this);
    old->abort();
    old->deleteLater();
}

void NetworkSettingsPost::post(const QString &url, const QString &body)
{
    cancel();
    auto *request = new HttpRequest(this);
    m_request = request;
    connect(request, &HttpRequest::finished, this,
            [this, request, url](int status, const QByteArray &, const QString &errorText) {
        request->deleteLater();
        if (m_request == request)
            m_request = nullptr;
        Logger *log = Logger::getInstance();
        // The answer's log lines belong to the network form's texts.
        if (status > 0) {
            log->info(QCoreApplication::translate("NetworkForm", "网络设置已发送到 %1，打印机回应: HTTP %2")
                          .arg(url)
                          .arg(status));
            emit sigPostFinished(status, QString());
        } else {
            const QString message = QCoreApplication::translate("NetworkForm", "网络设置发送到 %1 失败: %2")
                                        .arg(Logger::oneLine(url), Logger::oneLine(errorText, Logger::MaxExcerptChars));
            log->info(message);
            emit sigPostFinished(0, message);
        }
    });
    request->post(url, QByteArrayLiteral("application/x-www-form-urlencoded"), body.toUtf8(), MaxAnswerBytes,
                  RequestTimeoutMs);
}
