#pragma once

#include "device/ideviceguiwidget.h"

#include <QString>
#include <QWidget>

#include <memory>

class QCheckBox;

namespace Ui {
class ReleysStatesWidget;
}

namespace olma::device {

class ReleysStates;

// The "Состояние реле (выходов)" page: every relay and output.
class ReleysStatesWidget : public QWidget, public IDeviceGUIWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ReleysStatesWidget)

public:
    ReleysStatesWidget(ReleysStates* state, QWidget* parent = nullptr);
    ~ReleysStatesWidget() override;

    void update() override;

private:
    std::unique_ptr<Ui::ReleysStatesWidget> _ui;
    ReleysStates* _state = nullptr;
    QString _shownPage;
    QCheckBox* _onlyConnected = nullptr;
};

} // namespace olma::device
