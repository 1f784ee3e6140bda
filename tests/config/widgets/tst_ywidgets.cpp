#include "config/widgets/ycheckbox.h"
#include "config/widgets/ycheckgroup.h"
#include "config/widgets/ycombobox.h"
#include "config/widgets/ycombogroup.h"
#include "pagetest.h"
#include "testmain.h"

#include <QLabel>
#include <QPushButton>

using namespace olma::config;
using namespace pagetest;

namespace {

QColor buttonColour(const QWidget* w)
{
    return w->palette().color(QPalette::Button);
}

} // namespace

class TestYWidgets : public QObject
{
    Q_OBJECT

private slots:
    void comboColoursFollowTheTriggerValue()
    {
        YComboBox combo;
        combo.setText(QStringLiteral("Снят: "));
        combo.show();
        const QColor plain = buttonColour(&combo);
        auto* box = child<QComboBox>(&combo, "_comboBox");
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->itemText(2), QStringLiteral("Запрет"));
        QSignalSpy changed(&combo, &YComboBox::changed);

        choose(box, 1);
        QCOMPARE(changed.takeLast().at(0).toInt(), 1);
        QCOMPARE(buttonColour(&combo), QColor(192, 255, 192));
        choose(box, 2);
        QCOMPARE(changed.takeLast().at(0).toInt(), 2);
        QCOMPARE(buttonColour(&combo), QColor(255, 192, 192));
        combo.setValue(0);
        QCOMPARE(combo.value(), 0);
        QCOMPARE(buttonColour(&combo), plain);
    }

    void comboGroupRows()
    {
        YComboGroup group;
        group.setText(QStringLiteral("Неисправность ИП"));
        group.setNumbered(true);
        group.setCount(3);
        auto labels = [&] {
            QStringList out;
            for (YComboBox* combo : group.combos())
                out.append(combo->text());
            return out;
        };
        QCOMPARE(labels(), QStringList({"Неисправность ИП - 1:", "Неисправность ИП - 2:", "Неисправность ИП - 3:"}));
        group.setNumbered(false);
        QCOMPARE(labels().first(), QStringLiteral("Неисправность ИП: "));

        // A new count replaces the rows; one reset button stays, under the last row.
        group.setNumbered(true);
        group.setValue(1, 2);
        group.setCount(2);
        QCOMPARE(group.findChildren<YComboBox*>().size(), 2);
        QCOMPARE(group.findChildren<QPushButton*>().size(), 1);
        QCOMPARE(group.value(1), 0);
        QCOMPARE(labels(), QStringList({"Неисправность ИП - 1:", "Неисправность ИП - 2:"}));

        group.show();
        QSignalSpy changed(&group, &YComboGroup::changed);
        QSignalSpy drop(&group, &YComboGroup::drop);
        choose(child<QComboBox>(group.combos().at(1), "_comboBox"), 1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(group.value(1), 1);
        QTest::mouseClick(group.dropButton(), Qt::LeftButton);
        QCOMPARE(group.dropButton()->text(), QStringLiteral("Сбросить"));
        QCOMPARE(drop.size(), 1);
    }

    void checkGroupEditsAMask()
    {
        YCheckGroup group;
        group.setCount(40);
        QCOMPARE(group.count(), 32);

        // Ten places in a grid of eight cells: the last two stay empty and read as clear bits.
        group.setCount(10);
        group.setRows(2);
        group.setColumns(4);
        group.setBaseText(QStringLiteral("ШС"));
        group.setNumbered(true);
        group.build();
        QCOMPARE(group.findChildren<YCheckBox*>().size(), 8);
        QCOMPARE(group.box(4)->text(), QStringLiteral("ШС-5"));
        QVERIFY(!group.box(8));
        group.setMask(0xFFFFFFFF);
        QCOMPARE(group.mask(), 0xFFu);

        group.setMask(0x21);
        QVERIFY(group.box(0)->isChecked() && group.box(5)->isChecked() && !group.box(1)->isChecked());
        group.show();
        QSignalSpy changed(&group, &YCheckGroup::changed);
        click(group.box(7));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(group.mask(), 0xA1u);
    }
};

OLMA_TEST_MAIN(TestYWidgets)
#include "tst_ywidgets.moc"
