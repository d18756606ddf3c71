#include "modules/updater/updateserver.h"

#include "application/configuration.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrlQuery>

namespace UpdateServer {

namespace {

const QLatin1String DefaultBaseUrl("https://updates.kestrelrow.example");
const char EnvironmentVariable[] = "GARVO_UPDATE_URL";

QString withoutTrailingSlashes(QString url)
{
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}

QString productUrl()
{
    return baseUrl() + QLatin1Char('/') + productCode();
}

} // namespace

QString productCode()
{
    return QStringLiteral("garvo2win");
}

QString baseUrl()
{
    const QString fromEnvironment = qEnvironmentVariable(EnvironmentVariable).trimmed();
    if (!fromEnvironment.isEmpty())
        return withoutTrailingSlashes(fromEnvironment);
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Updater);
    const QString configured = config->value(Config::Key::ServerUrl).toString().trimmed();
    return withoutTrailingSlashes(configured.isEmpty() ? QString(DefaultBaseUrl) : configured);
}

QUrl versionUrl()
{
    return QUrl(productUrl() + QStringLiteral("/version"));
}

QUrl downloadUrl(const Version &current)
{
    QUrl url(productUrl() + QStringLiteral("/download/update"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("current_version"), current.toString());
    url.setQuery(query);
    return url;
}

VersionReply VersionReply::parse(const QByteArray &json)
{
    VersionReply reply;
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    const QString status = top.value(QLatin1String("status")).toString();
    const QJsonObject data = top.value(QLatin1String("data")).toObject();
    if (status.isEmpty()) {
        reply.message = tr("The update server sent an answer that could not be read.");
        return reply;
    }
    if (status != QLatin1String("success")) {
        reply.message = status == QLatin1String("error") ? top.value(QLatin1String("message")).toString()
                                                         : data.value(QLatin1String("message")).toString();
        return reply;
    }
    reply.version = data.value(QLatin1String("version")).toString();
    if (reply.version.trimmed().isEmpty()) {
        reply.message = tr("The update server sent an answer that could not be read.");
        return reply;
    }
    reply.success = true;
    reply.releaseNotes = data.value(QLatin1String("release_notes")).toString();
    static const QRegularExpression hexDigest(QStringLiteral("^[0-9a-fA-F]{64}$"));
    const QString digest = data.value(QLatin1String("sha256")).toString().trimmed();
    if (hexDigest.match(digest).hasMatch())
        reply.sha256 = digest.toLower();
    return reply;
}

} // namespace UpdateServer
