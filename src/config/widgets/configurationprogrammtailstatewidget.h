#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationProgrammTailStateWidget;
}

namespace olma::config::programm {

class TailStateCommon;

// The seven states of a loop that switch a program ("Снят", "Тревога (Пожар-2)", ...), for one loop
// or for several selected loops at once.
class ConfigurationProgrammTailStateWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammTailStateWidget)

public:
    ConfigurationProgrammTailStateWidget(TailStateCommon* state, QWidget* parent = nullptr);
    ~ConfigurationProgrammTailStateWidget() override;

public slots:
    void takeOffChanged(int value);
    void alarmChanged(int value);
    void fire1Changed(int value);
    void faultChanged(int value);
    void brokenChanged(int value);
    void guardOnDelayChanged(int value);
    void guardOffDelayChanged(int value);
    // "Сбросить": every state of the loop inactive.
    void dropStates();

private:
    void fill();

    std::unique_ptr<Ui::ConfigurationProgrammTailStateWidget> _ui;
    TailStateCommon* _state = nullptr;
};

} // namespace olma::config::programm
