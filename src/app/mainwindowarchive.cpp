#include "app/mainwindow.h"

#include "archive/archiverecords.h"
#include "archive/archivesession.h"
#include "archive/archivesettings.h"
#include "archive/storedconfiguration.h"
#include "archive/widgets/archivepanelsdialog.h"
#include "archive/widgets/archivesettingsdialog.h"
#include "archive/widgets/archivewidgettexts.h"
#include "common/dialogs.h"
#include "common/text.h"
#include "config/configuration.h"
#include "config/descriptiondocument.h"
#include "device/device.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "ui_mainwindow.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>
#include <memory>

// The archive in the main window: the "Архив" menu, and the automatic archiving of what the
// panel commands and the configuration files moved.

namespace wt = olma::archive::widgettexts;
using olma::archive::SnapshotKind;

namespace {

constexpr olma::Text kHistorySource = OLMA_TEXT("MainWindow", "архив, прибор № %1");

QByteArray bytesOf(const std::vector<unsigned char>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

void MainWindow::setupArchiveMenu()
{
    QMenu* menu = new QMenu(wt::kMenu, this);
    menu->setObjectName(QStringLiteral("menuArchive"));
    _ui->_menuBar->insertMenu(_ui->menuHelp->menuAction(), menu);
    QAction* panels = menu->addAction(wt::kPanelsAction, this, &MainWindow::showArchivePanels);
    panels->setObjectName(QStringLiteral("archivePanels"));
    menu->addSeparator();
    QAction* settings = menu->addAction(wt::kSettingsAction, this, &MainWindow::editArchiveSettings);
    settings->setObjectName(QStringLiteral("archiveSettings"));

    _archiveLabel = new QLabel(this);
    _archiveLabel->setObjectName(QStringLiteral("archiveStatus"));
    _archiveLabel->hide();
    statusBar()->addPermanentWidget(_archiveLabel);
}

void MainWindow::setArchive(const olma::archive::ArchiveSettings& settings, bool fixedForRun)
{
    // The panel list reads the archive that is about to be replaced.
    delete _archivePanels;
    _archiveFixed = fixedForRun;
    _archive = std::make_unique<olma::archive::ArchiveSession>(settings);
    // A password typed once serves the whole run and both connections; it is kept nowhere else.
    auto password = std::make_shared<QString>();
    auto prompt = [this, password](const QString& location) {
        if (password->isEmpty())
            *password =
                QInputDialog::getText(this, wt::kPasswordTitle, wt::kPasswordPrompt.arg(location), QLineEdit::Password);
        return *password;
    };
    _archive->setPasswordPrompt(prompt);
    auto records = std::make_unique<olma::archive::ArchiveWriteRecords>(settings.effectiveUrl(), !settings.enabled);
    records->setPasswordPrompt(prompt);
    setWriteRecords(std::move(records));
}

olma::archive::ArchivePanelsDialog* MainWindow::archivePanels() const
{
    return _archivePanels;
}

QString MainWindow::archiveStatus() const
{
    return _archiveLabel->isHidden() ? QString() : _archiveLabel->text();
}

olma::app::PanelIdentity MainWindow::connectedPanel() const
{
    return {_device->serialNumber(), _device->deviceType(), _device->version()};
}

void MainWindow::archiveConfiguration(SnapshotKind kind, const QString& path)
{
    if (!_archive || !_configurationPanel)
        return;
    std::vector<unsigned char> image;
    std::vector<BlockRecord> table;
    _configuration->blocks(image, table);
    archived(_archive->recordConfiguration(*_configurationPanel, bytesOf(image),
                                           olma::archive::StoredConfiguration::descriptionsOf(*_configuration), kind,
                                           path));
}

void MainWindow::archiveLog(bool complete)
{
    const std::vector<unsigned char>& raw = _logView->logEvents()->rawLog();
    // A read that brought no whole record has nothing to add.
    if (!_archive || raw.size() < olma::logview::kLogRecordSize)
        return;
    archived(_archive->recordLog(connectedPanel(), bytesOf(raw), complete));
}

void MainWindow::archived(bool ok)
{
    if (ok) {
        _archiveLabel->clear();
        _archiveLabel->hide();
        // An open panel list shows what was just archived.
        if (_archivePanels && _archivePanels->isVisible())
            _archivePanels->reload();
        return;
    }
    const QString trouble = _archive->trouble();
    _archiveLabel->setText(wt::kTrouble.arg(trouble));
    _archiveLabel->show();
    if (!_archiveTroubleTold) {
        _archiveTroubleTold = true;
        olma::dialogs::warning(this, wt::kTroubleTitle, wt::kTroubleMessage.arg(trouble));
    }
}

void MainWindow::showArchivePanels()
{
    if (!_archive || !_archive->settings().enabled) {
        editArchiveSettings();
        if (!_archive || !_archive->settings().enabled)
            return;
    }
    olma::archive::Archive* archive = _archive->archive();
    if (!archive) {
        olma::dialogs::critical(this, wt::kPanelsTitle, _archive->trouble());
        return;
    }
    if (!_archivePanels) {
        olma::archive::ArchiveWindowHooks hooks;
        hooks.open = [this](const olma::archive::Snapshot& snapshot) { openSnapshot(snapshot); };
        hooks.current = [this]() -> const olma::config::Configuration* { return _configuration.get(); };
        hooks.showHistory = [this](const olma::archive::PanelInfo& panel, const QByteArray& history) {
            showHistory(panel, history);
        };
        _archivePanels = new olma::archive::ArchivePanelsDialog(*archive, std::move(hooks), this);
        _archivePanels->setObjectName(QStringLiteral("archivePanelsDialog"));
    } else {
        _archivePanels->reload();
    }
    _archivePanels->show();
    _archivePanels->raise();
    _archivePanels->activateWindow();
}

void MainWindow::editArchiveSettings()
{
    const olma::archive::ArchiveSettings stored = olma::archive::ArchiveSettings::load();
    olma::archive::ArchiveSettingsDialog dialog(_archiveFixed && _archive ? _archive->settings() : stored,
                                                _archiveFixed, this);
    if (olma::dialogs::exec(&dialog) != QDialog::Accepted)
        return;
    const olma::archive::ArchiveSettings chosen = dialog.settings();
    chosen.save();
    if (!_archiveFixed)
        setArchive(chosen, false);
}

void MainWindow::openSnapshot(const olma::archive::Snapshot& snapshot)
{
    // As a configuration file opens: the image and its descriptions replace the editor's.
    if (!maybeSave())
        return;
    closePage();
    _configuration->setDeviceType(snapshot.deviceType);
    std::fill(_image.begin(), _image.end(), 0);
    std::copy_n(snapshot.image.constData(), std::min<qsizetype>(snapshot.image.size(), qsizetype(_image.size())),
                _image.begin());
    _configuration->setImage(_image.data());
    const std::optional<QDomDocument> document = olma::config::descriptions::parse(snapshot.descriptions);
    _configuration->setDescriptionDocument(document ? *document : olma::config::descriptions::emptyDocument());
    configurationLoaded(QString());
    olma::app::PanelIdentity panel{snapshot.serial, snapshot.deviceType, 0};
    if (olma::archive::Archive* archive = _archive ? _archive->archive() : nullptr) {
        if (const std::optional<olma::archive::PanelInfo> info = archive->panel(snapshot.serial))
            panel.firmware = info->firmwareVersion;
    }
    _configurationPanel = panel;
    showConfigurationPage();
    activateWindow();
}

void MainWindow::showHistory(const olma::archive::PanelInfo& panel, const QByteArray& history)
{
    // The same store and viewer a log read fills, with their filters and exports; the printed
    // list names the archive's panel and its last contact as where and when the events came from.
    _logView->logEvents()->setOrigin(kHistorySource.arg(panel.serial), panel.lastContact);
    _logView->setLogContent(std::vector<unsigned char>(history.begin(), history.end()));
    showLogPage();
    activateWindow();
}
