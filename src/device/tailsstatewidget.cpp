#include "device/tailsstatewidget.h"
#include "ui_tailsstatewidget.h"

#include "device/statepageview.h"
#include "device/tailsstate.h"

namespace olma::device {

TailsStateWidget::TailsStateWidget(TailsState* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::TailsStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    update();
}

TailsStateWidget::~TailsStateWidget() = default;

void TailsStateWidget::update()
{
    _state->setGuiWidget(this);
    showStatePage(_ui->_textBrowser, _shownPage, _state->pageHtml());
    showStaleMark(*_state, _ui->_staleLabel, {_ui->_captionLabel, _ui->_textBrowser});
}

} // namespace olma::device
