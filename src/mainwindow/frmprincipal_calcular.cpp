// "Calcular" and what hands its results out: the report and the exports.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>

#include "condicionar.h"
#include "dialogos_archivo.h"
#include "frmVentanaProceso.h"
#include "frmprincipal.h"
#include "guardado_seguro.h"
#include "informe_eliminadas.h"
#include "mensajes.h"
#include "reduccion_entradas.h"
#include "sistema.h"
#include "vista_texto.h"

namespace {

const QString kErrorSinNumeros = QStringLiteral("ERROR: No hay números generados");
const char* const kApuestasNoNumericas = "EL NUMERO DE APUESTAS NO ES UN NUMERO VALIDO";

FiltrosMarcados Marcados(const frmPrincipal& v) {
    FiltrosMarcados marcados{};
    for (int i = 0; i < kNumIndicesFiltro; ++i) marcados[static_cast<size_t>(i)] = v.chkFiltros(i)->isChecked();
    return marcados;
}

// Writes `texto` to `ruta` whole or not at all. Returns the reason of a
// failure, empty on success.
std::string EscribirFichero(const QString& ruta, const std::string& texto) {
    std::string error;
    if (GuardarFicheroSeguro(QFile::encodeName(ruta).toStdString(), texto, &error)) return {};
    return error;
}

}  // namespace

void frmPrincipal::CalcularCombinacion() {
    TablasSesion& t = sesion_.tablas;
    try {
        const int N = ContarCasillasSeleccionadas();
        if (N < kPosiciones) {
            Mensaje(QString::fromUtf8(kAvisoMinimoDigitos), EstiloMensaje::Exclamacion, this);
            return;
        }
        t.gNumElementos = static_cast<int16_t>(N);
        EnProceso_ = true;
        sesion_.gCombinacionGuardada = false;
        txtApuestasReducidas_->setText(QStringLiteral("0"));

        CargarNumerosSeleccionados();
        DeshabilitarControles();
        ReiniciarEliminadas();
        MostrarVentanaEspera(QStringLiteral("Analizando ..."));
        CederAhora();

        const FiltrosMarcados marcados = Marcados(*this);
        const ResultadoCondicionar res = CondicionarBase(
            t, sesion_.rejilla, sesion_.filtros, marcados, !ModoFichero(),
            [this](std::string_view titulo) {
                FijarTituloEspera(QString::fromUtf8(titulo.data(), static_cast<qsizetype>(titulo.size())));
            },
            CrearCesion());
        EliminadasFiltro_ = res.EliminadasFiltro;
        const int32_t n = res.condicionados;
        txtApuestasCondicionadas_->setText(FormatoCuenta(n));

        HabilitarControles();
        OcultarVentanaEspera();
        for (int i = 0; i < kNumIndicesFiltro; ++i) {
            if (marcados[static_cast<size_t>(i)])
                lblNumeroELiminadas_[static_cast<size_t>(i)]->setText(FormatoCuenta(EliminadasFiltro_[static_cast<size_t>(i)]));
        }

        switch (ParadaTrasCondicionar(n, chkApuestasExactas_->isChecked(), txtNUApuestas_->text().toStdString())) {
            case ParadaCalcular::ceroNumeros:
                Mensaje(QString::fromUtf8(kErrorCeroCondicionados), EstiloMensaje::Critico, this);
                break;
            case ParadaCalcular::apuestasNoNumericas:
                throw std::invalid_argument(kApuestasNoNumericas);
            case ParadaCalcular::apuestasSuperan:
                Mensaje(QString::fromUtf8(kErrorApuestasExactasSuperan), EstiloMensaje::Critico, this);
                txtNUApuestas_->setFocus();
                break;
            case ParadaCalcular::ninguna:
                if (SinReduccion(txtPorcentaje_->text().toStdString(), cboTipoReduccion_->currentIndex(),
                                 optTipo_[0]->isChecked())) {
                    CopiarCondicionadosAResultado(t);
                    txtApuestasReducidas_->setText(FormatoCuenta(n));
                } else {
                    ReducirCondicionados();
                }
                break;
        }
    } catch (const std::exception& e) {
        // The scratch tables may be half built; the counts no longer point at them.
        t.gCombinaciones.Borrar();
        t.gEliminada.Borrar();
        t.gElementosApuesta.Borrar();
        t.gResultado.Borrar();
        txtApuestasCondicionadas_->setText(QStringLiteral("0"));
        txtApuestasReducidas_->setText(QStringLiteral("0"));
        OcultarVentanaEspera();
        HabilitarControles();
        const QString descripcion = dynamic_cast<const std::bad_alloc*>(&e) != nullptr
                                        ? QStringLiteral("Memoria insuficiente")
                                        : QString::fromUtf8(e.what());
        Mensaje(QStringLiteral("ERROR: ") + descripcion, EstiloMensaje::Critico, this);
    }
    EnProceso_ = false;
}

void frmPrincipal::ExportarReduccion(int modo) {
    const qint64 cuenta = CuentaResultado();
    if (cuenta <= 0) {
        Mensaje(kErrorSinNumeros, EstiloMensaje::Critico, this);
        return;
    }
    const TablaNumeros& resultado = sesion_.tablas.gResultado;
    const std::string texto = TextoNumeros(resultado, static_cast<int32_t>(std::min<qint64>(cuenta, resultado.Filas())));

    if (modo == 1) {
        RegistroDialogo dialogo;
        dialogo.hwndOwner = this;
        dialogo.DialogTitle = QStringLiteral("Guardar los números en modo ASCII");
        dialogo.Filter = QStringLiteral("Fichero de texto (*.TXT)|*.TXT|Todos los archivos (*.*)|*.*|");
        dialogo.FilterIndex = 1;
        dialogo.FileName = QStringLiteral("Numeros.txt");
        dialogo.DefaultExt = QStringLiteral("txt");
        const QString ruta = MostrarGuardar(dialogo);
        if (ruta.isEmpty()) return;
        const std::string error = EscribirFichero(ruta, texto);
        if (!error.empty()) Mensaje(QString::fromStdString(MensajeErrorGuardar(error)), EstiloMensaje::Critico, this);
        return;
    }
    if (modo != 2) return;

    // Each view gets a file of its own that stays until the program ends.
    VerTextoEnEditor(texto, this);
}

void frmPrincipal::VerInformeEliminadas() {
    const std::string texto = TextoInformeEliminadas(
        EliminadasFiltro_, Marcados(*this), LeerCuenta(txtApuestasCondicionadas_->text()),
        LeerCuenta(txtApuestasReducidas_->text()), [](int64_t v) { return FormatoCuenta(v).toStdString(); });
    const QString ruta = QDir(CarpetaPrograma()).filePath(QString::fromLatin1(kNombreInforme));
    const std::string error = EscribirFichero(ruta, texto);
    if (!error.empty()) {
        MensajeErrorBlocDeNotas(QString::fromStdString(error), this);
        return;
    }
    AbrirFicheroEnEditor(ruta, this);
}

void frmPrincipal::ReducirCondicionados() {
    TablasReduccion entradas;
    // Inputs it cannot use are reported by the window, which checks them again.
    entradas.Construir(sesion_.tablas, cboTipoReduccion_->currentIndex());
    frmVentanaProceso ventana(*this, entradas, this);
    ventana.exec();
}
