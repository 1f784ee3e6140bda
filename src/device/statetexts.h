#pragma once

#include "common/text.h"

#include <QString>

// The texts of the device-state pages, kept together so they can be compared at a glance.
namespace olma::device::texts {

// Section titles, also the page buttons of the main window.
inline constexpr olma::Text kCommonTitle = OLMA_TEXT("PanelState", "Общие сведения");
inline constexpr olma::Text kFaultTitle = OLMA_TEXT("PanelState", "Неисправности");
inline constexpr olma::Text kTailsTitle = OLMA_TEXT("PanelState", "Состояние ШС");
inline constexpr olma::Text kZonesTitle = OLMA_TEXT("PanelState", "Состояние Зон");
inline constexpr olma::Text kAccessTitle = OLMA_TEXT("PanelState", "Доступ к прибору");
inline constexpr olma::Text kReleysTitle = OLMA_TEXT("PanelState", "Состояние реле (выходов)");

// Model names on the common page, by model index.
inline constexpr olma::Text kModel4 = OLMA_TEXT("PanelState", "Ольма-4Ех");
inline constexpr olma::Text kModel8 = OLMA_TEXT("PanelState", "Ольма-8Ех");
inline constexpr olma::Text kModel16 = OLMA_TEXT("PanelState", "Ольма-16Ех");

// Above every state page while the panel does not answer; %1 is the computer's time of the
// first poll that went unanswered.
inline constexpr olma::Text kStaleLine =
    OLMA_TEXT("PanelState", "Нет связи с прибором с %1 — показано последнее известное состояние");
inline const QString kStaleTimeFormat = QStringLiteral("HH:mm:ss");

// The second column of most state tables.
inline constexpr olma::Text kStateHeader = OLMA_TEXT("PanelState", "Состояние");

// One decoded value of a state field: its text and the cell colour.
struct StateText
{
    int value;
    olma::Text text;
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
