#include "config/widgets/configurationprogrammswidget.h"
#include "ui_configurationprogrammswidget.h"

#include "common/text.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/kvostate.h"
#include "config/programm/multiprogramm.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/programmsummary.h"
#include "config/programm/tailstates.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace olma::config {
namespace {

// The editor takes what the list leaves.
constexpr int kProgrammsPageWidth = 900;
constexpr int kSummaryWidth = 220;
constexpr olma::Text kSummaryHeader = OLMA_TEXT("ConfigurationPages", "Срабатывание");
constexpr olma::Text kOnlyUsed = OLMA_TEXT("ConfigurationPages", "только используемые");

} // namespace

ConfigurationProgrammsWidget::ConfigurationProgrammsWidget(Programms* programms, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationProgrammsWidget>()), _programms(programms)
{
    _ui->setupUi(this);
    if (!_programms)
        return;

    _ui->_programmsTreeWidget->setColumnCount(2);
    _ui->_programmsTreeWidget->headerItem()->setText(1, kSummaryHeader);
    attach(_ui->_programmsTreeWidget, _ui->_programmPropertyStack);
    addFilter(kOnlyUsed, [this](int row) { return programm::anyTriggerSet(*_programms->programm(row)); });
    // Measured once: every title is laid out for it.
    const int listWidth = fittingListWidth();
    _ui->_splitter->setSizes({listWidth + kSummaryWidth, kProgrammsPageWidth});
    _ui->_programmsTreeWidget->header()->resizeSection(0, listWidth);
}

ConfigurationProgrammsWidget::~ConfigurationProgrammsWidget() = default;

void ConfigurationProgrammsWidget::decorateRow(QTreeWidgetItem* item, int row)
{
    const QString summary = programm::activeTriggers(*_programms->programm(row));
    item->setText(1, summary);
    item->setToolTip(1, summary);
}

void ConfigurationProgrammsWidget::refreshSummary(const Programm* programm)
{
    for (int row = 0; row < _programms->count(); ++row) {
        if (_programms->programm(row) == programm) {
            redecorate({row});
            return;
        }
    }
}

void ConfigurationProgrammsWidget::followChanges(const QList<Programm*>& programms)
{
    for (const QMetaObject::Connection& connection : std::as_const(_following))
        disconnect(connection);
    _following.clear();
    for (Programm* p : programms) {
        const auto refresh = [this, p] { refreshSummary(p); };
        _following << connect(p, &Programm::changed, this, refresh);
        _following << connect(p->tailStates(), &programm::TailStates::changed, this, refresh);
        _following << connect(p->pcState(), &programm::PCState::changed, this, refresh);
        _following << connect(p->kvoState(), &programm::KVOState::changed, this, refresh);
        _following << connect(p->bkvStates(), &programm::BKVStates::changed, this, refresh);
        _following << connect(p->bpStates(), &programm::BPStates::changed, this, refresh);
    }
}

int ConfigurationProgrammsWidget::rowCount() const
{
    return _programms->count();
}

QString ConfigurationProgrammsWidget::rowTitle(int row) const
{
    return _programms->programm(row)->title();
}

QWidget* ConfigurationProgrammsWidget::createRowPage(int row, QWidget* parent)
{
    followChanges({_programms->programm(row)});
    return _programms->programm(row)->createWidget(parent);
}

std::unique_ptr<ConfigItem> ConfigurationProgrammsWidget::createMulti(const QList<int>& rows)
{
    followChanges({});
    const auto programm = [this](int row) { return _programms->programm(row); };
    auto selection = std::make_unique<MultiProgramm>(nodes<Programm>(rows, programm), _programms->deviceType());
    connect(selection.get(), &MultiProgramm::changed, this, &ConfigurationProgrammsWidget::refreshSummary);
    return selection;
}

void ConfigurationProgrammsWidget::paste(int source, int target)
{
    Programm* from = _programms->programm(source);
    Programm* to = _programms->programm(target);
    if (from && to)
        to->assign(*from);
    refreshSummary(to);
}

} // namespace olma::config
