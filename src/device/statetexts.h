#pragma once

#include <QString>

// The texts of the device-state pages, kept together so they can be compared at a glance.
namespace olma::device::texts {

// Section titles, also the page buttons of the main window.
inline const QString kCommonTitle = QStringLiteral("Общие сведения");
inline const QString kFaultTitle = QStringLiteral("Неисправности");
inline const QString kTailsTitle = QStringLiteral("Состояние ШС");
inline const QString kZonesTitle = QStringLiteral("Состояние Зон");
inline const QString kAccessTitle = QStringLiteral("Доступ к прибору");
inline const QString kReleysTitle = QStringLiteral("Состояние реле (выходов)");

// Model names on the common page, by model index.
inline const QString kModel4 = QStringLiteral("Ольма-4Ех");
inline const QString kModel8 = QStringLiteral("Ольма-8Ех");
inline const QString kModel16 = QStringLiteral("Ольма-16Ех");

// Above every state page while the panel does not answer; %1 is the computer's time of the
// first poll that went unanswered.
inline const QString kStaleLine = QStringLiteral("Нет связи с прибором с %1 — показано последнее известное состояние");
inline const QString kStaleTimeFormat = QStringLiteral("HH:mm:ss");

// The second column of most state tables.
inline const QString kStateHeader = QStringLiteral("Состояние");

// One decoded value of a state field: its text and the cell colour.
struct StateText
{
    int value;
    const char16_t* text;
    const char16_t* colour;
};

struct StateTable
{
    const StateText* rows;
    int size;
};

// Values of alarm loops, zones, addressable blocks and relays. A value missing from its
// table (a loop or zone 15, a block or relay 3) is not shown at all.
extern const StateTable kTailStates;
extern const StateTable kZoneStates;
extern const StateTable kBlockStates;
extern const StateTable kRelayStates;

// The row of `value`, or null.
const StateText* findState(const StateTable& table, int value);

} // namespace olma::device::texts
