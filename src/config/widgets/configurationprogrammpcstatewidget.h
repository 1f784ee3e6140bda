#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationProgrammPCStateWidget;
}

namespace olma::config::programm {

class PCStateCommon;

// "Состояние блоков": the eight panel events that switch a program (case opening, supply and
// notifier faults, notification off, external blocks).
class ConfigurationProgrammPCStateWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammPCStateWidget)

public:
    ConfigurationProgrammPCStateWidget(PCStateCommon* state, QWidget* parent = nullptr);
    ~ConfigurationProgrammPCStateWidget() override;

public slots:
    void corpseOpenChanged(int value);
    void opFaultChanged(int value);
    void rpFaultChanged(int value);
    void zoFaultChanged(int value);
    void soFaultChanged(int value);
    void noticeOffChanged(int value);
    void extBlockOpeningChanged(int value);
    void extBlockAccidentChanged(int value);
    // "Сбросить": every event inactive.
    void dropStates();

private:
    void fill();

    std::unique_ptr<Ui::ConfigurationProgrammPCStateWidget> _ui;
    PCStateCommon* _state = nullptr;
};

} // namespace olma::config::programm
