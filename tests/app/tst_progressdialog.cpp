#include "app/progressdialog.h"
#include "testmain.h"

#include <QProgressBar>
#include <QPushButton>

class TestProgressDialog : public QObject
{
    Q_OBJECT

private slots:
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
};

OLMA_TEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
