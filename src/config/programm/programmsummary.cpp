#include "config/programm/programmsummary.h"

#include "common/text.h"
#include "config/programm/bkvstate.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstate.h"
#include "config/programm/bpstates.h"
#include "config/programm/kvostate.h"
#include "config/programm/pcstate.h"
#include "config/programm/programm.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmtexts.h"
#include "config/programm/tailstate.h"
#include "config/programm/tailstates.h"
#include "config/programm/trigger.h"

#include <QStringList>

#include <vector>

namespace olma::config::programm {
namespace {

const QString kRange = QStringLiteral("%1–%2");
const QString kPart = QStringLiteral("%1 %2: %3");

QStringList loopTriggers(const TailState& loop)
{
    const QStringList labels = texts::tailTriggerLabels();
    const quint16 values[] = {loop.guardOffDelay(), loop.guardOnDelay(), loop.broken(), loop.fault(),
                              loop.fire1(),         loop.alarm(),        loop.takeOff()};
    QStringList active;
    for (int i = 0; i < labels.size(); ++i) {
        if (values[i] == TriggerActive)
            active.append(labels.at(i));
    }
    return active;
}

// Consecutive items with the same active triggers in one part: "ШС 1–3: Пожар-1".
void appendRuns(QStringList& parts, const QString& name, const QList<QStringList>& items)
{
    for (int i = 0; i < items.size();) {
        int j = i;
        while (j + 1 < items.size() && items.at(j + 1) == items.at(i))
            ++j;
        if (!items.at(i).isEmpty()) {
            const QString numbers = i == j ? QString::number(i + 1) : kRange.arg(i + 1).arg(j + 1);
            parts.append(kPart.arg(name, numbers, items.at(i).join(QStringLiteral(", "))));
        }
        i = j + 1;
    }
}

} // namespace

QString activeTriggers(const Programm& programm)
{
    QStringList parts;
    QList<QStringList> loops;
    for (int i = 0; i < programm.tailStates()->count(); ++i)
        loops.append(loopTriggers(*programm.tailStates()->tailState(i)));
    appendRuns(parts, OLMA_TEXT("Programs", "ШС"), loops);

    const PCState* panel = programm.pcState();
    const quint16 panelValues[] = {panel->corpseOpen(),      panel->opFault(),         panel->rpFault(),
                                   panel->zoFault(),         panel->soFault(),         panel->noticeOff(),
                                   panel->extBlockOpening(), panel->extBlockAccident()};
    QStringList panelActive;
    const QStringList panelLabels = texts::panelTriggerLabels();
    for (int i = 0; i < panelLabels.size(); ++i) {
        if (panelValues[i] == TriggerActive)
            panelActive.append(panelLabels.at(i));
    }
    if (!panelActive.isEmpty())
        parts.append(OLMA_TEXT("Programs", "Прибор: ") + panelActive.join(QStringLiteral(", ")));

    QList<QStringList> ip;
    for (int i = 0; i < programm.kvoState()->count(); ++i)
        ip.append(programm.kvoState()->state(i) == TriggerActive ? QStringList{OLMA_TEXT("Programs", "неисправность")}
                                                                 : QStringList());
    appendRuns(parts, OLMA_TEXT("Programs", "ИП"), ip);

    QList<QStringList> bkv;
    for (int b = 0; b < programm.bkvStates()->count(); ++b) {
        QStringList outputs;
        for (int o = 0; o < kBkvOutputs; ++o) {
            if (programm.bkvStates()->bkvState(b)->state(o) == TriggerActive)
                outputs.append(OLMA_TEXT("Programs", "вых. %1").arg(o + 1));
        }
        bkv.append(outputs);
    }
    appendRuns(parts, OLMA_TEXT("Programs", "БКВ-А"), bkv);

    QList<QStringList> bp;
    for (int b = 0; b < programm.bpStates()->count(); ++b) {
        const BPState* block = programm.bpStates()->bpState(b);
        QStringList active;
        const std::pair<quint16, const char*> values[] = {{block->op(), QT_TRANSLATE_NOOP("Programs", "ОП")},
                                                          {block->rp(), QT_TRANSLATE_NOOP("Programs", "РП")},
                                                          {block->ch1(), QT_TRANSLATE_NOOP("Programs", "К1")},
                                                          {block->ch2(), QT_TRANSLATE_NOOP("Programs", "К2")}};
        for (const auto& [value, label] : values) {
            if (value == TriggerActive)
                active.append(olma::translate("Programs", label));
        }
        bp.append(active);
    }
    appendRuns(parts, OLMA_TEXT("Programs", "БП-А"), bp);
    return parts.join(QStringLiteral("; "));
}

std::array<unsigned char, kProgrammRecordSize> triggerBits(int deviceType)
{
    constexpr unsigned kSlot = 0;
    std::vector<unsigned char> scratch(kImageSize, 0xFF);
    unsigned char* image = scratch.data();
    TailStates(image, deviceType, kSlot).setDefault();
    PCState(image, deviceType, kSlot).setDefault();
    KVOState(image, deviceType, kSlot).setDefault();
    BKVStates(image, deviceType, kSlot).setDefault();
    BPStates(image, deviceType, kSlot).setDefault();
    std::array<unsigned char, kProgrammRecordSize> bits{};
    const unsigned char* record = recordOf(image, kSlot);
    for (int i = 0; i < kProgrammRecordSize; ++i)
        bits[size_t(i)] = static_cast<unsigned char>(~record[i]);
    return bits;
}

bool anyTriggerSet(const Programm& programm)
{
    static const std::array<std::array<unsigned char, kProgrammRecordSize>, 3> bits = {triggerBits(0), triggerBits(1),
                                                                                       triggerBits(2)};
    const unsigned char* record = programm.record();
    const int model = programm.deviceType();
    if (!record || model < 0 || model > 2)
        return false;
    for (int i = kRecordTails; i < kProgrammRecordSize; ++i) {
        if (record[i] & bits[size_t(model)][size_t(i)])
            return true;
    }
    return false;
}

} // namespace olma::config::programm
