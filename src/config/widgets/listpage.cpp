#include "config/widgets/listpage.h"

#include "config/widgets/pagetexts.h"

#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTreeWidget>

namespace olma::config::listpage {

static_assert(kIndexRole == Qt::UserRole, "rows keep their index under the user role");

QList<int> selectedIndexes(const QTreeWidget* tree)
{
    QList<int> indexes;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tree->topLevelItem(i);
        if (item->isSelected())
            indexes.append(indexOf(item));
    }
    return indexes;
}

int indexOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kIndexRole).toInt() : -1;
}

void replacePage(QStackedWidget* stack, QWidget*& shown, QWidget* page)
{
    if (shown) {
        stack->removeWidget(shown);
        delete shown;
        shown = nullptr;
    }
    if (page) {
        stack->addWidget(page);
        stack->setCurrentWidget(page);
        shown = page;
    }
}

QString firstLine(const QString& text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? text : text.left(end);
}

MenuChoice execCopyPasteMenu(QTreeWidget* tree, const QPoint& pos, bool canPaste)
{
    QMenu menu(tree);
    QAction* copy = menu.addAction(pagetexts::kCopy);
    QAction* paste = menu.addAction(pagetexts::kPaste);
    copy->setEnabled(tree->selectedItems().size() == 1);
    paste->setEnabled(canPaste);
    QAction* chosen = menu.exec(tree->viewport()->mapToGlobal(pos));
    if (chosen == copy)
        return MenuChoice::Copy;
    if (chosen == paste)
        return MenuChoice::Paste;
    return MenuChoice::None;
}

} // namespace olma::config::listpage
