#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "config/widgets/ycombogroup.h"
#include "programmpagetest.h"
#include "testmain.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

using namespace olma::config;
using namespace pagetest;
using namespace programmpagetest;
using namespace olma::config::programm;

namespace {} // namespace

using programmbytes::kDelay;
using programmbytes::kFlags;
using programmbytes::kWorkTime;

namespace {

constexpr unsigned char kTacticBit = 0x02;

void typeNumber(QSpinBox* spin, const QString& digits)
{
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, digits);
}

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

class TestProgrammPages : public QObject
{
    Q_OBJECT

private slots:
    void fireSafetyBoxOnlyOnControlledOutputs_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<unsigned>("index");
        QTest::addColumn<bool>("shown");
        QTest::newRow("built-in relay") << 0 << 0u << false;
        QTest::newRow("ИП 1") << 0 << 10u << true;
        QTest::newRow("ИП 8") << 2 << 17u << true;
        QTest::newRow("БРВ-А") << 0 << 18u << false;
    }

    void fireSafetyBoxOnlyOnControlledOutputs()
    {
        QFETCH(int, deviceType);
        QFETCH(unsigned, index);
        QFETCH(bool, shown);
        Config config(deviceType);
        auto page = show(config.root.programms()->programmByIndex(index)->params()->createWidget(nullptr));
        QCOMPARE(child<QGroupBox>(page.get(), "_buttonGroupBox")->isVisible(), shown);
    }

    void workTimeDelayAndTactic()
    {
        Config config(0);
        config.image[size_t(programmbytes::recordOffset(30) + kFlags)] = 0xF0;
        config.root.setImage(config.image.data());
        Programm* programm = config.root.programms()->programmByIndex(30);
        auto page = show(programm->params()->createWidget(nullptr));
        auto* noLimit = child<QCheckBox>(page.get(), "_noLimitWorkCheckBox");
        auto* workTime = child<QSpinBox>(page.get(), "_workTimeSpinBox");
        QVERIFY(noLimit->isChecked());
        QVERIFY(!workTime->isEnabled());
        QCOMPARE(workTime->minimum(), 1);
        QCOMPARE(workTime->maximum(), 9999);

        click(noLimit);
        QVERIFY(workTime->isEnabled());
        QCOMPARE(record(config, 30).mid(kWorkTime, 2), QByteArray("\x01\x00", 2));
        typeNumber(workTime, QStringLiteral("9999"));
        QCOMPARE(record(config, 30).mid(kWorkTime, 2), QByteArray("\x0F\x27", 2));
        click(noLimit);
        QVERIFY(!workTime->isEnabled());
        QCOMPARE(record(config, 30).mid(kWorkTime, 2), QByteArray("\x00\x00", 2));

        auto* delay = child<QSpinBox>(page.get(), "_timeoutSpinBox");
        QCOMPARE(delay->maximum(), 255);
        typeNumber(delay, QStringLiteral("200"));
        QCOMPARE(recordByte(config, 30, kDelay), 200);
        choose(child<QComboBox>(page.get(), "_tacticComboBox"), 1);
        QCOMPARE(recordByte(config, 30, kFlags), 0xF0 | kTacticBit);

        // A limited work time comes back in its field.
        programm->params()->setWorkTime(300);
        page = show(programm->params()->createWidget(nullptr));
        QVERIFY(!child<QCheckBox>(page.get(), "_noLimitWorkCheckBox")->isChecked());
        QCOMPARE(child<QSpinBox>(page.get(), "_workTimeSpinBox")->value(), 300);
        QCOMPARE(child<QComboBox>(page.get(), "_tacticComboBox")->currentIndex(), 1);
    }

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
        QTest::newRow("violated") << false << "_brokenComboBox" << QStringLiteral("Нарушен: ") << 17 << 0;
        QTest::newRow("disarming delay") << false << "_guardOffDelayComboBox" << QStringLiteral("Задержка на снятие: ")
                                         << 17 << 4;
        QTest::newRow("case") << true << "_CorpseOpenComboBox" << QStringLiteral("Вскрытие корпуса") << 36 << 0;
        QTest::newRow("notification") << true << "_NoticeOffFaultComboBox" << QStringLiteral("Отключение оповещения")
                                      << 37 << 2;
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

        // The row's colour follows its value: red for a ban, green for active, plain otherwise.
        const QColor plain = combo->palette().color(QPalette::Button);
        chooseTrigger(combo, 2);
        QCOMPARE(recordByte(config, kProgramm, offset), 2 << shift);
        QCOMPARE(recordByte(config, kProgramm, offset ^ 1), 0);
        QCOMPARE(combo->palette().color(QPalette::Button), QColor(255, 192, 192));
        chooseTrigger(combo, 1);
        QCOMPARE(recordByte(config, kProgramm, offset), 1 << shift);
        QCOMPARE(combo->palette().color(QPalette::Button), QColor(192, 255, 192));

        drop(page);
        QCOMPARE(recordByte(config, kProgramm, offset), 0);
        QCOMPARE(combo->value(), 0);
        QCOMPARE(combo->palette().color(QPalette::Button), plain);
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
    }
};

OLMA_TEST_MAIN(TestProgrammPages)
#include "tst_programmpages.moc"
