#pragma once

#include <QWidget>

#include <memory>

class QLabel;

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

    // Which types let the engineer set a box: fire-like only, all but fire-like, entry/exit only.
    enum class Rule
    {
        FireOnly,
        NotFire,
        EntryExit,
    };

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
    // Enables the flags every selected loop's type lets the engineer set, and marks loops whose
    // stored flags do not fit their type.
    void enableForTypes();
    // After the engineer chose a type: the flags it fixes, written into every selected loop.
    void applyTypeRules();
    QList<TailCommon*> loops() const;
    template <typename Getter> bool differs(Getter get) const;

    std::unique_ptr<Ui::ConfigurationTailWidget> _ui;
    TailCommon* _tail = nullptr;
    QLabel* _warning = nullptr;
};

} // namespace olma::config
