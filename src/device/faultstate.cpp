#include "device/faultstate.h"

#include "common/cp1251.h"
#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "common/text.h"
#include "device/statehtml.h"
#include "device/statetexts.h"

namespace olma::device {

namespace {

constexpr int kBoardFaultOffset = 10;
constexpr int kPowerSourcesOffset = 11;
constexpr int kPowerBlocksOffset = 12;
constexpr int kPowerBlockBits = 4;
constexpr int kPowerBlocks = 4;
constexpr int kOutputsOffset = 14;
constexpr int kOutputs = 32;
constexpr int kOutputsPerBlock = 4;
constexpr int kBlockStatesOffset = 40;
constexpr int kBlockStateBits = 2;

struct BlockTypeInfo
{
    int base; // bytes from the start of the block states
    int count;
    olma::Text name;
};

constexpr BlockTypeInfo kBlockTypes[] = {
    {0, 4, OLMA_TEXT("PanelState", "Ольма-КВ")}, {9, 4, OLMA_TEXT("PanelState", "БВИ-А")},
    {8, 4, OLMA_TEXT("PanelState", "БРВ-А")},    {4, 16, OLMA_TEXT("PanelState", "УПС-А(Ех)")},
    {10, 8, OLMA_TEXT("PanelState", "БКВ-А")},   {12, 4, OLMA_TEXT("PanelState", "БП-А")},
};
constexpr int kBlockTypeCount = int(std::size(kBlockTypes));
// Keyboards first, then arming devices, relay, indication, output and power blocks.
constexpr int kBlockPageOrder[] = {0, 3, 2, 1, 4, 5};

struct FaultText
{
    olma::Text caption;
    olma::Text text;
};

constexpr FaultText kCentralBoardFaults[8] = {
    {OLMA_TEXT("PanelState", "Вскрытие: "), OLMA_TEXT("PanelState", "Вскрыт")},
    {OLMA_TEXT("PanelState", "ПШ1: "), OLMA_TEXT("PanelState", "Авария")},
    {OLMA_TEXT("PanelState", "ПШ2: "), OLMA_TEXT("PanelState", "Авария")},
    {OLMA_TEXT("PanelState", "ОП: "), OLMA_TEXT("PanelState", "Неисправно")},
    {OLMA_TEXT("PanelState", "РП: "), OLMA_TEXT("PanelState", "Неисправно")},
    {OLMA_TEXT("PanelState", "Оповещение: "), OLMA_TEXT("PanelState", "Отключено")},
    {OLMA_TEXT("PanelState", "Звуковой оповещатель: "), OLMA_TEXT("PanelState", "Неисправно")},
    {OLMA_TEXT("PanelState", "Световой оповещатель: "), OLMA_TEXT("PanelState", "Неисправно")},
};

constexpr olma::Text kPowerBlockFaultCaptions[kPowerBlockBits] = {
    OLMA_TEXT("PanelState", "ОП: "), OLMA_TEXT("PanelState", "РП: "), OLMA_TEXT("PanelState", "Канал 1: "),
    OLMA_TEXT("PanelState", "Канал 2: ")};

constexpr char16_t kFaultColour[] = u"red";

QString faultRow(const QString& caption, const QString& text)
{
    return html::stateRow(caption, kFaultColour, text) + QLatin1Char('\n');
}

} // namespace

QWidget* FaultState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

QByteArray FaultState::name() const
{
    return cp1251::encode(texts::kFaultTitle);
}

bool FaultState::bit(int offset, int index) const
{
    const int byte = recordByte(offset + index / 8);
    return byte > 0 && ((byte >> (index % 8)) & 1) != 0;
}

bool FaultState::centralBoardFault(int bit) const
{
    return bit >= 0 && bit < 8 && this->bit(kBoardFaultOffset, bit);
}

bool FaultState::powerSourceFault(int index) const
{
    return index >= 0 && index < 8 && bit(kPowerSourcesOffset, index);
}

int FaultState::powerBlockFaults(int index) const
{
    return qMax(0, packedField(kPowerBlocksOffset, index, kPowerBlockBits, kPowerBlocks));
}

bool FaultState::outputFault(int index) const
{
    return index >= 0 && index < kOutputs && bit(kOutputsOffset, index);
}

int FaultState::blockCount(int type)
{
    return type >= 0 && type < kBlockTypeCount ? kBlockTypes[type].count : 0;
}

int FaultState::blockState(int type, int number) const
{
    if (type < 0 || type >= kBlockTypeCount)
        return -1;
    const BlockTypeInfo& info = kBlockTypes[type];
    return packedField(kBlockStatesOffset + info.base, number, kBlockStateBits, info.count);
}

QString FaultState::pageHtml() const
{
    QString page = html::kPageBegin;

    if (recordByte(kBoardFaultOffset) > 0) {
        page += html::tableBegin(OLMA_TEXT("PanelState", "Плата центральная"), texts::kStateHeader);
        for (int b = 0; b < 8; ++b) {
            if (centralBoardFault(b))
                page += faultRow(QString(kCentralBoardFaults[b].caption), kCentralBoardFaults[b].text);
        }
        page += html::kTableEnd;
    }

    // Only the sources the model has: one per pair of loops.
    const int sources = loopCount(deviceType()) / 2;
    bool anySource = false;
    for (int i = 0; i < sources; ++i)
        anySource = anySource || powerSourceFault(i);
    if (anySource) {
        const QString caption = OLMA_TEXT("PanelState", "Искробезопасный источник питания");
        page += html::tableBegin(caption, texts::kStateHeader);
        for (int i = 0; i < sources; ++i) {
            if (powerSourceFault(i))
                page += faultRow(caption + QStringLiteral(" %1: ").arg(i + 1), OLMA_TEXT("PanelState", "Неисправен"));
        }
        page += html::kTableEnd;
    }

    for (int unit = 0; unit < kPowerBlocks; ++unit) {
        const int faults = powerBlockFaults(unit);
        if (faults == 0)
            continue;
        page += html::tableBegin(OLMA_TEXT("PanelState", "БП-А %1").arg(unit + 1), texts::kStateHeader);
        for (int b = 0; b < kPowerBlockBits; ++b) {
            if (faults & (1 << b))
                page += faultRow(QString(kPowerBlockFaultCaptions[b]), OLMA_TEXT("PanelState", "Неисправен"));
        }
        page += html::kTableEnd;
    }

    bool anyOutput = false;
    for (int i = 0; i < kOutputs; ++i)
        anyOutput = anyOutput || outputFault(i);
    if (anyOutput) {
        page += html::tableBegin(OLMA_TEXT("PanelState", "Выходы БКВ-А"), texts::kStateHeader);
        for (int i = 0; i < kOutputs; ++i) {
            if (outputFault(i)) {
                page += faultRow(OLMA_TEXT("PanelState", "БКВ-А %1 Выход %2: ")
                                     .arg(i / kOutputsPerBlock + 1)
                                     .arg(i % kOutputsPerBlock + 1),
                                 OLMA_TEXT("PanelState", "Неисправно"));
            }
        }
        page += html::kTableEnd;
    }

    // A type gets its table when any of its blocks is not in order (before the first record
    // every block is unknown); a value outside the table gets no row.
    for (int type : kBlockPageOrder) {
        const BlockTypeInfo& info = kBlockTypes[type];
        bool anyNotNormal = false;
        for (int n = 0; n < info.count; ++n)
            anyNotNormal = anyNotNormal || blockState(type, n) != 0;
        if (!anyNotNormal)
            continue;
        const QString name = QString(info.name);
        page += html::tableBegin(name, texts::kStateHeader, true);
        for (int n = 0; n < info.count; ++n) {
            const int state = blockState(type, n);
            if (state == 0)
                continue;
            if (const texts::StateText* text = texts::findState(texts::kBlockStates, state))
                page += html::stateRow(name + QLatin1Char(' ') + QString::number(n + 1), text->colour, text->text);
        }
        page += html::kTableEnd + QLatin1Char('\n');
    }

    return page + html::kPageEnd;
}

} // namespace olma::device
