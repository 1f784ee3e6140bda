#include "device/accessstatewidget.h"
#include "ui_accessstatewidget.h"

#include "device/accessstate.h"
#include "device/statepageview.h"

namespace olma::device {

AccessStateWidget::AccessStateWidget(AccessState* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::AccessStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    update();
}

AccessStateWidget::~AccessStateWidget() = default;

void AccessStateWidget::update()
{
    _state->setGuiWidget(this);
    showStatePage(_ui->_textBrowser, _shownPage, _state->pageHtml());
    showStaleMark(*_state, _ui->_staleLabel, {_ui->_captionLabel, _ui->_textBrowser});
}

} // namespace olma::device
