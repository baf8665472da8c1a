#pragma once
// Helpers shared by the filter editor tests.
#include <QApplication>
#include <QDialog>
#include <QList>
#include <QTimer>

#include "ayuda_gui.h"
#include "selector_aciertos.h"
#include "sesion.h"

// A filter editor's session, with every tick (i) and untick (-i) of its
// filter check box recorded.
struct EntornoEditor {
    EstadoSesion sesion;
    QList<int> marcas;
    ContextoEditor contexto{sesion, [this](int i) { marcas << i; }, [this](int i) { marcas << -i; }};
    AjustesFiltros& f = sesion.filtros;
};

// Runs `accion` on the modal window once it is shown; its name goes to `nombre`.
template <class F>
void AlMostrarse(QString& nombre, F accion) {
    QTimer::singleShot(0, [&nombre, accion] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {  // never leave the caller blocked in a hidden loop
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->done(0);
            return;
        }
        nombre = modal->objectName();
        accion(*modal);
    });
}

// Message boxes and the hit selector answer from queues while an editor test runs.
inline void ActivarPruebasEditor() {
    PruebaMensajes::Activar();
    PruebaMensajes::Limpiar();
    PruebaSelector::Activar();
}
inline void DesactivarPruebasEditor() {
    PruebaMensajes::Desactivar();
    PruebaSelector::Desactivar();
}
