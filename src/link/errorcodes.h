#pragma once

#include <QList>
#include <QString>

// Error codes of a panel operation: the panel's own (from an error reply) and the engine's 13.
namespace olma::link {

constexpr int kErrorNone = 0;
constexpr int kErrorUnknownCommand = 1;
constexpr int kErrorBadGroup = 2;
constexpr int kErrorBadBlock = 3;
constexpr int kErrorBadSize = 4;
constexpr int kErrorBootSector = 5;
constexpr int kErrorAccessDenied = 6;
constexpr int kErrorSerial = 13; // serial failure or no complete reply in time
constexpr int kErrorBusy = 255;

// The message shown for a code; empty for a code outside the table.
QString errorText(int code);

// The message for a port the user has no right to open (not in the group that owns the
// serial devices).
QString portDeniedText(const QString& port);

// Error codes whose reply is still taken as data by the program's engines: everything
// but a refused access (6) and codes the panel does not define.
QList<int> standardAcceptedCodes();

} // namespace olma::link
