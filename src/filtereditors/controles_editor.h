#pragma once
// Small controls the filter editors share.
#include <QString>
#include <QStyle>
#include <QToolButton>

// An image used as a button ("select all" / "clear" of a grid).
inline QToolButton* BotonImagen(const QString& nombre, const QString& ayuda, QStyle::StandardPixmap icono,
                                QWidget* padre) {
    auto* boton = new QToolButton(padre);
    boton->setObjectName(nombre);
    if (!ayuda.isEmpty()) boton->setToolTip(ayuda);
    boton->setIcon(padre->style()->standardIcon(icono));
    boton->setAutoRaise(true);
    boton->setCursor(Qt::PointingHandCursor);
    return boton;
}

inline QToolButton* BotonSeleccionarTodos(const QString& nombre, QWidget* padre) {
    return BotonImagen(nombre, QStringLiteral("Selecciona todos los números"), QStyle::SP_DialogApplyButton, padre);
}

inline QToolButton* BotonLimpiar(const QString& nombre, QWidget* padre) {
    return BotonImagen(nombre, QString(), QStyle::SP_DialogResetButton, padre);
}
