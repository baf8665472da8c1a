#pragma once
// Small controls the filter editors share.
#include <QColor>
#include <QPalette>
#include <QString>
#include <QStyle>
#include <QToolButton>
#include <QWidget>

#include "controles.h"

// The "select all" picture button of a grid, with the main window's icon and size.
inline QToolButton* BotonSeleccionarTodos(const QString& nombre, QWidget* padre) {
    return BotonImagen(padre, nombre, QStringLiteral("Selecciona todos los números"),
                       Icono(padre, {"edit-select-all"}, QStyle::SP_DialogApplyButton));
}

// The "clear" picture button of a grid or of a row of boxes, with the main
// window's icon and size (the style's own reset glyph is too faint to see).
inline QToolButton* BotonLimpiar(const QString& nombre, QWidget* padre) {
    return BotonImagen(padre, nombre, QStringLiteral("Inicializa todos los números"),
                       Icono(padre, {"edit-clear-all", "edit-clear"}, QStyle::SP_DialogResetButton));
}

// The light grey background the small editors and the hit chooser share.
inline void FondoGrisEditor(QWidget* ventana) {
    ventana->setAutoFillBackground(true);
    Colorear(ventana, QPalette::Window, QColor(224, 224, 224));
}
