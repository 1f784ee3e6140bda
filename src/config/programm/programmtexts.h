#pragma once

#include "common/text.h"

#include <QString>
#include <QStringList>

// Every text of the relay-activation programs that a user sees: output names and program titles,
// node names, trigger and parameter labels and the value words of the export.
namespace olma::config::programm::texts {

// The name of a program's kind of output (1..7); empty for any other code.
olma::Text kindName(int kind);
// The title of program `index` in lists and exports, e.g. «Встроенное реле - К1», «БКВ-А 2 Выход-1».
QString programmTitle(unsigned index);

// Node names.
olma::Text paramsName();
olma::Text descriptionName();
olma::Text tailStatesName();
olma::Text tailStateName();
olma::Text pcStateName();
olma::Text kvoStateName();
olma::Text bkvStatesName();
olma::Text bkvStateName();
olma::Text bpStatesName();
olma::Text bpStateName();

// Trigger values.
QString inactive();
QString active();
QString forbidden();

// Parameter labels and values of the export; the tactic word is empty for a value other than 0 or 1.
QString tacticLabel();
QString initStateLabel();
QString workTimeLabel();
QString tacticWord(int tactic);
QString initStateWord(bool on);

// Loop trigger labels in export order: disarming delay, arming delay, violated, fault, fire 1,
// alarm (fire 2), disarmed. The HTML export has its own set, colons and all.
QStringList tailTriggerLabels();
QStringList tailTriggerHtmlLabels();

// Panel-event labels in export order: case opening, ОП, РП, ЗО, СО faults, notification off,
// external block opening, external block failure.
QStringList panelTriggerLabels();

// A БКВ-А output's label with the output number 1..4.
QString bkvOutputLabel(int output);

// Power-block labels in export order: ОП fault, РП fault, channel 1 fault, channel 2 fault.
QStringList bpTriggerLabels();

} // namespace olma::config::programm::texts
