#include "link/selectdevicedialog.h"
#include "ui_selectdevicedialog.h"

#include "link/errorcodes.h"
#include "link/protocolimplfactory.h"

namespace olma {

namespace {
const char* const kNoConnection = "Нет связи";
const char* const kConnected = "Устройство подключено";
} // namespace

SelectDeviceDialog::SelectDeviceDialog(ProtocolImplFactory* factory, QWidget* parent)
    : QDialog(parent), _ui(std::make_unique<::Ui::SelectDeviceDialog>()), _factory(factory)
{
    _ui->setupUi(this);
    _ui->_connectionLabel->setText(QString::fromUtf8(kNoConnection));
    _ui->_connectionLabel->setWordWrap(true); // the port-rights message is long
    // The panel is reached through a USB-serial adapter; built-in ports are not offered.
    if (_factory)
        _factory->fillPortList(_ui->_deviceComboBox, true);
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
    return _ui->_deviceComboBox->count();
}

void SelectDeviceDialog::on__okButton_clicked()
{
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

void SelectDeviceDialog::on__deviceComboBox_activated(int)
{
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
        // A port the user may not open says how to get the right to it.
        _ui->_connectionLabel->setText(connected                        ? QString::fromUtf8(kConnected)
                                       : _proto && _proto->openDenied() ? _proto->openErrorString()
                                                                        : QString::fromUtf8(kNoConnection));
        if (_proto && _proto->getStatus(_state.data(), this))
            _stateValid = true;
    } while (_probeAgain);
    _probing = false;
}

} // namespace olma
