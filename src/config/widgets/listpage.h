#pragma once

#include <QList>
#include <QString>

class QPoint;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Pieces shared by the pages that list nodes beside the page of the selection (users, loops).
namespace olma::config::listpage {

// The role under which a row keeps the index of its node.
constexpr int kIndexRole = 0x0100; // Qt::UserRole

// The node indexes of the selected rows, top to bottom.
QList<int> selectedIndexes(const QTreeWidget* tree);
// The node index of a row; -1 for none.
int indexOf(const QTreeWidgetItem* item);

// Removes the page shown in the stack and destroys it, then shows `page` (which may be null).
void replacePage(QStackedWidget* stack, QWidget*& shown, QWidget* page);

// The text up to its first line break.
QString firstLine(const QString& text);

enum class MenuChoice
{
    None,
    Copy,
    Paste,
};

// The list's context menu at `pos` (viewport coordinates): "Копировать" for exactly one selected row,
// "Вставить" once something was copied.
MenuChoice execCopyPasteMenu(QTreeWidget* tree, const QPoint& pos, bool canPaste);

} // namespace olma::config::listpage
