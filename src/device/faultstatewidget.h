#pragma once

#include "device/ideviceguiwidget.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class FaultStateWidget;
}

namespace olma::device {

class FaultState;

// The "Неисправности" page: faults and block states.
class FaultStateWidget : public QWidget, public IDeviceGUIWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(FaultStateWidget)

public:
    FaultStateWidget(FaultState* state, QWidget* parent = nullptr);
    ~FaultStateWidget() override;

    void update() override;

private:
    std::unique_ptr<Ui::FaultStateWidget> _ui;
    FaultState* _state = nullptr;
    QString _shownPage;
};

} // namespace olma::device
