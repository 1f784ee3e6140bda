#include "config/widgets/configurationtailswidget.h"
#include "ui_configurationtailswidget.h"

#include "common/text.h"
#include "config/multitail.h"
#include "config/tails.h"
#include "config/widgets/listpage.h"
#include "config/widgets/pagetexts.h"

#include <QTextEdit>
#include <QTreeWidget>

namespace olma::config {
namespace {

// Initial split: the loop names are short, the page gets the rest.
constexpr int kTailsListWidth = 300;
constexpr olma::Text kDescriptionHeader = OLMA_TEXT("ConfigurationPages", "Описание");
constexpr int kTailsPageWidth = 1000;

} // namespace

ConfigurationTailsWidget::ConfigurationTailsWidget(Tails* tails, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationTailsWidget>()), _tails(tails)
{
    _ui->setupUi(this);
    _ui->_splitter->setSizes({kTailsListWidth, kTailsPageWidth});
    // The descriptions beside the loops, as the user list has them.
    _ui->_tailsTreeWidget->setColumnCount(2);
    _ui->_tailsTreeWidget->headerItem()->setText(1, kDescriptionHeader);
    if (!_tails)
        return;
    attach(_ui->_tailsTreeWidget, _ui->_tailStack);
    addFilter();
}

ConfigurationTailsWidget::~ConfigurationTailsWidget() = default;

void ConfigurationTailsWidget::decorateRow(QTreeWidgetItem* item, int row)
{
    item->setText(1, listpage::firstLine(_tails->tail(row)->description()));
}

void ConfigurationTailsWidget::pageMade(QWidget* page, const QList<int>& rows)
{
    if (auto* edit = page->findChild<QTextEdit*>(QStringLiteral("_descrTextEdit")))
        connect(edit, &QTextEdit::textChanged, this, [this, rows] { redecorate(rows); });
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

std::unique_ptr<ConfigItem> ConfigurationTailsWidget::createMulti(const QList<int>& rows)
{
    const auto tail = [this](int row) { return _tails->tail(row); };
    return std::make_unique<MultiTail>(nodes<TailCommon>(rows, tail), _tails->deviceType());
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
