#pragma once

#include <QList>
#include <QNetworkRequest>
#include <QSslError>
#include <QString>
#include <QUrl>

class QNetworkReply;

// What the update channel's requests have in common: which addresses may be
// used, the request headers, and how redirects and certificate errors are
// treated. Certificate errors are never ignored.
namespace Utility {

// https to any host; plain http only to this machine (127.0.0.1, ::1,
// localhost), for tests and a local update server.
bool isTransportAllowed(const QUrl &url);

// The application's GET request for `url`: "User-Agent" of application name
// and version, the default TLS configuration, and redirects left to
// guardReply().
QNetworkRequest applicationRequest(const QUrl &url);

// Follows a redirect of `reply` only to an address isTransportAllowed()
// accepts (otherwise the reply is aborted), and collects the reply's
// certificate errors into `sslErrors` (which must outlive the reply).
void guardReply(QNetworkReply *reply, QList<QSslError> *sslErrors);

// The text for a failed request: the network layer's reason, with the
// certificate problems when there were any.
QString failureText(const QString &networkText, const QList<QSslError> &sslErrors);

} // namespace Utility
