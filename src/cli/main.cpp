// olma-cli: the panel and its files from the command line; see olma::cli::usage().

#include "cli/archivecommands.h"
#include "common/text.h"
#include "common/uilanguage.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString language;
    QString error;
    if (!olma::cli::takeLanguageOption(arguments, &language, &error)) {
        err << "olma-cli: " << error << Qt::endl;
        return 2;
    }
    // The messages speak the system's language (or the one chosen); files and documents are the
    // same in every language. The system's own reasons (a file too large, a refused connection)
    // stay in the words of the system library, as scripts have always seen them.
    language = olma::chooseLanguage(language);
    if (!olma::hasProgramTranslation(olma::installProgramTranslation(app, language), language))
        err << OLMA_TEXT("Cli", "Перевод %1 не найден: сообщения будут на русском языке")
                   .arg(olma::programTranslationName(language))
            << Qt::endl;
    // The bar is drawn for a person at a terminal, never into a log a script collects.
    return olma::cli::runWithArchive(arguments, out, err, ::isatty(STDERR_FILENO) == 1);
}
