#include "device/statetexts.h"

namespace olma::device::texts {

namespace {

constexpr StateText kTailRows[] = {
    {-1, u"Не определено", u"gray"},
    {0, u"Норма", u"green"},
    {1, u"Нарушение (Пожар-2)", u"red"},
    {2, u"Пожар-1", u"red"},
    {3, u"Короткое замыкание", u"red"},
    {4, u"Обрыв", u"red"},
    {5, u"Авария", u"red"},
    {6, u"Пересброс питания", u"yellow"},
    {7, u"Выключен", u"grey"},
};

constexpr StateText kZoneRows[] = {
    {-1, u"Не определено", u"gray"},
    {0, u"Снят (готов)", u"green"},
    {1, u"Тревога", u"red"},
    {10, u"Тихая тревога", u"red"},
    {2, u"Пожар-2", u"red"},
    {3, u"Пожар-1", u"red"},
    {4, u"Короткое замыкание", u"red"},
    {5, u"Обрыв", u"red"},
    {6, u"Авария", u"red"},
    {9, u"Неисправность", u"red"},
    {7, u"Взят", u"green"},
    {8, u"Снят (не готов)", u"yellow"},
    {11, u"Отключение", u"yellow"},
    {12, u"Порог-1", u"red"},
    {13, u"Порог-2", u"red"},
    {14, u"Неисправность питания", u"yellow"},
};

constexpr StateText kBlockRows[] = {
    {-1, u"Неизвестно", u"grey"},
    {0, u"Норма", u"green"},
    {1, u"Авария", u"red"},
    {2, u"Вскрытие", u"yellow"},
};

constexpr StateText kRelayRows[] = {
    {-1, u"Неизвестно", u"grey"},
    {0, u"Выключено", u"green"},
    {1, u"Включено", u"red"},
    {2, u"Переключается", u"yellow"},
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
