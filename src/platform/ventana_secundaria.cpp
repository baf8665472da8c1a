#include "ventana_secundaria.h"

#include <QGuiApplication>
#include <QShowEvent>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {
const char* const kSinCerrar = "vortesalinSinCerrar";

// Under X11 a window without Qt's close hint still gets every frame button
// (Qt then sends no function list at all), so the frame would offer a close,
// minimise and maximise that do nothing. The frame hints are set here instead:
// move and resize only, title and border.
void QuitarBotonesMarcoX11(QWidget* ventana) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    static constexpr char kNombre[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof kNombre - 1, kNombre), nullptr);
    if (!r) return;
    const xcb_atom_t atomo = r->atom;
    free(r);
    enum : uint32_t { kFunciones = 1, kDecoracion = 2 };
    enum : uint32_t { kRedimensionar = 2, kMover = 4 };
    enum : uint32_t { kBorde = 2, kBordeRedimensionar = 4, kTitulo = 8 };
    const std::array<uint32_t, 5> pistas{kFunciones | kDecoracion, kRedimensionar | kMover,
                                         kBorde | kBordeRedimensionar | kTitulo, 0, 0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(ventana->winId()), atomo, atomo, 32,
                        pistas.size(), pistas.data());
    xcb_flush(c);
}
}  // namespace

VentanaSecundaria::VentanaSecundaria(QWidget* padre) : QDialog(padre) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

// The native window exists but is not mapped yet: the frame reads the hints
// as it first draws it.
void VentanaSecundaria::showEvent(QShowEvent* e) {
    if (property(kSinCerrar).toBool()) QuitarBotonesMarcoX11(this);
    QDialog::showEvent(e);
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
