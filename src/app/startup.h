#pragma once

#include "common/uilanguage.h"

#include <QString>
#include <QStringList>

class QApplication;
class QCoreApplication;

// Start-up of olma-configurator: the command line, the translations, the style, the window.
namespace olma::app {

struct StartOptions
{
    QString port;           // --port: this port, no automatic detection
    bool demo = false;      // --demo: a lively virtual panel in this process
    QString screenshot;     // --screenshot: a picture of the window, saved when the run ends
    int quitAfterMs = -1;   // --quit-after: the run ends by itself after this long; -1: never
    QString archive;        // --archive (or OLMA_ARCHIVE): the archive for this run; empty: the settings'
    bool noArchive = false; // --no-archive: no archive this run, backups as files
    int page = -1;          // --page: the page shown first, counted from 0 down the page buttons; -1: the default
    QString caFile;         // --ca: the certificates tls:// trusts instead of the system's
    bool insecure = false;  // --insecure: tls:// takes any certificate
    QString language;       // --lang: "ru" or "en"; empty: the system's
};

// What the command line asked for: a run with options, or an exit (help, a mistake) with the
// text to print and the exit code.
struct ParsedCommandLine
{
    StartOptions options;
    bool exit = false;
    int exitCode = 0;
    QString output; // for stdout (help) or, with a non-zero exit code, stderr
};

// `arguments` includes the program name, as QCoreApplication::arguments() has it.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The value of "--lang X" or "--lang=X" among `arguments`, looked up before they are parsed so
// that the parser's own texts speak that language; empty without one. Not checked here.
QString languageArgument(const QStringList& arguments);

// The language choice and the translations are the core's, shared with olma-cli.
using olma::chooseLanguage;
using olma::installTranslations;

// The whole run of the program: returns its exit code.
int run(QApplication& app);

} // namespace olma::app
