#pragma once

#include "device/ideviceguiwidget.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class AccessStateWidget;
}

namespace olma::device {

class AccessState;

// The "Доступ к прибору" page: access at the central board and the keyboards.
class AccessStateWidget : public QWidget, public IDeviceGUIWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(AccessStateWidget)

public:
    AccessStateWidget(AccessState* state, QWidget* parent = nullptr);
    ~AccessStateWidget() override;

    void update() override;

private:
    std::unique_ptr<Ui::AccessStateWidget> _ui;
    AccessState* _state = nullptr;
    QString _shownPage;
};

} // namespace olma::device
