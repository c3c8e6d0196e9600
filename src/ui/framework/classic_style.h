#pragma once

#include <QProxyStyle>

// Fusion with the classic faces the window definitions were drawn for: flat
// push buttons in their own face colour with a raised three-dimensional
// border (sunken while pressed, a black frame while they are the default),
// round option buttons with a white well, sunken text boxes, etched frames
// with the caption on the line, and the dotted focus rectangle.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
