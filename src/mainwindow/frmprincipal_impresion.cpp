// The print panel and the draw-data window, opened from the main window.
#include "frmImprimir.h"
#include "frmNumerosTerminal.h"
#include "frmprincipal.h"

#include <QDir>
#include <QLineEdit>

#include "sistema.h"

void frmPrincipal::MostrarImprimir(int32_t totalDecimos) {
    frmImprimir ventana(Sesion());
    ventana.RutaBase = ModoFichero() ? txtFicheroASCII()->text() : txtFicheroBASE()->text();
    ventana.ParametroAuxiliar = 0;
    ventana.TotalDecimos = totalDecimos;
    ventana.exec();
}

void frmPrincipal::MostrarNumerosTerminal() {
    frmNumerosTerminal ventana(QDir(CarpetaPrograma()).filePath(QString::fromLatin1(kCarpetaSorteos)));
    ventana.exec();
}
