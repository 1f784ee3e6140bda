#include "config/widgets/configurationprogrammswidget.h"
#include "ui_configurationprogrammswidget.h"

#include "config/programm/multiprogramm.h"
#include "config/programm/programms.h"

namespace olma::config {
namespace {

// The editor takes what the list leaves.
constexpr int kPageWidth = 900;

} // namespace

ConfigurationProgrammsWidget::ConfigurationProgrammsWidget(Programms* programms, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationProgrammsWidget>()), _programms(programms)
{
    _ui->setupUi(this);
    if (!_programms)
        return;

    attach(_ui->_programmsTreeWidget, _ui->_programmPropertyStack);
    _ui->_splitter->setSizes({fittingListWidth(), kPageWidth});
}

ConfigurationProgrammsWidget::~ConfigurationProgrammsWidget()
{
    // The editor of several programs edits the multi-selection object; it goes first.
    dropPage();
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
    return _programms->programm(row)->createWidget(parent);
}

QWidget* ConfigurationProgrammsWidget::createMultiPage(const QList<int>& rows, QWidget* parent)
{
    _multiProgramm.reset();
    QList<Programm*> selected;
    selected.reserve(rows.size());
    for (int row : rows)
        selected.append(_programms->programm(row));
    _multiProgramm = std::make_unique<MultiProgramm>(selected, _programms->deviceType());
    return _multiProgramm->createWidget(parent);
}

void ConfigurationProgrammsWidget::paste(int source, int target)
{
    Programm* from = _programms->programm(source);
    Programm* to = _programms->programm(target);
    if (from && to)
        to->assign(*from);
}

} // namespace olma::config
