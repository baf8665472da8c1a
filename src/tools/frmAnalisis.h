#pragma once
// "ANALISIS": how often each digit stands at each position of the current
// result, as counts or percentages, and which first and last two and three
// digits occur. The counting is the engine's; the window changes nothing
// outside itself.
#include <array>
#include <cstdint>

#include "analisis.h"
#include "sesion.h"
#include "ventana_secundaria.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QToolButton;

class frmAnalisis : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmAnalisis(EstadoSesion& sesion, QWidget* padre = nullptr);

    // Rows of the current result to analyse; set by the opener before showing.
    int32_t TotalNumeros = 0;

    // How many activations have run their analysis.
    int Activaciones() const { return activaciones_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void ConstruirControles();
    void ConectarControles();

    void Form_Activate();
    void AnalizarPrimerasCifras();
    void AnalizarUltimasCifras();
    void MostrarCifras(const AnalisisCifras& analisis, QPlainTextEdit* dos, QLabel* lblDos, QPlainTextEdit* tres,
                       QLabel* lblTres);
    void MostrarRejilla(bool porcentajes);
    void cmdSwitch_Click();
    void cmdVerAnalisis_Click();

    EstadoSesion& sesion_;
    FrecuenciasCasillas Frecuencias{};
    int activaciones_ = 0;

    std::array<QLabel*, kCasillas> lblN_{};
    std::array<QLabel*, kCasillas> lblNumero_{};
    std::array<QLabel*, 9> lblUnidades_{};
    QPushButton* cmdSwitch_ = nullptr;
    QPlainTextEdit* txt2Cifras_ = nullptr;
    QPlainTextEdit* txt3Cifras_ = nullptr;
    QPlainTextEdit* txtDecenasJugadas_ = nullptr;
    QPlainTextEdit* txtCentenasJugadas_ = nullptr;
    QLabel* lbl2PrimerasCifras_ = nullptr;
    QLabel* lbl3PrimerasCifras_ = nullptr;
    QLabel* lbl2UltimasCifras_ = nullptr;
    QLabel* lbl3UltimasCifras_ = nullptr;
    QToolButton* cmdVerAnalisis_ = nullptr;
    QPushButton* cmdVolver_ = nullptr;
};
