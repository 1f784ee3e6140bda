// The manual inside the program: F1 opens it over the manual's source, its contents lead to the
// headings, its search finds words, and the PDF is offered to the desktop's viewer.

#include "dialoginterceptor.h"
#include "testmain.h"
#include "windowfixture.h"

#include "app/helpwindow.h"
#include "common/datadir.h"
#include "common/uilanguage.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The first line of a manual's source, "# Title", without its marker.
QString firstHeading(const QString& path)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(source.readLine()).mid(2).trimmed();
}

// A window on screen whose documents go to `opened` instead of the desktop's viewer.
struct ShownWindow
{
    ShownWindow() : window(windowOn(QString()))
    {
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        window.setDocumentOpener([this](const QUrl& url) {
            opened.append(url);
            return true;
        });
    }

    DialogInterceptor dialogs;
    MainWindow window;
    QList<QUrl> opened;
    bool exposed = false;
};

// F1 in a fresh window: the heading the help window's contents begin with and the PDF it offers.
struct ShownManual
{
    QString heading;
    QString text;
    QString pdf;
};

ShownManual pressF1()
{
    ShownWindow shown;
    QTest::keyClick(&shown.window, Qt::Key_F1);
    HelpWindow* help = shown.window.helpWindow();
    if (!shown.exposed || !help || help->contents()->topLevelItemCount() == 0)
        return {};
    if (auto* pdfButton = help->findChild<QPushButton*>(QStringLiteral("_pdfButton")); pdfButton->isEnabled())
        pdfButton->click();
    return {help->contents()->topLevelItem(0)->text(0), help->browser()->toPlainText(),
            shown.opened.isEmpty() ? QString() : shown.opened.first().toLocalFile()};
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        olma::setUiLanguage(QString());
        olma::setDataDir(QStringLiteral(OLMA_TEST_DATA_DIR));
    }

    // The manual in the language of the interface, the Russian one where there is no other.
    void manualFollowsTheInterfaceLanguage()
    {
        const QString russian = firstHeading(olma::dataFile(QStringLiteral("help/olma.md")));
        const QString english = firstHeading(olma::dataFile(QStringLiteral("help/olma.en.md")));
        QVERIFY(!russian.isEmpty() && !english.isEmpty() && russian != english);

        // A translation names its locale; the language is what counts.
        olma::setUiLanguage(QStringLiteral("en_GB"));
        QCOMPARE(olma::uiLanguage(), QStringLiteral("en"));
        ShownManual shown = pressF1();
        QCOMPARE(shown.heading, english);
        QVERIFY(shown.text.contains(QStringLiteral("Read from panel")));
        QCOMPARE(shown.pdf, olma::dataFile(QStringLiteral("help/olma.en.pdf")));

        olma::setUiLanguage(QStringLiteral("ru"));
        shown = pressF1();
        QCOMPARE(shown.heading, russian);
        QCOMPARE(shown.pdf, olma::dataFile(QStringLiteral("help/olma.pdf")));

        // An English interface with only the Russian manual beside it shows that one.
        QTemporaryDir dir;
        QVERIFY(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("help")));
        for (const QString& name : {QStringLiteral("help/olma.md"), QStringLiteral("help/olma.pdf")})
            QVERIFY(QFile::copy(olma::dataFile(name), dir.filePath(name)));
        olma::setDataDir(dir.path());
        olma::setUiLanguage(QStringLiteral("en"));
        shown = pressF1();
        QCOMPARE(shown.heading, russian);
        QCOMPARE(shown.pdf, dir.filePath(QStringLiteral("help/olma.pdf")));

        // No translation installed: Russian.
        olma::setUiLanguage(QString());
        QCOMPARE(olma::uiLanguage(), QStringLiteral("ru"));
    }

    void f1OpensTheManual()
    {
        ShownWindow shown;
        QVERIFY(shown.exposed);
        MainWindow& window = shown.window;
        QTest::keyClick(&window, Qt::Key_F1);
        HelpWindow* help = window.helpWindow();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(shown.opened.isEmpty());
        QVERIFY(shown.dialogs.messages().isEmpty());

        // The text is the manual's, its headings are the contents.
        QVERIFY(help->browser()->toPlainText().contains(firstHeading(olma::dataFile(QStringLiteral("help/olma.md")))));
        QVERIFY(!help->browser()->toPlainText().contains(QStringLiteral("@toc")));
        QVERIFY(help->contents()->topLevelItemCount() > 0 && help->contents()->topLevelItem(0)->childCount() > 0);

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
        pdfButton->click();
        QCOMPARE(shown.opened.size(), 1);
        window.setDocumentOpener([](const QUrl&) { return false; });
        pdfButton->click();
        QCOMPARE(shown.dialogs.messages().size(), 1);
        QCOMPARE(shown.dialogs.messages()[0].title, QStringLiteral("Помощь"));
        QVERIFY(shown.dialogs.messages()[0].text.contains(QStringLiteral("help/olma.pdf")));
    }
};

OLMA_TEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
