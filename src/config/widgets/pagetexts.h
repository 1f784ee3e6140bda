#pragma once

#include "common/text.h"

#include <QString>

// The texts the configuration pages show besides their form labels: verdicts, hints, list rows,
// menu entries. Kept together so they can be compared at a glance.
namespace olma::config::pagetexts {

// Password verdicts, shared by the engineer password field and the user password editor.
inline constexpr olma::Text kPasswordAccepted = OLMA_TEXT("ConfigurationPages", "Пароль принят!");
inline constexpr olma::Text kPasswordBadLength = OLMA_TEXT("ConfigurationPages", "Недопустимая длина пароля!");
inline constexpr olma::Text kEngineerPasswordDigitsOnly =
    OLMA_TEXT("ConfigurationPages", "Пароль должен содержать только цифры!");
inline constexpr olma::Text kUserPasswordDigitsOnly =
    OLMA_TEXT("ConfigurationPages", "Пароль должен состоять только из цифр!");
inline constexpr olma::Text kPasswordsDiffer = OLMA_TEXT("ConfigurationPages", "Пароли не совпадают!");

// Shown when a message field refuses a character.
inline constexpr olma::Text kMessageHint =
    OLMA_TEXT("ConfigurationPages", "Сообщение может содержать\n только цифры, кириллические \n или служебные символы");

// List pages.
inline constexpr olma::Text kCopy = OLMA_TEXT("ConfigurationPages", "Копировать");
inline constexpr olma::Text kPaste = OLMA_TEXT("ConfigurationPages", "Вставить");
// "name - number", the row of a user or a loop.
inline const QString kNumberedRow = QStringLiteral("%1 - %2");

// Block table.
inline constexpr olma::Text kConnected = OLMA_TEXT("ConfigurationPages", "Подключено");

// Check boxes of the loop access group: "ШС-1", "ШС-2", ...
inline constexpr olma::Text kAccessGroupBase = OLMA_TEXT("ConfigurationPages", "ШС");

// Rows of the ИП and БКВ-А trigger groups: "Неисправность ИП - 1:", "Неисправность Выхода - 1:", ...
inline constexpr olma::Text kIpFaultRow = OLMA_TEXT("ConfigurationPages", "Неисправность ИП");
inline constexpr olma::Text kBkvOutputFaultRow = OLMA_TEXT("ConfigurationPages", "Неисправность Выхода");

} // namespace olma::config::pagetexts
