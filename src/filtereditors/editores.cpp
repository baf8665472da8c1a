#include "editores.h"

#include "frmFiltroGRURELACIONADOS.h"
#include "frmFiltroPOSICIONES.h"
#include "frmFiltroTERMINACIONES.h"

void AbrirEditorFiltro(int indiceFiltro, ContextoEditor& contexto, QWidget* padre) {
    switch (indiceFiltro) {
        case kFiltroTerminaciones: { frmFiltroTERMINACIONES v(contexto, padre); v.exec(); break; }
        case kFiltroGruposRelacionados: { frmFiltroGRURELACIONADOS v(contexto, padre); v.exec(); break; }
        case kFiltroPosiciones: { frmFiltroPOSICIONES v(contexto, padre); v.exec(); break; }
        default: break;  // editors not built yet
    }
}
