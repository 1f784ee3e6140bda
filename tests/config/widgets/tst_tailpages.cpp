#include "config/multitail.h"
#include "config/tails.h"
#include "pagetest.h"
#include "testmain.h"

#include <QStackedWidget>
#include <QTextEdit>

using namespace olma::config;
using namespace pagetest;
using Bytes = std::vector<unsigned char>;

namespace {

int loopOffset(int loop)
{
    return kTailsOffset + 2 * loop;
}

QWidget* shownPage(QWidget* tailsPage)
{
    return child<QStackedWidget>(tailsPage, "_tailStack")->currentWidget();
}

// The enabled boxes and combos of a loop page, by object name.
QStringList enabledControls(QWidget* page)
{
    QStringList out;
    for (const char* name :
         {"_fire1CheckBox", "_faultCheckCheckBox", "_reRequestCheckBox", "_autoReGuardOnCheckBox", "_bizExCheckBox",
          "_autoResetCheckBox", "_withoutAlarmCheckBox", "_guardOffTimeoutComboBox", "_guardOnTimeoutComboBox"}) {
        if (child<QWidget>(page, name)->isEnabled())
            out.append(QString::fromLatin1(name));
    }
    return out;
}

} // namespace

class TestTailPages : public QObject
{
    Q_OBJECT

private slots:
    void loopTypeSwitchesTheFlags_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<int>("type");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<QStringList>("enabled");
        const QStringList fire = {"_fire1CheckBox", "_reRequestCheckBox", "_bizExCheckBox"};
        const QStringList guard = {"_faultCheckCheckBox", "_autoReGuardOnCheckBox", "_bizExCheckBox",
                                   "_autoResetCheckBox", "_withoutAlarmCheckBox"};
        // Second byte: bit 5 silent, 4 power reset, 3 БИЗ-Ex, 2 re-arming, 1 re-request, 0 fault check.
        QTest::newRow("security to fire") << Bytes{0x00, 0xE4} << 4 << Bytes{0x04, 0xD1} << fire;
        QTest::newRow("security to heat fire") << Bytes{0x00, 0x00} << 6 << Bytes{0x06, 0x11} << fire;
        QTest::newRow("security to user-defined") << Bytes{0x00, 0x00} << 7 << Bytes{0x07, 0x11} << fire;
        QTest::newRow("fire to entry/exit")
            << Bytes{0x84, 0x1B} << 2 << Bytes{0x02, 0x19}
            << guard + QStringList{"_guardOffTimeoutComboBox", "_guardOnTimeoutComboBox"};
        QTest::newRow("fire to technological") << Bytes{0x84, 0x13} << 5 << Bytes{0x05, 0x11} << guard;
    }

    void loopTypeSwitchesTheFlags()
    {
        QFETCH(Bytes, before);
        QFETCH(int, type);
        QFETCH(Bytes, after);
        QFETCH(QStringList, enabled);
        Config config;
        std::copy(before.begin(), before.end(), config.image.begin() + loopOffset(1));
        config.root.setImage(config.image.data());
        auto page = show(config.root.tails()->tail(1)->createWidget(nullptr));
        QCOMPARE(config.bytes(loopOffset(1), 2), before);
        auto* combo = child<QComboBox>(page.get(), "_tailTypeComboBox");
        QCOMPARE(combo->itemText(6), QStringLiteral("Пожарный (тепловой)"));
        choose(combo, type);
        QCOMPARE(combo->currentIndex(), type);
        QCOMPARE(config.bytes(loopOffset(1), 2), after);
        QCOMPARE(enabledControls(page.get()), enabled);
        QCOMPARE(config.bytes(loopOffset(0), 2), (Bytes{0, 0}));
    }

    void aFireLoopShownWithoutItsFixedFlagsGetsThem()
    {
        Config config;
        config.image[size_t(loopOffset(2))] = 0x04;
        config.root.setImage(config.image.data());
        auto page = show(config.root.tails()->tail(2)->createWidget(nullptr));
        QCOMPARE(config.bytes(loopOffset(2), 2), (Bytes{0x04, 0x11}));
    }

    void flagsAndTimeouts()
    {
        Config config;
        config.root.tails()->tail(0)->setTailType(TailEntryExit);
        auto page = show(config.root.tails()->tail(0)->createWidget(nullptr));
        choose(child<QComboBox>(page.get(), "_guardOnTimeoutComboBox"), 1);
        QCOMPARE(config.byte(loopOffset(0) + 1), 0x80);
        choose(child<QComboBox>(page.get(), "_guardOffTimeoutComboBox"), 1);
        QCOMPARE(config.byte(loopOffset(0) + 1), 0xC0);
        choose(child<QComboBox>(page.get(), "_guardOnTimeoutComboBox"), 0);
        QCOMPARE(config.byte(loopOffset(0) + 1), 0x40);
        const QList<std::pair<const char*, int>> boxes = {{"_withoutAlarmCheckBox", 0x20},
                                                          {"_autoResetCheckBox", 0x10},
                                                          {"_bizExCheckBox", 0x08},
                                                          {"_autoReGuardOnCheckBox", 0x04},
                                                          {"_faultCheckCheckBox", 0x01}};
        for (const auto& [name, bit] : boxes) {
            click(child<QCheckBox>(page.get(), name));
            QCOMPARE(config.byte(loopOffset(0) + 1), 0x40 | bit);
            click(child<QCheckBox>(page.get(), name));
        }
        QCOMPARE(config.bytes(loopOffset(0), 2), (Bytes{0x02, 0x40}));
    }

    void loopsListFollowsTheModel_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<int>("rows");
        QTest::newRow("4 loops") << 0 << 4;
        QTest::newRow("8 loops") << 1 << 8;
        QTest::newRow("16 loops") << 2 << 16;
    }

    void loopsListFollowsTheModel()
    {
        QFETCH(int, deviceType);
        QFETCH(int, rows);
        Config config(deviceType);
        auto page = show(config.root.tails()->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_tailsTreeWidget");
        QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Шлейф"));
        QCOMPARE(tree->topLevelItemCount(), rows);
        QCOMPARE(tree->topLevelItem(rows - 1)->text(0), QStringLiteral("ШС - %1").arg(rows));

        // The last loop shown comes back with the page.
        clickRow(tree, rows - 1);
        page = show(config.root.tails()->createWidget(nullptr));
        tree = child<QTreeWidget>(page.get(), "_tailsTreeWidget");
        QCOMPARE(tree->currentItem(), tree->topLevelItem(rows - 1));
    }

    void severalLoopsAndPaste()
    {
        Config config(1);
        Tails* tails = config.root.tails();
        tails->tail(0)->setTailType(TailFire);
        tails->tail(0)->setFire1(true);
        tails->tail(0)->setBizEx(true);
        tails->tail(0)->setDescription(QStringLiteral("Склад"));
        tails->tail(4)->setTailType(TailDaily);
        auto page = show(tails->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_tailsTreeWidget");

        // Two loops selected: one page edits both.
        clickRow(tree, 2);
        clickRow(tree, 3, Qt::ShiftModifier);
        choose(child<QComboBox>(shownPage(page.get()), "_tailTypeComboBox"), TailTechnological);
        QCOMPARE(config.bytes(loopOffset(2), 4), (Bytes{0x05, 0x00, 0x05, 0x00}));

        clickRow(tree, 0);
        contextMenu(tree, 0, QStringLiteral("Копировать"));
        clickRow(tree, 4, Qt::ShiftModifier);
        contextMenu(tree, 4, QStringLiteral("Вставить"));
        const Bytes source = config.bytes(loopOffset(0), 2);
        QCOMPARE(source, (Bytes{0x84, 0x19}));
        for (int loop : {1, 2, 3, 4}) {
            QCOMPARE(config.bytes(loopOffset(loop), 2), source);
            QCOMPARE(tails->tail(loop)->description(), QStringLiteral("Склад"));
        }
        QCOMPARE(config.bytes(loopOffset(5), 2), (Bytes{0x00, 0x00}));
        QCOMPARE(child<QTextEdit>(shownPage(page.get()), "_descrTextEdit")->toPlainText(), QStringLiteral("Склад"));
    }
};

OLMA_TEST_MAIN(TestTailPages)
#include "tst_tailpages.moc"
