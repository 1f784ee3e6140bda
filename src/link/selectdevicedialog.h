#pragma once

#include "link/frame.h"
#include "link/iprotocolcallback.h"

#include <QDialog>

#include <array>
#include <memory>

class ProtocolImpl;
class ProtocolImplFactory;

// The form's class lives in the global Ui namespace like every other form of the program, so
// that Ui:: means the same thing inside every olma namespace.
namespace Ui {
class SelectDeviceDialog;
}

namespace olma {

// Lists the USB serial ports and the network addresses used last, probes the chosen one and
// hands its protocol engine out. "Сетевое подключение" takes a new address.
class SelectDeviceDialog : public QDialog, public IProtocolCallback
{
    Q_OBJECT
    Q_DISABLE_COPY(SelectDeviceDialog)

public:
    // Fills the port list and probes its first port at once. The factory is not owned.
    explicit SelectDeviceDialog(ProtocolImplFactory* factory, QWidget* parent = nullptr);
    // An engine that was not handed out goes with the dialog.
    ~SelectDeviceDialog() override;

    // The probes run without a progress display and are never cancelled.
    bool progress(unsigned done, unsigned total, bool finished) override;

    // The engine made for the current port, or null.
    ProtocolImpl* protocol() const { return _proto; }

signals:
    void protoChanged(ProtocolImpl* proto);
    void stateChanged(const unsigned char* state);

public slots:
    // The USB serial ports listed (network entries not counted).
    int devicesCount() const;
    void on__okButton_clicked();
    void on__cancelButton_clicked();
    void on__deviceComboBox_activated(int index);

    // The network addresses remembered, the last used first.
    static QStringList recentAddresses();

private:
    void probe();
    // The address "Сетевое подключение" stands for, from its fields.
    void updateNetworkEntry();
    void showNetworkFields();
    void remember(const QString& address);

    std::unique_ptr<::Ui::SelectDeviceDialog> _ui;
    ProtocolImplFactory* _factory = nullptr;
    ProtocolImpl* _proto = nullptr;
    bool _handedOut = false;
    std::array<unsigned char, olma::link::kStateRecordSize> _state{};
    bool _stateValid = false;
    int _serialCount = 0;
    int _networkIndex = -1; // the "Сетевое подключение" entry
    // A port chosen while a probe runs is probed once that probe is over.
    bool _probing = false;
    bool _probeAgain = false;
};

} // namespace olma
