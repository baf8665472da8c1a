#pragma once
// Editor of the even and odd filter: which counts 0..5 of even digits are kept.
// Each tick is stored at once and switches the filter on.
#include <array>

#include "selector_aciertos.h"
#include "ventana_secundaria.h"

class QCheckBox;

class frmFiltroPARESIMPARES : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmFiltroPARESIMPARES(ContextoEditor& contexto, QWidget* padre = nullptr);

private:
    void chkParesImpares_Click(int indice);

    ContextoEditor& contexto_;
    std::array<QCheckBox*, 6> chkParesImpares_{};
};
