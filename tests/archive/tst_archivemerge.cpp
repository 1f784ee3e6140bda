// The panel's log, read again and again while it grows and rolls over, merges into exactly
// the panel's true history: read from the virtual panel through the real link, on both backends.

#include "archive/archive.h"
#include "archivebackends.h"
#include "link/frame.h"
#include "link/protocolimpl.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

using olma::archive::Archive;
using olma::vpanel::VirtualPanel;

namespace {

constexpr quint32 kSerial = 812;
constexpr int kAccessDenied = 6; // an error reply the reader does not take as data

char bcd(int v)
{
    return char((v / 10) << 4 | (v % 10));
}

// The panel's events in the order they happen. Every seventh repeats the one before it, byte for
// byte (the same event in the same minute), so the history holds identical neighbours.
QByteArray events(int from, int count)
{
    const QDateTime start(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    QByteArray bytes;
    for (int i = from; i < from + count; ++i) {
        const int n = i % 7 == 3 ? i - 1 : i;
        const QDateTime t = start.addSecs(qint64(n) * 60);
        const char record[8] = {
            bcd(t.date().year() % 100), bcd(t.date().month()), bcd(t.date().day()), char(0x40 | bcd(t.time().hour())),
            bcd(t.time().minute()),     char(n % 16),          char(n / 16 % 256),  char(1 + n % 20)};
        bytes.append(record, 8);
    }
    return bytes;
}

// The history as a read of a panel that kept everything would give it.
QByteArray asRead(const QByteArray& chronological, VirtualPanel::LogGrowth growth)
{
    if (growth == VirtualPanel::LogGrowth::AtEnd)
        return chronological;
    QByteArray reversed;
    reversed.reserve(chronological.size());
    for (qsizetype at = chronological.size() - 8; at >= 0; at -= 8)
        reversed.append(chronological.mid(at, 8));
    return reversed;
}

// Collects what a log read delivers, as the window's log store receives it.
class Collector : public IProtocolLogCallback
{
public:
    bool progress(unsigned, unsigned, bool) override { return true; }
    void logRecord(unsigned, const unsigned char* record) override
    {
        bytes.append(reinterpret_cast<const char*>(record), olma::link::kLogRecordSize);
    }
    QByteArray bytes;
};

} // namespace

Q_DECLARE_METATYPE(VirtualPanel::LogGrowth)

class TestArchiveMerge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void growingAndRollingLog_data();
    void growingAndRollingLog();

private:
    ArchiveBackends _backends;
};

void TestArchiveMerge::initTestCase()
{
    QString error;
    QVERIFY2(_backends.start(&error), qPrintable(error));
}

void TestArchiveMerge::growingAndRollingLog_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<VirtualPanel::LogGrowth>("growth");
    for (const QString& backend : ArchiveBackends::names()) {
        QTest::addRow("%s, newest first", qPrintable(backend)) << backend << VirtualPanel::LogGrowth::AtStart;
        QTest::addRow("%s, newest last", qPrintable(backend)) << backend << VirtualPanel::LogGrowth::AtEnd;
    }
}

void TestArchiveMerge::growingAndRollingLog()
{
    QFETCH(QString, backend);
    QFETCH(VirtualPanel::LogGrowth, growth);
    QString error;
    const QString url = _backends.freshUrl(backend, &error);
    QVERIFY2(!url.isEmpty(), qPrintable(error));
    Archive archive;
    QVERIFY2(archive.open(url), qPrintable(archive.lastError()));

    VirtualPanelFixture fixture;
    QVERIFY2(fixture.isRunning(), qPrintable(fixture.error()));
    fixture.panel().setSerialNumber(kSerial);

    QByteArray history; // every event that ever happened, oldest first
    int happened = 0;
    // Reads: events added before it, and the request at which the panel refuses (0: none).
    const struct
    {
        int added;
        int failAt;
    } reads[] = {
        {1000, 0}, // a young log
        {2000, 0}, // grows
        {2500, 0}, // rolls over: 5500 events, the ring keeps 4095
        {3000, 0}, // most of the ring is new
        {10, 0},   // a few
        {0, 0},    // nothing new
        {50, 100}, // partial: 99 blocks arrive
        {20, 0},   // whole again
    };
    int readNumber = 0;
    for (const auto& step : reads) {
        ++readNumber;
        const QByteArray fresh = events(happened, step.added);
        happened += step.added;
        history += fresh;
        fixture.panel().addLogEvents(fresh, growth);
        fixture.panel().clearFaults();
        fixture.panel().clearRequests();
        if (step.failAt > 0)
            fixture.panel().replyWithError(kAccessDenied, {olma::link::kCmdReadLog, step.failAt});

        const auto engine = fixture.engine();
        Collector collector;
        const bool complete = engine->readLog(&collector, 0, 0xFFFFFFFFu);
        QCOMPARE(complete, step.failAt == 0);
        if (complete)
            QCOMPARE(collector.bytes, fixture.panel().logAsRead());
        QVERIFY2(archive.mergeLog(kSerial, collector.bytes, complete) >= 0, qPrintable(archive.lastError()));

        if (complete)
            QVERIFY2(archive.history(kSerial) == asRead(history, growth),
                     qPrintable(QStringLiteral("read %1").arg(readNumber)));
    }
    QCOMPARE(archive.historySize(kSerial), happened);
    const QList<olma::archive::LogRead> logged = archive.logReads(kSerial);
    QCOMPARE(logged.size(), std::size(reads));
    QCOMPARE(logged[6].complete, false);
    QCOMPARE(logged[6].count, 99 * olma::link::kLogRecordsPerBlock);
}

OLMA_TEST_MAIN(TestArchiveMerge)
#include "tst_archivemerge.moc"
