#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationProgrammBPStateWidget;
}

namespace olma::config::programm {

class BPStateCommon;

// The faults of a БП-А power block that switch a program (main and reserve supply, two channels),
// for one block or for several selected blocks at once.
class ConfigurationProgrammBPStateWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammBPStateWidget)

public:
    ConfigurationProgrammBPStateWidget(BPStateCommon* state, QWidget* parent = nullptr);
    ~ConfigurationProgrammBPStateWidget() override;

public slots:
    void opChanged(int value);
    void rpChanged(int value);
    void ch1Changed(int value);
    void ch2Changed(int value);
    // "Сбросить": every fault inactive.
    void dropStates();

private:
    void fill();

    std::unique_ptr<Ui::ConfigurationProgrammBPStateWidget> _ui;
    BPStateCommon* _state = nullptr;
};

} // namespace olma::config::programm
