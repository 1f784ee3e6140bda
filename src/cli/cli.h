#pragma once

#include <QStringList>

class QTextStream;

namespace olma::app {
class WriteRecords;
}

// olma-cli: the window's commands from the command line, for scripts. Each subcommand is one
// entry of a table, shares the option parser and goes through the same library calls as the
// window; what the window would say in a message box goes to standard error.
namespace olma::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // the panel or a file let us down; the reason is on stderr
constexpr int kExitUsage = 2;  // the command line makes no sense; the usage text is on stderr

// Runs the tool with its arguments (without the program name). Needs a QCoreApplication.
// `progressBar`: long transfers draw a bar on `err` (for a terminal).
// `records`: where write-config keeps its backup and records the write, and where restore finds
// a backup; backup files alone when null.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err, bool progressBar = false,
        olma::app::WriteRecords* records = nullptr);

// The usage text.
QString usage();

} // namespace olma::cli
