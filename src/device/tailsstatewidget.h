#pragma once

#include "device/ideviceguiwidget.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class TailsStateWidget;
}

namespace olma::device {

class TailsState;

// The "Состояние ШС" page: one row per alarm loop.
class TailsStateWidget : public QWidget, public IDeviceGUIWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TailsStateWidget)

public:
    TailsStateWidget(TailsState* state, QWidget* parent = nullptr);
    ~TailsStateWidget() override;

    void update() override;

private:
    std::unique_ptr<Ui::TailsStateWidget> _ui;
    TailsState* _state = nullptr;
    QString _shownPage;
};

} // namespace olma::device
