// Full configuration write and read against a virtual panel that paces every frame as a
// 115200 baud 8N1 line would. The panel runs as a separate process, so the CPU time measured
// here is the configurator side's alone.
//
// Usage: olma-bench-link [--panel PATH] [--runs N]   (3 runs of each operation by default)
//
// On a machine shared with other work the wall time varies from run to run by more than the
// engine costs; the best run shows the engine, the median the machine, the floor what no
// configurator can go below on it.

#include "linefloor.h"
#include "panelprocess.h"

#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/protocolimpl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/timerfd.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

using olma::bench::kFrameSeconds;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Figures
{
    double wall = 0;
    double cpu = 0;
};

template <typename Operation> bool measure(Operation operation, Figures* figures)
{
    QElapsedTimer wall;
    const double cpu0 = cpuSeconds();
    wall.start();
    const bool ok = operation();
    figures->wall = double(wall.nsecsElapsed()) / 1e9;
    figures->cpu = cpuSeconds() - cpu0;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    const int transactions = int(olma::config::blockTable().size());
    const double floor = olma::bench::floorSeconds(transactions);

    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString panelPath = QCoreApplication::applicationDirPath() + QStringLiteral("/olma-virtual-panel");
    int runs = 3;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--panel"))
            panelPath = args[i + 1];
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
    }

    olma::bench::PanelProcess panel;
    QString error;
    const QString port = panel.start(panelPath, {QStringLiteral("--wire-speed")}, &error);
    if (port.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }

    const std::vector<BlockRecord> blocks = olma::config::blockTable();
    std::vector<unsigned char> written(olma::config::kImageSize);
    for (size_t i = 0; i < written.size(); ++i)
        written[i] = static_cast<unsigned char>(i * 7 + i / 251);
    std::vector<unsigned char> read(olma::config::kImageSize, 0);

    const int frames = int(blocks.size()) * 2;
    const double limit = frames * kFrameSeconds;
    out << "Virtual panel at wire speed on " << port << "\n"
        << QString::asprintf("Wire-time limit per operation: %d frames x %.3f ms = %.3f s\n", frames,
                             kFrameSeconds * 1000, limit);

    if (floor > 0)
        out << QString::asprintf("Machine floor (same exchange, plain C, no engine): %.3f s, ratio %.4f\n", floor,
                                 floor / limit);

    ProtocolImpl engine(port, nullptr, false, olma::link::standardAcceptedCodes());
    bool ok = true;
    std::vector<double> ratios;
    double worstCpu = 0;
    auto report = [&](const char* name, const Figures& f) {
        const double ratio = f.wall / limit;
        const double cpuShare = 100.0 * f.cpu / f.wall;
        ratios.push_back(ratio);
        worstCpu = std::max(worstCpu, cpuShare);
        out << QString::asprintf("%-13s wall %.3f s   ratio %.4f   CPU %.3f s = %.2f %% of wall\n", name, f.wall, ratio,
                                 f.cpu, cpuShare);
        out.flush();
    };
    for (int run = 0; run < runs && ok; ++run) {
        Figures f;
        if (!measure([&] { return engine.writeConfig(written.data(), blocks, nullptr); }, &f)) {
            err << "write failed: " << ProtocolImpl::errorText(engine.errorCode()) << Qt::endl;
            ok = false;
            break;
        }
        report("write-config", f);
        if (!measure([&] { return engine.readConfig(read.data(), blocks, nullptr); }, &f)) {
            err << "read failed: " << ProtocolImpl::errorText(engine.errorCode()) << Qt::endl;
            ok = false;
            break;
        }
        report("read-config", f);
        if (read != written) {
            err << "the image read back differs from the one written" << Qt::endl;
            ok = false;
        }
    }
    if (ok) {
        std::sort(ratios.begin(), ratios.end());
        const double best = ratios.front();
        const double median = ratios[ratios.size() / 2];
        out << QString::asprintf("Ratio best %.4f, median %.4f, worst %.4f (target <= 1.02); "
                                 "CPU at most %.2f %% of wall (target <= 3 %%)\n",
                                 best, median, ratios.back(), worstCpu);
    }

    return ok ? 0 : 1;
}
