#include "app/startup.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Help and command-line mistakes are answered before any window system is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const olma::app::ParsedCommandLine command = olma::app::parseCommandLine(arguments);
    if (command.exit) {
        QTextStream(command.exitCode == 0 ? stdout : stderr) << command.output;
        return command.exitCode;
    }

    QApplication app(argc, argv);
    return olma::app::run(app);
}
