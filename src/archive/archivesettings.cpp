#include "archive/archivesettings.h"

#include "common/settings.h"

#include <QSettings>
#include <QStringList>
#include <QUrl>

namespace olma::archive {

namespace {

const QString kEnabledKey = QStringLiteral("archive/enabled");
const QString kAutomaticKey = QStringLiteral("archive/automatic");
const QString kUrlKey = QStringLiteral("archive/url");
const QString kSslModeKey = QStringLiteral("archive/sslmode");
const QString kPostgresScheme = QStringLiteral("postgresql://");

} // namespace

QString ArchiveSettings::withoutPassword(const QString& url)
{
    QUrl parsed(url);
    if (!url.startsWith(kPostgresScheme, Qt::CaseInsensitive) || parsed.password().isEmpty())
        return url;
    parsed.setPassword(QString());
    return parsed.toString();
}

const QStringList& ArchiveSettings::sslModes()
{
    static const QStringList modes = {QStringLiteral("prefer"), QStringLiteral("require"), QStringLiteral("verify-ca"),
                                      QStringLiteral("verify-full")};
    return modes;
}

ArchiveSettings ArchiveSettings::load()
{
    const QSettings stored = olma::settings();
    ArchiveSettings s;
    s.enabled = stored.value(kEnabledKey, s.enabled).toBool();
    s.automatic = stored.value(kAutomaticKey, s.automatic).toBool();
    s.url = stored.value(kUrlKey).toString().trimmed();
    const QString mode = stored.value(kSslModeKey, s.sslMode).toString();
    // A weaker mode written by hand would let the password cross the network in the clear.
    if (sslModes().contains(mode))
        s.sslMode = mode;
    return s;
}

void ArchiveSettings::save() const
{
    QSettings stored = olma::settings();
    stored.setValue(kEnabledKey, enabled);
    stored.setValue(kAutomaticKey, automatic);
    stored.setValue(kUrlKey, withoutPassword(url.trimmed()));
    stored.setValue(kSslModeKey, sslMode);
}

QString ArchiveSettings::effectiveUrl() const
{
    const QString trimmed = url.trimmed();
    if (!trimmed.startsWith(kPostgresScheme, Qt::CaseInsensitive) || trimmed.contains(QLatin1String("sslmode=")))
        return trimmed;
    return trimmed + (trimmed.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
           QStringLiteral("sslmode=") + sslMode;
}

ArchiveSettings ArchiveSettings::forRun(const QString& commandLineUrl, bool commandLineOff) const
{
    ArchiveSettings run = *this;
    if (!commandLineUrl.isEmpty()) {
        run.enabled = true;
        run.url = commandLineUrl;
    }
    if (commandLineOff)
        run.enabled = false;
    return run;
}

} // namespace olma::archive
