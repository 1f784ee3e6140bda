#include "flows/panelflows.h"

#include "flows/windowtexts.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/protocolimpl.h"

#include <QtEndian>

namespace olma::app {

StatePoll pollState(const QPointer<ProtocolImpl>& engine)
{
    StatePoll poll;
    poll.record.assign(olma::link::kStateRecordSize, 0);
    if (!engine)
        return poll;
    poll.stateRead = engine->getStatus(poll.record.data(), nullptr);
    // The engine may have been replaced while the state was read.
    poll.identified = engine && engine->getId(&poll.id, nullptr);
    if (poll.identified && poll.stateRead)
        qToLittleEndian(poll.id, poll.record.data());
    return poll;
}

QString writeConfigFailure(int errorCode)
{
    // The panel checks access before it keeps anything, so a refusal comes with the first block.
    return errorCode == olma::link::kErrorAccessDenied ? texts::kAccessDenied : texts::kWriteConfInterrupted;
}

QString firmwareFailure(int errorCode)
{
    return errorCode == olma::link::kErrorAccessDenied ? texts::kAccessDenied : texts::kFirmwareInterrupted;
}

QString resetFailure(int errorCode)
{
    if (errorCode == olma::link::kErrorUnknownCommand)
        return texts::kResetUnsupported;
    if (errorCode == olma::link::kErrorAccessDenied)
        return texts::kResetNoAccess;
    return texts::kResetFailed.arg(errorCode);
}

} // namespace olma::app
