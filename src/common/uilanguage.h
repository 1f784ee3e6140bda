#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace olma {

// The language of the program: `chosen` ("ru" or "en", from --lang) when given, else the
// OLMA_LANG variable's ("ru" or "en"), else Russian when the system speaks Russian and English
// otherwise.
QString chooseLanguage(const QString& chosen);

// Installs Qt's own texts in `language` (standard dialogs and buttons) and, for a language other
// than Russian, the program's translation "ControlCenter_<language>" from the data folder, each
// when it is present; the language of the latter (Russian without one) becomes the interface
// language, uiLanguage(), which the manual follows. Returns the files loaded.
QStringList installTranslations(QCoreApplication& app, const QString& language);

// The program's translation alone, as installTranslations() installs it: for a tool whose
// system messages (Qt's own texts) stay as they always were.
QStringList installProgramTranslation(QCoreApplication& app, const QString& language);

// Whether `loaded` (as installTranslations returned it) holds the program's translation into
// `language`; Russian needs none.
bool hasProgramTranslation(const QStringList& loaded, const QString& language);

// The name of the program's translation into `language`: "ControlCenter_en".
QString programTranslationName(const QString& language);

// The language of the program's interface as a two-letter code: "ru" unless the start-up installed
// a translation into another language and said so. Data that come in several languages (the
// manual) follow it.
QString uiLanguage();

// `code`: a language or locale name ("en", "en_GB"); an empty or unknown one means Russian.
void setUiLanguage(const QString& code);

// The data file in the interface language: "help/olma.md" becomes "help/olma.en.md" for English
// when that file exists; the file as named (the Russian one) otherwise.
QString localizedDataFile(const QString& relative);

} // namespace olma
