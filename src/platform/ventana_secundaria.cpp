#include "ventana_secundaria.h"

namespace {
const char* const kSinCerrar = "vortesalinSinCerrar";
}

VentanaSecundaria::VentanaSecundaria(QWidget* padre) : QDialog(padre) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void VentanaSecundaria::CerrarVentana(int resultado) {
    cerrandoPorCodigo_ = true;
    done(resultado);
    close();
    cerrandoPorCodigo_ = false;
}

// The close box reaches reject() through QDialog::closeEvent, which keeps the
// window open when reject() refuses: the close check runs there only, once.
void VentanaSecundaria::reject() {
    if (!cerrandoPorCodigo_ && (property(kSinCerrar).toBool() || !PuedeCerrarUsuario())) return;
    QDialog::reject();
}

void QuitarCerrarMenuSistema(QWidget* ventana, int quitar) {
    if (!ventana) return;
    const bool visible = ventana->isVisible();
    ventana->setProperty(kSinCerrar, quitar != 0);
    ventana->setWindowFlag(Qt::WindowCloseButtonHint, quitar == 0);
    if (visible) ventana->show();  // changing flags hides a shown window
}
