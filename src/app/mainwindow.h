#pragma once

#include "common/iguisetup.h"
#include "flows/writerecords.h"
#include "link/iprotocolcallback.h"
#include "link/portlist.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class HelpWindow;
class ProgressDialog;
class ProtocolImpl;
class ProtocolImplFactory;
class QAbstractButton;
class QButtonGroup;
class QLabel;

namespace Ui {
class MainWindow;
}

namespace olma::archive {
class ArchivePanelsDialog;
class ArchiveSession;
struct ArchiveSettings;
struct PanelInfo;
struct Snapshot;
enum class SnapshotKind;
} // namespace olma::archive
namespace olma::app {
class EditHistory;
class WriteRecords;
} // namespace olma::app
namespace olma::config {
class Configuration;
class SelectionListPage;
} // namespace olma::config
namespace olma::device {
class Device;
}
namespace olma::logview {
class LogView;
}

// The program's one window: the page buttons of the device state, the configuration and the
// event log, the page shown, the status line with the link indicator, the once-a-second poll
// of the panel and the menu commands.
class MainWindow : public QMainWindow, public IProtocolCallback
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    // Where the window looks for its panel.
    struct Options
    {
        // Not empty: an engine for this port is made at once and no port is looked for.
        QString portName;
        // The ports offered to the automatic connection and the port dialog; empty: the computer's.
        std::function<QList<olma::link::PortEntry>()> portLister;
    };

    // The link indicator's four states.
    enum class Indicator
    {
        Undetermined,
        Linked,
        NoLink,
        Busy,
    };

    // Codes of the commands that wait for a running poll to end.
    enum PendingCommand
    {
        kNoCommand = 0,
        kReadConfigCommand = 1,
        kSetPortCommand = 2,
        kFirmwareCommand = 3,
        kWriteConfigCommand = 4,
        kResetCommand = 5,
        kReadLogCommand = 6,
        kCompareCommand = 7,
    };

    // Opens a document with the desktop's handler; true when that worked.
    using DocumentOpener = std::function<bool(const QUrl&)>;

    explicit MainWindow(const Options& options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window follows no operation's progress.
    bool progress(unsigned done, unsigned total, bool finished) override;

    // Shows the page of the `index`-th page button (0: the first state page), as a click does.
    void showPage(int index);
    void setDocumentOpener(DocumentOpener opener);
    // The manual's window once "Помощь" has opened it.
    HelpWindow* helpWindow() const;

    // What the status line shows, for tests and tools.
    Indicator indicator() const { return _indicator; }
    QString stateText() const;
    QString versionText() const;
    QString modelText() const;
    QString serialText() const;
    bool versionShown() const;
    bool serialShown() const;
    // The record the last poll handed to the device state (empty before the first poll with an engine).
    const std::vector<unsigned char>& lastStateRecord() const { return _lastRecord; }

    ProtocolImpl* engine() const;
    ProtocolImplFactory* factory() const { return _factory; }
    olma::device::Device* device() const { return _device.get(); }
    olma::config::Configuration* configuration() const { return _configuration.get(); }
    olma::logview::LogView* logView() const { return _logView; }
    // The page buttons in panel order, and the page shown (null when none).
    QList<QAbstractButton*> pageButtons() const { return _buttons; }
    QWidget* currentPage() const;
    // Where a write keeps its backup and records what it wrote (files alone unless replaced).
    void setWriteRecords(std::unique_ptr<olma::app::WriteRecords> records);
    // The two write settings, kept in the settings when changed from the menu.
    bool plainWrite() const { return _plainWrite; }
    void setPlainWrite(bool on);
    bool allBlocks() const { return _allBlocks; }
    void setAllBlocks(bool on);
    // The configuration file the configuration was last read from or saved to; empty when none.
    QString configurationFile() const { return _configurationFile; }
    // The undo history of the configuration and its "changed" mark.
    olma::app::EditHistory* editHistory() const { return _history; }
    // After the configuration was loaded, read or made anew (`file` empty when it came from no
    // file): no history, nothing changed, the title names it.
    void configurationLoaded(const QString& file);
    // Before the configuration is replaced or the program ends: when it has changes, asks
    // whether to save them; false when the engineer cancels (or the save did not happen).
    bool maybeSave();
    // Writes the configuration file `name` and makes it the configuration's file; false (after
    // saying why) when it could not be written.
    bool saveConfiguration(const QString& name);
    // The title: the configuration's file name (or "Новая конфигурация"), its model and "*"
    // while it has changes.
    void updateTitle();

    // The archive for this run; `fixedForRun`: the command line chose it, and the settings dialog
    // changes only what later runs use. Without an archive the window archives nothing.
    void setArchive(const olma::archive::ArchiveSettings& settings, bool fixedForRun);
    olma::archive::ArchiveSession* archiveSession() const { return _archive.get(); }
    // "Приборы…" once it has been opened.
    olma::archive::ArchivePanelsDialog* archivePanels() const;
    // Why the last automatic archiving failed, as the status line shows it; empty after success.
    QString archiveStatus() const;

    // False while a poll talks to the panel.
    bool isReady() const { return _ready; }
    int pendingCommand() const { return _pending; }

public slots:
    void toolButtonClick(QAbstractButton* button);
    void toolButtonClick();
    void on_makeNewConf_activated();
    void on_readConfFromFile_activated();
    void on_writeConfToFile_activated();
    void on_exitAction_activated();
    void on_setPort_activated();
    void handleProtoChanged(ProtocolImpl* proto);
    void handleProtoChanged();
    void on_loadFirmWare_activated();
    void on_writeConfToDevice_activated();
    void on_readConfFromDevice_activated();
    void on_requestState_activated();
    void on_readLogFromDevice_triggered();
    void on_exportToFileAction_triggered();
    void on_exportConfToFile_triggered();
    void on_readLogFromFile_triggered();
    void on_resetDevice_triggered();
    void on_showHelp_triggered();
    void checkStatus();
    void checkRunning();
    void on_writeLogToFile_triggered();
    void on_aboutAction_triggered();
    void compareWithDevice();
    // The "Архив" menu.
    void showArchivePanels();
    void editArchiveSettings();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The "Правка" menu, the undo history and the keys of the file commands.
    void setupEditing();
    // After an undo or redo: the configuration page closed for it is made again from the tree.
    void refreshConfigurationPage();
    // The list that "Копировать"/"Вставить" of the "Правка" menu act on; null when none is shown.
    olma::config::SelectionListPage* focusedList() const;

    // The shape every panel command shares: it waits for a running poll, needs an engine, marks
    // the window busy, shows a progress dialog while `run` talks to the panel and reports, then
    // puts everything back. Each step can be left out.
    struct PanelCommand
    {
        PendingCommand code = kNoCommand;
        QString title;
        bool needsEngine = true;
        bool marksBusy = true;
        // Checks and questions before anything is marked; false ends the command there.
        std::function<bool()> prepare;
        // Makes the progress dialog; none when empty.
        std::function<std::unique_ptr<ProgressDialog>()> progressDialog;
        // The operation and its report; the dialog is null without one.
        std::function<void(ProgressDialog*)> run;
        // After the dialog has gone.
        std::function<void()> finish;
    };
    void runPanelCommand(const PanelCommand& command);

    // Stops the poll, waits for the engine's loop to end, shows the panel as busy; the poll
    // starts again when the mark is left.
    class BusyMark;
    void enterBusy();
    void leaveBusy();

    void defer(PendingCommand code);
    void runPending(int code);

    void installPages(olma::IGuiSetup* setup, bool deviceDependent);
    // Un-presses every page button and removes the page shown; the current button is kept.
    void closePage();
    // After the configuration changed wholesale: the current configuration page is rebuilt,
    // or the first one is shown.
    void showConfigurationPage();
    void showLogPage();
    void setButtonsPressed(QAbstractButton* pressed);

    void connectAutomatically();
    void setIndicator(Indicator indicator);
    // "Сравнить с прибором" and the two write settings in the configuration menu.
    void setupWriteMenu();
    // The write that backs up, asks, writes what changed and reads it back.
    void safeWrite(ProgressDialog* dialog);
    // After a write that did not end verified: the message, with the offer to put the backup
    // back; the backup is written back when the user takes it.
    void offerRestore(const QString& message, const QString& backup, const std::vector<unsigned char>& backupImage);
    void restoreBackup(const std::vector<unsigned char>& backupImage);
    QString panelText() const;
    // Takes an image read from the panel into the configuration.
    void adoptImage(const std::vector<unsigned char>& image);

    // The archive (mainwindowarchive.cpp).
    void setupArchiveMenu();
    olma::app::PanelIdentity connectedPanel() const;
    // Automatic archiving of the configuration in the editor and of the log read; an archive
    // that fails is told in the status line, and once in a message, and stops nothing.
    void archiveConfiguration(olma::archive::SnapshotKind kind, const QString& path = {});
    void archiveLog(bool complete);
    void archived(bool ok);
    void openSnapshot(const olma::archive::Snapshot& snapshot);
    void showHistory(const olma::archive::PanelInfo& panel, const QByteArray& history);

    std::unique_ptr<Ui::MainWindow> _ui;

    // The configuration image; the configuration reads and writes it in place.
    std::vector<unsigned char> _image;
    std::unique_ptr<olma::device::Device> _device;
    std::unique_ptr<olma::config::Configuration> _configuration;
    olma::logview::LogView* _logView = nullptr;
    ProtocolImplFactory* _factory = nullptr;
    QPointer<ProtocolImpl> _proto;
    // Low byte of the last identify answer.
    unsigned char _modelCode = 0;
    std::vector<unsigned char> _lastRecord;

    QButtonGroup* _buttonGroup = nullptr;
    QList<QAbstractButton*> _buttons;
    QHash<QAbstractButton*, olma::GuiEntry> _entries;
    QList<QAbstractButton*> _deviceButtons;
    QList<QAbstractButton*> _configurationButtons;
    QAbstractButton* _logButton = nullptr;
    QAbstractButton* _currentButton = nullptr;

    QLabel* _indicatorLabel = nullptr;
    QLabel* _stateLabel = nullptr;
    QLabel* _versionLabel = nullptr;
    QLabel* _modelLabel = nullptr;
    QLabel* _serialLabel = nullptr;
    Indicator _indicator = Indicator::Undetermined;

    QTimer _pollTimer;
    QTimer _deferTimer;
    bool _ready = true;
    bool _polling = false;
    bool _commandRunning = false;
    int _pending = kNoCommand;
    int _ticks = 0;
    // Few ticks before the first poll has run.
    static constexpr int kStartTickLimit = 10;
    int _tickLimit = kStartTickLimit;

    DocumentOpener _openDocument;

    std::unique_ptr<olma::app::WriteRecords> _writeRecords;
    bool _plainWrite = false;
    bool _allBlocks = false;
    QAction* _plainWriteAction = nullptr;
    QAction* _allBlocksAction = nullptr;
    QString _configurationFile;
    QPointer<HelpWindow> _helpWindow;

    std::unique_ptr<olma::archive::ArchiveSession> _archive;
    bool _archiveFixed = false;
    bool _archiveTroubleTold = false;
    QLabel* _archiveLabel = nullptr;
    QPointer<olma::archive::ArchivePanelsDialog> _archivePanels;
    // The panel the configuration in the editor was read from, written to or archived for;
    // none for a new configuration or one opened from a file.
    std::optional<olma::app::PanelIdentity> _configurationPanel;
    olma::app::EditHistory* _history = nullptr;
    // The configuration page closed for an undo or redo, shown again after it.
    QAbstractButton* _pageAfterUndo = nullptr;
    // The object name of the control that had the focus on that page.
    QString _focusAfterUndo;
};
