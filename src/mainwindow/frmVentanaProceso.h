#pragma once
// "Reduciendo...": the modal window that runs the reduction of the
// conditioned numbers. The run is the engine's; the window shows what the
// engine reports, forwards its stop image and closes itself at the end.
#include <string>

#include "controlador_reduccion.h"
#include "observador_reduccion.h"
#include "ventana_secundaria.h"

class EtiquetaPulsable;
class QFrame;
class QLabel;
class QProgressBar;
class QShowEvent;
class frmPrincipal;

class frmVentanaProceso : public VentanaSecundaria, private ObservadorReduccion {
    Q_OBJECT
public:
    // `entradas` must have been built from the session's conditioned numbers.
    frmVentanaProceso(frmPrincipal& principal, TablasReduccion& entradas, QWidget* padre = nullptr);

    // The stop image: the running reduction returns at its next yield,
    // keeping the best result it has.
    void cmdDETENER_Click();

protected:
    // Never while the reduction or the adjustment runs: closing would hand
    // the main window back while the result is still being written.
    bool PuedeCerrarUsuario() override { return terminada_; }
    void showEvent(QShowEvent* evento) override;

private:
    // The whole run, once the window is on screen.
    void Form_Activate();

    void MostrarTipo(const std::string& texto) override;
    void MostrarCiclo(const std::string& texto) override;
    void MostrarNumeros(int32_t cuenta, const std::string& ayuda) override;
    void MostrarProgreso(int porcentaje) override;
    void MostrarReducidas(int32_t cuenta) override;
    void EmpezarAjuste(const std::string& titulo) override;

    frmPrincipal& principal_;
    ControladorReduccion controlador_;
    bool activada_ = false;
    bool terminada_ = false;

    QFrame* ShapeBorde_ = nullptr;
    QLabel* lblTipo_ = nullptr;
    QLabel* lblCiclos_ = nullptr;
    QLabel* lblApuestasVP_ = nullptr;
    QFrame* picFondoProgressBar_ = nullptr;
    QProgressBar* lblProgressBar_ = nullptr;
    EtiquetaPulsable* cmdDETENER_ = nullptr;
};
