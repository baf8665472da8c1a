#pragma once
// "Acerca de ...": the program's name and version, its date and the maker's
// web link over a drifting star field.
#include <QString>
#include <QTimer>

#include "campo_estrellas.h"
#include "direcciones.h"
#include "ventana_secundaria.h"

class QLabel;


class frmAcercaDe : public VentanaSecundaria {
    Q_OBJECT
public:
    // version: the label the main window's caption shows after the name.
    // azar: the program's random source, which places the stars.
    frmAcercaDe(const QString& version, FuenteAleatoria& azar, QWidget* padre = nullptr);

    const CampoEstrellas& Estrellas() const { return campo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles(const QString& version);
    void Fotograma();
    void lblLinkMaltrexo_Click();

    FuenteAleatoria& azar_;
    CampoEstrellas campo_;
    // Frames are driven by the timer, so closing the window simply stops it.
    QTimer temporizador_;
    QLabel* lblPrograma = nullptr;
    QLabel* lblFecha = nullptr;
    QLabel* lblLinkMaltrexo = nullptr;
};
