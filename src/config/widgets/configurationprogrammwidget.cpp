#include "config/widgets/configurationprogrammwidget.h"
#include "ui_configurationprogrammwidget.h"

#include "config/programm/description.h"
#include "config/programm/multiprogramm.h"
#include "config/programm/params.h"
#include "config/programm/programm.h"
#include "config/programm/programmrecord.h"

#include <QVBoxLayout>

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
    // A tab is a frame its page goes into when the tab is first shown: of the parts of a program
    // only the one on view is made, which is what a selection, an undo or "Сбросить все" waits for.
    for (IConfigItem* child : _item->children()) {
        auto* frame = new QWidget(tabs);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        if (fireSafety && child != _programm->params() && child != _programm->descriptionItem())
            frame->setEnabled(false);
        tabs->addTab(frame, child->name());
    }
    const int stored = _common->currentTab();
    tabs->setCurrentIndex(stored >= 0 && stored < tabs->count() ? stored : 0);
    fillTab(tabs->currentIndex());
}

void ConfigurationProgrammWidget::fillTab(int index)
{
    QWidget* frame = _ui->_tabWidget->widget(index);
    IConfigItem* child = _item->children().value(index);
    if (!frame || !child || !frame->layout()->isEmpty())
        return;
    if (QWidget* page = child->createWidget(frame)) {
        frame->layout()->addWidget(page);
        // On a tab shown already a layout would show its new page only once back in the event loop.
        page->show();
    }
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
    fillTab(index);
    _common->setCurrentTab(index);
}

void ConfigurationProgrammWidget::programmChangedHandler(Programm* /*programm*/)
{
    clearTabs();
    buildTabs();
}

} // namespace olma::config
