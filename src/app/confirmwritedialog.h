#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The question before anything is sent to a panel: which panel, what goes to it and, for a
// configuration, how many fields change, with the list behind "Показать изменения". "Отмена" is
// the default button: Enter alone never starts a write.
class ConfirmWriteDialog : public QDialog
{
    Q_OBJECT

public:
    ConfirmWriteDialog(const QString& title, const QString& text, const QStringList& changes, QWidget* parent);

    QString text() const;
    QPushButton* writeButton() const { return _write; }
    QPushButton* cancelButton() const { return _cancel; }
    // Null when there is no list of changes.
    QPushButton* changesButton() const { return _showChanges; }
    QPlainTextEdit* changesView() const { return _changes; }

private:
    QLabel* _text = nullptr;
    QPushButton* _write = nullptr;
    QPushButton* _cancel = nullptr;
    QPushButton* _showChanges = nullptr;
    QPlainTextEdit* _changes = nullptr;
};
