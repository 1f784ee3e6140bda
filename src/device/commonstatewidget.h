#pragma once

#include "device/ideviceguiwidget.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class CommonStateWidget;
}

namespace olma::device {

class CommonState;

// The "Общие сведения" page: version, model, serial number and the panel's clock.
class CommonStateWidget : public QWidget, public IDeviceGUIWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CommonStateWidget)

public:
    CommonStateWidget(CommonState* state, QWidget* parent = nullptr);
    ~CommonStateWidget() override;

    void update() override;

private:
    std::unique_ptr<Ui::CommonStateWidget> _ui;
    CommonState* _state = nullptr;
    QLabel* _attentionCaption = nullptr;
    QLabel* _attentionLabel = nullptr;
};

} // namespace olma::device
