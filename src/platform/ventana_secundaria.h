#pragma once
// Base of the program's secondary windows: modal, never narrower than their
// own title, and able to refuse a close that comes from the user (close box,
// Escape) while closing by code goes through.
#include <QDialog>

class QLayout;
class QSpacerItem;

class VentanaSecundaria : public QDialog {
    Q_OBJECT
public:
    explicit VentanaSecundaria(QWidget* padre = nullptr);

    // Closes the window from code, whatever PuedeCerrarUsuario says.
    void CerrarVentana(int resultado = QDialog::Accepted);

protected:
    // Whether a close asked by the user is allowed now.
    virtual bool PuedeCerrarUsuario() { return true; }
    void reject() override;
    bool event(QEvent* evento) override;
    void showEvent(QShowEvent* e) override;

private:
    void AjustarAnchoAlTitulo();

    bool cerrandoPorCodigo_ = false;
    QSpacerItem* anchoTitulo_ = nullptr;  // owned by the window's layout
};

// The width a window needs for a window manager to show `titulo` whole in
// its title bar, beside the frame's icon and buttons.
int AnchoTitulo(const QString& titulo);
// Keeps a window's layout at least AnchoTitulo(titulo) wide through a spacer:
// a new one when `espaciador` is null, else that one resized. Returns the
// spacer, which the layout owns.
QSpacerItem* EspaciadorDeTitulo(QLayout& disposicion, const QString& titulo, QSpacerItem* espaciador = nullptr);

// quitar != 0 takes the close button off the window's frame and makes the
// window refuse the user's close; 0 restores both.
void QuitarCerrarMenuSistema(QWidget* ventana, int quitar);
