#pragma once
// The main window: base grid and base source, filter panel, reduction
// options, counters, wait panel, menus and icon bar. It holds no engine
// logic; the shared state lives in the EstadoSesion handed to it.
#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "ajustes_filtros.h"
#include "dialogos_archivo.h"
#include "rejilla_casillas.h"
#include "direcciones.h"
#include "sesion.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;


inline const QString kVersionPrograma = QStringLiteral("1.0");
inline const QString kNombreBaseSinGuardar = QStringLiteral("Sin guardar.xml");
inline const QString kFicheroManual = QStringLiteral("ayudaVORTESALIN.pdf");

class frmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kIconos = 6;  // imgCalcular .. imgAyuda

    explicit frmPrincipal(EstadoSesion& sesion, QWidget* padre = nullptr);
    ~frmPrincipal() override;

    EstadoSesion& Sesion() { return sesion_; }

    // Settings and results of the open and save dialogs, shared by the
    // window's file commands: fields a command does not set keep what the
    // last dialog left in them.
    RegistroDialogo gDialogo;

    // Busy flag of the long operations ("Calcular", the text import): while
    // set, the close box does nothing.
    bool EnProceso() const { return EnProceso_; }
    void FijarEnProceso(bool enProceso) { EnProceso_ = enProceso; }

    // Numbers eliminated by each filter in the last run, by filter index 0..10.
    std::array<int32_t, kNumIndicesFiltro>& EliminadasFiltro() { return EliminadasFiltro_; }
    // Empties EliminadasFiltro and shows "-" in every lblNumeroELiminadas.
    void ReiniciarEliminadas();

    // Grid mode when optBase(0) is selected, file mode when optBase(1) is.
    bool ModoFichero() const;

    // The count of the current result: txtApuestasReducidas read back.
    qint64 CuentaResultado() const;

    // Controls other windows read and write, by their names.
    RejillaCasillas* Rejilla() const { return rejilla_; }
    QLabel* lblNumero(int indice) const { return rejilla_->Celda(indice); }
    QLabel* lblContador(int indice) const { return rejilla_->Contador(indice + 1); }
    QLabel* lblTipoCombinacion() const { return lblTipoCombinacion_; }
    QComboBox* cboNumeroGanador(int indice) const { return cboNumeroGanador_[static_cast<size_t>(indice)]; }
    QPushButton* cmdAlazar() const { return cmdAlazar_; }
    QRadioButton* optBase(int indice) const { return optBase_[static_cast<size_t>(indice)]; }
    QLineEdit* txtFicheroASCII() const { return txtFicheroASCII_; }
    QLineEdit* txtFicheroBASE() const { return txtFicheroBASE_; }
    QCheckBox* chkFiltros(int indice) const { return chkFiltros_[static_cast<size_t>(indice)]; }
    QLabel* lblFiltro(int indice) const { return lblFiltro_[static_cast<size_t>(indice)]; }
    QLabel* lblNumeroELiminadas(int indice) const { return lblNumeroELiminadas_[static_cast<size_t>(indice)]; }
    QLineEdit* txtApuestasIniciales() const { return txtApuestasIniciales_; }
    QLineEdit* txtApuestasCondicionadas() const { return txtApuestasCondicionadas_; }
    QLineEdit* txtApuestasReducidas() const { return txtApuestasReducidas_; }
    QComboBox* cboTipoReduccion() const { return cboTipoReduccion_; }
    QRadioButton* optTipo(int indice) const { return optTipo_[static_cast<size_t>(indice)]; }
    QLineEdit* txtPorcentaje() const { return txtPorcentaje_; }
    QLineEdit* txtNUApuestas() const { return txtNUApuestas_; }
    QCheckBox* chkApuestasExactas() const { return chkApuestasExactas_; }
    QCheckBox* chkAleatorio() const { return chkAleatorio_; }
    QCheckBox* chkActivarCiclos() const { return chkActivarCiclos_; }
    QLabel* lbltituloProgress() const { return lbltituloProgress_; }
    QTimer* Timer1() const { return Timer1_; }

    // Reading the grid for "Calcular" and the import.
    int ContarCasillasSeleccionadas() const;
    // Fills gValorElemento 1..gNumElementos with the selected cells, ascending;
    // the caller sets gNumElementos to the count first.
    void CargarNumerosSeleccionados();

public slots:
    // Base grid and counters.
    void InicializarNumeros();
    void SeleccionarTodosNumeros();
    void cmdAlazar_Click();
    void InicializarCombinacion();
    void imgDesactivarFiltros_Click();
    // Repaints the grid from the session's model and recomputes the counters.
    void ActualizarApuestasIniciales();
    // Column counters and, when conTipo, lblTipoCombinacion.
    void ActualizarContadores(bool conTipo);

    // Options.
    void optBase_Click(int indice);
    void optTipo_Click(int indice);
    void cmdPorcentaje_Click();

    // Input lock of the long operations; HabilitarControles re-applies the
    // file-mode lock.
    void DeshabilitarControles();
    void HabilitarControles();

    // Wait panel: shown with its title blinking (Timer1 at 5 ms) and, when
    // asked, its progress bar; hidden with the timer stopped.
    void MostrarVentanaEspera(const QString& titulo, bool conBarra = false);
    void OcultarVentanaEspera();
    void FijarTituloEspera(const QString& titulo);
    void FijarProgresoEspera(int porcentaje);
    void Timer1_Timer();

    // Commands of this window.
    void lblFiltro_Click(int indice);
    void menuSalir_Click();
    void AbrirEscrutador();
    void AbrirAnalisis();
    void imgImprimir_Click();
    void AbrirManual();
    void AbrirWeb();
    void AbrirTwitter();

    // Commands whose work lives in other windows and modules. The menus,
    // icons, buttons and labels are wired to them.
    virtual void CalcularCombinacion();
    virtual void AbrirBaseXML();
    virtual void GuardarBaseXML();
    virtual void cmdDesdeFichero_Click();
    virtual void ExportarReduccion(int modo);  // 1 save as text, 2 open in the text editor
    virtual void VerInformeEliminadas();
    // Shows the editor of filter 3..10 modally (after lblFiltro_Click's own steps).
    virtual void AbrirEditorFiltro(int indice);
    virtual void MostrarEscrutador(int32_t totalNumeros);
    virtual void MostrarAnalisis(int32_t totalNumeros);
    virtual void MostrarImprimir(int32_t totalDecimos);
    virtual void MostrarSelector();
    virtual void MostrarNumerosTerminal();
    virtual void MostrarAcercaDe();
    virtual void MostrarAutor();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    enum class ZonaRaton { Ninguna, Fondo, Apuestas, OpcionesReduccion };

    void CrearMenus();
    QWidget* CrearBarraIconos();
    QWidget* CrearPanelBase();
    QWidget* CrearPanelFiltros();
    QWidget* CrearPanelReduccion();
    QWidget* CrearPanelApuestas();
    void CrearVentanaEspera(QWidget* padre);
    void Conectar();
    void Form_Load();
    void Form_Unload();

    // "Calcular", step by step: the reduction of the conditioned numbers in
    // the modal reduction window.
    void ReducirCondicionados();

    void lblNumero_Click(int indice);
    void cboTipoReduccion_Click();
    void AplicarModoBase(bool fichero);
    void FijarEntradas(bool habilitadas);
    void ColocarVentanaEspera();

    // Hover looks.
    void MarcarZona(QWidget* w, ZonaRaton zona);
    void RatonSobreFondo();
    void RatonSobreFiltro(int indice);
    void FiltrosSinResaltar();
    void FijarBordeCalcular(bool opaco);

    EstadoSesion& sesion_;
    ModeloRejillaBase modeloRejilla_;

    bool EnProceso_ = false;
    bool AtenderClickBase_ = true;
    bool cierrePorPrograma_ = false;
    std::array<int32_t, kNumIndicesFiltro> EliminadasFiltro_{};

    // Menus.
    QMenu* menuArchivo_ = nullptr;
    QMenu* menuDesarrollos_ = nullptr;
    QMenu* menuUtilidades_ = nullptr;
    QMenu* menuAyuda_ = nullptr;

    // Icon bar and its hover frames.
    std::array<QToolButton*, kIconos> iconos_{};
    std::array<QFrame*, kIconos> ShapeBorde_{};

    // Base source and files.
    QFrame* picOptionButton_ = nullptr;
    std::array<QRadioButton*, 2> optBase_{};
    QLabel* lblTitDesdeCero_ = nullptr;
    QLabel* lblTitDesdeFichero_ = nullptr;
    QLabel* lblTitFichero_ = nullptr;
    QLineEdit* txtFicheroASCII_ = nullptr;
    QToolButton* cmdDesdeFichero_ = nullptr;
    QLineEdit* txtFicheroBASE_ = nullptr;
    QToolButton* cmdAbrirBASE_ = nullptr;
    QToolButton* cmdGuardarBASE_ = nullptr;

    // Grid.
    RejillaCasillas* rejilla_ = nullptr;
    QLabel* lblTipoCombinacion_ = nullptr;
    std::array<QComboBox*, kPosiciones> cboNumeroGanador_{};
    QPushButton* cmdAlazar_ = nullptr;
    QToolButton* imgINICombinacion_ = nullptr;
    QToolButton* imgININumeros_ = nullptr;
    QToolButton* imgALLNumeros_ = nullptr;

    // Filter panel.
    std::array<QCheckBox*, kNumIndicesFiltro> chkFiltros_{};
    std::array<EtiquetaPulsable*, kNumIndicesFiltro> lblFiltro_{};
    std::array<QLabel*, kNumIndicesFiltro> lblNumeroELiminadas_{};
    QToolButton* imgDesactivarFiltros_ = nullptr;
    QToolButton* cmdVerInformeEliminadas_ = nullptr;
    QToolButton* cmdVerResumenFiltros_ = nullptr;

    // Reduction options.
    QFrame* picOpcionesReduccion_ = nullptr;
    QComboBox* cboTipoReduccion_ = nullptr;
    std::array<QRadioButton*, 2> optTipo_{};
    QLineEdit* txtPorcentaje_ = nullptr;
    QToolButton* cmdPorcentaje_ = nullptr;
    QLineEdit* txtNUApuestas_ = nullptr;
    QCheckBox* chkApuestasExactas_ = nullptr;
    QCheckBox* chkAleatorio_ = nullptr;
    QCheckBox* chkActivarCiclos_ = nullptr;

    // Counters, "Calcular" and the result commands.
    QFrame* picApuestas_ = nullptr;
    QLineEdit* txtApuestasIniciales_ = nullptr;
    QLineEdit* txtApuestasCondicionadas_ = nullptr;
    QLineEdit* txtApuestasReducidas_ = nullptr;
    QFrame* BordeCalcular_ = nullptr;
    EtiquetaPulsable* lblCalcular_ = nullptr;
    QToolButton* cmdGuardarReduccion_ = nullptr;
    QToolButton* cmdVerenBlocdeNotas_ = nullptr;
    QToolButton* cmdImprimirInformeApuestas_ = nullptr;

    // Wait panel.
    QFrame* picVentanaEspera_ = nullptr;
    QLabel* lbltituloProgress_ = nullptr;
    QFrame* picFondoProgressBar_ = nullptr;
    QProgressBar* lblProgressBar_ = nullptr;
    QTimer* Timer1_ = nullptr;
};
