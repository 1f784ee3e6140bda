#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationProgrammBKVStateWidget;
}

namespace olma::config::programm {

class BKVStateCommon;

// The faults of a БКВ-А block's four outputs that switch a program, for one block or for several
// selected blocks at once.
class ConfigurationProgrammBKVStateWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammBKVStateWidget)

public:
    ConfigurationProgrammBKVStateWidget(BKVStateCommon* state, QWidget* parent = nullptr);
    ~ConfigurationProgrammBKVStateWidget() override;

public slots:
    // Every row's value into the item.
    void statesChanged();
    // One row set by the engineer: that output of the item (every item shown), no other.
    void rowChanged(int index, int value);
    // "Сбросить": every output inactive.
    void dropStates();

private:
    void fill();

    std::unique_ptr<Ui::ConfigurationProgrammBKVStateWidget> _ui;
    BKVStateCommon* _state = nullptr;
};

} // namespace olma::config::programm
