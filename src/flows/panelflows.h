#pragma once

#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <vector>

class ProtocolImpl;

// The window's panel flows without the window: what the poll reads and how a failed command
// is put to the user. The main window and the command-line tool both go through here.
namespace olma::app {

// A log read runs from the first block to the end of the log.
constexpr unsigned kWholeLog = 0xFFFFFFFFu;

// One poll of the panel: the state record, then the identify answer.
struct StatePoll
{
    bool stateRead = false;
    bool identified = false;
    quint32 id = 0;
    // 84 bytes; when both requests were answered bytes 0..3 hold the identify answer, which is
    // where the device state looks for the model, firmware version and serial number.
    std::vector<unsigned char> record;
};

// Runs the two requests of a poll; an engine replaced while the state was read is not asked
// to identify.
StatePoll pollState(const QPointer<ProtocolImpl>& engine);

// The message for a configuration write or a firmware upload that failed with `errorCode`, or
// that the user cancelled (the engine's code then tells nothing): apart from a refused access,
// the panel may hold part of what was sent and is to be told so.
QString writeConfigFailure(int errorCode);
QString firmwareFailure(int errorCode);
// The message for a restart that failed with `errorCode`.
QString resetFailure(int errorCode);

} // namespace olma::app
