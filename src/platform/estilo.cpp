#include "estilo.h"

#include <QStyleOptionButton>

void EstiloPrograma::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                                   const QWidget* control) const {
    const auto* boton = qstyleoption_cast<const QStyleOptionButton*>(opcion);
    if (boton != nullptr && (elemento == PE_IndicatorCheckBox || elemento == PE_IndicatorRadioButton) &&
        boton->state.testFlag(State_Enabled)) {
        // The common styles take the frame's colour from the window colour.
        QStyleOptionButton oscuro = *boton;
        oscuro.palette.setColor(QPalette::Window, boton->palette.color(QPalette::Window).darker(150));
        QProxyStyle::drawPrimitive(elemento, &oscuro, pintor, control);
        return;
    }
    QProxyStyle::drawPrimitive(elemento, opcion, pintor, control);
}
