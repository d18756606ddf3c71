#pragma once

#include "modules/updater/version.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// The update server: its address and the answer to a version request.
namespace UpdateServer {

// The product code in every address: "garvo2win".
QString productCode();

// The address in use: the environment variable GARVO_UPDATE_URL when set,
// else "ServerUrl" of the configuration group "Updater", else the built-in
// https address. No trailing "/".
QString baseUrl();
// baseUrl()/garvo2win/version
QUrl versionUrl();
// baseUrl()/garvo2win/download/update?current_version=<current>
QUrl downloadUrl(const Version &current);

// The server's JSON answer to a version request.
struct VersionReply
{
    Q_DECLARE_TR_FUNCTIONS(VersionReply)

public:
    // True when "status" is "success"; only then are the data fields set.
    bool success = false;
    // For the user when not successful: the server's message, or a note
    // that the answer could not be read.
    QString message;
    QString version;
    QString releaseNotes;
    // SHA-256 of the package in lower-case hex; empty when the reply gave
    // none or not 64 hex digits.
    QString sha256;

    static VersionReply parse(const QByteArray &json);
};

} // namespace UpdateServer
