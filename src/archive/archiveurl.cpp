#include "archive/archiveurl.h"

#include <QDir>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace olma::archive {

namespace {

const QString kSqliteScheme = QStringLiteral("sqlite://");
const QStringList kPostgresSchemes = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};
// TLS whenever the server offers it, or stricter; a weaker mode is refused.
const QStringList kSslModes = {QStringLiteral("prefer"), QStringLiteral("require"), QStringLiteral("verify-ca"),
                               QStringLiteral("verify-full")};
// The window's data folder; the command-line tool files its archive there too, so both see one.
const QString kDataFolder = QStringLiteral("olma-configurator");

} // namespace

QString ArchiveLocation::display() const
{
    switch (kind) {
    case Kind::Sqlite:
        return QStringLiteral("sqlite://") + path;
    case Kind::Postgres:
        return QStringLiteral("postgresql://%1%2:%3/%4")
            .arg(user.isEmpty() ? QString() : user + QLatin1Char('@'), host)
            .arg(port)
            .arg(database);
    case Kind::Invalid:
        break;
    }
    return {};
}

QString defaultArchivePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + kDataFolder +
           QStringLiteral("/archive.sqlite");
}

ArchiveLocation parseArchiveUrl(const QString& url)
{
    ArchiveLocation location;
    if (url.startsWith(kSqliteScheme)) {
        const QString path = url.mid(kSqliteScheme.size());
        if (!path.startsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('/')))
            return location;
        location.kind = ArchiveLocation::Kind::Sqlite;
        location.path = QDir::cleanPath(path);
        return location;
    }
    QString rest;
    for (const QString& scheme : kPostgresSchemes) {
        if (url.startsWith(scheme))
            rest = url.mid(scheme.size());
    }
    if (rest.isEmpty())
        return location;

    QString query;
    if (const qsizetype q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        query = rest.mid(q + 1);
        rest.truncate(q);
    }
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return location;
    location.database = QUrl::fromPercentEncoding(rest.mid(slash + 1).toUtf8());
    QString authority = rest.left(slash);
    if (const qsizetype at = authority.lastIndexOf(QLatin1Char('@')); at >= 0) {
        QString userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        if (const qsizetype colon = userInfo.indexOf(QLatin1Char(':')); colon >= 0)
            userInfo.truncate(colon); // a password has no place in the URL and is not kept
        location.user = QUrl::fromPercentEncoding(userInfo.toUtf8());
    }
    if (const qsizetype colon = authority.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        bool ok = false;
        const int port = authority.mid(colon + 1).toInt(&ok);
        if (!ok || port <= 0 || port > 65535)
            return location;
        location.port = port;
        authority.truncate(colon);
    }
    location.host = QUrl::fromPercentEncoding(authority.toUtf8());
    if (location.host.isEmpty() || location.database.isEmpty())
        return location;
    const QUrlQuery options(query);
    if (options.hasQueryItem(QStringLiteral("sslmode"))) {
        const QString mode = options.queryItemValue(QStringLiteral("sslmode"));
        if (!kSslModes.contains(mode))
            return location;
        location.sslMode = mode;
    }
    location.kind = ArchiveLocation::Kind::Postgres;
    return location;
}

} // namespace olma::archive
