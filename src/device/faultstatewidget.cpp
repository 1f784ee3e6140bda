#include "device/faultstatewidget.h"
#include "ui_faultstatewidget.h"

#include "device/faultstate.h"
#include "device/statepageview.h"

namespace olma::device {

FaultStateWidget::FaultStateWidget(FaultState* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::FaultStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    update();
}

FaultStateWidget::~FaultStateWidget() = default;

void FaultStateWidget::update()
{
    _state->setGuiWidget(this);
    showStatePage(_ui->_textBrowser, _shownPage, _state->pageHtml());
    showStaleMark(*_state, _ui->_staleLabel, {_ui->_captionLabel, _ui->_textBrowser});
}

} // namespace olma::device
