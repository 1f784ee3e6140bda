#include "device/commonstatewidget.h"
#include "ui_commonstatewidget.h"

#include "device/commonstate.h"
#include "device/statepageview.h"

namespace olma::device {

CommonStateWidget::CommonStateWidget(CommonState* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::CommonStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    update();
}

CommonStateWidget::~CommonStateWidget() = default;

void CommonStateWidget::update()
{
    _state->setGuiWidget(this);
    const CommonStateLines lines = commonStateLines(*_state);
    // A clock the panel cannot vouch for leaves the last good reading on screen.
    if (!lines.clock.isEmpty())
        _ui->_dateTimeEdit->setText(lines.clock);
    _ui->_serialLabel->setText(lines.serialNumber);
    _ui->_versionLabel->setText(lines.version);
    _ui->_typeLabel->setText(lines.type);
    showStaleMark(*_state, _ui->_staleLabel,
                  {_ui->_versionCaption, _ui->_versionLabel, _ui->_typeCaption, _ui->_typeLabel, _ui->_serialCaption,
                   _ui->_serialLabel, _ui->_dateTimeCaption, _ui->_dateTimeEdit});
}

} // namespace olma::device
