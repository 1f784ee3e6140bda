#include "config/configuration.h"
#include "config/descriptiondocument.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "programmbytes.h"
#include "testmain.h"

#include <QSignalSpy>

using namespace olma::config;
using namespace programmbytes;

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

} // namespace

class TestProgramms : public QObject
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
        QCOMPARE(programms.children().size(), expected.size());
        for (int row = 0; row < programms.count(); ++row)
            QCOMPARE(programms.children().at(row), static_cast<IConfigItem*>(programms.programm(row)));
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
        QTest::newRow("7") << 7u << 1 << 7u << "Встроенное реле"
                           << "Встроенное реле - К8";
        QTest::newRow("8") << 8u << 2 << 8u << "Звуковой оповещатель (ЗО)"
                           << "Звуковой оповещатель (ЗО)";
        QTest::newRow("9") << 9u << 3 << 9u << "Световой оповещатель (СО)"
                           << "Световой оповещатель (СО)";
        QTest::newRow("10") << 10u << 4 << 0u << "Контролируемый выход (ИП)"
                            << "Контролируемый выход (ИП) - 1";
        QTest::newRow("17") << 17u << 4 << 7u << "Контролируемый выход (ИП)"
                            << "Контролируемый выход (ИП) - 8";
        QTest::newRow("18") << 18u << 5 << 0u << "БРВ-А"
                            << "БРВ-А 1 Реле-1";
        QTest::newRow("25") << 25u << 5 << 7u << "БРВ-А"
                            << "БРВ-А 1 Реле-8";
        QTest::newRow("26") << 26u << 5 << 8u << "БРВ-А"
                            << "БРВ-А 2 Реле-1";
        QTest::newRow("49") << 49u << 5 << 31u << "БРВ-А"
                            << "БРВ-А 4 Реле-8";
        QTest::newRow("50") << 50u << 6 << 0u << "БКВ-А"
                            << "БКВ-А 1 Выход-1";
        QTest::newRow("53") << 53u << 6 << 3u << "БКВ-А"
                            << "БКВ-А 1 Выход-4";
        QTest::newRow("54") << 54u << 6 << 4u << "БКВ-А"
                            << "БКВ-А 2 Выход-1";
        QTest::newRow("81") << 81u << 6 << 31u << "БКВ-А"
                            << "БКВ-А 8 Выход-4";
        QTest::newRow("82") << 82u << 7 << 0u << "БВИ-А"
                            << "БВИ-А 1 С/Д-1";
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
        QCOMPARE(p->id(), int(index));
        QCOMPARE(p->xmlTag(), QStringLiteral("programm"));

        // The editor makes one tab per group, titled with its name.
        QStringList groups;
        for (const IConfigItem* child : p->children())
            groups << child->name();
        QCOMPARE(groups, (QStringList{"Параметры", "Состояние ШС", "Состояние блоков", "Состояние ИП", "Выходы БКВ-А",
                                      "Цепи БП-А", "Описание"}));
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
};

OLMA_TEST_MAIN(TestProgramms)
#include "tst_programms.moc"
