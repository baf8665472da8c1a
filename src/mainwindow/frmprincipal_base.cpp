// BASE files and the import of a text file of numbers.
#include "frmprincipal.h"

void frmPrincipal::AbrirBaseXML() {}
void frmPrincipal::GuardarBaseXML() {}
void frmPrincipal::cmdDesdeFichero_Click() {}
