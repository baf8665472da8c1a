// The small windows the main window opens.
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
