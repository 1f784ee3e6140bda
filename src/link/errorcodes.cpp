#include "link/errorcodes.h"

#include "common/text.h"

namespace olma::link {

QString errorText(int code)
{
    switch (code) {
    case kErrorUnknownCommand:
        return OLMA_TEXT("Link", "Неизвестная команда");
    case kErrorBadGroup:
        return OLMA_TEXT("Link", "Неверный номер группы");
    case kErrorBadBlock:
        return OLMA_TEXT("Link", "Неверный номер блока");
    case kErrorBadSize:
        return OLMA_TEXT("Link", "Неверный размер");
    case kErrorBootSector:
        return OLMA_TEXT("Link", "Попытка перезаписи загрузочного сектора");
    case kErrorAccessDenied:
        return OLMA_TEXT("Link", "Доступ к прибору запрещен");
    case kErrorSerial:
        return OLMA_TEXT("Link", "Ошибка последовательного порта");
    case kErrorBusy:
        return OLMA_TEXT("Link", "Устройство занято");
    default:
        return QString();
    }
}

QString portDeniedText(const QString& port)
{
    return OLMA_TEXT("Link", "Нет прав на порт %1: добавьте пользователя в группу dialout "
                             "(sudo usermod -aG dialout $USER) и войдите снова.")
        .arg(port);
}

QList<int> standardAcceptedCodes()
{
    return {kErrorUnknownCommand, kErrorBadGroup, kErrorBadBlock, kErrorBadSize,
            kErrorBootSector,     kErrorSerial,   kErrorBusy};
}

} // namespace olma::link
