#include "frmNumerosTerminal.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles.h"
#include "dialogos_archivo.h"
#include "guardado_seguro.h"
#include "mensajes.h"
#include "panel_impresion.h"
#include "sistema.h"
#include "teclado.h"

namespace {

const QString kSinCargados = QStringLiteral("ERROR: No hay números cargados");

QLineEdit* Caja(QWidget* padre, const QString& nombre, const QString& texto, bool soloLectura, int maximo = 32767) {
    auto* c = new QLineEdit(texto, padre);
    c->setObjectName(nombre);
    c->setReadOnly(soloLectura);
    c->setMaxLength(maximo);
    return c;
}

QFrame* Panel(QWidget* padre, const QString& nombre) {
    auto* f = new QFrame(padre);
    f->setObjectName(nombre);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

QString Dos(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

frmNumerosTerminal::frmNumerosTerminal(const QString& carpetaSorteos, QWidget* padre)
    : VentanaSecundaria(padre), carpeta_(carpetaSorteos) {
    setObjectName(QStringLiteral("frmNumerosTerminal"));
    setWindowTitle(QStringLiteral("Números de Terminal"));
    ConstruirControles();
    ConectarControles();
    Form_Load();
}

void frmNumerosTerminal::ConstruirControles() {
    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(10, 10, 10, 10);
    QFont negrita = font();
    negrita.setBold(true);

    auto* titulo1 = Etiqueta(this, QStringLiteral("lblTitFiltros"), QStringLiteral("Datos Sorteos"));
    titulo1->setFont(negrita);
    exterior->addWidget(titulo1);
    picDatosSorteos_ = Panel(this, QStringLiteral("picDatosSorteos"));
    auto* gd = new QGridLayout(picDatosSorteos_);
    cboDias_ = new QComboBox(picDatosSorteos_);
    cboDias_->setObjectName(QStringLiteral("cboDias"));
    cboMeses_ = new QComboBox(picDatosSorteos_);
    cboMeses_->setObjectName(QStringLiteral("cboMeses"));
    txtAnio_ = Caja(picDatosSorteos_, QStringLiteral("txtAnio"), QStringLiteral("2015"), false, 4);
    txtAnio_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 10);
    cboDia_ = new QComboBox(picDatosSorteos_);
    cboDia_->setObjectName(QStringLiteral("cboDia"));
    for (const char* d : {"--", "L", "M", "X", "J", "V", "S", "D"}) cboDia_->addItem(QString::fromLatin1(d));
    cboDia_->setEnabled(false);
    cmdConsultarSorteo_ = Boton(picDatosSorteos_, QStringLiteral("cmdConsultarSorteo"), QStringLiteral("&Consultar"),
                                QStringLiteral("Consultar un sorteo por Fecha"));
    cmdConsultarUltimoSorteo_ = Boton(picDatosSorteos_, QStringLiteral("cmdConsultarUltimoSorteo"),
                                      QStringLiteral("&Datos Ultimo Sorteo"), QStringLiteral("Muestra los datos del último sorteo"));
    cmdConsultarSorteoAnterior_ = Boton(picDatosSorteos_, QStringLiteral("cmdConsultarSorteoAnterior"), QStringLiteral("<"),
                                        QStringLiteral("Anterior"));
    cmdConsultarSorteoSiguiente_ = Boton(picDatosSorteos_, QStringLiteral("cmdConsultarSorteoSiguiente"), QStringLiteral(">"),
                                         QStringLiteral("Siguiente"));
    for (QPushButton* b : {cmdConsultarSorteoAnterior_, cmdConsultarSorteoSiguiente_}) b->setFixedWidth(32);
    txtIDSorteo_ = Caja(picDatosSorteos_, QStringLiteral("txtIDSorteo"), QStringLiteral("0"), true);
    txtIDSorteo_->setEnabled(false);
    txtNombreSorteo_ = Caja(picDatosSorteos_, QStringLiteral("txtNombreSorteo"), QString(), true);
    txtPrimerPremio_ = Caja(picDatosSorteos_, QStringLiteral("txtPrimerPremio"), QString(), true);
    txtSegundoPremio_ = Caja(picDatosSorteos_, QStringLiteral("txtSegundoPremio"), QString(), true);
    txtTotalDecimosInternet_ = Caja(picDatosSorteos_, QStringLiteral("txtTotalDecimosInternet"), QStringLiteral("0"), true);
    cmdIniDatosSorteo_ = BotonImagen(picDatosSorteos_, QStringLiteral("cmdIniDatosSorteo"), QStringLiteral("Inicializa los datos"),
                                     IconoLimpiar(picDatosSorteos_), 22);
    cmdGuardarFicheroInternet_ = BotonImagen(
        picDatosSorteos_, QStringLiteral("cmdGuardarFicheroInternet"),
        QStringLiteral("Guardar fichero en bruto con todos los números y series disponibles SIN FILTRAR (No es válido para "
                       "importarlo en el programa)"),
        Icono(picDatosSorteos_, {"document-save"}, QStyle::SP_DialogSaveButton), 22);
    auto* fecha = new QHBoxLayout();
    fecha->addWidget(cboDias_);
    fecha->addWidget(cboMeses_);
    fecha->addWidget(txtAnio_);
    fecha->addSpacing(12);
    fecha->addWidget(Etiqueta(picDatosSorteos_, QString(), QStringLiteral("Día :")));
    fecha->addWidget(cboDia_);
    fecha->addStretch(1);
    gd->addWidget(Etiqueta(picDatosSorteos_, QString(), QStringLiteral("Fecha Sorteo .... :")), 0, 0);
    gd->addLayout(fecha, 0, 1);
    auto* consultas = new QHBoxLayout();
    consultas->addWidget(cmdConsultarSorteo_);
    consultas->addWidget(cmdConsultarUltimoSorteo_);
    consultas->addStretch(1);
    consultas->addWidget(cmdConsultarSorteoAnterior_);
    consultas->addWidget(cmdConsultarSorteoSiguiente_);
    gd->addLayout(consultas, 1, 0, 1, 2);
    const char* const titulos[5] = {"ID Sorteo .......... :", "Nombre Sorteo . :", "Primer Premio .. :", "Segundo Premio :",
                                    "Número total de décimos :"};
    QLineEdit* const cajas[5] = {txtIDSorteo_, txtNombreSorteo_, txtPrimerPremio_, txtSegundoPremio_, txtTotalDecimosInternet_};
    for (int i = 0; i < 5; ++i) {
        gd->addWidget(Etiqueta(picDatosSorteos_, QString(), QString::fromUtf8(titulos[i])), 2 + i, 0);
        gd->addWidget(cajas[i], 2 + i, 1);
    }
    auto* iconos1 = new QHBoxLayout();
    iconos1->addStretch(1);
    iconos1->addWidget(cmdIniDatosSorteo_);
    iconos1->addWidget(cmdGuardarFicheroInternet_);
    gd->addLayout(iconos1, 7, 0, 1, 2);
    exterior->addWidget(picDatosSorteos_);

    auto* titulo2 = Etiqueta(this, QStringLiteral("Label10"), QStringLiteral("Filtrar Sorteos"));
    titulo2->setFont(negrita);
    exterior->addWidget(titulo2);
    picFiltrarSorteos_ = Panel(this, QStringLiteral("picFiltrarSorteos"));
    auto* gf = new QGridLayout(picFiltrarSorteos_);
    auto* posiciones = new QHBoxLayout();
    for (int p = 0; p < 5; ++p) {
        cboTerminaciones_[p] = new QComboBox(picFiltrarSorteos_);
        cboTerminaciones_[p]->setObjectName(QStringLiteral("cboTerminaciones_%1").arg(p));
        posiciones->addWidget(cboTerminaciones_[p]);
    }
    posiciones->addStretch(1);
    txtCantidadDisponibleMIN_ = Caja(picFiltrarSorteos_, QStringLiteral("txtCantidadDisponibleMIN"), QStringLiteral("1"), false, 5);
    txtCantidadDisponibleMAX_ = Caja(picFiltrarSorteos_, QStringLiteral("txtCantidadDisponibleMAX"), QStringLiteral("99999"), false, 5);
    auto* cantidades = new QHBoxLayout();
    cantidades->addWidget(txtCantidadDisponibleMIN_);
    cantidades->addWidget(Etiqueta(picFiltrarSorteos_, QString(), QStringLiteral("-")));
    cantidades->addWidget(txtCantidadDisponibleMAX_);
    cantidades->addStretch(1);
    for (QLineEdit* c : {txtCantidadDisponibleMIN_, txtCantidadDisponibleMAX_})
        c->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 10);
    cmdFiltrar_ = Boton(picFiltrarSorteos_, QStringLiteral("cmdFiltrar"), QStringLiteral("&Filtrar"));
    txtNumeroDecimosFiltrados_ = Caja(picFiltrarSorteos_, QStringLiteral("txtNumeroDecimosFiltrados"), QStringLiteral("0"), true);
    IniFiltrarSorteos_ = BotonImagen(picFiltrarSorteos_, QStringLiteral("IniFiltrarSorteos"), QStringLiteral("Inicializa los datos"),
                                     IconoLimpiar(picFiltrarSorteos_), 22);
    cmdGuardarFicheroFiltrado_ = BotonImagen(
        picFiltrarSorteos_, QStringLiteral("cmdGuardarFicheroFiltrado"),
        QStringLiteral("Guardar fichero con los números FILTRADOS para usarlo dentro del programa"),
        Icono(picFiltrarSorteos_, {"document-save"}, QStyle::SP_DialogSaveButton), 22);
    gf->addWidget(Etiqueta(picFiltrarSorteos_, QString(), QStringLiteral("Por terminaciones ......... :")), 0, 0);
    gf->addLayout(posiciones, 0, 1);
    gf->addWidget(Etiqueta(picFiltrarSorteos_, QString(), QStringLiteral("Por cantidad disponibles :")), 1, 0);
    gf->addLayout(cantidades, 1, 1);
    auto* filtrar = new QHBoxLayout();
    filtrar->addWidget(cmdFiltrar_);
    filtrar->addStretch(1);
    gf->addLayout(filtrar, 2, 0, 1, 2);
    gf->addWidget(Etiqueta(picFiltrarSorteos_, QString(), QStringLiteral("Número décimos filtrados :")), 3, 0);
    gf->addWidget(txtNumeroDecimosFiltrados_, 3, 1);
    auto* iconos2 = new QHBoxLayout();
    iconos2->addStretch(1);
    iconos2->addWidget(IniFiltrarSorteos_);
    iconos2->addWidget(cmdGuardarFicheroFiltrado_);
    gf->addLayout(iconos2, 4, 0, 1, 2);
    exterior->addWidget(picFiltrarSorteos_);

    picVentanaEspera_ = Panel(this, QStringLiteral("picVentanaEspera"));
    auto* espera = new QHBoxLayout(picVentanaEspera_);
    espera->addWidget(Etiqueta(picVentanaEspera_, QStringLiteral("lbltituloProgress"), QStringLiteral("Descargando ...")));
    // Laid over the window while shown rather than in the layout, so the window never changes size.
    picVentanaEspera_->setFrameShape(QFrame::Box);
    picVentanaEspera_->setAutoFillBackground(true);
    picVentanaEspera_->hide();

    auto* nota = Etiqueta(this, QStringLiteral("lblNota"), QStringLiteral("Compruebe siempre los datos oficiales en la web del operador de la lotería."));
    nota->setWordWrap(true);
    exterior->addWidget(nota);
    auto* abajo = new QHBoxLayout();
    abajo->addStretch(1);
    cmdVolver_ = BotonVolver(this);
    abajo->addWidget(cmdVolver_);
    exterior->addLayout(abajo);

    for (QLineEdit* c : {txtAnio_, txtCantidadDisponibleMIN_, txtCantidadDisponibleMAX_}) InstalarFiltroTecla(c, 1);
}

void frmNumerosTerminal::ConectarControles() {
    connect(cmdConsultarSorteo_, &QPushButton::clicked, this, &frmNumerosTerminal::cmdConsultarSorteo_Click);
    connect(cmdConsultarUltimoSorteo_, &QPushButton::clicked, this, [this] { ConsultarSorteo(2, {}); });
    connect(cmdConsultarSorteoAnterior_, &QPushButton::clicked, this, [this] { cmdConsultarSorteoAnteriorSiguiente(3); });
    connect(cmdConsultarSorteoSiguiente_, &QPushButton::clicked, this, [this] { cmdConsultarSorteoAnteriorSiguiente(4); });
    connect(cmdIniDatosSorteo_, &QToolButton::clicked, this, &frmNumerosTerminal::cmdIniDatosSorteo_Click);
    connect(IniFiltrarSorteos_, &QToolButton::clicked, this, &frmNumerosTerminal::IniFiltrarSorteos_Click);
    connect(cmdFiltrar_, &QPushButton::clicked, this, &frmNumerosTerminal::cmdFiltrar_Click);
    connect(cmdGuardarFicheroFiltrado_, &QToolButton::clicked, this, &frmNumerosTerminal::cmdGuardarFicheroFiltrado_Click);
    connect(cmdGuardarFicheroInternet_, &QToolButton::clicked, this, &frmNumerosTerminal::cmdGuardarFicheroInternet_Click);
    connect(cmdVolver_, &QPushButton::clicked, this, &frmNumerosTerminal::cmdVolver_Click);
}

void frmNumerosTerminal::Form_Load() {
    const QDate hoy = QDate::currentDate();
    cboDia_->setCurrentIndex(0);
    txtAnio_->setText(QStringLiteral("%1").arg(hoy.year(), 4, 10, QLatin1Char('0')));
    for (QComboBox* c : cboTerminaciones_) {
        c->addItem(QStringLiteral("*"));
        for (int d = 0; d <= 9; ++d) c->addItem(QString::number(d));
        c->setCurrentIndex(0);
    }
    for (int d = 1; d <= 31; ++d) cboDias_->addItem(Dos(d));
    cboDias_->setCurrentIndex(hoy.day() - 1);
    for (int m = 1; m <= 12; ++m) cboMeses_->addItem(Dos(m));
    cboMeses_->setCurrentIndex(hoy.month() - 1);
    QuitarCerrarMenuSistema(this, 1);
}

void frmNumerosTerminal::cmdConsultarSorteo_Click() {
    const auto clave = ClaveFechaSorteo(cboDias_->currentText().toStdString(), cboMeses_->currentText().toStdString(),
                                        txtAnio_->text().toStdString());
    if (!clave) {
        Mensaje(QStringLiteral("ERROR: FECHA SORTEO INCORRECTA"), EstiloMensaje::Critico, this);
        return;
    }
    ConsultarSorteo(1, *clave);
}

void frmNumerosTerminal::cmdConsultarSorteoAnteriorSiguiente(int modo) {
    if (txtIDSorteo_->text().trimmed() == QLatin1String("0")) {
        Mensaje(QStringLiteral("ERROR: TIENE QUE CARGAR PRIMERO UN SORTEO"), EstiloMensaje::Critico, this);
        return;
    }
    ConsultarSorteo(modo, {});
}

void frmNumerosTerminal::ConsultarSorteo(int modo, const std::string& clave) {
    BloquearPaneles();
    picVentanaEspera_->adjustSize();
    picVentanaEspera_->move((width() - picVentanaEspera_->width()) / 2, (height() - picVentanaEspera_->height()) / 2);
    picVentanaEspera_->raise();
    picVentanaEspera_->show();
    CederAhora();
    // Made on the first lookup, so that the player finds where draw files go.
    QDir().mkpath(carpeta_);
    LecturaSorteo leido = ConsultarCarpetaSorteos(QFile::encodeName(carpeta_).toStdString(), modo,
                                                  modo >= 3 ? sorteo_.clave : clave);
    picVentanaEspera_->hide();
    DesbloquearPaneles();
    if (!leido.sorteo) {
        Mensaje(QString::fromStdString(leido.error), EstiloMensaje::Critico, this);
        return;
    }
    cmdIniDatosSorteo_Click();
    sorteo_ = std::move(*leido.sorteo);
    txtIDSorteo_->setText(QString::fromStdString(sorteo_.id));
    txtNombreSorteo_->setText(QString::fromStdString(sorteo_.nombre));
    txtPrimerPremio_->setText(QString::fromStdString(sorteo_.primerPremio));
    txtSegundoPremio_->setText(QString::fromStdString(sorteo_.segundoPremio));
    txtTotalDecimosInternet_->setText(QString::number(sorteo_.decimos.size()));
    cboDia_->setCurrentIndex(sorteo_.diaSemana >= 0 && sorteo_.diaSemana <= 6 ? sorteo_.diaSemana + 1 : 0);
    // The date boxes show the draw now loaded, whichever way it was reached.
    const QString cargada = QString::fromStdString(sorteo_.clave);
    const QDate fecha = QDate::fromString(cargada, QStringLiteral("yyyyMMdd"));
    if (fecha.isValid()) {
        cboDias_->setCurrentIndex(fecha.day() - 1);
        cboMeses_->setCurrentIndex(fecha.month() - 1);
        txtAnio_->setText(cargada.left(4));
    }
}

void frmNumerosTerminal::cmdIniDatosSorteo_Click() {
    txtTotalDecimosInternet_->setText(QStringLiteral("0"));
    sorteo_ = DatosSorteo{};
    txtIDSorteo_->setText(QStringLiteral("0"));
    txtNombreSorteo_->clear();
    txtPrimerPremio_->clear();
    txtSegundoPremio_->clear();
    cboDia_->setCurrentIndex(0);
    LimpiarFiltro();
}

void frmNumerosTerminal::LimpiarFiltro() {
    txtNumeroDecimosFiltrados_->setText(QStringLiteral("0"));
    filtrados_.clear();
    filtrados_.shrink_to_fit();
}

void frmNumerosTerminal::IniFiltrarSorteos_Click() {
    for (QComboBox* c : cboTerminaciones_) c->setCurrentIndex(0);
    txtCantidadDisponibleMIN_->setText(QStringLiteral("1"));
    txtCantidadDisponibleMAX_->setText(QStringLiteral("99999"));
    LimpiarFiltro();
}

void frmNumerosTerminal::cmdFiltrar_Click() {
    if (txtTotalDecimosInternet_->text().trimmed() == QLatin1String("0")) {
        Mensaje(kSinCargados, EstiloMensaje::Critico, this);
        return;
    }
    std::array<int, 5> digito{};
    for (size_t p = 0; p < 5; ++p) digito[p] = cboTerminaciones_[p]->currentIndex() - 1;  // "*" is -1
    // A blank bound leaves that side open.
    const std::string minimo = txtCantidadDisponibleMIN_->text().toStdString();
    const std::string maximo = txtCantidadDisponibleMAX_->text().toStdString();
    filtrados_ = FiltrarDecimos(sorteo_.decimos, digito, Vacio(minimo) ? 0 : ValorTexto(minimo),
                                Vacio(maximo) ? INT64_MAX : ValorTexto(maximo));
    txtNumeroDecimosFiltrados_->setText(QString::number(filtrados_.size()));
}

bool frmNumerosTerminal::Guardar(const QString& titulo, const QString& nombre, const std::string& texto) {
    RegistroDialogo dialogo;
    dialogo.hwndOwner = this;
    dialogo.Filter = QStringLiteral("Ficheros de texto (*.TXT)|*.TXT|Todos los archivos (*.*)|*.*|");
    dialogo.DefaultExt = QStringLiteral("txt");
    dialogo.FileName = nombre;
    dialogo.DialogTitle = titulo;
    const QString ruta = MostrarGuardar(dialogo);
    if (ruta.isEmpty()) return false;
    // Written whole or not at all: an old file is never left half overwritten.
    std::string causa;
    if (!GuardarFicheroSeguro(QFile::encodeName(ruta).toStdString(), texto, &causa)) {
        Mensaje(QString::fromStdString(MensajeErrorGuardar(causa)), EstiloMensaje::Critico, this);
        return false;
    }
    return true;
}

void frmNumerosTerminal::cmdGuardarFicheroFiltrado_Click() {
    if (txtNumeroDecimosFiltrados_->text().trimmed() == QLatin1String("0")) {
        Mensaje(QStringLiteral("ERROR: No hay números filtrados"), EstiloMensaje::Critico, this);
        return;
    }
    Guardar(QStringLiteral("Guardar números filtrados"), QStringLiteral("Filtrados_%1.txt").arg(QString::fromStdString(sorteo_.clave)),
            TextoNumerosFiltrados(filtrados_));
}

void frmNumerosTerminal::cmdGuardarFicheroInternet_Click() {
    if (txtTotalDecimosInternet_->text().trimmed() == QLatin1String("0")) {
        Mensaje(kSinCargados, EstiloMensaje::Critico, this);
        return;
    }
    // Named and written as in the draw folder, so that it can be put back there.
    Guardar(QStringLiteral("Guardar fichero en bruto"), QString::fromStdString(sorteo_.clave) + QStringLiteral(".txt"),
            TextoSorteo(sorteo_));
}

void frmNumerosTerminal::cmdVolver_Click() {
    sorteo_ = DatosSorteo{};
    filtrados_.clear();
    CerrarVentana();
}

void frmNumerosTerminal::BloquearPaneles() {
    for (QWidget* w : {static_cast<QWidget*>(picDatosSorteos_), static_cast<QWidget*>(picFiltrarSorteos_),
                       static_cast<QWidget*>(cmdVolver_)})
        w->setEnabled(false);
}

void frmNumerosTerminal::DesbloquearPaneles() {
    for (QWidget* w : {static_cast<QWidget*>(picDatosSorteos_), static_cast<QWidget*>(picFiltrarSorteos_),
                       static_cast<QWidget*>(cmdVolver_)})
        w->setEnabled(true);
}
