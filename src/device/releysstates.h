#pragma once

#include "device/statesection.h"

#include <QString>

#include <functional>

namespace olma::device {

// "Состояние реле (выходов)": the state of every relay and output the panel drives, 2 bits each.
class ReleysStates : public StateSection
{
public:
    enum Group
    {
        ControlledOutput = 0,  // "ИП", 2, 4 or 8 by model
        LightNotifier = 1,     // "Световой оповещатель"
        SoundNotifier = 2,     // "Звуковой оповещатель"
        BuiltInRelay = 3,      // "Встроенное реле", 8
        RelayBlockRelay = 4,   // "БРВ-А", 4 blocks of 8
        OutputBlockOutput = 5, // "БКВ-А", 8 blocks of 4
        IndicationOutput = 6,  // "БВИ-А", 4 blocks of 8
    };
    static constexpr int kGroups = 7;

    QWidget* createWidget(QWidget* parent) override;
    QByteArray name() const override;

    // State of output `index` (from 0) of `group`, a value of the relay table; -1 before the
    // first record or outside the group. The notifiers have one output and ignore `index`.
    int releyState(int group, int index) const;
    // Outputs of `group` on the current model.
    int groupCount(int group) const;

    QString pageHtml() const;

    // Whether the configuration connects block `index` (from 0) of a block kind ("Состав":
    // 1 БВИ-А, 2 БРВ-А, 4 БКВ-А); without a source every block counts as connected.
    using ConnectedSource = std::function<bool(int kind, int index)>;
    void setConnectedSource(ConnectedSource source) { _connected = std::move(source); }
    // The page without the outputs of blocks the configuration does not connect; with
    // `onlyConnected` false it is pageHtml() itself.
    QString pageHtml(bool onlyConnected) const;

private:
    bool shown(int group, int position, bool onlyConnected) const;

    ConnectedSource _connected;
};

} // namespace olma::device
