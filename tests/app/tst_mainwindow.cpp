// The main window as the engineer meets it: the page buttons, the status line that follows the
// once-a-second poll, and its commands end to end against the virtual panel, with the message
// boxes and file dialogs answered by the interceptor.

#include "app/aboutdilog.h"
#include "app/edithistory.h"
#include "app/progressdialog.h"
#include "app/typeselectdialog.h"
#include "common/datadir.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/user.h"
#include "config/users.h"
#include "device/device.h"
#include "link/protocolimpl.h"
#include "link/selectdevicedialog.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "testmain.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtEndian>

#include <algorithm>

namespace {

const QStringList kPageTitles =
    QStringLiteral("Общие сведения|Неисправности|Состояние ШС|Состояние Зон|Доступ к прибору|Состояние реле (выходов)|"
                   "Параметры|Состав|Пользователи|Шлейфы сигнализации|Активация реле (выходов)|Журнал событий")
        .split(QLatin1Char('|'));
constexpr int kStatePages = 6;
constexpr int kLogPage = 11;

// `count` log records whose parameter B numbers them, so their order can be told.
QByteArray logRecords(int count)
{
    QByteArray log;
    for (int i = 0; i < count; ++i)
        log += QByteArray::fromHex("2401154201000001").replace(6, 1, QByteArray(1, char(i % 256)));
    return log;
}

QRgb indicatorCentre(MainWindow& window)
{
    for (QLabel* label : window.statusBar()->findChildren<QLabel*>()) {
        const QPixmap pixmap = label->pixmap();
        if (!pixmap.isNull() && pixmap.size() == QSize(20, 20))
            return pixmap.toImage().pixel(10, 10) & 0xFFFFFF;
    }
    return 0;
}

constexpr int kStatePage = 2;
constexpr int kParamsPage = 6;
constexpr int kUsersPage = 8;
constexpr int kBlocks = 372;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray defaultImage()
{
    return fileBytes(olma::dataFile(QStringLiteral("config/default.bin")));
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

// At the `nth` request of `command`, the user acts on the progress dialog on screen.
void actDuringRequest(WindowOnPanel& w, int command, int nth, const std::function<void(ProgressDialog*)>& act)
{
    auto seen = std::make_shared<int>(0);
    QObject::connect(&w.vp.panel(), &olma::vpanel::VirtualPanel::requestReceived, w.window.get(),
                     [command, nth, seen, act](int, const QByteArray& frame) {
                         if (frame.at(0) != command || ++*seen != nth)
                             return;
                         auto* dialog = visibleDialog<ProgressDialog>();
                         QVERIFY(dialog);
                         act(dialog);
                     });
}

// The key goes where a user's key goes: to the dialog's focused button (the only widget that
// takes focus), which passes on what it does not handle.
void pressDuringRequest(WindowOnPanel& w, int command, int nth, Qt::Key key)
{
    actDuringRequest(w, command, nth, [key](ProgressDialog* dialog) {
        auto* button = dialog->findChild<QPushButton*>();
        QVERIFY(button);
        QTest::keyClick(button, key);
    });
}

// The line above the log viewer's rows; empty when it is hidden or no viewer is shown.
QString partialLine(MainWindow& window)
{
    QWidget* page = window.currentPage();
    auto* line = page ? page->findChild<QLabel*>(QStringLiteral("_partialLabel")) : nullptr;
    return line && !line->isHidden() ? line->text() : QString();
}

// Gives every user of the tree a description of its own.
void describeUsers(olma::config::IConfigItem* item, int& count)
{
    if (auto* user = dynamic_cast<olma::config::User*>(item))
        user->setDescription(QStringLiteral("Сторож %1").arg(++count));
    for (olma::config::IConfigItem* child : item->children())
        describeUsers(child, count);
}

// Whether everything of a state page below its stale line is drawn without colour and without
// anything darker than mid grey, as an old state is; a live page has black text at least.
bool greyed(QWidget* page)
{
    auto* line = page->findChild<QLabel*>(QStringLiteral("_staleLabel"));
    page->resize(600, 400);
    page->layout()->activate();
    const int top = line->geometry().bottom() + 1;
    const QImage image = page->grab(QRect(0, top, page->width(), page->height() - top)).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::min({c.red(), c.green(), c.blue()}) < 100 ||
                std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 8)
                return false;
        }
    }
    return true;
}

// The stale line of the page shown; empty when it is hidden.
QString staleLine(MainWindow& window)
{
    auto* line = window.currentPage()->findChild<QLabel*>(QStringLiteral("_staleLabel"));
    return line && !line->isHidden() ? line->text() : QString();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void formAndPagesWithoutAPanel()
    {
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Новая конфигурация[*] — Ольма-4Ех — Конфигуратор ППКОП Ольма-Ех"));
        QCOMPARE(window.windowIcon().pixmap(32).size(), QSize(32, 32));
        QAction* reset = window.findChild<QAction*>(QStringLiteral("resetDevice"));
        QVERIFY(reset && !reset->isVisible());
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("readLogFromDevice"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+H")));

        // One button per page, the state pages disabled while no panel is connected.
        QCOMPARE(window.pageButtons().size(), kPageTitles.size());
        for (int i = 0; i < kPageTitles.size(); ++i) {
            QCOMPARE(window.pageButtons()[i]->text(), kPageTitles[i]);
            QCOMPARE(window.pageButtons()[i]->isEnabled(), i >= kStatePages);
        }
        QCOMPARE(window.indicator(), MainWindow::Indicator::Undetermined);
        QCOMPARE(indicatorCentre(window), QRgb(0x7F7F7F));
        QCOMPARE(window.stateText(), QStringLiteral("Состояние не определено"));
        QCOMPARE(window.modelText(), QStringLiteral("Тип не определен"));

        // Polls without a port change nothing.
        QTest::qWait(1100);
        QCOMPARE(window.indicator(), MainWindow::Indicator::Undetermined);
        QVERIFY(!window.pageButtons()[0]->isEnabled());
        QVERIFY(!window.engine());

        // A click builds the page anew and presses only its button.
        QAbstractButton* params = window.pageButtons()[6];
        QTest::mouseClick(params, Qt::LeftButton);
        QWidget* first = window.currentPage();
        QVERIFY(first);
        QTest::mouseClick(window.pageButtons()[7], Qt::LeftButton);
        QTest::mouseClick(params, Qt::LeftButton);
        QVERIFY(window.currentPage() != first);
        for (QAbstractButton* button : window.pageButtons())
            QCOMPARE(button->isChecked(), button == params);

        // Commands that need the panel say so, under their own titles.
        window.findChild<QAction*>(QStringLiteral("requestState"))->trigger();
        window.findChild<QAction*>(QStringLiteral("readConfFromDevice"))->trigger();
        const QString noPanel = QStringLiteral("Не подключен прибор!");
        QCOMPARE(shownMessages(dialogs),
                 (QStringList{said(QMessageBox::Critical, QStringLiteral("Опрос состояния прибора"), noPanel),
                              said(QMessageBox::Critical, QStringLiteral("Чтение конфигурации из прибора"), noPanel)}));
    }

    void indicatorFollowsTheLink()
    {
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        vp.panel().setModelCode(0x08);
        vp.panel().setFirmwareVersion(12);
        vp.panel().setSerialNumber(12345);
        // The record's own first bytes differ from the identify answer: the window puts the answer there.
        QByteArray record = vp.panel().stateRecord();
        record.replace(0, 4, QByteArray(4, char(0x55)));
        vp.panel().setStateRecord(record);
        MainWindow window(windowOn(QString()));
        QCOMPARE(window.indicator(), MainWindow::Indicator::Undetermined);

        // An adapter plugged in is found by the next poll, within a second.
        const QString port = vp.portName();
        window.factory()->setPortLister([port] { return QList<olma::link::PortEntry>{{port, port, true}}; });
        QTRY_COMPARE_WITH_TIMEOUT(window.indicator(), MainWindow::Indicator::Linked, 1100);
        QCOMPARE(indicatorCentre(window), QRgb(0x3ADA6A));
        QCOMPARE(window.stateText(), QStringLiteral("Связь с Ольма-Ех установлена"));
        QCOMPARE(window.modelText(), QStringLiteral("Тип прибора: Ольма-8Ех"));
        QCOMPARE(window.versionText(), QStringLiteral("Версия ПО: 12"));
        QCOMPARE(window.serialText(), QStringLiteral("Серийный номер: 12345"));
        QVERIFY(window.versionShown() && window.serialShown());
        QCOMPARE(qFromLittleEndian<quint32>(window.lastStateRecord().data()), vp.panel().identifyAnswer());
        QVERIFY(window.pageButtons()[0]->isEnabled());

        // The panel falls silent: the next poll shows the link lost and drops version and serial number.
        vp.panel().fallSilentFrom(vp.panel().requestCount() + 1);
        QTRY_COMPARE_WITH_TIMEOUT(window.indicator(), MainWindow::Indicator::NoLink, 4000);
        QCOMPARE(indicatorCentre(window), QRgb(0xED1C24));
        QCOMPARE(window.stateText(), QStringLiteral("Нет связи с Ольма-Ех"));
        QVERIFY(!window.versionShown() && !window.serialShown());
        // The buttons stay: the engine is kept and the pages show the last state.
        QVERIFY(window.pageButtons()[0]->isEnabled());
    }

    void commandChosenDuringAPollRunsAfterIt()
    {
        WindowOnPanel w;
        // The one USB adapter was taken unasked and the first poll set the model everywhere.
        QCOMPARE(w.window->configuration()->deviceType(), 2);
        QCOMPARE(w.window->logView()->deviceType(), 2);
        w.vp.panel().setLogRecords(logRecords(10));
        bool chosen = false;
        bool readyWhenChosen = true;
        // The user chooses the log read while the poll waits for the panel's first answer.
        QObject::connect(&w.vp.panel(), &olma::vpanel::VirtualPanel::requestReceived, w.window.get(),
                         [&](int, const QByteArray& frame) {
                             if (chosen || frame.at(0) != 1)
                                 return;
                             chosen = true;
                             readyWhenChosen = w.window->isReady();
                             w.action("readLogFromDevice")->trigger();
                         });
        w.vp.panel().clearRequests();
        QTRY_VERIFY_WITH_TIMEOUT(w.window->logView()->logEvents()->events().size() == 10, 3000);
        QVERIFY(!readyWhenChosen);
        QCOMPARE(w.window->pendingCommand(), int(MainWindow::kReadLogCommand));
        // The poll's state and identify requests went out whole before the first log request.
        const int logRequest = w.firstRequest(2);
        QVERIFY(logRequest > 0);
        QVERIFY(w.firstRequest(0) >= 0 && w.firstRequest(0) < logRequest);
        QVERIFY(w.window->pageButtons()[kLogPage]->isChecked());
        QVERIFY(w.dialogs.messages().isEmpty());
    }

    void commandWaitsNoLongerThanTheTickLimit()
    {
        // A poll of a panel that stopped answering takes two time-outs; a command chosen meanwhile
        // goes ahead after the deferral's tick limit, once the operation under way has left the
        // engine's loop, without waiting for the rest of the poll.
        WindowOnPanel w;
        w.vp.panel().clearRequests();
        w.vp.panel().fallSilentFrom(1);
        bool chosen = false;
        QObject::connect(&w.vp.panel(), &olma::vpanel::VirtualPanel::requestReceived, w.window.get(),
                         [&](int, const QByteArray& frame) {
                             if (chosen || frame.at(0) != 1)
                                 return;
                             chosen = true;
                             w.action("resetDevice")->trigger();
                             // The deferral timer's ticks, given one after another as an idle
                             // computer gives them. On a loaded one a hundred 1 ms ticks may take
                             // longer than the reply's time-out; the command then rightly goes
                             // ahead later in the poll, which is not what is looked at here.
                             for (int tick = 0; tick < 1000 && w.dialogs.messages().isEmpty(); ++tick)
                                 w.window->checkRunning();
                         });
        int identifyRequestsAtMessage = -1;
        w.dialogs.onMessage = [&] {
            identifyRequestsAtMessage = int(w.vp.panel().requests().count(QByteArray(64, '\0')));
        };
        QTRY_COMPARE_WITH_TIMEOUT(w.window->indicator(), MainWindow::Indicator::NoLink, 5000);
        QCOMPARE(identifyRequestsAtMessage, 0);
        QCOMPARE(w.firstRequest(0) >= 0, true);
        // The engine was still inside the poll: the restart is refused with the poll's error.
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(QMessageBox::Critical, QStringLiteral("Сброс прибора"),
                                  QStringLiteral("Команда сброса прибора не выполнена! \n Код ошибки: 13"))});
        QCOMPARE(w.vp.panel().restartCount(), 0);
    }

    void restartMessages_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("text");
        QTest::newRow("done") << QString() << int(QMessageBox::Information)
                              << QStringLiteral("Команда сброса прибора выполнена!");
        // No answer is awaited: a panel that has just answered the poll counts as restarted.
        QTest::newRow("no answer after a good poll")
            << QStringLiteral("silent-after-poll") << int(QMessageBox::Information)
            << QStringLiteral("Команда сброса прибора выполнена!");
        QTest::newRow("not supported") << QStringLiteral("error:code=1,command=0") << int(QMessageBox::Critical)
                                       << QStringLiteral("Команда не поддерживается!");
    }

    void restartMessages()
    {
        QFETCH(QString, fault);
        QFETCH(int, icon);
        QFETCH(QString, text);
        WindowOnPanel w;
        if (fault == QLatin1String("silent-after-poll")) {
            w.window->checkStatus();
            w.vp.panel().fallSilentFrom(w.vp.panel().requestCount() + 1);
        } else if (!fault.isEmpty()) {
            QVERIFY(w.vp.panel().addFault(fault));
            // The restart reports what the poll before it found.
            w.window->checkStatus();
        }
        const int restartsBefore = w.vp.panel().restartCount();
        w.action("resetDevice")->trigger();
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(QMessageBox::Icon(icon), QStringLiteral("Сброс прибора"), text)});
        if (fault.isEmpty())
            QTRY_COMPARE(w.vp.panel().restartCount(), restartsBefore + 1);
        // Busy while it ran; the poll comes back afterwards.
        QCOMPARE(w.window->indicator(), MainWindow::Indicator::Busy);
        QCOMPARE(w.window->stateText(), QStringLiteral("Устройство занято"));
        QTRY_VERIFY_WITH_TIMEOUT(w.window->indicator() != MainWindow::Indicator::Busy, 4000);
    }

    void logFromThePanel()
    {
        WindowOnPanel w;
        olma::logview::LogEvents* store = w.window->logView()->logEvents();

        // The whole log: 585 blocks of 7 records, the last record of each block first.
        const QByteArray full = logRecords(4095);
        w.vp.panel().setLogRecords(full);
        w.action("readLogFromDevice")->trigger();
        QVERIFY(w.dialogs.messages().isEmpty());
        QCOMPARE(int(store->events().size()), 4095);
        QCOMPARE(int(store->events().front().paramB), 6);
        QVERIFY(w.window->pageButtons()[kLogPage]->isChecked());
        QVERIFY(w.window->currentPage());

        // The line drops in the third block: the first two blocks stay and the user is told.
        w.vp.panel().setLogRecords(logRecords(35));
        w.vp.panel().clearRequests();
        w.vp.panel().fallSilentFrom(3);
        w.action("readLogFromDevice")->trigger();
        QCOMPARE(int(store->events().size()), 14);
        const QString title = QStringLiteral("Считывание журнала событий");
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{
                     said(QMessageBox::Critical, title,
                          QStringLiteral(
                              "Невозможно считать журнал событий!\nЖурнал считан не полностью: получено 14 событий"))});
        QVERIFY(w.window->pageButtons()[kLogPage]->isChecked());
        QCOMPARE(partialLine(*w.window), QStringLiteral("Журнал считан не полностью: получено 14 событий"));

        // Cancelled while the third block is asked for: two blocks stay, the viewer and the message say so.
        w.vp.panel().clearFaults();
        w.vp.panel().clearRequests();
        w.dialogs.clear();
        pressDuringRequest(w, 2, 3, Qt::Key_Escape);
        w.action("readLogFromDevice")->trigger();
        QCOMPARE(int(store->events().size()), 14);
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(
                     QMessageBox::Warning, title,
                     QStringLiteral(
                         "Считывание журнала событий отменено.\nЖурнал считан не полностью: получено 14 событий"))});
        QCOMPARE(partialLine(*w.window), QStringLiteral("Журнал считан не полностью: получено 14 событий"));

        // A whole read takes the line away.
        QObject::disconnect(&w.vp.panel(), &olma::vpanel::VirtualPanel::requestReceived, w.window.get(), nullptr);
        w.dialogs.clear();
        w.action("readLogFromDevice")->trigger();
        QVERIFY(w.dialogs.messages().isEmpty());
        QCOMPARE(int(store->events().size()), 35);
        QCOMPARE(partialLine(*w.window), QString());
    }

    void readFromThePanel()
    {
        WindowOnPanel w(0x08);
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
    }

    void unfinishedReadChangesNothing_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("message");
        QTest::newRow("escape") << QStringLiteral("escape") << int(QMessageBox::Information)
                                << QStringLiteral("Чтение конфигурации отменено");
        QTest::newRow("line drops") << QStringLiteral("silent") << int(QMessageBox::Critical)
                                    << QStringLiteral("Конфигурация не считана!");
    }

    void unfinishedReadChangesNothing()
    {
        QFETCH(QString, stop);
        QFETCH(int, icon);
        QFETCH(QString, message);
        WindowOnPanel w;
        // The window holds descriptions and shows the users page; the panel holds something else.
        int described = 0;
        describeUsers(w.window->configuration(), described);
        QVERIFY(described > 0);
        QTemporaryDir dir;
        const QString before = dir.filePath(QStringLiteral("before.bin"));
        QVERIFY(w.window->configuration()->saveToFile(before));
        w.vp.panel().setImage(QByteArray(olma::config::kImageSize, char(0x5A)));
        w.window->showPage(kUsersPage);
        QWidget* page = w.window->currentPage();

        // Stopped in the 40th block, well after the first blocks arrived.
        if (stop == QLatin1String("silent"))
            w.vp.panel().fallSilentFrom(w.vp.panel().requestCount() + 40);
        else
            pressDuringRequest(w, 3, 40, Qt::Key_Escape);
        // The descriptions are unsaved changes: the read asks first, and they are not saved.
        w.dialogs.setNextDialogAction([](QDialog*) { return int(QMessageBox::Discard); });
        w.action("readConfFromDevice")->trigger();
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(QMessageBox::Icon(icon), QStringLiteral("Чтение конфигурации из прибора"), message)});

        // Values and descriptions as they were, byte for byte, and the same page still shown.
        const QString after = dir.filePath(QStringLiteral("after.bin"));
        QVERIFY(w.window->configuration()->saveToFile(after));
        QCOMPARE(fileBytes(after), fileBytes(before));
        QCOMPARE(fileBytes(after + QStringLiteral(".xml")), fileBytes(before + QStringLiteral(".xml")));
        QCOMPARE(w.window->currentPage(), page);
        QVERIFY(w.window->pageButtons()[kUsersPage]->isChecked());
        QVERIFY(!visibleDialog<ProgressDialog>());
    }

    void writeFailures_data()
    {
        QTest::addColumn<QString>("fault"); // empty: Escape pressed in the tenth block
        QTest::addColumn<QString>("message");
        const QString failed = QStringLiteral(
            "Запись конфигурации прервана: прибор мог сохранить часть конфигурации. Запишите конфигурацию ещё раз.");
        QTest::newRow("access denied") << QStringLiteral("error:code=6,command=4")
                                       << QStringLiteral("Доступ к прибору запрещен");
        QTest::newRow("bad block") << QStringLiteral("error:code=3,command=4") << failed;
        QTest::newRow("escape") << QString() << failed;
    }

    void writeFailures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        WindowOnPanel w;
        w.window->setPlainWrite(true);
        if (!fault.isEmpty()) {
            QVERIFY(w.vp.panel().addFault(fault));
        } else {
            actDuringRequest(w, 4, 10, [](ProgressDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Запись конфигурации в прибор"));
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
        }
        w.action("writeConfToDevice")->trigger();
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(QMessageBox::Critical, QStringLiteral("Запись конфигурации в прибор"), message)});
        QVERIFY(commandsOf(w.vp.panel().requests()).count(4) < kBlocks);
        QCOMPARE(w.vp.panel().restartCount(), 0);
        QVERIFY(!visibleDialog<ProgressDialog>());
    }

    // The plain write: every block, then the restart. Neither Enter nor Return on the progress
    // dialog stops it or the log read.
    void wholeTransfers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("key");
        QTest::newRow("write, Enter") << QStringLiteral("writeConfToDevice") << int(Qt::Key_Enter);
        QTest::newRow("log, Return") << QStringLiteral("readLogFromDevice") << int(Qt::Key_Return);
    }

    void wholeTransfers()
    {
        QFETCH(QString, action);
        QFETCH(int, key);
        WindowOnPanel w;
        w.window->setPlainWrite(true);
        const bool write = action == QLatin1String("writeConfToDevice");
        w.vp.panel().setImage(QByteArray(olma::config::kImageSize, char(0x77)));
        w.vp.panel().setLogRecords(logRecords(35));
        w.vp.panel().clearRequests();
        // Pressed on the focused button and on the dialog, in the second block.
        actDuringRequest(w, write ? 4 : 2, 2, [key](ProgressDialog* dialog) {
            QTest::keyClick(dialog->findChild<QPushButton*>(), Qt::Key(key));
            QTest::keyClick(dialog, Qt::Key(key));
            QVERIFY(dialog->goOn());
        });
        w.action(qPrintable(action))->trigger();
        if (!write) {
            QVERIFY(w.dialogs.messages().isEmpty());
            QCOMPARE(int(w.window->logView()->logEvents()->events().size()), 35);
            return;
        }
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(QMessageBox::Information, QStringLiteral("Запись конфигурации в прибор"),
                                  QStringLiteral("Запись конфигурации в прибор завершена"))});
        QCOMPARE(w.vp.panel().image(), imageOf(*w.window));
        // The restart follows the last block, so that the panel takes the new configuration.
        QCOMPARE(commandsOf(w.vp.panel().requests()).count(4), kBlocks);
        QTRY_COMPARE(w.vp.panel().restartCount(), 1);
        QCOMPARE(commandsOf(w.vp.panel().requests()).last(), 7);
    }

    void failedPollMarksTheStatePagesStale()
    {
        WindowOnPanel w;
        w.window->showPage(kStatePage);
        const QString shown = w.window->currentPage()->findChild<QTextBrowser*>()->toPlainText();
        QCOMPARE(staleLine(*w.window), QString());
        QVERIFY(!greyed(w.window->currentPage()));

        // The panel stops answering: every state page keeps its state, greyed, under the time of the loss.
        w.vp.panel().fallSilentFrom(w.vp.panel().requestCount() + 1);
        const QTime before = QTime::currentTime().addSecs(-1);
        w.window->checkStatus();
        const QTime after = QTime::currentTime().addSecs(1);
        const QRegularExpression text(
            QStringLiteral("^Нет связи с прибором с (\\d\\d:\\d\\d:\\d\\d) — показано последнее известное состояние$"));
        const QRegularExpressionMatch match = text.match(staleLine(*w.window));
        QVERIFY2(match.hasMatch(), qPrintable(staleLine(*w.window)));
        const QTime since = QTime::fromString(match.captured(1), QStringLiteral("HH:mm:ss"));
        QVERIFY2(since >= before && since <= after, qPrintable(match.captured(1)));
        QCOMPARE(w.window->currentPage()->findChild<QTextBrowser*>()->toPlainText(), shown);
        for (int index = 0; index < kStatePages; ++index) {
            w.window->showPage(index);
            QCOMPARE(staleLine(*w.window), match.captured(0));
            QVERIFY(greyed(w.window->currentPage()));
        }

        // The first good poll takes the mark away.
        w.vp.panel().clearFaults();
        w.window->checkStatus();
        QCOMPARE(staleLine(*w.window), QString());
        QVERIFY(!greyed(w.window->currentPage()));
    }

    void configurationFiles_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("whole image") << olma::config::kImageSize << QString();
        QTest::newRow("one byte short") << olma::config::kImageSize - 1
                                        << QStringLiteral("Файл конфигурации: \"%1\" имеет неправильный размер!");
    }

    void configurationFiles()
    {
        QFETCH(int, size);
        QFETCH(QString, message);
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("conf.bin"), defaultImage().left(size));
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

    void firmware_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("uploaded") << QString() << QStringLiteral("Запись прошивки в прибор завершена");
        QTest::newRow("access denied") << QStringLiteral("error:code=6,command=5")
                                       << QStringLiteral("Доступ к прибору запрещен");
        const QString interrupted =
            QStringLiteral("Загрузка прошивки прервана: прибор может не работать до повторной загрузки.");
        QTest::newRow("refused end") << QStringLiteral("error:code=4,command=6") << interrupted;
        QTest::newRow("cancelled") << QStringLiteral("escape") << interrupted;
    }

    void firmware()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        WindowOnPanel w;
        QTemporaryDir dir;
        QByteArray image(130, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i + 1);
        const QString path = writeFile(dir, QStringLiteral("panel.iex"), image);
        // Cancelled while the first chunk travels: the panel has part of a firmware at most.
        if (fault == QLatin1String("escape"))
            pressDuringRequest(w, 5, 1, Qt::Key_Escape);
        else if (!fault.isEmpty())
            QVERIFY(w.vp.panel().addFault(fault));
        w.vp.panel().clearRequests();
        w.dialogs.setNextFileName(path);
        w.action("loadFirmWare")->trigger();
        QCOMPARE(w.dialogs.fileDialogCaptions().last(), QStringLiteral("Файл прошивки"));
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(fault.isEmpty() ? QMessageBox::Information : QMessageBox::Critical,
                                  QStringLiteral("Запись прошивки в прибор"), message)});
        if (!fault.isEmpty()) {
            QCOMPARE(w.vp.panel().restartCount(), 0);
            return;
        }
        // Of each 64-byte chunk the first 63 bytes travel; the 2-byte tail stays behind.
        QCOMPARE(w.vp.panel().firmware(), image.mid(0, 63) + image.mid(64, 63));
        QTRY_COMPARE(commandsOf(w.vp.panel().requests()), (QList<int>{5, 5, 6, 7}));

        // A file that is not there ends the command without a word.
        w.dialogs.setNextFileName(dir.filePath(QStringLiteral("none.iex")));
        w.action("loadFirmWare")->trigger();
        QCOMPARE(w.dialogs.messages().size(), 1);

        // A file under one block would "upload" nothing and succeed: refused before any upload
        // request, naming the file and its size.
        const QString tiny = writeFile(dir, QStringLiteral("tiny.iex"), image.left(40));
        w.vp.panel().clearRequests();
        w.dialogs.setNextFileName(tiny);
        w.action("loadFirmWare")->trigger();
        QCOMPARE(w.dialogs.messages().size(), 2);
        QVERIFY2(w.dialogs.messages()[1].text.contains(tiny) && w.dialogs.messages()[1].text.contains("40 байт"),
                 qPrintable(w.dialogs.messages()[1].text));
        QVERIFY(!commandsOf(w.vp.panel().requests()).contains(5) && !commandsOf(w.vp.panel().requests()).contains(6));
    }

    // The title names the configuration and its model and marks changes; every way that would
    // lose them asks first, and "Отмена" keeps everything.
    void unsavedChanges()
    {
        WindowOnPanel on(0x08);
        MainWindow& window = *on.window;
        window.show();
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Новая конфигурация[*]")));
        QVERIFY(!window.isWindowModified());

        window.configuration()->users()->user(3)->setTailOn(true);
        window.editHistory()->checkpoint();
        QVERIFY(window.isWindowModified());
        window.editHistory()->undo();
        QVERIFY(!window.isWindowModified());
        window.editHistory()->redo();
        QVERIFY(window.isWindowModified());
        const QByteArray edited = imageOf(window);

        int asked = 0;
        const auto answer = [&asked](int button) {
            return [&asked, button](QDialog* dialog) {
                if (dialog->objectName() != QStringLiteral("saveQuestion"))
                    return int(QDialog::Rejected);
                ++asked;
                auto* box = static_cast<QMessageBox*>(dialog);
                if (box->text() != QStringLiteral("Сохранить изменения в конфигурации?") ||
                    box->button(QMessageBox::Discard)->text() != QStringLiteral("Не сохранять"))
                    return int(QMessageBox::NoButton);
                return button;
            };
        };
        for (const char* way : {"makeNewConf", "readConfFromFile", "readConfFromDevice", "exitAction"}) {
            on.dialogs.setNextDialogAction(answer(QMessageBox::Cancel));
            on.action(way)->trigger();
            QCOMPARE(imageOf(window), edited);
            QVERIFY2(window.isWindowModified(), way);
            QVERIFY2(window.isVisible(), way);
        }
        on.dialogs.setNextDialogAction(answer(QMessageBox::Cancel));
        QVERIFY(!window.close());
        QCOMPARE(asked, 5);
        QVERIFY(on.dialogs.messages().isEmpty());

        // "Сохранить" saves under the name chosen, then the command goes on (its type dialog
        // refused here); the title names the file.
        QTemporaryDir dir;
        on.dialogs.setNextDialogAction(answer(QMessageBox::Save));
        on.dialogs.setNextFileName(dir.filePath(QStringLiteral("object.bin")));
        on.dialogs.setNextDialogAction([](QDialog*) { return int(QDialog::Rejected); });
        on.action("readConfFromFile")->trigger();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("object.bin"))));
        QVERIFY(!window.isWindowModified());
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("object.bin[*] — ")));

        // With a file behind it, "Сохранить" writes that file again without asking for a name.
        const QByteArray before = fileBytes(dir.filePath(QStringLiteral("object.bin")));
        window.configuration()->users()->user(5)->setTailOn(true);
        window.editHistory()->checkpoint();
        on.dialogs.setNextDialogAction(answer(QMessageBox::Save));
        on.dialogs.setNextDialogAction([](QDialog*) { return int(QDialog::Rejected); });
        on.action("readConfFromFile")->trigger();
        QVERIFY(!window.isWindowModified());
        const QByteArray again = fileBytes(dir.filePath(QStringLiteral("object.bin")));
        QVERIFY(!again.isEmpty() && again != before);
        window.configuration()->users()->user(5)->setTailOn(false);

        // "Не сохранять": a new configuration, of the connected panel's model unless chosen otherwise.
        window.configuration()->users()->user(3)->setTailOn(false);
        int offered = -1;
        on.dialogs.setNextDialogAction(answer(QMessageBox::Discard));
        on.dialogs.setNextDialogAction([&offered](QDialog* dialog) {
            offered = static_cast<olma::TypeSelectDialog*>(dialog)->selectedType();
            return int(QDialog::Accepted);
        });
        on.action("makeNewConf")->trigger();
        QCOMPARE(offered, window.device()->deviceType());
        QCOMPARE(window.configuration()->deviceType(), offered);
        QVERIFY(!window.isWindowModified());
        QVERIFY(!window.editHistory()->stack()->canUndo());
        QCOMPARE(asked, 8);
        QVERIFY(window.close());
    }

    // "Правка": the list's copy and paste, undone and redone from the menu.
    void editMenu()
    {
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        olma::config::Users* users = window.configuration()->users();
        users->user(1)->setAccessMask(0x0005);
        window.configurationLoaded(QString());
        const QByteArray opened = imageOf(window);
        window.showPage(kUsersPage);
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("_usersTreeWidget"));
        tree->setFocus();
        tree->setCurrentItem(tree->topLevelItem(1));
        window.findChild<QAction*>(QStringLiteral("copyAction"))->trigger();
        tree->setCurrentItem(tree->topLevelItem(3));
        window.findChild<QAction*>(QStringLiteral("pasteAction"))->trigger();
        QCOMPARE(int(users->user(3)->accessMask()), 0x0005);
        // What a click's release would do once the paste has run.
        window.editHistory()->checkpoint();

        window.findChild<QAction*>(QStringLiteral("undoAction"))->trigger();
        QCOMPARE(imageOf(window), opened);
        QCOMPARE(int(users->user(3)->accessMask()), 0);
        QVERIFY(!window.isWindowModified());
        // The page shown is made again over the restored configuration.
        QVERIFY(window.currentPage());
        window.findChild<QAction*>(QStringLiteral("redoAction"))->trigger();
        QCOMPARE(int(users->user(3)->accessMask()), 0x0005);
        QVERIFY(window.isWindowModified());
    }

    // Ctrl+Z in a description undoes the configuration's last step, not the field's own text: what
    // was typed while the field kept the focus is one step, the field keeps the focus and shows the
    // text as it was; Ctrl+Shift+Z brings it back, and with nothing left to undo the key does nothing.
    void undoKeysInTextFields()
    {
        DialogInterceptor dialogs;
        MainWindow window(windowOn(QString()));
        window.configurationLoaded(QString());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.showPage(kUsersPage);
        olma::config::User* user = window.configuration()->users()->user(0);
        const auto description = [&window] { return window.findChild<QTextEdit*>(QStringLiteral("_descrTextEdit")); };
        const auto typeIn = [](QWidget* field, const QString& text) {
            for (QChar ch : text) {
                QTest::keyClick(field, ch.toLatin1());
                QCoreApplication::processEvents();
            }
        };
        QUndoStack* steps = window.editHistory()->stack();

        description()->setFocus();
        typeIn(description(), QStringLiteral("ab"));
        window.findChild<QLineEdit*>(QStringLiteral("_keyLineEdit"))->setFocus();
        description()->setFocus();
        typeIn(description(), QStringLiteral("c"));
        QCOMPARE(user->description(), QStringLiteral("abc"));
        QCOMPARE(steps->count(), 2);

        const auto key = [](Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, modifiers);
            QCoreApplication::processEvents();
        };
        key(Qt::ControlModifier);
        QCOMPARE(user->description(), QStringLiteral("ab"));
        QCOMPARE(description()->toPlainText(), QStringLiteral("ab"));
        QCOMPARE(QApplication::focusWidget(), description());
        key(Qt::ControlModifier);
        QCOMPARE(description()->toPlainText(), QString());
        QVERIFY(!window.isWindowModified());
        key(Qt::ControlModifier);
        QCOMPARE(description()->toPlainText(), QString());
        key(Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(user->description(), QStringLiteral("ab"));
        QCOMPARE(description()->toPlainText(), QStringLiteral("ab"));

        // Typed after an undo, in the same field, the text is a step of its own.
        typeIn(description(), QStringLiteral("d"));
        QCOMPARE(steps->count(), 2);
        key(Qt::ControlModifier);
        QCOMPARE(user->description(), QStringLiteral("ab"));
        // A key without modifiers: the application would take Ctrl as still held in the tests after.
        QTest::keyClick(description(), Qt::Key_End);
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

OLMA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
