#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationParamsWidget;
}

namespace olma::config {

class Params;

// The "Параметры" page: time-outs, re-arming and sound times, the engineer password, clock
// synchronisation and the two user messages.
class ConfigurationParamsWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationParamsWidget)

public:
    ConfigurationParamsWidget(Params* params, QWidget* parent = nullptr);
    ~ConfigurationParamsWidget() override;

public slots:
    void timer1ValueChanged(int value);
    void timer2ValueChanged(int value);
    void autoPreValueChanged(int value);
    void autoPreDailyValueChanged(int value);
    void passwordValueChanged(const QString& text);
    void KVSoundOnOffValueChanged(int state);
    void makeKVSoundEnable(int state);
    void PTSSoundOnOffValueChanged(int state);
    void makePTSSoundEnable(int state);
    void KVSoundWorkTimeValueChanged(int value);
    void PTSSoundWorkTimeValueChanged(int value);
    void timeSyncChanged(int state);
    void message1ValueChanged(const QString& text);
    void message2ValueChanged(const QString& text);

private:
    void fill();
    void connectControls();

    std::unique_ptr<Ui::ConfigurationParamsWidget> _ui;
    Params* _params = nullptr;
};

} // namespace olma::config
