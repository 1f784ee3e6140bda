#pragma once

#include <QString>

// Where the archive lives: an SQLite file on this computer or a PostgreSQL database.
namespace olma::archive {

struct ArchiveLocation
{
    enum class Kind
    {
        Invalid,
        Sqlite,
        Postgres,
    };

    Kind kind = Kind::Invalid;
    QString path; // SQLite: the file
    QString user; // PostgreSQL: role; empty leaves it to the client library (the system user)
    QString host; // a host name, or a folder holding the server's Unix socket
    int port = 5432;
    QString database;
    QString sslMode = QStringLiteral("prefer");

    bool isValid() const { return kind != Kind::Invalid; }
    // The URL without any password, for messages.
    QString display() const;
};

// The default archive: archive.sqlite in the configurator's data folder, which the command-line
// tool shares.
QString defaultArchivePath();

// Parses "sqlite:///path/file.sqlite", "postgresql://user@host:port/database[?sslmode=...]"
// (host may be a percent-encoded socket folder, "%2Frun%2Fpostgresql"); an invalid location for
// anything else. A password in the URL is dropped: it is never kept.
ArchiveLocation parseArchiveUrl(const QString& url);

} // namespace olma::archive
