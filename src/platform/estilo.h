#pragma once
// The program's look over the desktop's style.
#include <QProxyStyle>

// The desktop's style, with the frame of an enabled check box or option
// button drawn dark: a box with no caption beside it (the editors' figure
// boxes) then never reads as greyed out, and a disabled one still does.
class EstiloPrograma : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                       const QWidget* control = nullptr) const override;
};
