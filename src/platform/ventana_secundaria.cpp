#include "ventana_secundaria.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QSpacerItem>
#include <algorithm>

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

// Polish comes once the subclass has built its layout, before the first
// show; a title set later (the reduction window changes its own) comes as a
// title change.
bool VentanaSecundaria::event(QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::Polish || tipo == QEvent::WindowTitleChange || tipo == QEvent::Show) AjustarAnchoAlTitulo();
    return QDialog::event(evento);
}

// A zero-high spacer as wide as the title: the layout, whatever its size
// constraint, then never makes the window narrower than that.
void VentanaSecundaria::AjustarAnchoAlTitulo() {
    QLayout* disposicion = layout();
    if (disposicion == nullptr) return;
    const QMargins margenes = disposicion->contentsMargins();
    const int ancho = std::max(0, AnchoTitulo(windowTitle()) - margenes.left() - margenes.right());
    if (anchoTitulo_ == nullptr) {
        anchoTitulo_ = new QSpacerItem(ancho, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        disposicion->addItem(anchoTitulo_);
    } else if (anchoTitulo_->sizeHint().width() != ancho) {
        anchoTitulo_->changeSize(ancho, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        disposicion->invalidate();
    }
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
