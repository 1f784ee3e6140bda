#include "link/errorcodes.h"

namespace olma::link {

QString errorText(int code)
{
    switch (code) {
    case kErrorUnknownCommand:
        return QStringLiteral("Неизвестная команда");
    case kErrorBadGroup:
        return QStringLiteral("Неверный номер группы");
    case kErrorBadBlock:
        return QStringLiteral("Неверный номер блока");
    case kErrorBadSize:
        return QStringLiteral("Неверный размер");
    case kErrorBootSector:
        return QStringLiteral("Попытка перезаписи загрузочного сектора");
    case kErrorAccessDenied:
        return QStringLiteral("Доступ к прибору запрещен");
    case kErrorSerial:
        return QStringLiteral("Ошибка последовательного порта");
    case kErrorBusy:
        return QStringLiteral("Устройство занято");
    default:
        return QString();
    }
}

QString portDeniedText(const QString& port)
{
    return QStringLiteral("Нет прав на порт %1: добавьте пользователя в группу dialout "
                          "(sudo usermod -aG dialout $USER) и войдите снова.")
        .arg(port);
}

QList<int> standardAcceptedCodes()
{
    return {kErrorUnknownCommand, kErrorBadGroup, kErrorBadBlock, kErrorBadSize,
            kErrorBootSector,     kErrorSerial,   kErrorBusy};
}

} // namespace olma::link
