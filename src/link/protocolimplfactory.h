#pragma once

#include "link/portlist.h"
#include "link/protocolimpl.h"

#include <QObject>

#include <functional>

class QComboBox;

// Makes protocol engines for the port chosen in a combo box, and fills such combo boxes
// with the computer's serial ports.
class ProtocolImplFactory : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ProtocolImplFactory)

public:
    // Where the list of ports comes from.
    using PortLister = std::function<QList<olma::link::PortEntry>()>;

    explicit ProtocolImplFactory(QObject* parent = nullptr);

    // An engine for the combo box's current port (its user data), or null when there is none.
    ProtocolImpl* create(QObject* parent, QComboBox* ports, bool rawReplies, const QList<int>& acceptedCodes);
    // Lists the ports by their friendly names, each carrying its system name as user data.
    void fillPortList(QComboBox* ports, bool usbOnly);

    // The computer's serial ports unless replaced (the demo panel, tests).
    void setPortLister(PortLister lister);
    // Engines made from now on reach their port through this (the serial port unless replaced).
    void setPortFactory(ProtocolImpl::PortFactory factory);

private:
    PortLister _lister;
    ProtocolImpl::PortFactory _portFactory;
};
