#include "app/startup.h"

#include "app/demopanel.h"
#include "app/mainwindow.h"
#include "app/pages.h"
#include "archive/archivesettings.h"
#include "common/datadir.h"
#include "common/text.h"
#include "common/uilanguage.h"
#include "link/networkport.h"
#include "style/programstyle.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <memory>

namespace olma::app {
namespace {

// The state page a demo opens with: the alarm loops, in colour.
constexpr int kDemoPage = 2;
// A screenshot without an end time is taken once the window has polled a few times.
constexpr int kDefaultScreenshotDelayMs = 3000;

} // namespace

QString languageArgument(const QStringList& arguments)
{
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option)
            return arguments.value(i + 1);
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return arguments[i].mid(option.size() + 1);
    }
    return QString();
}

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(OLMA_TEXT("CommandLine", "Конфигуратор ППКОП Ольма-Ех"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  OLMA_TEXT("CommandLine", "Показать эту справку и выйти."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  OLMA_TEXT("CommandLine", "Работать с прибором на этом порту, не искать порт самому "
                                                           "(или по сети: tcp://узел:порт, tls://узел:порт)."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        OLMA_TEXT("CommandLine", "Демонстрация: виртуальный прибор Ольма-16Ех внутри программы."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"), OLMA_TEXT("CommandLine", "Сохранить снимок главного окна в FILE при завершении."),
        QStringLiteral("FILE"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       OLMA_TEXT("CommandLine", "Завершить работу через SECONDS секунд."),
                                       QStringLiteral("SECONDS"));
    const QCommandLineOption page(
        QStringLiteral("page"),
        OLMA_TEXT("CommandLine", "Открыть страницу с этим номером (1 - \"Общие сведения\", по порядку кнопок)."),
        QStringLiteral("N"));
    const QCommandLineOption archive(QStringLiteral("archive"),
                                     OLMA_TEXT("CommandLine", "Архив: sqlite:///путь/файл.sqlite или postgresql://..."),
                                     QStringLiteral("URL"));
    const QCommandLineOption noArchive(
        QStringLiteral("no-archive"), OLMA_TEXT("CommandLine", "Без архива: резервные копии перед записью - файлами."));
    const QCommandLineOption ca(QStringLiteral("ca"),
                                OLMA_TEXT("CommandLine", "Для tls://: доверять сертификатам из FILE, а не системным."),
                                QStringLiteral("FILE"));
    const QCommandLineOption insecure(QStringLiteral("insecure"),
                                      OLMA_TEXT("CommandLine", "Для tls://: не проверять сертификат прибора."));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  OLMA_TEXT("CommandLine", "Язык окон: ru или en (по умолчанию - язык системы)."),
                                  QStringLiteral("LANG"));
    parser.addOptions({help, port, demo, screenshot, quitAfter, page, archive, noArchive, ca, insecure, lang});

    ParsedCommandLine result;
    const auto fail = [&result](const QString& message) {
        result.exit = true;
        result.exitCode = 2;
        result.output = message + QLatin1Char('\n');
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        result.exit = true;
        // The usage line names the program, not the path it was started by (without an
        // application object Qt writes a placeholder there).
        QString text = parser.helpText();
        const QString name = QFileInfo(arguments.value(0)).fileName();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        for (const QString& written : {QStringLiteral("<executable_name>"), arguments.value(0)}) {
            const qsizetype at = written.isEmpty() ? -1 : text.indexOf(written);
            if (at >= 0 && at < lineEnd) {
                text.replace(at, written.size(), name);
                break;
            }
        }
        result.output = text;
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(
            OLMA_TEXT("CommandLine", "Лишние аргументы: %1").arg(parser.positionalArguments().join(QLatin1Char(' '))));

    StartOptions& options = result.options;
    options.port = parser.value(port);
    options.demo = parser.isSet(demo);
    options.screenshot = parser.value(screenshot);
    options.archive = parser.isSet(archive) ? parser.value(archive) : qEnvironmentVariable("OLMA_ARCHIVE");
    options.noArchive = parser.isSet(noArchive);
    options.caFile = parser.value(ca);
    options.insecure = parser.isSet(insecure);
    if (parser.isSet(lang)) {
        options.language = parser.value(lang);
        if (options.language != QLatin1String("ru") && options.language != QLatin1String("en"))
            return fail(OLMA_TEXT("CommandLine", "--lang: нужен язык ru или en, а не \"%1\"").arg(options.language));
    }
    if (parser.isSet(port) && options.port.isEmpty())
        return fail(OLMA_TEXT("CommandLine", "--port: не указано имя порта"));
    if (options.demo && !options.port.isEmpty())
        return fail(OLMA_TEXT("CommandLine", "--demo и --port не используются вместе"));
    QString addressError;
    if (olma::link::isNetworkPortName(options.port) &&
        !olma::link::parseNetworkAddress(options.port, nullptr, &addressError))
        return fail(QStringLiteral("--port: ") + addressError);
    if (parser.isSet(page)) {
        bool ok = false;
        const int number = parser.value(page).toInt(&ok);
        if (!ok || number < 1)
            return fail(
                OLMA_TEXT("CommandLine", "--page: нужен номер страницы от 1, а не \"%1\"").arg(parser.value(page)));
        options.page = number - 1;
    }
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        const double seconds = parser.value(quitAfter).toDouble(&ok);
        if (!ok || seconds < 0)
            return fail(
                OLMA_TEXT("CommandLine", "--quit-after: нужно число секунд, а не \"%1\"").arg(parser.value(quitAfter)));
        options.quitAfterMs = int(seconds * 1000);
    } else if (!options.screenshot.isEmpty()) {
        options.quitAfterMs = kDefaultScreenshotDelayMs;
    }
    return result;
}

int run(QApplication& app)
{
    const ParsedCommandLine command = parseCommandLine(app.arguments());
    if (command.exit) {
        QTextStream stream(command.exitCode == 0 ? stdout : stderr);
        stream << command.output;
        return command.exitCode;
    }
    const StartOptions& options = command.options;

    const QString language = chooseLanguage(options.language);
    // Without its translation the program still runs, in Russian; whoever installed it should know.
    if (!hasProgramTranslation(installTranslations(app, language), language))
        QTextStream(stderr) << OLMA_TEXT("MainWindow", "Перевод %1 не найден: окна будут на русском языке")
                                   .arg(programTranslationName(language))
                            << '\n';
    olma::style::install();
    olma::gui::registerPages();

    olma::link::setTlsTrust(options.caFile, options.insecure);
    MainWindow::Options windowOptions;
    windowOptions.portName = options.port;
    std::unique_ptr<DemoPanel> demo;
    if (options.demo) {
        demo = std::make_unique<DemoPanel>();
        QString error;
        if (!demo->start(&error)) {
            QTextStream(stderr) << OLMA_TEXT("MainWindow", "Демонстрационный прибор не запущен: %1").arg(error) << '\n';
            return 1;
        }
        const olma::link::PortEntry entry = demo->portEntry();
        windowOptions.portLister = [entry] { return QList<olma::link::PortEntry>{entry}; };
    }

    MainWindow window(windowOptions);
    // The settings dialog's archive, unless the command line chose one for this run.
    window.setArchive(olma::archive::ArchiveSettings::load().forRun(options.archive, options.noArchive),
                      !options.archive.isEmpty() || options.noArchive);
    if (options.page >= 0)
        window.showPage(options.page);
    else if (demo)
        window.showPage(kDemoPage);
    // Without a window manager (a virtual display) nobody maximises the window: it is given the
    // screen itself.
    if (QScreen* screen = window.screen(); screen && !options.screenshot.isEmpty())
        window.setGeometry(screen->availableGeometry());
    window.setWindowState(Qt::WindowMaximized);
    window.show();

    int exitCode = 0;
    if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, &window, [&] {
            if (!options.screenshot.isEmpty() && !window.grab().save(options.screenshot)) {
                QTextStream(stderr) << OLMA_TEXT("MainWindow", "Снимок окна не сохранен: %1").arg(options.screenshot)
                                    << '\n';
                exitCode = 1;
            }
            // The run's own end, not the engineer's "Выход": no question about unsaved changes.
            QCoreApplication::exit(exitCode);
        });
    }
    const int result = app.exec();
    return exitCode != 0 ? exitCode : result;
}

} // namespace olma::app
