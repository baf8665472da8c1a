#pragma once
// Editor of the runs filter: allowed lengths of the longest run (through the
// hit-count chooser, stored at once), allowed run figures and the inverse
// switch (stored when the window closes).
#include <array>

#include "selector_aciertos.h"
#include "ventana_secundaria.h"

class QCheckBox;
class QLineEdit;

class frmFiltroSEGUIDOS : public VentanaSecundaria {
    Q_OBJECT
public:
    static constexpr int kFiguras = 7;

    explicit frmFiltroSEGUIDOS(ContextoEditor& contexto, QWidget* padre = nullptr);

    // Every close, by "Volver" or the close box, stores the figures and the switch.
    void done(int resultado) override;

private:
    void cmdModificar_Click();

    ContextoEditor& contexto_;
    QLineEdit* txtNumero_ = nullptr;
    std::array<QCheckBox*, kFiguras> chkFigura_{};
    QCheckBox* chkSeguidosInversos_ = nullptr;
};
