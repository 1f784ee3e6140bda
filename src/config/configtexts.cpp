#include "config/configtexts.h"

#include "common/text.h"

#include <array>

namespace olma::config::texts {
namespace {

struct BlockKindTexts
{
    const char* name;
    const char* fullName;
    const char* xmlTag;
};

// Indexed by block kind.
constexpr std::array<BlockKindTexts, 7> kBlockKinds = {{
    {QT_TRANSLATE_NOOP("Configuration", "Ольма-КВ"), QT_TRANSLATE_NOOP("Configuration", "Клавиатура выносная"),
     "outer_block_kv"},
    {QT_TRANSLATE_NOOP("Configuration", "БВИ-А"), QT_TRANSLATE_NOOP("Configuration", "Блок Выносной Индикации"),
     "outer_block_bvi"},
    {QT_TRANSLATE_NOOP("Configuration", "БРВ-А"), QT_TRANSLATE_NOOP("Configuration", "Блок Релейных Выходов"),
     "outer_block_brv"},
    {QT_TRANSLATE_NOOP("Configuration", "УПС-А(Ех)"),
     QT_TRANSLATE_NOOP("Configuration", "Устройство Постановки Снятия"), "outer_block_ups"},
    {QT_TRANSLATE_NOOP("Configuration", "БКВ-А"), QT_TRANSLATE_NOOP("Configuration", "Блок Контролируемых Выходов"),
     "outer_block_bkv"},
    {QT_TRANSLATE_NOOP("Configuration", "БП-А"), QT_TRANSLATE_NOOP("Configuration", "Блок Питания"), "outer_block_bp"},
    {QT_TRANSLATE_NOOP("Configuration", "ИП"),
     QT_TRANSLATE_NOOP("Configuration", "Контролируемые Выходы Оповещения и Питания"), "outer_block_ip"},
}};

struct TailTypeTexts
{
    const char* editor;
    const char* exported;
};

// Indexed by loop type code.
constexpr std::array<TailTypeTexts, 8> kTailTypes = {{
    {QT_TRANSLATE_NOOP("Configuration", "Охранный"), "охранный"},
    {QT_TRANSLATE_NOOP("Configuration", "Круглосуточный"), "круглосуточный"},
    {QT_TRANSLATE_NOOP("Configuration", "Вход-Выход"), "вход-выход"},
    {QT_TRANSLATE_NOOP("Configuration", "Проходной"), "проходной"},
    {QT_TRANSLATE_NOOP("Configuration", "Пожарный"), "пожарный"},
    {QT_TRANSLATE_NOOP("Configuration", "Технологический"), "технологический"},
    {QT_TRANSLATE_NOOP("Configuration", "Пожарный (тепловой)"), "пожарный (тепловой)"},
    {QT_TRANSLATE_NOOP("Configuration", "Пользовательский"), ""},
}};

template <typename Table> const typename Table::value_type* entry(const Table& table, int index)
{
    return index >= 0 && index < int(table.size()) ? &table[size_t(index)] : nullptr;
}

} // namespace

olma::Text paramsPageTitle()
{
    return OLMA_TEXT("Configuration", "Параметры");
}

olma::Text contentPageTitle()
{
    return OLMA_TEXT("Configuration", "Состав");
}

olma::Text usersPageTitle()
{
    return OLMA_TEXT("Configuration", "Пользователи");
}

olma::Text tailsPageTitle()
{
    return OLMA_TEXT("Configuration", "Шлейфы сигнализации");
}

olma::Text programmsPageTitle()
{
    return OLMA_TEXT("Configuration", "Активация реле (выходов)");
}

olma::Text contentName()
{
    return OLMA_TEXT("Configuration", "Состав");
}

olma::Text usersName()
{
    return OLMA_TEXT("Configuration", "Пользователи");
}

olma::Text tailsName()
{
    return OLMA_TEXT("Configuration", "Шлейфы сигнализации");
}

olma::Text administratorName()
{
    return OLMA_TEXT("Configuration", "Администратор");
}

olma::Text userName()
{
    return OLMA_TEXT("Configuration", "Пользователь");
}

olma::Text tailName()
{
    return OLMA_TEXT("Configuration", "ШС");
}

olma::Text blockKindName(int kind)
{
    const auto* e = entry(kBlockKinds, kind);
    return e ? olma::Text("Configuration", e->name) : olma::Text();
}

QString blockKindFullName(int kind)
{
    const auto* e = entry(kBlockKinds, kind);
    return e ? olma::translate("Configuration", e->fullName) : QString();
}

QString blockKindXmlTag(int kind)
{
    const auto* e = entry(kBlockKinds, kind);
    return e ? QString::fromLatin1(e->xmlTag) : QString();
}

QString tailTypeName(int type)
{
    const auto* e = entry(kTailTypes, type);
    return e ? olma::translate("Configuration", e->editor) : QString();
}

QString tailTypeExportName(int type)
{
    const auto* e = entry(kTailTypes, type);
    return e ? QString::fromUtf8(e->exported) : QString();
}

QString readFileTitle()
{
    return OLMA_TEXT("Configuration", "Чтение конфигурации из файла");
}

QString writeFileTitle()
{
    return OLMA_TEXT("Configuration", "Запись конфигурации в файл");
}

QString binaryFileFilter()
{
    return OLMA_TEXT("Configuration", "Двоичный (*.bin)");
}

QString fileNotFound(const QString& fileName)
{
    return OLMA_TEXT("Configuration", "Файл конфигурации: \"%1\" не наден!").arg(fileName);
}

QString fileWrongSize(const QString& fileName)
{
    return OLMA_TEXT("Configuration", "Файл конфигурации: \"%1\" имеет неправильный размер!").arg(fileName);
}

QString descriptionNotRegular(const QString& fileName)
{
    return OLMA_TEXT("Configuration",
                     "Файл описаний \"%1\" не является обычным файлом и не прочитан: конфигурация загружена "
                     "без описаний.")
        .arg(fileName);
}

QString descriptionTooLarge(const QString& fileName, qint64 size)
{
    return OLMA_TEXT("Configuration",
                     "Файл описаний \"%1\" слишком велик (%2 байт, допустимо не более 4 МиБ) и не прочитан: "
                     "конфигурация загружена без описаний.")
        .arg(fileName)
        .arg(size);
}

QString descriptionUnreadable(const QString& fileName, const QString& reason)
{
    return OLMA_TEXT("Configuration", "Файл описаний \"%1\" не прочитан (%2): конфигурация загружена без описаний.")
        .arg(fileName, reason);
}

QString readSizeMismatch()
{
    return OLMA_TEXT("Configuration", "Размер счтаныых данных не совпадает с размером конфигурации!");
}

} // namespace olma::config::texts
