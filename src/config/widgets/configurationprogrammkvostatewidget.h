#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationProgrammKVOStateWidget;
}

namespace olma::config::programm {

class KVOStateCommon;

// "Состояние ИП": the faults of the panel's controlled outputs that switch a program, one row per
// output of the model (2, 4 or 8).
class ConfigurationProgrammKVOStateWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammKVOStateWidget)

public:
    ConfigurationProgrammKVOStateWidget(KVOStateCommon* state, QWidget* parent = nullptr);
    ~ConfigurationProgrammKVOStateWidget() override;

public slots:
    // Every row's value into the item.
    void statesChanged();
    // One row set by the engineer: that output of the item (every item shown), no other.
    void rowChanged(int index, int value);
    // "Сбросить": every output inactive.
    void dropStates();

private:
    void fill();

    std::unique_ptr<Ui::ConfigurationProgrammKVOStateWidget> _ui;
    KVOStateCommon* _state = nullptr;
};

} // namespace olma::config::programm
