#pragma once

#include <QStringList>

class QTextStream;

// olma-cli: talks to a panel from the command line (list ports, identify, state, read the
// configuration). Each subcommand is one entry of a table and shares the option parser.
namespace olma::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // the panel or a file let us down; the reason is on stderr
constexpr int kExitUsage = 2;  // the command line makes no sense; the usage text is on stderr

// Runs the tool with its arguments (without the program name). Needs a QCoreApplication.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The usage text.
QString usage();

} // namespace olma::cli
