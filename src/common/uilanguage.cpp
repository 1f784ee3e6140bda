#include "common/uilanguage.h"

#include "common/datadir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace olma {
namespace {
const QString kNativeLanguage = QStringLiteral("ru");
const char* const kProgramTranslation = "ControlCenter_";
const char* const kQtTranslation = "qtbase_";

QString& currentUiLanguage()
{
    static QString code = kNativeLanguage;
    return code;
}
} // namespace

QString chooseLanguage(const QString& chosen)
{
    if (!chosen.isEmpty())
        return chosen;
    const QString fromEnvironment = qEnvironmentVariable("OLMA_LANG");
    if (fromEnvironment == kNativeLanguage || fromEnvironment == QLatin1String("en"))
        return fromEnvironment;
    return QLocale::system().uiLanguages().value(0).startsWith(kNativeLanguage) ? kNativeLanguage
                                                                                : QStringLiteral("en");
}

QString programTranslationName(const QString& language)
{
    return QString::fromLatin1(kProgramTranslation) + language;
}

namespace {

// Installs a translation file when it is there: adds its path to `loaded` and returns its
// language, empty when none was installed.
QString installTranslator(QCoreApplication& app, const QString& name, const QString& dir, QStringList& loaded)
{
    auto translator = std::make_unique<QTranslator>(&app);
    if (!translator->load(name, dir))
        return QString();
    loaded << translator->filePath();
    const QString tag = translator->language();
    app.installTranslator(translator.release());
    return tag;
}

} // namespace

QStringList installProgramTranslation(QCoreApplication& app, const QString& language)
{
    QStringList loaded;
    // The program's own words are Russian; only another language needs a translation of them.
    // The manual follows the language of the program's texts actually loaded: Russian when the
    // translation asked for is missing.
    setUiLanguage(language != kNativeLanguage ? installTranslator(app, programTranslationName(language),
                                                                  dataFile(QStringLiteral("translations")), loaded)
                                              : QString());
    return loaded;
}

QStringList installTranslations(QCoreApplication& app, const QString& language)
{
    QStringList loaded;
    installTranslator(app, QString::fromLatin1(kQtTranslation) + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath), loaded);
    return loaded + installProgramTranslation(app, language);
}

bool hasProgramTranslation(const QStringList& loaded, const QString& language)
{
    const QString name = programTranslationName(language);
    return language == kNativeLanguage || std::any_of(loaded.begin(), loaded.end(), [&](const QString& file) {
               return QFileInfo(file).completeBaseName() == name;
           });
}

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
