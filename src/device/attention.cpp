#include "device/attention.h"

#include "common/devicetype.h"
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
            lines.append(line(QStringLiteral("ШС %1").arg(i + 1), QString::fromUtf16(state->text), texts::kTailsTitle));
    }
    for (int i = 0; i < loops; ++i) {
        const texts::StateText* state = texts::findState(texts::kZoneStates, device.zonesState()->zoneState(i));
        if (needsAttention(state))
            lines.append(
                line(QStringLiteral("Зона %1").arg(i + 1), QString::fromUtf16(state->text), texts::kZonesTitle));
    }

    const FaultState* faults = device.faultState();
    static const char16_t* const kBoard[kCentralBoardBits] = {
        u"Вскрытие прибора",    u"ПШ1", u"ПШ2", u"ОП", u"РП", u"Оповещение", u"Звуковой оповещатель",
        u"Световой оповещатель"};
    for (int bit = 0; bit < kCentralBoardBits; ++bit) {
        if (faults->centralBoardFault(bit))
            lines.append(line(QString::fromUtf16(kBoard[bit]), QStringLiteral("неисправность"), texts::kFaultTitle));
    }
    for (int i = 0; i < loops / 2; ++i) {
        if (faults->powerSourceFault(i))
            lines.append(line(QStringLiteral("Искробезопасный источник питания %1").arg(i + 1),
                              QStringLiteral("неисправен"), texts::kFaultTitle));
    }
    for (int i = 0; i < kPowerBlocksListed; ++i) {
        if (faults->powerBlockFaults(i) != 0)
            lines.append(line(QStringLiteral("БП-А %1").arg(i + 1), QStringLiteral("неисправен"), texts::kFaultTitle));
    }
    for (int i = 0; i < kOutputsListed; ++i) {
        if (faults->outputFault(i))
            lines.append(line(QStringLiteral("БКВ-А %1 Выход %2")
                                  .arg(i / kOutputsPerBlockListed + 1)
                                  .arg(i % kOutputsPerBlockListed + 1),
                              QStringLiteral("неисправен"), texts::kFaultTitle));
    }
    static const char16_t* const kBlockNames[] = {u"Ольма-КВ", u"БВИ-А", u"БРВ-А", u"УПС-А(Ех)", u"БКВ-А", u"БП-А"};
    for (int type = 0; type < int(std::size(kBlockNames)); ++type) {
        for (int n = 0; n < FaultState::blockCount(type); ++n) {
            const texts::StateText* state = texts::findState(texts::kBlockStates, faults->blockState(type, n));
            if (needsAttention(state))
                lines.append(line(QString::fromUtf16(kBlockNames[type]) + QLatin1Char(' ') + QString::number(n + 1),
                                  QString::fromUtf16(state->text), texts::kFaultTitle));
        }
    }
    return lines;
}

} // namespace olma::device
