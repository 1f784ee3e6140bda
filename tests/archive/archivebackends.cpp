#include "archivebackends.h"

const QString ArchiveBackends::kSqlite = QStringLiteral("sqlite");
const QString ArchiveBackends::kPostgres = QStringLiteral("postgresql");

bool ArchiveBackends::start(QString* error)
{
    if (!_dir.isValid()) {
        *error = _dir.errorString();
        return false;
    }
    return _server.start(error);
}

QString ArchiveBackends::freshUrl(const QString& backend, QString* error)
{
    if (backend == kPostgres)
        return _server.createDatabase(error);
    return QStringLiteral("sqlite://%1/archive%2/archive.sqlite").arg(_dir.path()).arg(++_files);
}
