#pragma once

#include <QHash>
#include <QWidget>

#include <memory>

class QSpinBox;

namespace Ui {
class ConfigurationProgrammParamsWidget;
}

namespace olma::config::programm {

class Params;
class ParamsCommon;

// "Параметры" of a program, or of several selected programs: initial state, tactic, delay before
// start and work time. A controlled output (ИП) may feed an intrinsically safe power source: then
// it is on from the start, automatic, without delay or time limit, and no event switches it.
class ConfigurationProgrammParamsWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammParamsWidget)

public:
    ConfigurationProgrammParamsWidget(Params* params, QWidget* parent = nullptr);
    ~ConfigurationProgrammParamsWidget() override;

public slots:
    void timeoutChanged(int value);
    void tacticChanged(int index);
    void initStateChanged(int index);
    void noLimitChanged(int state);
    void workTimeChanged(int value);
    void fireSafetyIPCheckBoxChanged(int state);
    // "Сбросить все": default parameters, and every trigger of the program inactive.
    void clearAllParams();

private:
    bool isControlledOutput() const;
    void fill();
    void connectControls();
    // A change of a parameter the fire-safe mode fixes leaves that mode.
    void leaveFireSafety();
    // The fire-safe values: on, automatic, no delay, work not limited.
    void forceAlwaysOn();
    // The controls the fire-safe mode fixes.
    void lockFireSafeControls(bool locked);
    void showInitState(int index);
    void showNoLimit(bool noLimit);
    void showDiffering();
    // A spin box blank with a dash (one below its minimum) until the engineer sets it; settling
    // gives it its minimum back and answers the value it then holds.
    void blankSpinBox(QSpinBox* box);
    int settleSpinBox(QSpinBox* box, int value);

    std::unique_ptr<Ui::ConfigurationProgrammParamsWidget> _ui;
    Params* _params = nullptr;
    ParamsCommon* _common = nullptr;
    QHash<QSpinBox*, int> _blankMinimum;
};

} // namespace olma::config::programm
