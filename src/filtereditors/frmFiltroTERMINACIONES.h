#pragma once
// Editor of the TERMINACIONES filter: allowed occurrences of each digit
// (stored as soon as the chooser closes), the repetition figures and the
// digit-sum bounds (stored only when the window closes with valid bounds).
#include <array>

#include "selector_aciertos.h"
#include "ventana_secundaria.h"

class QCheckBox;
class QLineEdit;

class frmFiltroTERMINACIONES : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmFiltroTERMINACIONES(ContextoEditor& contexto, QWidget* padre = nullptr);

protected:
    // The close box validates and stores, exactly like "Volver".
    bool PuedeCerrarUsuario() override { return ValidarYGuardar(); }
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void cmdModificar_Click(int digito);
    void cmdVolver_Click();
    // Shows the first failing check and returns false, or stores the figures
    // and the bounds and returns true.
    bool ValidarYGuardar();
    void MarcarFiltro();

    ContextoEditor& contexto_;
    std::array<QLineEdit*, 10> txtAciertos_{};
    std::array<QCheckBox*, 7> chkFigura_{};
    QLineEdit* txtSumaTerminacionesMinimo_ = nullptr;
    QLineEdit* txtSumaTerminacionesMaximo_ = nullptr;
};
