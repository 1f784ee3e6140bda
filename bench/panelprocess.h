#pragma once

// The virtual panel in a process of its own, as a real panel is to the configurator: started
// with the given arguments, it names its port on its first line and serves until it is stopped.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace olma::bench {

class PanelProcess
{
public:
    PanelProcess() { _process.setProcessChannelMode(QProcess::ForwardedErrorChannel); }
    ~PanelProcess()
    {
        _process.terminate();
        if (!_process.waitForFinished(3000))
            _process.kill();
    }
    PanelProcess(const PanelProcess&) = delete;
    PanelProcess& operator=(const PanelProcess&) = delete;

    // The port it serves; empty, with `error` set, when it did not start or named no port.
    QString start(const QString& path, const QStringList& arguments, QString* error)
    {
        _process.start(path, arguments);
        if (!_process.waitForStarted(5000)) {
            *error = QStringLiteral("cannot start %1: %2").arg(path, _process.errorString());
            return {};
        }
        while (!_process.canReadLine() && _process.waitForReadyRead(5000)) {
        }
        const QString port = QString::fromLocal8Bit(_process.readLine()).trimmed();
        if (port.isEmpty())
            *error = QStringLiteral("the virtual panel named no port");
        return port;
    }

    qint64 pid() const { return _process.processId(); }

private:
    QProcess _process;
};

} // namespace olma::bench
