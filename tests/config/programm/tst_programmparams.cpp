#include "config/programm/params.h"
#include "programmbytes.h"
#include "testmain.h"

#include <QSignalSpy>

using namespace olma::config;
using namespace programmbytes;

namespace {

constexpr int kProgramm = 37;

QByteArray firstFour(const imagebytes::Image& image)
{
    return record(image, kProgramm).left(4);
}

void putFirstFour(imagebytes::Image& image, const QByteArray& bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.begin() + recordOffset(kProgramm));
}

enum Action
{
    SetTimeout,
    SetTactic,
    SetInitState,
    SetWorkTime,
    Reset,
};

} // namespace

class TestProgrammParams : public QObject
{
    Q_OBJECT

private slots:
    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("tactic");
        QTest::addColumn<bool>("initState");
        QTest::addColumn<int>("workTime");
        QTest::newRow("lamp, on") << QByteArray::fromHex("0305e803") << 5 << 1 << true << 1000;
        QTest::newRow("panel bits ignored") << QByteArray::fromHex("fcff0f27") << 255 << 0 << false << 9999;
        QTest::newRow("automatic, on") << QByteArray::fromHex("01000000") << 0 << 0 << true << 0;
        QTest::newRow("lamp, off") << QByteArray::fromHex("02000001") << 0 << 1 << false << 256;
    }

    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, timeout);
        QFETCH(int, tactic);
        QFETCH(bool, initState);
        QFETCH(int, workTime);
        auto image = imagebytes::random(1);
        putFirstFour(image, bytes);
        programm::Params params(image.data(), 0, kProgramm);
        QCOMPARE(int(params.timeout()), timeout);
        QCOMPARE(params.tactic(), tactic);
        QCOMPARE(params.initState(), initState);
        QCOMPARE(int(params.workTime()), workTime);
        QVERIFY(!params.fireSafety());
    }

    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("lamp") << QByteArray::fromHex("fc000000") << int(SetTactic) << 1
                              << QByteArray::fromHex("fe000000");
        QTest::newRow("automatic") << QByteArray::fromHex("ffffffff") << int(SetTactic) << 0
                                   << QByteArray::fromHex("fdffffff");
        // Only 1 means lamp; 2 is kept in memory but stored as automatic.
        QTest::newRow("tactic 2") << QByteArray::fromHex("ffffffff") << int(SetTactic) << 2
                                  << QByteArray::fromHex("fdffffff");
        QTest::newRow("on") << QByteArray::fromHex("a0000000") << int(SetInitState) << 1
                            << QByteArray::fromHex("a1000000");
        QTest::newRow("off") << QByteArray::fromHex("ffffffff") << int(SetInitState) << 0
                             << QByteArray::fromHex("feffffff");
        // The record keeps the low byte of the delay.
        QTest::newRow("delay 300") << QByteArray::fromHex("ffffffff") << int(SetTimeout) << 300
                                   << QByteArray::fromHex("ff2cffff");
        QTest::newRow("work time 9999") << QByteArray::fromHex("ffffffff") << int(SetWorkTime) << 9999
                                        << QByteArray::fromHex("ffff0f27");
        QTest::newRow("work not limited")
            << QByteArray::fromHex("00001234") << int(SetWorkTime) << 0 << QByteArray::fromHex("00000000");
        // A reset keeps the panel's bits 2..7 of the flags.
        QTest::newRow("reset") << QByteArray::fromHex("ffffffff") << int(Reset) << 0 << QByteArray::fromHex("fc000000");
    }

    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, action);
        QFETCH(int, value);
        QFETCH(QByteArray, after);
        auto image = imagebytes::random(2);
        putFirstFour(image, before);
        auto expected = image;
        putFirstFour(expected, after);

        programm::Params params(image.data(), 1, kProgramm);
        QSignalSpy changed(&params, &programm::Params::changed);
        switch (action) {
        case SetTimeout:
            params.setTimeout(quint16(value));
            QCOMPARE(int(params.timeout()), value);
            break;
        case SetTactic:
            params.setTactic(value);
            QCOMPARE(params.tactic(), value);
            break;
        case SetInitState:
            params.setInitState(value != 0);
            break;
        case SetWorkTime:
            params.setWorkTime(quint16(value));
            break;
        case Reset:
            params.setDefault();
            break;
        }
        QCOMPARE(firstFour(image).toHex(' '), after.toHex(' '));
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        QVERIFY(changed.count() >= 1);
        QCOMPARE(changed.first().first().value<programm::Params*>(), &params);
    }

    void fireSafetyFlagLivesInMemoryOnly()
    {
        auto image = imagebytes::random(3);
        const auto before = image;
        programm::Params params(image.data(), 2, 12);
        QSignalSpy changed(&params, &programm::Params::changed);
        QSignalSpy fireSafety(&params, &programm::Params::changedFireSafety);
        params.setFireSafety(true);
        QCOMPARE(fireSafety.count(), 1);
        QCOMPARE(fireSafety.first().first().toBool(), true);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(image, before);

        // A reset clears it and says so.
        params.resetParams();
        QVERIFY(!params.fireSafety());
        QCOMPARE(fireSafety.last().first().toBool(), false);
    }

    void assignment()
    {
        auto image = imagebytes::random(4);
        putFirstFour(image, QByteArray::fromHex("00000000"));
        programm::Params target(image.data(), 0, kProgramm);
        target.setFireSafety(true);

        programm::Params source(nullptr, 0, 0);
        source.setTimeout(300);
        source.setTactic(2);
        source.setInitState(true);
        source.setWorkTime(9999);
        QSignalSpy changed(&target, &programm::Params::changed);
        target.assign(source);
        QCOMPARE(changed.count(), 4);
        QCOMPARE(firstFour(image).toHex(' '), QByteArray("01 2c 0f 27"));
        QCOMPARE(target.tactic(), 2);
        QVERIFY(target.fireSafety());

        const auto before = image;
        target.assign(target);
        QCOMPARE(changed.count(), 4);
        QCOMPARE(image, before);
    }
};

OLMA_TEST_MAIN(TestProgrammParams)
#include "tst_programmparams.moc"
