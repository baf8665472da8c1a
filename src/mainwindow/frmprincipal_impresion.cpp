// The print panel and the draw-data window, opened from the main window.
#include "frmImprimir.h"
#include "frmNumerosTerminal.h"
#include "frmprincipal.h"

#include <QLineEdit>

void frmPrincipal::MostrarImprimir(int32_t totalDecimos) {
    frmImprimir ventana(Sesion());
    ventana.RutaBase = ModoFichero() ? txtFicheroASCII()->text() : txtFicheroBASE()->text();
    ventana.ParametroAuxiliar = 0;
    ventana.TotalDecimos = totalDecimos;
    ventana.exec();
}

void frmPrincipal::MostrarNumerosTerminal() {
    // No draw source is configured in this build: a lookup reports that the
    // data could not be obtained.
    frmNumerosTerminal ventana;
    ventana.exec();
}
