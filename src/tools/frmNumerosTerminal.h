#pragma once
// "Números de Terminal": looks up a draw and its numbers on sale, narrows
// them down by digit and quantity, and saves them.
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "numeros_terminal.h"
#include "ventana_secundaria.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class frmNumerosTerminal : public VentanaSecundaria {
    Q_OBJECT
public:
    // Draws are read from the draw files of `carpetaSorteos`.
    explicit frmNumerosTerminal(const QString& carpetaSorteos, QWidget* padre = nullptr);

private:
    void ConstruirControles();
    void ConectarControles();
    void Form_Load();

    void cmdConsultarSorteo_Click();
    void cmdConsultarSorteoAnteriorSiguiente(int modo);
    void cmdIniDatosSorteo_Click();
    void IniFiltrarSorteos_Click();
    void cmdFiltrar_Click();
    void cmdGuardarFicheroFiltrado_Click();
    void cmdGuardarFicheroInternet_Click();
    void cmdVolver_Click();
    void ConsultarSorteo(int modo, const std::string& clave);
    void BloquearPaneles();
    void DesbloquearPaneles();
    void LimpiarFiltro();
    bool Guardar(const QString& titulo, const QString& nombre, const std::string& texto);

    QString carpeta_;
    // The loaded draw and the filter result.
    DatosSorteo sorteo_;
    std::vector<DecimoEnVenta> filtrados_;

    QFrame* picDatosSorteos_ = nullptr;
    QFrame* picFiltrarSorteos_ = nullptr;
    QComboBox* cboDias_ = nullptr;
    QComboBox* cboMeses_ = nullptr;
    QLineEdit* txtAnio_ = nullptr;
    QComboBox* cboDia_ = nullptr;
    QPushButton* cmdConsultarSorteo_ = nullptr;
    QPushButton* cmdConsultarUltimoSorteo_ = nullptr;
    QPushButton* cmdConsultarSorteoAnterior_ = nullptr;
    QPushButton* cmdConsultarSorteoSiguiente_ = nullptr;
    QLineEdit* txtIDSorteo_ = nullptr;
    QLineEdit* txtNombreSorteo_ = nullptr;
    QLineEdit* txtPrimerPremio_ = nullptr;
    QLineEdit* txtSegundoPremio_ = nullptr;
    QLineEdit* txtTotalDecimosInternet_ = nullptr;
    QToolButton* cmdIniDatosSorteo_ = nullptr;
    QToolButton* cmdGuardarFicheroInternet_ = nullptr;
    std::array<QComboBox*, 5> cboTerminaciones_{};
    QLineEdit* txtCantidadDisponibleMIN_ = nullptr;
    QLineEdit* txtCantidadDisponibleMAX_ = nullptr;
    QPushButton* cmdFiltrar_ = nullptr;
    QLineEdit* txtNumeroDecimosFiltrados_ = nullptr;
    QToolButton* IniFiltrarSorteos_ = nullptr;
    QToolButton* cmdGuardarFicheroFiltrado_ = nullptr;
    QFrame* picVentanaEspera_ = nullptr;
    QPushButton* cmdVolver_ = nullptr;
};
