#include "config/content.h"
#include "config/descriptiondocument.h"
#include "pagetest.h"
#include "testmain.h"

#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>

using namespace olma::config;
using namespace pagetest;
using Bytes = std::vector<unsigned char>;

namespace {

QTableWidget* shownTable(QWidget* contentPage)
{
    return child<QTableWidget>(child<QStackedWidget>(contentPage, "_blockTableStack")->currentWidget(),
                               "_blockTableWidget");
}

void clickCell(QTableWidget* table, int row, int column)
{
    const QRect rect = table->visualItemRect(table->item(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

// A click in the check box at the left of a cell.
void clickCheck(QTableWidget* table, int row, int column)
{
    const QRect rect = table->visualItemRect(table->item(row, column));
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const int indicator = table->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + margin + indicator / 2, rect.center().y()));
}

} // namespace

class TestContentPages : public QObject
{
    Q_OBJECT

private slots:
    void blockTablesToggleTheirMasks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("mask");
        QTest::newRow("keyboards") << 0 << "Ольма-КВ" << 4 << 46;
        QTest::newRow("relay blocks") << 1 << "БРВ-А" << 4 << 48;
        QTest::newRow("indication blocks") << 2 << "БВИ-А" << 4 << 50;
        QTest::newRow("arming devices") << 3 << "УПС-А(Ех)" << 16 << 52;
        QTest::newRow("output blocks") << 4 << "БКВ-А" << 8 << 54;
        QTest::newRow("power blocks") << 5 << "БП-А" << 4 << 56;
    }

    void blockTablesToggleTheirMasks()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(int, mask);
        Config config;
        // Blocks 1 and 3 connected, and bits past the kind's blocks that the page must leave alone.
        config.image[size_t(mask)] = 0x05;
        config.image[size_t(mask + 1)] = 0xF0;
        config.root.setImage(config.image.data());
        const auto before = config.image;
        auto page = show(config.root.content()->createWidget(nullptr));
        auto* kinds = child<QTreeWidget>(page.get(), "_blockTypesTreeWidget");
        QCOMPARE(kinds->headerItem()->text(0), QStringLiteral("Тип блока"));
        QCOMPARE(kinds->topLevelItemCount(), 6);
        QCOMPARE(kinds->topLevelItem(row)->text(0), name);

        clickRow(kinds, row);
        QTableWidget* table = shownTable(page.get());
        QCOMPARE(table->rowCount(), count);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Подключение"));
        QStringList states;
        for (int r = 0; r < count; ++r) {
            QCOMPARE(table->item(r, 0)->text(), name);
            QCOMPARE(table->item(r, 1)->text(), QString::number(r + 1));
            QCOMPARE(table->item(r, 2)->text(), QStringLiteral("Подключено"));
            states.append(table->item(r, 2)->checkState() == Qt::Checked ? "on" : "off");
        }
        QCOMPARE(states.mid(0, 4), QStringList({"on", "off", "on", "off"}));
        QCOMPARE(config.image, before);

        // A click in the box toggles the connection, and so does Space on the connection cell.
        clickCheck(table, 1, 2);
        QCOMPARE(config.byte(mask), 0x07);
        clickCell(table, 0, 2);
        QCOMPARE(config.byte(mask), 0x07);
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(config.byte(mask), 0x06);
        clickCell(table, count - 1, 2);
        QTest::keyClick(table, Qt::Key_Space);
        const int expected = 0xF006 ^ 1 << (count - 1);
        QCOMPARE(config.byte(mask) | config.byte(mask + 1) << 8, expected);
    }

    void blockDescriptionsFollowTheSelectedRow()
    {
        Config config;
        BlockGroup* arming = config.root.content()->group(BlockGroup::ArmingDevices);
        arming->setBlockDescription(0, QStringLiteral("Вход"));
        auto page = show(config.root.content()->createWidget(nullptr));
        clickRow(child<QTreeWidget>(page.get(), "_blockTypesTreeWidget"), 3);
        QTableWidget* table = shownTable(page.get());
        auto* descr = child<QTextEdit>(table->parentWidget(), "_descrTextEdit");
        QCOMPARE(descr->toPlainText(), QStringLiteral("Вход"));

        clickCell(table, 2, 1);
        QCOMPARE(descr->toPlainText(), QString());
        QTest::mouseClick(descr->viewport(), Qt::LeftButton);
        type(descr, QStringLiteral("у окна"));
        QCOMPARE(arming->blockDescription(2), QStringLiteral("у окна"));
        QCOMPARE(descriptions::read(arming->descriptionDocument(), QStringLiteral("outer_block_ups"), 2),
                 std::optional<QString>(QStringLiteral("у окна")));

        // Moving between rows shows each block's text and writes nothing.
        clickCell(table, 0, 1);
        QCOMPARE(descr->toPlainText(), QStringLiteral("Вход"));
        clickCell(table, 1, 1);
        QCOMPARE(descriptions::read(arming->descriptionDocument(), QStringLiteral("outer_block_ups"), 1), std::nullopt);
        clickCell(table, 2, 1);
        QCOMPARE(descr->toPlainText(), QStringLiteral("у окна"));
    }
};

OLMA_TEST_MAIN(TestContentPages)
#include "tst_contentpages.moc"
