#include "config/programm/multitailstate.h"
#include "config/programm/tailstates.h"
#include "config/programm/trigger.h"
#include "programmbytes.h"
#include "testmain.h"

#include <QSignalSpy>

#include <functional>

using namespace olma::config;
using namespace olma::config::programm;
using namespace programmbytes;

namespace {

using Setter = void (TailStateCommon::*)(const quint16&);
using Getter = quint16 (TailStateCommon::*)() const;

struct Trigger
{
    Setter set;
    Getter get;
    int byte; // 0 first, 1 second byte of the loop
    int shift;
};

// In the order of TailStateCommon.
const QList<Trigger>& triggers()
{
    static const QList<Trigger> all = {
        {&TailStateCommon::setGuardOffDelay, &TailStateCommon::guardOffDelay, 1, 4},
        {&TailStateCommon::setGuardOnDelay, &TailStateCommon::guardOnDelay, 1, 2},
        {&TailStateCommon::setBroken, &TailStateCommon::broken, 1, 0},
        {&TailStateCommon::setFault, &TailStateCommon::fault, 0, 6},
        {&TailStateCommon::setFire1, &TailStateCommon::fire1, 0, 4},
        {&TailStateCommon::setAlarm, &TailStateCommon::alarm, 0, 2},
        {&TailStateCommon::setTakeOff, &TailStateCommon::takeOff, 0, 0},
    };
    return all;
}

int loopByte(int programm, int loop, int byte)
{
    return recordOffset(programm) + kLoops + 2 * loop + byte;
}

QList<quint16> values(const TailStateCommon& state)
{
    QList<quint16> list;
    for (const Trigger& t : triggers())
        list << (state.*t.get)();
    return list;
}

} // namespace

class TestTailStates : public QObject
{
    Q_OBJECT

private slots:
    void triggerBits_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<int>("fill");
        const char* names[] = {"disarming delay", "arming delay", "violated", "fault", "fire 1", "alarm", "disarmed"};
        for (int t = 0; t < 7; ++t) {
            for (int fill : {0x00, 0xFF, 0x96})
                QTest::addRow("%s over %02x", names[t], fill) << t << fill;
        }
    }

    // Every trigger owns exactly its two bits: the other bits of the byte, the other byte of the
    // loop (bits 7..6 of the second byte included) and every other byte stay as they were.
    void triggerBits()
    {
        QFETCH(int, trigger);
        QFETCH(int, fill);
        const Trigger& t = triggers().at(trigger);
        constexpr int kProgramm = 77;
        constexpr int kLoop = 5;
        auto image = imagebytes::filled(uchar(fill));
        TailState state(image.data(), 2, kProgramm, kLoop);
        QCOMPARE((state.*t.get)(), quint16((fill >> t.shift) & 3));

        for (quint16 value : {quint16(1), quint16(2), quint16(3), quint16(0)}) {
            QSignalSpy changed(&state, &TailState::changed);
            (state.*t.set)(value);
            QCOMPARE(changed.count(), 1);
            auto expected = imagebytes::filled(uchar(fill));
            unsigned char& byte = expected[size_t(loopByte(kProgramm, kLoop, t.byte))];
            byte = uchar((byte & ~(3 << t.shift)) | (value << t.shift));
            QCOMPARE(imagebytes::changed(expected, image), QList<int>());

            state.loadFromImage();
            QCOMPARE((state.*t.get)(), value);
        }
    }

    void edgeCases()
    {
        // Loop 2's arming delay of program 0 lives in bits 3..2 of byte 4179.
        auto image = imagebytes::filled(0);
        TailState state(image.data(), 0, 0, 2);
        state.setGuardOnDelay(2);
        QCOMPARE(imagebytes::changed(imagebytes::filled(0), image), QList<int>{4179});
        QCOMPARE(int(image[4179]), 0x08);

        // A value that does not fit two bits leaves the neighbours alone.
        state.setBroken(5);
        QCOMPARE(int(image[4179]), 0x09);

        // A reset keeps bits 7..6 of the second byte.
        image[4178] = image[4179] = 0xFF;
        state.loadFromImage();
        state.setDefault();
        QCOMPARE(int(image[4178]), 0x00);
        QCOMPARE(int(image[4179]), 0xC0);
    }

    void loopsPerModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("loops");
        QTest::newRow("4 loops") << 0 << 4;
        QTest::newRow("8 loops") << 1 << 8;
        QTest::newRow("16 loops") << 2 << 16;
        QTest::newRow("unknown model") << 3 << 4;
    }

    void loopsPerModel()
    {
        QFETCH(int, model);
        QFETCH(int, loops);
        auto image = imagebytes::random(5);
        auto expected = image;
        TailStates states(image.data(), model, 60);
        QCOMPARE(states.count(), loops);
        QCOMPARE(states.children().size(), loops);
        states.setDefault();
        for (int loop = 0; loop < loops; ++loop) {
            expected[size_t(loopByte(60, loop, 0))] = 0;
            expected[size_t(loopByte(60, loop, 1))] &= 0xC0;
        }
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());

        // The loop list follows a model change at the next load.
        states.setDeviceType(2);
        QCOMPARE(states.count(), loops);
        states.loadFromImage();
        QCOMPARE(states.count(), 16);
        QCOMPARE(states.tailState(15)->fault(), quint16(image[size_t(loopByte(60, 15, 0))] >> 6));
    }

    void groupSignal()
    {
        auto image = imagebytes::filled(0);
        TailStates states(image.data(), 1, 3);
        QSignalSpy changed(&states, &TailStates::changed);
        states.tailState(6)->setFire1(1);
        states.tailState(0)->setTakeOff(2);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.first().first().value<TailStates*>(), &states);
    }

    void assignment()
    {
        auto image = imagebytes::random(6);
        TailStates source(image.data(), 1, 10);
        TailStates target(image.data(), 1, 11);
        source.setCurrentRow(5);
        const QByteArray from = record(image, 10);
        const QByteArray to = record(image, 11);

        target.assign(source);
        QCOMPARE(target.currentRow(), 5);
        for (int loop = 0; loop < 8; ++loop)
            QCOMPARE(values(*target.tailState(loop)), values(*source.tailState(loop)));
        // All seven triggers of the eight loops reach the target's record; bits 7..6 of each second
        // byte and the slots of loops 9..16 stay the target's.
        QByteArray expected = to;
        for (int loop = 0; loop < 8; ++loop) {
            const int first = kLoops + 2 * loop;
            expected[first] = from[first];
            expected[first + 1] = char((from[first + 1] & 0x3F) | (to[first + 1] & 0xC0));
        }
        QCOMPARE(record(image, 11).toHex(' '), expected.toHex(' '));

        // Onto itself: nothing.
        QSignalSpy changed(&target, &TailStates::changed);
        target.assign(target);
        QCOMPARE(changed.count(), 0);
    }

    void assignmentOfAnotherLoopCount()
    {
        auto image = imagebytes::random(7);
        auto wide = imagebytes::random(8);
        TailStates source(wide.data(), 2, 0);
        TailStates target(image.data(), 0, 0);
        const auto before = image;

        // The target takes as many loops as the source has, and those loops are not in the image.
        target.assign(source);
        QCOMPARE(target.count(), 16);
        QCOMPARE(target.children().size(), 16);
        for (int loop = 0; loop < 16; ++loop)
            QCOMPARE(values(*target.tailState(loop)), values(*source.tailState(loop)));
        target.tailState(0)->setFault(2);
        QCOMPARE(image, before);
        QSignalSpy changed(&target, &TailStates::changed);
        target.tailState(12)->setAlarm(1);
        QCOMPARE(changed.count(), 1);

        // The next load puts the model's loops back over the image.
        target.loadFromImage();
        QCOMPARE(target.count(), 4);
    }

    void severalLoopsAtOnce()
    {
        auto image = imagebytes::filled(0);
        TailStates states(image.data(), 1, 2);
        TailState* a = states.tailState(1);
        TailState* b = states.tailState(4);
        TailState* c = states.tailState(7);
        a->setFault(1);
        b->setFault(1);
        c->setFault(2);
        for (TailState* s : {a, b, c})
            s->setBroken(2);

        MultiTailState multi({a, b, c}, 1);
        QCOMPARE(multi.fault(), quint16(0));
        QCOMPARE(multi.broken(), quint16(2));
        QCOMPARE(multi.alarm(), quint16(0));

        multi.setFault(1);
        for (TailState* s : {a, b, c}) {
            QCOMPARE(s->fault(), quint16(1));
            QCOMPARE(int(image[size_t(loopByte(2, int(s->loop()), 0))]), 0x40);
        }
        QCOMPARE(multi.fault(), quint16(1));
        QCOMPARE(states.tailState(0)->fault(), quint16(0));

        multi.setDefault();
        for (TailState* s : {a, b, c})
            QCOMPARE(values(*s), QList<quint16>(7, 0));
        QCOMPARE(imagebytes::changed(imagebytes::filled(0), image), QList<int>());

        const MultiTailState none({}, 1);
        QCOMPARE(values(none), QList<quint16>(7, 0));
    }
};

OLMA_TEST_MAIN(TestTailStates)
#include "tst_tailstates.moc"
