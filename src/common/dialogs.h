#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

// Every message box, file dialog and modal dialog of the program goes through here,
// so that a test can answer them instead of a user.
namespace olma::dialogs {

// What a test installs in place of the user.
class Hook
{
public:
    virtual ~Hook() = default;
    // A message box with one OK button.
    virtual void message(QMessageBox::Icon icon, const QString& title, const QString& text) = 0;
    // The file name the "user" picks; empty means cancelled.
    virtual QString openFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    // Runs a modal dialog; returns the dialog's result code.
    virtual int exec(QDialog* dialog) = 0;
};

void setHook(Hook* hook);
Hook* hook();

void critical(QWidget* parent, const QString& title, const QString& text);
void warning(QWidget* parent, const QString& title, const QString& text);
void information(QWidget* parent, const QString& title, const QString& text);

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);

// QDialog::exec(), or the hook's answer.
int exec(QDialog* dialog);

} // namespace olma::dialogs
