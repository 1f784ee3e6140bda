#include "device/releysstateswidget.h"
#include "ui_releysstateswidget.h"

#include "common/text.h"
#include "device/releysstates.h"
#include "device/statepageview.h"

#include <QCheckBox>

namespace olma::device {

ReleysStatesWidget::ReleysStatesWidget(ReleysStates* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ReleysStatesWidget>()), _state(state)
{
    _ui->setupUi(this);
    _onlyConnected = new QCheckBox(OLMA_TEXT("PanelState", "Показывать только подключённые блоки"), this);
    _onlyConnected->setObjectName(QStringLiteral("_onlyConnectedCheckBox"));
    _onlyConnected->setChecked(true);
    // Under the caption, above the table.
    _ui->_layout->insertWidget(_ui->_layout->indexOf(_ui->_captionLabel) + 1, _onlyConnected);
    connect(_onlyConnected, &QCheckBox::toggled, this, [this] { update(); });
    update();
}

ReleysStatesWidget::~ReleysStatesWidget() = default;

void ReleysStatesWidget::update()
{
    _state->setGuiWidget(this);
    showStatePage(_ui->_textBrowser, _shownPage, _state->pageHtml(_onlyConnected->isChecked()));
    showStaleMark(*_state, _ui->_staleLabel, {_ui->_captionLabel, _onlyConnected, _ui->_textBrowser});
}

} // namespace olma::device
