// The companion tools the main window opens.
#include "frmEscrutar.h"
#include "frmprincipal.h"

void frmPrincipal::MostrarEscrutador(int32_t totalNumeros) {
    frmEscrutar ventana(Sesion(), this);
    ventana.TotalNumeros = totalNumeros;
    ventana.exec();
}
