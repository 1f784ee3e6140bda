#include "common/dialogs.h"

#include <QDialog>
#include <QFileDialog>

namespace olma::dialogs {
namespace {
Hook* g_hook = nullptr;

void show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    if (g_hook) {
        g_hook->message(icon, title, text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
} // namespace

void setHook(Hook* hook)
{
    g_hook = hook;
}

Hook* hook()
{
    return g_hook;
}

void critical(QWidget* parent, const QString& title, const QString& text)
{
    show(parent, QMessageBox::Critical, title, text);
}

void warning(QWidget* parent, const QString& title, const QString& text)
{
    show(parent, QMessageBox::Warning, title, text);
}

void information(QWidget* parent, const QString& title, const QString& text)
{
    show(parent, QMessageBox::Information, title, text);
}

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    if (g_hook)
        return g_hook->openFileName(caption, dir, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    if (g_hook)
        return g_hook->saveFileName(caption, dir, filter);
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

int exec(QDialog* dialog)
{
    if (g_hook)
        return g_hook->exec(dialog);
    return dialog->exec();
}

} // namespace olma::dialogs
