// The companion tools the main window opens.
#include "frmAnalisis.h"
#include "frmEscrutar.h"
#include "frmSelectorNumeros.h"
#include "frmprincipal.h"

void frmPrincipal::MostrarEscrutador(int32_t totalNumeros) {
    frmEscrutar ventana(Sesion(), this);
    ventana.TotalNumeros = totalNumeros;
    ventana.exec();
}

void frmPrincipal::MostrarAnalisis(int32_t totalNumeros) {
    frmAnalisis ventana(Sesion(), this);
    ventana.TotalNumeros = totalNumeros;
    ventana.exec();
}

void frmPrincipal::MostrarSelector() {
    frmSelectorNumeros ventana(Sesion(), this);
    ventana.exec();
}
