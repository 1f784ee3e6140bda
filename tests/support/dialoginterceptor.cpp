#include "dialoginterceptor.h"

#include <QDialog>

DialogInterceptor::DialogInterceptor() : _previous(olma::dialogs::hook())
{
    olma::dialogs::setHook(this);
}

DialogInterceptor::~DialogInterceptor()
{
    olma::dialogs::setHook(_previous);
}

void DialogInterceptor::message(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    _messages.append({icon, title, text});
}

QString DialogInterceptor::openFileName(const QString& caption, const QString&, const QString&)
{
    return nextFileName(caption);
}

QString DialogInterceptor::saveFileName(const QString& caption, const QString&, const QString&)
{
    return nextFileName(caption);
}

int DialogInterceptor::exec(QDialog* dialog)
{
    // Without a scripted answer a modal dialog is accepted as it stands.
    if (_dialogActions.isEmpty())
        return QDialog::Accepted;
    return _dialogActions.dequeue()(dialog);
}

QString DialogInterceptor::nextFileName(const QString& caption)
{
    _captions.append(caption);
    return _fileNames.isEmpty() ? QString() : _fileNames.dequeue();
}
