#pragma once

#include <QString>

// The texts the configuration pages show besides their form labels: verdicts, hints, list rows,
// menu entries. Kept together so they can be compared at a glance.
namespace olma::config::pagetexts {

// Password verdicts, shared by the engineer password field and the user password editor.
inline const QString kPasswordAccepted = QStringLiteral("Пароль принят!");
inline const QString kPasswordBadLength = QStringLiteral("Недопустимая длина пароля!");
inline const QString kEngineerPasswordDigitsOnly = QStringLiteral("Пароль должен содержать только цифры!");
inline const QString kUserPasswordDigitsOnly = QStringLiteral("Пароль должен состоять только из цифр!");
inline const QString kPasswordsDiffer = QStringLiteral("Пароли не совпадают!");

// Shown when a message field refuses a character.
inline const QString kMessageHint =
    QStringLiteral("Сообщение может содержать\n только цифры, кириллические \n или служебные символы");

// List pages.
inline const QString kCopy = QStringLiteral("Копировать");
inline const QString kPaste = QStringLiteral("Вставить");
// "name - number", the row of a user or a loop.
inline const QString kNumberedRow = QStringLiteral("%1 - %2");

// Block table.
inline const QString kConnected = QStringLiteral("Подключено");

// Check boxes of the loop access group: "ШС-1", "ШС-2", ...
inline const QString kAccessGroupBase = QStringLiteral("ШС");

// Rows of the ИП and БКВ-А trigger groups: "Неисправность ИП - 1:", "Неисправность Выхода - 1:", ...
inline const QString kIpFaultRow = QStringLiteral("Неисправность ИП");
inline const QString kBkvOutputFaultRow = QStringLiteral("Неисправность Выхода");

} // namespace olma::config::pagetexts
