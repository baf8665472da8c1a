// The small windows the main window opens.
#include <QCheckBox>

#include "editores.h"
#include "frmAcercaDe.h"
#include "frmAutor.h"
#include "frmprincipal.h"

void frmPrincipal::MostrarAcercaDe() {
    frmAcercaDe ventana(kVersionPrograma, Sesion().aleatorio, this);
    ventana.exec();
}

void frmPrincipal::MostrarAutor() {
    frmAutor ventana(this);
    ventana.exec();
}

void frmPrincipal::AbrirEditorFiltro(int indice) {
    ContextoEditor contexto{Sesion(), [this](int i) { chkFiltros(i)->setChecked(true); },
                            [this](int i) { chkFiltros(i)->setChecked(false); }};
    ::AbrirEditorFiltro(indice, contexto, this);
}
