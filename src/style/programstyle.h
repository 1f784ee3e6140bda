#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace olma::style {

// The program's look: Fusion with a calm, light palette and slightly roomier controls, the
// same on every desktop so that what the manual shows is what the engineer sees.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY(ProgramStyle)

public:
    ProgramStyle();

    QPalette standardPalette() const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Installs the style and its palette on the application.
void install();

} // namespace olma::style
