#include "app/mainwindow.h"

#include "archive/archivesession.h"
#include "archive/widgets/archivepanelsdialog.h"
#include "ui_mainwindow.h"

#include "app/actionactivation.h"
#include "app/mnemonics.h"
#include "app/progressdialog.h"
#include "common/datadir.h"
#include "common/devicetype.h"
#include "common/dialogs.h"
#include "config/blockgroup.h"
#include "config/configuration.h"
#include "config/content.h"
#include "config/imagemap.h"
#include "device/device.h"
#include "device/releysstates.h"
#include "flows/panelflows.h"
#include "flows/windowtexts.h"
#include "flows/writerecords.h"
#include "link/errorcodes.h"
#include "link/protocolimpl.h"
#include "link/protocolimplfactory.h"
#include "link/selectdevicedialog.h"
#include "logview/ilogviewwidget.h"
#include "logview/logevents.h"
#include "logview/logview.h"

#include <QAbstractEventDispatcher>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLabel>
#include <QScopeGuard>
#include <QSpacerItem>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace texts = olma::app::texts;

namespace {

constexpr int kPollIntervalMs = 1000;
constexpr int kDeferIntervalMs = 1;
// Once polls run, a deferred command waits this many deferral ticks for the poll to end.
constexpr int kPollTickLimit = 100;

constexpr int kIndicatorSize = 20;
constexpr int kGroupLineWidth = 5;
constexpr int kGroupLineMargin = 6;
constexpr QRgb kUndeterminedColour = 0x7F7F7F;
constexpr QRgb kLinkedColour = 0x3ADA6A;
constexpr QRgb kNoLinkColour = 0xED1C24;
constexpr QRgb kBusyColour = 0xFFF200;

const char* const kIconResource = ":/data/images/tessel.ico";
const char* const kDefaultConfiguration = "config/default.bin";

// Actions whose slots are named after activated(), which the form's actions no longer emit.
const char* const kActivatedActions[] = {
    "makeNewConf",  "readConfFromFile",  "writeConfToFile",    "exitAction",   "setPort",
    "loadFirmWare", "writeConfToDevice", "readConfFromDevice", "requestState",
};

// A filled circle on a transparent ground, in two colours only, as the indicator has always been.
QPixmap indicatorPixmap(QRgb colour)
{
    QImage image(kIndicatorSize, kIndicatorSize, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(qRed(colour), qGreen(colour), qBlue(colour))});
    const double r = kIndicatorSize / 2.0;
    for (int y = 0; y < kIndicatorSize; ++y) {
        for (int x = 0; x < kIndicatorSize; ++x) {
            const double dx = x + 0.5 - r;
            const double dy = y + 0.5 - r;
            image.setPixel(x, y, dx * dx + dy * dy <= r * r ? 1 : 0);
        }
    }
    return QPixmap::fromImage(image);
}

QRgb indicatorColour(MainWindow::Indicator indicator)
{
    switch (indicator) {
    case MainWindow::Indicator::Undetermined:
        return kUndeterminedColour;
    case MainWindow::Indicator::Linked:
        return kLinkedColour;
    case MainWindow::Indicator::NoLink:
        return kNoLinkColour;
    case MainWindow::Indicator::Busy:
        return kBusyColour;
    }
    return kUndeterminedColour;
}

QString modelTextFor(int deviceType)
{
    switch (deviceType) {
    case 2:
        return texts::kModel16;
    case 1:
        return texts::kModel8;
    default:
        return texts::kModel4;
    }
}

} // namespace

// Busy marking for the length of a command.
class MainWindow::BusyMark
{
public:
    explicit BusyMark(MainWindow& window) : _window(window) { _window.enterBusy(); }
    ~BusyMark() { _window.leaveBusy(); }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;

private:
    MainWindow& _window;
};

MainWindow::MainWindow(const Options& options, QWidget* parent)
    : QMainWindow(parent), _ui(std::make_unique<Ui::MainWindow>())
{
    // Status line: indicator, state, firmware version, model, serial number.
    _indicatorLabel = new QLabel(this);
    _stateLabel = new QLabel(texts::kStateUndetermined, this);
    _versionLabel = new QLabel(this);
    _modelLabel = new QLabel(texts::kModelUndetermined, this);
    _serialLabel = new QLabel(this);

    for (const char* name : kActivatedActions)
        new olma::app::ActionActivation(QString::fromLatin1(name), this);
    _ui->setupUi(this);
    for (auto* activation : findChildren<olma::app::ActionActivation*>(QString(), Qt::FindDirectChildrenOnly))
        activation->relay(findChild<QAction*>(activation->objectName()));

    _ui->resetDevice->setVisible(false);
    setupWriteMenu();
    setupArchiveMenu();
    setWindowIcon(QIcon(QString::fromLatin1(kIconResource)));
    _buttonGroup = new QButtonGroup(this);
    _buttonGroup->setExclusive(true);
    _factory = new ProtocolImplFactory(this);
    if (options.portLister)
        _factory->setPortLister(options.portLister);
    _openDocument = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    auto* panelLayout = new QVBoxLayout(_ui->_leftPanel);
    panelLayout->setAlignment(Qt::AlignTop);
    panelLayout->setSpacing(0);
    panelLayout->setContentsMargins(0, 0, 0, 0);

    _device = std::make_unique<olma::device::Device>();
    installPages(_device.get(), true);

    // A port named on the command line is used as it is; no other is looked for.
    if (!options.portName.isEmpty())
        _proto = new ProtocolImpl(options.portName, _factory, false, olma::link::standardAcceptedCodes());

    // The first poll tells which model the default configuration is made for.
    _image.assign(olma::config::kImageSize, 0);
    checkStatus();

    _configuration =
        std::make_unique<olma::config::Configuration>(_image.data(), olma::deviceTypeFromModelCode(_modelCode));
    _configuration->loadFromFile(olma::dataFile(QString::fromLatin1(kDefaultConfiguration)));
    installPages(_configuration.get(), false);
    // The relay page hides the outputs of blocks the configuration shown does not connect.
    _device->releysStates()->setConnectedSource([this](int kind, int index) {
        const olma::config::BlockGroup* group = _configuration->content()->group(kind);
        return group && group->isConnected(index);
    });

    _logView = new olma::logview::LogView(this);
    _logView->setDeviceType(olma::deviceTypeFromModelCode(_modelCode));
    installPages(_logView, false);

    panelLayout->addItem(new QSpacerItem(kIndicatorSize, kIndicatorSize, QSizePolicy::Minimum, QSizePolicy::Expanding));
    connect(_buttonGroup, &QButtonGroup::buttonClicked, this,
            qOverload<QAbstractButton*>(&MainWindow::toolButtonClick));

    _indicatorLabel->setFixedSize(kIndicatorSize, kIndicatorSize);
    setIndicator(_indicator);
    statusBar()->addWidget(_indicatorLabel);
    statusBar()->addWidget(_stateLabel, 1);
    statusBar()->addWidget(_versionLabel, 1);
    statusBar()->addWidget(_modelLabel, 1);
    statusBar()->addWidget(_serialLabel, 1);

    _pollTimer.setInterval(kPollIntervalMs);
    connect(&_pollTimer, &QTimer::timeout, this, &MainWindow::checkStatus);
    _pollTimer.start();
    _deferTimer.setInterval(kDeferIntervalMs);
    connect(&_deferTimer, &QTimer::timeout, this, &MainWindow::checkRunning);

    setupEditing();
    olma::app::assignMnemonics(menuBar());

    // The first poll may already have found the one adapter there is.
    if (!_proto && options.portName.isEmpty())
        connectAutomatically();
}

MainWindow::~MainWindow()
{
    _pollTimer.stop();
    _deferTimer.stop();
    // The panel list reads the archive, which goes with the window's members.
    delete _archivePanels;
    // Pages point into the models; they go before the models do. The log viewer lives as long
    // as the window and is the last to go.
    closePage();
    if (_logView)
        delete dynamic_cast<QWidget*>(_logView->logEvents()->logViewWidget());
}

bool MainWindow::progress(unsigned, unsigned, bool)
{
    return true;
}

void MainWindow::showPage(int index)
{
    if (index >= 0 && index < _buttons.size())
        toolButtonClick(_buttons[index]);
}

void MainWindow::setDocumentOpener(DocumentOpener opener)
{
    _openDocument = std::move(opener);
}

QString MainWindow::stateText() const
{
    return _stateLabel->text();
}

QString MainWindow::versionText() const
{
    return _versionLabel->text();
}

QString MainWindow::modelText() const
{
    return _modelLabel->text();
}

QString MainWindow::serialText() const
{
    return _serialLabel->text();
}

bool MainWindow::versionShown() const
{
    return !_versionLabel->isHidden();
}

bool MainWindow::serialShown() const
{
    return !_serialLabel->isHidden();
}

ProtocolImpl* MainWindow::engine() const
{
    return _proto;
}

QWidget* MainWindow::currentPage() const
{
    return _ui->_wStack->currentWidget();
}

// ---- pages ------------------------------------------------------------------------------

void MainWindow::installPages(olma::IGuiSetup* setup, bool deviceDependent)
{
    auto* layout = static_cast<QVBoxLayout*>(_ui->_leftPanel->layout());
    QList<QAbstractButton*> made;
    for (const olma::GuiEntry& entry : setup->guiItems()) {
        auto* button = new QToolButton(_ui->_leftPanel);
        button->setText(entry.title);
        button->setIcon(QIcon(entry.icon));
        button->setToolButtonStyle(entry.icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        _buttonGroup->addButton(button);
        _entries.insert(button, entry);
        if (deviceDependent)
            _deviceButtons.append(button);
        layout->addWidget(button);
        button->setEnabled(setup->guiEnabled());
        _buttons.append(button);
        made.append(button);
    }
    if (setup == _configuration.get())
        _configurationButtons = made;
    else if (setup == _logView && !made.isEmpty())
        _logButton = made.first();

    // A line between the groups of buttons.
    auto* line = new QFrame(_ui->_leftPanel);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setLineWidth(kGroupLineWidth);
    // A line shows whole only in a frame taller than its two shades.
    line->setFixedHeight(2 * kGroupLineWidth + kGroupLineMargin);
    layout->addWidget(line);
}

void MainWindow::toolButtonClick(QAbstractButton* button)
{
    _currentButton = button;
    closePage();
    const auto entry = _entries.constFind(button);
    if (!button || entry == _entries.constEnd())
        return;
    QWidget* page = entry->item ? entry->item->createWidget(_ui->_wStack) : nullptr;
    if (!page)
        page = new QLabel(texts::kNotImplemented, _ui->_wStack);
    _ui->_wStack->addWidget(page);
    _ui->_wStack->setCurrentWidget(page);
    setButtonsPressed(button);
}

void MainWindow::toolButtonClick()
{
    toolButtonClick(nullptr);
}

void MainWindow::closePage()
{
    setButtonsPressed(nullptr);
    // Pages are made anew at every click; the one shown is done with. The log viewer is the
    // exception: it keeps its filters, sort keys and scroll position for the life of the window,
    // and the menu's export takes its filtered list from any page.
    const QWidget* logViewer = _logView ? dynamic_cast<QWidget*>(_logView->logEvents()->logViewWidget()) : nullptr;
    while (QWidget* page = _ui->_wStack->widget(0)) {
        _ui->_wStack->removeWidget(page);
        if (page == logViewer)
            page->hide();
        else
            delete page;
    }
}

void MainWindow::setButtonsPressed(QAbstractButton* pressed)
{
    // An exclusive group cannot have all its buttons up.
    _buttonGroup->setExclusive(false);
    for (QAbstractButton* button : std::as_const(_buttons))
        button->setChecked(button == pressed);
    _buttonGroup->setExclusive(true);
}

void MainWindow::showConfigurationPage()
{
    if (_configurationButtons.isEmpty())
        return;
    toolButtonClick(_configurationButtons.contains(_currentButton) ? _currentButton : _configurationButtons.first());
}

void MainWindow::showLogPage()
{
    if (_logButton)
        toolButtonClick(_logButton);
}

// ---- the poll -----------------------------------------------------------------------------

void MainWindow::setIndicator(Indicator indicator)
{
    _indicator = indicator;
    _indicatorLabel->setPixmap(indicatorPixmap(indicatorColour(indicator)));
}

void MainWindow::connectAutomatically()
{
    // The dialog lists the USB ports and probes the first; a single adapter is taken unasked.
    olma::SelectDeviceDialog dialog(_factory, this);
    connect(&dialog, &olma::SelectDeviceDialog::protoChanged, this,
            qOverload<ProtocolImpl*>(&MainWindow::handleProtoChanged));
    if (dialog.devicesCount() == 1)
        dialog.on__okButton_clicked();
}

void MainWindow::checkStatus()
{
    // Asked for while a poll runs (from inside its wait): that poll is the answer.
    if (_polling)
        return;
    _tickLimit = kPollTickLimit;
    if (!_proto)
        connectAutomatically();

    for (QAbstractButton* button : std::as_const(_deviceButtons))
        button->setEnabled(true);
    if (!_proto) {
        setIndicator(Indicator::Undetermined);
        _stateLabel->setText(texts::kStateUndetermined);
        for (QAbstractButton* button : std::as_const(_deviceButtons))
            button->setEnabled(false);
        return;
    }

    _polling = true;
    _ready = false;
    const olma::app::StatePoll poll = olma::app::pollState(_proto);
    const std::vector<unsigned char>& record = poll.record;
    const bool stateRead = poll.stateRead;
    const bool identified = poll.identified;

    if (!identified) {
        setIndicator(Indicator::NoLink);
        // A port the user may not open: say how to get the right instead of "no link".
        _stateLabel->setText(_proto && _proto->openDenied() ? _proto->openErrorString() : texts::kStateNoLink);
        _versionLabel->hide();
        _serialLabel->hide();
    } else {
        setIndicator(Indicator::Linked);
        _stateLabel->setText(texts::kStateLinked);
        _versionLabel->show();
        _serialLabel->show();
        if (stateRead)
            _modelCode = static_cast<unsigned char>(poll.id & 0xFF);
    }

    // Only a whole answer is the panel's state. After a failed poll the pages keep the last
    // one, greyed under the time the panel was first found silent; the next answer clears it.
    if (!identified || !stateRead) {
        _device->setStale(QTime::currentTime());
    } else {
        _lastRecord = record;
        _device->setData(record);
        if (_logView) {
            _logView->setDeviceType(olma::deviceTypeFromModelCode(_modelCode));
            _logView->setSerialNumber(_device->serialNumber());
        }
        _modelLabel->setText(modelTextFor(_device->deviceType()));
        _versionLabel->setText(texts::kVersion.arg(_device->version()));
        _serialLabel->setText(texts::kSerial.arg(_device->serialNumber()));
        _versionLabel->show();
        _serialLabel->show();
    }
    _ready = true;
    _polling = false;
}

void MainWindow::checkRunning()
{
    if (!_ready && _ticks <= _tickLimit) {
        ++_ticks;
        return;
    }
    if (_pending >= kReadConfigCommand && _pending <= kReadLogCommand) {
        _deferTimer.stop();
        _ticks = 0;
        // The poll has ended, or has run too long: the command goes ahead.
        _ready = true;
        runPending(_pending);
    }
    ++_ticks;
}

void MainWindow::defer(PendingCommand code)
{
    _pending = code;
    _deferTimer.start();
}

void MainWindow::runPending(int code)
{
    switch (code) {
    case kReadConfigCommand:
        on_readConfFromDevice_activated();
        break;
    case kSetPortCommand:
        on_setPort_activated();
        break;
    case kFirmwareCommand:
        on_loadFirmWare_activated();
        break;
    case kWriteConfigCommand:
        on_writeConfToDevice_activated();
        break;
    case kResetCommand:
        on_resetDevice_triggered();
        break;
    case kReadLogCommand:
        on_readLogFromDevice_triggered();
        break;
    case kCompareCommand:
        compareWithDevice();
        break;
    default:
        break;
    }
}

void MainWindow::enterBusy()
{
    _pollTimer.stop();
    // A command let through by the deferral's tick limit may find the poll's operation still
    // on its way; it waits, without spinning, until that operation has left the engine's loop.
    if (_proto && _proto->isRunning()) {
        QEventLoop wait;
        const QPointer<ProtocolImpl> engine = _proto;
        const auto check = [&wait, engine] {
            if (!engine || !engine->isRunning())
                wait.quit();
        };
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &wait, check);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, &wait, check);
        wait.exec();
    }
    setIndicator(Indicator::Busy);
    _stateLabel->setText(texts::kStateBusy);
}

void MainWindow::leaveBusy()
{
    _pollTimer.start();
}

void MainWindow::runPanelCommand(const PanelCommand& command)
{
    // Another command is under way and still waiting for the poll's operation to leave the
    // engine (its dialogs are modal, so only then can a second one be chosen): one at a time.
    if (_commandRunning)
        return;
    if (!_ready) {
        defer(command.code);
        return;
    }
    if (command.needsEngine && !_proto) {
        olma::dialogs::critical(this, command.title, texts::kNoDevice);
        return;
    }
    if (command.prepare && !command.prepare())
        return;
    {
        _commandRunning = true;
        const auto done = qScopeGuard([this] { _commandRunning = false; });
        std::optional<BusyMark> busy;
        if (command.marksBusy)
            busy.emplace(*this);
        // The wait for a running operation may have seen the engine go.
        if (command.needsEngine && !_proto) {
            olma::dialogs::critical(this, command.title, texts::kNoDevice);
            return;
        }
        std::unique_ptr<ProgressDialog> dialog = command.progressDialog ? command.progressDialog() : nullptr;
        if (dialog) {
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setWindowTitle(command.title);
            dialog->show();
        }
        command.run(dialog.get());
        busy.reset();
        if (dialog)
            dialog->hide();
    }
    if (command.finish)
        command.finish();
}

void MainWindow::handleProtoChanged(ProtocolImpl* proto)
{
    if (proto == _proto)
        return;
    // The old engine may still be unwinding an operation below this call; it goes once that is over.
    if (_proto)
        _proto->deleteLater();
    _proto = proto;
}

void MainWindow::handleProtoChanged()
{
    handleProtoChanged(nullptr);
}
