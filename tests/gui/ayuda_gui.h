#pragma once
// Small helpers shared by the window tests.
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWidget>
#include <QWindow>
#include <initializer_list>
#include <QtTest>

#include "dialogos_archivo.h"
#include "main_gui.h"
#include "mensajes.h"
#include "modelo.h"
#include "sesion.h"

// The named control of a window; a missing one ends the test binary.
template <class T>
T* Hijo(QObject& ventana, const QString& nombre) {
    T* w = ventana.findChild<T*>(nombre);
    if (w == nullptr) qFatal("no control %s", qPrintable(nombre));
    return w;
}

inline void Pulsar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }

// The texts of the message boxes shown so far.
inline QStringList Textos() {
    QStringList t;
    for (const auto& r : PruebaMensajes::Mostrados()) t << r.texto;
    return t;
}

// The controls among `nombres` whose state is not the one marked before the
// name: '+' enabled, '-' disabled, '=' not hidden, '~' hidden. Empty when all agree.
inline QString EstadosDistintos(QObject& ventana, std::initializer_list<const char*> nombres) {
    QStringList distintos;
    for (const char* n : nombres) {
        const QWidget* w = Hijo<QWidget>(ventana, QString::fromUtf8(n + 1));
        const bool esperado = n[0] == '+' || n[0] == '=';
        if ((n[0] == '+' || n[0] == '-' ? w->isEnabled() : !w->isHidden()) != esperado) distintos << n;
    }
    return distintos.join(' ');
}

// The window's own picture buttons that say nothing when hovered.
inline QString BotonesSinAyuda(QObject& ventana) {
    QStringList mudos;
    for (const QToolButton* b : ventana.findChildren<QToolButton*>())
        if (!b->objectName().startsWith(QLatin1String("qt_")) && b->toolTip().isEmpty()) mudos << b->objectName();
    return mudos.join(' ');
}

// Types `texto` over a box's contents and presses Enter; an empty text clears the box.
inline void Teclear(QLineEdit* caja, const QString& texto) {
    caja->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(caja, Qt::Key_Backspace);
    else
        QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
}

// A file named `nombre` in `dir` holding `contenido`; its path.
inline QString EscribirFichero(const QTemporaryDir& dir, const char* nombre, const QByteArray& contenido) {
    const QString ruta = dir.filePath(QString::fromUtf8(nombre));
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenido) != contenido.size()) qFatal("cannot write %s", nombre);
    return ruta;
}

// A numbers file with a letter on its line 10, after an empty and a short
// line, and what every window that imports it says.
inline const QString kFicheroLetra = QStringLiteral(VORTESALIN_DATOS_PRUEBA "/numeros_letra.txt");
inline const QString kErrorLetra =
    QStringLiteral("ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ('a' no es un número (Línea 10) )");

// Imports `ruta` through the window's "cmdDesdeFichero" button and its open dialog.
inline void ImportarDesdeFichero(QObject& ventana, const QString& ruta) {
    PruebaDialogos::EncolarRuta(ruta);
    Pulsar(Hijo<QToolButton>(ventana, "cmdDesdeFichero"));
}

// The session's result as these five-digit numbers, in order.
inline void FijarResultado(EstadoSesion& s, const QStringList& numeros) {
    s.tablas.gResultado.Redimensionar(static_cast<int32_t>(numeros.size()));
    for (int i = 0; i < numeros.size(); ++i)
        for (int p = 1; p <= 5; ++p)
            s.tablas.gResultado(i + 1, p) =
                CasillaDeDigito(static_cast<uint8_t>(numeros[i][p - 1].digitValue()), static_cast<int16_t>(p));
}

// Whether a shown window refuses its close box and Escape and then closes with "cmdVolver".
inline bool SoloCierraConVolver(QWidget& ventana) {
    ventana.windowHandle()->close();
    QTest::keyClick(&ventana, Qt::Key_Escape);
    if (!ventana.isVisible()) return false;
    Pulsar(Hijo<QPushButton>(ventana, "cmdVolver"));
    return !ventana.isVisible();
}

// Message boxes and open/save dialogs answer from queues while a window test runs.
inline void ActivarPruebasVentana() {
    PruebaMensajes::Activar();
    PruebaMensajes::Limpiar();
    PruebaDialogos::Activar();
}

// What a box, list, text area, button or label shows, and "+" after it when
// its background is `marca`.
inline QString Visto(QObject& ventana, const QString& nombre, const QColor& marca = QColor()) {
    const QWidget* w = Hijo<QWidget>(ventana, nombre);
    QString texto;
    if (const auto* caja = qobject_cast<const QLineEdit*>(w))
        texto = caja->text();
    else if (const auto* lista = qobject_cast<const QComboBox*>(w))
        texto = lista->currentText();
    else if (const auto* area = qobject_cast<const QPlainTextEdit*>(w))
        texto = area->toPlainText();
    else if (const auto* boton = qobject_cast<const QAbstractButton*>(w))
        texto = boton->text();
    else
        texto = Hijo<QLabel>(ventana, nombre)->text();
    return w->palette().color(QPalette::Window) == marca ? texto + QLatin1Char('+') : texto;
}

// What these controls show, in order.
inline QStringList Vistos(QObject& ventana, const QStringList& nombres, const QColor& marca = QColor()) {
    QStringList vistos;
    for (const QString& n : nombres) vistos << Visto(ventana, n, marca);
    return vistos;
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray ContenidoFichero(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
