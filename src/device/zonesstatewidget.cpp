#include "device/zonesstatewidget.h"
#include "ui_zonesstatewidget.h"

#include "device/statepageview.h"
#include "device/zonesstate.h"

namespace olma::device {

ZonesStateWidget::ZonesStateWidget(ZonesState* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ZonesStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    update();
}

ZonesStateWidget::~ZonesStateWidget() = default;

void ZonesStateWidget::update()
{
    _state->setGuiWidget(this);
    showStatePage(_ui->_textBrowser, _shownPage, _state->pageHtml());
    showStaleMark(*_state, _ui->_staleLabel, {_ui->_captionLabel, _ui->_textBrowser});
}

} // namespace olma::device
