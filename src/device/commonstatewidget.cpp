#include "device/commonstatewidget.h"
#include "ui_commonstatewidget.h"

#include "common/text.h"
#include "device/commonstate.h"
#include "device/statepageview.h"

#include <QGridLayout>
#include <QLabel>

namespace olma::device {

CommonStateWidget::CommonStateWidget(CommonState* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::CommonStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    // Below the four values: what the other pages find not in order, each with its page.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    _attentionCaption = new QLabel(OLMA_TEXT("PanelState", "Требует внимания"), this);
    _attentionCaption->setObjectName(QStringLiteral("_attentionCaption"));
    _attentionCaption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    _attentionLabel = new QLabel(this);
    _attentionLabel->setObjectName(QStringLiteral("_attentionLabel"));
    _attentionLabel->setTextFormat(Qt::PlainText);
    _attentionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (grid) {
        // The row the form leaves between the clock and its bottom spacer.
        constexpr int kAttentionRow = 5;
        grid->addWidget(_attentionCaption, kAttentionRow, 0, Qt::AlignTop);
        grid->addWidget(_attentionLabel, kAttentionRow, 1);
    }
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
    const QStringList attention = _state->attention();
    // Before the first record nothing is known to be in order.
    const QString allWell = _state->recordArrived() ? OLMA_TEXT("PanelState", "Всё в норме") : QString();
    _attentionLabel->setText(attention.isEmpty() ? allWell : attention.join(QLatin1Char('\n')));
    _attentionLabel->setStyleSheet(attention.isEmpty() ? QString() : QStringLiteral("color: #B00000;"));
    showStaleMark(*_state, _ui->_staleLabel,
                  {_ui->_versionCaption, _ui->_versionLabel, _ui->_typeCaption, _ui->_typeLabel, _ui->_serialCaption,
                   _ui->_serialLabel, _ui->_dateTimeCaption, _ui->_dateTimeEdit, _attentionCaption, _attentionLabel});
}

} // namespace olma::device
