#include "app/aboutdilog.h"
#include "testmain.h"

#include <QLabel>
#include <QPushButton>

class TestAboutDilog : public QObject
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
};

OLMA_TEST_MAIN(TestAboutDilog)
#include "tst_aboutdilog.moc"
