#include "device/releysstateswidget.h"
#include "ui_releysstateswidget.h"

#include "device/releysstates.h"
#include "device/statepageview.h"

namespace olma::device {

ReleysStatesWidget::ReleysStatesWidget(ReleysStates* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ReleysStatesWidget>()), _state(state)
{
    _ui->setupUi(this);
    update();
}

ReleysStatesWidget::~ReleysStatesWidget() = default;

void ReleysStatesWidget::update()
{
    _state->setGuiWidget(this);
    showStatePage(_ui->_textBrowser, _shownPage, _state->pageHtml());
    showStaleMark(*_state, _ui->_staleLabel, {_ui->_captionLabel, _ui->_textBrowser});
}

} // namespace olma::device
