#include "device/attention.h"

#include "common/devicetype.h"
#include "common/text.h"
#include "device/device.h"
#include "device/faultstate.h"
#include "device/statetexts.h"
#include "device/tailsstate.h"
#include "device/zonesstate.h"

namespace olma::device {
namespace {

// Green is in order and grey unknown or switched off; red and yellow ask for a look.
bool needsAttention(const texts::StateText* state)
{
    return state && (QStringView(state->colour) == u"red" || QStringView(state->colour) == u"yellow");
}

QString line(const QString& what, const QString& state, const QString& page)
{
    return QStringLiteral("%1: %2 — «%3»").arg(what, state, page);
}

constexpr int kCentralBoardBits = 8;
constexpr int kPowerBlocksListed = 4;
constexpr int kOutputsListed = 32;
constexpr int kOutputsPerBlockListed = 4;

} // namespace

QStringList attentionLines(const Device& device)
{
    QStringList lines;
    const int loops = loopCount(device.deviceType());
    for (int i = 0; i < loops; ++i) {
        const texts::StateText* state = texts::findState(texts::kTailStates, device.tailsState()->tailState(i));
        if (needsAttention(state))
            lines.append(line(OLMA_TEXT("PanelState", "ШС %1").arg(i + 1), QString(state->text), texts::kTailsTitle));
    }
    for (int i = 0; i < loops; ++i) {
        const texts::StateText* state = texts::findState(texts::kZoneStates, device.zonesState()->zoneState(i));
        if (needsAttention(state))
            lines.append(line(OLMA_TEXT("PanelState", "Зона %1").arg(i + 1), QString(state->text), texts::kZonesTitle));
    }

    const FaultState* faults = device.faultState();
    static constexpr olma::Text kBoard[kCentralBoardBits] = {OLMA_TEXT("PanelState", "Вскрытие прибора"),
                                                             OLMA_TEXT("PanelState", "ПШ1"),
                                                             OLMA_TEXT("PanelState", "ПШ2"),
                                                             OLMA_TEXT("PanelState", "ОП"),
                                                             OLMA_TEXT("PanelState", "РП"),
                                                             OLMA_TEXT("PanelState", "Оповещение"),
                                                             OLMA_TEXT("PanelState", "Звуковой оповещатель"),
                                                             OLMA_TEXT("PanelState", "Световой оповещатель")};
    for (int bit = 0; bit < kCentralBoardBits; ++bit) {
        if (faults->centralBoardFault(bit))
            lines.append(line(QString(kBoard[bit]), OLMA_TEXT("PanelState", "неисправность"), texts::kFaultTitle));
    }
    for (int i = 0; i < loops / 2; ++i) {
        if (faults->powerSourceFault(i))
            lines.append(line(OLMA_TEXT("PanelState", "Искробезопасный источник питания %1").arg(i + 1),
                              OLMA_TEXT("PanelState", "неисправен"), texts::kFaultTitle));
    }
    for (int i = 0; i < kPowerBlocksListed; ++i) {
        if (faults->powerBlockFaults(i) != 0)
            lines.append(line(OLMA_TEXT("PanelState", "БП-А %1").arg(i + 1), OLMA_TEXT("PanelState", "неисправен"),
                              texts::kFaultTitle));
    }
    for (int i = 0; i < kOutputsListed; ++i) {
        if (faults->outputFault(i))
            lines.append(line(OLMA_TEXT("PanelState", "БКВ-А %1 Выход %2")
                                  .arg(i / kOutputsPerBlockListed + 1)
                                  .arg(i % kOutputsPerBlockListed + 1),
                              OLMA_TEXT("PanelState", "неисправен"), texts::kFaultTitle));
    }
    static constexpr olma::Text kBlockNames[] = {
        OLMA_TEXT("PanelState", "Ольма-КВ"),  OLMA_TEXT("PanelState", "БВИ-А"), OLMA_TEXT("PanelState", "БРВ-А"),
        OLMA_TEXT("PanelState", "УПС-А(Ех)"), OLMA_TEXT("PanelState", "БКВ-А"), OLMA_TEXT("PanelState", "БП-А")};
    for (int type = 0; type < int(std::size(kBlockNames)); ++type) {
        for (int n = 0; n < FaultState::blockCount(type); ++n) {
            const texts::StateText* state = texts::findState(texts::kBlockStates, faults->blockState(type, n));
            if (needsAttention(state))
                lines.append(line(QString(kBlockNames[type]) + QLatin1Char(' ') + QString::number(n + 1),
                                  QString(state->text), texts::kFaultTitle));
        }
    }
    return lines;
}

} // namespace olma::device
