#include "config/widgets/selectionlistpage.h"

#include "config/widgets/listpage.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTreeWidget>

namespace olma::config {

using namespace listpage;

SelectionListPage::SelectionListPage(QWidget* parent) : QWidget(parent) {}

SelectionListPage::~SelectionListPage()
{
    dropPage();
}

void SelectionListPage::dropPage()
{
    if (_stack)
        replacePage(_stack, _page, nullptr);
}

void SelectionListPage::attach(QTreeWidget* tree, QStackedWidget* stack)
{
    _tree = tree;
    _stack = stack;
    // Clicks, key presses and selection changes all end up here; an unchanged selection keeps its page.
    const auto show = [this] { showSelection(false); };
    connect(tree, &QTreeWidget::currentItemChanged, this, show);
    connect(tree, &QTreeWidget::itemActivated, this, show);
    connect(tree, &QTreeWidget::itemClicked, this, show);
    connect(tree, &QTreeWidget::itemPressed, this, show);
    connect(tree, &QTreeWidget::itemChanged, this, show);
    connect(tree, &QTreeWidget::itemSelectionChanged, this, show);
    connect(tree, &QWidget::customContextMenuRequested, this, &SelectionListPage::execMenu);
    fillRows(rememberedRow());
    showSelection(true);
}

QTreeWidgetItem* SelectionListPage::rowItem(int row) const
{
    QTreeWidgetItem* item = _tree ? _tree->topLevelItem(row) : nullptr;
    return indexOf(item) == row ? item : nullptr;
}

void SelectionListPage::fillRows(int current)
{
    const QSignalBlocker blocker(_tree);
    _tree->clear();
    QList<QTreeWidgetItem*> rows;
    const int count = rowCount();
    rows.reserve(count);
    for (int row = 0; row < count; ++row) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, rowTitle(row));
        item->setData(0, kIndexRole, row);
        decorateRow(item, row);
        rows.append(item);
    }
    _tree->addTopLevelItems(rows);
    if (QTreeWidgetItem* item = _tree->topLevelItem(current >= 0 && current < count ? current : 0))
        _tree->setCurrentItem(item);
}

int SelectionListPage::fittingListWidth() const
{
    // Frame, item margins and a vertical scroll bar, which long lists get.
    constexpr int kChrome = 48;
    if (!_tree)
        return 0;
    int width = _tree->header()->fontMetrics().horizontalAdvance(_tree->headerItem()->text(0));
    const QFontMetrics metrics = _tree->fontMetrics();
    for (int row = 0; row < _tree->topLevelItemCount(); ++row)
        width = qMax(width, metrics.horizontalAdvance(_tree->topLevelItem(row)->text(0)));
    return qMax(_tree->minimumWidth(), width + kChrome);
}

void SelectionListPage::refill(int current)
{
    fillRows(current);
    showSelection(true);
}

void SelectionListPage::showSelection(bool force)
{
    if (!_tree)
        return;
    const QList<int> selection = selectedIndexes(_tree);
    const int current = indexOf(_tree->currentItem());
    if (!force && selection == _shownSelection && current == _shownCurrent && _page)
        return;
    _shownSelection = selection;
    _shownCurrent = current;

    replacePage(_stack, _page, nullptr);
    if (selection.size() > 1) {
        replacePage(_stack, _page, createMultiPage(selection, _stack));
    } else if (current >= 0 && current < rowCount()) {
        rememberRow(current);
        replacePage(_stack, _page, createRowPage(current, _stack));
    }
}

void SelectionListPage::execMenu(const QPoint& pos)
{
    const bool canPaste = _clipboard >= 0 && _clipboard < rowCount();
    switch (execCopyPasteMenu(_tree, pos, canPaste)) {
    case MenuChoice::Copy: {
        const QList<int> selection = selectedIndexes(_tree);
        if (selection.size() == 1)
            _clipboard = selection.first();
        break;
    }
    case MenuChoice::Paste: {
        for (int row : selectedIndexes(_tree)) {
            if (row != _clipboard)
                paste(_clipboard, row);
        }
        // The page shown holds what the rows held before; the selection stays as it was.
        showSelection(true);
        break;
    }
    case MenuChoice::None:
        break;
    }
}

} // namespace olma::config
