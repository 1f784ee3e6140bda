#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The archive in olma-cli: the "archive ..." commands, and the archiving of what read-config,
// write-config and read-log moved between the panel and a file, as the window archives it.
namespace olma::cli {

// Runs the tool as olma::cli::run() does, with the archive options taken first:
// "--archive URL" (or the OLMA_ARCHIVE variable) chooses the archive, "--no-archive" leaves it
// alone for this run. An archive that cannot be reached never fails a panel command: the
// trouble is told on standard error and the command's own result stands.
int runWithArchive(const QStringList& arguments, QTextStream& out, QTextStream& err, bool progressBar = false);

// Takes "--lang ru|en" (or "--lang=…") out of `args` into `language` (left empty without one: the
// system's language). False with `error` set for another value or a missing one.
bool takeLanguageOption(QStringList& args, QString* language, QString* error);

// The archive commands' usage lines.
QString archiveUsage();

} // namespace olma::cli
