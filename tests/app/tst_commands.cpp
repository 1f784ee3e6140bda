// The window's commands end to end against the virtual panel, with the message boxes and file
// dialogs answered by the interceptor: configuration to and from the panel and files, firmware,
// export, the port dialog, help and About.

#include "testmain.h"
#include "windowfixture.h"

#include "app/aboutdilog.h"
#include "app/progressdialog.h"
#include "app/typeselectdialog.h"
#include "common/datadir.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "link/protocolimpl.h"
#include "link/selectdevicedialog.h"

#include <QAbstractButton>
#include <QTemporaryDir>

namespace {

constexpr int kStatePage = 2;
constexpr int kParamsPage = 6;
constexpr int kUsersPage = 8;
constexpr int kBlocks = 372;

QByteArray defaultImage()
{
    QFile file(olma::dataFile(QStringLiteral("config/default.bin")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray imageOf(MainWindow& window)
{
    const std::vector<unsigned char> image = window.configuration()->image();
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

// The type dialog answered with a model, as a user picks it from the list.
std::function<int(QDialog*)> chooseType(int type)
{
    return [type](QDialog* dialog) {
        static_cast<olma::TypeSelectDialog*>(dialog)->typeChanged(type);
        return int(QDialog::Accepted);
    };
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QList<int> commandsOf(const QList<QByteArray>& requests)
{
    QList<int> commands;
    for (const QByteArray& request : requests)
        commands.append(uchar(request.at(0)));
    return commands;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void readFromThePanel()
    {
        WindowOnPanel w(0x08);
        QVERIFY2(w.vp.isRunning(), qPrintable(w.vp.error()));
        QByteArray panelImage = defaultImage();
        QCOMPARE(panelImage.size(), olma::config::kImageSize);
        // Users 3 and 4 with credentials, a changed loop section and program.
        for (int i = 0; i < 32; ++i)
            panelImage[olma::config::kUsersOffset + 3 * olma::config::kUserRecordSize + i] = char(0x11 * (i % 15));
        panelImage[olma::config::kTailsOffset + 1] = char(0x23);
        panelImage[olma::config::kProgrammsOffset + 52 * 7 + 3] = char(0x5A);
        w.vp.panel().setImage(panelImage);

        // From the users page the users page is rebuilt; from a state page the first configuration page comes up.
        w.window->showPage(kUsersPage);
        QWidget* before = w.window->currentPage();
        w.action("readConfFromDevice")->trigger();
        QVERIFY(w.dialogs.messages().isEmpty());
        QCOMPARE(imageOf(*w.window), panelImage);
        QCOMPARE(w.window->configuration()->deviceType(), 1);
        QVERIFY(w.window->pageButtons()[kUsersPage]->isChecked());
        QVERIFY(w.window->currentPage() && w.window->currentPage() != before);

        w.window->showPage(kStatePage);
        w.action("readConfFromDevice")->trigger();
        QVERIFY(w.window->pageButtons()[kParamsPage]->isChecked());

        // The line drops halfway: the configuration stays as it was.
        w.vp.panel().setImage(defaultImage());
        w.vp.panel().fallSilentFrom(w.vp.panel().requestCount() + 40);
        w.action("readConfFromDevice")->trigger();
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages()[0].title, QStringLiteral("Чтение конфигурации из прибора"));
        QCOMPARE(w.dialogs.messages()[0].text, QStringLiteral("Конфигурация не считана!"));
        QCOMPARE(imageOf(*w.window), panelImage);
    }

    void writeToThePanel()
    {
        WindowOnPanel w;
        QVERIFY2(w.vp.isRunning(), qPrintable(w.vp.error()));
        w.vp.panel().setImage(QByteArray(olma::config::kImageSize, char(0x77)));
        w.vp.panel().clearRequests();
        w.action("writeConfToDevice")->trigger();
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages()[0].icon, QMessageBox::Information);
        QCOMPARE(w.dialogs.messages()[0].title, QStringLiteral("Запись конфигурации в прибор"));
        QCOMPARE(w.dialogs.messages()[0].text, QStringLiteral("Запись конфигурации в прибор завершена"));
        QCOMPARE(w.vp.panel().image(), imageOf(*w.window));
        // The restart follows the last block, so that the panel takes the new configuration.
        const QList<int> commands = commandsOf(w.vp.panel().requests());
        QCOMPARE(commands.count(4), kBlocks);
        QTRY_COMPARE(w.vp.panel().restartCount(), 1);
        QCOMPARE(commandsOf(w.vp.panel().requests()).last(), 7);
    }

    void writeFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("message");
        const QString failed = QStringLiteral("Запись конфигурации в прибор не произведена!");
        QTest::newRow("access denied") << QStringLiteral("error:code=6,command=4") << QString()
                                       << QStringLiteral("Доступ к прибору запрещен");
        QTest::newRow("bad block") << QStringLiteral("error:code=3,command=4") << QString() << failed;
        QTest::newRow("escape") << QString() << QStringLiteral("escape") << failed;
        QTest::newRow("window closed") << QString() << QStringLiteral("close") << failed;
    }

    void writeFailures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, cancel);
        QFETCH(QString, message);
        WindowOnPanel w;
        QVERIFY2(w.vp.isRunning(), qPrintable(w.vp.error()));
        if (!fault.isEmpty())
            QVERIFY(w.vp.panel().addFault(fault));
        int writes = 0;
        QObject::connect(&w.vp.panel(), &olma::vpanel::VirtualPanel::requestReceived, w.window.get(),
                         [&](int, const QByteArray& frame) {
                             if (frame.at(0) != 4 || ++writes != 10 || cancel.isEmpty())
                                 return;
                             auto* dialog = visibleDialog<ProgressDialog>();
                             QVERIFY(dialog);
                             QCOMPARE(dialog->windowTitle(), QStringLiteral("Запись конфигурации в прибор"));
                             if (cancel == QLatin1String("escape"))
                                 QTest::keyClick(dialog, Qt::Key_Escape);
                             else
                                 dialog->close();
                         });
        w.action("writeConfToDevice")->trigger();
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(w.dialogs.messages()[0].text, message);
        QVERIFY(writes < kBlocks);
        QCOMPARE(w.vp.panel().restartCount(), 0);
        QVERIFY(!visibleDialog<ProgressDialog>());
    }

    void writeRefusedForAnotherModel()
    {
        WindowOnPanel w(0x10);
        QVERIFY2(w.vp.isRunning(), qPrintable(w.vp.error()));
        w.dialogs.setNextDialogAction(chooseType(1));
        w.action("makeNewConf")->trigger();
        QCOMPARE(w.window->configuration()->deviceType(), 1);

        const int requests = w.vp.panel().requestCount();
        w.action("writeConfToDevice")->trigger();
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages()[0].text, QStringLiteral("Тип конфигурации и тип прибора не ссовпадают!"));
        QCOMPARE(w.vp.panel().requestCount(), requests);
    }

    void configurationFiles_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("whole image") << olma::config::kImageSize << QString();
        QTest::newRow("older layout") << olma::config::kShortImageSize << QString();
        QTest::newRow("one byte short") << olma::config::kImageSize - 1
                                        << QStringLiteral("Файл конфигурации: \"%1\" имеет неправильный размер!");
        QTest::newRow("missing") << -1 << QStringLiteral("Файл конфигурации: \"%1\" не наден!");
    }

    void configurationFiles()
    {
        QFETCH(int, size);
        QFETCH(QString, message);
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        QTemporaryDir dir;
        const QString path = size < 0 ? dir.filePath(QStringLiteral("none.bin"))
                                      : writeFile(dir, QStringLiteral("conf.bin"), defaultImage().left(size));
        QVERIFY(!path.isEmpty());

        window.showPage(kUsersPage);
        dialogs.setNextDialogAction(chooseType(2));
        dialogs.setNextFileName(path);
        window.findChild<QAction*>(QStringLiteral("readConfFromFile"))->trigger();
        QCOMPARE(dialogs.fileDialogCaptions().last(), QStringLiteral("Чтение конфигурации из файла"));
        if (message.isEmpty()) {
            QVERIFY(dialogs.messages().isEmpty());
            QCOMPARE(window.configuration()->deviceType(), 2);
        } else {
            QCOMPARE(dialogs.messages().size(), 1);
            QCOMPARE(dialogs.messages()[0].title, QStringLiteral("Чтение конфигурации из файла"));
            QCOMPARE(dialogs.messages()[0].text, message.arg(path));
            QCOMPARE(window.configuration()->deviceType(), 0);
        }
        // The page shown is there again either way, built afresh.
        QVERIFY(window.pageButtons()[kUsersPage]->isChecked());
        QVERIFY(window.currentPage());
    }

    void savingAConfiguration()
    {
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("conf.bin"));
        dialogs.setNextFileName(good);
        window.findChild<QAction*>(QStringLiteral("writeConfToFile"))->trigger();
        QVERIFY(dialogs.messages().isEmpty());
        QCOMPARE(QFileInfo(good).size(), qint64(olma::config::kImageSize));
        QVERIFY(QFileInfo::exists(good + QStringLiteral(".xml")));

        const QString bad = dir.filePath(QStringLiteral("no/such/folder/conf.bin"));
        dialogs.setNextFileName(bad);
        window.findChild<QAction*>(QStringLiteral("writeConfToFile"))->trigger();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(dialogs.messages()[0].title, QStringLiteral("Запись конфигурации в файл"));
        QVERIFY(dialogs.messages()[0].text.contains(bad));
    }

    void firmware_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("uploaded") << QString() << QStringLiteral("Запись прошивки в прибор завершена");
        QTest::newRow("access denied") << QStringLiteral("error:code=6,command=5")
                                       << QStringLiteral("Доступ к прибору запрещен");
        QTest::newRow("refused end") << QStringLiteral("error:code=4,command=6")
                                     << QStringLiteral("Запись прошивки в прибор не произведена!");
    }

    void firmware()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        WindowOnPanel w;
        QVERIFY2(w.vp.isRunning(), qPrintable(w.vp.error()));
        QTemporaryDir dir;
        QByteArray image(130, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i + 1);
        const QString path = writeFile(dir, QStringLiteral("panel.iex"), image);
        if (!fault.isEmpty())
            QVERIFY(w.vp.panel().addFault(fault));
        w.vp.panel().clearRequests();
        w.dialogs.setNextFileName(path);
        w.action("loadFirmWare")->trigger();
        QCOMPARE(w.dialogs.fileDialogCaptions().last(), QStringLiteral("Файл прошивки"));
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages()[0].title, QStringLiteral("Запись прошивки в прибор"));
        QCOMPARE(w.dialogs.messages()[0].text, message);
        if (!fault.isEmpty())
            return;
        // Of each 64-byte chunk the first 63 bytes travel; the 2-byte tail stays behind.
        QCOMPARE(w.vp.panel().firmware(), image.mid(0, 63) + image.mid(64, 63));
        QTRY_COMPARE(commandsOf(w.vp.panel().requests()), (QList<int>{5, 5, 6, 7}));

        // A file that is not there ends the command without a word.
        w.dialogs.setNextFileName(dir.filePath(QStringLiteral("none.iex")));
        w.action("loadFirmWare")->trigger();
        QCOMPARE(w.dialogs.messages().size(), 1);
    }

    void exportNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("message");
        QTest::newRow("upper-case text") << QStringLiteral("conf.TXT") << int(QMessageBox::Information)
                                         << QStringLiteral("Конфигурация успешно экспортированна в файл!");
        QTest::newRow("rtx has no writer") << QStringLiteral("conf.rtx") << int(QMessageBox::Critical)
                                           << QStringLiteral("Невозможно экспортировать конфигурацию!");
        QTest::newRow("doc is not offered") << QStringLiteral("conf.doc") << int(QMessageBox::Critical)
                                            << QStringLiteral("Выбранный тип файлов не поддерживается!");
    }

    void exportNames()
    {
        QFETCH(QString, name);
        QFETCH(int, icon);
        QFETCH(QString, message);
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        QTemporaryDir dir;
        dialogs.setNextFileName(dir.filePath(name));
        window.findChild<QAction*>(QStringLiteral("exportConfToFile"))->trigger();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(int(dialogs.messages()[0].icon), icon);
        QCOMPARE(dialogs.messages()[0].title, QStringLiteral("Экспорт конфигурации"));
        QCOMPARE(dialogs.messages()[0].text, message);
        QCOMPARE(QFileInfo::exists(dir.filePath(name)), icon == int(QMessageBox::Information));
        // A cancelled dialog does nothing.
        window.findChild<QAction*>(QStringLiteral("exportConfToFile"))->trigger();
        QCOMPARE(dialogs.messages().size(), 1);
    }

    void portHelpAboutAndNew()
    {
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));

        // The port dialog, shown modally under its title, hands out the engine of the port chosen.
        const QString port = vp.portName();
        window.factory()->setPortLister([port] { return QList<olma::link::PortEntry>{{port, port, true}}; });
        QString title;
        dialogs.setNextDialogAction([&title](QDialog* dialog) {
            title = dialog->windowTitle();
            static_cast<olma::SelectDeviceDialog*>(dialog)->on__okButton_clicked();
            return dialog->result();
        });
        window.findChild<QAction*>(QStringLiteral("setPort"))->trigger();
        QCOMPARE(title, QStringLiteral("Выбор последовательного порта ППКОП"));
        QVERIFY(window.engine());
        QCOMPARE(window.engine()->portName(), port);
        window.findChild<QAction*>(QStringLiteral("requestState"))->trigger();
        QCOMPARE(window.indicator(), MainWindow::Indicator::Linked);

        // Help opens the manual beside the program, or says it is not there.
        QList<QUrl> opened;
        window.setDocumentOpener([&opened](const QUrl& url) {
            opened.append(url);
            return true;
        });
        window.findChild<QAction*>(QStringLiteral("showHelp"))->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(olma::dataFile(QStringLiteral("help/olma.pdf")))});
        QVERIFY(dialogs.messages().isEmpty());
        window.setDocumentOpener([](const QUrl&) { return false; });
        window.findChild<QAction*>(QStringLiteral("showHelp"))->trigger();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages()[0].title, QStringLiteral("Помощь"));
        QCOMPARE(dialogs.messages()[0].text, QStringLiteral("Файл справки не найден!"));

        dialogs.setNextDialogAction([&title](QDialog* dialog) {
            title = qobject_cast<AboutDilog*>(dialog) ? dialog->windowTitle() : QString();
            return int(QDialog::Accepted);
        });
        window.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
        QCOMPARE(title, QStringLiteral("О Программе"));

        // A new configuration of the chosen model; the page shown goes, a cancelled choice keeps all.
        window.showPage(kParamsPage);
        dialogs.setNextDialogAction([](QDialog*) { return int(QDialog::Rejected); });
        window.findChild<QAction*>(QStringLiteral("makeNewConf"))->trigger();
        QVERIFY(window.currentPage());
        dialogs.setNextDialogAction(chooseType(2));
        window.findChild<QAction*>(QStringLiteral("makeNewConf"))->trigger();
        QCOMPARE(window.configuration()->deviceType(), 2);
        QVERIFY(!window.currentPage());
        for (QAbstractButton* button : window.pageButtons())
            QVERIFY(!button->isChecked());
    }
};

OLMA_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
