// Exporting a full 16-loop configuration, every one of the 255 users with a password and a key,
// to a file in each format: the whole document (all sections, relay programs included), its
// Windows-1251 encoding and the write. Prints the time per format and the document's size.

#include "config/configexport.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/tails.h"
#include "config/users.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace olma::config;

namespace {

constexpr int kRuns = 20;
constexpr double kTargetMs = 50;

void fill(Configuration& configuration)
{
    Users* users = configuration.users();
    for (int i = 0; i < users->count(); ++i) {
        User* user = users->user(i);
        user->setPassword(CipherPassword::fromText(QString::number(100000 + i * 37)));
        IButtonKey key;
        key.first = 0x01;
        for (int b = 0; b < IButtonKey::kRestSize; ++b)
            key.rest[size_t(b)] = static_cast<unsigned char>(i + b * 17);
        key.rest[0] |= 0x80; // never all zero
        user->setKey(key);
        user->setAccessMask(static_cast<quint16>(0x5A5A ^ i));
        user->setTailOn(i % 2);
        user->setTailOff(i % 3);
    }
    for (int i = 0; i < configuration.tails()->count(); ++i)
        configuration.tails()->tail(i)->setTailType(i % 8);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<unsigned char> image(kImageSize, 0);
    Configuration configuration(image.data(), 2);
    fill(configuration);

    QTemporaryDir dir;
    struct Format
    {
        const char* name;
        const char* suffix;
    };
    const Format formats[] = {{"text", "txt"}, {"RTF", "rtf"}, {"HTML", "html"}, {"CSV", "csv"}};
    bool allWithin = true;
    std::printf("%d runs per format; document = the text alone, file = text, encoding and write\n", kRuns);
    for (const Format& format : formats) {
        const QString path = dir.filePath(QStringLiteral("export.") + QLatin1String(format.suffix));
        std::vector<double> textMs;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            const QString document = configuration.exportText(exportFormat(QLatin1String(format.suffix)));
            textMs.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(textMs.begin(), textMs.end());
        std::vector<double> ms;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            if (exportConfiguration(configuration, path) != ExportResult::Exported) {
                std::fprintf(stderr, "olma-bench-export: cannot write %s\n", qPrintable(path));
                return 1;
            }
            ms.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        allWithin = allWithin && ms[ms.size() / 2] <= kTargetMs;
        std::printf(
            "%-5s %8lld bytes   document: median %6.2f ms   file: min %6.2f ms   median %6.2f ms   max %6.2f ms   "
            "(target %.0f ms)\n",
            format.name, QFileInfo(path).size(), textMs[textMs.size() / 2], ms.front(), ms[ms.size() / 2], ms.back(),
            kTargetMs);
    }
    std::printf("%s\n", allWithin ? "every format's median within the target" : "SOME FORMAT'S MEDIAN OVER THE TARGET");
    return 0;
}
