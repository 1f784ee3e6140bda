// The fault campaign's long form: 1000 randomized fault schedules against the virtual panel
// (OLMA_CAMPAIGN_RUNS, OLMA_CAMPAIGN_SEED change that), printing how many ran and survived,
// per operation and fault. Any failure is printed with the line that replays it.

#include "faultcampaign.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace olma::campaign;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Settings settings = Settings::fromEnvironment(1000);
    std::printf("Fault campaign: seed 0x%llx, %d schedules, %d ms allowed over the reply time-out\n",
                static_cast<unsigned long long>(settings.seed), settings.only >= 0 ? 1 : settings.runs,
                settings.marginMs);
    std::fflush(stdout);

    QElapsedTimer elapsed;
    elapsed.start();
    const Tally tally = runCampaign(settings, [](const QString& line) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    });

    std::printf("\n%-42s %6s %9s\n", "operation / fault", "run", "survived");
    for (const auto& [kind, counts] : tally.byKind)
        std::printf("%-42s %6d %9d\n", qPrintable(kind), counts.first, counts.second);
    std::printf("\nschedules run: %d, survived: %d, failed: %d (%.0f s)\n", tally.run, tally.survived,
                tally.run - tally.survived, double(elapsed.elapsed()) / 1000.0);
    return tally.survived == tally.run ? 0 : 1;
}
