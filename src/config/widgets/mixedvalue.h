#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QString>

namespace olma::config {

// A check box's state as a flag: on unless unchecked (a partially checked box the engineer
// clicked is on).
inline bool checked(int state)
{
    return state != Qt::Unchecked;
}

} // namespace olma::config

// How a page of several selected items shows a value that differs among them: a check box
// partially checked, a choice blank with a dash, until the engineer sets it.
namespace olma::config::mixed {

inline const QString kPlaceholder = QStringLiteral("—");

// Shows a flag without telling anyone; a differing flag shows partially checked.
inline void showFlag(QCheckBox* box, bool on, bool differs)
{
    const QSignalBlocker blocker(box);
    box->setTristate(differs);
    box->setCheckState(differs ? Qt::PartiallyChecked : on ? Qt::Checked : Qt::Unchecked);
}

// Once set, the box is an ordinary two-state one again.
inline void settleFlag(QCheckBox* box)
{
    if (box->checkState() != Qt::PartiallyChecked)
        box->setTristate(false);
}

// Shows a choice without telling anyone; a differing one shows blank with the dash.
inline void showChoice(QComboBox* combo, int index, bool differs)
{
    const QSignalBlocker blocker(combo);
    combo->setPlaceholderText(kPlaceholder);
    combo->setCurrentIndex(differs ? -1 : index);
}

} // namespace olma::config::mixed
