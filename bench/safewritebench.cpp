// The safe configuration write at wire speed on a 16-loop virtual panel, beside the plain write
// and the full read: a one-field change, every block changed. The panel runs as a process of its
// own and paces every frame as a 115200 baud 8N1 line would. Keeping the backup (archive or
// file) is left out: it costs the disk, not the line.
//
// Usage: olma-bench-safewrite [--panel PATH] [--runs N]   (1 run of each by default)

#include "linefloor.h"
#include "panelprocess.h"

#include "config/imagemap.h"
#include "flows/safewrite.h"
#include "link/errorcodes.h"
#include "link/protocolimpl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

using olma::bench::kFrameSeconds;

double seconds(const std::function<bool()>& operation, bool* ok)
{
    QElapsedTimer wall;
    wall.start();
    *ok = operation() && *ok;
    return double(wall.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    // The machine's own floor for a full read: the same exchanges with neither Qt nor the engine.
    const double readFloor = olma::bench::floorSeconds(int(olma::config::blockTable().size()));
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

    olma::bench::PanelProcess panel;
    QString error;
    const QString port = panel.start(panelPath, {QStringLiteral("--wire-speed")}, &error);
    if (port.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }

    const std::vector<BlockRecord> blocks = olma::config::blockTable();
    const int count = int(blocks.size());
    const double readLimit = count * 2 * kFrameSeconds;
    const double oneFieldTarget = 1.05 * readLimit + 4 * kFrameSeconds;
    out << "Virtual panel at wire speed on " << port << "\n"
        << QString::asprintf("Full read on the wire: %d x 2 x %.3f ms = %.3f s; one-field target %.3f s\n", count,
                             kFrameSeconds * 1000, readLimit, oneFieldTarget)
        << QString::asprintf("The same exchanges without Qt or the engine on this machine (its floor): %.3f s\n",
                             readFloor);

    std::vector<unsigned char> original(olma::config::kImageSize);
    for (size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<unsigned char>(i * 7 + i / 251);

    ProtocolImpl engine(port, nullptr, false, olma::link::standardAcceptedCodes());
    bool ok = true;
    auto safeWrite = [&](const std::vector<unsigned char>& image, int expectedBlocks) {
        std::vector<unsigned char> backup;
        if (!olma::app::readPanelImage(engine, backup, nullptr))
            return false;
        const olma::app::SafeWriteResult result = olma::app::writeChanged(engine, backup, image, false, nullptr);
        return result.outcome == olma::app::SafeWriteResult::Outcome::Verified &&
               int(result.written.size()) == expectedBlocks;
    };
    for (int run = 0; run < runs && ok; ++run) {
        std::vector<unsigned char> oneField = original;
        oneField[olma::config::kUsersOffset + 5 * olma::config::kUserRecordSize + 3] ^= 0x5A;
        std::vector<unsigned char> everyBlock = oneField;
        for (unsigned char& byte : everyBlock)
            byte = static_cast<unsigned char>(~byte);
        std::vector<unsigned char> read(olma::config::kImageSize, 0);

        const double plain =
            seconds([&] { return engine.writeConfig(original.data(), blocks, nullptr) && engine.restart(); }, &ok);
        const double fullRead = seconds([&] { return engine.readConfig(read.data(), blocks, nullptr); }, &ok);
        const double safeOne = seconds([&] { return safeWrite(oneField, 1); }, &ok);
        const double safeAll = seconds([&] { return safeWrite(everyBlock, count); }, &ok);
        if (!ok) {
            err << "an operation failed: " << ProtocolImpl::errorText(engine.errorCode()) << Qt::endl;
            break;
        }
        out << QString::asprintf("plain write (372 + restart)   %.3f s   (wire %.3f s)\n", plain, readLimit)
            << QString::asprintf("full read                     %.3f s   (wire %.3f s, floor %.3f s)\n", fullRead,
                                 readLimit, readFloor)
            << QString::asprintf("safe write, one field         %.3f s   (wire %.3f s, target %.3f s) %s\n", safeOne,
                                 readLimit + 4 * kFrameSeconds, oneFieldTarget,
                                 safeOne <= oneFieldTarget ? "within" : "OVER")
            << QString::asprintf("safe write, every block       %.3f s   (wire %.3f s)\n", safeAll,
                                 readLimit + 4 * count * kFrameSeconds);
        out.flush();
    }
    return ok ? 0 : 1;
}
