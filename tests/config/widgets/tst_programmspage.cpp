#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "programmpagetest.h"
#include "testmain.h"

#include <QGroupBox>
#include <QSpinBox>
#include <QTextEdit>

using namespace olma::config;
using namespace pagetest;
using namespace programmpagetest;

namespace {

const QStringList kSingleTabs = {"Параметры",    "Состояние ШС", "Состояние блоков", "Состояние ИП",
                                 "Выходы БКВ-А", "Цепи БП-А",    "Описание"};

QTreeWidget* programmsTree(QWidget* page)
{
    return child<QTreeWidget>(page, "_programmsTreeWidget");
}

} // namespace

class TestProgrammsPage : public QObject
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
        QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Реле (выход)"));
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

        // The parameters go to both programs whole.
        QWidget* params = openTab(tabs, QStringLiteral("Параметры"));
        auto* delay = child<QSpinBox>(params, "_timeoutSpinBox");
        delay->setFocus();
        QTest::keyClick(delay, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(delay, "7");
        for (int index : {3, second})
            QCOMPARE(recordByte(config, index, programmbytes::kDelay), 7);

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
        QCOMPARE(child<QGroupBox>(description, "_descrFrame")->title(),
                 QStringLiteral("Описание алгоритма активации реле"));
        auto* text = child<QTextEdit>(description, "_descrTextEdit");
        text->setFocus();
        type(text, QStringLiteral("Насос"));
        QCOMPARE(source->description(), QStringLiteral("Насос"));

        QCOMPARE(contextMenu(tree, 5),
                 (QList<MenuEntry>{{QStringLiteral("Копировать"), true}, {QStringLiteral("Вставить"), false}}));
        contextMenu(tree, 5, QStringLiteral("Копировать"));
        // The source is taken as it is when pasting, not when copying.
        source->params()->setWorkTime(30);

        clickRow(tree, 40);
        clickRow(tree, 42, Qt::ShiftModifier);
        QCOMPARE(contextMenu(tree, 41, QStringLiteral("Вставить")),
                 (QList<MenuEntry>{{QStringLiteral("Копировать"), false}, {QStringLiteral("Вставить"), true}}));
        for (int index : {40, 41, 42}) {
            QCOMPARE(record(config, index), record(config, 5));
            QCOMPARE(programms->programm(index)->description(), QStringLiteral("Насос"));
        }
        QCOMPARE(recordByte(config, 40, programmbytes::kWorkTime), 30);
        QCOMPARE(record(config, 43), QByteArray(programmbytes::kRecordSize, 0));
        QCOMPARE(tabTitles(editorTabs(page.get())), kSingleTabs.mid(0, 6));
    }
};

OLMA_TEST_MAIN(TestProgrammsPage)
#include "tst_programmspage.moc"
