#pragma once
// Helpers shared by the filter editor tests.
#include <QList>

#include "ayuda_gui.h"
#include "selector_aciertos.h"
#include "sesion.h"

// A filter editor's session, with every tick of its filter check box recorded.
struct EntornoEditor {
    EstadoSesion sesion;
    QList<int> marcas;
    ContextoEditor contexto{sesion, [this](int i) { marcas << i; }};
};

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
