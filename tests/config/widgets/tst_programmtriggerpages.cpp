#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/kvostate.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "config/widgets/ycombogroup.h"
#include "programmpagetest.h"
#include "testmain.h"

#include <QPushButton>

using namespace olma::config;
using namespace olma::config::programm;
using namespace pagetest;
using namespace programmpagetest;

namespace {

void drop(QWidget* page)
{
    QTest::mouseClick(child<QPushButton>(page, "_dropButton"), Qt::LeftButton);
}

QStringList rowTitles(QTreeWidget* tree)
{
    QStringList titles;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        titles.append(tree->topLevelItem(i)->text(0));
    return titles;
}

} // namespace

class TestProgrammTriggerPages : public QObject
{
    Q_OBJECT

private slots:
    // Each row of the loop and panel pages, its label and the two bits it owns in the record.
    void rowsWriteTheirBits_data()
    {
        QTest::addColumn<bool>("panel");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("shift");
        // Loop 6 of the program: its bytes are at record offsets 16 and 17.
        QTest::newRow("disarmed") << false << "_takeOffComboBox" << QStringLiteral("Снят: ") << 16 << 0;
        QTest::newRow("alarm") << false << "_alarmComboBox" << QStringLiteral("Тревога (Пожар-2): ") << 16 << 2;
        QTest::newRow("fire 1") << false << "_fire1ComboBox" << QStringLiteral("Пожар-1:") << 16 << 4;
        QTest::newRow("fault") << false << "_faultComboBox" << QStringLiteral("Неисправен: ") << 16 << 6;
        QTest::newRow("violated") << false << "_brokenComboBox" << QStringLiteral("Нарушен: ") << 17 << 0;
        QTest::newRow("arming delay") << false << "_guardOnDelayComboBox" << QStringLiteral("Задержка на взятие:") << 17
                                      << 2;
        QTest::newRow("disarming delay") << false << "_guardOffDelayComboBox" << QStringLiteral("Задержка на снятие: ")
                                         << 17 << 4;
        QTest::newRow("case") << true << "_CorpseOpenComboBox" << QStringLiteral("Вскрытие корпуса") << 36 << 0;
        QTest::newRow("ОП") << true << "_OPFaultComboBox" << QStringLiteral("Неисправность ОП") << 36 << 2;
        QTest::newRow("РП") << true << "_RPFaultComboBox" << QStringLiteral("Неисправность РП") << 36 << 4;
        QTest::newRow("ЗО") << true << "_ZOFaultComboBox" << QStringLiteral("Неисправность ЗО") << 36 << 6;
        QTest::newRow("СО") << true << "_SOFaultComboBox" << QStringLiteral("Неисправность СО") << 37 << 0;
        QTest::newRow("notification") << true << "_NoticeOffFaultComboBox" << QStringLiteral("Отключение оповещения")
                                      << 37 << 2;
        QTest::newRow("ext opening") << true << "_extBlockOpeningCombo" << QStringLiteral("Вскрытие внешнего блока")
                                     << 37 << 4;
        QTest::newRow("ext failure") << true << "_extBlockAccidentCombo" << QStringLiteral("Авария внешнего блока")
                                     << 37 << 6;
    }

    void rowsWriteTheirBits()
    {
        QFETCH(bool, panel);
        QFETCH(QString, row);
        QFETCH(QString, label);
        QFETCH(int, offset);
        QFETCH(int, shift);
        Config config(1);
        constexpr int kProgramm = 30;
        Programm* programm = config.root.programms()->programmByIndex(kProgramm);
        QWidget* page = panel ? programm->pcState()->createWidget(nullptr)
                              : programm->tailStates()->tailState(6)->createWidget(nullptr);
        auto shown = show(page);
        auto* combo = child<YComboBox>(page, row.toLatin1().constData());
        QCOMPARE(combo->text(), label);
        QCOMPARE(shownTriggers(page).size(), panel ? 8 : 7);

        chooseTrigger(combo, 2);
        QCOMPARE(recordByte(config, kProgramm, offset), 2 << shift);
        QCOMPARE(recordByte(config, kProgramm, offset ^ 1), 0);
        chooseTrigger(combo, 1);
        QCOMPARE(recordByte(config, kProgramm, offset), 1 << shift);

        drop(page);
        QCOMPARE(recordByte(config, kProgramm, offset), 0);
        QCOMPARE(combo->value(), 0);
    }

    void loopList()
    {
        Config config(1);
        TailStates* loops = config.root.programms()->programmByIndex(0)->tailStates();
        loops->tailState(0)->setFault(1);
        loops->tailState(1)->setFault(1);
        loops->tailState(1)->setAlarm(1);
        loops->tailState(2)->setFault(2);
        loops->tailState(0)->setBroken(2);
        auto page = show(loops->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_tailsTreeWidget");
        QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Шлейфыы"));
        QCOMPARE(tree->topLevelItemCount(), 8);
        QCOMPARE(tree->topLevelItem(7)->text(0), QStringLiteral("Шлейф сигнализации - 8"));

        // Several loops show what they share; a change reaches all of them.
        clickRow(tree, 0);
        clickRow(tree, 1, Qt::ShiftModifier);
        QWidget* shared = stackPage(page.get(), "_tailStatesStack");
        QCOMPARE(child<YComboBox>(shared, "_faultComboBox")->value(), 1);
        QCOMPARE(child<YComboBox>(shared, "_alarmComboBox")->value(), 0);
        clickRow(tree, 2, Qt::ShiftModifier);
        shared = stackPage(page.get(), "_tailStatesStack");
        QCOMPARE(child<YComboBox>(shared, "_faultComboBox")->value(), 0);
        chooseTrigger(shared, "_faultComboBox", 2);
        for (int loop : {0, 1, 2})
            QCOMPARE(loops->tailState(loop)->fault(), quint16(2));
        QCOMPARE(recordByte(config, 0, programmbytes::kLoops + 6), 0);

        // Copy and paste the seven triggers; the loop shown last comes back with the page.
        clickRow(tree, 0);
        contextMenu(tree, 0, QStringLiteral("Копировать"));
        clickRow(tree, 5);
        clickRow(tree, 6, Qt::ShiftModifier);
        contextMenu(tree, 6, QStringLiteral("Вставить"));
        const QByteArray source = record(config, 0).mid(programmbytes::kLoops, 2);
        QCOMPARE(source, QByteArray("\x80\x02", 2));
        for (int loop : {5, 6})
            QCOMPARE(record(config, 0).mid(programmbytes::kLoops + 2 * loop, 2), source);
        QCOMPARE(record(config, 0).mid(programmbytes::kLoops + 2 * 7, 2), QByteArray(2, 0));
        clickRow(tree, 4);
        page = show(loops->createWidget(nullptr));
        tree = child<QTreeWidget>(page.get(), "_tailsTreeWidget");
        QCOMPARE(tree->currentItem(), tree->topLevelItem(4));
    }

    void ipRowsPerModel_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<int>("rows");
        QTest::newRow("4 loops") << 0 << 2;
        QTest::newRow("8 loops") << 1 << 4;
        QTest::newRow("16 loops") << 2 << 8;
    }

    void ipRowsPerModel()
    {
        QFETCH(int, deviceType);
        QFETCH(int, rows);
        Config config(deviceType);
        // The bits of outputs the model lacks are the panel's; the page leaves them alone.
        config.image[size_t(programmbytes::recordOffset(0) + programmbytes::kIp + 1)] = 0xFF;
        config.root.setImage(config.image.data());
        KVOState* ip = config.root.programms()->programmByIndex(0)->kvoState();
        auto page = show(ip->createWidget(nullptr));
        auto* group = child<YComboGroup>(page.get(), "_kvoState");
        QCOMPARE(group->title(), QStringLiteral("Состояния ИП по которым происходит активация"));
        QCOMPARE(group->count(), rows);
        QCOMPARE(group->combos().last()->text(), QStringLiteral("Неисправность ИП - %1:").arg(rows));

        chooseTrigger(group->combos().at(1), 2);
        QCOMPARE(recordByte(config, 0, programmbytes::kIp), 0x08);
        if (rows == 8) {
            chooseTrigger(group->combos().last(), 1);
            QCOMPARE(recordByte(config, 0, programmbytes::kIp + 1), 0x7F);
        }
        QTest::mouseClick(group->dropButton(), Qt::LeftButton);
        QCOMPARE(recordByte(config, 0, programmbytes::kIp), 0);
        QCOMPARE(recordByte(config, 0, programmbytes::kIp + 1), rows == 8 ? 0x00 : 0xFF);
        QCOMPARE(shownTriggers(page.get()), QList<int>(rows, 0));
    }

    void blockSelectionsStartInactive()
    {
        Config config(0);
        Programm* programm = config.root.programms()->programmByIndex(60);
        BKVStates* bkv = programm->bkvStates();
        for (int output = 0; output < 4; ++output) {
            bkv->bkvState(2)->setState(output, 1);
            bkv->bkvState(3)->setState(output, 2);
        }
        auto page = show(bkv->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_bkvTreeWidget");
        QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Блок контролируемых выходов (БКВ)"));
        QCOMPARE(rowTitles(tree).last(), QStringLiteral("Выход БКВ-А - 8"));
        clickRow(tree, 2);
        QCOMPARE(shownTriggers(stackPage(page.get(), "_bkvStatesStack")), (QList<int>{1, 1, 1, 1}));
        QCOMPARE(child<YComboGroup>(stackPage(page.get(), "_bkvStatesStack"), "_bkvState")->combos().at(3)->text(),
                 QStringLiteral("Неисправность Выхода - 4:"));
        clickRow(tree, 3, Qt::ShiftModifier);
        QWidget* shared = stackPage(page.get(), "_bkvStatesStack");
        QCOMPARE(shownTriggers(shared), (QList<int>{0, 0, 0, 0}));
        // The rows shown are what both blocks get.
        chooseTrigger(child<YComboGroup>(shared, "_bkvState")->combos().at(1), 2);
        QCOMPARE(recordByte(config, 60, programmbytes::kBkv + 2), 0x08);
        QCOMPARE(recordByte(config, 60, programmbytes::kBkv + 3), 0x08);

        BPStates* bp = programm->bpStates();
        bp->bpState(0)->setOp(1);
        bp->bpState(1)->setCh1(2);
        page = show(bp->createWidget(nullptr));
        tree = child<QTreeWidget>(page.get(), "_bpTreeWidget");
        QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Блок питания"));
        QCOMPARE(rowTitles(tree).last(), QStringLiteral("Блок питания БП-А - 4"));
        clickRow(tree, 0);
        clickRow(tree, 1, Qt::ShiftModifier);
        shared = stackPage(page.get(), "_bpStatesStack");
        QCOMPARE(shownTriggers(shared), (QList<int>{0, 0, 0, 0}));
        // One trigger changes, in both blocks; the others stay.
        chooseTrigger(shared, "_ch2ComboBox", 1);
        QCOMPARE(recordByte(config, 60, programmbytes::kBp), 0x44);
        QCOMPARE(recordByte(config, 60, programmbytes::kBp + 1), 0x06);

        // One block: each row its own two bits.
        clickRow(tree, 3);
        QWidget* single = stackPage(page.get(), "_bpStatesStack");
        const QList<std::pair<const char*, QString>> rows = {{"_opComboBox", "Неисправность ОП: "},
                                                             {"_rpComboBox", "Неисправность РП:"},
                                                             {"_ch1ComboBox", "Неисправность Канала 1:"},
                                                             {"_ch2ComboBox", "Неисправность Канала 2:"}};
        for (const auto& [name, label] : rows) {
            QCOMPARE(child<YComboBox>(single, name)->text(), label);
            chooseTrigger(single, name, 1);
        }
        QCOMPARE(recordByte(config, 60, programmbytes::kBp + 3), 0x55);
        chooseTrigger(single, "_ch1ComboBox", 2);
        QCOMPARE(recordByte(config, 60, programmbytes::kBp + 3), 0x56);
        drop(single);
        QCOMPARE(recordByte(config, 60, programmbytes::kBp + 3), 0);
    }
};

OLMA_TEST_MAIN(TestProgrammTriggerPages)
#include "tst_programmtriggerpages.moc"
