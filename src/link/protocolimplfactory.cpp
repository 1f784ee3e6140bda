#include "link/protocolimplfactory.h"

#include <QComboBox>

ProtocolImplFactory::ProtocolImplFactory(QObject* parent) : QObject(parent), _lister(&olma::link::availablePorts) {}

ProtocolImpl* ProtocolImplFactory::create(QObject* parent, QComboBox* ports, bool rawReplies,
                                          const QList<int>& acceptedCodes)
{
    if (!ports || ports->currentIndex() < 0)
        return nullptr;
    const QVariant name = ports->currentData(Qt::UserRole);
    if (name.typeId() != QMetaType::QString)
        return nullptr;
    auto* engine = new ProtocolImpl(name.toString(), parent, rawReplies, acceptedCodes);
    if (_portFactory)
        engine->setPortFactory(_portFactory);
    return engine;
}

void ProtocolImplFactory::fillPortList(QComboBox* ports, bool usbOnly)
{
    ports->clear();
    const QList<olma::link::PortEntry> entries = _lister ? _lister() : QList<olma::link::PortEntry>();
    for (const olma::link::PortEntry& entry : entries) {
        if (usbOnly && !entry.usb)
            continue;
        ports->addItem(entry.friendlyName, entry.systemName);
    }
}

void ProtocolImplFactory::setPortLister(PortLister lister)
{
    _lister = std::move(lister);
}

void ProtocolImplFactory::setPortFactory(ProtocolImpl::PortFactory factory)
{
    _portFactory = std::move(factory);
}
