#include "config/configuration.h"
#include "config/descriptiondocument.h"
#include "config/programm/bkvstate.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstate.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/multibkvstate.h"
#include "config/programm/multibpstate.h"
#include "config/programm/multiprogramm.h"
#include "config/programm/multitailstate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programms.h"
#include "config/programm/tailstate.h"
#include "config/programm/tailstates.h"
#include "config/programm/trigger.h"
#include "programmbytes.h"
#include "testmain.h"

#include <QSignalSpy>
#include <functional>
#include <memory>

using namespace olma::config;
using namespace programmbytes;
using namespace olma::config::programm;

namespace {

QList<unsigned> indexes(const Programms& programms)
{
    QList<unsigned> list;
    for (int row = 0; row < programms.count(); ++row)
        list << programms.programm(row)->index();
    return list;
}

QList<unsigned> range(unsigned from, unsigned to)
{
    QList<unsigned> list;
    for (unsigned i = from; i <= to; ++i)
        list << i;
    return list;
}

// Spies on every change signal a program and its groups can send.
struct ProgrammSpies
{
    explicit ProgrammSpies(Programm* p)
        : programm(p, &Programm::changed), params(p->params(), &programm::Params::changed),
          fireSafety(p->params(), &programm::Params::changedFireSafety),
          tails(p->tailStates(), &programm::TailStates::changed), panel(p->pcState(), &programm::PCState::changed),
          ip(p->kvoState(), &programm::KVOState::changed), bkv(p->bkvStates(), &programm::BKVStates::changed),
          bp(p->bpStates(), &programm::BPStates::changed)
    {}
    int total() const
    {
        return int(programm.count() + params.count() + fireSafety.count() + tails.count() + panel.count() + ip.count() +
                   bkv.count() + bp.count());
    }
    QSignalSpy programm, params, fireSafety, tails, panel, ip, bkv, bp;
};

constexpr int kProgramm = 37;

void putFirstFour(imagebytes::Image& image, const QByteArray& bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.begin() + recordOffset(kProgramm));
}

// A trigger of the panel-event or power-block byte(s): its accessors, record byte and shift.
template <typename Common> struct Trigger
{
    void (Common::*set)(const quint16&);
    quint16 (Common::*get)() const;
    int byte;
    int shift;
};

const QList<Trigger<PCStateCommon>> kPanelTriggers = {
    {&PCStateCommon::setZoFault, &PCStateCommon::zoFault, kPanel, 6},
    {&PCStateCommon::setSoFault, &PCStateCommon::soFault, kPanel + 1, 0},
    {&PCStateCommon::setNoticeOff, &PCStateCommon::noticeOff, kPanel + 1, 2},
    {&PCStateCommon::setRpFault, &PCStateCommon::rpFault, kPanel, 4},
    {&PCStateCommon::setOpFault, &PCStateCommon::opFault, kPanel, 2},
    {&PCStateCommon::setCorpseOpen, &PCStateCommon::corpseOpen, kPanel, 0},
    {&PCStateCommon::setExtBlockAccident, &PCStateCommon::extBlockAccident, kPanel + 1, 6},
    {&PCStateCommon::setExtBlockOpening, &PCStateCommon::extBlockOpening, kPanel + 1, 4},
};

// Power block k's byte is kBp + k.
const QList<Trigger<BPStateCommon>> kPowerTriggers = {
    {&BPStateCommon::setOp, &BPStateCommon::op, 0, 6},
    {&BPStateCommon::setRp, &BPStateCommon::rp, 0, 4},
    {&BPStateCommon::setCh2, &BPStateCommon::ch2, 0, 2},
    {&BPStateCommon::setCh1, &BPStateCommon::ch1, 0, 0},
};

// Sets a trigger to every value in turn over a patterned image and checks that only its two bits
// change and that it reads back from the image.
template <typename Item, typename Common>
void checkTriggerBits(const Trigger<Common>& t, int absoluteByte, int fill,
                      const std::function<Item*(unsigned char*)>& make)
{
    auto image = imagebytes::filled(uchar(fill));
    std::unique_ptr<Item> item(make(image.data()));
    QCOMPARE((item.get()->*t.get)(), quint16((fill >> t.shift) & 3));
    for (quint16 value : {quint16(1), quint16(2), quint16(3), quint16(0)}) {
        QSignalSpy changed(item.get(), &Item::changed);
        (item.get()->*t.set)(value);
        QCOMPARE(changed.count(), 1);
        auto expected = imagebytes::filled(uchar(fill));
        unsigned char& byte = expected[size_t(absoluteByte)];
        byte = uchar((byte & ~(3 << t.shift)) | (value << t.shift));
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        item->loadFromImage();
        QCOMPARE((item.get()->*t.get)(), value);
    }
}

// In the order of TailStateCommon; byte 0 or 1 of the loop.
const QList<Trigger<TailStateCommon>> kLoopTriggers = {
    {&TailStateCommon::setGuardOffDelay, &TailStateCommon::guardOffDelay, 1, 4},
    {&TailStateCommon::setGuardOnDelay, &TailStateCommon::guardOnDelay, 1, 2},
    {&TailStateCommon::setBroken, &TailStateCommon::broken, 1, 0},
    {&TailStateCommon::setFault, &TailStateCommon::fault, 0, 6},
    {&TailStateCommon::setFire1, &TailStateCommon::fire1, 0, 4},
    {&TailStateCommon::setAlarm, &TailStateCommon::alarm, 0, 2},
    {&TailStateCommon::setTakeOff, &TailStateCommon::takeOff, 0, 0},
};

int loopByte(int programm, int loop, int byte)
{
    return recordOffset(programm) + kLoops + 2 * loop + byte;
}

// One change of each kind, the same on a program or on the editor of several.
template <typename P> void make(P* p, int change)
{
    switch (change) {
    case 0:
        p->params()->setWorkTime(600);
        break;
    case 1:
        p->params()->setTimeout(9);
        break;
    case 2:
        p->params()->setInitState(true);
        break;
    case 3:
        p->tailStates()->tailState(9)->setFire1(2);
        break;
    case 4:
        p->pcState()->setExtBlockOpening(1);
        break;
    case 5:
        p->kvoState()->setState(6, 2);
        break;
    case 6:
        p->bkvStates()->bkvState(4)->setState(2, 1);
        break;
    default:
        p->bpStates()->bpState(1)->setCh2(2);
        break;
    }
}

// Sets every value through the editor of one item (loop `sub`, block `sub`) of several programs
// holding different values, and in each item alone: the image must end the same.
template <typename Item, typename Multi, typename Set> void checkSelection(quint32 seed, unsigned sub, const Set& set)
{
    for (quint16 value : {quint16(1), quint16(2), quint16(0)}) {
        auto image = imagebytes::random(seed);
        auto expected = image;
        std::vector<std::unique_ptr<Item>> items;
        QList<Item*> list;
        for (unsigned p : {4u, 20u, 77u}) {
            items.push_back(std::make_unique<Item>(image.data(), 2, p, sub));
            list << items.back().get();
            Item alone(expected.data(), 2, p, sub);
            set(alone, value);
        }
        Multi multi(list, 2);
        set(multi, value);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
    }
}

} // namespace

class TestProgrammModel : public QObject
{
    Q_OBJECT

private slots:
    void programmsPerModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<unsigned>>("expected");
        QTest::newRow("4 loops") << 0 << range(0, 11) + range(18, 113);
        QTest::newRow("8 loops") << 1 << range(0, 13) + range(18, 113);
        QTest::newRow("16 loops") << 2 << range(0, 113);
        QTest::newRow("unknown model keeps every ИП") << 5 << range(0, 113);
    }

    void programmsPerModel()
    {
        QFETCH(int, model);
        QFETCH(QList<unsigned>, expected);
        auto image = imagebytes::filled(0);
        Programms programms(image.data(), model, 0);
        QCOMPARE(indexes(programms), expected);
        QCOMPARE(programms.programmByIndex(17) != nullptr, expected.contains(17u));
        QVERIFY(!programms.programmByIndex(114));
    }

    void slotTable_data()
    {
        QTest::addColumn<unsigned>("index");
        QTest::addColumn<int>("kind");
        QTest::addColumn<unsigned>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("0") << 0u << 1 << 0u << "Встроенное реле"
                           << "Встроенное реле - К1";
        QTest::newRow("17") << 17u << 4 << 7u << "Контролируемый выход (ИП)"
                            << "Контролируемый выход (ИП) - 8";
        QTest::newRow("26") << 26u << 5 << 8u << "БРВ-А"
                            << "БРВ-А 2 Реле-1";
        QTest::newRow("81") << 81u << 6 << 31u << "БКВ-А"
                            << "БКВ-А 8 Выход-4";
        QTest::newRow("113") << 113u << 7 << 31u << "БВИ-А"
                             << "БВИ-А 4 С/Д-8";
    }

    void slotTable()
    {
        QFETCH(unsigned, index);
        QFETCH(int, kind);
        QFETCH(unsigned, number);
        QFETCH(QString, name);
        QFETCH(QString, title);
        auto image = imagebytes::filled(0);
        Programms programms(image.data(), 2, 0);
        const Programm* p = programms.programmByIndex(index);
        QVERIFY(p);
        QCOMPARE(p->kind(), kind);
        QCOMPARE(p->number(), number);
        QCOMPARE(p->name(), name);
        QCOMPARE(p->title(), title);
    }

    void modelChangeRebuildsAndKeepsDescriptions()
    {
        auto image = imagebytes::random(3);
        Configuration configuration(image.data(), 0);
        configuration.setImage(image.data());
        const auto before = image;
        Programms* programms = configuration.programms();
        QCOMPARE(programms->count(), 108);
        programms->programmByIndex(11)->descriptionItem()->setDescription(QStringLiteral("Сирена"));

        // A model change takes effect at the next load; programs built then still save their descriptions.
        configuration.setDeviceType(2);
        QCOMPARE(programms->count(), 108);
        configuration.loadFromImage();
        QCOMPARE(programms->count(), 114);
        QCOMPARE(programms->programmByIndex(11)->description(), QStringLiteral("Сирена"));
        programms->programmByIndex(15)->descriptionItem()->setDescription(QStringLiteral("Насос"));
        QCOMPARE(descriptions::read(configuration.descriptionDocument(), "programm", 15), QStringLiteral("Насос"));
        QCOMPARE(programms->programmByIndex(15)->kvoState()->count(), 8);
        QCOMPARE(programms->programmByIndex(15)->tailStates()->count(), 16);

        configuration.setDeviceType(1);
        configuration.setImage(image.data());
        QCOMPARE(programms->count(), 110);
        QCOMPARE(image, before);
    }

    void resetKeepsWhatTheModelLacks_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("ips");
        QTest::newRow("4 loops") << 0 << 4 << 2;
        QTest::newRow("8 loops") << 1 << 8 << 4;
        QTest::newRow("16 loops") << 2 << 16 << 8;
    }

    void resetKeepsWhatTheModelLacks()
    {
        QFETCH(int, model);
        QFETCH(int, loops);
        QFETCH(int, ips);
        auto image = imagebytes::random(7);
        auto expected = image;
        Programms programms(image.data(), model, 0);
        programms.programmByIndex(30)->descriptionItem()->setDescription(QStringLiteral("Свет"));
        programms.setDefault();

        for (int index = 0; index < 114; ++index) {
            const bool present = index < 10 + ips || index >= 18;
            if (present)
                resetRecord(expected, index, loops, ips);
        }
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        QCOMPARE(programms.programmByIndex(30)->description(), QStringLiteral("Свет"));
    }

    void programmAssignment()
    {
        auto image = imagebytes::random(11);
        Programms programms(image.data(), 2, 0);
        programms.setDescriptionDocument(descriptions::emptyDocument());
        Programm* source = programms.programmByIndex(20);
        Programm* target = programms.programmByIndex(90);
        source->descriptionItem()->setDescription(QStringLiteral("Вентиляция"));
        source->params()->setTactic(1);
        target->params()->setFireSafety(true);
        target->setCurrentTab(3);

        const QByteArray from = record(image, 20);
        const QByteArray to = record(image, 90);
        target->assign(*source);

        // Every field reaches the target's record; bits that belong to no field stay the target's.
        QByteArray expected = from;
        expected[kFlags] = char((from[kFlags] & 0x03) | (to[kFlags] & 0xFC));
        for (int loop = 0; loop < 16; ++loop) {
            const int second = kLoops + 2 * loop + 1;
            expected[second] = char((from[second] & 0x3F) | (to[second] & 0xC0));
        }
        QCOMPARE(record(image, 90).toHex(' '), expected.toHex(' '));
        QCOMPARE(record(image, 20), from);
        QCOMPARE(target->description(), QStringLiteral("Вентиляция"));
        QCOMPARE(descriptions::read(programms.descriptionDocument(), "programm", 90), QStringLiteral("Вентиляция"));

        // Index, kind, fire safety and the editor's tab stay the target's.
        QCOMPARE(target->index(), 90u);
        QCOMPARE(target->kind(), 7);
        QCOMPARE(target->id(), 90);
        QVERIFY(target->params()->fireSafety());
        QVERIFY(!source->params()->fireSafety());
        QCOMPARE(target->currentTab(), 3);

        // Onto itself: nothing changes and nothing is said.
        const auto before = image;
        ProgrammSpies spies(target);
        target->assign(*target);
        QCOMPARE(spies.total(), 0);
        QCOMPARE(image, before);
    }

    void fireSafety()
    {
        auto image = imagebytes::random(13);
        Programms programms(image.data(), 0, 0);
        Programm* p = programms.programmByIndex(11);
        auto expected = image;
        resetRecord(expected, 11, 4, 2);
        // The parameters themselves stay as they were.
        for (int i = kFlags; i < kLoops; ++i)
            expected[size_t(recordOffset(11) + i)] = image[size_t(recordOffset(11) + i)];

        ProgrammSpies spies(p);
        p->params()->setFireSafety(true);
        QCOMPARE(spies.programm.count(), 1);
        QCOMPARE(spies.programm.at(0).at(0).value<Programm*>(), p);
        QCOMPARE(spies.params.count(), 0);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());

        // Switching it off only tells the editor.
        p->pcState()->setZoFault(2);
        const auto on = image;
        p->params()->setFireSafety(false);
        QCOMPARE(spies.programm.count(), 2);
        QCOMPARE(image, on);

        // A parameter change resets the triggers only while the flag is set.
        p->changeParamsSignalHandler(nullptr);
        p->changeParamsSignalHandler(p->params());
        QCOMPARE(spies.programm.count(), 2);
        QCOMPARE(image, on);

        p->params()->setFireSafety(true);
        p->pcState()->setZoFault(2);
        p->bpStates()->bpState(3)->setCh1(1);
        QCOMPARE(spies.programm.count(), 3);
        p->changeParamsSignalHandler(p->params());
        QCOMPARE(spies.programm.count(), 4);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
    }

    void paramsWriting()
    {
        using P = programm::Params;
        struct Case
        {
            const char* name;
            const char* before; // the record's first four bytes
            std::function<void(P&)> act;
            const char* after;
        };
        const QList<Case> cases = {
            {"lamp", "fc000000", [](P& p) { p.setTactic(1); }, "fe000000"},
            {"automatic", "ffffffff", [](P& p) { p.setTactic(0); }, "fdffffff"},
            // Only 1 means lamp; 2 is kept in memory but stored as automatic.
            {"tactic 2", "ffffffff",
             [](P& p) {
                 p.setTactic(2);
                 QCOMPARE(p.tactic(), 2);
             },
             "fdffffff"},
            {"on", "a0000000", [](P& p) { p.setInitState(true); }, "a1000000"},
            {"off", "ffffffff", [](P& p) { p.setInitState(false); }, "feffffff"},
            // The record keeps the low byte of the delay.
            {"delay 300", "ffffffff",
             [](P& p) {
                 p.setTimeout(300);
                 QCOMPARE(int(p.timeout()), 300);
             },
             "ff2cffff"},
            {"work time 9999", "ffffffff", [](P& p) { p.setWorkTime(9999); }, "ffff0f27"},
            {"work not limited", "00001234", [](P& p) { p.setWorkTime(0); }, "00000000"},
            // A reset keeps the panel's bits 2..7 of the flags.
            {"reset", "ffffffff", [](P& p) { p.setDefault(); }, "fc000000"},
        };
        for (const Case& c : cases) {
            auto image = imagebytes::random(2);
            putFirstFour(image, QByteArray::fromHex(c.before));
            auto expected = image;
            putFirstFour(expected, QByteArray::fromHex(c.after));
            P params(image.data(), 1, kProgramm);
            QSignalSpy changed(&params, &P::changed);
            c.act(params);
            QVERIFY2(imagebytes::changed(expected, image).isEmpty(), c.name);
            QVERIFY2(!changed.isEmpty() && changed.first().first().value<P*>() == &params, c.name);
        }
    }

    // Every trigger of a loop, of the panel's events and of a power block owns exactly its two bits:
    // the other bits of the byte, the other byte of the loop (bits 7..6 of the second byte
    // included) and every other byte stay as they were.
    void triggerBits()
    {
        for (int fill : {0x00, 0xFF, 0x96, 0x69}) {
            for (const auto& t : kLoopTriggers)
                checkTriggerBits<TailState>(t, loopByte(77, 5, t.byte), fill,
                                            [](unsigned char* image) { return new TailState(image, 2, 77, 5); });
            for (const auto& t : kPanelTriggers)
                checkTriggerBits<PCState>(t, recordOffset(40) + t.byte, fill,
                                          [](unsigned char* image) { return new PCState(image, 0, 40); });
            for (int block : {0, 3}) {
                for (const auto& t : kPowerTriggers)
                    checkTriggerBits<BPState>(t, recordOffset(113) + kBp + block, fill, [block](unsigned char* image) {
                        return new BPState(image, 2, 113, unsigned(block));
                    });
            }
        }
    }

    void ipOutputs_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::newRow("4 loops") << 0 << 2;
        QTest::newRow("8 loops") << 1 << 4;
        QTest::newRow("16 loops") << 2 << 8;
        // As many outputs as the ИП programs it keeps: all eight.
        QTest::newRow("unknown model") << 4 << 8;
    }

    // Output i lives in bits 2i+1..2i of byte 38 (outputs 1..4) or 39 (5..8); outputs the model
    // lacks are neither read nor written.
    void ipOutputs()
    {
        QFETCH(int, model);
        QFETCH(int, count);
        auto image = imagebytes::random(9);
        const unsigned char* ip = image.data() + recordOffset(0) + kIp;
        KVOState state(image.data(), model, 0);
        QCOMPARE(state.count(), count);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(int(state.state(i)), i < count ? (ip[i / 4] >> (2 * (i % 4))) & 3 : 0);

        QSignalSpy changed(&state, &KVOState::changed);
        auto expected = image;
        for (int i = 0; i < 8; ++i) {
            state.setState(i, 2);
            if (i < count) {
                unsigned char& byte = expected[size_t(recordOffset(0) + kIp + i / 4)];
                byte = uchar((byte & ~(3 << (2 * (i % 4)))) | (2 << (2 * (i % 4))));
            }
        }
        QCOMPARE(changed.count(), count);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());

        // Output 5 of program 0 is bits 1..0 of image byte 4209.
        if (count == 8)
            QCOMPARE(int(image[4209] & 3), 2);
    }

    void changeReachesOneFieldOfEverySelectedProgramm_data()
    {
        QTest::addColumn<int>("change");
        const char* names[] = {"work time",   "delay", "initial state", "loop trigger",
                               "panel event", "ИП",    "БКВ-А output",  "БП-А"};
        for (int change = 0; change < 8; ++change)
            QTest::newRow(names[change]) << change;
    }

    // Opening the editor over programs that differ changes nothing; one change in it leaves every
    // selected program as making that change in the program alone would: every other trigger and
    // parameter stays as each program had it.
    void changeReachesOneFieldOfEverySelectedProgramm()
    {
        QFETCH(int, change);
        // No ИП among them: a program alone taken for a fire-safe one would clear its triggers.
        const QList<unsigned> chosen = {3, 30, 60, 113};
        auto image = imagebytes::random(21);
        Programms programms(image.data(), 2, 0);
        QList<Programm*> selected;
        for (unsigned index : chosen)
            selected << programms.programmByIndex(index);
        const auto before = image;
        MultiProgramm multi(selected, 2);
        QCOMPARE(image, before);

        auto expected = image;
        Programms alone(expected.data(), 2, 0);
        for (unsigned index : chosen)
            make(alone.programmByIndex(index), change);
        QSignalSpy changed(&multi, &MultiProgramm::changed);
        make(&multi, change);

        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        QVERIFY(changed.count() >= 1);
        for (const QList<QVariant>& signal : std::as_const(changed))
            QVERIFY(selected.contains(signal.first().value<Programm*>()));
    }

    // The editor shows what the selected programs share and marks what differs.
    void selectionShowsSharedAndDifferingTriggers()
    {
        auto image = imagebytes::filled(0);
        Programms programms(image.data(), 2, 0);
        Programm* first = programms.programmByIndex(0);
        Programm* second = programms.programmByIndex(1);
        first->tailStates()->tailState(0)->setFire1(TriggerActive);
        second->tailStates()->tailState(0)->setFire1(TriggerActive);
        first->tailStates()->tailState(1)->setAlarm(TriggerForbidden);
        first->bpStates()->bpState(2)->setOp(TriggerActive);
        first->params()->setWorkTime(30);
        MultiProgramm multi({first, second}, 2);
        QCOMPARE(multi.tailStates()->tailState(0)->fire1(), quint16(TriggerActive));
        QCOMPARE(multi.tailStates()->tailState(1)->alarm(), kTriggerMixed);
        QCOMPARE(multi.tailStates()->tailState(1)->takeOff(), quint16(TriggerInactive));
        QCOMPARE(multi.bpStates()->bpState(2)->op(), kTriggerMixed);
    }

    // Every setter of a selection of loops, БП-А or БКВ-А blocks (of different programs, holding
    // different values) changes exactly its bits in every item.
    void stateSelectionSettersChangeOneTrigger()
    {
        for (const auto& t : kLoopTriggers)
            checkSelection<TailState, MultiTailState>(31, 5, [&t](auto& s, quint16 v) { (s.*t.set)(v); });
        for (const auto& t : kPowerTriggers)
            checkSelection<BPState, MultiBPState>(32, 1, [&t](auto& s, quint16 v) { (s.*t.set)(v); });
        for (int output = 0; output < kBkvOutputs; ++output)
            checkSelection<BKVState, MultiBKVState>(33, 6, [output](auto& s, quint16 v) { s.setState(output, v); });
    }

    void resetAllReachesEverySelectedProgramm()
    {
        auto image = imagebytes::random(22);
        Programms programms(image.data(), 0, 0);
        QList<Programm*> selected;
        for (unsigned index : {2u, 11u, 70u})
            selected << programms.programmByIndex(index);
        MultiProgramm multi(selected, 0);
        auto expected = image;
        for (unsigned index : {2u, 11u, 70u})
            resetRecord(expected, int(index), 4, 2);

        // Nothing happens while the flag goes off.
        const auto before = image;
        multi.resetDefault(false);
        multi.params()->setFireSafety(false);
        QCOMPARE(image, before);

        // "Сбросить все" ends with the flag going on.
        multi.params()->setFireSafety(true);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        QVERIFY(!multi.params()->fireSafety());
        for (Programm* p : selected)
            QVERIFY(!p->params()->fireSafety());
    }
};

OLMA_TEST_MAIN(TestProgrammModel)
#include "tst_programmmodel.moc"
