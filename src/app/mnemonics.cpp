#include "app/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace olma::app {
namespace {

// The letter after a single '&' (a doubled one is a literal ampersand); null for none.
QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// The text without its '&' marks (a doubled one stays a literal ampersand).
QString withoutMnemonic(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

// Letters for a row of commands (a menu, or the menu bar's titles): a letter a command was given
// stays unless an earlier command has it already; then the command, like one without, gets the
// first letter of its text that no other command of the row has.
void assignInRow(const QList<QAction*>& actions)
{
    QSet<QChar> taken;
    QList<QAction*> unlettered;
    for (QAction* action : actions) {
        if (action->isSeparator() || action->text().isEmpty())
            continue;
        const QChar letter = mnemonicOf(action->text());
        if (!letter.isNull() && !taken.contains(letter)) {
            taken.insert(letter);
            continue;
        }
        if (!letter.isNull())
            action->setText(withoutMnemonic(action->text()));
        unlettered << action;
    }
    for (QAction* action : unlettered) {
        const QString text = action->text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar letter = text[i].toLower();
            if (!text[i].isLetterOrNumber() || taken.contains(letter))
                continue;
            taken.insert(letter);
            QString marked = text;
            marked.insert(i, QLatin1Char('&'));
            action->setText(marked);
            break;
        }
    }
}

void assignInMenu(QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->menu())
            assignInMenu(action->menu());
    }
    assignInRow(actions);
}

} // namespace

void assignMnemonics(QMenuBar* bar)
{
    assignInRow(bar->actions());
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu())
            assignInMenu(menu);
    }
}

} // namespace olma::app
