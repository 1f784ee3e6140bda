#include "device/accessstate.h"

#include "common/cp1251.h"
#include "common/pagefactory.h"
#include "common/text.h"
#include "device/statehtml.h"
#include "device/statetexts.h"

namespace olma::device {

namespace {

constexpr int kBoardAccessOffset = 34;
// Keyboard 1 is at byte 36; byte 35 is not an access level.
constexpr int kKeyboardsOffset = 35;
constexpr int kSmallPanelAdministrators = 2;
constexpr int kAdministrators = 8;

QString accessCell(int level, int administrators)
{
    if (level <= 0)
        return OLMA_TEXT("PanelState", "</td><td bgcolor=grey>Нет доступа");
    if (level > administrators)
        return OLMA_TEXT("PanelState", "</td><td bgcolor=green>Пользователь %1").arg(level);
    return OLMA_TEXT("PanelState", "</td><td bgcolor=red>Администратор %1").arg(level);
}

} // namespace

QWidget* AccessState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

QByteArray AccessState::name() const
{
    return cp1251::encode(texts::kAccessTitle);
}

void AccessState::decode()
{
    _accessDeviceType = modelIndexFromCode(data()[kModelCodeOffset], _accessDeviceType);
}

int AccessState::centralBoardAccess() const
{
    return recordByte(kBoardAccessOffset);
}

int AccessState::keyboardAccess(int keyboard) const
{
    if (keyboard < 1 || keyboard > kKeyboards)
        return -1;
    return recordByte(kKeyboardsOffset + keyboard);
}

QString AccessState::pageHtml() const
{
    const int administrators =
        _accessDeviceType == 1 || _accessDeviceType == 2 ? kAdministrators : kSmallPanelAdministrators;
    // Rows are left open; the next row or the table's end closes them.
    QString page = html::kPageBegin + html::tableBegin(OLMA_TEXT("PanelState", "Устройство"),
                                                       OLMA_TEXT("PanelState", "Состояние доступа"));
    page += OLMA_TEXT("PanelState", "<tr><td>Плата центральная: ") + accessCell(centralBoardAccess(), administrators);
    for (int k = 1; k <= kKeyboards; ++k)
        page += OLMA_TEXT("PanelState", "<tr><td>Ольма-КВ %1: ").arg(k) + accessCell(keyboardAccess(k), administrators);
    return page + QStringLiteral("</td></tr></table>\n") + html::kPageEnd;
}

} // namespace olma::device
