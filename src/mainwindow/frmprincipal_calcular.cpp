// "Calcular" and what hands its results out: the report and the exports.
#include "frmprincipal.h"

void frmPrincipal::CalcularCombinacion() {}
void frmPrincipal::ExportarReduccion(int) {}
void frmPrincipal::VerInformeEliminadas() {}
