#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationTailWidget;
}

namespace olma::config {

class TailCommon;

// The page of one loop, or of several selected loops at once: the type, the flags the type allows,
// the time-outs of an entry/exit loop, and the description.
class ConfigurationTailWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationTailWidget)

public:
    ConfigurationTailWidget(TailCommon* tail, QWidget* parent = nullptr);
    ~ConfigurationTailWidget() override;

public slots:
    void tailTypeChanged(int index);
    void fire1Changed(int state);
    void faultCheckChanged(int state);
    void reRequestChanged(int state);
    void autoReGuardOnChanged(int state);
    void bizExChanged(int state);
    void autoResetChanged(int state);
    void withoutAlarmChanged(int state);
    void guardOffTimerChanged(int index);
    void guardOnTimerChanged(int index);
    void descrChanged();

private:
    void fill();
    void connectControls();
    // Enables the flags that make sense for the type and sets the ones it fixes; the boxes write
    // what they change into the loop.
    void applyTypeRules();

    std::unique_ptr<Ui::ConfigurationTailWidget> _ui;
    TailCommon* _tail = nullptr;
};

} // namespace olma::config
