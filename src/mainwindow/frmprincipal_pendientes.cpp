// Commands of the main window whose work lives in windows and modules that
// are not built yet. Each is already wired to its menus, icons and buttons;
// until its window exists it does nothing.
#include "frmprincipal.h"

void frmPrincipal::MostrarAnalisis(int32_t) {}
void frmPrincipal::MostrarSelector() {}
