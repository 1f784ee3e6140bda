// Full configuration write and read against a virtual panel that paces every frame as a
// 115200 baud 8N1 line would. The panel runs as a separate process, so the CPU time measured
// here is the configurator side's alone.
//
// Usage: olma-bench-link [--panel PATH] [--runs N]

#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/protocolimpl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr double kFrameSeconds = 64.0 * 10 / 115200; // one frame on the line, 8N1

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
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString panelPath = QCoreApplication::applicationDirPath() + QStringLiteral("/olma-virtual-panel");
    int runs = 1;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--panel"))
            panelPath = args[i + 1];
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
    }

    QProcess panel;
    panel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    panel.start(panelPath, {QStringLiteral("--wire-speed")});
    if (!panel.waitForStarted(5000)) {
        err << "cannot start " << panelPath << ": " << panel.errorString() << Qt::endl;
        return 1;
    }
    while (!panel.canReadLine() && panel.waitForReadyRead(5000)) {
    }
    const QString port = QString::fromLocal8Bit(panel.readLine()).trimmed();
    if (port.isEmpty()) {
        err << "the virtual panel named no port" << Qt::endl;
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

    ProtocolImpl engine(port, nullptr, false, olma::link::standardAcceptedCodes());
    bool ok = true;
    double worstRatio = 0;
    double worstCpu = 0;
    auto report = [&](const char* name, const Figures& f) {
        const double ratio = f.wall / limit;
        const double cpuShare = 100.0 * f.cpu / f.wall;
        worstRatio = std::max(worstRatio, ratio);
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
        out << QString::asprintf("Worst: ratio %.4f (target <= 1.02), CPU %.2f %% (target <= 3 %%): %s\n", worstRatio,
                                 worstCpu, worstRatio <= 1.02 && worstCpu <= 3.0 ? "met" : "MISSED");
    }

    panel.terminate();
    if (!panel.waitForFinished(3000))
        panel.kill();
    return ok ? 0 : 1;
}
