#pragma once

#include "device/statesection.h"

#include <QString>

namespace olma::device {

// "Состояние Зон": the state of every zone, 4 bits per zone.
class ZonesState : public StateSection
{
public:
    QWidget* createWidget(QWidget* parent) override;
    QByteArray name() const override;

    // State of zone `index` (from 0), a value of the zone table; -1 before the first record.
    int zoneState(int index) const;
    // The page: one row per zone of the current model.
    QString pageHtml() const;
};

} // namespace olma::device
