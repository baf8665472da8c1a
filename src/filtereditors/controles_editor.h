#pragma once
// Small controls the filter editors share.
#include <QString>
#include <QStyle>
#include <QToolButton>
#include <QWidget>

#include "controles.h"

// The "select all" picture button of a grid, at the style's own icon size.
inline QToolButton* BotonSeleccionarTodos(const QString& nombre, QWidget* padre) {
    return BotonImagen(padre, nombre, QStringLiteral("Selecciona todos los números"),
                       padre->style()->standardIcon(QStyle::SP_DialogApplyButton), 0);
}

// The "clear" picture button of a grid, at the style's own icon size.
inline QToolButton* BotonLimpiar(const QString& nombre, QWidget* padre) {
    return BotonImagen(padre, nombre, QStringLiteral("Inicializa todos los números"),
                       padre->style()->standardIcon(QStyle::SP_DialogResetButton), 0);
}
