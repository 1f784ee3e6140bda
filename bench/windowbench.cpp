// The main window against a virtual panel that paces every frame as a 115200 baud 8N1 line
// would, the panel in a separate process:
//   - one poll (two state requests and the identify request: six frames on the line);
//   - the GUI thread's longest stall while the window polls once a second for a while, measured
//     as the lateness of a 5 ms timer, with a state page open and refreshed at every poll;
//   - the log command reading a full log (585 blocks, 1170 frames).
//
// Usage: olma-bench-window [--panel PATH] [--polls N] [--seconds S] [--runs N]
// Needs a Qt platform; the bench target runs it offscreen.
//
// Beside each figure it prints what the machine itself allows: the same exchange in plain C
// (linefloor.h) and, for the poll, the cost of opening and closing the serial port, which the
// engine does once per operation (twice per poll).

#include "app/pages.h"
#include "linefloor.h"
#include "panelprocess.h"

#include "app/mainwindow.h"
#include "common/dialogs.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/protocolimpl.h"
#include "link/serialport.h"
#include "logview/logevents.h"
#include "logview/logview.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr double kFrameMs = olma::bench::kFrameSeconds * 1000;
constexpr int kPollTransactions = 3;
constexpr int kPollFrames = 6;
constexpr double kPollAllowance = 1.05;
constexpr int kLogFrames = 2 * 585;
constexpr double kLogAllowance = 1.02;
constexpr int kLogRecords = 4095;
constexpr double kStallLimitMs = 50;
constexpr int kProbeIntervalMs = 5;

// The log command's message boxes are counted, not shown.
class QuietDialogs : public olma::dialogs::Hook
{
public:
    void message(QMessageBox::Icon, const QString&, const QString& text) override { messages << text; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog*) override { return 0; }
    QStringList messages;
};

// Counts the records of a log read and cancels nothing.
class LogCounter : public IProtocolLogCallback
{
public:
    bool progress(unsigned, unsigned, bool) override { return true; }
    void logRecord(unsigned, const unsigned char*) override { ++records; }
    int records = 0;
};

// Wall and CPU time of one run of an operation, in milliseconds.
struct Figures
{
    double wall = 0;
    double cpu = 0;
};

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& tv) { return double(tv.tv_sec) * 1000 + double(tv.tv_usec) / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

template <typename Operation> Figures measure(Operation operation)
{
    QElapsedTimer t;
    const double cpu0 = cpuMs();
    t.start();
    operation();
    return {double(t.nsecsElapsed()) / 1e6, cpuMs() - cpu0};
}

// How late a 5 ms timer fires, in milliseconds, sorted, over `seconds` of the event loop.
std::vector<double> stalls(int seconds)
{
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(kProbeIntervalMs);
    QElapsedTimer sinceLast;
    std::vector<double> gaps;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double gap = double(sinceLast.nsecsElapsed()) / 1e6;
        sinceLast.start();
        gaps.push_back(std::max(0.0, gap - kProbeIntervalMs));
    });
    sinceLast.start();
    probe.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    std::sort(gaps.begin(), gaps.end());
    return gaps;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double best(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

QByteArray logRecords(int count)
{
    QByteArray log;
    for (int i = 0; i < count; ++i)
        log += QByteArray::fromHex("2401154201000001");
    return log;
}

} // namespace

int main(int argc, char** argv)
{
    // The machine's floors are taken before Qt starts (they fork).
    constexpr int kFloorPolls = 20;
    const double pollFloorMs = olma::bench::floorSeconds(kPollTransactions * kFloorPolls) * 1000 / kFloorPolls;
    const double logFloorMs = olma::bench::floorSeconds(kLogFrames / 2) * 1000;

    QApplication app(argc, argv);
    olma::gui::registerPages();
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString panelPath = QCoreApplication::applicationDirPath() + QStringLiteral("/olma-virtual-panel");
    int polls = 60;
    int seconds = 30;
    int runs = 3;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--panel"))
            panelPath = args[i + 1];
        else if (args[i] == QLatin1String("--polls"))
            polls = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--seconds"))
            seconds = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
    }

    QTemporaryDir dir;
    const QString logFile = dir.filePath(QStringLiteral("log.bin"));
    {
        QFile file(logFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(logRecords(kLogRecords)) < 0) {
            err << "cannot write " << logFile << Qt::endl;
            return 1;
        }
    }
    olma::bench::PanelProcess panel;
    QString error;
    const QString port = panel.start(panelPath,
                                     {QStringLiteral("--wire-speed"), QStringLiteral("--model"), QStringLiteral("0x10"),
                                      QStringLiteral("--log"), logFile},
                                     &error);
    if (port.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }
    out << "Virtual panel at wire speed on " << port << "\n";
    bool ok = true;

    // The machine's own share of the stalls: the same probe with no window.
    const std::vector<double> idle = stalls(std::min(seconds, 10));

    MainWindow::Options options;
    options.portName = port;
    MainWindow window(options);
    window.resize(1366, 768);
    window.show();
    window.showPage(2); // the loops: a state page refreshed at every poll
    ProtocolImpl engine(port, nullptr, false, olma::link::standardAcceptedCodes());

    // The poll, and what it is made of on this machine: the exchange itself, the serial port
    // opened and closed for each of its two operations, and the engine. Taken in turns, so that
    // the machine's moods fall on all of them alike.
    std::vector<double> portTimes, enginePolls, windowPolls, windowCpu;
    std::vector<unsigned char> record(olma::link::kStateRecordSize);
    for (int i = 0; i < polls && ok; ++i) {
        portTimes.push_back(measure([&] {
                                olma::link::SerialPort serial;
                                serial.open(port);
                                serial.close();
                            }).wall);
        enginePolls.push_back(measure([&] {
                                  quint32 id = 0;
                                  engine.getStatus(record.data(), nullptr);
                                  engine.getId(&id, nullptr);
                              }).wall);
        const Figures poll = measure([&] { window.checkStatus(); });
        windowPolls.push_back(poll.wall);
        windowCpu.push_back(poll.cpu);
        if (window.indicator() != MainWindow::Indicator::Linked) {
            err << "poll " << i << " did not reach the panel" << Qt::endl;
            ok = false;
        }
    }
    const double pollLimit = kPollAllowance * kPollFrames * kFrameMs;
    const double pollMedian = median(windowPolls);
    out << QString::asprintf("Machine: the poll's 3 transactions in plain C %.2f ms (wire %.2f ms); serial port "
                             "open + close %.2f ms median, %.2f ms worst\n",
                             pollFloorMs, kPollFrames * kFrameMs, median(portTimes),
                             *std::max_element(portTimes.begin(), portTimes.end()));
    out << QString::asprintf("Engine alone, state + identify: median %.2f ms, best %.2f ms\n", median(enginePolls),
                             best(enginePolls));
    out << QString::asprintf("One poll through the window: median %.2f ms, best %.2f ms, CPU %.2f ms; limit %.2f ms "
                             "(%.2f x %d frames x %.3f ms): %s\n",
                             pollMedian, best(windowPolls), median(windowCpu), pollLimit, kPollAllowance, kPollFrames,
                             kFrameMs, pollMedian <= pollLimit ? "met" : "MISSED");
    out << QString::asprintf("  the machine's floor and two port cycles alone: %.2f ms; the window adds %.2f ms to "
                             "the engine\n",
                             pollFloorMs + 2 * median(portTimes), pollMedian - median(enginePolls));

    // Event-loop latency while the window polls by itself.
    {
        const std::vector<double> polling = stalls(seconds);
        const double worst = polling.empty() ? 0 : polling.back();
        const double p99 = polling.empty() ? 0 : polling[polling.size() * 99 / 100];
        out << QString::asprintf("GUI thread over %d s of polling: worst stall %.2f ms, 99th percentile %.2f ms, "
                                 "%zu probes; limit %.0f ms: %s\n",
                                 seconds, worst, p99, polling.size(), kStallLimitMs,
                                 worst <= kStallLimitMs ? "met" : "MISSED");
        out << QString::asprintf("  the same thread with no window, before: worst stall %.2f ms, 99th percentile "
                                 "%.2f ms\n",
                                 idle.empty() ? 0 : idle.back(), idle.empty() ? 0 : idle[idle.size() * 99 / 100]);
    }

    // The whole log: the engine alone and the window's command, in turns; the command ends by
    // building the log page, which is timed apart.
    {
        const double limit = kLogAllowance * kLogFrames * kFrameMs;
        QuietDialogs dialogs;
        olma::dialogs::setHook(&dialogs);
        QAction* read = window.findChild<QAction*>(QStringLiteral("readLogFromDevice"));
        std::vector<double> engineWall, engineCpu, readWall, readCpu;
        int events = 0;
        int records = 0;
        for (int run = 0; run < runs; ++run) {
            LogCounter counter;
            const Figures alone = measure([&] { engine.readLog(&counter, 0, 0xFFFFFFFFu); });
            engineWall.push_back(alone.wall);
            engineCpu.push_back(alone.cpu);
            records = counter.records;
            const Figures command = measure([&] { read->trigger(); });
            const Figures page = measure([&] { window.showPage(11); });
            readWall.push_back(command.wall - page.wall);
            readCpu.push_back(command.cpu - page.cpu);
            events = int(window.logView()->logEvents()->events().size());
        }
        olma::dialogs::setHook(nullptr);
        const double readMs = median(readWall);
        out << QString::asprintf("Full log (%d records), median of %d: machine floor %.1f ms; engine alone %.1f ms "
                                 "(CPU %.1f ms); window command without the page %.1f ms (CPU %.1f ms); limit %.1f ms "
                                 "(%.2f x %d frames x %.3f ms): %s\n",
                                 events, runs, logFloorMs, median(engineWall), median(engineCpu), readMs,
                                 median(readCpu), limit, kLogAllowance, kLogFrames, kFrameMs,
                                 readMs <= limit && events == kLogRecords ? "met" : "MISSED");
        if (!dialogs.messages.isEmpty())
            out << "  message: " << dialogs.messages.join(QStringLiteral("; ")) << "\n";
        ok = ok && events == kLogRecords && records == kLogRecords;
    }

    return ok ? 0 : 1;
}
