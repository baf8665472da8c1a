// The main window's handlers: start-up and close, the grid and its counters,
// the options, the input lock, the wait panel and the commands of the window.
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "fecha_sorteo.h"
#include "frmprincipal.h"
#include "mensajes.h"
#include "sistema.h"

namespace {
const QString kPreguntaSalir =
    QStringLiteral("NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA SALIR DE TODAS FORMAS ?");
const QString kPreguntaInicializar =
    QStringLiteral("NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA INICIALIZARLA DE TODAS FORMAS ?");
const QString kPreguntaFicheroImportado =
    QStringLiteral("HAY UN FICHERO IMPORTADO Y SE BORRARA, ¿ DESEA CONTINUAR DE TODAS FORMAS ?");
const QString kErrorSinNumeros = QStringLiteral("ERROR: No hay números generados");

// A colour channel from a random value in [0, 1): rounded half to even, at most 255.
int Canal(double u) { return static_cast<int>(std::min(std::nearbyint(u * 256.0), 255.0)); }
}  // namespace

// ---- Start-up and close ------------------------------------------------------

void frmPrincipal::Form_Load() {
    setWindowTitle(kNombrePrograma + QLatin1Char(' ') + kVersionPrograma);
    AtenderClickBase_ = true;
    for (QComboBox* combo : cboNumeroGanador_) {
        for (int n = 1; n <= 9; ++n) combo->addItem(QString::number(n));
        combo->setCurrentIndex(0);
    }
    cboTipoReduccion_->setCurrentIndex(0);  // recounts through its handler
    sesion_.filtros.InicializarFiltros();
    const QString config = CarpetaPrograma() + QLatin1Char('/') + QString::fromLatin1(kNombreConfigImpresion);
    LeerConfigImpresion(sesion_.impresion, config.toStdString());
    sesion_.gCombinacionGuardada = true;
    const QDate hoy = QDate::currentDate();
    FijarSorteoPorDefecto(sesion_.impresion, hoy.year(), hoy.month(), hoy.day());
}

void frmPrincipal::closeEvent(QCloseEvent* evento) {
    // Only a close the program did not ask for itself is checked.
    if (!cierrePorPrograma_) {
        if (EnProceso_ ||
            (!sesion_.gCombinacionGuardada &&
             Mensaje(kPreguntaSalir, EstiloMensaje::PreguntaSiNo, this) != RespuestaMensaje::Si)) {
            evento->ignore();
            return;
        }
    }
    cierrePorPrograma_ = false;
    Form_Unload();
    evento->accept();
}

void frmPrincipal::Form_Unload() {
    TablasSesion& t = sesion_.tablas;
    t.gElementosApuesta.Borrar();
    t.gCombinaciones.Borrar();
    t.gImportados.Borrar();
    t.gNumImportados = 0;
    t.gResultado.Borrar();
}

void frmPrincipal::menuSalir_Click() {
    if (!sesion_.gCombinacionGuardada &&
        Mensaje(kPreguntaSalir, EstiloMensaje::PreguntaSiNo, this) != RespuestaMensaje::Si)
        return;
    cierrePorPrograma_ = true;
    close();
    cierrePorPrograma_ = false;
}

// ---- Grid and counters -------------------------------------------------------

void frmPrincipal::lblNumero_Click(int) {
    // The grid has already toggled the cell in the model.
    sesion_.gCombinacionGuardada = false;
    ActualizarApuestasIniciales();
}

void frmPrincipal::InicializarNumeros() {
    rejilla_->Limpiar();
    ActualizarApuestasIniciales();
    sesion_.gCombinacionGuardada = false;
}

void frmPrincipal::SeleccionarTodosNumeros() {
    rejilla_->SeleccionarTodas();
    ActualizarApuestasIniciales();
    sesion_.gCombinacionGuardada = false;
}

void frmPrincipal::cmdAlazar_Click() {
    InicializarNumeros();
    std::array<uint8_t, 10> a{};
    std::iota(a.begin(), a.end(), uint8_t{0});
    // The order is shuffled on from one position to the next; a[0] takes part
    // in the swaps but is never picked, so no column is ever filled whole.
    for (int p = 1; p <= kPosiciones; ++p) {
        sesion_.aleatorio.SembrarConReloj();
        for (int k = 1; k <= 9; ++k) {
            const int r = static_cast<int>(sesion_.aleatorio.Siguiente() * 10.0);
            std::swap(a[static_cast<size_t>(k)], a[static_cast<size_t>(std::clamp(r, 0, 9))]);
        }
        const int cuantos = cboNumeroGanador_[static_cast<size_t>(p - 1)]->currentIndex() + 1;
        for (int j = 1; j <= cuantos && j <= 9; ++j)
            sesion_.rejilla.Fijar(CasillaDeDigito(a[static_cast<size_t>(j)], static_cast<int16_t>(p)), true);
    }
    ActualizarApuestasIniciales();
}

void frmPrincipal::InicializarCombinacion() {
    if (!sesion_.gCombinacionGuardada &&
        Mensaje(kPreguntaInicializar, EstiloMensaje::PreguntaSiNo, this) != RespuestaMensaje::Si)
        return;
    InicializarNumeros();
    sesion_.filtros.InicializarFiltros();
    txtFicheroBASE_->setText(kNombreBaseSinGuardar);
    txtFicheroBASE_->setToolTip(QString());
    txtFicheroASCII_->clear();
    txtFicheroASCII_->setToolTip(QString());
    EliminadasFiltro_.fill(0);
    for (int i = 0; i < kNumIndicesFiltro; ++i) {
        chkFiltros_[static_cast<size_t>(i)]->setChecked(false);
        lblNumeroELiminadas_[static_cast<size_t>(i)]->setText(QStringLiteral("-"));
    }
    sesion_.gCombinacionGuardada = true;
}

void frmPrincipal::imgDesactivarFiltros_Click() {
    for (QCheckBox* casilla : chkFiltros_) casilla->setChecked(false);
}

void frmPrincipal::ReiniciarEliminadas() {
    EliminadasFiltro_.fill(0);
    for (QLabel* etiqueta : lblNumeroELiminadas_) etiqueta->setText(QStringLiteral("-"));
}

int frmPrincipal::ContarCasillasSeleccionadas() const { return sesion_.rejilla.Contar(); }

void frmPrincipal::CargarNumerosSeleccionados() {
    TablasSesion& t = sesion_.tablas;
    t.gValorElemento.Redimensionar(1, t.gNumElementos);
    int32_t siguiente = 1;
    for (int c = 1; c <= kCasillas && siguiente <= t.gNumElementos; ++c) {
        if (sesion_.rejilla.Seleccionada(static_cast<Casilla>(c))) t.gValorElemento[siguiente++] = static_cast<Casilla>(c);
    }
}

void frmPrincipal::ActualizarApuestasIniciales() {
    const int n = ContarCasillasSeleccionadas();
    txtApuestasIniciales_->setText(
        FormatoCuenta(static_cast<qint64>(NumCombinaciones(static_cast<int16_t>(n), 5))));
    txtApuestasCondicionadas_->setText(QStringLiteral("0"));
    txtApuestasReducidas_->setText(QStringLiteral("0"));
    ActualizarContadores(true);
}

void frmPrincipal::ActualizarContadores(bool conTipo) {
    rejilla_->Refrescar();  // cells and column counters from the model
    if (!conTipo) return;
    qint64 producto = 1;
    for (int r = 1; r <= kPosiciones; ++r) producto *= rejilla_->Contador(r)->text().toLongLong();
    lblTipoCombinacion_->setText(FormatoCuenta(producto) + QStringLiteral(" Números"));
}

void frmPrincipal::cboTipoReduccion_Click() {
    if (!ModoFichero()) ActualizarApuestasIniciales();
}

// ---- Options -----------------------------------------------------------------

bool frmPrincipal::ModoFichero() const { return optBase_[1]->isChecked(); }

void frmPrincipal::optBase_Click(int indice) {
    if (!AtenderClickBase_) {  // the click our own restore below caused
        AtenderClickBase_ = true;
        return;
    }
    if (!txtFicheroASCII_->text().isEmpty() &&
        Mensaje(kPreguntaFicheroImportado, EstiloMensaje::PreguntaSiNo, this) != RespuestaMensaje::Si) {
        AtenderClickBase_ = false;
        optBase_[indice == 1 ? 0 : 1]->setChecked(true);
        return;
    }
    InicializarNumeros();
    ReiniciarEliminadas();
    txtFicheroASCII_->clear();
    txtFicheroASCII_->setToolTip(QString());
    AplicarModoBase(indice == 1);
    AtenderClickBase_ = true;
}

void frmPrincipal::AplicarModoBase(bool fichero) {
    txtFicheroASCII_->setVisible(fichero);
    cmdDesdeFichero_->setVisible(fichero);
    lblTitFichero_->setVisible(fichero);
    cmdAlazar_->setEnabled(!fichero);
    imgINICombinacion_->setVisible(!fichero);
    imgININumeros_->setVisible(!fichero);
    imgALLNumeros_->setVisible(!fichero);
    rejilla_->HabilitarCeldas(!fichero);
    for (QComboBox* combo : cboNumeroGanador_) combo->setEnabled(!fichero);
    lblTitDesdeCero_->setEnabled(!fichero);
    lblTitDesdeFichero_->setEnabled(fichero);
}

void frmPrincipal::optTipo_Click(int indice) {
    const bool apuestas = indice == 0;
    txtNUApuestas_->setEnabled(apuestas);
    txtPorcentaje_->setEnabled(!apuestas);
    chkApuestasExactas_->setEnabled(apuestas);
    if (!apuestas) chkApuestasExactas_->setChecked(false);
}

void frmPrincipal::cmdPorcentaje_Click() { txtPorcentaje_->setText(QStringLiteral("100")); }

// ---- Input lock --------------------------------------------------------------

void frmPrincipal::FijarEntradas(bool habilitadas) {
    for (QMenu* menu : {menuArchivo_, menuDesarrollos_, menuUtilidades_, menuAyuda_})
        menu->menuAction()->setEnabled(habilitadas);
    for (QToolButton* icono : iconos_) icono->setEnabled(habilitadas);
    rejilla_->HabilitarCeldas(habilitadas);
    for (int i = 0; i < kNumIndicesFiltro; ++i) {
        chkFiltros_[static_cast<size_t>(i)]->setEnabled(habilitadas);
        lblFiltro_[static_cast<size_t>(i)]->setEnabled(habilitadas);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{imgINICombinacion_, imgININumeros_, imgALLNumeros_, cmdAlazar_,
                                                      cmdVerInformeEliminadas_, cmdVerResumenFiltros_,
                                                      imgDesactivarFiltros_, picOpcionesReduccion_, picApuestas_,
                                                      picOptionButton_, cmdAbrirBASE_, cmdGuardarBASE_, txtFicheroBASE_,
                                                      cmdDesdeFichero_, txtFicheroASCII_})
        w->setEnabled(habilitadas);
    for (QComboBox* combo : cboNumeroGanador_) combo->setEnabled(habilitadas);
    cmdAlazar_->setEnabled(habilitadas);
}

void frmPrincipal::DeshabilitarControles() { FijarEntradas(false); }

void frmPrincipal::HabilitarControles() {
    FijarEntradas(true);
    if (ModoFichero()) {
        rejilla_->HabilitarCeldas(false);
        for (QComboBox* combo : cboNumeroGanador_) combo->setEnabled(false);
        cmdAlazar_->setEnabled(false);
    }
}

// ---- Wait panel --------------------------------------------------------------

void frmPrincipal::MostrarVentanaEspera(const QString& titulo, bool conBarra) {
    Timer1_->setInterval(5);
    Timer1_->start();
    lbltituloProgress_->setText(titulo);
    lblProgressBar_->setValue(0);
    picFondoProgressBar_->setVisible(conBarra);
    picVentanaEspera_->adjustSize();
    ColocarVentanaEspera();
    picVentanaEspera_->show();
    picVentanaEspera_->raise();
}

void frmPrincipal::OcultarVentanaEspera() {
    Timer1_->stop();
    picVentanaEspera_->hide();
}

void frmPrincipal::FijarTituloEspera(const QString& titulo) { lbltituloProgress_->setText(titulo); }

void frmPrincipal::FijarProgresoEspera(int porcentaje) { lblProgressBar_->setValue(std::clamp(porcentaje, 0, 100)); }

void frmPrincipal::Timer1_Timer() {
    const double rojo = sesion_.aleatorio.Siguiente();
    const double verde = sesion_.aleatorio.Siguiente();
    const double azul = sesion_.aleatorio.Siguiente();
    QPalette paleta = lbltituloProgress_->palette();
    paleta.setColor(QPalette::WindowText, QColor(Canal(rojo), Canal(verde), Canal(azul)));
    lbltituloProgress_->setPalette(paleta);
}

void frmPrincipal::ColocarVentanaEspera() {
    QWidget* fondo = centralWidget();
    const QSize tamano = picVentanaEspera_->sizeHint();
    picVentanaEspera_->setGeometry((fondo->width() - tamano.width()) / 2, (fondo->height() - tamano.height()) / 2,
                                   tamano.width(), tamano.height());
}

void frmPrincipal::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    ColocarVentanaEspera();
}

// ---- Commands ----------------------------------------------------------------

qint64 frmPrincipal::CuentaResultado() const { return LeerCuenta(txtApuestasReducidas_->text()); }

void frmPrincipal::lblFiltro_Click(int indice) {
    // Opening an editor counts as a change even when nothing is changed.
    sesion_.gCombinacionGuardada = false;
    switch (indice) {
        case kFiltroGrupos: sesion_.filtros.GrupoActual = 1; break;
        case kFiltroGruposRelacionados: sesion_.filtros.GrupoRelacionadoActual = 1; break;
        case kFiltroGruposEnReservas: sesion_.filtros.BloqueReservas = 1; break;
        default: break;
    }
    if (indice >= kFiltroGrupos && indice < kNumIndicesFiltro) AbrirEditorFiltro(indice);
}

void frmPrincipal::AbrirEscrutador() {
    // With no result the scrutiny window works on an imported file.
    MostrarEscrutador(static_cast<int32_t>(CuentaResultado()));
}

void frmPrincipal::AbrirAnalisis() {
    const qint64 total = CuentaResultado();
    if (total == 0) {
        Mensaje(kErrorSinNumeros, EstiloMensaje::Critico, this);
        return;
    }
    MostrarAnalisis(static_cast<int32_t>(total));
}

void frmPrincipal::imgImprimir_Click() {
    const qint64 total = CuentaResultado();
    if (total == 0) {
        Mensaje(kErrorSinNumeros, EstiloMensaje::Critico, this);
        return;
    }
    MostrarImprimir(static_cast<int32_t>(total));
}

void frmPrincipal::AbrirManual() {
    const QString ruta = CarpetaInstalacion() + QLatin1Char('/') + kFicheroManual;
    const QFileInfo fichero(ruta);
    if (!fichero.isFile() || !fichero.isReadable())
        Mensaje(QStringLiteral("ERROR: FICHERO DE AYUDA(") + kFicheroManual + QStringLiteral(") NO ENCONTRADO O ERRONEO"),
                EstiloMensaje::Critico, this);
    else if (!AbrirConSistema(ruta))
        Mensaje(QStringLiteral("ERROR: NO SE HA ENCONTRADO NINGUN PROGRAMA PARA ABRIR EL FICHERO DE AYUDA(") +
                    kFicheroManual + QLatin1Char(')'),
                EstiloMensaje::Critico, this);
}

void frmPrincipal::AbrirWeb() { AbrirPaginaWeb(kDireccionWeb, this); }
void frmPrincipal::AbrirTwitter() { AbrirPaginaWeb(kDireccionTwitter, this); }
