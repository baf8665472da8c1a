#pragma once
// Small widget factories the windows share, so every window builds its
// buttons, labels and icons the same way.
#include <initializer_list>

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QString>
#include <QStyle>

class QAbstractButton;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

// A label; it is left unnamed when `nombre` is empty.
QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto);

// A bold label, aligned as given when `alineacion` is set.
QLabel* EtiquetaNegrita(QWidget* padre, const QString& nombre, const QString& texto,
                        Qt::Alignment alineacion = Qt::Alignment());

// Makes a caption beside an option button part of it: a left click on the
// caption clicks the option, also while the caption itself is shown disabled.
void TituloDeOpcion(QLabel* titulo, QAbstractButton* opcion);

// A push button that never takes Enter as the window's default button.
QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& texto, const QString& ayuda = QString());
// The "&Volver" button that closes a secondary window (cmdVolver).
QPushButton* BotonVolver(QWidget* padre);

// A flat picture button with a pointing-hand cursor and a `lado`-pixel icon
// (0 keeps the style's own icon size).
QToolButton* BotonImagen(QWidget* padre, const QString& nombre, const QString& ayuda, const QIcon& icono,
                         int lado = 24);

// The first of `nombres` the desktop theme has, or the style's own `reserva`.
QIcon Icono(const QWidget* w, std::initializer_list<const char*> nombres, QStyle::StandardPixmap reserva);
// The icon of every command that shows a list in the text editor.
QIcon IconoBlocDeNotas(const QWidget* w);
// The icon of every command that clears a grid, a row or a form.
QIcon IconoLimpiar(const QWidget* w);
// The icon of every command that opens a file.
QIcon IconoAbrir(const QWidget* w);

// Sets one colour of a widget's palette.
void Colorear(QWidget* w, QPalette::ColorRole rol, const QColor& color);
