#pragma once

#include "common/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

// Answers the program's message boxes, file dialogs and modal dialogs in place of a user,
// and records what the user would have seen. Installed for its lifetime.
class DialogInterceptor : public olma::dialogs::Hook
{
public:
    struct Message
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    DialogInterceptor();
    ~DialogInterceptor() override;

    // The next file dialog returns this name (empty = the user cancelled).
    void setNextFileName(const QString& name) { _fileNames.enqueue(name); }
    // The next modal dialog runs this instead of its event loop and returns its result.
    void setNextDialogAction(std::function<int(QDialog*)> action) { _dialogActions.enqueue(std::move(action)); }

    const QList<Message>& messages() const { return _messages; }
    QString lastText() const { return _messages.isEmpty() ? QString() : _messages.last().text; }
    void clear() { _messages.clear(); }

    // The captions the file dialogs were opened with, in order.
    const QList<QString>& fileDialogCaptions() const { return _captions; }

    void message(QMessageBox::Icon icon, const QString& title, const QString& text) override;
    QString openFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dir, const QString& filter) override;
    int exec(QDialog* dialog) override;

private:
    QString nextFileName(const QString& caption);

    olma::dialogs::Hook* _previous = nullptr;
    QList<Message> _messages;
    QQueue<QString> _fileNames;
    QQueue<std::function<int(QDialog*)>> _dialogActions;
    QList<QString> _captions;
};
