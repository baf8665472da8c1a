#pragma once
// Small helpers shared by the window tests.
#include <QStringList>
#include <QWidget>
#include <initializer_list>
#include <QtTest>

#include "mensajes.h"

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
