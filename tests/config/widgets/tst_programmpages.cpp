#include "app/edithistory.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "config/programm/trigger.h"
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

namespace {

const QStringList kSingleTabs = {"Параметры",    "Состояние ШС", "Состояние блоков", "Состояние ИП",
                                 "Выходы БКВ-А", "Цепи БП-А",    "Описание"};

QTreeWidget* programmsTree(QWidget* page)
{
    return child<QTreeWidget>(page, "_programmsTreeWidget");
}

using programmbytes::kDelay;
using programmbytes::kFlags;
using programmbytes::kWorkTime;

constexpr unsigned char kInitStateBit = 0x01;
constexpr unsigned char kTacticBit = 0x02;
// What a fire-safe output locks: the triggers' tabs and these parameters.
const QList<bool> kFireSafeTabs = {true, false, false, false, false, false, true};
const char* const kLockedByFireSafety[] = {"_initStateComboBox", "_tacticComboBox", "_timeoutSpinBox",
                                           "_noLimitWorkCheckBox"};

// A record with every bit set but the initial state: lamp, a delay of 9 s, 30 s of work, and every
// trigger byte full.
void fillRecord(Config& config, int index)
{
    const int at = programmbytes::recordOffset(index);
    std::fill(config.image.begin() + at, config.image.begin() + at + programmbytes::kRecordSize, 0xFF);
    config.image[size_t(at + kFlags)] = 0xFE;
    config.image[size_t(at + kDelay)] = 9;
    config.image[size_t(at + kWorkTime)] = 30;
    config.image[size_t(at + kWorkTime + 1)] = 0;
    config.root.setImage(config.image.data());
}

void typeNumber(QSpinBox* spin, const QString& digits)
{
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, digits);
}

// Which tab pages of an editor take input.
QList<bool> enabledTabs(QTabWidget* tabs)
{
    QList<bool> enabled;
    for (int i = 0; i < tabs->count(); ++i)
        enabled.append(tabs->widget(i)->isEnabled());
    return enabled;
}

void drop(QWidget* page)
{
    QTest::mouseClick(child<QPushButton>(page, "_dropButton"), Qt::LeftButton);
}

} // namespace

class TestProgrammPages : public QObject
{
    Q_OBJECT

private slots:
    void listFollowsTheModel_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastIp");
        QTest::newRow("4 loops") << 0 << 108 << "Контролируемый выход (ИП) - 2";
        QTest::newRow("8 loops") << 1 << 110 << "Контролируемый выход (ИП) - 4";
        QTest::newRow("16 loops") << 2 << 114 << "Контролируемый выход (ИП) - 8";
    }

    void listFollowsTheModel()
    {
        QFETCH(int, deviceType);
        QFETCH(int, rows);
        QFETCH(QString, lastIp);
        Config config(deviceType);
        auto page = show(config.root.programms()->createWidget(nullptr));
        QTreeWidget* tree = programmsTree(page.get());
        QCOMPARE(tree->topLevelItemCount(), rows);
        const int lastIpRow = rows - 96 - 1; // 96 block outputs follow the ИП
        QCOMPARE(tree->topLevelItem(lastIpRow)->text(0), lastIp);
        QCOMPARE(tree->topLevelItem(lastIpRow + 1)->text(0), QStringLiteral("БРВ-А 1 Реле-1"));
        QCOMPARE(tree->topLevelItem(rows - 1)->text(0), QStringLiteral("БВИ-А 4 С/Д-8"));
        // The longest titles read whole as the page opens.
        QVERIFY(tree->viewport()->width() > tree->fontMetrics().horizontalAdvance(lastIp));

        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        QCOMPARE(tabTitles(editorTabs(page.get())), kSingleTabs);
    }

    void twoProgrammsAreEditedTogether()
    {
        Config config(1);
        Programms* programms = config.root.programms();
        auto page = show(programms->createWidget(nullptr));
        QTreeWidget* tree = programmsTree(page.get());
        clickRow(tree, 3);
        clickRow(tree, 20, Qt::ControlModifier);
        const int second = int(programms->programm(20)->index());

        QTabWidget* tabs = editorTabs(page.get());
        QCOMPARE(tabTitles(tabs), kSingleTabs.mid(0, 6));
        QWidget* loops = openTab(tabs, QStringLiteral("Состояние ШС"));
        clickRow(child<QTreeWidget>(loops, "_tailsTreeWidget"), 2);
        chooseTrigger(stackPage(loops, "_tailStatesStack"), "_faultComboBox", 1);
        const int loop2 = programmbytes::kLoops + 4;
        for (int index : {3, second})
            QCOMPARE(recordByte(config, index, loop2), 0x40);
        QCOMPARE(recordByte(config, 4, loop2), 0);

        // Back to one program: its description and the tab it showed last.
        clickRow(tree, 20);
        tabs = editorTabs(page.get());
        QCOMPARE(tabTitles(tabs), kSingleTabs);
        openTab(tabs, QStringLiteral("Цепи БП-А"));
        clickRow(tree, 3);
        QCOMPARE(editorTabs(page.get())->currentIndex(), 0);
        clickRow(tree, 20);
        QCOMPARE(editorTabs(page.get())->tabText(editorTabs(page.get())->currentIndex()), QStringLiteral("Цепи БП-А"));
    }

    void pasteCopiesTheWholeProgramm()
    {
        Config config(2);
        Programms* programms = config.root.programms();
        Programm* source = programms->programm(5);
        source->params()->setTimeout(12);
        source->params()->setTactic(1);
        source->tailStates()->tailState(15)->setAlarm(2);
        source->pcState()->setZoFault(1);
        source->kvoState()->setState(7, 1);
        source->bkvStates()->bkvState(3)->setState(2, 2);
        source->bpStates()->bpState(1)->setCh1(1);

        auto page = show(programms->createWidget(nullptr));
        QTreeWidget* tree = programmsTree(page.get());
        clickRow(tree, 5);
        QWidget* description = openTab(editorTabs(page.get()), QStringLiteral("Описание"));
        auto* text = child<QTextEdit>(description, "_descrTextEdit");
        text->setFocus();
        type(text, QStringLiteral("Насос"));
        QCOMPARE(source->description(), QStringLiteral("Насос"));

        QCOMPARE(contextMenu(tree, 5), (QStringList{"Копировать", "(Вставить)"}));
        contextMenu(tree, 5, QStringLiteral("Копировать"));
        // The source is taken as it is when pasting, not when copying.
        source->params()->setWorkTime(30);

        clickRow(tree, 40);
        clickRow(tree, 42, Qt::ShiftModifier);
        QCOMPARE(contextMenu(tree, 41, QStringLiteral("Вставить")), (QStringList{"(Копировать)", "Вставить"}));
        for (int index : {40, 41, 42}) {
            QCOMPARE(record(config, index), record(config, 5));
            QCOMPARE(programms->programm(index)->description(), QStringLiteral("Насос"));
        }
        QCOMPARE(recordByte(config, 40, programmbytes::kWorkTime), 30);
        QCOMPARE(record(config, 43), QByteArray(programmbytes::kRecordSize, 0));
        QCOMPARE(tabTitles(editorTabs(page.get())), kSingleTabs.mid(0, 6));
    }

    void fireSafetyOfAControlledOutput()
    {
        Config config(2);
        constexpr int kIp3 = 12;
        fillRecord(config, kIp3);
        auto page = show(config.root.programms()->programmByIndex(kIp3)->createWidget(nullptr));
        QTabWidget* tabs = editorTabs(page.get());
        QWidget* params = tabs->widget(0);
        QVERIFY(!child<QCheckBox>(params, "_fireSafetyIPCheckBox")->isChecked());

        // On: always on, automatic, no delay, no limit, and no event switches the output any more.
        click(child<QCheckBox>(params, "_fireSafetyIPCheckBox"));
        auto expected = config.image;
        programmbytes::resetRecord(expected, kIp3, 16, 8);
        expected[size_t(programmbytes::recordOffset(kIp3) + kFlags)] |= kInitStateBit;
        QCOMPARE(record(config, kIp3), programmbytes::record(expected, kIp3));
        QCOMPARE(recordByte(config, kIp3, kFlags), 0xFD);

        tabs = editorTabs(page.get());
        QCOMPARE(enabledTabs(tabs), kFireSafeTabs);
        params = tabs->widget(0);
        QVERIFY(child<QCheckBox>(params, "_fireSafetyIPCheckBox")->isChecked());
        for (const char* name : kLockedByFireSafety)
            QVERIFY2(!child<QWidget>(params, name)->isEnabled(), name);
        QCOMPARE(child<QComboBox>(params, "_initStateComboBox")->currentText(), QStringLiteral("Включено"));

        // Off again: the output starts off, the triggers can be set again.
        click(child<QCheckBox>(params, "_fireSafetyIPCheckBox"));
        QCOMPARE(recordByte(config, kIp3, kFlags), 0xFC);
        tabs = editorTabs(page.get());
        QCOMPARE(enabledTabs(tabs), QList<bool>(7, true));
        params = tabs->widget(0);
        QVERIFY(!child<QCheckBox>(params, "_fireSafetyIPCheckBox")->isChecked());
        for (const char* name : kLockedByFireSafety)
            QVERIFY2(child<QWidget>(params, name)->isEnabled(), name);
        // Loaded on from the start, the output is shown fire-safe, its triggers locked alike.
        config.image[size_t(programmbytes::recordOffset(kIp3) + kFlags)] |= kInitStateBit;
        config.root.setImage(config.image.data());
        page = show(config.root.programms()->programmByIndex(kIp3)->createWidget(nullptr));
        tabs = editorTabs(page.get());
        QVERIFY(child<QCheckBox>(tabs->widget(0), "_fireSafetyIPCheckBox")->isChecked());
        QCOMPARE(enabledTabs(tabs), kFireSafeTabs);
    }

    void switchedOnFromTheStart_data()
    {
        QTest::addColumn<unsigned>("index");
        QTest::addColumn<QByteArray>("parameters");
        // An ИП on from the start works at once, without limit, automatically; a relay keeps the rest.
        QTest::newRow("ИП") << 10u << QByteArray("\xFD\x00\x00\x00", 4);
        QTest::newRow("built-in relay") << 0u << QByteArray("\xFF\x09\x1E\x00", 4);
    }

    void switchedOnFromTheStart()
    {
        QFETCH(unsigned, index);
        QFETCH(QByteArray, parameters);
        Config config(0);
        fillRecord(config, int(index));
        auto page = show(config.root.programms()->programmByIndex(index)->params()->createWidget(nullptr));
        auto* initState = child<QComboBox>(page.get(), "_initStateComboBox");
        choose(initState, 1);
        QCOMPARE(record(config, int(index)).left(4), parameters);
        QCOMPARE(record(config, int(index)).mid(programmbytes::kLoops), QByteArray(48, '\xFF'));
        QCOMPARE(initState->palette().color(QPalette::Button), QColor(192, 255, 192));
        QVERIFY(!child<QCheckBox>(page.get(), "_fireSafetyIPCheckBox")->isChecked());
        // Only a controlled output offers fire safety.
        QCOMPARE(child<QGroupBox>(page.get(), "_buttonGroupBox")->isVisible(), index == 10);
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
        // The record holds 16 bits of work time.
        QCOMPARE(workTime->maximum(), 65535);

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

    void dropAll()
    {
        Config config(1);
        Programms* programms = config.root.programms();
        for (int index : {1, 20, 21})
            fillRecord(config, index);
        auto expected = config.image;
        for (int index : {1, 20, 21})
            programmbytes::resetRecord(expected, index, 8, 4);

        // One program: its parameters and every trigger.
        auto page = show(programms->programmByIndex(1)->createWidget(nullptr));
        drop(editorTabs(page.get())->widget(0));
        QCOMPARE(record(config, 1), programmbytes::record(expected, 1));

        // Several programs: all of them.
        page = show(programms->createWidget(nullptr));
        QTreeWidget* tree = programmsTree(page.get());
        clickRow(tree, 16); // programs 20 and 21 of the 8-loop model, after its four ИП
        clickRow(tree, 17, Qt::ShiftModifier);
        QCOMPARE(tree->topLevelItem(16)->text(0), QStringLiteral("БРВ-А 1 Реле-3"));
        drop(editorTabs(page.get())->widget(0));
        QCOMPARE(record(config, 20), programmbytes::record(expected, 20));
        QCOMPARE(record(config, 21), programmbytes::record(expected, 21));
        QCOMPARE(record(config, 22), QByteArray(programmbytes::kRecordSize, 0));
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

        // Several loops show what they share, blank what differs; a change reaches all of them.
        clickRow(tree, 0);
        clickRow(tree, 1, Qt::ShiftModifier);
        QWidget* shared = stackPage(page.get(), "_tailStatesStack");
        QCOMPARE(child<YComboBox>(shared, "_faultComboBox")->value(), 1);
        QCOMPARE(child<YComboBox>(shared, "_alarmComboBox")->value(), -1);
        QCOMPARE(child<YComboBox>(shared, "_takeOffComboBox")->value(), 0);
        clickRow(tree, 2, Qt::ShiftModifier);
        shared = stackPage(page.get(), "_tailStatesStack");
        QCOMPARE(child<YComboBox>(shared, "_faultComboBox")->value(), -1);
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

    // К1 with loop 1 Пожар-1 "Активно" and loop 2 Тревога "Запрет" selected with К2: the editor
    // shows what differs blank, one trigger set reaches both and nothing else moves; the steps undo
    // and redo byte for byte, "Сбросить все" and a paste included.
    void programmSelectionKeepsEachProgrammsTriggers()
    {
        Config config(2);
        Programms* programms = config.root.programms();
        Programm* k1 = programms->programmByIndex(0);
        k1->tailStates()->tailState(0)->setFire1(TriggerActive);
        k1->tailStates()->tailState(1)->setAlarm(TriggerForbidden);
        k1->params()->setTimeout(5);
        olma::app::EditHistory history(config.image, config.root);
        const auto opened = config.image;

        auto page = show(programms->createWidget(nullptr));
        QTreeWidget* tree = programmsTree(page.get());
        clickRow(tree, 0);
        clickRow(tree, 1, Qt::ControlModifier);
        QCOMPARE(config.image, opened);
        QTabWidget* tabs = editorTabs(page.get());
        auto* delay = child<QSpinBox>(tabs->widget(0), "_timeoutSpinBox");
        QCOMPARE(delay->text(), QStringLiteral("—"));
        QWidget* loops = openTab(tabs, QStringLiteral("Состояние ШС"));
        auto* loopTree = child<QTreeWidget>(loops, "_tailsTreeWidget");
        clickRow(loopTree, 0);
        QCOMPARE(child<YComboBox>(stackPage(loops, "_tailStatesStack"), "_fire1ComboBox")->value(), -1);
        clickRow(loopTree, 2);
        chooseTrigger(stackPage(loops, "_tailStatesStack"), "_takeOffComboBox", TriggerActive);
        const int loop1 = programmbytes::kLoops;
        QCOMPARE(recordByte(config, 0, loop1), 0x10);
        QCOMPARE(recordByte(config, 0, loop1 + 2), 0x08);
        for (int index : {0, 1})
            QCOMPARE(recordByte(config, index, loop1 + 4), 0x01);
        QCOMPARE(recordByte(config, 1, loop1), 0x00);
        history.checkpoint();
        const auto edited = config.image;

        history.undo();
        QCOMPARE(config.image, opened);
        history.redo();
        QCOMPARE(config.image, edited);

        // "Сбросить все" on both, then undone in one step.
        page = show(programms->createWidget(nullptr));
        tree = programmsTree(page.get());
        clickRow(tree, 0);
        clickRow(tree, 1, Qt::ControlModifier);
        drop(editorTabs(page.get())->widget(0));
        QCOMPARE(record(config, 0), QByteArray(programmbytes::kRecordSize, 0));
        history.checkpoint();
        history.undo();
        QCOMPARE(config.image, edited);
        history.redo();
        QCOMPARE(record(config, 0), QByteArray(programmbytes::kRecordSize, 0));
        history.undo();

        // A paste of К1 into К3.
        page = show(programms->createWidget(nullptr));
        tree = programmsTree(page.get());
        clickRow(tree, 0);
        contextMenu(tree, 0, QStringLiteral("Копировать"));
        clickRow(tree, 2);
        contextMenu(tree, 2, QStringLiteral("Вставить"));
        QCOMPARE(record(config, 2).mid(loop1), record(config, 0).mid(loop1));
        history.checkpoint();
        history.undo();
        QCOMPARE(config.image, edited);
    }

    // The list sums up each program's active triggers; the filter keeps programs in use, or those
    // whose number or text matches.
    void summaryAndFilter()
    {
        Config config(2);
        Programms* programms = config.root.programms();
        Programm* k1 = programms->programmByIndex(0);
        for (int loop = 0; loop < 3; ++loop)
            k1->tailStates()->tailState(loop)->setFire1(TriggerActive);
        k1->bpStates()->bpState(0)->setOp(TriggerActive);
        programms->programmByIndex(9)->tailStates()->tailState(5)->setAlarm(TriggerForbidden);
        auto page = show(programms->createWidget(nullptr));
        QTreeWidget* tree = programmsTree(page.get());
        QCOMPARE(tree->topLevelItem(0)->text(1), QStringLiteral("ШС 1–3: Пожар-1; БП-А 1: ОП"));
        QCOMPARE(tree->topLevelItem(9)->text(1), QString());

        const auto shown = [tree] {
            QList<int> rows;
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                if (!tree->topLevelItem(i)->isHidden())
                    rows.append(i);
            }
            return rows;
        };
        click(child<QCheckBox>(page.get(), "_onlyCheckBox"));
        QCOMPARE(shown(), (QList<int>{0, 9}));
        auto* filter = child<QLineEdit>(page.get(), "_filterLineEdit");
        filter->setText(QStringLiteral("пожар"));
        QCOMPARE(shown(), (QList<int>{0}));
        click(child<QCheckBox>(page.get(), "_onlyCheckBox"));
        filter->setText(QStringLiteral("10"));
        QVERIFY(shown().contains(9));
        QVERIFY(!shown().contains(0));

        // An edit shows in the summary at once.
        clickRow(tree, 9);
        QWidget* loops = openTab(editorTabs(page.get()), QStringLiteral("Состояние ШС"));
        clickRow(child<QTreeWidget>(loops, "_tailsTreeWidget"), 1);
        chooseTrigger(stackPage(loops, "_tailStatesStack"), "_takeOffComboBox", TriggerActive);
        QCOMPARE(tree->topLevelItem(9)->text(1), QStringLiteral("ШС 2: Снят"));
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
        QCOMPARE(tree->topLevelItem(tree->topLevelItemCount() - 1)->text(0), QStringLiteral("Выход БКВ-А - 8"));
        clickRow(tree, 2);
        QCOMPARE(shownTriggers(stackPage(page.get(), "_bkvStatesStack")), (QList<int>{1, 1, 1, 1}));
        QCOMPARE(child<YComboGroup>(stackPage(page.get(), "_bkvStatesStack"), "_bkvState")->combos().at(3)->text(),
                 QStringLiteral("Неисправность Выхода - 4:"));
        clickRow(tree, 3, Qt::ShiftModifier);
        QWidget* shared = stackPage(page.get(), "_bkvStatesStack");
        // The outputs differ: every row blank.
        QCOMPARE(shownTriggers(shared), (QList<int>{-1, -1, -1, -1}));
        // One output changes, in both blocks; the others stay each block's own.
        chooseTrigger(child<YComboGroup>(shared, "_bkvState")->combos().at(1), 2);
        QCOMPARE(recordByte(config, 60, programmbytes::kBkv + 2), 0x59);
        QCOMPARE(recordByte(config, 60, programmbytes::kBkv + 3), 0xAA);

        BPStates* bp = programm->bpStates();
        bp->bpState(0)->setOp(1);
        bp->bpState(1)->setCh1(2);
        page = show(bp->createWidget(nullptr));
        tree = child<QTreeWidget>(page.get(), "_bpTreeWidget");
        QCOMPARE(tree->topLevelItem(tree->topLevelItemCount() - 1)->text(0), QStringLiteral("Блок питания БП-А - 4"));
        clickRow(tree, 0);
        clickRow(tree, 1, Qt::ShiftModifier);
        shared = stackPage(page.get(), "_bpStatesStack");
        QCOMPARE(shownTriggers(shared).count(-1), 2);
        // One trigger changes, in both blocks; the others stay.
        chooseTrigger(shared, "_ch2ComboBox", 1);
        QCOMPARE(recordByte(config, 60, programmbytes::kBp), 0x44);
        QCOMPARE(recordByte(config, 60, programmbytes::kBp + 1), 0x06);
    }
};

OLMA_TEST_MAIN(TestProgrammPages)
#include "tst_programmpages.moc"
