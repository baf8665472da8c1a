#include "editores.h"

#include "frmFiltroGRURELACIONADOS.h"
#include "frmFiltroPARESIMPARES.h"
#include "frmFiltroPOSICIONES.h"
#include "frmFiltroSEGUIDOS.h"
#include "frmFiltroSUMAS.h"
#include "frmFiltroTERMINACIONES.h"
#include "frmFiltroGRUPOS.h"
#include "frmFiltroGRUPOSENRESERVAS.h"

namespace {
template <class Editor>
void Mostrar(ContextoEditor& contexto, QWidget* padre) {
    Editor ventana(contexto, padre);
    ventana.exec();
}
}  // namespace

void AbrirEditorFiltro(int indiceFiltro, ContextoEditor& contexto, QWidget* padre) {
    switch (indiceFiltro) {
        case kFiltroGrupos: Mostrar<frmFiltroGRUPOS>(contexto, padre); break;
        case kFiltroParesImpares: Mostrar<frmFiltroPARESIMPARES>(contexto, padre); break;
        case kFiltroSeguidos: Mostrar<frmFiltroSEGUIDOS>(contexto, padre); break;
        case kFiltroSumas: Mostrar<frmFiltroSUMAS>(contexto, padre); break;
        case kFiltroTerminaciones: Mostrar<frmFiltroTERMINACIONES>(contexto, padre); break;
        case kFiltroGruposRelacionados: Mostrar<frmFiltroGRURELACIONADOS>(contexto, padre); break;
        case kFiltroPosiciones: Mostrar<frmFiltroPOSICIONES>(contexto, padre); break;
        case kFiltroGruposEnReservas: Mostrar<frmFiltroGRUPOSENRESERVAS>(contexto, padre); break;
        default: break;  // indices 0..2 have no filter
    }
}
