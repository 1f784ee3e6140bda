#include "config/programm/params.h"
#include "config/programm/programms.h"
#include "programmpagetest.h"
#include "testmain.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

using namespace olma::config;
using namespace pagetest;
using namespace programmpagetest;
using programmbytes::kDelay;
using programmbytes::kFlags;
using programmbytes::kWorkTime;

namespace {

constexpr unsigned char kInitStateBit = 0x01;
constexpr unsigned char kTacticBit = 0x02;

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

} // namespace

class TestProgrammParamsPage : public QObject
{
    Q_OBJECT

private slots:
    void fireSafetyBoxOnlyOnControlledOutputs_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<unsigned>("index");
        QTest::addColumn<bool>("shown");
        QTest::newRow("built-in relay") << 0 << 0u << false;
        QTest::newRow("light notifier") << 0 << 9u << false;
        QTest::newRow("ИП 1") << 0 << 10u << true;
        QTest::newRow("ИП 2") << 0 << 11u << true;
        QTest::newRow("ИП 8") << 2 << 17u << true;
        QTest::newRow("БРВ-А") << 0 << 18u << false;
        QTest::newRow("БВИ-А") << 0 << 113u << false;
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
        QCOMPARE(enabledTabs(tabs), (QList<bool>{true, false, false, false, false, false, true}));
        params = tabs->widget(0);
        QVERIFY(child<QCheckBox>(params, "_fireSafetyIPCheckBox")->isChecked());
        for (const char* name : {"_initStateComboBox", "_tacticComboBox", "_timeoutSpinBox", "_noLimitWorkCheckBox"})
            QVERIFY2(!child<QWidget>(params, name)->isEnabled(), name);
        QCOMPARE(child<QComboBox>(params, "_initStateComboBox")->currentText(), QStringLiteral("Включено"));

        // Off again: the output starts off, the triggers can be set again.
        click(child<QCheckBox>(params, "_fireSafetyIPCheckBox"));
        QCOMPARE(recordByte(config, kIp3, kFlags), 0xFC);
        tabs = editorTabs(page.get());
        QCOMPARE(enabledTabs(tabs), QList<bool>(7, true));
        params = tabs->widget(0);
        QVERIFY(!child<QCheckBox>(params, "_fireSafetyIPCheckBox")->isChecked());
        for (const char* name : {"_initStateComboBox", "_tacticComboBox", "_timeoutSpinBox", "_noLimitWorkCheckBox"})
            QVERIFY2(child<QWidget>(params, name)->isEnabled(), name);
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
        QTest::mouseClick(child<QPushButton>(editorTabs(page.get())->widget(0), "_dropButton"), Qt::LeftButton);
        QCOMPARE(record(config, 1), programmbytes::record(expected, 1));

        // Several programs: all of them.
        page = show(programms->createWidget(nullptr));
        QTreeWidget* tree = child<QTreeWidget>(page.get(), "_programmsTreeWidget");
        clickRow(tree, 16); // programs 20 and 21 of the 8-loop model, after its four ИП
        clickRow(tree, 17, Qt::ShiftModifier);
        QCOMPARE(tree->topLevelItem(16)->text(0), QStringLiteral("БРВ-А 1 Реле-3"));
        QTest::mouseClick(child<QPushButton>(editorTabs(page.get())->widget(0), "_dropButton"), Qt::LeftButton);
        QCOMPARE(record(config, 20), programmbytes::record(expected, 20));
        QCOMPARE(record(config, 21), programmbytes::record(expected, 21));
        QCOMPARE(record(config, 22), QByteArray(programmbytes::kRecordSize, 0));
    }
};

OLMA_TEST_MAIN(TestProgrammParamsPage)
#include "tst_programmparamspage.moc"
