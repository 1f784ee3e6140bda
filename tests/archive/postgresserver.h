#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A PostgreSQL server of the test's own: a cluster made with initdb in a temporary folder,
// listening only on a Unix socket in that folder, stopped and removed with the object. As root
// the server runs as the "postgres" user, as the server refuses to run as root.
class PostgresServer
{
public:
    PostgresServer() = default;
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    bool start(QString* error);
    void stop();
    bool isRunning() const { return _running; }

    // A fresh empty database; its archive URL.
    QString createDatabase(QString* error);

private:
    bool run(const QString& program, const QStringList& arguments, QString* error) const;
    QString tool(const QString& name) const;

    std::unique_ptr<QTemporaryDir> _dir;
    QString _bin;
    bool _running = false;
    bool _asPostgres = false;
    int _databases = 0;
};
