#include "config/widgets/configurationprogrammwidget.h"
#include "ui_configurationprogrammwidget.h"

#include "config/programm/description.h"
#include "config/programm/multiprogramm.h"
#include "config/programm/params.h"
#include "config/programm/programm.h"
#include "config/programm/programmrecord.h"

namespace olma::config {

ConfigurationProgrammWidget::ConfigurationProgrammWidget(Programm* programm, QWidget* parent)
    : ConfigurationProgrammWidget(programm, programm, programm, parent)
{
    if (_programm)
        connect(_programm, &Programm::changed, this, &ConfigurationProgrammWidget::programmChangedHandler);
}

ConfigurationProgrammWidget::ConfigurationProgrammWidget(MultiProgramm* programms, QWidget* parent)
    : ConfigurationProgrammWidget(programms, programms, nullptr, parent)
{
    // "Сбросить все" resets every group of the selection (the selection reacts first, being
    // connected first); the tabs then show the defaults.
    if (programms) {
        connect(programms->params(), &programm::Params::changedFireSafety, this, [this](bool on) {
            if (on)
                programmChangedHandler(nullptr);
        });
    }
}

ConfigurationProgrammWidget::ConfigurationProgrammWidget(IConfigItem* item, ProgrammCommon* common, Programm* single,
                                                         QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationProgrammWidget>()), _item(item), _common(common),
      _programm(single)
{
    _ui->setupUi(this);
    if (!_item || !_common)
        return;
    buildTabs();
    connect(_ui->_tabWidget, &QTabWidget::currentChanged, this, &ConfigurationProgrammWidget::tabChangeHandler);
}

ConfigurationProgrammWidget::~ConfigurationProgrammWidget() = default;

void ConfigurationProgrammWidget::buildTabs()
{
    QTabWidget* tabs = _ui->_tabWidget;
    const QSignalBlocker blocker(tabs);
    // Nothing but its parameters switches a program that feeds an intrinsically safe source. The
    // panel keeps no mark of one: an ИП on from the start is taken for one, as its parameter page
    // shows it, after a load as much as after the box was ticked.
    const bool fireSafety =
        _programm && (_programm->params()->fireSafety() ||
                      (_programm->kind() == programm::KindControlledOutput && _programm->params()->initState()));
    for (IConfigItem* child : _item->children()) {
        QWidget* page = child->createWidget(tabs);
        if (!page)
            continue;
        if (fireSafety && child != _programm->params() && child != _programm->descriptionItem())
            page->setEnabled(false);
        tabs->addTab(page, child->name());
    }
    const int stored = _common->currentTab();
    tabs->setCurrentIndex(stored >= 0 && stored < tabs->count() ? stored : 0);
}

void ConfigurationProgrammWidget::clearTabs()
{
    QTabWidget* tabs = _ui->_tabWidget;
    const QSignalBlocker blocker(tabs);
    QList<QWidget*> pages;
    for (int i = 0; i < tabs->count(); ++i)
        pages.append(tabs->widget(i));
    tabs->clear();
    // The change may come from a control on one of these pages, still inside its handler: the
    // pages go once control is back in the event loop.
    for (QWidget* page : pages) {
        page->hide();
        page->setParent(nullptr);
        page->deleteLater();
    }
}

void ConfigurationProgrammWidget::tabChangeHandler(int index)
{
    _common->setCurrentTab(index);
}

void ConfigurationProgrammWidget::programmChangedHandler(Programm* /*programm*/)
{
    clearTabs();
    buildTabs();
}

} // namespace olma::config
