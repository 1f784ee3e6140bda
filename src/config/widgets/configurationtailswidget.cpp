#include "config/widgets/configurationtailswidget.h"
#include "ui_configurationtailswidget.h"

#include "config/multitail.h"
#include "config/tails.h"
#include "config/widgets/listpage.h"
#include "config/widgets/pagetexts.h"

#include <QSignalBlocker>

namespace olma::config {

using namespace listpage;

namespace {

// Initial split: the loop names are short, the page gets the rest.
constexpr int kListWidth = 180;
constexpr int kPageWidth = 1000;

} // namespace

ConfigurationTailsWidget::ConfigurationTailsWidget(Tails* tails, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationTailsWidget>()), _tails(tails)
{
    _ui->setupUi(this);
    _ui->_splitter->setSizes({kListWidth, kPageWidth});
    if (!_tails)
        return;
    fillList();

    using W = ConfigurationTailsWidget;
    QTreeWidget* tree = _ui->_tailsTreeWidget;
    connect(tree, &QTreeWidget::currentItemChanged, this,
            qOverload<QTreeWidgetItem*, QTreeWidgetItem*>(&W::showTailWidget));
    connect(tree, &QTreeWidget::itemActivated, this, qOverload<QTreeWidgetItem*, int>(&W::showTailWidget));
    connect(tree, &QTreeWidget::itemClicked, this, qOverload<QTreeWidgetItem*, int>(&W::showTailWidget));
    connect(tree, &QTreeWidget::itemPressed, this, qOverload<QTreeWidgetItem*, int>(&W::showTailWidget));
    connect(tree, &QTreeWidget::itemChanged, this, qOverload<QTreeWidgetItem*, int>(&W::showTailWidget));
    connect(tree, &QTreeWidget::itemSelectionChanged, this, qOverload<>(&W::showTailWidget));
    connect(tree, &QWidget::customContextMenuRequested, this, &W::showPopupMenu);

    showSelection(true);
}

ConfigurationTailsWidget::~ConfigurationTailsWidget()
{
    // The page may edit the aggregate; it goes first.
    delete _page;
}

void ConfigurationTailsWidget::fillList()
{
    QTreeWidget* tree = _ui->_tailsTreeWidget;
    const QSignalBlocker blocker(tree);
    tree->clear();
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < _tails->count(); ++i) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, pagetexts::kNumberedRow.arg(_tails->tail(i)->name()).arg(i + 1));
        item->setData(0, kIndexRole, i);
        rows.append(item);
    }
    tree->addTopLevelItems(rows);
    const int current = _tails->tail(_tails->currentTail()) ? _tails->currentTail() : 0;
    if (QTreeWidgetItem* item = tree->topLevelItem(current))
        tree->setCurrentItem(item);
}

void ConfigurationTailsWidget::showTailWidget()
{
    showSelection(false);
}

void ConfigurationTailsWidget::showTailWidget(QTreeWidgetItem* /*item*/, int /*column*/)
{
    showSelection(false);
}

void ConfigurationTailsWidget::showTailWidget(QTreeWidgetItem* /*current*/, QTreeWidgetItem* /*previous*/)
{
    showSelection(false);
}

void ConfigurationTailsWidget::showSelection(bool force)
{
    const QList<int> selection = selectedIndexes(_ui->_tailsTreeWidget);
    const int current = indexOf(_ui->_tailsTreeWidget->currentItem());
    if (!force && selection == _shownSelection && current == _shownCurrent && _page)
        return;
    _shownSelection = selection;
    _shownCurrent = current;

    QStackedWidget* stack = _ui->_tailStack;
    replacePage(stack, _page, nullptr);
    if (selection.size() > 1) {
        _multiTail.reset();
        QList<TailCommon*> tails;
        for (int index : selection)
            tails.append(_tails->tail(index));
        _multiTail = std::make_unique<MultiTail>(tails, _tails->deviceType());
        replacePage(stack, _page, _multiTail->createWidget(stack));
    } else if (Tail* tail = _tails->tail(current)) {
        _tails->setCurrentTail(current);
        replacePage(stack, _page, tail->createWidget(stack));
    }
}

void ConfigurationTailsWidget::showPopupMenu(const QPoint& pos)
{
    switch (execCopyPasteMenu(_ui->_tailsTreeWidget, pos, _tails->tail(_clipboard) != nullptr)) {
    case MenuChoice::Copy:
        copy();
        break;
    case MenuChoice::Paste:
        paste();
        break;
    case MenuChoice::None:
        break;
    }
}

void ConfigurationTailsWidget::copy()
{
    const QList<int> selection = selectedIndexes(_ui->_tailsTreeWidget);
    if (selection.size() == 1)
        _clipboard = selection.first();
}

void ConfigurationTailsWidget::paste()
{
    const Tail* source = _tails->tail(_clipboard);
    if (!source)
        return;
    for (int index : selectedIndexes(_ui->_tailsTreeWidget)) {
        Tail* target = _tails->tail(index);
        if (!target || target == source)
            continue;
        target->setTailType(source->tailType());
        target->setGuardOnTimeout(source->guardOnTimeout());
        target->setGuardOffTimeout(source->guardOffTimeout());
        target->setWithoutAlarm(source->withoutAlarm());
        target->setAutoReset(source->autoReset());
        target->setBizEx(source->bizEx());
        target->setAutoReGuardOn(source->autoReGuardOn());
        target->setReRequest(source->reRequest());
        target->setFaultCheck(source->faultCheck());
        target->setFire1(source->fire1());
        target->setDescription(source->description());
    }
    fillList();
    showSelection(true);
}

} // namespace olma::config
