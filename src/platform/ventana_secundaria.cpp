#include "ventana_secundaria.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLayout>
#include <QShowEvent>
#include <QSpacerItem>
#include <algorithm>
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

// Polish comes once the subclass has built its layout, before the first
// show; a title set later (the reduction window changes its own) comes as a
// title change.
bool VentanaSecundaria::event(QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::Polish || tipo == QEvent::WindowTitleChange || tipo == QEvent::Show) AjustarAnchoAlTitulo();
    return QDialog::event(evento);
}

void VentanaSecundaria::AjustarAnchoAlTitulo() {
    if (layout() != nullptr) anchoTitulo_ = EspaciadorDeTitulo(*layout(), windowTitle(), anchoTitulo_);
}

// A zero-high spacer: the layout, whatever its size constraint, then never
// makes the window narrower than that.
QSpacerItem* EspaciadorDeTitulo(QLayout& disposicion, const QString& titulo, QSpacerItem* espaciador) {
    const QMargins margenes = disposicion.contentsMargins();
    const int ancho = std::max(0, AnchoTitulo(titulo) - margenes.left() - margenes.right());
    if (espaciador == nullptr) {
        espaciador = new QSpacerItem(ancho, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        // In a grid it spans every column, so that no single one is widened.
        if (auto* rejilla = qobject_cast<QGridLayout*>(&disposicion))
            rejilla->addItem(espaciador, rejilla->rowCount(), 0, 1, rejilla->columnCount());
        else
            disposicion.addItem(espaciador);
    } else if (espaciador->sizeHint().width() != ancho) {
        espaciador->changeSize(ancho, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        disposicion.invalidate();
    }
    return espaciador;
}

int AnchoTitulo(const QString& titulo) {
    // The window manager's font is unknown here: the program's own in bold
    // is as wide as the usual title fonts or wider.
    QFont letra = QApplication::font();
    letra.setBold(true);
    const QFontMetrics medidas(letra);
    // Many window managers centre the title on the whole bar, so the room of
    // the frame's icon and buttons is counted on both sides.
    const int boton = medidas.height() + 6;
    return medidas.horizontalAdvance(titulo) + 8 * boton;
}

void QuitarCerrarMenuSistema(QWidget* ventana, int quitar) {
    if (!ventana) return;
    const bool visible = ventana->isVisible();
    ventana->setProperty(kSinCerrar, quitar != 0);
    ventana->setWindowFlag(Qt::WindowCloseButtonHint, quitar == 0);
    if (visible) ventana->show();  // changing flags hides a shown window
}
