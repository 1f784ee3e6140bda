// olma-cli: the panel from the command line; see olma::cli::usage().

#include "cli/cli.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return olma::cli::run(QCoreApplication::arguments().mid(1), out, err);
}
