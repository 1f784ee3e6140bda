#include "archive/widgets/comparisondialog.h"

#include "archive/configdiff.h"
#include "archive/widgets/archivewidgettexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace olma::archive {

ComparisonDialog::ComparisonDialog(const QString& before, const QString& after, const QStringList& differences,
                                   QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(widgettexts::kCompareTitle);
    auto* layout = new QVBoxLayout(this);
    auto* sides = new QLabel(widgettexts::kComparing.arg(before, after), this);
    sides->setObjectName(QStringLiteral("comparisonSides"));
    layout->addWidget(sides);
    _text = new QPlainTextEdit(comparisonText(differences), this);
    _text->setObjectName(QStringLiteral("comparisonText"));
    _text->setReadOnly(true);
    _text->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(_text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 420);
}

QString ComparisonDialog::text() const
{
    return _text->toPlainText();
}

} // namespace olma::archive
