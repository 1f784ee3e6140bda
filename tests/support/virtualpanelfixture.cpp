#include "virtualpanelfixture.h"

#include "link/errorcodes.h"

VirtualPanelFixture::VirtualPanelFixture()
{
    _panel.start(&_error);
}

std::unique_ptr<ProtocolImpl> VirtualPanelFixture::engine(bool rawReplies) const
{
    return std::make_unique<ProtocolImpl>(portName(), nullptr, rawReplies, olma::link::standardAcceptedCodes());
}

std::unique_ptr<ProtocolImpl> VirtualPanelFixture::engine(const QList<int>& acceptedCodes) const
{
    return std::make_unique<ProtocolImpl>(portName(), nullptr, false, acceptedCodes);
}
