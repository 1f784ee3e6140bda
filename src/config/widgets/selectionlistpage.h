#pragma once

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPoint;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace olma::config {

class ConfigItem;

// What the user and loop lists, the program list and the loop, БКВ-А and БП-А lists of a program
// have in common: a tree whose selection decides the page shown in the stack beside it (one row its
// item's page, several rows one page that edits them all through an object the list keeps for it),
// "Копировать"/"Вставить" in the tree's context menu, the filter, and rows that follow their nodes.
class SelectionListPage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SelectionListPage)

public:
    ~SelectionListPage() override;

    // "Копировать": one row selected, it is what a paste copies. "Вставить": the copied row into
    // every selected row but itself. The same as the tree's context menu offers.
    bool canCopy() const;
    void copySelection();
    bool canPaste() const;
    void pasteSelection();

protected:
    explicit SelectionListPage(QWidget* parent);

    // Called by the page once its form is set up: fills the rows, makes the remembered row current
    // and shows its page. From then on every change of the tree's current row or selection shows
    // the page of the selection, and the tree's context menu copies and pastes rows.
    void attach(QTreeWidget* tree, QStackedWidget* stack);

    // Shows the page of the selection; an unchanged selection keeps its page unless forced.
    void showSelection(bool force);
    // The context menu at `pos` of the tree's viewport.
    void execMenu(const QPoint& pos);
    // Rebuilds the rows, makes `current` current and shows its page again.
    void refill(int current);

    // The rows and what each stands for.
    virtual int rowCount() const = 0;
    virtual QString rowTitle(int row) const = 0;
    // The row shown last, kept by the item the list belongs to.
    virtual int rememberedRow() const = 0;
    virtual void rememberRow(int row) = 0;
    // The page of one row.
    virtual QWidget* createRowPage(int row, QWidget* parent) = 0;
    // The object that stands for several rows at once; its page edits them all. The list keeps it
    // for as long as that page is shown.
    virtual std::unique_ptr<ConfigItem> createMulti(const QList<int>& rows) = 0;
    // The page of `rows` was made and is about to be shown.
    virtual void pageMade(QWidget* /*page*/, const QList<int>& /*rows*/) {}
    // Copies row `source` into row `target` (never the same row).
    virtual void paste(int source, int target) = 0;
    // A filter line above the tree: rows whose number is the text typed, or whose columns hold it,
    // stay; with `onlyText` a box beside it keeps only the rows `only` accepts as well.
    void addFilter(const QString& onlyText = QString(), std::function<bool(int)> only = {});
    // Hides the rows the filter leaves out (after the rows were filled or changed).
    void applyFilter();
    // Fills the row's other columns and colours; the title is in place already.
    virtual void decorateRow(QTreeWidgetItem* /*item*/, int /*row*/) {}
    // Fills the columns and colours of rows whose nodes changed, or of every row. Neither looks like
    // a new choice in the list, and whoever is typing keeps the focus.
    void redecorate(const QList<int>& rows);
    void redecorateAll();

    // The nodes of `rows`, as `at(row)` answers them.
    template <class Node, class At> static QList<Node*> nodes(const QList<int>& rows, At at)
    {
        QList<Node*> found;
        found.reserve(rows.size());
        for (int row : rows)
            found.append(at(row));
        return found;
    }

    QTreeWidget* tree() const { return _tree; }
    // The tree's row of node `row`; null when there is none.
    QTreeWidgetItem* rowItem(int row) const;
    // A width at which the header and every row read whole, for the first split of the page.
    int fittingListWidth() const;
    // The page shown in the stack (null before attach()).
    QWidget* shownPage() const { return _page; }

private:
    void fillRows(int current);
    // Destroys the page shown, then the object it edited for several rows.
    void dropPage();

    QTreeWidget* _tree = nullptr;
    QStackedWidget* _stack = nullptr;
    QWidget* _page = nullptr;
    std::unique_ptr<ConfigItem> _multi;
    QList<int> _shownSelection;
    int _shownCurrent = -1;
    int _clipboard = -1;
    QLineEdit* _filter = nullptr;
    QCheckBox* _only = nullptr;
    std::function<bool(int)> _onlyAccepts;
};

} // namespace olma::config
