// olma-cli: the panel and its files from the command line; see olma::cli::usage().

#include "cli/cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The bar is drawn for a person at a terminal, never into a log a script collects.
    return olma::cli::run(QCoreApplication::arguments().mid(1), out, err, ::isatty(STDERR_FILENO) == 1);
}
