#include "config/widgets/configurationtailswidget.h"
#include "ui_configurationtailswidget.h"

#include "config/multitail.h"
#include "config/tails.h"
#include "config/widgets/pagetexts.h"

namespace olma::config {
namespace {

// Initial split: the loop names are short, the page gets the rest.
constexpr int kListWidth = 180;
constexpr int kPageWidth = 1000;

} // namespace

ConfigurationTailsWidget::ConfigurationTailsWidget(Tails* tails, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationTailsWidget>()), _tails(tails)
{
    _ui->setupUi(this);
    _ui->_splitter->setSizes({kListWidth, kPageWidth});
    if (_tails)
        attach(_ui->_tailsTreeWidget, _ui->_tailStack);
}

ConfigurationTailsWidget::~ConfigurationTailsWidget()
{
    // The page of several loops edits the multi-selection object; it goes first.
    dropPage();
}

int ConfigurationTailsWidget::rowCount() const
{
    return _tails->count();
}

QString ConfigurationTailsWidget::rowTitle(int row) const
{
    return pagetexts::kNumberedRow.arg(_tails->tail(row)->name()).arg(row + 1);
}

int ConfigurationTailsWidget::rememberedRow() const
{
    return _tails->currentTail();
}

void ConfigurationTailsWidget::rememberRow(int row)
{
    _tails->setCurrentTail(row);
}

QWidget* ConfigurationTailsWidget::createRowPage(int row, QWidget* parent)
{
    return _tails->tail(row)->createWidget(parent);
}

QWidget* ConfigurationTailsWidget::createMultiPage(const QList<int>& rows, QWidget* parent)
{
    _multiTail.reset();
    QList<TailCommon*> tails;
    for (int row : rows)
        tails.append(_tails->tail(row));
    _multiTail = std::make_unique<MultiTail>(tails, _tails->deviceType());
    return _multiTail->createWidget(parent);
}

void ConfigurationTailsWidget::paste(int source, int target)
{
    const Tail* from = _tails->tail(source);
    Tail* to = _tails->tail(target);
    if (!from || !to)
        return;
    to->setTailType(from->tailType());
    to->setGuardOnTimeout(from->guardOnTimeout());
    to->setGuardOffTimeout(from->guardOffTimeout());
    to->setWithoutAlarm(from->withoutAlarm());
    to->setAutoReset(from->autoReset());
    to->setBizEx(from->bizEx());
    to->setAutoReGuardOn(from->autoReGuardOn());
    to->setReRequest(from->reRequest());
    to->setFaultCheck(from->faultCheck());
    to->setFire1(from->fire1());
    to->setDescription(from->description());
}

} // namespace olma::config
