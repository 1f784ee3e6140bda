#pragma once

#include <QList>
#include <QString>

namespace olma::link {

// One serial port of the computer as the port list shows it.
struct PortEntry
{
    QString systemName;   // what the engine opens
    QString friendlyName; // what the user sees
    bool usb = false;     // attached through USB (a USB-serial adapter)
};

// The computer's serial ports in the order the system lists them.
QList<PortEntry> availablePorts();

} // namespace olma::link
