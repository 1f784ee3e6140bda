#include "app/confirmwritedialog.h"

#include "flows/windowtexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ConfirmWriteDialog::ConfirmWriteDialog(const QString& title, const QString& text, const QStringList& changes,
                                       QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    _text = new QLabel(text, this);
    _text->setTextFormat(Qt::PlainText);
    layout->addWidget(_text);

    auto* buttons = new QDialogButtonBox(this);
    if (!changes.isEmpty()) {
        _changes = new QPlainTextEdit(changes.join(QLatin1Char('\n')), this);
        _changes->setReadOnly(true);
        _changes->setMinimumSize(560, 220);
        _changes->hide();
        layout->addWidget(_changes);
        _showChanges = buttons->addButton(olma::app::texts::kShowChanges, QDialogButtonBox::ActionRole);
        _showChanges->setCheckable(true);
        _showChanges->setAutoDefault(false);
        connect(_showChanges, &QPushButton::toggled, _changes, &QWidget::setVisible);
    }
    _write = buttons->addButton(olma::app::texts::kConfirmWrite, QDialogButtonBox::AcceptRole);
    _cancel = buttons->addButton(olma::app::texts::kCancel, QDialogButtonBox::RejectRole);
    _write->setAutoDefault(false);
    _cancel->setDefault(true);
    _cancel->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString ConfirmWriteDialog::text() const
{
    return _text->text();
}
