#pragma once
// Small controls the filter editors share.
#include <QColor>
#include <QPalette>
#include <QString>
#include <QStyle>
#include <QToolButton>
#include <QWidget>

#include "controles.h"

// The "select all" picture button of a grid or of the hit chooser, with the
// main window's icon and size.
inline QToolButton* BotonSeleccionarTodos(const QString& nombre, QWidget* padre,
                                          const QString& ayuda = QStringLiteral("Selecciona todos los números")) {
    return BotonImagen(padre, nombre, ayuda, Icono(padre, {"edit-select-all"}, QStyle::SP_DialogApplyButton));
}

// The "clear" picture button of a grid, of a row of boxes or of the hit
// chooser, with the main window's icon and size.
inline QToolButton* BotonLimpiar(const QString& nombre, QWidget* padre,
                                 const QString& ayuda = QStringLiteral("Inicializa todos los números")) {
    return BotonImagen(padre, nombre, ayuda, IconoLimpiar(padre));
}

// The light grey background the small editors and the hit chooser share.
inline void FondoGrisEditor(QWidget* ventana) {
    ventana->setAutoFillBackground(true);
    Colorear(ventana, QPalette::Window, QColor(224, 224, 224));
}
