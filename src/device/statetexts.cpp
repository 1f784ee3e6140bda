#include "device/statetexts.h"

namespace olma::device::texts {

namespace {

constexpr StateText kTailRows[] = {
    {-1, OLMA_TEXT("PanelState", "Не определено"), u"gray"},
    {0, OLMA_TEXT("PanelState", "Норма"), u"green"},
    {1, OLMA_TEXT("PanelState", "Нарушение (Пожар-2)"), u"red"},
    {2, OLMA_TEXT("PanelState", "Пожар-1"), u"red"},
    {3, OLMA_TEXT("PanelState", "Короткое замыкание"), u"red"},
    {4, OLMA_TEXT("PanelState", "Обрыв"), u"red"},
    {5, OLMA_TEXT("PanelState", "Авария"), u"red"},
    {6, OLMA_TEXT("PanelState", "Пересброс питания"), u"yellow"},
    {7, OLMA_TEXT("PanelState", "Выключен"), u"grey"},
};

constexpr StateText kZoneRows[] = {
    {-1, OLMA_TEXT("PanelState", "Не определено"), u"gray"},
    {0, OLMA_TEXT("PanelState", "Снят (готов)"), u"green"},
    {1, OLMA_TEXT("PanelState", "Тревога"), u"red"},
    {10, OLMA_TEXT("PanelState", "Тихая тревога"), u"red"},
    {2, OLMA_TEXT("PanelState", "Пожар-2"), u"red"},
    {3, OLMA_TEXT("PanelState", "Пожар-1"), u"red"},
    {4, OLMA_TEXT("PanelState", "Короткое замыкание"), u"red"},
    {5, OLMA_TEXT("PanelState", "Обрыв"), u"red"},
    {6, OLMA_TEXT("PanelState", "Авария"), u"red"},
    {9, OLMA_TEXT("PanelState", "Неисправность"), u"red"},
    {7, OLMA_TEXT("PanelState", "Взят"), u"green"},
    {8, OLMA_TEXT("PanelState", "Снят (не готов)"), u"yellow"},
    {11, OLMA_TEXT("PanelState", "Отключение"), u"yellow"},
    {12, OLMA_TEXT("PanelState", "Порог-1"), u"red"},
    {13, OLMA_TEXT("PanelState", "Порог-2"), u"red"},
    {14, OLMA_TEXT("PanelState", "Неисправность питания"), u"yellow"},
};

constexpr StateText kBlockRows[] = {
    {-1, OLMA_TEXT("PanelState", "Неизвестно"), u"grey"},
    {0, OLMA_TEXT("PanelState", "Норма"), u"green"},
    {1, OLMA_TEXT("PanelState", "Авария"), u"red"},
    {2, OLMA_TEXT("PanelState", "Вскрытие"), u"yellow"},
};

constexpr StateText kRelayRows[] = {
    {-1, OLMA_TEXT("PanelState", "Неизвестно"), u"grey"},
    {0, OLMA_TEXT("PanelState", "Выключено"), u"green"},
    {1, OLMA_TEXT("PanelState", "Включено"), u"red"},
    {2, OLMA_TEXT("PanelState", "Переключается"), u"yellow"},
};

template <int N> constexpr StateTable table(const StateText (&rows)[N])
{
    return {rows, N};
}

} // namespace

const StateTable kTailStates = table(kTailRows);
const StateTable kZoneStates = table(kZoneRows);
const StateTable kBlockStates = table(kBlockRows);
const StateTable kRelayStates = table(kRelayRows);

const StateText* findState(const StateTable& table, int value)
{
    for (int i = 0; i < table.size; ++i) {
        if (table.rows[i].value == value)
            return &table.rows[i];
    }
    return nullptr;
}

} // namespace olma::device::texts
