#include "style/programstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionToolButton>

namespace olma::style {
namespace {

// Soft greys with a muted blue for selection: long sessions at a panel cabinet are easier on
// the eyes without stark white, and the red, yellow and green of the state pages stand out.
constexpr QRgb kWindow = 0xEEF0F2;
constexpr QRgb kBase = 0xFBFBFC;
constexpr QRgb kAlternateBase = 0xF2F4F6;
constexpr QRgb kButton = 0xE6E9EC;
constexpr QRgb kText = 0x1F2328;
constexpr QRgb kDisabledText = 0x8A9098;
constexpr QRgb kHighlight = 0x4A78A8;
constexpr QRgb kHighlightedText = 0xFFFFFF;
constexpr QRgb kLink = 0x2F5F8F;
constexpr QRgb kToolTipBase = 0xFFFBE6;

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QPalette ProgramStyle::standardPalette() const
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(kWindow));
    p.setColor(QPalette::WindowText, QColor(kText));
    p.setColor(QPalette::Base, QColor(kBase));
    p.setColor(QPalette::AlternateBase, QColor(kAlternateBase));
    p.setColor(QPalette::ToolTipBase, QColor(kToolTipBase));
    p.setColor(QPalette::ToolTipText, QColor(kText));
    p.setColor(QPalette::PlaceholderText, QColor(kDisabledText));
    p.setColor(QPalette::Text, QColor(kText));
    p.setColor(QPalette::Button, QColor(kButton));
    p.setColor(QPalette::ButtonText, QColor(kText));
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(kHighlight));
    p.setColor(QPalette::HighlightedText, QColor(kHighlightedText));
    p.setColor(QPalette::Link, QColor(kLink));
    p.setColor(QPalette::Light, QColor(kBase));
    p.setColor(QPalette::Midlight, QColor(kAlternateBase));
    p.setColor(QPalette::Mid, QColor(0xB8BEC6));
    p.setColor(QPalette::Dark, QColor(0x9AA1AA));
    p.setColor(QPalette::Shadow, QColor(0x5C636B));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(kDisabledText));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(kWindow));
    return p;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    // A pressed (checked) tool button, such as the page button of the page shown, is filled with
    // the selection colour so that the page in view can be found at a glance.
    if (element == PE_PanelButtonTool && (option->state & State_On) && (option->state & State_Enabled)) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(option->palette.color(QPalette::Highlight).darker(115));
        painter->setBrush(option->palette.color(QPalette::Highlight));
        painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element == CE_ToolButtonLabel && (option->state & State_On) && (option->state & State_Enabled)) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option)) {
            QStyleOptionToolButton light = *button;
            light.palette.setColor(QPalette::ButtonText, option->palette.color(QPalette::HighlightedText));
            QProxyStyle::drawControl(element, &light, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_ButtonMargin:
        return 8;
    case PM_ToolBarItemSpacing:
        return 2;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    switch (hint) {
    // Mnemonics are always underlined: engineers drive the menus from the keyboard.
    case SH_UnderlineShortcut:
        return 1;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void install()
{
    auto* style = new ProgramStyle;
    QApplication::setStyle(style); // the application takes the style
    QApplication::setPalette(style->standardPalette());
}

} // namespace olma::style
