// The window's language: the English translation shipped with the program, the choice of it,
// and the documents and files that read the same in every language.

#include "app/demopanel.h"
#include "app/startup.h"
#include "archive/configdiff.h"
#include "config/blockgroup.h"
#include "config/cipherpassword.h"
#include "config/configexport.h"
#include "config/configuration.h"
#include "config/content.h"
#include "config/imagemap.h"
#include "config/params.h"
#include "config/programm/params.h"
#include "config/programm/programm.h"
#include "config/programm/programms.h"
#include "config/tail.h"
#include "config/tails.h"
#include "config/user.h"
#include "config/users.h"
#include "logview/logexport.h"
#include "logview/logtexts.h"
#include "testmain.h"
#include "virtualpanel.h"
#include "windowfixture.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include <vector>

namespace {

const QString kSourceTranslation = QStringLiteral(OLMA_TEST_SOURCE_DIR "/translations/ControlCenter_en.ts");

void removeTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QStringList menuTitles(const MainWindow& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}

// The menu commands whose Alt-key letter is missing or repeats one of the same menu.
QStringList commandsWithoutOwnLetter(const MainWindow& window)
{
    QStringList wrong;
    QList<QList<QAction*>> rows{window.menuBar()->actions()};
    for (QAction* title : window.menuBar()->actions())
        rows << title->menu()->actions();
    for (const QList<QAction*>& row : rows) {
        QSet<QChar> letters;
        for (QAction* action : row) {
            if (action->isSeparator())
                continue;
            const QString text = action->text();
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at < 0 || at + 1 >= text.size() || letters.contains(text[at + 1].toLower()))
                wrong << text;
            else
                letters.insert(text[at + 1].toLower());
        }
    }
    return wrong;
}

// Every export document of a configuration and of a log, in every format, as bytes.
QList<QByteArray> documents(const std::vector<olma::logview::LogEvent>& events)
{
    using namespace olma::config;
    QList<QByteArray> out;
    std::vector<unsigned char> image(kImageSize);
    Configuration configuration(image.data(), 1);
    configuration.newConfiguration(1);
    for (const int format : {ExportText, ExportRtf, ExportHtml, ExportCsv})
        out << configuration.exportText(format).toUtf8();
    out << olma::logview::renderText(events).toUtf8() << olma::logview::renderCsv(events).toUtf8()
        << olma::logview::renderHtml(events, true).toUtf8()
        << olma::logview::renderRtf(events, QStringLiteral("##ROWS##"), QStringLiteral("##1##|##2##|##3##|##4##\n"))
               .toUtf8();
    return out;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { removeTranslations(); }

    void englishWindowRussianDocuments()
    {
        olma::app::DemoPanel demo;
        QString error;
        QVERIFY2(demo.start(&error), qPrintable(error));
        const QByteArray log = demo.panel().logRecords();
        std::vector<olma::logview::LogEvent> events;
        for (int at = 0; at + 8 <= log.size(); at += 8)
            events.push_back(olma::logview::decodeRecord(reinterpret_cast<const uchar*>(log.constData() + at), 0));
        const QList<QByteArray> russian = documents(events);

        const QStringList loaded = olma::app::installTranslations(*QCoreApplication::instance(), QStringLiteral("en"));
        QCOMPARE(loaded.size(), 2);
        QVERIFY(loaded.at(0).endsWith(QLatin1String("qtbase_en.qm")));
        QVERIFY(loaded.at(1).endsWith(QLatin1String("translations/ControlCenter_en.qm")));

        MainWindow window(windowOn(demo.portName()));
        const QStringList titles = menuTitles(window);
        QVERIFY2(titles.mid(0, 4) == (QStringList{QStringLiteral("&Panel"), QStringLiteral("&Configuration"),
                                                  QStringLiteral("&Edit"), QStringLiteral("&Log")}),
                 qPrintable(titles.join(QLatin1Char(','))));
        QCOMPARE(titles.last(), QStringLiteral("&Help"));
        // Every command has a letter of its own, chosen on the English words.
        QCOMPARE(commandsWithoutOwnLetter(window), QStringList());
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("exitAction"))->text(), QStringLiteral("&Exit"));
        // A constant made before the translator came, and a page button named by the model.
        QStringList buttons;
        for (QToolButton* button : window.findChildren<QToolButton*>())
            buttons << button->text();
        QVERIFY2(buttons.contains(QStringLiteral("General")) && buttons.contains(QStringLiteral("Alarm loops")),
                 qPrintable(buttons.join(QLatin1Char(','))));

        // Counted as English counts, not by the Russian endings.
        QCOMPARE(olma::logview::texts::partialLog(21),
                 QStringLiteral("The log was read only in part: 21 events received"));
        QCOMPARE(olma::logview::texts::partialLog(1),
                 QStringLiteral("The log was read only in part: 1 event received"));

        // The tree speaks English on screen and its documents stay Russian, byte for byte.
        std::vector<unsigned char> image(olma::config::kImageSize);
        olma::config::Configuration configuration(image.data(), 1);
        QCOMPARE(configuration.tails()->name(), QStringLiteral("Alarm loops"));
        const QList<QByteArray> english = documents(events);
        QCOMPARE(english.size(), russian.size());
        for (int i = 0; i < english.size(); ++i)
            QVERIFY2(english.at(i) == russian.at(i), qPrintable(QStringLiteral("document %1 differs").arg(i)));
        QVERIFY(russian.at(0).contains("ШС"));

        // A comparison is read on screen: every word of it English.
        std::vector<unsigned char> changedImage(olma::config::kImageSize);
        olma::config::Configuration changed(changedImage.data(), 1);
        changed.params()->setTimer1(30);
        changed.tails()->tail(2)->setTailType(4);
        changed.users()->user(4)->setTailOn(true);
        changed.content()->group(olma::config::BlockGroup::RelayBlocks)->setConnected(1, true);
        changed.programms()->programmByIndex(0)->params()->setTactic(1);
        changed.programms()->programmByIndex(1)->params()->setTimeout(30);
        // Secrets stay secret whatever the language names them.
        changed.params()->setEngineerPassword(olma::config::CipherPassword::fromText(QStringLiteral("4711")));
        changed.users()->user(2)->setPassword(olma::config::CipherPassword::fromText(QStringLiteral("123456")));
        const QStringList differences = olma::archive::compareConfigurations(configuration, changed);
        QCOMPARE(differences.size(), 8);
        for (const QString& line : differences) {
            QVERIFY2(!line.contains(QRegularExpression(QStringLiteral("[А-Яа-яЁё]"))), qPrintable(line));
            QVERIFY2(!line.contains(QLatin1String("4711")) && !line.contains(QLatin1String("123456")),
                     qPrintable(line));
        }

        // Russian again: no program translation, Qt's own Russian, a Russian window.
        removeTranslations();
        const QStringList russianFiles =
            olma::app::installTranslations(*QCoreApplication::instance(), QStringLiteral("ru"));
        QCOMPARE(russianFiles.size(), 1);
        QVERIFY(russianFiles.first().endsWith(QLatin1String("qtbase_ru.qm")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        MainWindow russianWindow(windowOn(QString()));
        QCOMPARE(menuTitles(russianWindow).first(), QStringLiteral("&Прибор"));
        QCOMPARE(commandsWithoutOwnLetter(russianWindow), QStringList());
        QCOMPARE(russianWindow.findChild<QAction*>(QStringLiteral("readConfFromDevice"))->iconText(),
                 QStringLiteral("Считать из прибора"));
        QCOMPARE(olma::logview::texts::partialLog(21),
                 QStringLiteral("Журнал считан не полностью: получено 21 событие"));
    }

    // Each message of the translation is finished and keeps the placeholders of its Russian, so
    // that no English text loses a number or a file name.
    void everyMessageTranslated()
    {
        QFile file(kSourceTranslation);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(kSourceTranslation));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        int messages = 0;
        const QRegularExpression placeholder(QStringLiteral("%\\d"));
        const auto placeholders = [&placeholder](const QString& text) {
            QStringList found;
            for (auto it = placeholder.globalMatch(text); it.hasNext();)
                found << it.next().captured();
            found.sort();
            return found;
        };
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = xml.attributes().hasAttribute(QLatin1String("type"));
                const QString english = xml.readElementText();
                const QString where = context + QLatin1String(": ") + source;
                QVERIFY2(!unfinished && !english.isEmpty(), qPrintable(where));
                QCOMPARE(placeholders(english), placeholders(source));
                QVERIFY2(!english.contains(QRegularExpression(QStringLiteral("[А-Яа-яЁё]"))), qPrintable(where));
                ++messages;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 600);
    }

    void languageOnTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the program runs
        QTest::addColumn<QString>("language");
        QTest::newRow("english") << QStringList{QStringLiteral("--lang"), QStringLiteral("en")} << -1
                                 << QStringLiteral("en");
        QTest::newRow("russian") << QStringList{QStringLiteral("--lang=ru")} << -1 << QStringLiteral("ru");
        QTest::newRow("system's") << QStringList{} << -1 << QString();
        QTest::newRow("unknown") << QStringList{QStringLiteral("--lang"), QStringLiteral("de")} << 2 << QString();
        QTest::newRow("missing") << QStringList{QStringLiteral("--lang")} << 2 << QString();
    }

    // The shipped program's help and command-line mistakes speak the language asked for (the
    // tests' system speaks Russian), and the usage line names the program, not its path.
    void commandLineInTheChosenLanguage()
    {
        const auto configurator = [](const QStringList& arguments) {
            QProcess process;
            process.start(QStringLiteral(OLMA_TEST_BIN_DIR "/olma-configurator"), arguments);
            process.waitForFinished(30000);
            return std::make_pair(process.exitCode(),
                                  QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()));
        };
        auto [status, text] = configurator({QStringLiteral("--help"), QStringLiteral("--lang"), QStringLiteral("en")});
        QCOMPARE(status, 0);
        QVERIFY2(
            text.startsWith(QLatin1String("Usage: olma-configurator [options]\nOlma-Ex Control Panel Configurator")),
            qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Show this help and exit.")));
        std::tie(status, text) = configurator({QStringLiteral("--help")});
        QVERIFY2(text.contains(QStringLiteral("Показать эту справку и выйти.")), qPrintable(text));
        std::tie(status, text) =
            configurator({QStringLiteral("--lang=en"), QStringLiteral("--page"), QStringLiteral("x")});
        QCOMPARE(status, 2);
        QCOMPARE(text, QStringLiteral("--page: a page number from 1 is needed, not \"x\"\n"));
    }

    void languageOnTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, language);
        const olma::app::ParsedCommandLine parsed =
            olma::app::parseCommandLine(QStringList{QStringLiteral("olma-configurator")} + arguments);
        QCOMPARE(parsed.exit ? parsed.exitCode : -1, exitCode);
        if (exitCode > 0) {
            QVERIFY(parsed.output.contains(QLatin1String("--lang")));
            return;
        }
        QCOMPARE(parsed.options.language, language);
        if (!language.isEmpty())
            QCOMPARE(olma::app::chooseLanguage(parsed.options.language), language);
    }
};

OLMA_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
