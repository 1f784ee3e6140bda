#include "postgresserver.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kPort = 5432; // only names the socket file in the private folder
const QString kRole = QStringLiteral("postgres");

} // namespace

PostgresServer::~PostgresServer()
{
    stop();
}

QString PostgresServer::tool(const QString& name) const
{
    return _bin + QLatin1Char('/') + name;
}

bool PostgresServer::run(const QString& program, const QStringList& arguments, QString* error) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (_asPostgres)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), kRole, QStringLiteral("--"), program} + arguments);
    else
        process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

bool PostgresServer::start(QString* error)
{
    // The newest server the system has.
    const QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& v : versions) {
        if (QFile::exists(QStringLiteral("/usr/lib/postgresql/%1/bin/initdb").arg(v)))
            _bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(v);
    }
    if (_bin.isEmpty()) {
        *error = QStringLiteral("no PostgreSQL server installed (Debian package postgresql)");
        return false;
    }
    _asPostgres = ::geteuid() == 0;
    // The server's user must reach its folder: a private temporary folder of root's is no use.
    QString base = QDir::tempPath();
    if (_asPostgres) {
        for (QString path = base; path.size() > 1; path = QFileInfo(path).path()) {
            if (!(QFileInfo(path).permissions() & QFileDevice::ExeOther)) {
                base = QStringLiteral("/tmp");
                break;
            }
        }
    }
    _dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/pg-XXXXXX"));
    if (!_dir->isValid()) {
        *error = QStringLiteral("no temporary folder: %1").arg(_dir->errorString());
        return false;
    }
    if (_asPostgres) {
        const passwd* user = ::getpwnam("postgres");
        if (!user || ::chown(QFile::encodeName(_dir->path()).constData(), user->pw_uid, user->pw_gid) != 0) {
            *error = QStringLiteral("cannot hand %1 to the postgres user").arg(_dir->path());
            return false;
        }
    }
    const QString data = _dir->path() + QStringLiteral("/data");
    if (!run(tool(QStringLiteral("initdb")),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), kRole, QStringLiteral("--auth=trust"),
              QStringLiteral("--no-sync"), QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C")},
             error))
        return false;
    // No TCP at all; the socket and the lock file live in the private folder.
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses='' -F").arg(_dir->path()).arg(kPort);
    if (!run(tool(QStringLiteral("pg_ctl")),
             {QStringLiteral("start"), QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("120"),
              QStringLiteral("-D"), data, QStringLiteral("-l"), _dir->path() + QStringLiteral("/server.log"),
              QStringLiteral("-o"), options},
             error))
        return false;
    _running = true;
    return true;
}

void PostgresServer::stop()
{
    if (!_running)
        return;
    QString error;
    run(tool(QStringLiteral("pg_ctl")),
        {QStringLiteral("stop"), QStringLiteral("-w"), QStringLiteral("-m"), QStringLiteral("immediate"),
         QStringLiteral("-D"), _dir->path() + QStringLiteral("/data")},
        &error);
    _running = false;
}

QString PostgresServer::createDatabase(QString* error)
{
    const QString name = QStringLiteral("archive%1").arg(++_databases);
    const QString connection = QStringLiteral("postgres-admin");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(_dir->path());
        db.setPort(kPort);
        db.setUserName(kRole);
        db.setDatabaseName(kRole);
        bool ok = db.open();
        if (ok) {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            if (!ok)
                *error = query.lastError().text();
        } else {
            *error = db.lastError().text();
        }
        db.close();
        if (!ok) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return {};
        }
    }
    QSqlDatabase::removeDatabase(connection);
    // Built piece by piece: the encoded folder holds '%' signs.
    return QStringLiteral("postgresql://") + kRole + QLatin1Char('@') +
           QString::fromUtf8(QUrl::toPercentEncoding(_dir->path())) + QLatin1Char(':') + QString::number(kPort) +
           QLatin1Char('/') + name;
}
