#include "link/portlist.h"

#include <QSerialPortInfo>

namespace olma::link {

QList<PortEntry> availablePorts()
{
    QList<PortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        PortEntry entry;
        entry.systemName = info.systemLocation();
        entry.friendlyName = info.description().isEmpty() ? entry.systemName : info.description();
        // Only a port behind USB reports a vendor id; built-in and virtual ports do not.
        entry.usb = info.hasVendorIdentifier();
        ports.append(entry);
    }
    return ports;
}

} // namespace olma::link
