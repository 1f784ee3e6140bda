#pragma once

#include <QString>

namespace olma {

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
