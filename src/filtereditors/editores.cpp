#include "editores.h"

#include "frmFiltroPARESIMPARES.h"
#include "frmFiltroSEGUIDOS.h"
#include "frmFiltroSUMAS.h"

void AbrirEditorFiltro(int indiceFiltro, ContextoEditor& contexto, QWidget* padre) {
    switch (indiceFiltro) {
        case kFiltroParesImpares: {
            frmFiltroPARESIMPARES v(contexto, padre);
            v.exec();
            break;
        }
        case kFiltroSeguidos: {
            frmFiltroSEGUIDOS v(contexto, padre);
            v.exec();
            break;
        }
        case kFiltroSumas: {
            frmFiltroSUMAS v(contexto, padre);
            v.exec();
            break;
        }
        default: break;  // editors not built yet
    }
}
