#pragma once

#include "device/ideviceguiwidget.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class ZonesStateWidget;
}

namespace olma::device {

class ZonesState;

// The "Состояние Зон" page: one row per zone.
class ZonesStateWidget : public QWidget, public IDeviceGUIWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ZonesStateWidget)

public:
    ZonesStateWidget(ZonesState* state, QWidget* parent = nullptr);
    ~ZonesStateWidget() override;

    void update() override;

private:
    std::unique_ptr<Ui::ZonesStateWidget> _ui;
    ZonesState* _state = nullptr;
    QString _shownPage;
};

} // namespace olma::device
