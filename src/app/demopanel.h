#pragma once

#include "link/portlist.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <memory>

namespace olma::vpanel {
class VirtualPanel;
}

namespace olma::app {

// A panel to show the program with when none is at hand: the virtual panel in this process, on
// a pseudo-terminal, as a 16-loop "Ольма-16Ех" whose state keeps changing. Its clock follows the
// computer's (every poll sets it), loops, zones and relays change every few seconds, a power
// block reports a fault throughout, and its log holds a few days of events.
class DemoPanel : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DemoPanel)

public:
    static constexpr unsigned char kModelCode = 0x10;
    static constexpr unsigned char kFirmwareVersion = 12;
    static constexpr quint16 kSerialNumber = 12345;
    static constexpr int kStepIntervalMs = 3000;

    explicit DemoPanel(QObject* parent = nullptr);
    ~DemoPanel() override;

    // Opens the pseudo-terminal and starts the scenario; false with a reason when it cannot.
    bool start(QString* error = nullptr);
    QString portName() const;
    // The panel's port as the port list shows it: a USB adapter, so it is taken unasked.
    olma::link::PortEntry portEntry() const;

    olma::vpanel::VirtualPanel& panel() { return *_panel; }
    // One step of the scenario (the timer takes one every kStepIntervalMs).
    void step();
    int stepCount() const { return _step; }

    // The log the demo panel starts with: `count` events, oldest first, ending at `end`.
    static QByteArray sampleLog(int count, const QDateTime& end);

private:
    std::unique_ptr<olma::vpanel::VirtualPanel> _panel;
    QTimer _timer;
    int _step = 0;
};

} // namespace olma::app
