#pragma once
// "ESCRUTADOR": checks a list of numbers (the current result or a text file
// of numbers) against a winning number, and shows the list six numbers at a
// time with the matching digits marked. The counting is the engine's.
#include <QString>
#include <array>
#include <cstdint>

#include "dialogos_archivo.h"
#include "escrutinio.h"
#include "fichero_numeros.h"
#include "sesion.h"
#include "ventana_secundaria.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QTimer;
class QToolButton;
class QFrame;

class frmEscrutar : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmEscrutar(EstadoSesion& sesion, QWidget* padre = nullptr);
    ~frmEscrutar() override;

    // Rows of the current result to check; set by the opener before showing.
    int32_t TotalNumeros = 0;

    // How many scrutinies have run since the window was created.
    int Escrutinios() const { return escrutinios_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void ConstruirControles();
    void ConectarControles();

    void Form_Activate();
    void Escrutar();
    NumeroGanador GanadorElegido() const;
    bool CargarNumerosEscrutar();

    void BloquearControles();
    void DesbloquearControles();
    void LimpiarBloque();
    void MostrarCabeceraBloque(int32_t primero);
    void MostrarBloque(int16_t ultimo, int32_t desplazamiento);
    void ActualizarNavegacion();
    void MostrarNumeroBloque(int32_t bloque);

    void cboNumeroGanador_Click();
    void cmdAlazar_Click();
    void imgININumeros_Click();
    void cmdPrimero_Click();
    void cmdUltimo_Click();
    void cmdRetroceder_Click();
    void cmdAvanzar_Click();
    void txtIrBoleto_Intro();
    void optModo_Click(int indice);
    void cmdDesdeFichero_Click();
    void cmdVolver_Click();
    void Timer1_Timer();
    void LiberarNumeros();

    QLabel* lblColumna(int fila, int columna) const { return lblColumna_[static_cast<size_t>(fila * kPosiciones + columna - 1)]; }

    EstadoSesion& sesion_;
    RegistroDialogo gDialogo;
    LecturaNumeros DigitosImportados;
    int32_t BloqueActual = 1;
    bool Rellenando = false;
    bool escrutando_ = false;  // a run is going on
    bool repetir_ = false;     // asked for again during the run
    bool activada_ = false;
    int escrutinios_ = 0;

    std::array<QComboBox*, kPosiciones> cboNumeroGanador_{};
    std::array<QCheckBox*, kPosiciones> chkEscrutar_{};
    std::array<QLabel*, 10> lblUnidades_{};
    QLabel* lblTitNumeros_ = nullptr;
    QPushButton* cmdAlazar_ = nullptr;
    QToolButton* imgININumeros_ = nullptr;
    QPushButton* cmdEscrutar_ = nullptr;
    QFrame* picOptionButton_ = nullptr;
    std::array<QRadioButton*, 2> optModo_{};
    QLabel* lblTitCombinacionActual_ = nullptr;
    QLabel* lblApuCombinacionActual_ = nullptr;
    QLabel* lblTitCombinacionNueva_ = nullptr;
    QLabel* lblApuCombinacionNueva_ = nullptr;
    QToolButton* cmdDesdeFichero_ = nullptr;
    QLineEdit* txtFicheroASCII_ = nullptr;
    QPlainTextEdit* txtPremios_ = nullptr;
    std::array<QLabel*, 6 * kPosiciones> lblColumna_{};  // row-major; named by the index r x 6 + c - 1
    std::array<QLabel*, 6> lblNuApuesta_{};
    QLabel* lblNumeroBoleto_ = nullptr;
    QPushButton* cmdPrimero_ = nullptr;
    QPushButton* cmdRetroceder_ = nullptr;
    QPushButton* cmdAvanzar_ = nullptr;
    QPushButton* cmdUltimo_ = nullptr;
    QLabel* lblIrNumeroBoleto_ = nullptr;
    QLineEdit* txtIrBoleto_ = nullptr;
    QLabel* lblEscrutando_ = nullptr;
    QTimer* Timer1_ = nullptr;
    QPushButton* cmdVolver_ = nullptr;
};
