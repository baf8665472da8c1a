#pragma once
// "AUTOR": a picture and a return button that lights up under the mouse.
#include <QPixmap>

#include "ventana_secundaria.h"

class QLabel;
class QWidget;

class frmAutor : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmAutor(QWidget* padre = nullptr);

    // The two looks of the return button.
    const QPixmap& AspectoNormal() const { return aspectoNormal_; }
    const QPixmap& AspectoEncima() const { return aspectoEncima_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void picICONOS_MouseMove();
    void cmdVolver_MouseMove();
    void cmdVolver_Click();
    void MostrarAspecto(bool encima);

    QPixmap aspectoNormal_;
    QPixmap aspectoEncima_;
    bool encima_ = false;
    QWidget* picICONOS = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* cmdVolver_0 = nullptr;
};
