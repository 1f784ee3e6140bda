#include "config/widgets/selectionlistpage.h"

#include "common/text.h"
#include "config/configitem.h"
#include "config/widgets/listpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace olma::config {

using namespace listpage;

SelectionListPage::SelectionListPage(QWidget* parent) : QWidget(parent) {}

SelectionListPage::~SelectionListPage()
{
    // The page may still write what it shows as it goes; the rows are gone with the list by then.
    _tree = nullptr;
    dropPage();
}

void SelectionListPage::dropPage()
{
    if (_stack)
        replacePage(_stack, _page, nullptr);
    _multi.reset();
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
    applyFilter();
}

void SelectionListPage::addFilter(const QString& onlyText, std::function<bool(int)> only)
{
    auto* splitter = _tree ? qobject_cast<QSplitter*>(_tree->parentWidget()) : nullptr;
    if (!splitter || _filter)
        return;
    // The list and its filter share the splitter's place of the list.
    const int at = splitter->indexOf(_tree);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    _filter = new QLineEdit(column);
    _filter->setObjectName(QStringLiteral("_filterLineEdit"));
    _filter->setPlaceholderText(OLMA_TEXT("ConfigurationPages", "Фильтр: номер или текст"));
    _filter->setClearButtonEnabled(true);
    row->addWidget(_filter, 1);
    if (!onlyText.isEmpty() && only) {
        _only = new QCheckBox(onlyText, column);
        _only->setObjectName(QStringLiteral("_onlyCheckBox"));
        _onlyAccepts = std::move(only);
        row->addWidget(_only);
        connect(_only, &QCheckBox::toggled, this, &SelectionListPage::applyFilter);
    }
    layout->addLayout(row);
    splitter->replaceWidget(at, column);
    layout->addWidget(_tree);
    // Tab goes to the filter, the list, then the page beside it. The list moved to the end of the
    // chain with its new parent, behind the page made already: the page leaves the window and comes
    // back, which puts its controls at the end again. Pages made later go there anyway.
    setTabOrder(_filter, _only ? static_cast<QWidget*>(_only) : _tree);
    if (_only)
        setTabOrder(_only, _tree);
    if (_page) {
        _stack->removeWidget(_page);
        _page->setParent(nullptr);
        _stack->addWidget(_page);
        _stack->setCurrentWidget(_page);
    }
    connect(_filter, &QLineEdit::textChanged, this, &SelectionListPage::applyFilter);
}

void SelectionListPage::applyFilter()
{
    if (!_tree || !_filter)
        return;
    const QString text = _filter->text().trimmed();
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    const bool onlyChecked = _only && _only->isChecked();
    for (int i = 0; i < _tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = _tree->topLevelItem(i);
        const int row = indexOf(item);
        bool shown = text.isEmpty() || (isNumber && row + 1 == number);
        for (int column = 0; !shown && column < item->columnCount(); ++column)
            shown = item->text(column).contains(text, Qt::CaseInsensitive);
        if (shown && onlyChecked)
            shown = _onlyAccepts(row);
        item->setHidden(!shown);
    }
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

    dropPage();
    QWidget* page = nullptr;
    QList<int> rows;
    if (selection.size() > 1) {
        _multi = createMulti(selection);
        page = _multi ? _multi->createWidget(_stack) : nullptr;
        rows = selection;
    } else if (current >= 0 && current < rowCount()) {
        rememberRow(current);
        page = createRowPage(current, _stack);
        rows = {current};
    }
    if (page)
        pageMade(page, rows);
    replacePage(_stack, _page, page);
}

void SelectionListPage::redecorate(const QList<int>& rows)
{
    if (!_tree)
        return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    {
        const QSignalBlocker blocker(_tree);
        for (int row : rows) {
            if (QTreeWidgetItem* item = rowItem(row))
                decorateRow(item, row);
        }
    }
    if (focus)
        focus->setFocus();
}

void SelectionListPage::redecorateAll()
{
    if (!_tree)
        return;
    QList<int> rows;
    for (int i = 0; i < _tree->topLevelItemCount(); ++i)
        rows.append(indexOf(_tree->topLevelItem(i)));
    redecorate(rows);
}

bool SelectionListPage::canCopy() const
{
    return _tree && selectedIndexes(_tree).size() == 1;
}

void SelectionListPage::copySelection()
{
    if (canCopy())
        _clipboard = selectedIndexes(_tree).first();
}

bool SelectionListPage::canPaste() const
{
    return _tree && _clipboard >= 0 && _clipboard < rowCount() && !selectedIndexes(_tree).isEmpty();
}

void SelectionListPage::pasteSelection()
{
    if (!canPaste())
        return;
    QList<int> pasted;
    for (int row : selectedIndexes(_tree)) {
        if (row == _clipboard)
            continue;
        paste(_clipboard, row);
        pasted.append(row);
    }
    redecorate(pasted);
    // The page shown holds what the rows held before; the selection stays as it was.
    showSelection(true);
}

void SelectionListPage::execMenu(const QPoint& pos)
{
    const bool canPaste = _clipboard >= 0 && _clipboard < rowCount();
    switch (execCopyPasteMenu(_tree, pos, canPaste)) {
    case MenuChoice::Copy:
        copySelection();
        break;
    case MenuChoice::Paste:
        pasteSelection();
        break;
    case MenuChoice::None:
        break;
    }
}

} // namespace olma::config
