#include "frmSelectorNumeros.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <new>
#include <stdexcept>

#include "controles.h"
#include "importar_numeros.h"
#include "mensajes.h"
#include "selector_terminaciones.h"
#include "sistema.h"
#include "vista_texto.h"

namespace {

const QColor kRosa(255, 192, 192);
const QColor kVerde(192, 255, 192);
const QColor kBlanco(255, 255, 255);
const QString kSinFichero = QStringLiteral("ERROR: NO HAY NINGUN FICHERO CARGADO");
const QString kSinElegidos = QStringLiteral("ERROR: NO HAY NINGUN NUMERO ELEGIDO PARA IMPRIMIR");

QString Texto(const std::string& s) { return QString::fromStdString(s); }

// A CR LF list as the lines of a text box.
QString Lineas(const std::string& texto) {
    QString s = Texto(texto);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (s.endsWith(QLatin1Char('\n'))) s.chop(1);
    return s;
}


// A count beside its list: framed, coloured by the window.
QLabel* Cuenta(QWidget* padre, const QString& nombre) {
    QLabel* e = EtiquetaNegrita(padre, nombre, QStringLiteral("0"));
    e->setAlignment(Qt::AlignCenter);
    e->setFrameShape(QFrame::Box);
    e->setAutoFillBackground(true);
    Colorear(e, QPalette::Window, kBlanco);
    return e;
}

QPlainTextEdit* Lista(QWidget* padre, const QString& nombre, int caracteres) {
    auto* t = new QPlainTextEdit(padre);
    t->setObjectName(nombre);
    t->setReadOnly(true);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    t->setFont(fija);
    const QFontMetrics m(fija);
    t->setFixedWidth(m.horizontalAdvance(QString(caracteres, QLatin1Char('0'))) + 30);
    t->setMinimumHeight(m.lineSpacing() * 14);
    return t;
}

}  // namespace

frmSelectorNumeros::frmSelectorNumeros(EstadoSesion& sesion, QWidget* padre)
    : VentanaSecundaria(padre), sesion_(sesion) {
    setObjectName(QStringLiteral("frmSelectorNumeros"));
    setWindowTitle(QStringLiteral("SELECTOR DE NUMEROS"));
    ConstruirControles();
    ConectarControles();
    // Form_Load. The output boxes hold texts of any length, so they need no
    // raised limit; the close item goes before the window is shown.
    cboTipoTerminacion_->setCurrentIndex(0);
    QuitarCerrarMenuSistema(this, 1);
}

void frmSelectorNumeros::ConstruirControles() {
    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(10, 10, 10, 10);
    exterior->setSpacing(10);

    // The imported file.
    auto* origen = new QGridLayout();
    origen->addWidget(EtiquetaNegrita(this, QStringLiteral("lblTitInfoGeneral"), QStringLiteral("Datos Fichero Origen")), 0, 0, 1, 4);
    origen->addWidget(Etiqueta(this, QStringLiteral("lblTitFichero"), QStringLiteral("Fichero : ")), 1, 0);
    txtFicheroASCII_ = new QLineEdit(this);
    txtFicheroASCII_->setObjectName(QStringLiteral("txtFicheroASCII"));
    txtFicheroASCII_->setReadOnly(true);
    origen->addWidget(txtFicheroASCII_, 1, 1);
    cmdDesdeFichero_ = BotonImagen(this, QStringLiteral("cmdDesdeFichero"), QStringLiteral("Abrir una combinación en ASCII"),
                                   IconoAbrir(this), 20);
    origen->addWidget(cmdDesdeFichero_, 1, 2);
    origen->addWidget(Etiqueta(this, QStringLiteral("lblTitNumeros"), QStringLiteral("Números : ")), 2, 0);
    lblApuCombinacionNueva_ = EtiquetaNegrita(this, QStringLiteral("lblApuCombinacionNueva"), QStringLiteral("0"));
    origen->addWidget(lblApuCombinacionNueva_, 2, 1);
    origen->setColumnStretch(3, 1);
    origen->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n'))));
    exterior->addLayout(origen);

    auto* centro = new QHBoxLayout();
    centro->setSpacing(14);
    auto columna = [this, centro](const QString& nombreTitulo, const QString& titulo, QPlainTextEdit* caja, QLabel* cuenta,
                                  QToolButton* ver = nullptr) {
        auto* c = new QVBoxLayout();
        // A long title wraps over its list rather than widening the window.
        QLabel* cabecera = EtiquetaNegrita(this, nombreTitulo, titulo, Qt::AlignCenter);
        cabecera->setWordWrap(true);
        cabecera->setMaximumWidth(qMax(caja->minimumWidth() + 20, cabecera->minimumSizeHint().width()));
        c->addWidget(cabecera, 0, Qt::AlignHCenter);
        c->addWidget(caja, 1);
        auto* pie = new QHBoxLayout();
        // The count stands under its list, no wider than it.
        cuenta->setMaximumWidth(caja->minimumWidth() - (ver ? 30 : 0));
        pie->addWidget(cuenta, 1);
        if (ver) pie->addWidget(ver);
        pie->addStretch(0);
        c->addLayout(pie);
        centro->addLayout(c);
    };

    // The endings of the file.
    txtCentenasJugadas_ = Lista(this, QStringLiteral("txtCentenasJugadas"), 12);
    txtDecenasJugadas_ = Lista(this, QStringLiteral("txtDecenasJugadas"), 12);
    txtUnidadesJugadas_ = Lista(this, QStringLiteral("txtUnidadesJugadas"), 12);
    lblNumeroCentenas_ = Cuenta(this, QStringLiteral("lblNumeroCentenas"));
    lblNumeroDecenas_ = Cuenta(this, QStringLiteral("lblNumeroDecenas"));
    lblNumeroUnidades_ = Cuenta(this, QStringLiteral("lblNumeroUnidades"));
    columna(QStringLiteral("lblTitCentenas"), QStringLiteral("3 últimas cifras"), txtCentenasJugadas_, lblNumeroCentenas_);
    columna(QStringLiteral("lblTitDecenas"), QStringLiteral("2 últimas cifras"), txtDecenasJugadas_, lblNumeroDecenas_);
    columna(QStringLiteral("lblTitUnidades"), QStringLiteral("1 última cifra"), txtUnidadesJugadas_, lblNumeroUnidades_);

    // The termination generation and its three outputs.
    auto* generacion = new QVBoxLayout();
    generacion->addWidget(Etiqueta(this, QStringLiteral("lblTitTipoTerminacion"), QStringLiteral("Seleccionar Terminaciones :")));
    cboTipoTerminacion_ = new QComboBox(this);
    cboTipoTerminacion_->setObjectName(QStringLiteral("cboTipoTerminacion"));
    cboTipoTerminacion_->addItems({"10", "100", "1000", "10000", "100 Optimas"});
    generacion->addWidget(cboTipoTerminacion_);
    auto* filaAzar = new QHBoxLayout();
    chkAleatorio_ = new QCheckBox(this);
    chkAleatorio_->setObjectName(QStringLiteral("chkAleatorio"));
    chkAleatorio_->setToolTip(QStringLiteral("Activa y desactiva el modo aleatorio"));
    chkAleatorio_->setChecked(true);
    filaAzar->addWidget(chkAleatorio_);
    filaAzar->addWidget(Etiqueta(this, QStringLiteral("lblTitAleatorio"), QStringLiteral("al azar")), 1);
    generacion->addLayout(filaAzar);
    lstOrdenacion_ = new QListWidget(this);
    lstOrdenacion_->setObjectName(QStringLiteral("lstOrdenacion"));
    lstOrdenacion_->addItems({QStringLiteral("Por terminación"), QStringLiteral("Por número")});
    lstOrdenacion_->setCurrentRow(0);
    lstOrdenacion_->setFixedHeight(lstOrdenacion_->sizeHintForRow(0) * 2 + 6);
    generacion->addWidget(lstOrdenacion_);
    cmdGenerarTerminaciones_ = Boton(this, QStringLiteral("cmdGenerarTerminaciones"), QStringLiteral("&Generar"));
    generacion->addWidget(cmdGenerarTerminaciones_);
    cmdImprimir_ = Boton(this, QStringLiteral("cmdImprimir"), QStringLiteral("&Imprimir"),
                         QStringLiteral("Imprimir Números Elegidos"));
    generacion->addWidget(cmdImprimir_);
    generacion->addStretch(1);
    centro->addLayout(generacion);

    for (int i = 0; i < 4; ++i)
        cmdVerenBlocdeNotas_[static_cast<size_t>(i)] =
            BotonImagen(this, QStringLiteral("cmdVerenBlocdeNotas_%1").arg(i), QStringLiteral("Ver los números en el Bloc de Notas"),
                        IconoBlocDeNotas(this));
    txtNumerosElegidos_ = Lista(this, QStringLiteral("txtNumerosElegidos"), 7);
    txtTerminacionesFaltantes_ = Lista(this, QStringLiteral("txtTerminacionesFaltantes"), 7);
    txtComienzosFaltantes_ = Lista(this, QStringLiteral("txtComienzosFaltantes"), 7);
    lblNumerosElegidos_ = Cuenta(this, QStringLiteral("lblNumerosElegidos"));
    lblTerminacionesFaltantes_ = Cuenta(this, QStringLiteral("lblTerminacionesFaltantes"));
    lblComienzosFaltantes_ = Cuenta(this, QStringLiteral("lblComienzosFaltantes"));
    columna(QStringLiteral("lblTitNumerosElegidos"), QStringLiteral("Números Elegidos"), txtNumerosElegidos_,
            lblNumerosElegidos_, cmdVerenBlocdeNotas_[0]);
    columna(QStringLiteral("lblTitTerminacionesFaltantes"), QStringLiteral("Terminaciones Faltantes"),
            txtTerminacionesFaltantes_, lblTerminacionesFaltantes_, cmdVerenBlocdeNotas_[1]);
    columna(QStringLiteral("lblTitComienzosFaltantes"), QStringLiteral("Comienzos Faltantes"), txtComienzosFaltantes_,
            lblComienzosFaltantes_, cmdVerenBlocdeNotas_[2]);

    // The capicúas.
    auto* capicuas = new QVBoxLayout();
    capicuas->addWidget(EtiquetaNegrita(this, QStringLiteral("lblTitCapicuas"), QStringLiteral("Capicuas")), 0, Qt::AlignHCenter);
    cmdGenerarCapicuas_ = Boton(this, QStringLiteral("cmdGenerarCapicuas"), QStringLiteral("&Generar"));
    capicuas->addWidget(cmdGenerarCapicuas_);
    txtNumerosElegidosCapicuas_ = Lista(this, QStringLiteral("txtNumerosElegidosCapicuas"), 7);
    capicuas->addWidget(txtNumerosElegidosCapicuas_, 1);
    auto* pie = new QHBoxLayout();
    lblNumerosCapicuas_ = Cuenta(this, QStringLiteral("lblNumerosCapicuas"));
    lblNumerosCapicuas_->setMaximumWidth(txtNumerosElegidosCapicuas_->minimumWidth() - 30);
    pie->addWidget(lblNumerosCapicuas_, 1);
    pie->addWidget(cmdVerenBlocdeNotas_[3]);
    capicuas->addLayout(pie);
    centro->addLayout(capicuas);
    exterior->addLayout(centro, 1);

    auto* abajo = new QHBoxLayout();
    cmdVolver_ = BotonVolver(this);
    abajo->addStretch(1);
    abajo->addWidget(cmdVolver_);
    exterior->addLayout(abajo);
}

void frmSelectorNumeros::ConectarControles() {
    connect(cmdDesdeFichero_, &QToolButton::clicked, this, &frmSelectorNumeros::cmdDesdeFichero_Click);
    connect(cmdGenerarTerminaciones_, &QPushButton::clicked, this, &frmSelectorNumeros::cmdGenerarTerminaciones_Click);
    connect(cmdGenerarCapicuas_, &QPushButton::clicked, this, &frmSelectorNumeros::cmdGenerarCapicuas_Click);
    connect(cmdImprimir_, &QPushButton::clicked, this, &frmSelectorNumeros::cmdImprimir_Click);
    for (int i = 0; i < 4; ++i)
        connect(cmdVerenBlocdeNotas_[static_cast<size_t>(i)], &QToolButton::clicked, this,
                [this, i] { cmdVerenBlocdeNotas_Click(i); });
    connect(cmdVolver_, &QPushButton::clicked, this, &frmSelectorNumeros::cmdVolver_Click);
}

void frmSelectorNumeros::LimpiarResultados() {
    for (QLabel* e : {lblNumerosElegidos_, lblTerminacionesFaltantes_, lblComienzosFaltantes_}) {
        Colorear(e, QPalette::Window, kBlanco);
        e->setText(QStringLiteral("0"));
    }
    for (QPlainTextEdit* t : {txtNumerosElegidos_, txtTerminacionesFaltantes_, txtComienzosFaltantes_}) t->clear();
}

void frmSelectorNumeros::FijarControles(bool activos) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             cmdDesdeFichero_, txtFicheroASCII_, txtUnidadesJugadas_, txtDecenasJugadas_, txtCentenasJugadas_,
             cboTipoTerminacion_, txtNumerosElegidos_, txtTerminacionesFaltantes_, txtComienzosFaltantes_,
             txtNumerosElegidosCapicuas_, cmdVerenBlocdeNotas_[0], cmdVerenBlocdeNotas_[1], cmdVerenBlocdeNotas_[2],
             cmdVerenBlocdeNotas_[3], cmdGenerarCapicuas_, cmdGenerarTerminaciones_, cmdImprimir_, cmdVolver_,
             chkAleatorio_})
        w->setEnabled(activos);
}

void frmSelectorNumeros::DesactivarControles() { FijarControles(false); }
void frmSelectorNumeros::ActivarControles() { FijarControles(true); }

void frmSelectorNumeros::cmdDesdeFichero_Click() {
    const QString ruta = PedirFicheroNumeros(gDialogo, this);
    if (ruta.isEmpty()) return;

    LimpiarResultados();
    // The capicúas came from the previous file.
    txtNumerosElegidosCapicuas_->clear();
    lblNumerosCapicuas_->setText(QStringLiteral("0"));
    DesactivarControles();
    lblApuCombinacionNueva_->setText(QStringLiteral("0"));
    txtFicheroASCII_->setText(QFileInfo(ruta).fileName());
    txtFicheroASCII_->setCursorPosition(0);
    txtFicheroASCII_->setToolTip(ruta);

    const QString error = LeerNumerosImportados(
        ruta, kLecturaSelector, CrearCesion(),
        [this](int32_t leidos) { lblApuCombinacionNueva_->setText(QString::number(leidos)); }, DigitosImportados,
        this);

    if (!error.isEmpty()) {
        Mensaje(error, EstiloMensaje::Critico, this);
        lblApuCombinacionNueva_->setText(QStringLiteral("0"));
        TotalImportados = 0;
        DigitosImportados = LecturaNumeros{};
    } else {
        const int32_t leidos = DigitosImportados.total;
        lblApuCombinacionNueva_->setText(QString::number(leidos));
        if (leidos != 0) {
            TotalImportados = leidos;
            MostrarTerminaciones();
        } else {
            Mensaje(Texto(TextoCeroApuestas()), EstiloMensaje::Exclamacion, this);
            TotalImportados = 0;
        }
    }
    ActivarControles();
}

void frmSelectorNumeros::MostrarTerminaciones() {
    const CuentasTerminaciones c = ContarTerminaciones(DigitosImportados);
    struct Tipo {
        ListaCuentas lista;
        int32_t posibles;
        QLabel* etiqueta;
        QPlainTextEdit* caja;
    };
    const Tipo tipos[3] = {{ListarCuentas(c.CuentaCentenas, 3), 1000, lblNumeroCentenas_, txtCentenasJugadas_},
                           {ListarCuentas(c.CuentaDecenas, 2), 100, lblNumeroDecenas_, txtDecenasJugadas_},
                           {ListarCuentas(c.CuentaUnidades, 1), 10, lblNumeroUnidades_, txtUnidadesJugadas_}};
    for (const Tipo& t : tipos) {
        t.etiqueta->setText(QStringLiteral("%1/%2").arg(t.lista.distintos).arg(t.posibles));
        Colorear(t.etiqueta, QPalette::Window, t.lista.distintos >= t.posibles ? kVerde : kRosa);
        t.caja->setPlainText(Lineas(t.lista.texto));
    }
}

bool frmSelectorNumeros::HayFichero() {
    bool ok = false;
    const int valor = lblApuCombinacionNueva_->text().trimmed().toInt(&ok);
    if (ok && valor != 0 && TotalImportados > 0) return true;
    Mensaje(kSinFichero, EstiloMensaje::Critico, this);
    return false;
}

void frmSelectorNumeros::cmdGenerarTerminaciones_Click() {
    if (!HayFichero()) return;
    const bool aleatorio = chkAleatorio_->isChecked();
    if (aleatorio) sesion_.aleatorio.SembrarConReloj();
    const auto tipo = static_cast<TipoTerminacion>(std::max(0, cboTipoTerminacion_->currentIndex()));
    const GeneracionTerminaciones g =
        GenerarTerminaciones(DigitosImportados, tipo, aleatorio, sesion_.aleatorio, lstOrdenacion_->currentRow() == 1);
    LimpiarResultados();
    txtNumerosElegidos_->setPlainText(Lineas(ListaValores(g.elegidos, kPosiciones)));
    txtTerminacionesFaltantes_->setPlainText(Lineas(ListaValores(g.terminacionesFaltantes, g.cifras)));
    txtComienzosFaltantes_->setPlainText(Lineas(ListaValores(g.comienzosFaltantes, g.cifras)));
    lblNumerosElegidos_->setText(QString::number(g.elegidos.size()));
    lblTerminacionesFaltantes_->setText(QString::number(g.terminacionesFaltantes.size()));
    lblComienzosFaltantes_->setText(QString::number(g.comienzosFaltantes.size()));
    // Green when nothing is missing, as the ending counts are.
    Colorear(lblTerminacionesFaltantes_, QPalette::Window, g.terminacionesFaltantes.empty() ? kVerde : kRosa);
    Colorear(lblComienzosFaltantes_, QPalette::Window, g.comienzosFaltantes.empty() ? kVerde : kRosa);
}

void frmSelectorNumeros::cmdGenerarCapicuas_Click() {
    if (!HayFichero()) return;
    const std::vector<int32_t> capicuas = GenerarCapicuas(DigitosImportados);
    txtNumerosElegidosCapicuas_->setPlainText(Lineas(ListaValores(capicuas, kPosiciones)));
    lblNumerosCapicuas_->setText(QString::number(capicuas.size()));
}

void frmSelectorNumeros::cmdImprimir_Click() {
    if (txtNumerosElegidos_->toPlainText().isEmpty()) {
        Mensaje(kSinElegidos, EstiloMensaje::Critico, this);
        return;
    }
    QPrinter impresora;
    QPrintDialog dialogo(&impresora, this);
    if (dialogo.exec() != QDialog::Accepted) return;
    QTextDocument documento;
    documento.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    documento.setPlainText(QStringLiteral("Números Elegidos: ") + lblNumerosElegidos_->text() + QStringLiteral("\n\n") +
                           txtNumerosElegidos_->toPlainText());
    documento.print(&impresora);
}

void frmSelectorNumeros::cmdVerenBlocdeNotas_Click(int indice) {
    const QPlainTextEdit* cajas[4] = {txtNumerosElegidos_, txtTerminacionesFaltantes_, txtComienzosFaltantes_,
                                      txtNumerosElegidosCapicuas_};
    QString texto = cajas[indice]->toPlainText();
    if (!texto.isEmpty()) texto.replace(QLatin1Char('\n'), QStringLiteral("\r\n")) += QStringLiteral("\r\n");
    VerTextoEnEditor(texto.toStdString(), this);
}

void frmSelectorNumeros::cmdVolver_Click() {
    DigitosImportados = LecturaNumeros{};
    TotalImportados = 0;
    CerrarVentana();
}
