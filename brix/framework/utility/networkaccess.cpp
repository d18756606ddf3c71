#include "utility/networkaccess.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QStringList>

namespace Utility {

namespace {

// Translation context of the texts below.
class NetworkAccess
{
    Q_DECLARE_TR_FUNCTIONS(NetworkAccess)
};

constexpr int MaximumRedirects = 5;

bool isLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

bool isTransportAllowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return scheme == QLatin1String("http") && isLoopback(url.host());
}

QNetworkRequest applicationRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    const QString agent = QCoreApplication::applicationName() + QLatin1Char(' ')
                          + QCoreApplication::applicationVersion();
    request.setRawHeader("User-Agent", agent.toUtf8());
    request.setSslConfiguration(QSslConfiguration::defaultConfiguration());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaximumRedirects);
    return request;
}

void guardReply(QNetworkReply *reply, QList<QSslError> *sslErrors)
{
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl &target) {
        if (isTransportAllowed(reply->url().resolved(target)))
            emit reply->redirectAllowed();
        else
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::sslErrors, reply,
                     [sslErrors](const QList<QSslError> &errors) { *sslErrors += errors; });
}

QString failureText(const QString &networkText, const QList<QSslError> &sslErrors)
{
    if (sslErrors.isEmpty())
        return networkText;
    QStringList reasons;
    for (const QSslError &error : sslErrors)
        reasons << error.errorString();
    reasons.removeDuplicates();
    return NetworkAccess::tr("The server's certificate was not accepted: %1").arg(reasons.join(QStringLiteral("; ")));
}

} // namespace Utility
