// Many panels at once: N virtual panels (32 by default) on TCP at wire speed, each read by the
// shipped tool as a nightly backup does (read-config, then read-log), every panel's pair of
// commands running in parallel with the others, all archiving into one archive: an SQLite file,
// then a PostgreSQL database of a server started here. One panel alone first gives the wall time
// the parallel run is held to (≤ 1.25 ×); the tool's processes' CPU time, per panel, is held to
// 3 % of one core over the run.
//
// Usage: olma-bench-network --panel PATH --cli PATH [--panels N] [--records N]

#include "panelprocess.h"
#include "postgresserver.h"

#include "archive/archive.h"
#include "config/imagemap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr double kWallRatioTarget = 1.25;
constexpr double kCpuPerPanelTarget = 3.0; // percent of one core
constexpr quint32 kFirstSerial = 1000;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// CPU time of the children that have ended and been waited for: the tool's processes.
double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
                                          : QStringLiteral("?");
}

struct Options
{
    QString panel;
    QString cli;
    int panels = 32;
    int records = 4095;
};

struct Figures
{
    double wall = 0;
    double cpu = 0;
    int failures = 0;
    QStringList messages;
    // Each command's own wall time, by command (read-config, read-log).
    std::vector<double> seconds[2];
};

// CPU time of running processes (the virtual panels), from /proc.
double processCpuSeconds(const std::vector<qint64>& pids)
{
    double total = 0;
    for (const qint64 pid : pids) {
        QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // Fields after the command name in parentheses: state is the 3rd, utime and stime the 14th and 15th.
        const QList<QByteArray> fields = file.readAll().split(')').value(1).trimmed().split(' ');
        total += double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
    }
    return total;
}

QString spread(std::vector<double> values)
{
    if (values.empty())
        return QStringLiteral("-");
    std::sort(values.begin(), values.end());
    return QStringLiteral("median %1 s, max %2 s")
        .arg(values[values.size() / 2], 0, 'f', 2)
        .arg(values.back(), 0, 'f', 2);
}

// Runs the backup of the given panels' addresses, each panel's commands one after the other and
// the panels side by side, and waits for all of them.
Figures backUp(const Options& options, const QStringList& addresses, const QString& archive, const QString& dir)
{
    Figures figures;
    std::vector<std::unique_ptr<QProcess>> processes;
    int running = 0;
    const double cpu0 = childCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    std::function<void(int, int)> step = [&](int panel, int command) {
        static const char* const kCommands[] = {"read-config", "read-log"};
        if (command == 2) {
            --running;
            return;
        }
        auto process = std::make_unique<QProcess>();
        QProcess* p = process.get();
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        const QString file = QStringLiteral("%1/panel-%2-%3.bin").arg(dir).arg(panel).arg(command);
        QObject::connect(p, &QProcess::finished, p,
                         [&, p, panel, command, started](int code, QProcess::ExitStatus status) {
                             figures.seconds[command].push_back(double(started->nsecsElapsed()) / 1e9);
                             if (code != 0 || status != QProcess::NormalExit) {
                                 ++figures.failures;
                                 figures.messages << QString::fromLocal8Bit(p->readAllStandardError()).trimmed();
                             }
                             step(panel, command + 1);
                         });
        p->start(options.cli, {QLatin1String(kCommands[command]), QStringLiteral("--port"), addresses[panel],
                               QStringLiteral("--out"), file, QStringLiteral("--archive"), archive});
        processes.push_back(std::move(process));
    };
    running = int(addresses.size());
    for (int i = 0; i < addresses.size(); ++i)
        step(i, 0);
    while (running > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    figures.wall = double(wall.nsecsElapsed()) / 1e9;
    figures.cpu = childCpuSeconds() - cpu0;
    return figures;
}

// Every panel in the archive with its whole log; the problems otherwise.
QStringList checkArchive(const QString& url, int panels, int records)
{
    olma::archive::Archive archive;
    if (!archive.open(url))
        return {archive.lastError()};
    QStringList problems;
    if (archive.panels().size() != panels)
        problems << QStringLiteral("%1 panels archived, not %2").arg(archive.panels().size()).arg(panels);
    for (int i = 0; i < panels; ++i) {
        const quint32 serial = kFirstSerial + quint32(i);
        if (archive.historySize(serial) != records)
            problems << QStringLiteral("panel %1: %2 events archived, not %3")
                            .arg(serial)
                            .arg(archive.historySize(serial))
                            .arg(records);
        if (archive.snapshots(serial).isEmpty())
            problems << QStringLiteral("panel %1: no configuration archived").arg(serial);
    }
    return problems;
}

bool runBackend(const char* name, const Options& options, const QStringList& addresses, const QString& oneUrl,
                const QString& allUrl, const QString& dir, const std::vector<qint64>& panelPids)
{
    out() << name << ": one panel alone, load " << loadAverage() << Qt::endl;
    const Figures one = backUp(options, addresses.mid(0, 1), oneUrl, dir);
    out() << name << ": " << addresses.size() << " panels at once, load " << loadAverage() << Qt::endl;
    const double panelCpu0 = processCpuSeconds(panelPids);
    const Figures all = backUp(options, addresses, allUrl, dir);
    const double panelCpu = processCpuSeconds(panelPids) - panelCpu0;
    const QString loadAfter = loadAverage();

    const double ratio = all.wall / one.wall;
    const double cpuPerPanel = 100.0 * all.cpu / double(addresses.size()) / all.wall;
    out() << QStringLiteral("%1: one panel %2 s wall, %3 s CPU\n")
                 .arg(QLatin1String(name))
                 .arg(one.wall, 0, 'f', 2)
                 .arg(one.cpu, 0, 'f', 2);
    out() << QStringLiteral("%1: %2 panels %3 s wall (%4 × one panel; target ≤ %5), %6 s CPU, %7 % of one core "
                            "per panel (target ≤ %8 %), load after %9\n")
                 .arg(QLatin1String(name))
                 .arg(addresses.size())
                 .arg(all.wall, 0, 'f', 2)
                 .arg(ratio, 0, 'f', 2)
                 .arg(kWallRatioTarget)
                 .arg(all.cpu, 0, 'f', 2)
                 .arg(cpuPerPanel, 0, 'f', 2)
                 .arg(kCpuPerPanelTarget)
                 .arg(loadAfter);
    out() << QStringLiteral("%1: in parallel, read-config %2; read-log %3 (alone %4 s and %5 s); the virtual "
                            "panels used %6 s CPU\n")
                 .arg(QLatin1String(name), spread(all.seconds[0]), spread(all.seconds[1]))
                 .arg(one.seconds[0].empty() ? 0.0 : one.seconds[0].front(), 0, 'f', 2)
                 .arg(one.seconds[1].empty() ? 0.0 : one.seconds[1].front(), 0, 'f', 2)
                 .arg(panelCpu, 0, 'f', 2);
    QStringList problems = all.messages + one.messages;
    if (all.failures + one.failures > 0)
        problems.prepend(QStringLiteral("%1 commands failed").arg(all.failures + one.failures));
    problems += checkArchive(allUrl, int(addresses.size()), options.records);
    for (const QString& problem : problems)
        out() << name << ": PROBLEM " << problem << '\n';
    out() << name << ": "
          << (problems.isEmpty() ? "every panel archived with its whole log and configuration" : "FAILED") << Qt::endl;
    return problems.isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Options options;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--panel"))
            options.panel = args[i + 1];
        else if (args[i] == QLatin1String("--cli"))
            options.cli = args[i + 1];
        else if (args[i] == QLatin1String("--panels"))
            options.panels = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--records"))
            options.records = std::clamp(args[i + 1].toInt(), 0, 4095);
    }
    if (options.panel.isEmpty() || options.cli.isEmpty()) {
        out() << "usage: olma-bench-network --panel PATH --cli PATH [--panels N] [--records N]" << Qt::endl;
        return 2;
    }
    QTemporaryDir dir;
    // Every panel its own image and log: records numbered so that no two are alike.
    QByteArray image(olma::config::kImageSize, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 31 + i / 97);
    QByteArray log;
    for (int i = 0; i < options.records; ++i) {
        const char record[8] = {char(i & 0xFF), char(i >> 8), 0x21, 0x11, 0x05, 0x0A, 0x17, char(i % 7)};
        log.append(record, 8);
    }
    const QString imageFile = dir.filePath(QStringLiteral("image.bin"));
    const QString logFile = dir.filePath(QStringLiteral("log.bin"));
    for (const auto& [name, bytes] : {std::pair{imageFile, image}, std::pair{logFile, log}}) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            out() << "cannot write " << name << Qt::endl;
            return 1;
        }
    }

    std::vector<std::unique_ptr<olma::bench::PanelProcess>> panels;
    QStringList addresses;
    std::vector<qint64> pids;
    for (int i = 0; i < options.panels; ++i) {
        auto panel = std::make_unique<olma::bench::PanelProcess>();
        QString error;
        const QString address = panel->start(options.panel,
                                             {QStringLiteral("--listen"), QStringLiteral("tcp://127.0.0.1:0"),
                                              QStringLiteral("--wire-speed"), QStringLiteral("--serial"),
                                              QString::number(kFirstSerial + quint32(i)), QStringLiteral("--image"),
                                              imageFile, QStringLiteral("--log"), logFile},
                                             &error);
        if (address.isEmpty()) {
            out() << error << Qt::endl;
            return 1;
        }
        addresses << address;
        pids.push_back(panel->pid());
        panels.push_back(std::move(panel));
    }
    out() << options.panels << " virtual panels on TCP at wire speed, " << options.records
          << " log records each; the machine has " << QThread::idealThreadCount() << " cores" << Qt::endl;

    bool ok = runBackend("sqlite", options, addresses,
                         QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("one.sqlite")),
                         QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("all.sqlite")), dir.path(), pids);

    PostgresServer server;
    QString error;
    QString oneUrl;
    QString allUrl;
    if (server.start(&error)) {
        oneUrl = server.createDatabase(&error);
        allUrl = oneUrl.isEmpty() ? QString() : server.createDatabase(&error);
    }
    if (allUrl.isEmpty()) {
        out() << "postgresql: " << error << Qt::endl;
        return 1;
    }
    ok = runBackend("postgresql", options, addresses, oneUrl, allUrl, dir.path(), pids) && ok;
    return ok ? 0 : 1;
}
