#pragma once
// Helpers shared by the filter editor tests.
#include <QApplication>
#include <QDialog>
#include <QList>
#include <QTimer>
#include <functional>

#include "ayuda_gui.h"
#include "editores.h"
#include "rejilla_casillas.h"
#include "selector_aciertos.h"
#include "sesion.h"

// A filter editor's session whose base holds `celdas`, with every tick (i)
// and untick (-i) of its filter check box recorded.
struct EntornoEditor {
    EstadoSesion sesion;
    QList<int> marcas;
    ContextoEditor contexto{sesion, [this](int i) { marcas << i; }, [this](int i) { marcas << -i; }};
    AjustesFiltros& f = sesion.filtros;
    explicit EntornoEditor(std::initializer_list<Casilla> celdas = {}) {
        for (Casilla c : celdas) sesion.rejilla.Fijar(c, true);
    }
};

// Opens filter `filtro`'s editor as the main window does and runs `accion` on
// it once shown. A window the action leaves open is closed past its checks,
// so that a failed comparison never leaves the test waiting.
inline void EnEditor(int filtro, EntornoEditor& e, const std::function<void(QDialog&)>& accion) {
    QTimer alMostrarse;
    alMostrarse.setSingleShot(true);
    QObject::connect(&alMostrarse, &QTimer::timeout, [&accion] {
        auto* v = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!v) qFatal("no editor shown");
        accion(*v);
        if (v->isVisible()) v->QDialog::done(0);
    });
    alMostrarse.start(0);
    AbrirEditorFiltro(filtro, e.contexto, nullptr);
}

// The cells (1..50) chosen in a settings row that starts at cell 1.
inline QList<int> Celdas(const uint8_t* fila) {
    QList<int> l;
    for (int c = 1; c <= 50; ++c)
        if (fila[c - 1] != 0) l << c;
    return l;
}

// Message boxes and the hit selector answer from queues while an editor test runs.
inline void ActivarPruebasEditor() {
    PruebaMensajes::Activar();
    PruebaMensajes::Limpiar();
    PruebaSelector::Activar();
}
