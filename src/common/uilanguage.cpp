#include "common/uilanguage.h"

#include "common/datadir.h"

#include <QFileInfo>
#include <QLocale>

namespace olma {
namespace {
const QString kNativeLanguage = QStringLiteral("ru");

QString& currentUiLanguage()
{
    static QString code = kNativeLanguage;
    return code;
}
} // namespace

QString uiLanguage()
{
    return currentUiLanguage();
}

void setUiLanguage(const QString& code)
{
    const QLocale::Language language = QLocale(code).language();
    currentUiLanguage() = code.isEmpty() || language == QLocale::C || language == QLocale::AnyLanguage
                              ? kNativeLanguage
                              : QLocale::languageToCode(language);
}

QString localizedDataFile(const QString& relative)
{
    const QString native = dataFile(relative);
    if (uiLanguage() == kNativeLanguage)
        return native;
    // The language goes before the extension: olma.md -> olma.en.md.
    const QString suffix = QFileInfo(relative).suffix();
    const QString tag = QLatin1Char('.') + uiLanguage();
    QString translated = relative;
    translated.insert(suffix.isEmpty() ? translated.size() : translated.size() - suffix.size() - 1, tag);
    translated = dataFile(translated);
    return QFileInfo(translated).isFile() ? translated : native;
}

} // namespace olma
