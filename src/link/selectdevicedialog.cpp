#include "link/selectdevicedialog.h"
#include "ui_selectdevicedialog.h"

#include "common/settings.h"
#include "common/text.h"
#include "link/errorcodes.h"
#include "link/networkport.h"
#include "link/protocolimplfactory.h"

#include <QSettings>

namespace olma {

namespace {
constexpr olma::Text kNoConnection = OLMA_TEXT("Link", "Нет связи");
constexpr olma::Text kConnected = OLMA_TEXT("Link", "Устройство подключено");
constexpr olma::Text kNetworkEntry = OLMA_TEXT("Link", "Сетевое подключение");

// The window's settings; the addresses used last, newest first.
const QString kRecentAddressesKey = QStringLiteral("network/recentAddresses");
constexpr int kRecentAddressCount = 10;
} // namespace

QStringList SelectDeviceDialog::recentAddresses()
{
    QStringList addresses;
    const QStringList stored = olma::settings().value(kRecentAddressesKey).toStringList();
    for (const QString& address : stored) {
        if (olma::link::parseNetworkAddress(address, nullptr, nullptr) && !addresses.contains(address))
            addresses.append(address);
    }
    return addresses.mid(0, kRecentAddressCount);
}

SelectDeviceDialog::SelectDeviceDialog(ProtocolImplFactory* factory, QWidget* parent)
    : QDialog(parent), _ui(std::make_unique<::Ui::SelectDeviceDialog>()), _factory(factory)
{
    _ui->setupUi(this);
    _ui->_connectionLabel->setText(QString(kNoConnection));
    _ui->_connectionLabel->setWordWrap(true); // the port-rights message is long
    // The panel is reached through a USB-serial adapter; built-in ports are not offered.
    QComboBox* box = _ui->_deviceComboBox;
    if (_factory)
        _factory->fillPortList(box, true);
    _serialCount = box->count();
    // Or over the network: the addresses used last, then a new one.
    for (const QString& address : recentAddresses())
        box->addItem(address, address);
    box->addItem(QString(kNetworkEntry));
    _networkIndex = box->count() - 1;
    updateNetworkEntry();
    connect(_ui->_hostEdit, &QLineEdit::textChanged, this, &SelectDeviceDialog::updateNetworkEntry);
    connect(_ui->_netPortSpinBox, &QSpinBox::valueChanged, this, &SelectDeviceDialog::updateNetworkEntry);
    connect(_ui->_tlsCheckBox, &QCheckBox::toggled, this, &SelectDeviceDialog::updateNetworkEntry);
    connect(_ui->_connectButton, &QPushButton::clicked, this, &SelectDeviceDialog::probe);
    connect(box, &QComboBox::currentIndexChanged, this, &SelectDeviceDialog::showNetworkFields);
    showNetworkFields();
    // A network address is tried only when asked: an unreachable one takes seconds.
    if (devicesCount() > 0)
        probe();
}

SelectDeviceDialog::~SelectDeviceDialog()
{
    if (!_handedOut)
        delete _proto;
}

bool SelectDeviceDialog::progress(unsigned, unsigned, bool)
{
    return true;
}

int SelectDeviceDialog::devicesCount() const
{
    return _serialCount;
}

void SelectDeviceDialog::updateNetworkEntry()
{
    QString host = _ui->_hostEdit->text().trimmed();
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    const QString scheme = _ui->_tlsCheckBox->isChecked() ? QStringLiteral("tls://") : QStringLiteral("tcp://");
    _ui->_deviceComboBox->setItemData(_networkIndex, scheme + host + QLatin1Char(':') +
                                                         QString::number(_ui->_netPortSpinBox->value()));
}

void SelectDeviceDialog::showNetworkFields()
{
    _ui->_networkWidget->setVisible(_ui->_deviceComboBox->currentIndex() == _networkIndex);
}

void SelectDeviceDialog::remember(const QString& address)
{
    QStringList addresses = recentAddresses();
    addresses.removeAll(address);
    addresses.prepend(address);
    olma::settings().setValue(kRecentAddressesKey, QStringList(addresses.mid(0, kRecentAddressCount)));
}

void SelectDeviceDialog::on__okButton_clicked()
{
    // A network address chosen but not tried yet is taken as it is.
    const QString chosen = _ui->_deviceComboBox->currentData().toString();
    if (olma::link::parseNetworkAddress(chosen, nullptr, nullptr) && !_probing &&
        (!_proto || _proto->portName() != chosen)) {
        if (!_handedOut)
            delete _proto;
        _proto = _factory ? _factory->create(_factory, _ui->_deviceComboBox, false, olma::link::standardAcceptedCodes())
                          : nullptr;
        _stateValid = false;
    }
    if (_proto && olma::link::parseNetworkAddress(_proto->portName(), nullptr, nullptr))
        remember(_proto->portName());
    _handedOut = true;
    emit protoChanged(_proto);
    if (_stateValid)
        emit stateChanged(_state.data());
    accept();
}

void SelectDeviceDialog::on__cancelButton_clicked()
{
    reject();
}

void SelectDeviceDialog::on__deviceComboBox_activated(int index)
{
    // A new address is tried with "Подключить", once it has been typed.
    if (index != _networkIndex)
        probe();
}

void SelectDeviceDialog::probe()
{
    // Probing runs the engine's own event loop, during which the user may pick another port.
    if (_probing) {
        _probeAgain = true;
        return;
    }
    _probing = true;
    do {
        _probeAgain = false;
        if (!_handedOut)
            delete _proto;
        _proto = nullptr;
        _handedOut = false;
        if (_factory)
            _proto = _factory->create(_factory, _ui->_deviceComboBox, false, olma::link::standardAcceptedCodes());
        quint32 id = 0;
        const bool connected = _proto && _proto->getId(&id, this);
        // A port the user may not open says how to get the right to it; an address that takes no
        // connection says why.
        const bool network = _proto && olma::link::isNetworkPortName(_proto->portName());
        const bool unreachable = network && !_proto->openErrorString().isEmpty();
        _ui->_connectionLabel->setText(connected                                         ? QString(kConnected)
                                       : _proto && (_proto->openDenied() || unreachable) ? _proto->openErrorString()
                                                                                         : QString(kNoConnection));
        // Connecting again to an unreachable address would only double the wait.
        if (_proto && !unreachable && _proto->getStatus(_state.data(), this))
            _stateValid = true;
    } while (_probeAgain);
    _probing = false;
}

} // namespace olma
