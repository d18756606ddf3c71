#pragma once

#include <QList>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace Utility {

// A synchronous HTTP GET: get() spins a local event loop until the reply
// arrives or the time-out passes, so the user interface keeps painting.
class SiteConnection : public QObject
{
    Q_OBJECT

public:
    explicit SiteConnection(QObject *parent = nullptr);
    ~SiteConnection() override;

    // Returns the reply's QNetworkReply::NetworkError (0 on success);
    // QNetworkReply::TimeoutError when nothing came within `timeout`
    // milliseconds. Addresses that isTransportAllowed() refuses are not
    // asked at all.
    int get(const QUrl &url, int timeout);

    // Body of the last reply, decoded as UTF-8.
    QString response() const { return m_response; }
    int errorCode() const { return m_errorCode; }
    // Why the last request failed; empty after a success.
    QString errorText() const { return m_errorText; }

private slots:
    void slotReplyFinished(QNetworkReply *reply);

private:
    QString m_response;
    int m_errorCode = 0;
    bool m_waiting = false;
    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_reply = nullptr;
    QList<QSslError> m_sslErrors;
    QString m_errorText;
};

} // namespace Utility
