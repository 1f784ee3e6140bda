#include "app/typeselectdialog.h"
#include "testmain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>

namespace {

QPushButton* button(QDialog& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

} // namespace

class TestTypeSelectDialog : public QObject
{
    Q_OBJECT

private slots:
    void chosenType_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("openList");
        QTest::addColumn<int>("expected");
        QTest::newRow("untouched") << QList<int>{} << false << 0;
        QTest::newRow("keys on the closed list") << QList<int>{Qt::Key_Down, Qt::Key_Down} << false << 2;
        QTest::newRow("down and back") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << false << 1;
        QTest::newRow("chosen from the open list") << QList<int>{Qt::Key_Down, Qt::Key_Down} << true << 2;
    }

    void chosenType()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, openList);
        QFETCH(int, expected);

        olma::TypeSelectDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбор типа прибора"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("TypeComboBox"));
        QVERIFY(combo);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), QStringLiteral("Ольма-16ЕХ"));

        QWidget* target = combo;
        if (openList) {
            QTest::mouseClick(combo, Qt::LeftButton);
            QTRY_VERIFY(combo->view()->isVisible());
            target = combo->view();
        }
        for (int key : keys)
            QTest::keyClick(target, Qt::Key(key));
        if (openList) {
            QTest::keyClick(target, Qt::Key_Return);
            QTRY_VERIFY(!combo->view()->isVisible());
            QCOMPARE(combo->currentText(), QStringLiteral("Ольма-16ЕХ"));
        }

        QTest::mouseClick(button(dialog, QStringLiteral("Ок")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.selectedType(), expected);
    }

    void cancelRejects()
    {
        olma::TypeSelectDialog dialog;
        dialog.show();
        QTest::mouseClick(button(dialog, QStringLiteral("Отменить")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

OLMA_TEST_MAIN(TestTypeSelectDialog)
#include "tst_typeselectdialog.moc"
