#include "utility/siteconnection.h"

#include "utility/networkaccess.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace Utility {

SiteConnection::SiteConnection(QObject *parent) : QObject(parent), m_manager(new QNetworkAccessManager)
{
    connect(m_manager, &QNetworkAccessManager::finished, this, &SiteConnection::slotReplyFinished);
}

SiteConnection::~SiteConnection()
{
    m_manager->disconnect(this);
    if (m_reply)
        m_reply->abort();
    m_manager->deleteLater();
}

int SiteConnection::get(const QUrl &url, int timeout)
{
    m_errorCode = QNetworkReply::NoError;
    m_response.clear();
    m_errorText.clear();
    m_sslErrors.clear();
    if (!isTransportAllowed(url)) {
        m_errorCode = QNetworkReply::ProtocolUnknownError;
        m_errorText = tr("Only secure (https) addresses are used: %1").arg(url.toDisplayString());
        return m_errorCode;
    }

    QNetworkRequest request = applicationRequest(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("charset", "utf-8");

    m_waiting = true;
    QNetworkReply *reply = m_manager->get(request);
    m_reply = reply;
    guardReply(reply, &m_sslErrors);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeout);
    if (m_waiting)
        loop.exec();

    if (m_waiting) {
        // No answer in time: the late reply is dropped.
        m_waiting = false;
        m_reply = nullptr;
        reply->abort();
        m_errorCode = QNetworkReply::TimeoutError;
        m_errorText = tr("The server did not answer in time.");
    }
    return m_errorCode;
}

void SiteConnection::slotReplyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return;
    m_reply = nullptr;
    m_response = QString::fromUtf8(reply->readAll());
    m_errorCode = reply->error();
    if (m_errorCode != QNetworkReply::NoError)
        m_errorText = failureText(reply->errorString(), m_sslErrors);
    m_waiting = false;
}

} // namespace Utility
