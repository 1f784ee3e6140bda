#pragma once

#include "postgresserver.h"

#include <QString>
#include <QTemporaryDir>

// The two stores every archive test runs against: SQLite files in a temporary folder and
// databases on a PostgreSQL server of the test's own, started once per test program.
class ArchiveBackends
{
public:
    static const QString kSqlite;
    static const QString kPostgres;
    static QStringList names() { return {kSqlite, kPostgres}; }

    // Starts the server; false with the reason.
    bool start(QString* error);
    // A new empty archive on the named backend.
    QString freshUrl(const QString& backend, QString* error);
    QString folder() const { return _dir.path(); }

private:
    PostgresServer _server;
    QTemporaryDir _dir;
    int _files = 0;
};
