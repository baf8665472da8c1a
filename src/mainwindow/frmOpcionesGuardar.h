#pragma once
// "Opciones": how a 5-digit number is written when numbers are saved.
#include <cstdint>

#include "ventana_secundaria.h"

class QComboBox;
class QPushButton;

class frmOpcionesGuardar : public VentanaSecundaria {
    Q_OBJECT
public:
    // formatoNumero: the session's gFormatoNumero (0 "12345", 1 "1 2 3 4 5",
    // 2 "1,2,3,4,5", 3 "1-2-3-4-5"); shown at load, written by "Continuar".
    explicit frmOpcionesGuardar(int16_t& formatoNumero, QWidget* padre = nullptr);

private:
    void cmdContinuar_Click();

    int16_t& gFormatoNumero;
    QComboBox* cboFormatoNumero = nullptr;
    QPushButton* cmdContinuar = nullptr;
};
