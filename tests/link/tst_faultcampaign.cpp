// The fault campaign's short form: a few dozen randomized fault schedules against the virtual
// panel (OLMA_CAMPAIGN_RUNS, OLMA_CAMPAIGN_SEED and OLMA_CAMPAIGN_ONLY change which), each
// checked for time, port, error code, data and the configuration left alone.

#include "faultcampaign.h"
#include "testmain.h"

using namespace olma::campaign;

class TestFaultCampaign : public QObject
{
    Q_OBJECT

private slots:
    void schedulesReplayFromTheSeed()
    {
        // A failure is only worth its replay line if the same seed and number draw the same run.
        const Schedule a = drawSchedule(42, 7);
        const Schedule b = drawSchedule(42, 7);
        QCOMPARE(a.describe(), b.describe());
        QCOMPARE(a.image, b.image);
        QCOMPARE(a.log, b.log);
        QCOMPARE(a.garbage, b.garbage);
        QVERIFY(drawSchedule(42, 8).image != a.image);
        QVERIFY(drawSchedule(43, 7).image != a.image);

        // Over a few hundred draws every operation meets every fault, and each fault hits a
        // request the operation really sends.
        QSet<QString> kinds;
        for (int n = 0; n < 600; ++n) {
            const Schedule s = drawSchedule(42, n);
            kinds << operationName(s.operation) + faultName(s.fault);
            QVERIFY2(s.replies == 0 || (s.request >= 1 && s.request <= s.replies), qPrintable(s.describe()));
        }
        QCOMPARE(kinds.size(), int(Operation::Count) * int(Fault::Count));
    }

    void campaign()
    {
        const Settings settings = Settings::fromEnvironment(30);
        qInfo("fault campaign: seed 0x%llx, %d schedules", settings.seed, settings.only >= 0 ? 1 : settings.runs);
        const Tally tally = runCampaign(settings, [](const QString& line) { qInfo().noquote() << line; });
        qInfo("fault campaign: %d schedules run, %d survived", tally.run, tally.survived);
        QVERIFY2(tally.failures.isEmpty(), qPrintable(tally.failures.join(QLatin1Char('\n'))));
        QCOMPARE(tally.survived, tally.run);
    }
};

OLMA_TEST_MAIN(TestFaultCampaign)
#include "tst_faultcampaign.moc"
