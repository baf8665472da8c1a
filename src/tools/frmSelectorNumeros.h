#pragma once
// "SELECTOR DE NUMEROS": imports a text file of numbers, lists which last
// three, last two and last digits occur in it and how often, and picks
// numbers from it (one per ending, or the capicúas).
#include <array>
#include <cstdint>

#include "dialogos_archivo.h"
#include "fichero_numeros.h"
#include "sesion.h"
#include "ventana_secundaria.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class frmSelectorNumeros : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmSelectorNumeros(EstadoSesion& sesion, QWidget* padre = nullptr);

    int32_t TotalImportados = 0;

private:
    void ConstruirControles();
    void ConectarControles();

    void LimpiarResultados();
    void DesactivarControles();
    void ActivarControles();
    void FijarControles(bool activos);
    bool HayFichero();

    void cmdDesdeFichero_Click();
    void MostrarTerminaciones();
    void cmdGenerarTerminaciones_Click();
    void cmdGenerarCapicuas_Click();
    void cmdImprimir_Click();
    void cmdVerenBlocdeNotas_Click(int indice);
    void cmdVolver_Click();

    EstadoSesion& sesion_;
    RegistroDialogo gDialogo;
    LecturaNumeros DigitosImportados;

    QToolButton* cmdDesdeFichero_ = nullptr;
    QLineEdit* txtFicheroASCII_ = nullptr;
    QLabel* lblApuCombinacionNueva_ = nullptr;
    QPlainTextEdit* txtCentenasJugadas_ = nullptr;
    QPlainTextEdit* txtDecenasJugadas_ = nullptr;
    QPlainTextEdit* txtUnidadesJugadas_ = nullptr;
    QLabel* lblNumeroCentenas_ = nullptr;
    QLabel* lblNumeroDecenas_ = nullptr;
    QLabel* lblNumeroUnidades_ = nullptr;
    QComboBox* cboTipoTerminacion_ = nullptr;
    QCheckBox* chkAleatorio_ = nullptr;
    QListWidget* lstOrdenacion_ = nullptr;
    QPushButton* cmdGenerarTerminaciones_ = nullptr;
    QPlainTextEdit* txtNumerosElegidos_ = nullptr;
    QPlainTextEdit* txtTerminacionesFaltantes_ = nullptr;
    QPlainTextEdit* txtComienzosFaltantes_ = nullptr;
    QLabel* lblNumerosElegidos_ = nullptr;
    QLabel* lblTerminacionesFaltantes_ = nullptr;
    QLabel* lblComienzosFaltantes_ = nullptr;
    QPushButton* cmdGenerarCapicuas_ = nullptr;
    QPlainTextEdit* txtNumerosElegidosCapicuas_ = nullptr;
    QLabel* lblNumerosCapicuas_ = nullptr;
    QPushButton* cmdImprimir_ = nullptr;
    std::array<QToolButton*, 4> cmdVerenBlocdeNotas_{};
    QPushButton* cmdVolver_ = nullptr;
};
