#include "editores.h"

void AbrirEditorFiltro(int indiceFiltro, ContextoEditor& contexto, QWidget* padre) {
    (void)contexto;
    (void)padre;
    switch (indiceFiltro) {
        default: break;  // editors not built yet
    }
}
