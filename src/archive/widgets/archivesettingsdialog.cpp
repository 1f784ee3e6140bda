#include "archive/widgets/archivesettingsdialog.h"

#include "archive/archivetexts.h"
#include "archive/archiveurl.h"
#include "archive/widgets/archivewidgettexts.h"
#include "common/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace olma::archive {

namespace wt = widgettexts;

ArchiveSettingsDialog::ArchiveSettingsDialog(const ArchiveSettings& settings, bool overridden, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(wt::kSettingsTitle);
    auto* layout = new QVBoxLayout(this);
    _enabled = new QCheckBox(wt::kEnabled, this);
    _enabled->setObjectName(QStringLiteral("archiveEnabled"));
    _enabled->setChecked(settings.enabled);
    _automatic = new QCheckBox(wt::kAutomatic, this);
    _automatic->setObjectName(QStringLiteral("archiveAutomatic"));
    _automatic->setChecked(settings.automatic);
    layout->addWidget(_enabled);
    layout->addWidget(_automatic);

    auto* form = new QFormLayout;
    _url = new QLineEdit(settings.url, this);
    _url->setObjectName(QStringLiteral("archiveUrl"));
    _url->setPlaceholderText(wt::kUrlPlaceholder.arg(defaultArchivePath()));
    _url->setMinimumWidth(480);
    form->addRow(wt::kUrl, _url);
    _sslMode = new QComboBox(this);
    _sslMode->setObjectName(QStringLiteral("archiveSslMode"));
    _sslMode->addItems(ArchiveSettings::sslModes());
    _sslMode->setCurrentText(settings.sslMode);
    form->addRow(wt::kSslMode, _sslMode);
    layout->addLayout(form);
    auto* hint = new QLabel(wt::kUrlHint, this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    if (overridden) {
        auto* note = new QLabel(wt::kOverridden, this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(_enabled, &QCheckBox::toggled, this, &ArchiveSettingsDialog::updateEnabled);
    connect(_url, &QLineEdit::textChanged, this, &ArchiveSettingsDialog::updateEnabled);
    updateEnabled();
}

void ArchiveSettingsDialog::updateEnabled()
{
    const bool on = _enabled->isChecked();
    _automatic->setEnabled(on);
    _url->setEnabled(on);
    _sslMode->setEnabled(on && _url->text().trimmed().startsWith(QLatin1String("postgresql://")));
}

ArchiveSettings ArchiveSettingsDialog::settings() const
{
    ArchiveSettings s;
    s.enabled = _enabled->isChecked();
    s.automatic = _automatic->isChecked();
    s.url = ArchiveSettings::withoutPassword(_url->text().trimmed());
    s.sslMode = _sslMode->currentText();
    return s;
}

void ArchiveSettingsDialog::accept()
{
    const QString url = _url->text().trimmed();
    if (!url.isEmpty() && !parseArchiveUrl(url).isValid()) {
        olma::dialogs::critical(this, wt::kSettingsTitle, texts::kBadUrl.arg(url));
        return;
    }
    QDialog::accept();
}

} // namespace olma::archive
