// BASE files and the import of a text file of numbers.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <exception>
#include <new>
#include <string>

#include "base_xml.h"
#include "documento_xml.h"
#include "fichero_numeros.h"
#include "frmprincipal.h"
#include "guardado_seguro.h"
#include "importar_numeros.h"
#include "lector_base_xml.h"
#include "mensajes.h"
#include "sistema.h"

namespace {

const QString kFiltroBase = QStringLiteral("Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|");
const QString kTituloGuardarBase = QStringLiteral("Guardar una BASE en XML");
const QString kTituloAbrirBase = QStringLiteral("Abrir una BASE en XML");
const QString kTituloEspera = QStringLiteral("Analizando ...");

// The largest BASE file the program writes is a few hundred kilobytes; a
// file far beyond that is not one, and parsing it whole could exhaust memory.
constexpr qint64 kMaxBytesBase = qint64{4} << 20;
// Lines of the open's error list shown at most: a hostile file can hold
// thousands of failing sections, and one message box cannot show them.
constexpr int kMaxLineasErrores = 40;
// Characters of an imported-file path quoted at most in the open's notice.
constexpr int kMaxMuestraRuta = 4096;

// The path as the file system takes it (the user's locale, not always UTF-8).
std::string RutaSistema(const QString& ruta) { return QFile::encodeName(ruta).toStdString(); }

QString Texto(const std::string& s) { return QString::fromStdString(s); }

// A file-name box shows the name and holds the full path in its tool-tip.
void MostrarNombreFichero(QLineEdit* caja, const QString& ruta) {
    caja->setText(QFileInfo(ruta).fileName());
    caja->setCursorPosition(0);  // the start of a long name shows
    caja->setToolTip(ruta);
}

// The error list cut after kMaxLineasErrores lines.
std::string ErroresMostrados(const std::string& errores) {
    size_t fin = 0;
    for (int linea = 0; linea < kMaxLineasErrores; ++linea) {
        fin = errores.find("\r\n", fin);
        if (fin == std::string::npos) return errores;
        fin += 2;
    }
    return fin >= errores.size() ? errores : errores.substr(0, fin) + "...\r\n";
}

std::string RutaMostrada(const std::string& ruta) {
    const QString r = Texto(ruta);
    if (r.size() <= kMaxMuestraRuta) return ruta;
    return (r.left(kMaxMuestraRuta) + QStringLiteral("...")).toStdString();
}

// Loads a BASE file whole; false when it is not one: it does not parse, holds
// none of a BASE's sections, is not a plain file or is far too large.
bool CargarBase(const QString& ruta, DocumentoXML& doc) {
    const QFileInfo info(ruta);
    try {
        return info.isFile() && info.size() <= kMaxBytesBase && doc.Cargar(RutaSistema(ruta)) &&
               EsDocumentoBase(doc);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void frmPrincipal::GuardarBaseXML() {
    if (EnProceso_) return;
    gDialogo.hwndOwner = this;
    gDialogo.Filter = kFiltroBase;
    gDialogo.FileName = txtFicheroBASE_->text().isEmpty() ? kNombreBaseSinGuardar : txtFicheroBASE_->text();
    gDialogo.DialogTitle = kTituloGuardarBase;
    const QString ruta = MostrarGuardar(gDialogo);
    if (ruta.isEmpty()) return;

    bool guardado = false;
    std::string causa;
    try {
        DatosBaseXML d;
        d.rejilla = sesion_.rejilla;
        d.numeroGanador = sesion_.gNumeroGanador;
        d.rutaFicheroASCII = txtFicheroASCII_->toolTip().toStdString();
        for (int i = 0; i < kNumIndicesFiltro; ++i)
            d.chkFiltros[static_cast<size_t>(i)] = chkFiltros_[static_cast<size_t>(i)]->isChecked() ? 1 : 0;
        d.tipoReduccionTexto = cboTipoReduccion_->currentText().toStdString();
        d.tipoReduccionIndice = cboTipoReduccion_->currentIndex();
        d.porcentaje = txtPorcentaje_->text().toStdString();
        d.nuApuestas = txtNUApuestas_->text().toStdString();
        d.apuestasExactas = chkApuestasExactas_->isChecked() ? 1 : 0;
        d.activarCiclos = chkActivarCiclos_->isChecked() ? 1 : 0;
        d.aleatorio = chkAleatorio_->isChecked() ? 1 : 0;
        d.version = kVersionPrograma.toStdString();
        SellarFechaHora(d);
        guardado = GuardarTextoBaseXML(GenerarXMLBase(d, sesion_.filtros), RutaSistema(ruta), &causa);
    } catch (const std::bad_alloc&) {
        guardado = false;
        causa = "Memoria insuficiente";
    } catch (const std::exception&) {
        guardado = false;
    }
    if (!guardado) {
        Mensaje(QString::fromStdString(MensajeErrorGuardar(causa)), EstiloMensaje::Critico, this);
        return;
    }
    MostrarNombreFichero(txtFicheroBASE_, ruta);
    sesion_.gCombinacionGuardada = true;
}

void frmPrincipal::AbrirBaseXML() {
    if (EnProceso_) return;
    if (!sesion_.gCombinacionGuardada &&
        Mensaje(QString::fromUtf8(kPreguntaAbrirSinGuardar), EstiloMensaje::PreguntaSiNo, this) != RespuestaMensaje::Si)
        return;
    gDialogo.hwndOwner = this;
    gDialogo.Filter = kFiltroBase;
    gDialogo.FileName.clear();
    gDialogo.DialogTitle = kTituloAbrirBase;
    const QString ruta = MostrarAbrir(gDialogo);
    if (ruta.isEmpty()) return;

    // A file that is not a BASE at all (not XML, or XML without one of its
    // sections) changes nothing: not the setup, not the name the next save
    // proposes, not whether the setup is saved.
    DocumentoXML doc;
    if (!CargarBase(ruta, doc)) {
        std::string errores;
        AgregarErrorXML(errores, kErrorAbrirFichero, kTituloErrorFichero);
        Mensaje(Texto(TextoErroresAbrirBase(errores)), EstiloMensaje::Critico, this);
        return;
    }

    MostrarNombreFichero(txtFicheroBASE_, ruta);
    ReiniciarEliminadas();

    EntradaLecturaBase entrada;
    entrada.modoRejilla = !ModoFichero();
    entrada.numeroGanador = sesion_.gNumeroGanador;
    // Read into a copy, so that running out of memory half way leaves reset
    // settings rather than a mix of two setups.
    AjustesFiltros filtros = sesion_.filtros;
    ResultadoLecturaBase r;
    try {
        r = LeerDocumentoBaseXML(doc, entrada, filtros);
    } catch (const std::exception&) {
        r = ResultadoLecturaBase{};
        r.numeroGanador = sesion_.gNumeroGanador;
        filtros = sesion_.filtros;
        filtros.InicializarFiltros();
        AgregarErrorXML(r.gErroresXML, kErrorAbrirFichero, kTituloErrorFichero);
    }
    sesion_.filtros = std::move(filtros);

    bool recontar = false;
    if (r.hayCombinacion) {
        sesion_.rejilla = r.rejilla;
        recontar = true;
    }
    sesion_.gNumeroGanador = r.numeroGanador;
    for (int i = 0; i < kNumIndicesFiltro; ++i) {
        const auto& valor = r.chkFiltros[static_cast<size_t>(i)];
        if (valor) chkFiltros_[static_cast<size_t>(i)]->setChecked(*valor != 0);
    }
    if (r.tipoReduccion) {
        // Its handler recounts in grid mode, but Qt signals only a change of index.
        cboTipoReduccion_->setCurrentIndex(*r.tipoReduccion);
        recontar = true;
    }
    if (r.porcentaje) txtPorcentaje_->setText(Texto(*r.porcentaje));
    if (r.nuApuestas) txtNUApuestas_->setText(Texto(*r.nuApuestas));
    // Exact bets are only offered under a number of bets, so a file that ticks
    // them was saved with that target; "Calcular" must do what the window shows.
    if (r.apuestasExactas == 1) optTipo_[0]->setChecked(true);
    if (r.apuestasExactas) chkApuestasExactas_->setChecked(*r.apuestasExactas != 0);
    if (r.activarCiclos) chkActivarCiclos_->setChecked(*r.activarCiclos != 0);
    if (r.aleatorio) chkAleatorio_->setChecked(*r.aleatorio != 0);
    if (recontar && !ModoFichero()) ActualizarApuestasIniciales();

    if (!r.gErroresXML.empty())
        Mensaje(Texto(TextoErroresAbrirBase(ErroresMostrados(r.gErroresXML))), EstiloMensaje::Critico, this);
    if (r.ficheroImportado)
        Mensaje(Texto(TextoAvisoBaseImportada(RutaMostrada(r.rutaFicheroImportado))), EstiloMensaje::Exclamacion,
                this);
    sesion_.gCombinacionGuardada = true;
}

void frmPrincipal::cmdDesdeFichero_Click() {
    if (EnProceso_) return;
    const QString ruta = PedirFicheroNumeros(gDialogo, this);
    if (ruta.isEmpty()) return;

    TablasSesion& t = sesion_.tablas;
    EnProceso_ = true;
    DeshabilitarControles();
    ReiniciarEliminadas();
    InicializarNumeros();
    MostrarNombreFichero(txtFicheroASCII_, ruta);
    t.gNumImportados = 0;
    t.gImportados.Borrar();
    // The panel goes up before the reading: a large file keeps the window
    // busy for a moment before the first number is even stored.
    MostrarVentanaEspera(kTituloEspera);
    CederAhora();

    // Puts the window back as it was before the import, with the reason.
    auto fallo = [&](const QString& mensaje) {
        Mensaje(mensaje, EstiloMensaje::Critico, this);
        t.gImportados.Borrar();
        InicializarNumeros();
        t.gNumImportados = 0;
        txtApuestasCondicionadas_->setText(QStringLiteral("0"));
        OcultarVentanaEspera();
        HabilitarControles();
        EnProceso_ = false;
    };

    try {
        const Cesion ceder = CrearCesion();
        LecturaNumeros lectura;
        const QString error = LeerNumerosImportados(
            ruta, kLecturaPrincipal, ceder,
            [this](int32_t leidos) { txtApuestasIniciales_->setText(QString::number(leidos)); }, lectura, this);
        if (!error.isEmpty()) {
            fallo(error);
            return;
        }

        const int32_t leidos = lectura.total;
        txtApuestasIniciales_->setText(FormatoCuenta(leidos));
        t.gNumImportados = leidos;
        if (leidos == 0) {
            Mensaje(Texto(TextoCeroNumeros()), EstiloMensaje::Exclamacion, this);
            OcultarVentanaEspera();
        } else {
            // The grid shows every cell the numbers use.
            sesion_.rejilla = lectura.CasillasUsadas();
            rejilla_->Refrescar();
            t.gNumElementos = static_cast<int16_t>(ContarCasillasSeleccionadas());
            CargarNumerosSeleccionados();

            const ResultadoRepetidos r = QuitarRepetidosYOrdenar(lectura, t.gImportados, ceder);
            lectura = LecturaNumeros{};
            t.gNumImportados = r.unicos;
            txtApuestasIniciales_->setText(FormatoCuenta(r.unicos));
            if (r.repetidos > 0) Mensaje(Texto(TextoRepetidos(r.repetidos)), EstiloMensaje::Exclamacion, this);
            t.gResultado = t.gImportados;
            txtApuestasCondicionadas_->setText(QStringLiteral("0"));
            OcultarVentanaEspera();
            lblTipoCombinacion_->setText(FormatoCuenta(r.unicos) + QStringLiteral(" Números"));
            ActualizarContadores(false);
        }
    } catch (const std::bad_alloc&) {
        fallo(TextoErrorImportar(QStringLiteral("Memoria insuficiente")));
        return;
    } catch (const std::exception& e) {
        fallo(TextoErrorImportar(QString::fromLocal8Bit(e.what())));
        return;
    }
    txtApuestasCondicionadas_->setText(FormatoCuenta(LeerCuenta(txtApuestasIniciales_->text())));
    HabilitarControles();
    EnProceso_ = false;
}
