#include "editores.h"

#include "frmfiltrogrupos.h"
#include "frmfiltrogruposenreservas.h"

void AbrirEditorFiltro(int indiceFiltro, ContextoEditor& contexto, QWidget* padre) {
    switch (indiceFiltro) {
        case kFiltroGrupos: { frmFiltroGRUPOS v(contexto, padre); v.exec(); break; }
        case kFiltroGruposEnReservas: { frmFiltroGRUPOSENRESERVAS v(contexto, padre); v.exec(); break; }
        default: break;  // editors not built yet
    }
}
