#pragma once
// Editor of the POSICIONES filter: which digits each position may hold.
// Every click writes NumerosPosiciones at once; there is nothing to validate.
#include "rejilla_casillas.h"
#include "selector_aciertos.h"
#include "ventana_secundaria.h"

class frmFiltroPOSICIONES : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmFiltroPOSICIONES(ContextoEditor& contexto, QWidget* padre = nullptr);

    RejillaCasillas* Rejilla() const { return rejilla_; }

private:
    void lblNumero_Click();
    void imgALLNumeros_Click();
    void imgININumeros_Click();
    // Paints the grid from the setting, dropping cells outside the base.
    void RefrescarNumeros();

    ContextoEditor& contexto_;
    ModeloFilaCasillas modelo_;
    RejillaCasillas* rejilla_ = nullptr;
};
