#pragma once

#include "device/statesection.h"

#include <QString>

namespace olma::device {

// "Состояние ШС": the state of every alarm loop, 4 bits per loop.
class TailsState : public StateSection
{
public:
    QWidget* createWidget(QWidget* parent) override;
    QByteArray name() const override;

    // State of loop `index` (from 0), a value of the loop table; -1 before the first record.
    int tailState(int index) const;
    // The page: one row per loop of the current model.
    QString pageHtml() const;
};

} // namespace olma::device
