#include "device/releysstates.h"

#include "common/cp1251.h"
#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "device/statehtml.h"
#include "device/statetexts.h"

namespace olma::device {

namespace {

constexpr int kReleysOffset = 54;
constexpr int kReleyBits = 2;
// Both notifiers share byte 56: the flasher in bits 1..0, the sounder in bits 3..2.
constexpr int kNotifiersOffset = 56 - kReleysOffset;

struct GroupInfo
{
    int base; // bytes from the start of the relay states
    int count;
    olma::Text name;
    int perBlock;       // outputs per addressable block; 0 for the panel's own outputs
    olma::Text caption; // "%1-%2 ... %3" with name, block and output
};

constexpr GroupInfo kGroupInfo[ReleysStates::kGroups] = {
    {0, 8, OLMA_TEXT("PanelState", "ИП"), 0, {}},
    {kNotifiersOffset, 1, OLMA_TEXT("PanelState", "Световой оповещатель"), 0, {}},
    {kNotifiersOffset, 1, OLMA_TEXT("PanelState", "Звуковой оповещатель"), 0, {}},
    {4, 8, OLMA_TEXT("PanelState", "Встроенное реле"), 0, {}},
    {6, 32, OLMA_TEXT("PanelState", "БРВ-А"), 8, OLMA_TEXT("PanelState", "%1-%2 Реле %3")},
    {14, 32, OLMA_TEXT("PanelState", "БКВ-А"), 4, OLMA_TEXT("PanelState", "%1-%2 Выход %3")},
    {22, 32, OLMA_TEXT("PanelState", "БВИ-А"), 8, OLMA_TEXT("PanelState", "%1-%2 С/Д %3")},
};

QString caption(int group, int position)
{
    const GroupInfo& info = kGroupInfo[group];
    const QString name = QString(info.name);
    switch (group) {
    case ReleysStates::ControlledOutput:
        return name + QLatin1Char(' ') + QString::number(position);
    case ReleysStates::LightNotifier:
    case ReleysStates::SoundNotifier:
        return name;
    case ReleysStates::BuiltInRelay:
        // Latin K: the relays are marked K1..K8 on the board.
        return name + QStringLiteral(" K") + QString::number(position);
    default:
        // Rows are numbered by their place in the record, so a hidden row never shifts the
        // numbers of the outputs after it.
        return QString(info.caption)
            .arg(name)
            .arg((position - 1) / info.perBlock + 1)
            .arg((position - 1) % info.perBlock + 1);
    }
}

} // namespace

QWidget* ReleysStates::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

QByteArray ReleysStates::name() const
{
    return cp1251::encode(texts::kReleysTitle);
}

int ReleysStates::groupCount(int group) const
{
    if (group < 0 || group >= kGroups)
        return 0;
    // One controlled output per pair of loops.
    if (group == ControlledOutput)
        return loopCount(deviceType()) / 2;
    return kGroupInfo[group].count;
}

int ReleysStates::releyState(int group, int index) const
{
    if (group < 0 || group >= kGroups)
        return -1;
    const GroupInfo& info = kGroupInfo[group];
    if (group == LightNotifier || group == SoundNotifier) {
        const int notifier = group == LightNotifier ? 0 : 1;
        return packedField(kReleysOffset + info.base, notifier, kReleyBits, 2);
    }
    return packedField(kReleysOffset + info.base, index, kReleyBits, info.count);
}

QString ReleysStates::pageHtml() const
{
    return pageHtml(false);
}

bool ReleysStates::shown(int group, int position, bool onlyConnected) const
{
    // The block kinds of "Состав" whose outputs the groups list.
    constexpr int kIndicationBlocks = 1;
    constexpr int kRelayBlocks = 2;
    constexpr int kOutputBlocks = 4;
    if (!onlyConnected || !_connected)
        return true;
    const int perBlock = kGroupInfo[group].perBlock;
    const int block = perBlock > 0 ? (position - 1) / perBlock : 0;
    switch (group) {
    case RelayBlockRelay:
        return _connected(kRelayBlocks, block);
    case OutputBlockOutput:
        return _connected(kOutputBlocks, block);
    case IndicationOutput:
        return _connected(kIndicationBlocks, block);
    default:
        return true;
    }
}

QString ReleysStates::pageHtml(bool onlyConnected) const
{
    QString page = html::kPageBegin;
    for (int group = 0; group < kGroups; ++group) {
        page += html::tableBegin(QString(kGroupInfo[group].name), texts::kStateHeader, true);
        const int count = groupCount(group);
        for (int position = 1; position <= count; ++position) {
            if (!shown(group, position, onlyConnected))
                continue;
            if (const texts::StateText* text = texts::findState(texts::kRelayStates, releyState(group, position - 1)))
                page += html::stateRow(caption(group, position), text->colour, text->text);
        }
        page += html::kTableEnd + QLatin1Char('\n');
    }
    return page + html::kPageEnd;
}

} // namespace olma::device
