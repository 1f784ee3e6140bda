// The manual inside the program: F1 opens it over the manual's source, its contents lead to the
// headings, its search finds words, and the PDF is offered to the desktop's viewer.

#include "dialoginterceptor.h"
#include "testmain.h"
#include "windowfixture.h"

#include "app/helpwindow.h"
#include "common/datadir.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void f1OpensTheManual()
    {
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QUrl> opened;
        window.setDocumentOpener([&opened](const QUrl& url) {
            opened.append(url);
            return true;
        });

        QTest::keyClick(&window, Qt::Key_F1);
        HelpWindow* help = window.helpWindow();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(opened.isEmpty());
        QVERIFY(dialogs.messages().isEmpty());

        // The text is the manual's, its headings are the contents.
        QFile source(olma::dataFile(QStringLiteral("help/olma.md")));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString markdown = QString::fromUtf8(source.readAll());
        const QString firstHeading = markdown.section(QLatin1Char('\n'), 0, 0).mid(2).trimmed();
        QVERIFY(!firstHeading.isEmpty());
        QVERIFY(help->browser()->toPlainText().contains(firstHeading));
        QVERIFY(!help->browser()->toPlainText().contains(QStringLiteral("@toc")));
        QVERIFY(help->contents()->topLevelItemCount() > 0);
        QCOMPARE(help->contents()->topLevelItem(0)->text(0), firstHeading);
        QVERIFY(help->contents()->topLevelItem(0)->childCount() > 0);

        // Search from the line: the word is selected, the next press finds the next place.
        help->searchLine()->setText(QStringLiteral("журнал"));
        QTest::keyClick(help->searchLine(), Qt::Key_Return);
        QCOMPARE(help->browser()->textCursor().selectedText().toLower(), QStringLiteral("журнал"));
        const int first = help->browser()->textCursor().position();
        QVERIFY(help->find(QStringLiteral("журнал")));
        QVERIFY(help->browser()->textCursor().position() > first);
        QVERIFY(!help->find(QStringLiteral("абракадабра")));

        // A second F1 brings back the same window.
        help->close();
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(window.helpWindow(), help);
        QTRY_VERIFY(help->isVisible());

        // The PDF goes to the desktop's viewer; without one the user is told where the file is.
        auto* pdfButton = help->findChild<QPushButton*>(QStringLiteral("_pdfButton"));
        QVERIFY(pdfButton && pdfButton->isEnabled());
        pdfButton->click();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(olma::dataFile(QStringLiteral("help/olma.pdf")))});
        window.setDocumentOpener([](const QUrl&) { return false; });
        pdfButton->click();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages()[0].title, QStringLiteral("Помощь"));
        QVERIFY(dialogs.messages()[0].text.contains(QStringLiteral("help/olma.pdf")));
    }
};

OLMA_TEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
