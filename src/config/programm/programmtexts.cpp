#include "config/programm/programmtexts.h"

#include "common/text.h"
#include "config/programm/programmrecord.h"

#include <array>

namespace olma::config::programm::texts {
namespace {

// Indexed by kind code; kind 0 does not occur.
constexpr std::array<const char*, 8> kKindNames = {
    "",
    QT_TRANSLATE_NOOP("Programs", "Встроенное реле"),
    QT_TRANSLATE_NOOP("Programs", "Звуковой оповещатель (ЗО)"),
    QT_TRANSLATE_NOOP("Programs", "Световой оповещатель (СО)"),
    QT_TRANSLATE_NOOP("Programs", "Контролируемый выход (ИП)"),
    QT_TRANSLATE_NOOP("Programs", "БРВ-А"),
    QT_TRANSLATE_NOOP("Programs", "БКВ-А"),
    QT_TRANSLATE_NOOP("Programs", "БВИ-А"),
};

// "%1 %2 %3-%4": block kind, block number, output word, output number; both numbers from 1.
QString blockOutputTitle(int kind, unsigned number, unsigned blockSize, const char* outputWord)
{
    return QStringLiteral("%1 %2 %3-%4")
        .arg(kindName(kind))
        .arg(number / blockSize + 1)
        .arg(olma::translate("Programs", outputWord))
        .arg(number % blockSize + 1);
}

} // namespace

olma::Text kindName(int kind)
{
    return kind >= 1 && kind < int(kKindNames.size()) ? olma::Text("Programs", kKindNames[size_t(kind)]) : olma::Text();
}

QString programmTitle(unsigned index)
{
    const int kind = kindOf(index);
    const unsigned number = numberInKind(index);
    switch (kind) {
    case KindBuiltInRelay:
        return OLMA_TEXT("Programs", "%1 - К%2").arg(kindName(kind)).arg(number + 1);
    case KindSound:
    case KindLight:
        return kindName(kind);
    case KindControlledOutput:
        return QStringLiteral("%1 - %2").arg(kindName(kind)).arg(number + 1);
    case KindBrv:
        return blockOutputTitle(kind, number, kBrvBlockSize, QT_TRANSLATE_NOOP("Programs", "Реле"));
    case KindBkv:
        return blockOutputTitle(kind, number, kBkvBlockSize, QT_TRANSLATE_NOOP("Programs", "Выход"));
    case KindBvi:
        return blockOutputTitle(kind, number, kBviBlockSize, QT_TRANSLATE_NOOP("Programs", "С/Д"));
    }
    return QString();
}

olma::Text paramsName()
{
    return OLMA_TEXT("Programs", "Параметры");
}

olma::Text descriptionName()
{
    return OLMA_TEXT("Programs", "Описание");
}

olma::Text tailStatesName()
{
    return OLMA_TEXT("Programs", "Состояние ШС");
}

olma::Text tailStateName()
{
    return OLMA_TEXT("Programs", "Шлейф сигнализации");
}

olma::Text pcStateName()
{
    return OLMA_TEXT("Programs", "Состояние блоков");
}

olma::Text kvoStateName()
{
    return OLMA_TEXT("Programs", "Состояние ИП");
}

olma::Text bkvStatesName()
{
    return OLMA_TEXT("Programs", "Выходы БКВ-А");
}

olma::Text bkvStateName()
{
    return OLMA_TEXT("Programs", "Выход БКВ-А");
}

olma::Text bpStatesName()
{
    return OLMA_TEXT("Programs", "Цепи БП-А");
}

olma::Text bpStateName()
{
    return OLMA_TEXT("Programs", "Блок питания БП-А");
}

QString inactive()
{
    return OLMA_TEXT("Programs", "Неактивно");
}

QString active()
{
    return OLMA_TEXT("Programs", "Активно");
}

QString forbidden()
{
    return OLMA_TEXT("Programs", "Запрет активации");
}

QString tacticLabel()
{
    return OLMA_TEXT("Programs", "Тактика");
}

QString initStateLabel()
{
    return OLMA_TEXT("Programs", "Начальное состояние");
}

QString workTimeLabel()
{
    return OLMA_TEXT("Programs", "Время работы");
}

QString tacticWord(int tactic)
{
    switch (tactic) {
    case 0:
        return OLMA_TEXT("Programs", "автомат");
    case 1:
        return OLMA_TEXT("Programs", "лампа");
    }
    return QString();
}

QString initStateWord(bool on)
{
    return on ? OLMA_TEXT("Programs", "включено") : OLMA_TEXT("Programs", "выключено");
}

QStringList tailTriggerLabels()
{
    return {
        OLMA_TEXT("Programs", "Задержка на снятие"),
        OLMA_TEXT("Programs", "Задержка на взятие"),
        OLMA_TEXT("Programs", "Нарушен"),
        OLMA_TEXT("Programs", "Неисправен"),
        OLMA_TEXT("Programs", "Пожар-1"),
        OLMA_TEXT("Programs", "Тревога (Пожар-2)"),
        OLMA_TEXT("Programs", "Снят"),
    };
}

QStringList tailTriggerHtmlLabels()
{
    return {
        OLMA_TEXT("Programs", "Задержка на снятие:"),
        OLMA_TEXT("Programs", "Задержка на взятие"),
        OLMA_TEXT("Programs", "Нарушен"),
        OLMA_TEXT("Programs", "Неисправен:"),
        OLMA_TEXT("Programs", "Пожар-1:"),
        OLMA_TEXT("Programs", "Тревога (Пожар-2):"),
        OLMA_TEXT("Programs", "Снят:"),
    };
}

QStringList panelTriggerLabels()
{
    return {
        OLMA_TEXT("Programs", "Вскрытие корпуса"),        OLMA_TEXT("Programs", "Неисправность ОП"),
        OLMA_TEXT("Programs", "Неисправность РП"),        OLMA_TEXT("Programs", "Неисправность ЗО"),
        OLMA_TEXT("Programs", "Неисправность СО"),        OLMA_TEXT("Programs", "Отключение оповещения"),
        OLMA_TEXT("Programs", "Вскрытие внешнего блока"), OLMA_TEXT("Programs", "Авария внешнего блока"),
    };
}

QString bkvOutputLabel(int output)
{
    return OLMA_TEXT("Programs", "Неисправность выхода - %1").arg(output);
}

QStringList bpTriggerLabels()
{
    return {
        OLMA_TEXT("Programs", "Неисправность ОП"),
        OLMA_TEXT("Programs", "Неисправность РП"),
        OLMA_TEXT("Programs", "Неисправность канала 1"),
        OLMA_TEXT("Programs", "Неисправность канала 2"),
    };
}

} // namespace olma::config::programm::texts
