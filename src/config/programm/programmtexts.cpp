#include "config/programm/programmtexts.h"

#include "config/programm/programmrecord.h"

#include <array>

namespace olma::config::programm::texts {
namespace {

// Indexed by kind code; kind 0 does not occur.
constexpr std::array<const char*, 8> kKindNames = {
    "",
    "Встроенное реле",
    "Звуковой оповещатель (ЗО)",
    "Световой оповещатель (СО)",
    "Контролируемый выход (ИП)",
    "БРВ-А",
    "БКВ-А",
    "БВИ-А",
};

// "%1 %2 %3-%4": block kind, block number, output word, output number; both numbers from 1.
QString blockOutputTitle(int kind, unsigned number, unsigned blockSize, const char* outputWord)
{
    return QStringLiteral("%1 %2 %3-%4")
        .arg(kindName(kind))
        .arg(number / blockSize + 1)
        .arg(QString::fromUtf8(outputWord))
        .arg(number % blockSize + 1);
}

} // namespace

QString kindName(int kind)
{
    return kind >= 1 && kind < int(kKindNames.size()) ? QString::fromUtf8(kKindNames[size_t(kind)]) : QString();
}

QString programmTitle(unsigned index)
{
    const int kind = kindOf(index);
    const unsigned number = numberInKind(index);
    switch (kind) {
    case KindBuiltInRelay:
        return QStringLiteral("%1 - К%2").arg(kindName(kind)).arg(number + 1);
    case KindSound:
    case KindLight:
        return kindName(kind);
    case KindControlledOutput:
        return QStringLiteral("%1 - %2").arg(kindName(kind)).arg(number + 1);
    case KindBrv:
        return blockOutputTitle(kind, number, kBrvBlockSize, "Реле");
    case KindBkv:
        return blockOutputTitle(kind, number, kBkvBlockSize, "Выход");
    case KindBvi:
        return blockOutputTitle(kind, number, kBviBlockSize, "С/Д");
    }
    return QString();
}

QString paramsName()
{
    return QStringLiteral("Параметры");
}

QString descriptionName()
{
    return QStringLiteral("Описание");
}

QString tailStatesName()
{
    return QStringLiteral("Состояние ШС");
}

QString tailStateName()
{
    return QStringLiteral("Шлейф сигнализации");
}

QString pcStateName()
{
    return QStringLiteral("Состояние блоков");
}

QString kvoStateName()
{
    return QStringLiteral("Состояние ИП");
}

QString bkvStatesName()
{
    return QStringLiteral("Выходы БКВ-А");
}

QString bkvStateName()
{
    return QStringLiteral("Выход БКВ-А");
}

QString bpStatesName()
{
    return QStringLiteral("Цепи БП-А");
}

QString bpStateName()
{
    return QStringLiteral("Блок питания БП-А");
}

QString inactive()
{
    return QStringLiteral("Неактивно");
}

QString active()
{
    return QStringLiteral("Активно");
}

QString forbidden()
{
    return QStringLiteral("Запрет активации");
}

QString tacticLabel()
{
    return QStringLiteral("Тактика");
}

QString initStateLabel()
{
    return QStringLiteral("Начальное состояние");
}

QString workTimeLabel()
{
    return QStringLiteral("Время работы");
}

QString tacticWord(int tactic)
{
    switch (tactic) {
    case 0:
        return QStringLiteral("автомат");
    case 1:
        return QStringLiteral("лампа");
    }
    return QString();
}

QString initStateWord(bool on)
{
    return on ? QStringLiteral("включено") : QStringLiteral("выключено");
}

QStringList tailTriggerLabels()
{
    return {
        QStringLiteral("Задержка на снятие"),
        QStringLiteral("Задержка на взятие"),
        QStringLiteral("Нарушен"),
        QStringLiteral("Неисправен"),
        QStringLiteral("Пожар-1"),
        QStringLiteral("Тревога (Пожар-2)"),
        QStringLiteral("Снят"),
    };
}

QStringList tailTriggerHtmlLabels()
{
    return {
        QStringLiteral("Задержка на снятие:"),
        QStringLiteral("Задержка на взятие"),
        QStringLiteral("Нарушен"),
        QStringLiteral("Неисправен:"),
        QStringLiteral("Пожар-1:"),
        QStringLiteral("Тревога (Пожар-2):"),
        QStringLiteral("Снят:"),
    };
}

QStringList panelTriggerLabels()
{
    return {
        QStringLiteral("Вскрытие корпуса"),        QStringLiteral("Неисправность ОП"),
        QStringLiteral("Неисправность РП"),        QStringLiteral("Неисправность ЗО"),
        QStringLiteral("Неисправность СО"),        QStringLiteral("Отключение оповещения"),
        QStringLiteral("Вскрытие внешнего блока"), QStringLiteral("Авария внешнего блока"),
    };
}

QString bkvOutputLabel(int output)
{
    return QStringLiteral("Неисправность выхода - %1").arg(output);
}

QStringList bpTriggerLabels()
{
    return {
        QStringLiteral("Неисправность ОП"),
        QStringLiteral("Неисправность РП"),
        QStringLiteral("Неисправность канала 1"),
        QStringLiteral("Неисправность канала 2"),
    };
}

} // namespace olma::config::programm::texts
