#pragma once
// "PANEL DE IMPRESION": draw data, title and footer, printer, paper type,
// orientation and margins, and the printing of all tickets, an interval of
// them or a single one (one ticket per number of the current result).
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "panel_impresion.h"
#include "sesion.h"
#include "ventana_secundaria.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPrinter;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QToolButton;

class frmImprimir : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmImprimir(EstadoSesion& sesion, QWidget* padre = nullptr);

    // Set by the opener before showing.
    int32_t TotalDecimos = 0;
    int32_t ParametroAuxiliar = 0;
    // The BASE or imported file the result comes from, as its box shows it.
    QString RutaBase;
    // The print settings file written by "Volver".
    QString RutaConfig;
    // When set, printing writes this PDF file instead of using a printer.
    QString SalidaPdf;

    // One finished print run: paper type and the range handed to the routine.
    struct Impresion {
        int tipoPapel = 0;
        int32_t indice = 0, primero = 0, ultimo = 0;
        int paginas = 0;
    };
    const QList<Impresion>& Impresiones() const { return impresiones_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void ConstruirControles();
    void ConectarControles();
    void Form_Load();
    void Form_Unload();

    void cmdVolver_Click();
    void cmdImprimir_Click();
    void cmdVisorQR_Click();
    void cmdCerrarpicContenedor_Click();
    void cmdVerenBlocdeNotas_Click();
    void cboTipoPapel_Click();
    void cboNombreImpresora_Click();
    void FechaSorteo_Change();
    void optImBoletos_Click(int indice);

    bool ValidarDatosSorteo();
    void ValidarMargenes();
    void GuardarMargenes();
    void ConfigurarImpresora(QPrinter& impresora);
    void Imprimir(const RangoDecimos& rango);
    void ImprimirCodigosQR(QPainter& p, QPrinter& impresora, const DatosImpresion& datos,
                           const DisposicionPagina& disposicion, int32_t indice, int32_t primero, int32_t ultimo,
                           int& paginas);
    void ImprimirDecimos(QPainter& p, QPrinter& impresora, const DatosImpresion& datos,
                         const DisposicionPagina& disposicion, int32_t indice, int32_t primero, int32_t ultimo,
                         int& paginas);
    // The draw data, title and footer as the boxes hold them now.
    DatosImpresion LeerDatos() const;
    void BloquearControles();
    void DesbloquearControles();
    void FijarBloqueo(bool habilitado);

    // The number of ticket n (1-based) as five digits; "" past the result.
    QString NumeroDecimo(int32_t n) const;
    std::vector<std::string> Numeros(int32_t primero, int32_t ultimo) const;
    int NivelQR() const;

    EstadoSesion& sesion_;
    int32_t totalDecimos_ = 0;
    bool cargado_ = false;
    QList<Impresion> impresiones_;

    QLineEdit* txtNombreQuinielaBase_ = nullptr;
    QLabel* lblBoletos_ = nullptr;
    QLineEdit* txtTitulo_ = nullptr;
    QLineEdit* txtPie_ = nullptr;
    QLineEdit* txtNombreSorteo_ = nullptr;
    QLineEdit* txtNumeroSorteo_ = nullptr;
    QLineEdit* txtPrecioSorteo_ = nullptr;
    QLineEdit* txtDiaSorteo_ = nullptr;
    QComboBox* cboMesSorteo_ = nullptr;
    QLineEdit* txtAnioSorteo_ = nullptr;
    QComboBox* cboDiaSorteo_ = nullptr;
    QComboBox* cboNombreImpresora_ = nullptr;
    QComboBox* cboTipoPapel_ = nullptr;
    QComboBox* cboOrientacion_ = nullptr;
    QLineEdit* txtAnchuraREVERSOBOLETOS_ = nullptr;
    QLineEdit* txtAlturaREVERSOBOLETOS_ = nullptr;
    std::array<QRadioButton*, 3> optImBoletos_{};
    QFrame* picIntervalo_ = nullptr;
    QLineEdit* txtPriBoleto_ = nullptr;
    QLineEdit* txtUltBoleto_ = nullptr;
    QFrame* picNBoleto_ = nullptr;
    QLineEdit* txtNBoleto_ = nullptr;
    QCheckBox* chkCabeceraBoleto_ = nullptr;
    QLabel* lblCabeceraBoleto_ = nullptr;
    QCheckBox* chkFondoDecimo_ = nullptr;
    QLabel* lblFondoDecimo_ = nullptr;
    QComboBox* cboNumeroDecimos_ = nullptr;
    QComboBox* cboTipoGeneradorQR_ = nullptr;
    QPushButton* cmdImprimir_ = nullptr;
    QPushButton* cmdVolver_ = nullptr;
    QToolButton* cmdVisorQR_ = nullptr;
    QToolButton* cmdVerenBlocdeNotas_ = nullptr;
    QFrame* picVisorContenedor_ = nullptr;
    QLabel* picVisorQR_ = nullptr;
    QLabel* lblDecimoQR_ = nullptr;
    QLabel* lblNumeroBoletoVisorQR_ = nullptr;
    std::array<QPushButton*, 4> navegacionVisor_{};
    QPushButton* cmdCerrarpicContenedor_ = nullptr;
};

// A QR code of `texto` with one pixel per module and a quiet zone of four;
// nivel 0..3 is the error-correction level (L, M, Q, H). Null on failure.
class QImage;
QImage ImagenQR(const QByteArray& texto, int nivel);
