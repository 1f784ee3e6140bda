#include "config/configtexts.h"

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
    {"Ольма-КВ", "Клавиатура выносная", "outer_block_kv"},
    {"БВИ-А", "Блок Выносной Индикации", "outer_block_bvi"},
    {"БРВ-А", "Блок Релейных Выходов", "outer_block_brv"},
    {"УПС-А(Ех)", "Устройство Постановки Снятия", "outer_block_ups"},
    {"БКВ-А", "Блок Контролируемых Выходов", "outer_block_bkv"},
    {"БП-А", "Блок Питания", "outer_block_bp"},
    {"ИП", "Контролируемые Выходы Оповещения и Питания", "outer_block_ip"},
}};

struct TailTypeTexts
{
    const char* editor;
    const char* exported;
};

// Indexed by loop type code.
constexpr std::array<TailTypeTexts, 8> kTailTypes = {{
    {"Охранный", "охранный"},
    {"Круглосуточный", "круглосуточный"},
    {"Вход-Выход", "вход-выход"},
    {"Проходной", "проходной"},
    {"Пожарный", "пожарный"},
    {"Технологический", "технологический"},
    {"Пожарный (тепловой)", "пожарный (тепловой)"},
    {"Пользовательский", ""},
}};

template <typename Table> const typename Table::value_type* entry(const Table& table, int index)
{
    return index >= 0 && index < int(table.size()) ? &table[size_t(index)] : nullptr;
}

} // namespace

QString paramsPageTitle()
{
    return QStringLiteral("Параметры");
}

QString contentPageTitle()
{
    return QStringLiteral("Состав");
}

QString usersPageTitle()
{
    return QStringLiteral("Пользователи");
}

QString tailsPageTitle()
{
    return QStringLiteral("Шлейфы сигнализации");
}

QString programmsPageTitle()
{
    return QStringLiteral("Активация реле (выходов)");
}

QString contentName()
{
    return QStringLiteral("Состав");
}

QString usersName()
{
    return QStringLiteral("Пользователи");
}

QString tailsName()
{
    return QStringLiteral("Шлейфы сигнализации");
}

QString administratorName()
{
    return QStringLiteral("Администратор");
}

QString userName()
{
    return QStringLiteral("Пользователь");
}

QString tailName()
{
    return QStringLiteral("ШС");
}

QString blockKindName(int kind)
{
    const auto* e = entry(kBlockKinds, kind);
    return e ? QString::fromUtf8(e->name) : QString();
}

QString blockKindFullName(int kind)
{
    const auto* e = entry(kBlockKinds, kind);
    return e ? QString::fromUtf8(e->fullName) : QString();
}

QString blockKindXmlTag(int kind)
{
    const auto* e = entry(kBlockKinds, kind);
    return e ? QString::fromLatin1(e->xmlTag) : QString();
}

QString tailTypeName(int type)
{
    const auto* e = entry(kTailTypes, type);
    return e ? QString::fromUtf8(e->editor) : QString();
}

QString tailTypeExportName(int type)
{
    const auto* e = entry(kTailTypes, type);
    return e ? QString::fromUtf8(e->exported) : QString();
}

QString readFileTitle()
{
    return QStringLiteral("Чтение конфигурации из файла");
}

QString writeFileTitle()
{
    return QStringLiteral("Запись конфигурации в файл");
}

QString binaryFileFilter()
{
    return QStringLiteral("Двоичный (*.bin)");
}

QString fileNotFound(const QString& fileName)
{
    return QStringLiteral("Файл конфигурации: \"%1\" не наден!").arg(fileName);
}

QString fileWrongSize(const QString& fileName)
{
    return QStringLiteral("Файл конфигурации: \"%1\" имеет неправильный размер!").arg(fileName);
}

QString descriptionNotRegular(const QString& fileName)
{
    return QStringLiteral("Файл описаний \"%1\" не является обычным файлом и не прочитан: конфигурация загружена "
                          "без описаний.")
        .arg(fileName);
}

QString descriptionTooLarge(const QString& fileName, qint64 size)
{
    return QStringLiteral("Файл описаний \"%1\" слишком велик (%2 байт, допустимо не более 4 МиБ) и не прочитан: "
                          "конфигурация загружена без описаний.")
        .arg(fileName)
        .arg(size);
}

QString descriptionUnreadable(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Файл описаний \"%1\" не прочитан (%2): конфигурация загружена без описаний.")
        .arg(fileName, reason);
}

QString readSizeMismatch()
{
    return QStringLiteral("Размер счтаныых данных не совпадает с размером конфигурации!");
}

} // namespace olma::config::texts
