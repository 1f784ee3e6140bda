// olma-cli: what it prints, the files it writes and its exit status, against the virtual panel
// (in process, and the two executables side by side), and its exports beside the window's.

#include "../common/fullfilesystem.h"
#include "../logview/logrecords.h"
#include "dialoginterceptor.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

#include "app/mainwindow.h"
#include "app/typeselectdialog.h"
#include "cli/cli.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/tail.h"
#include "config/tails.h"
#include "link/portlist.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>

#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>
#include <cerrno>

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run cli(const QStringList& args, bool progressBar = false)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = olma::cli::run(args, out, err, progressBar);
    out.flush();
    err.flush();
    return run;
}

// The shipped tool, run as its own process.
Run tool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(OLMA_TEST_BIN_DIR "/olma-cli"), args);
    process.waitForFinished(30000);
    return Run{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
               QString::fromUtf8(process.readAllStandardError())};
}

// Shipped virtual panels, stopped when the object goes.
struct Panels
{
    std::vector<std::unique_ptr<QProcess>> processes;

    // Starts one; returns the port or address it prints first.
    QString start(const QStringList& args)
    {
        processes.push_back(std::make_unique<QProcess>());
        QProcess& panel = *processes.back();
        panel.start(QStringLiteral(OLMA_TEST_BIN_DIR "/olma-virtual-panel"), args);
        panel.waitForStarted();
        QDeadlineTimer deadline(10000);
        while (!panel.canReadLine() && !deadline.hasExpired())
            panel.waitForReadyRead(100);
        return QString::fromLocal8Bit(panel.readLine()).trimmed();
    }
    ~Panels()
    {
        for (const auto& panel : processes) {
            panel->terminate();
            panel->waitForFinished();
        }
    }
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// An image that is not the default one anywhere: every node has something of its own to say.
QByteArray patternImage(int size = olma::config::kImageSize)
{
    QByteArray image(size, '\0');
    quint32 x = 2463534242u;
    for (char& byte : image) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        byte = char(x);
    }
    return image;
}

QByteArray sampleLog()
{
    QByteArray log;
    for (int i = 0; i < 10; ++i)
        log += logtest::record(2023, 1 + i % 12, 1 + i, i % 24, 5 * i, i % 4, 1 + i * 3, i, 2 * i);
    return log;
}

// The window with no panel, its dialogs answered by the interceptor.
struct Window
{
    DialogInterceptor dialogs;
    std::unique_ptr<MainWindow> window;

    Window()
    {
        MainWindow::Options options;
        options.portLister = [] { return QList<olma::link::PortEntry>(); };
        window = std::make_unique<MainWindow>(options);
    }
};

const QString kSerialFailure = QStringLiteral("Ошибка последовательного порта");

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown"); // on stdout for help, on stderr for a usage error
        QTest::newRow("help") << QStringList{"--help"} << 0 << "export-log FILE.bin --out";
        QTest::newRow("command help")
            << QStringList{"write-config", "--help"} << 0
            << "Usage: olma-cli write-config --port PORT --model {4,8,16} [--all-blocks] [--plain] FILE.bin";
        QTest::newRow("help command") << QStringList{"help", "render-state"} << 0 << "--page {common,faults";
        QTest::newRow("nothing") << QStringList{} << 2 << "Usage: olma-cli <command>";
        QTest::newRow("unknown command") << QStringList{"bogus"} << 2 << "unknown command \"bogus\"";
        QTest::newRow("port missing") << QStringList{"identify"} << 2 << "--port is required";
        QTest::newRow("stray argument") << QStringList{"state", "--port=/dev/x", "extra"} << 2 << "\"extra\"";
        QTest::newRow("flag with a value") << QStringList{"ports", "--usb=1"} << 2 << "--usb takes no value";
        QTest::newRow("no file") << QStringList{"firmware", "--port", "/dev/x"} << 2 << "FILE.iex is required";
        QTest::newRow("two files") << QStringList{"export-log", "a.bin", "b.bin", "--out", "x.txt"} << 2
                                   << "unexpected argument \"b.bin\"";
        QTest::newRow("model 5") << QStringList{"new-config", "--model", "5", "--out", "x.bin"} << 2
                                 << "--model takes 4, 8 or 16";
        QTest::newRow("unknown page") << QStringList{"render-state", "r.bin", "--page", "users"} << 2
                                      << "--page takes one of common,";
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, shown);
        const Run run = cli(args);
        QCOMPARE(run.status, status);
        if (status == olma::cli::kExitOk) {
            QVERIFY2(run.out.contains(shown), qPrintable(run.out));
            QVERIFY(run.err.isEmpty());
        } else {
            QVERIFY2(run.err.contains(shown), qPrintable(run.err));
            QVERIFY(run.err.contains(QLatin1String("Usage: olma-cli")));
            QVERIFY(run.out.isEmpty());
        }
    }

    void failures_data()
    {
        // @: a folder with in.bin, fw.iex, short.bin and log.bin; the panel on PORT.
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("panel"); // 0 answers, 1 silent, 2 error reply 6
        QTest::addColumn<QString>("message");
        QTest::newRow("identify, silent") << QStringList{"identify", "--port", "PORT"} << 1 << "Нет связи с Ольма-Ех";
        QTest::newRow("state, silent") << QStringList{"state", "--port", "PORT", "--out", "@/s.bin"} << 1
                                       << "Нет связи с Ольма-Ех";
        QTest::newRow("read-config, silent")
            << QStringList{"read-config", "--port", "PORT", "--out", "@/c.bin"} << 1 << "Конфигурация не считана!";
        QTest::newRow("write-config, silent")
            << QStringList{"write-config", "--port", "PORT", "--model", "16", "@/in.bin"} << 1
            << "Запись конфигурации в прибор не произведена!";
        QTest::newRow("read-log, silent") << QStringList{"read-log", "--port", "PORT", "--out", "@/l.bin"} << 1
                                          << "Невозможно считать журнал событий!";
        QTest::newRow("firmware, silent")
            << QStringList{"firmware", "--port", "PORT", "@/fw.iex"} << 1
            << "Загрузка прошивки прервана: прибор может не работать до повторной загрузки.";
        QTest::newRow("restart, silent") << QStringList{"restart", "--port", "PORT"} << 1
                                         << "Команда сброса прибора не выполнена! \n Код ошибки: 13";
        QTest::newRow("restart, access denied")
            << QStringList{"restart", "--port", "PORT"} << 2 << "Нет доступа к прибору!";
        QTest::newRow("no such port") << QStringList{"identify", "--port", "/dev/no-such-port"} << 0
                                      << "cannot open /dev/no-such-port";
        QTest::newRow("model mismatch") << QStringList{"write-config", "--port", "PORT", "--model", "16", "@/in.bin"}
                                        << 0 << "Тип конфигурации и тип прибора не ссовпадают!";
        QTest::newRow("config wrong size")
            << QStringList{"write-config", "--port", "PORT", "--model", "8", "@/short.bin"} << 0
            << "имеет неправильный размер!";
        QTest::newRow("config not there")
            << QStringList{"write-config", "--port", "PORT", "--model", "8", "@/none.bin"} << 0 << "не наден!";
        QTest::newRow("firmware not there") << QStringList{"firmware", "--port", "PORT", "@/none.iex"} << 0
                                            << "Невозможно прочитать файл прошивки! [@/none.iex]";
        QTest::newRow("config as .doc") << QStringList{"export-config", "@/in.bin", "--model", "4", "--out", "@/c.doc"}
                                        << 0 << "Выбранный тип файлов не поддерживается!";
        QTest::newRow("export too short")
            << QStringList{"export-config", "@/short.bin", "--model", "4", "--out", "@/c.txt"} << 0
            << "имеет неправильный размер!";
        QTest::newRow("log as .doc") << QStringList{"export-log", "@/log.bin", "--out", "@/l.doc"} << 0
                                     << "Данный тип файлов не поддерживается!";
        QTest::newRow("log not there") << QStringList{"export-log", "@/none.bin", "--out", "@/l.txt"} << 0
                                       << "Файл журнала: \"@/none.bin\" не наден!";
        QTest::newRow("state too short") << QStringList{"render-state", "@/short.bin", "--page", "zones"} << 0
                                         << "@/short.bin: a state record has 84 bytes, this file 100";
    }

    void failures()
    {
        // The command's own message, no output, no file left behind, the panel untouched.
        QFETCH(QStringList, args);
        QFETCH(int, panel);
        QFETCH(QString, message);
        VirtualPanelFixture vp;
        vp.panel().setModelCode(0x08);
        const QByteArray before = vp.panel().image();
        if (panel == 1)
            vp.panel().fallSilentFrom(1);
        else if (panel == 2)
            vp.panel().replyWithError(6);
        QTemporaryDir dir;
        writeFile(dir.filePath("in.bin"), patternImage());
        writeFile(dir.filePath("fw.iex"), QByteArray(100, 'f'));
        writeFile(dir.filePath("short.bin"), patternImage(100));
        writeFile(dir.filePath("log.bin"), sampleLog());
        args.replaceInStrings(QStringLiteral("@"), dir.path()).replaceInStrings(QStringLiteral("PORT"), vp.portName());
        message.replace(QStringLiteral("@"), dir.path()).replace(QStringLiteral("PORT"), vp.portName());
        const Run run = cli(args);
        QCOMPARE(run.status, olma::cli::kExitFailed);
        QVERIFY2(run.err.contains(message, Qt::CaseInsensitive), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        if (panel == 1 && args.first() != QLatin1String("restart"))
            QVERIFY(run.err.contains(vp.portName()) && run.err.contains(kSerialFailure));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"fw.iex", "in.bin", "log.bin", "short.bin"}));
        QCOMPARE(vp.panel().image(), before);
        QCOMPARE(vp.panel().restartCount(), 0);
    }

    // No output is ever replaced by a partial file, and no input is read before its type and
    // size are checked. "@" is a folder holding old.bin (+ .xml), log.bin, in.bin, a FIFO and a
    // sparse 1 GiB file; every one of them is as it was afterwards, and the panel saw no firmware.
    void filesNeverHalfWritten_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("limit"); // a file-size limit standing for a full disk; 0: none
        QTest::addColumn<QStringList>("message");
        const QString noSpace = qt_error_string(EFBIG); // in the language of the system library
        const QString saveConf = QStringLiteral("Невозможно записать конфигурацию в файл: \"@/old.bin\"!");
        QTest::newRow("new-config, full disk") << QStringList{"new-config", "--model", "4", "--out", "@/old.bin"}
                                               << 4096 << QStringList{saveConf, "@/old.bin: " + noSpace};
        QTest::newRow("read-config, full disk") << QStringList{"read-config", "--port", "PORT", "--out", "@/old.bin"}
                                                << 4096 << QStringList{saveConf, noSpace};
        QTest::newRow("read-log, full disk")
            << QStringList{"read-log", "--port", "PORT", "--out", "@/log.bin"} << 1024
            << QStringList{"Запись журнала в файл @/log.bin не выполнена! (" + noSpace + ")"};
        QTest::newRow("export-config, full disk")
            << QStringList{"export-config", "@/in.bin", "--model", "4", "--out", "@/old.txt"} << 4096
            << QStringList{"Невозможно экспортировать конфигурацию!", "@/old.txt: " + noSpace};
        QTest::newRow("export-log, full disk")
            << QStringList{"export-log", "@/log.bin", "--out", "@/old.txt"} << 1024
            << QStringList{"Записи журнала не экспортированы! (@/old.txt: " + noSpace + ")"};
        QTest::newRow("out is a device") << QStringList{"state", "--port", "PORT", "--out", "/dev/null"} << 0
                                         << QStringList{"cannot write /dev/null: not a regular file"};
        QTest::newRow("firmware of 40 bytes") << QStringList{"firmware", "--port", "PORT", "@/tiny.iex"} << 0
                                              << QStringList{"\"@/tiny.iex\" слишком мал (40 байт"};
        QTest::newRow("state from a FIFO") << QStringList{"render-state", "@/fifo.txt", "--page", "zones"} << 0
                                           << QStringList{"cannot read @/fifo.txt: not a regular file"};
        QTest::newRow("log of a gigabyte") << QStringList{"export-log", "@/huge.bin", "--out", "@/new.txt"} << 0
                                           << QStringList{"\"@/huge.bin\" слишком велик (1073741824 байт"};
        QTest::newRow("log from a FIFO") << QStringList{"export-log", "@/fifo.txt", "--out", "@/new.txt"} << 0
                                         << QStringList{"cannot read @/fifo.txt: not a regular file"};
    }

    void filesNeverHalfWritten()
    {
        QFETCH(QStringList, args);
        QFETCH(int, limit);
        QFETCH(QStringList, message);
        VirtualPanelFixture vp;
        vp.panel().setLogRecords(sampleLog().repeated(20));
        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeFile(dir.filePath("old.bin"), "previous image");
        writeFile(dir.filePath("old.bin.xml"), "<configuration/>");
        writeFile(dir.filePath("old.txt"), "previous export");
        writeFile(dir.filePath("log.bin"), sampleLog().repeated(20));
        writeFile(dir.filePath("in.bin"), patternImage());
        writeFile(dir.filePath("tiny.iex"), patternImage(40));
        QFile huge(dir.filePath("huge.bin"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30));
        huge.close();
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo.txt")).constData(), 0600), 0);
        QHash<QString, QByteArray> before;
        for (const QString& name : folder.entryList(QDir::Files))
            before.insert(name, name == QLatin1String("huge.bin") ? QByteArray() : readAll(dir.filePath(name)));

        args.replaceInStrings(QStringLiteral("@"), dir.path()).replaceInStrings(QStringLiteral("PORT"), vp.portName());
        Run run;
        {
            std::optional<filetest::FileSizeLimit> full;
            if (limit > 0)
                full.emplace(rlim_t(limit));
            run = cli(args);
        }
        QCOMPARE(run.status, olma::cli::kExitFailed);
        for (QString piece : message) {
            piece.replace(QStringLiteral("@"), dir.path());
            QVERIFY2(run.err.contains(piece), qPrintable(run.err));
        }
        const QStringList after = folder.entryList(QDir::Files | QDir::System | QDir::Hidden);
        QStringList expected = before.keys() << QStringLiteral("fifo.txt");
        QCOMPARE(QSet<QString>(after.begin(), after.end()), QSet<QString>(expected.begin(), expected.end()));
        for (auto it = before.begin(); it != before.end(); ++it) {
            if (it.key() != QLatin1String("huge.bin"))
                QCOMPARE(readAll(dir.filePath(it.key())), it.value());
        }
        QVERIFY(QFileInfo(dir.filePath("huge.bin")).size() == qint64(1) << 30);
        struct stat st
        {};
        QVERIFY(::stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));
        QVERIFY(::stat(QFile::encodeName(dir.filePath("fifo.txt")).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        QCOMPARE(vp.panel().firmwareEndCount(), 0);
    }

    void identifyAndState()
    {
        VirtualPanelFixture vp;
        vp.panel().setModelCode(0x08);
        vp.panel().setFirmwareVersion(12);
        vp.panel().setSerialNumber(12345);
        QTemporaryDir dir;

        Run run = cli({"identify", "--port", vp.portName()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Model: Ольма-8Ех (code 0x08)\nFirmware version: 12\nSerial number: 12345\n"));

        // The record as the window's poll builds it: the identify answer in bytes 0..3, the
        // clock the tool sent now held by the panel.
        const QString stateFile = dir.filePath(QStringLiteral("state.bin"));
        run = cli({"state", "--port=" + vp.portName(), "--out", stateFile});
        QCOMPARE(run.status, 0);
        const QByteArray record = readAll(stateFile);
        QCOMPARE(record.size(), 84);
        QCOMPARE(qFromLittleEndian<quint32>(record.constData()), vp.panel().identifyAnswer());
        QCOMPARE(record.mid(4, 6), vp.panel().receivedClock());
        QVERIFY(run.out.contains(QStringLiteral("Model: Ольма-8Ех\n")));
        QVERIFY(run.out.contains(QLatin1String("Serial number: 12345\n")));
    }

    void readConfig()
    {
        VirtualPanelFixture vp;
        const QByteArray image = patternImage();
        vp.panel().setImage(image);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("conf.bin"));

        Run run = cli({"read-config", "--port", vp.portName(), "--out", file}, true);
        QCOMPARE(run.status, 0);
        QCOMPARE(readAll(file), image);
        QVERIFY(QFile::exists(file + ".xml"));
        // The bar ends full, on a line of its own.
        QVERIFY(run.err.startsWith(QLatin1String("\r[")));
        QVERIFY(run.err.endsWith(QLatin1String("] 100%\n")));
    }

    void writeConfig()
    {
        // The plain write loses the line in the 40th block: the panel holds a mix, is not
        // restarted, and the message says so.
        VirtualPanelFixture vp;
        vp.panel().setModelCode(0x08);
        vp.panel().fallSilentFrom(3 + 40);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("conf.bin"));
        writeFile(file, patternImage());
        const Run cut = cli({"write-config", "--port", vp.portName(), "--model", "8", "--plain", file});
        QCOMPARE(cut.status, olma::cli::kExitFailed);
        QVERIFY2(cut.err.contains(QStringLiteral("Запись конфигурации прервана: прибор мог сохранить часть "
                                                 "конфигурации. Запишите конфигурацию ещё раз.")),
                 qPrintable(cut.err));
        QVERIFY(cut.out.isEmpty());
        QCOMPARE(vp.panel().restartCount(), 0);
    }

    void readLog()
    {
        VirtualPanelFixture vp;
        const QByteArray log = sampleLog();
        vp.panel().setLogRecords(log);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("log.bin"));

        Run run = cli({"read-log", "--port", vp.portName(), "--out", file});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Журнал успешно записан в файл: %1!\n").arg(file));
        // Every record of the panel is in the file, once.
        const QByteArray saved = readAll(file);
        QCOMPARE(saved.size(), log.size());
        for (int i = 0; i < log.size(); i += 8)
            QCOMPARE(saved.count(log.mid(i, 8)), 1);

        // The line drops in the second block: the file stays as it was and the message counts
        // the events that arrived.
        vp.panel().fallSilentFrom(vp.panel().requestCount() + 2);
        run = cli({"read-log", "--port", vp.portName(), "--out", file});
        QCOMPARE(run.status, olma::cli::kExitFailed);
        QVERIFY2(run.err.contains(QStringLiteral("Невозможно считать журнал событий!")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("Журнал считан не полностью: получено 7 событий")),
                 qPrintable(run.err));
        QCOMPARE(readAll(file), saved);
    }

    void firmwareAndRestart()
    {
        VirtualPanelFixture vp;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("olma.iex"));
        const QByteArray firmware = patternImage(130);
        writeFile(file, firmware);

        Run run = cli({"firmware", "--port", vp.portName(), file});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Запись прошивки в прибор завершена\n"));
        // Of each 64-byte chunk of the file the first 63 bytes travel.
        QCOMPARE(vp.panel().firmware(), firmware.mid(0, 63) + firmware.mid(64, 63));
        QCOMPARE(vp.panel().firmwareEndCount(), 1);

        const int restarts = vp.panel().restartCount();
        run = cli({"restart", "--port", vp.portName()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Команда сброса прибора выполнена!\n"));
        QTRY_COMPARE(vp.panel().restartCount(), restarts + 1);
    }

    void newConfig()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("new.bin"));
        Run run = cli({"new-config", "--model", "16", "--out", file});
        QCOMPARE(run.status, 0);
        QCOMPARE(readAll(file), readAll(olma::dataFile(QStringLiteral("config/default.bin"))));
        QVERIFY(QFile::exists(file + ".xml"));
    }

    void exports_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("model");
        // Each format on its own is the export tests' business; here the tool's way to it.
        QTest::newRow("config rtf") << false << "rtf"
                                    << "16";
        QTest::newRow("config, 4 loops, upper case") << false << "CSV"
                                                     << "4";
        QTest::newRow("log html") << true << "html"
                                  << "";
        QTest::newRow("log, .text") << true << "text"
                                    << "";
    }

    void exports()
    {
        // The document is the one the window writes for the same file (and model), byte for byte.
        QFETCH(bool, log);
        QFETCH(QString, suffix);
        QFETCH(QString, model);
        QTemporaryDir dir;
        const QString input = dir.filePath(QStringLiteral("input.bin"));
        if (log) {
            writeFile(input, sampleLog());
        } else {
            std::vector<unsigned char> image(olma::config::kImageSize);
            const QByteArray pattern = patternImage();
            std::copy(pattern.begin(), pattern.end(), image.begin());
            olma::config::Configuration configuration(image.data(), 2);
            configuration.setImage(image.data());
            configuration.tails()->tail(3)->setDescription(QStringLiteral("Склад «Север»"));
            QVERIFY(configuration.saveToFile(input));
        }
        const QString ours = dir.filePath("cli." + suffix);
        const QString done = log ? QStringLiteral("Журнал успешно экспортирован!")
                                 : QStringLiteral("Конфигурация успешно экспортированна в файл!");
        const Run run = log ? cli({"export-log", input, "--out", ours})
                            : cli({"export-config", input, "--model", model, "--out", ours});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, done + QLatin1Char('\n'));

        Window w;
        const QString theirs = dir.filePath("window." + suffix);
        w.dialogs.setNextFileName(input);
        w.dialogs.setNextFileName(theirs);
        if (log) {
            w.window->on_readLogFromFile_triggered();
            w.window->on_exportToFileAction_triggered();
        } else {
            w.dialogs.setNextDialogAction([model](QDialog* dialog) {
                static_cast<olma::TypeSelectDialog*>(dialog)->typeChanged(model.toInt() / 8);
                return int(QDialog::Accepted);
            });
            w.window->on_readConfFromFile_activated();
            w.window->on_exportConfToFile_triggered();
        }
        QCOMPARE(w.dialogs.lastText(), done);
        const QByteArray document = readAll(ours);
        QVERIFY(document.size() > 500);
        QCOMPARE(document, readAll(theirs));
    }

    void renderState_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("shown");
        QTest::newRow("common") << "common"
                                << "Версия ПО: 7\nТип прибора: Ольма-16Ех\nСерийный номер: 513\n"
                                   "Время и дата: 21:45:30 31.12.2024\n";
        for (const char* page : {"faults", "loops", "zones", "access", "relays"})
            QTest::newRow(page) << page << "<html>\n<body>\n";
    }

    void renderState()
    {
        QFETCH(QString, page);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QByteArray record(84, '\0');
        // Identify answer: model 0x10, version 7, serial 513; the clock in BCD, seconds first.
        const QByteArray head("\x10\x07\x01\x02\x30\x45\x21\x31\x12\x24", 10);
        record.replace(0, head.size(), head);
        const QString file = dir.filePath(QStringLiteral("state.bin"));
        writeFile(file, record);

        Run run = cli({"render-state", file, "--page", page});
        QCOMPARE(run.status, 0);
        if (page == QLatin1String("common")) {
            QCOMPARE(run.out, shown);
        } else {
            QVERIFY(run.out.startsWith(shown));
            QVERIFY(run.out.endsWith(QLatin1String("</body></html>\n")));
        }
    }

    void executables()
    {
        // The shipped programs side by side: a panel on a pseudo-terminal and the tool, whose
        // standard error is no terminal here, so it draws no bar.
        QTemporaryDir dir;
        writeFile(dir.filePath("image.bin"), patternImage());
        Panels panels;
        const QString port = panels.start({"--model", "0x10", "--image", dir.filePath("image.bin")});

        Run run = tool({"read-config", "--port", port, "--out", dir.filePath("conf.bin")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(readAll(dir.filePath("conf.bin")), patternImage());

        run = tool({});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.startsWith(QLatin1String("Usage: olma-cli")));

        // The messages speak the language asked for (the tests' system speaks Russian); a
        // document is the same in every language.
        const QString missing = dir.filePath("missing");
        run = tool({"identify", "--lang", "en", "--port", missing});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QLatin1String("olma-cli identify: No link to Olma-Ex")), qPrintable(run.err));
        run = tool({"--lang=ru", "identify", "--port", missing});
        QVERIFY2(run.err.startsWith(QStringLiteral("olma-cli identify: Нет связи с Ольма-Ех")), qPrintable(run.err));
        run = tool({"identify", "--port", port, "--lang", "en"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(QLatin1String("Serial number: ")), qPrintable(run.out));
        for (const char* language : {"de", ""}) {
            run = tool({"identify", "--port", port, "--lang", language});
            QCOMPARE(run.status, 2);
            QVERIFY(run.err.contains(QLatin1String("--lang")));
        }
        QCOMPARE(tool({"export-config", dir.filePath("conf.bin"), "--model", "16", "--out", dir.filePath("en.rtf"),
                       "--lang", "en"})
                     .status,
                 0);
        QCOMPARE(
            tool({"export-config", dir.filePath("conf.bin"), "--model", "16", "--out", dir.filePath("ru.rtf")}).status,
            0);
        QCOMPARE(readAll(dir.filePath("en.rtf")), readAll(dir.filePath("ru.rtf")));
    }

    void networkPorts()
    {
        // The shipped panel on the network (tcp://, tls:// with a certificate made here, and an
        // address that refuses), and the shipped tool reaching it through --port.
        QTemporaryDir dir;
        const QString key = dir.filePath("key.pem");
        const QString cert = dir.filePath("cert.pem");
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert, "-days", "2",
                       "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        QVERIFY(openssl.waitForFinished(60000));
        QCOMPARE(openssl.exitCode(), 0);

        Panels panels;
        const QString tcp = panels.start({"--serial", "4242", "--listen", "tcp://127.0.0.1:0"});
        const QString tls =
            panels.start({"--serial", "4242", "--listen", "tls://127.0.0.1:0", "--key", key, "--cert", cert});
        const QString refused = panels.start({"--listen", "tcp://127.0.0.1:0", "--fault", "refused"});

        Run run = tool({"identify", "--port", tcp});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(QLatin1String("4242")), qPrintable(run.out));
        const QString identified = run.out;

        run = tool({"identify", "--port", tls, "--ca", cert});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, identified);
        run = tool({"identify", "--port", tls, "--insecure"});
        QCOMPARE(run.out, identified);
        // Without either, the certificate made here is no one's word.
        run = tool({"identify", "--port", tls});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Нет соединения с %1: ").arg(tls.mid(6))), qPrintable(run.err));

        // A malformed address is a mistake on the command line.
        run = tool({"identify", "--port", "tcp://host"});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QStringLiteral("Неверный сетевой адрес \"tcp://host\"")), qPrintable(run.err));

        run = tool({"identify", "--port", refused});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Нет соединения с %1: Connection refused").arg(refused.mid(6))),
                 qPrintable(run.err));

        // A host nobody knows fails within the connect bound, naming the address.
        QElapsedTimer clock;
        clock.start();
        run = tool({"identify", "--port", "tcp://no-such-host.invalid:4001"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Нет соединения с no-such-host.invalid:4001: ")), qPrintable(run.err));
        QVERIFY(clock.elapsed() < 20000);
    }
};

OLMA_TEST_MAIN(TestCli)
#include "tst_cli.moc"
