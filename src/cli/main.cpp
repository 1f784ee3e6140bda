// olma-cli: the panel and its files from the command line; see olma::cli::usage().

#include "cli/archivecommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The bar is drawn for a person at a terminal, never into a log a script collects.
    return olma::cli::runWithArchive(QCoreApplication::arguments().mid(1), out, err, ::isatty(STDERR_FILENO) == 1);
}
