#pragma once
// Editor of the sums filter: ten intervals of the digit sum, typed in boxes
// and stored only when the window closes after all ten pass their checks.
#include <array>

#include "selector_aciertos.h"
#include "validacion_sumas.h"
#include "ventana_secundaria.h"

class QLineEdit;

class frmFiltroSUMAS : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmFiltroSUMAS(ContextoEditor& contexto, QWidget* padre = nullptr);

    // Every way out ("Volver", close box, Escape) passes here: it checks and
    // stores the intervals, or shows the first failure and stays open.
    void done(int resultado) override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void imgINI_Click(int indice);

    ContextoEditor& contexto_;
    std::array<QLineEdit*, kIntervalosSuma> txtSumaMinima_{};
    std::array<QLineEdit*, kIntervalosSuma> txtSumaMaxima_{};
};
