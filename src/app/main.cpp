#include "app/startup.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Help and command-line mistakes are answered before any window system is needed, in the
    // language the window would speak: a core application finds the data folder and carries the
    // translation for that moment only.
    olma::app::ParsedCommandLine command;
    {
        QCoreApplication core(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        olma::installProgramTranslation(core, olma::chooseLanguage(olma::app::languageArgument(arguments)));
        command = olma::app::parseCommandLine(arguments);
    }
    if (command.exit) {
        QTextStream(command.exitCode == 0 ? stdout : stderr) << command.output;
        return command.exitCode;
    }

    QApplication app(argc, argv);
    return olma::app::run(app);
}
