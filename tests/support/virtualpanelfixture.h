#pragma once

#include "link/protocolimpl.h"
#include "virtualpanel.h"

#include <memory>

// A virtual panel in the test's own thread, on a fresh pseudo-terminal, for the fixture's
// lifetime. Engines made here talk to it through the real serial port layer; their nested
// event loop serves the panel too.
class VirtualPanelFixture
{
public:
    VirtualPanelFixture();

    bool isRunning() const { return _panel.isRunning(); }
    QString error() const { return _error; }
    olma::vpanel::VirtualPanel& panel() { return _panel; }
    QString portName() const { return _panel.portName(); }

    // An engine on the panel's port as the port-selection dialog makes it (accepted codes
    // 1..5, 13, 255), or with other accepted codes.
    std::unique_ptr<ProtocolImpl> engine(bool rawReplies = false) const;
    std::unique_ptr<ProtocolImpl> engine(const QList<int>& acceptedCodes) const;

private:
    olma::vpanel::VirtualPanel _panel;
    QString _error;
};
