#include "app/mainwindow.h"

#include "app/aboutdilog.h"
#include "app/confirmwritedialog.h"
#include "app/edithistory.h"
#include "app/helpwindow.h"
#include "app/progressdialog.h"
#include "app/typeselectdialog.h"
#include "archive/archive.h"
#include "archive/archiverecords.h"
#include "archive/storedconfiguration.h"
#include "common/dialogs.h"
#include "common/safefile.h"
#include "common/settings.h"
#include "common/uilanguage.h"
#include "config/configexport.h"
#include "config/configtexts.h"
#include "config/configuration.h"
#include "config/exporttexts.h"
#include "device/commonstate.h"
#include "device/device.h"
#include "firmware/firmwareimage.h"
#include "flows/panelflows.h"
#include "flows/safewrite.h"
#include "flows/windowtexts.h"
#include "flows/writerecords.h"
#include "link/protocolimpl.h"
#include "link/selectdevicedialog.h"
#include "logview/logtexts.h"
#include "logview/logview.h"
#include "logview/progressdialoglog.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <algorithm>

// The menu commands of the main window.

namespace texts = olma::app::texts;

// ---- panel commands -----------------------------------------------------------------------

void MainWindow::on_setPort_activated()
{
    PanelCommand command;
    command.code = kSetPortCommand;
    command.title = texts::kPortDialogTitle;
    command.needsEngine = false;
    command.marksBusy = false;
    command.run = [this](ProgressDialog*) {
        // The dialog probes ports with engines of its own; the poll keeps off the line meanwhile.
        const bool polling = _pollTimer.isActive();
        _pollTimer.stop();
        olma::SelectDeviceDialog dialog(_factory, this);
        dialog.setWindowTitle(texts::kPortDialogTitle);
        connect(&dialog, &olma::SelectDeviceDialog::protoChanged, this,
                qOverload<ProtocolImpl*>(&MainWindow::handleProtoChanged));
        olma::dialogs::exec(&dialog);
        if (polling)
            _pollTimer.start();
    };
    runPanelCommand(command);
}

void MainWindow::on_readConfFromDevice_activated()
{
    PanelCommand command;
    command.code = kReadConfigCommand;
    command.title = texts::kReadConfTitle;
    command.prepare = [this] { return maybeSave(); };
    command.progressDialog = [this] { return std::make_unique<ProgressDialog>(this); };
    command.run = [this](ProgressDialog* dialog) {
        // The blocks land in a scratch copy; the configuration, its descriptions and the page
        // shown change only when every block has arrived.
        std::vector<unsigned char> image;
        std::vector<BlockRecord> table;
        _configuration->blocks(image, table);
        const bool read = _proto->readConfig(image.data(), table, dialog);
        // The engine ends a cancelled read without calling it a failure.
        if (read && dialog->isCancelled()) {
            olma::dialogs::information(this, texts::kReadConfTitle, texts::kReadConfCancelled);
            return;
        }
        if (!read) {
            olma::dialogs::critical(this, texts::kReadConfTitle, texts::kReadConfFailed);
            return;
        }
        adoptImage(image);
        _configurationPanel = connectedPanel();
        archiveConfiguration(olma::archive::SnapshotKind::ReadFromPanel);
    };
    runPanelCommand(command);
}

void MainWindow::adoptImage(const std::vector<unsigned char>& image)
{
    // The pages point into the tree that is about to be rebuilt.
    closePage();
    _configuration->setDeviceType(_device->deviceType());
    std::copy_n(image.begin(), std::min(image.size(), _image.size()), _image.begin());
    _configuration->setImage(_image.data());
    _configuration->resetDescriptions();
    configurationLoaded(QString());
    showConfigurationPage();
}

void MainWindow::on_writeConfToDevice_activated()
{
    PanelCommand command;
    command.code = kWriteConfigCommand;
    command.title = texts::kWriteConfTitle;
    command.prepare = [this] {
        if (_configuration->deviceType() != _device->deviceType()) {
            olma::dialogs::critical(this, texts::kWriteConfTitle, texts::kWriteConfTypeMismatch);
            return false;
        }
        return true;
    };
    command.progressDialog = [this] { return std::make_unique<ProgressDialog>(this); };
    command.run = [this](ProgressDialog* dialog) {
        if (!_plainWrite) {
            safeWrite(dialog);
            return;
        }
        std::vector<unsigned char> image;
        std::vector<BlockRecord> table;
        _configuration->blocks(image, table);
        if (image.empty()) {
            olma::dialogs::critical(this, texts::kWriteConfTitle, texts::kWriteConfEmpty);
            return;
        }
        const bool written = _proto->writeConfig(image.data(), table, dialog);
        // A write the user stopped halfway leaves the panel with a mixed configuration, and it
        // is not restarted into it.
        if (!written || !dialog->goOn()) {
            olma::dialogs::critical(this, texts::kWriteConfTitle, olma::app::writeConfigFailure(_proto->errorCode()));
            return;
        }
        _configurationPanel = connectedPanel();
        archiveConfiguration(olma::archive::SnapshotKind::WrittenToPanel);
        _history->markSaved();
        olma::dialogs::information(this, texts::kWriteConfTitle, texts::kWriteConfDone);
        // The panel takes the new configuration when it starts again.
        _proto->restart();
    };
    runPanelCommand(command);
}

void MainWindow::on_loadFirmWare_activated()
{
    std::vector<unsigned char> firmware;
    PanelCommand command;
    command.code = kFirmwareCommand;
    command.title = texts::kFirmwareTitle;
    command.prepare = [this, &firmware] {
        const QString name =
            olma::dialogs::getOpenFileName(this, texts::kFirmwareCaption, texts::kStartDir, texts::kFirmwareFilter);
        qint64 size = -1;
        switch (olma::firmware::readImage(name, firmware, &size)) {
        case olma::firmware::ReadResult::Read: {
            // The same question as before a configuration write, naming the file.
            const QFileInfo file(name);
            const QString question = panelText() + QLatin1Char('\n') +
                                     texts::kConfirmFirmware.arg(file.fileName())
                                         .arg(size)
                                         .arg(file.lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
            ConfirmWriteDialog confirm(texts::kFirmwareTitle, question, {}, this);
            return olma::dialogs::exec(&confirm) == QDialog::Accepted;
        }
        case olma::firmware::ReadResult::NotFound:
            return false;
        case olma::firmware::ReadResult::Unreadable:
            olma::dialogs::critical(this, texts::kFirmwareTitle, texts::kFirmwareUnreadable);
            return false;
        case olma::firmware::ReadResult::Refused:
            // An empty or tiny file would "upload" nothing and report success.
            olma::dialogs::critical(this, texts::kFirmwareTitle, olma::firmware::refusalMessage(name, size));
            return false;
        }
        return false;
    };
    command.progressDialog = [this] { return std::make_unique<ProgressDialog>(this); };
    command.run = [this, &firmware](ProgressDialog* dialog) {
        const bool written = _proto->writeFirmware(firmware.data(), unsigned(firmware.size()), dialog);
        // A cancelled upload is no failure to the engine, but the panel holds part of a firmware.
        if (!written || dialog->isCancelled()) {
            olma::dialogs::critical(this, texts::kFirmwareTitle, olma::app::firmwareFailure(_proto->errorCode()));
            return;
        }
        olma::dialogs::information(this, texts::kFirmwareTitle, texts::kFirmwareDone);
    };
    runPanelCommand(command);
}

void MainWindow::on_resetDevice_triggered()
{
    PanelCommand command;
    command.code = kResetCommand;
    command.title = texts::kResetTitle;
    command.run = [this](ProgressDialog*) {
        // The restart is not answered: its outcome is that of the write and of the last poll.
        if (_proto->restart()) {
            olma::dialogs::information(this, texts::kResetTitle, texts::kResetDone);
            return;
        }
        olma::dialogs::critical(this, texts::kResetTitle, olma::app::resetFailure(_proto->errorCode()));
    };
    runPanelCommand(command);
}

void MainWindow::on_readLogFromDevice_triggered()
{
    namespace logtexts = olma::logview::texts;
    PanelCommand command;
    command.code = kReadLogCommand;
    command.title = logtexts::kReadTitle;
    command.progressDialog = [this]() -> std::unique_ptr<ProgressDialog> {
        auto dialog = std::make_unique<olma::logview::ProgressDialogLog>(this);
        _logView->beginDeviceRead(dialog.get());
        return dialog;
    };
    command.run = [this](ProgressDialog* dialog) {
        auto* logDialog = static_cast<olma::logview::ProgressDialogLog*>(dialog);
        const bool read = _proto->readLog(static_cast<IProtocolLogCallback*>(logDialog), 0, olma::app::kWholeLog);
        const olma::logview::LogOutcome outcome = _logView->endDeviceRead(read, dialog->isCancelled());
        // A read that stopped halfway still adds what it safely can.
        archiveLog(read && !dialog->isCancelled());
        olma::logview::showOutcome(this, outcome);
    };
    command.finish = [this] { showLogPage(); };
    runPanelCommand(command);
}

void MainWindow::on_requestState_activated()
{
    if (!_proto) {
        olma::dialogs::critical(this, texts::kRequestStateTitle, texts::kNoDevice);
        return;
    }
    checkStatus();
}

// ---- configuration files ------------------------------------------------------------------

void MainWindow::on_makeNewConf_activated()
{
    if (!maybeSave())
        return;
    olma::TypeSelectDialog dialog(this);
    // The connected panel's model first.
    if (_proto && _indicator == Indicator::Linked)
        dialog.setSelectedType(_device->deviceType());
    if (olma::dialogs::exec(&dialog) != QDialog::Accepted)
        return;
    closePage();
    _configuration->newConfiguration(dialog.selectedType());
    _configuration->resetDescriptions();
    configurationLoaded(QString());
    _configurationPanel.reset();
}

void MainWindow::on_readConfFromFile_activated()
{
    namespace configtexts = olma::config::texts;
    if (!maybeSave())
        return;
    olma::TypeSelectDialog typeDialog(this);
    if (olma::dialogs::exec(&typeDialog) != QDialog::Accepted)
        return;
    const QString name = olma::dialogs::getOpenFileName(this, configtexts::readFileTitle(), texts::kStartDir,
                                                        configtexts::binaryFileFilter());
    if (name.isEmpty())
        return;

    QAbstractButton* shown = currentPage() ? _currentButton : nullptr;
    closePage();
    const olma::config::FileReadResult result = _configuration->readFromFile(name, typeDialog.selectedType());
    if (result != olma::config::FileReadResult::Loaded) {
        olma::dialogs::critical(this, configtexts::readFileTitle(), olma::config::fileReadMessage(result, name));
        // Nothing was loaded: the page that was shown comes back as it was.
        if (shown)
            toolButtonClick(shown);
        return;
    }
    configurationLoaded(name);
    _configurationPanel.reset();
    showConfigurationPage();
    if (!_configuration->descriptionWarning().isEmpty())
        olma::dialogs::warning(this, configtexts::readFileTitle(), _configuration->descriptionWarning());
}

void MainWindow::on_writeConfToFile_activated()
{
    const QString name = olma::dialogs::getSaveFileName(this, olma::config::texts::writeFileTitle(), texts::kStartDir,
                                                        olma::config::texts::binaryFileFilter());
    if (!name.isEmpty())
        saveConfiguration(name);
}

bool MainWindow::saveConfiguration(const QString& name)
{
    namespace configtexts = olma::config::texts;
    QString reason;
    if (!_configuration->saveToFile(name, &reason)) {
        olma::dialogs::critical(this, configtexts::writeFileTitle(),
                                olma::files::withReason(texts::kSaveConfFailed.arg(name), reason));
        return false;
    }
    _configurationFile = name;
    archiveConfiguration(olma::archive::SnapshotKind::SavedToFile, QFileInfo(name).absoluteFilePath());
    _history->markSaved();
    updateTitle();
    return true;
}

void MainWindow::on_exportConfToFile_triggered()
{
    namespace exporttexts = olma::config::exporttexts;
    const QString name =
        olma::dialogs::getSaveFileName(this, exporttexts::kCaption, exporttexts::kStartDir, exporttexts::kFilter);
    if (name.isEmpty())
        return;
    QString reason;
    const olma::config::ExportResult result = olma::config::exportConfiguration(*_configuration, name, &reason);
    const QString message = olma::config::exportMessage(result);
    if (result == olma::config::ExportResult::Exported)
        olma::dialogs::information(this, exporttexts::kTitle, message);
    else
        olma::dialogs::critical(this, exporttexts::kTitle, olma::files::withReason(message, reason));
}

// ---- log files ----------------------------------------------------------------------------

void MainWindow::on_readLogFromFile_triggered()
{
    namespace logtexts = olma::logview::texts;
    const QString name =
        olma::dialogs::getOpenFileName(this, logtexts::kOpenCaption, logtexts::kStartDir, logtexts::kBinaryFilter);
    const olma::logview::LogOutcome outcome = _logView->loadLogFile(name);
    olma::logview::showOutcome(this, outcome);
    if (outcome.done)
        showLogPage();
}

void MainWindow::on_writeLogToFile_triggered()
{
    namespace logtexts = olma::logview::texts;
    const QString name =
        olma::dialogs::getSaveFileName(this, logtexts::kSaveCaption, logtexts::kStartDir, logtexts::kBinaryFilter);
    // A cancelled dialog is reported as a failed save, naming no file.
    olma::logview::showOutcome(this, _logView->writeLogFile(name));
}

void MainWindow::on_exportToFileAction_triggered()
{
    const QString name = olma::logview::askExportFileName(this, _logView->logEvents());
    olma::logview::showOutcome(this, _logView->exportLog(name));
}

// ---- help, About, exit --------------------------------------------------------------------

void MainWindow::on_showHelp_triggered()
{
    // The manual inside the program, from its source in the interface language (the Russian one when
    // there is none); the typeset PDF is offered there.
    const QString pdf = olma::localizedDataFile(texts::kHelpFile);
    if (!_helpWindow) {
        QFile source(olma::localizedDataFile(texts::kHelpSource));
        if (!source.open(QIODevice::ReadOnly)) {
            // Without the source only the PDF is left, if a viewer takes it.
            if (!QFileInfo(pdf).isFile() || !_openDocument || !_openDocument(QUrl::fromLocalFile(pdf)))
                olma::dialogs::critical(this, texts::kHelpTitle, texts::kHelpNotFound);
            return;
        }
        _helpWindow = new HelpWindow(
            QString::fromUtf8(source.readAll()), pdf,
            [this](const QUrl& url) { return _openDocument && _openDocument(url); }, this);
    }
    _helpWindow->show();
    _helpWindow->raise();
    _helpWindow->activateWindow();
}

HelpWindow* MainWindow::helpWindow() const
{
    return _helpWindow;
}

void MainWindow::on_aboutAction_triggered()
{
    AboutDilog dialog(this);
    dialog.setWindowTitle(texts::kAboutTitle);
    olma::dialogs::exec(&dialog);
}

void MainWindow::on_exitAction_activated()
{
    close();
}

// ---- the safe write -----------------------------------------------------------------------

namespace {

const QString kPlainWriteKey = QStringLiteral("write/plain");
const QString kAllBlocksKey = QStringLiteral("write/allBlocks");

} // namespace

void MainWindow::setupWriteMenu()
{
    _writeRecords = std::make_unique<olma::app::WriteRecords>();
    auto* compare = new QAction(texts::kCompareTitle, this);
    compare->setObjectName(QStringLiteral("compareWithDevice"));
    connect(compare, &QAction::triggered, this, &MainWindow::compareWithDevice);
    _ui->menuConfiguration->insertAction(_ui->writeConfToFile, compare);
    _ui->menuConfiguration->insertSeparator(_ui->writeConfToFile);

    const QSettings stored = olma::settings();
    _plainWrite = stored.value(kPlainWriteKey, false).toBool();
    _allBlocks = stored.value(kAllBlocksKey, false).toBool();
    _ui->menuConfiguration->addSeparator();
    _allBlocksAction = _ui->menuConfiguration->addAction(texts::kWriteAllBlocks);
    _allBlocksAction->setObjectName(QStringLiteral("writeAllBlocks"));
    _allBlocksAction->setCheckable(true);
    _allBlocksAction->setChecked(_allBlocks);
    connect(_allBlocksAction, &QAction::toggled, this, [this](bool on) {
        _allBlocks = on;
        olma::settings().setValue(kAllBlocksKey, on);
    });
    _plainWriteAction = _ui->menuConfiguration->addAction(texts::kPlainWrite);
    _plainWriteAction->setObjectName(QStringLiteral("plainWrite"));
    _plainWriteAction->setCheckable(true);
    _plainWriteAction->setChecked(_plainWrite);
    connect(_plainWriteAction, &QAction::toggled, this, [this](bool on) {
        _plainWrite = on;
        olma::settings().setValue(kPlainWriteKey, on);
    });
}

void MainWindow::setWriteRecords(std::unique_ptr<olma::app::WriteRecords> records)
{
    _writeRecords = std::move(records);
}

void MainWindow::setPlainWrite(bool on)
{
    const QSignalBlocker quiet(_plainWriteAction);
    _plainWriteAction->setChecked(on);
    _plainWrite = on;
}

void MainWindow::setAllBlocks(bool on)
{
    const QSignalBlocker quiet(_allBlocksAction);
    _allBlocksAction->setChecked(on);
    _allBlocks = on;
}

QString MainWindow::panelText() const
{
    return texts::kConfirmPanel.arg(olma::device::modelName(_device->deviceType()))
        .arg(_device->serialNumber())
        .arg(_device->version())
        .arg(_proto ? _proto->portName() : QString());
}

void MainWindow::safeWrite(ProgressDialog* dialog)
{
    std::vector<unsigned char> image;
    std::vector<BlockRecord> table;
    _configuration->blocks(image, table);
    if (image.empty()) {
        olma::dialogs::critical(this, texts::kWriteConfTitle, texts::kWriteConfEmpty);
        return;
    }
    // The backup: what the panel holds now, read whole before anything is sent.
    std::vector<unsigned char> backupImage;
    const bool read = olma::app::readPanelImage(*_proto, backupImage, dialog);
    if (!read) {
        if (dialog->isCancelled())
            olma::dialogs::information(this, texts::kWriteConfTitle, texts::kReadConfCancelled);
        else
            olma::dialogs::critical(this, texts::kWriteConfTitle, texts::kReadConfFailed);
        return;
    }
    const olma::app::PanelIdentity panel{_device->serialNumber(), _device->deviceType(), _device->version()};
    QString error;
    const QString backup = _writeRecords->keepBackup(panel, backupImage, &error);
    if (olma::app::changedBlocks(backupImage, image, table).empty()) {
        _history->markSaved();
        olma::dialogs::information(this, texts::kWriteConfTitle, olma::app::alreadyEqualText());
        return;
    }
    if (backup.isEmpty()) {
        olma::dialogs::critical(this, texts::kWriteConfTitle, texts::kBackupNotKept.arg(error));
        return;
    }

    const QStringList changes = _writeRecords->differences(_device->deviceType(), backupImage, image);
    const QString source = _configurationFile.isEmpty()
                               ? texts::kConfirmSourceUnsaved
                               : texts::kConfirmSourceFile.arg(QFileInfo(_configurationFile).fileName());
    const QString question = panelText() + QLatin1Char('\n') + source + QLatin1Char('\n') +
                             texts::kConfirmChanges.arg(changes.size()) + QLatin1Char('\n') +
                             texts::kBackupKept.arg(backup);
    dialog->hide();
    ConfirmWriteDialog confirm(texts::kWriteConfTitle, question, changes, this);
    if (olma::dialogs::exec(&confirm) != QDialog::Accepted)
        return;
    dialog->show();

    const olma::app::SafeWriteResult result = olma::app::writeChanged(*_proto, backupImage, image, _allBlocks, dialog);
    switch (result.outcome) {
    case olma::app::SafeWriteResult::Outcome::AlreadyEqual:
        _history->markSaved();
        olma::dialogs::information(this, texts::kWriteConfTitle, olma::app::alreadyEqualText());
        return;
    case olma::app::SafeWriteResult::Outcome::Verified:
        // The archive keeps the written configuration with the descriptions in the editor.
        if (auto* records = dynamic_cast<olma::archive::ArchiveWriteRecords*>(_writeRecords.get()))
            records->setDescriptions(olma::archive::StoredConfiguration::descriptionsOf(*_configuration));
        _writeRecords->recordWrite(panel, image, true);
        _configurationPanel = panel;
        _history->markSaved();
        olma::dialogs::information(this, texts::kWriteConfTitle, olma::app::verifiedText());
        return;
    case olma::app::SafeWriteResult::Outcome::WriteFailed:
        _writeRecords->recordWrite(panel, image, false);
        dialog->hide();
        offerRestore(olma::app::writeConfigFailure(result.errorCode), backup, backupImage);
        return;
    case olma::app::SafeWriteResult::Outcome::Mismatch:
        _writeRecords->recordWrite(panel, image, false);
        dialog->hide();
        offerRestore(olma::app::mismatchText(_writeRecords->differences(_device->deviceType(), image, result.stored)),
                     backup, backupImage);
        return;
    }
}

void MainWindow::offerRestore(const QString& message, const QString& backup,
                              const std::vector<unsigned char>& backupImage)
{
    QMessageBox box(QMessageBox::Critical, texts::kWriteConfTitle,
                    message + QLatin1Char('\n') + texts::kBackupKept.arg(backup), QMessageBox::NoButton, this);
    QPushButton* restore = box.addButton(texts::kRestoreBackup, QMessageBox::AcceptRole);
    QPushButton* close = box.addButton(texts::kClose, QMessageBox::RejectRole);
    box.setDefaultButton(close);
    box.setEscapeButton(close);
    if (olma::dialogs::exec(&box) != QDialog::Accepted && box.clickedButton() != restore)
        return;
    if (box.clickedButton() && box.clickedButton() != restore)
        return;
    restoreBackup(backupImage);
}

void MainWindow::restoreBackup(const std::vector<unsigned char>& backupImage)
{
    ProgressDialog progress(this);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setWindowTitle(texts::kRestoreTitle);
    progress.show();
    // What the panel holds now, after whatever stopped the write.
    std::vector<unsigned char> current;
    if (!_proto || !olma::app::readPanelImage(*_proto, current, &progress)) {
        progress.hide();
        olma::dialogs::critical(this, texts::kRestoreTitle, texts::kReadConfFailed);
        return;
    }
    const olma::app::SafeWriteResult result = olma::app::writeChanged(*_proto, current, backupImage, false, &progress);
    progress.hide();
    if (result.ok()) {
        olma::dialogs::information(this, texts::kRestoreTitle, texts::kRestoreDone);
        return;
    }
    const QString message =
        result.outcome == olma::app::SafeWriteResult::Outcome::Mismatch
            ? olma::app::mismatchText(_writeRecords->differences(_device->deviceType(), backupImage, result.stored))
            : olma::app::writeConfigFailure(result.errorCode);
    olma::dialogs::critical(this, texts::kRestoreTitle, message);
}

void MainWindow::compareWithDevice()
{
    PanelCommand command;
    command.code = kCompareCommand;
    command.title = texts::kCompareTitle;
    command.progressDialog = [this] { return std::make_unique<ProgressDialog>(this); };
    command.run = [this](ProgressDialog* dialog) {
        std::vector<unsigned char> panelImage;
        if (!olma::app::readPanelImage(*_proto, panelImage, dialog)) {
            if (!dialog->isCancelled())
                olma::dialogs::critical(this, texts::kCompareTitle, texts::kReadConfFailed);
            return;
        }
        std::vector<unsigned char> image;
        std::vector<BlockRecord> table;
        _configuration->blocks(image, table);
        const QStringList differences = _writeRecords->differences(_configuration->deviceType(), panelImage, image);
        const bool same = olma::app::changedBlocks(panelImage, image, table).empty() && differences.isEmpty();
        dialog->hide();
        olma::dialogs::information(this, texts::kCompareTitle,
                                   same ? texts::kConfigurationsEqual : differences.join(QLatin1Char('\n')));
    };
    runPanelCommand(command);
}
