#include "app/aboutdilog.h"
#include "app/progressdialog.h"
#include "app/typeselectdialog.h"
#include "testmain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
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

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void showsTheProgramAndCloses()
    {
        AboutDilog dialog;
        dialog.show();
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("_textLabel"));
        QVERIFY(label);
        QVERIFY(label->text().contains(QStringLiteral("Конфигуратор ППКОП Ольма-Ех")));
        // The version comes from the build: three dot-separated numbers.
        QVERIFY2(label->text().contains(QRegularExpression(QStringLiteral("Версия \\d+\\.\\d+\\.\\d+"))),
                 qPrintable(label->text()));

        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("_closeButton"));
        QCOMPARE(close->text(), QStringLiteral("Закрыть"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void progressMovesTheBarUntilCancelled()
    {
        ProgressDialog dialog;
        QVERIFY(dialog.progress(64, 128, false));
        auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("_progressBar"));
        QVERIFY(bar);
        QCOMPARE(bar->maximum(), 128);
        QCOMPARE(bar->value(), 64);

        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("_button")), Qt::LeftButton);
        QVERIFY(dialog.isCancelled());
        QVERIFY(!dialog.goOn());
        QVERIFY(!dialog.progress(128, 128, true));
        QCOMPARE(bar->value(), 64);
    }

    void keysThatCancel_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("cancels");
        QTest::newRow("escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("space") << int(Qt::Key_Space) << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << false;
    }

    void keysThatCancel()
    {
        QFETCH(int, key);
        QFETCH(bool, cancels);
        ProgressDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key(key));
        QCOMPARE(dialog.isCancelled(), cancels);
        QCOMPARE(dialog.goOn(), !cancels);
        // No key closes the dialog under a running transfer.
        QVERIFY(dialog.isVisible());
    }

    void closingTheWindowCancels()
    {
        ProgressDialog dialog;
        dialog.show();
        QVERIFY(dialog.close());
        QVERIFY(dialog.isCancelled());
        QVERIFY(!dialog.goOn());
    }

    void chosenType_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("openList");
        QTest::addColumn<int>("expected");
        QTest::newRow("untouched") << QList<int>{} << false << 0;
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

OLMA_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
