#include "frmImprimir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <qrencode.h>
#include <stdexcept>

#include "config_impresion.h"
#include "controles.h"
#include "dialogos_archivo.h"
#include "mensajes.h"
#include "sistema.h"
#include "teclado.h"
#include "vista_texto.h"

namespace {

const QString kErrorDatosSorteo = QStringLiteral("ERROR: DATOS DEL SORTEO INCORRECTOS");
const char* const kMeses[12] = {"ENE", "FEB", "MAR", "ABR", "MAY", "JUN", "JUL", "AGO", "SEP", "OCT", "NOV", "DIC"};
const char* const kDiasSemana[7] = {"L", "M", "X", "J", "V", "S", "D"};

// An error of the load, with the number the message shows.
struct ErrorCarga : std::runtime_error {
    int numero;
    ErrorCarga(const char* descripcion, int n) : std::runtime_error(descripcion), numero(n) {}
};

std::string Std(const QString& s) { return s.toStdString(); }

QLineEdit* Caja(QWidget* padre, const QString& nombre, int maximo, const QString& texto = QString()) {
    auto* c = new QLineEdit(texto, padre);
    c->setObjectName(nombre);
    c->setMaxLength(maximo);
    return c;
}

QComboBox* Combo(QWidget* padre, const QString& nombre, std::initializer_list<QString> elementos) {
    auto* c = new QComboBox(padre);
    c->setObjectName(nombre);
    for (const QString& e : elementos) c->addItem(e);
    return c;
}

QGroupBox* Grupo(QWidget* padre, const QString& titulo) {
    auto* g = new QGroupBox(titulo, padre);
    QFont f = g->font();
    f.setBold(true);
    g->setFont(f);
    return g;
}

// Children of a bold group box keep the ordinary weight.
void FuenteNormal(QWidget* w, const QFont& normal) {
    for (QWidget* hijo : w->findChildren<QWidget*>())
        if (hijo->objectName() != QLatin1String("lblBoletos")) hijo->setFont(normal);
}

// Draws a QR code of `texto` filling the square `zona`.
void DibujarQR(QPainter& p, const QRectF& zona, const QString& texto, int nivel) {
    const QImage qr = ImagenQR(texto.toUtf8(), nivel);
    if (qr.isNull()) return;
    const bool suave = p.testRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(zona, qr);
    p.setRenderHint(QPainter::SmoothPixmapTransform, suave);
}

}  // namespace

QImage ImagenQR(const QByteArray& texto, int nivel) {
    static const QRecLevel niveles[4] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
    QRinput* entrada = QRinput_new2(0, niveles[std::clamp(nivel, 0, 3)]);
    if (entrada == nullptr) return {};
    // Readers guess the encoding of 8-bit data; accented letters need the
    // UTF-8 mark (ECI 26) to read back as typed.
    const bool ascii = std::all_of(texto.begin(), texto.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const bool bien = (ascii || QRinput_appendECIheader(entrada, 26) == 0) &&
                      QRinput_append(entrada, QR_MODE_8, static_cast<int>(texto.size()),
                                     reinterpret_cast<const unsigned char*>(texto.constData())) == 0;
    QRcode* codigo = bien ? QRcode_encodeInput(entrada) : nullptr;
    QRinput_free(entrada);
    if (codigo == nullptr) return {};
    constexpr int kMargen = 4;
    const int lado = codigo->width + 2 * kMargen;
    QImage imagen(lado, lado, QImage::Format_Mono);
    imagen.fill(0);  // index 0 = white below
    imagen.setColor(0, qRgb(255, 255, 255));
    imagen.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < codigo->width; ++y)
        for (int x = 0; x < codigo->width; ++x)
            if (codigo->data[y * codigo->width + x] & 1) imagen.setPixel(x + kMargen, y + kMargen, 1);
    QRcode_free(codigo);
    return imagen;
}

frmImprimir::frmImprimir(EstadoSesion& sesion, QWidget* padre)
    : VentanaSecundaria(padre), sesion_(sesion) {
    RutaConfig = CarpetaPrograma() + QLatin1Char('/') + QString::fromLatin1(kNombreConfigImpresion);
    setObjectName(QStringLiteral("frmImprimir"));
    setWindowTitle(QStringLiteral("PANEL DE IMPRESION"));
    ConstruirControles();
    ConectarControles();
    // Before the first show: the close item goes whatever the load meets.
    QuitarCerrarMenuSistema(this, 1);
}

void frmImprimir::ConstruirControles() {
    QFont normal = font();
    normal.setBold(false);  // marked as set, so it does not inherit the groups' bold
    QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fija.setBold(false);
    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(10, 10, 10, 10);
    exterior->setSpacing(8);
    auto* columnas = new QHBoxLayout();
    columnas->setSpacing(10);
    auto* izquierda = new QVBoxLayout();
    auto* derecha = new QVBoxLayout();
    columnas->addLayout(izquierda, 1);
    columnas->addLayout(derecha, 1);
    exterior->addLayout(columnas);

    // General information.
    auto* info = Grupo(this, QStringLiteral("Información General"));
    auto* gi = new QGridLayout(info);
    txtNombreQuinielaBase_ = Caja(info, QStringLiteral("txtNombreQuinielaBase"), 30);
    txtNombreQuinielaBase_->setReadOnly(true);
    lblBoletos_ = Etiqueta(info, QStringLiteral("lblBoletos"), QStringLiteral("0"));
    QPalette azul = lblBoletos_->palette();
    azul.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblBoletos_->setPalette(azul);
    txtTitulo_ = Caja(info, QStringLiteral("txtTitulo"), 35);
    txtPie_ = Caja(info, QStringLiteral("txtPie"), 35);
    gi->addWidget(new QLabel(QStringLiteral("BASE ..... :"), info), 0, 0);
    gi->addWidget(txtNombreQuinielaBase_, 0, 1);
    gi->addWidget(new QLabel(QStringLiteral("DECIMOS :"), info), 1, 0);
    gi->addWidget(lblBoletos_, 1, 1);
    gi->addWidget(new QLabel(QStringLiteral("TITULO .. :"), info), 2, 0);
    gi->addWidget(txtTitulo_, 2, 1);
    gi->addWidget(new QLabel(QStringLiteral("PIE ........ :"), info), 3, 0);
    gi->addWidget(txtPie_, 3, 1);
    FuenteNormal(info, normal);
    izquierda->addWidget(info);

    // Draw data.
    auto* sorteo = Grupo(this, QStringLiteral("Datos del Sorteo"));
    auto* gs = new QGridLayout(sorteo);
    txtNombreSorteo_ = Caja(sorteo, QStringLiteral("txtNombreSorteo"), 30, QStringLiteral("Nombre Sorteo"));
    txtNumeroSorteo_ = Caja(sorteo, QStringLiteral("txtNumeroSorteo"), 3, QStringLiteral("102"));
    txtPrecioSorteo_ = Caja(sorteo, QStringLiteral("txtPrecioSorteo"), 3, QStringLiteral("20"));
    txtDiaSorteo_ = Caja(sorteo, QStringLiteral("txtDiaSorteo"), 2);
    cboMesSorteo_ = Combo(sorteo, QStringLiteral("cboMesSorteo"), {});
    for (const char* m : kMeses) cboMesSorteo_->addItem(QString::fromLatin1(m));
    txtAnioSorteo_ = Caja(sorteo, QStringLiteral("txtAnioSorteo"), 4);
    cboDiaSorteo_ = Combo(sorteo, QStringLiteral("cboDiaSorteo"), {});
    for (const char* d : kDiasSemana) cboDiaSorteo_->addItem(QString::fromLatin1(d));
    const int ancho4 = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12;
    for (QLineEdit* c : {txtNumeroSorteo_, txtPrecioSorteo_, txtDiaSorteo_, txtAnioSorteo_}) c->setFixedWidth(ancho4);
    gs->addWidget(new QLabel(QStringLiteral("Nombre :"), sorteo), 0, 0);
    gs->addWidget(txtNombreSorteo_, 0, 1, 1, 6);
    gs->addWidget(new QLabel(QStringLiteral("Número :"), sorteo), 1, 0);
    gs->addWidget(txtNumeroSorteo_, 1, 1);
    gs->addWidget(new QLabel(QStringLiteral("Precio :"), sorteo), 1, 2, Qt::AlignRight);
    gs->addWidget(txtPrecioSorteo_, 1, 3);
    gs->addWidget(new QLabel(QStringLiteral("euros"), sorteo), 1, 4);
    gs->addWidget(new QLabel(QStringLiteral("Fecha .. :"), sorteo), 2, 0);
    gs->addWidget(txtDiaSorteo_, 2, 1);
    gs->addWidget(cboMesSorteo_, 2, 2);
    gs->addWidget(txtAnioSorteo_, 2, 3);
    gs->addWidget(new QLabel(QStringLiteral("Día :"), sorteo), 2, 4, Qt::AlignRight);
    gs->addWidget(cboDiaSorteo_, 2, 5);
    gs->setColumnStretch(6, 1);
    FuenteNormal(sorteo, normal);
    izquierda->addWidget(sorteo);

    // Printer, paper and orientation.
    auto* config = Grupo(this, QStringLiteral("Configuración General"));
    auto* gc = new QGridLayout(config);
    cboNombreImpresora_ = Combo(config, QStringLiteral("cboNombreImpresora"), {});
    cboNombreImpresora_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboNombreImpresora_->setMinimumContentsLength(20);
    cboTipoPapel_ = Combo(config, QStringLiteral("cboTipoPapel"),
                          {QStringLiteral("Sólo códigos QR"), QStringLiteral("Décimos y códigos QR")});
    cboOrientacion_ = Combo(config, QStringLiteral("cboOrientacion"), {QStringLiteral("Vertical"), QStringLiteral("Horizontal")});
    gc->addWidget(new QLabel(QStringLiteral("IMPRESORA :"), config), 0, 0);
    gc->addWidget(cboNombreImpresora_, 0, 1);
    gc->addWidget(new QLabel(QStringLiteral("TIPO DE PAPEL :"), config), 1, 0);
    gc->addWidget(cboTipoPapel_, 1, 1);
    gc->addWidget(new QLabel(QStringLiteral("ORIENTACION :"), config), 2, 0);
    gc->addWidget(cboOrientacion_, 2, 1);
    gc->setColumnStretch(1, 1);
    FuenteNormal(config, normal);
    izquierda->addWidget(config);

    // Margins.
    auto* margenes = Grupo(this, QStringLiteral("Márgenes"));
    auto* gm = new QGridLayout(margenes);
    txtAnchuraREVERSOBOLETOS_ = Caja(margenes, QStringLiteral("txtAnchuraREVERSOBOLETOS"), 7, QStringLiteral("900"));
    txtAlturaREVERSOBOLETOS_ = Caja(margenes, QStringLiteral("txtAlturaREVERSOBOLETOS"), 7, QStringLiteral("1000"));
    auto* lblIzq = new QLabel(QStringLiteral("1. Margen Izquierdo :"), margenes);
    auto* lblSup = new QLabel(QStringLiteral("2. Margen Superior  :"), margenes);
    lblIzq->setToolTip(QStringLiteral("Distancia desde el borde izquierdo del décimo hasta la primera cruz"));
    lblSup->setToolTip(QStringLiteral("Distancia desde el borde superior del décimo hasta la primera cruz"));
    auto* nota = new QLabel(QStringLiteral("(Los márgenes permiten valores negativos)"), margenes);
    nota->setToolTip(QStringLiteral("Borre todo el número para poner el signo -"));
    gm->addWidget(lblIzq, 0, 0);
    gm->addWidget(txtAnchuraREVERSOBOLETOS_, 0, 1);
    gm->addWidget(lblSup, 1, 0);
    gm->addWidget(txtAlturaREVERSOBOLETOS_, 1, 1);
    gm->addWidget(nota, 2, 0, 1, 3);
    gm->setColumnStretch(2, 1);
    FuenteNormal(margenes, normal);
    for (QLineEdit* c : {txtAnchuraREVERSOBOLETOS_, txtAlturaREVERSOBOLETOS_}) {
        c->setFont(fija);
        c->setToolTip(QStringLiteral("Permite valores negativos"));
        c->setFixedWidth(QFontMetrics(fija).horizontalAdvance(QStringLiteral("-0000000")) + 12);
    }
    izquierda->addWidget(margenes);
    izquierda->addStretch(1);

    // Which tickets and how.
    auto* opciones = Grupo(this, QStringLiteral("Opciones de Impresión"));
    auto* go = new QVBoxLayout(opciones);
    const char* const textosOpt[3] = {"IMPRIMIR TODOS LOS DECIMOS", "IMPRIMIR UN INTERVALO DE DECIMOS",
                                      "IMPRIMIR UN SOLO DECIMO"};
    for (int i = 0; i < 3; ++i) {
        optImBoletos_[i] = new QRadioButton(QString::fromLatin1(textosOpt[i]), opciones);
        optImBoletos_[i]->setObjectName(QStringLiteral("optImBoletos_%1").arg(i));
        go->addWidget(optImBoletos_[i]);
    }
    optImBoletos_[0]->setChecked(true);
    picIntervalo_ = new QFrame(opciones);
    picIntervalo_->setObjectName(QStringLiteral("picIntervalo"));
    auto* hi = new QHBoxLayout(picIntervalo_);
    hi->setContentsMargins(20, 0, 0, 0);
    txtPriBoleto_ = Caja(picIntervalo_, QStringLiteral("txtPriBoleto"), 9, QStringLiteral("1"));
    txtUltBoleto_ = Caja(picIntervalo_, QStringLiteral("txtUltBoleto"), 9, QStringLiteral("1"));
    hi->addWidget(new QLabel(QStringLiteral("INTERVALO :"), picIntervalo_));
    hi->addWidget(txtPriBoleto_);
    hi->addWidget(new QLabel(QStringLiteral("-"), picIntervalo_));
    hi->addWidget(txtUltBoleto_);
    hi->addStretch(1);
    picNBoleto_ = new QFrame(opciones);
    picNBoleto_->setObjectName(QStringLiteral("picNBoleto"));
    auto* hn = new QHBoxLayout(picNBoleto_);
    hn->setContentsMargins(20, 0, 0, 0);
    txtNBoleto_ = Caja(picNBoleto_, QStringLiteral("txtNBoleto"), 9, QStringLiteral("1"));
    hn->addWidget(new QLabel(QStringLiteral("Nº DE DECIMO A IMPRIMIR :"), picNBoleto_));
    hn->addWidget(txtNBoleto_);
    hn->addStretch(1);
    const int ancho9 = fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12;
    for (QLineEdit* c : {txtPriBoleto_, txtUltBoleto_, txtNBoleto_}) c->setFixedWidth(ancho9);
    picIntervalo_->hide();
    picNBoleto_->hide();
    go->addWidget(picIntervalo_);
    go->addWidget(picNBoleto_);

    auto* gp = new QGridLayout();
    lblCabeceraBoleto_ = Etiqueta(opciones, QStringLiteral("lblCabeceraBoleto"),
                                  QStringLiteral("Imprimir Cabecera y Número ..................... :"));
    chkCabeceraBoleto_ = new QCheckBox(opciones);
    chkCabeceraBoleto_->setObjectName(QStringLiteral("chkCabeceraBoleto"));
    chkCabeceraBoleto_->setChecked(true);
    lblFondoDecimo_ = Etiqueta(opciones, QStringLiteral("lblFondoDecimo"),
                               QStringLiteral("Imprimir fondo del décimo ......................... :"));
    chkFondoDecimo_ = new QCheckBox(opciones);
    chkFondoDecimo_->setObjectName(QStringLiteral("chkFondoDecimo"));
    chkFondoDecimo_->setChecked(true);
    cboNumeroDecimos_ = Combo(opciones, QStringLiteral("cboNumeroDecimos"), {});
    for (int n = 1; n <= 10; ++n) cboNumeroDecimos_->addItem(QString::number(n));
    cboTipoGeneradorQR_ = Combo(opciones, QStringLiteral("cboTipoGeneradorQR"),
                                {QStringLiteral("Rápido (G)"), QStringLiteral("Normal (C)"), QStringLiteral("Optimo (T)")});
    gp->addWidget(lblCabeceraBoleto_, 0, 0);
    gp->addWidget(chkCabeceraBoleto_, 0, 1);
    gp->addWidget(lblFondoDecimo_, 1, 0);
    gp->addWidget(chkFondoDecimo_, 1, 1);
    gp->addWidget(new QLabel(QStringLiteral("Número de décimos en cada QR :"), opciones), 2, 0);
    gp->addWidget(cboNumeroDecimos_, 2, 1);
    gp->addWidget(new QLabel(QStringLiteral("Tipo generador de códigos QR :"), opciones), 3, 0);
    gp->addWidget(cboTipoGeneradorQR_, 3, 1);
    gp->setColumnStretch(2, 1);
    go->addLayout(gp);
    FuenteNormal(opciones, normal);
    derecha->addWidget(opciones);

    // The QR code viewer.
    picVisorContenedor_ = new QFrame(this);
    picVisorContenedor_->setObjectName(QStringLiteral("picVisorContenedor"));
    picVisorContenedor_->setFrameShape(QFrame::StyledPanel);
    auto* gv = new QGridLayout(picVisorContenedor_);
    picVisorQR_ = Etiqueta(picVisorContenedor_, QStringLiteral("picVisorQR"), QString());
    picVisorQR_->setFixedSize(180, 180);
    picVisorQR_->setAlignment(Qt::AlignCenter);
    lblDecimoQR_ = Etiqueta(picVisorContenedor_, QStringLiteral("lblDecimoQR"), QStringLiteral("0"));
    lblNumeroBoletoVisorQR_ = Etiqueta(picVisorContenedor_, QStringLiteral("lblNumeroBoletoVisorQR"), QStringLiteral("Décimo 1 de X"));
    cmdCerrarpicContenedor_ = Boton(picVisorContenedor_, QStringLiteral("cmdCerrarpicContenedor"), QStringLiteral("X"),
                                    QStringLiteral("Cerrar cuadro"));
    cmdCerrarpicContenedor_->setFixedWidth(28);
    const char* const nombresNav[4] = {"cmdPRIMERBoleto", "boletoANT", "boletoSIG", "cmdULTIMOBoleto"};
    const char* const textosNav[4] = {"|<", "<", ">", ">|"};
    const char* const ayudasNav[4] = {"Boleto Primero", "Boleto Anterior", "Boleto Siguiente", "Boleto Ultimo"};
    auto* nav = new QHBoxLayout();
    for (int i = 0; i < 4; ++i) {
        navegacionVisor_[i] = Boton(picVisorContenedor_, QString::fromLatin1(nombresNav[i]), QString::fromLatin1(textosNav[i]),
                                    QString::fromLatin1(ayudasNav[i]));
        nav->addWidget(navegacionVisor_[i]);
    }
    gv->addWidget(cmdCerrarpicContenedor_, 0, 1, Qt::AlignRight);
    gv->addWidget(picVisorQR_, 1, 0, 1, 2, Qt::AlignHCenter);
    gv->addWidget(lblDecimoQR_, 2, 0, 1, 2, Qt::AlignHCenter);
    gv->addWidget(lblNumeroBoletoVisorQR_, 3, 0, 1, 2, Qt::AlignHCenter);
    gv->addLayout(nav, 4, 0, 1, 2);
    picVisorContenedor_->hide();
    derecha->addWidget(picVisorContenedor_);
    derecha->addStretch(1);

    // Commands.
    auto* abajo = new QHBoxLayout();
    cmdVisorQR_ = BotonImagen(this, QStringLiteral("cmdVisorQR"), QStringLiteral("Visor de Códigos QR"),
                              Icono(this, {"document-print-preview", "zoom-in"}, QStyle::SP_FileDialogContentsView));
    cmdVerenBlocdeNotas_ = BotonImagen(this, QStringLiteral("cmdVerenBlocdeNotas"),
                                       QStringLiteral("Ver los décimos en el Bloc de Notas"),
                                       IconoBlocDeNotas(this));
    cmdImprimir_ = Boton(this, QStringLiteral("cmdImprimir"), QStringLiteral("&Imprimir"));
    cmdVolver_ = BotonVolver(this);
    abajo->addWidget(cmdVisorQR_);
    abajo->addWidget(cmdVerenBlocdeNotas_);
    abajo->addStretch(1);
    abajo->addWidget(cmdImprimir_);
    abajo->addWidget(cmdVolver_);
    exterior->addLayout(abajo);

    for (QLineEdit* c : {txtAnchuraREVERSOBOLETOS_, txtAlturaREVERSOBOLETOS_}) InstalarFiltroTecla(c, 8);
    for (QLineEdit* c : {txtNumeroSorteo_, txtPrecioSorteo_, txtDiaSorteo_, txtAnioSorteo_, txtNBoleto_, txtPriBoleto_,
                         txtUltBoleto_})
        InstalarFiltroTecla(c, 1);
}

void frmImprimir::ConectarControles() {
    connect(cmdVolver_, &QPushButton::clicked, this, &frmImprimir::cmdVolver_Click);
    connect(cmdImprimir_, &QPushButton::clicked, this, &frmImprimir::cmdImprimir_Click);
    connect(cmdVisorQR_, &QToolButton::clicked, this, &frmImprimir::cmdVisorQR_Click);
    connect(cmdCerrarpicContenedor_, &QPushButton::clicked, this, &frmImprimir::cmdCerrarpicContenedor_Click);
    connect(cmdVerenBlocdeNotas_, &QToolButton::clicked, this, &frmImprimir::cmdVerenBlocdeNotas_Click);
    connect(cboTipoPapel_, &QComboBox::currentIndexChanged, this, &frmImprimir::cboTipoPapel_Click);
    connect(cboNombreImpresora_, &QComboBox::currentIndexChanged, this, &frmImprimir::cboNombreImpresora_Click);
    connect(txtDiaSorteo_, &QLineEdit::textChanged, this, &frmImprimir::FechaSorteo_Change);
    connect(cboMesSorteo_, &QComboBox::currentIndexChanged, this, &frmImprimir::FechaSorteo_Change);
    connect(txtAnioSorteo_, &QLineEdit::textChanged, this, &frmImprimir::FechaSorteo_Change);
    for (int i = 0; i < 3; ++i)
        connect(optImBoletos_[i], &QRadioButton::toggled, this, [this, i](bool activo) {
            if (activo) optImBoletos_Click(i);
        });
}

void frmImprimir::showEvent(QShowEvent* evento) {
    VentanaSecundaria::showEvent(evento);
    if (!cargado_) {
        cargado_ = true;
        Form_Load();
    }
}

void frmImprimir::Form_Load() {
    totalDecimos_ = TotalDecimos;
    QString nombre = RutaBase.trimmed();
    const qsizetype barra = std::max(nombre.lastIndexOf(QLatin1Char('\\')), nombre.lastIndexOf(QLatin1Char('/')));
    if (barra >= 0) nombre = nombre.mid(barra + 1);
    txtNombreQuinielaBase_->setText(nombre);
    lblBoletos_->setText(QString::number(totalDecimos_));

    AjustesImpresion& a = sesion_.impresion;
    try {
        cboNombreImpresora_->clear();
        const QString actual = a.impresoraActual.empty() ? QPrinterInfo::defaultPrinterName()
                                                           : QString::fromStdString(a.impresoraActual);
        int posicion = 0;
        int contador = 0;
        for (const QString& impresora : QPrinterInfo::availablePrinterNames()) {
            ++contador;
            cboNombreImpresora_->addItem(impresora);
            if (impresora == actual) posicion = contador;
        }
        cboNombreImpresora_->setCurrentIndex(posicion - 1);
        cboNombreImpresora_->setToolTip(cboNombreImpresora_->currentText());

        cboTipoPapel_->setCurrentIndex(1);
        cboTipoPapel_Click();  // runs even when the index did not change
        cboOrientacion_->setCurrentIndex(0);
        txtAnchuraREVERSOBOLETOS_->setText(QString::number(a.gMargenIzquierdo));
        txtAlturaREVERSOBOLETOS_->setText(QString::number(a.gMargenSuperior));
        if (a.gOrientacion != 0 && a.gOrientacion != 1) throw ErrorCarga("Valor de propiedad no válido", 380);
        cboOrientacion_->setCurrentIndex(a.gOrientacion);

        txtTitulo_->setText(QString::fromStdString(a.gTituloImpresion));
        txtPie_->setText(QString::fromStdString(a.gPieImpresion));
        txtNombreSorteo_->setText(QString::fromStdString(a.gNombreSorteo));
        txtNumeroSorteo_->setText(QString::fromStdString(TextoNumeroSorteo(a.gNumeroSorteo)));
        txtPrecioSorteo_->setText(QString::number(a.gPrecioDecimo));

        const auto fecha = LeerFechaSorteo(a.gFechaSorteo);
        if (!fecha) throw ErrorCarga("No coinciden los tipos", 13);
        cboDiaSorteo_->setCurrentIndex(fecha->diaSemana);
        txtDiaSorteo_->setText(QString::fromStdString(fecha->dia));
        cboMesSorteo_->setCurrentIndex(fecha->mes - 1);
        txtAnioSorteo_->setText(QString::fromStdString(fecha->anio));

        cboNumeroDecimos_->setCurrentIndex(0);
        cboTipoGeneradorQR_->setCurrentIndex(0);
    } catch (const ErrorCarga& e) {
        Mensaje(QStringLiteral("ERROR: %1 (%2)").arg(QString::fromUtf8(e.what())).arg(e.numero), EstiloMensaje::Critico, this);
    }
}

void frmImprimir::cboTipoPapel_Click() {
    const bool soloQR = cboTipoPapel_->currentIndex() == 0;
    chkCabeceraBoleto_->setVisible(soloQR);
    lblCabeceraBoleto_->setVisible(soloQR);
    chkFondoDecimo_->setVisible(!soloQR);
    lblFondoDecimo_->setVisible(!soloQR);
}

// Every ticket prints the weekday: it follows the date as soon as the date is
// whole and valid, and the user may still pick another afterwards.
void frmImprimir::FechaSorteo_Change() {
    const auto fecha = LeerFechaSorteo(
        UnirFechaSorteo(Std(txtDiaSorteo_->text()), cboMesSorteo_->currentIndex(), Std(txtAnioSorteo_->text())));
    if (fecha) cboDiaSorteo_->setCurrentIndex(fecha->diaSemana);
}

void frmImprimir::cboNombreImpresora_Click() { cboNombreImpresora_->setToolTip(cboNombreImpresora_->currentText()); }

void frmImprimir::optImBoletos_Click(int indice) {
    picIntervalo_->setVisible(indice == 1);
    picNBoleto_->setVisible(indice == 2);
}

bool frmImprimir::ValidarDatosSorteo() {
    if (::ValidarDatosSorteo(Std(txtNumeroSorteo_->text()), Std(txtPrecioSorteo_->text()), Std(txtDiaSorteo_->text()),
                             Std(txtAnioSorteo_->text())))
        return true;
    Mensaje(kErrorDatosSorteo, EstiloMensaje::Critico, this);
    return false;
}

void frmImprimir::ValidarMargenes() {
    txtAnchuraREVERSOBOLETOS_->setText(
        QString::fromStdString(RepararMargen(Std(txtAnchuraREVERSOBOLETOS_->text()), "900")));
    txtAlturaREVERSOBOLETOS_->setText(QString::fromStdString(RepararMargen(Std(txtAlturaREVERSOBOLETOS_->text()), "1000")));
}

void frmImprimir::GuardarMargenes() {
    ValidarMargenes();
    AjustesImpresion& a = sesion_.impresion;
    a.gMargenIzquierdo = static_cast<int32_t>(ValorTexto(Std(txtAnchuraREVERSOBOLETOS_->text())));
    a.gMargenSuperior = static_cast<int32_t>(ValorTexto(Std(txtAlturaREVERSOBOLETOS_->text())));
    a.gOrientacion = cboOrientacion_->currentIndex();
}

void frmImprimir::cmdVolver_Click() {
    GuardarMargenes();
    GuardarConfigImpresion(sesion_.impresion, RutaConfig.toStdString());
    Form_Unload();
    CerrarVentana();
}

void frmImprimir::Form_Unload() {
    AjustesImpresion& a = sesion_.impresion;
    a.gTituloImpresion = Std(txtTitulo_->text());
    a.gPieImpresion = Std(txtPie_->text());
    a.gNombreSorteo = Std(txtNombreSorteo_->text());
    if (Vacio(Std(txtNumeroSorteo_->text()))) txtNumeroSorteo_->setText(QStringLiteral("102"));
    a.gNumeroSorteo = static_cast<int16_t>(std::clamp<int64_t>(ValorTexto(Std(txtNumeroSorteo_->text())), -32768, 32767));
    if (Vacio(Std(txtPrecioSorteo_->text()))) txtPrecioSorteo_->setText(QStringLiteral("20"));
    a.gPrecioDecimo = static_cast<int16_t>(std::clamp<int64_t>(ValorTexto(Std(txtPrecioSorteo_->text())), -32768, 32767));
    a.gFechaSorteo = UnirFechaSorteo(Std(txtDiaSorteo_->text()), cboMesSorteo_->currentIndex(), Std(txtAnioSorteo_->text()));
}

void frmImprimir::cmdImprimir_Click() {
    if (!ValidarDatosSorteo()) return;
    const QString elegida = cboNombreImpresora_->currentText();
    if (QPrinterInfo::availablePrinterNames().contains(elegida)) sesion_.impresion.impresoraActual = Std(elegida);

    const QString cuenta = QString::number(totalDecimos_);
    RangoDecimos rango;
    if (optImBoletos_[0]->isChecked()) {
        if (Mensaje(QStringLiteral("¿ IMPRIMIR TODOS LOS DECIMOS ?"), EstiloMensaje::PreguntaSiNo, this) != RespuestaMensaje::Si)
            return;
        rango = RangoTodos(totalDecimos_);
    } else if (optImBoletos_[1]->isChecked()) {
        rango = RangoIntervalo(Std(txtPriBoleto_->text()), Std(txtUltBoleto_->text()), totalDecimos_);
        if (rango.error == ErrorDecimos::IntervaloIncompleto) {
            Mensaje(QStringLiteral("ERROR: DEBE COMPLETAR LOS CAMPOS INTERVALO DE DECIMOS"), EstiloMensaje::Critico, this);
            txtPriBoleto_->setFocus();
            return;
        }
        if (rango.error != ErrorDecimos::Ninguno) {
            Mensaje(QStringLiteral("ERROR: EL INTERVALO DE DECIMOS DEBE ESTAR ENTRE 1 y ") + cuenta, EstiloMensaje::Critico, this);
            txtPriBoleto_->setFocus();
            txtPriBoleto_->selectAll();
            return;
        }
    } else {
        rango = RangoDecimo(Std(txtNBoleto_->text()), totalDecimos_);
        if (rango.error != ErrorDecimos::Ninguno) {
            Mensaje(QStringLiteral("ERROR: EL NUMERO DE DECIMOS DEBE ESTAR ENTRE 1 y ") + cuenta, EstiloMensaje::Critico, this);
            txtNBoleto_->setFocus();
            txtNBoleto_->selectAll();
            return;
        }
    }
    Imprimir(rango);
}

void frmImprimir::ConfigurarImpresora(QPrinter& impresora) {
    impresora.setPageOrientation(cboOrientacion_->currentIndex() == 0 ? QPageLayout::Portrait : QPageLayout::Landscape);
    impresora.setFullPage(true);
    GuardarMargenes();
}

DatosImpresion frmImprimir::LeerDatos() const {
    DatosImpresion d;
    d.titulo = Std(txtTitulo_->text());
    d.pie = Std(txtPie_->text());
    d.nombre = Std(txtNombreSorteo_->text());
    d.numero = TextoNumeroSorteo(static_cast<int32_t>(ValorTexto(Std(txtNumeroSorteo_->text()))));
    d.precio = std::to_string(ValorTexto(Std(txtPrecioSorteo_->text())));
    d.fecha = TextoFechaImpresion(cboDiaSorteo_->currentIndex(), Std(txtDiaSorteo_->text()), Std(cboMesSorteo_->currentText()),
                                  Std(txtAnioSorteo_->text()));
    return d;
}

std::vector<std::string> frmImprimir::Numeros(int32_t primero, int32_t ultimo) const {
    std::vector<std::string> numeros;
    for (int32_t n = primero; n <= ultimo; ++n) numeros.push_back(Std(NumeroDecimo(n)));
    return numeros;
}

void frmImprimir::Imprimir(const RangoDecimos& rango) {
    QPrinter impresora(QPrinter::HighResolution);
    QString destino = SalidaPdf;
    const QString nombre = QString::fromStdString(sesion_.impresion.impresoraActual);
    if (destino.isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        RegistroDialogo dialogo;
        dialogo.hwndOwner = this;
        dialogo.Filter = QStringLiteral("Documentos PDF (*.pdf)|*.pdf|");
        dialogo.DefaultExt = QStringLiteral("pdf");
        dialogo.FileName = QStringLiteral("decimos.pdf");
        dialogo.DialogTitle = QStringLiteral("No hay ninguna impresora instalada: los décimos se guardarán en un fichero PDF");
        destino = MostrarGuardar(dialogo);
        if (destino.isEmpty()) return;
    }
    if (!destino.isEmpty()) {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(destino);
    } else if (!nombre.isEmpty()) {
        impresora.setPrinterName(nombre);
    }
    impresora.setPageSize(QPageSize(QPageSize::A4));
    ConfigurarImpresora(impresora);
    const DatosImpresion datos = LeerDatos();
    // The margins are in twips, and so is the whole page: 20 to a point.
    const QSize hoja = impresora.pageLayout().fullRectPoints().size() * 20;
    const DisposicionPagina disposicion =
        DisponerPagina(hoja.width(), hoja.height(), static_cast<int32_t>(ValorTexto(Std(txtAnchuraREVERSOBOLETOS_->text()))),
                       static_cast<int32_t>(ValorTexto(Std(txtAlturaREVERSOBOLETOS_->text()))));

    QPainter p;
    if (!p.begin(&impresora)) {
        Mensaje(QStringLiteral("ERROR: NO SE HA PODIDO IMPRIMIR"), EstiloMensaje::Critico, this);
        return;
    }
    p.scale(impresora.resolution() / 1440.0, impresora.resolution() / 1440.0);
    int paginas = 0;
    const int tipo = cboTipoPapel_->currentIndex();
    if (tipo == 0)
        ImprimirCodigosQR(p, impresora, datos, disposicion, rango.indice, rango.primero, rango.ultimo, paginas);
    else
        ImprimirDecimos(p, impresora, datos, disposicion, rango.indice, rango.primero, rango.ultimo, paginas);
    p.end();
    impresiones_.append({tipo, rango.indice, rango.primero, rango.ultimo, paginas});
}

QString frmImprimir::NumeroDecimo(int32_t n) const {
    const TablaNumeros& r = sesion_.tablas.gResultado;
    if (n < 1 || n > r.Filas()) return {};
    QString texto;
    for (int pos = 1; pos <= kPosiciones; ++pos) texto += QChar(u'0' + DigitoDeCasilla(r(n, pos)));
    return texto;
}

int frmImprimir::NivelQR() const { return cboTipoGeneradorQR_->currentIndex() == 2 ? 3 : cboTipoGeneradorQR_->currentIndex(); }

namespace {

QRectF Zona(const RectanguloTwips& r) { return QRectF(r.x, r.y, r.ancho, r.alto); }

// Text in a monospaced face of `puntos` points (20 twips each), made smaller
// when it would not fit its zone's width.
void Texto(QPainter& p, const QRectF& zona, const QString& texto, double puntos, bool negrita, int alineado) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setBold(negrita);
    f.setPixelSize(static_cast<int>(puntos * 20));
    const double ancho = QFontMetricsF(f).horizontalAdvance(texto);
    if (ancho > zona.width()) f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * zona.width() / ancho)));
    p.setFont(f);
    p.drawText(zona, alineado, texto);
}

void TituloYPie(QPainter& p, const DisposicionPagina& d, const DatosImpresion& datos) {
    p.setPen(Qt::black);
    if (!Vacio(datos.titulo)) Texto(p, Zona(d.titulo), QString::fromStdString(datos.titulo), 14, true, Qt::AlignCenter);
    if (!Vacio(datos.pie)) Texto(p, Zona(d.pie), QString::fromStdString(datos.pie), 9, false, Qt::AlignCenter);
}

}  // namespace

void frmImprimir::ImprimirDecimos(QPainter& p, QPrinter& impresora, const DatosImpresion& datos,
                                  const DisposicionPagina& disposicion, int32_t indice, int32_t primero, int32_t ultimo,
                                  int& paginas) {
    const int nivel = NivelQR();
    const int porPagina = static_cast<int>(disposicion.huecos.size());
    (void)indice;  // ticket n is row n of the result: the index is n - 1
    for (int32_t n = primero; n <= ultimo;) {
        if (paginas > 0) impresora.newPage();
        ++paginas;
        TituloYPie(p, disposicion, datos);
        for (int k = 0; k < porPagina && n <= ultimo; ++k, ++n) {
            const QRectF zona = Zona(disposicion.huecos[k]).adjusted(100, 100, -100, -100);
            if (chkFondoDecimo_->isChecked()) {
                p.setPen(QPen(QColor(120, 90, 40), 20));
                p.setBrush(QColor(250, 240, 215));
                p.drawRoundedRect(zona, 150, 150);
            }
            p.setPen(Qt::black);
            p.setBrush(Qt::NoBrush);
            const double lado = zona.height() - 300;
            const QRectF qr(zona.right() - lado - 150, zona.top() + 150, lado, lado);
            DibujarQR(p, qr, QString::fromStdString(TextoQR(datos, n, {Std(NumeroDecimo(n))})), nivel);
            const double x = zona.left() + 150, ancho = qr.left() - 150 - x;
            const auto fila = [&](double y, double alto) { return QRectF(x, zona.top() + y, ancho, alto); };
            const int izquierda = Qt::AlignLeft | Qt::AlignVCenter;
            Texto(p, fila(150, 400), QString::fromStdString(datos.nombre), 9, true, izquierda);
            Texto(p, fila(550, 750), NumeroDecimo(n), 24, true, izquierda);
            Texto(p, fila(1300, 380), QString::fromStdString(LineaSorteo(datos)), 8, false, izquierda);
            Texto(p, fila(1680, 380), QString::fromStdString(datos.fecha), 8, false, izquierda);
            Texto(p, fila(2060, 380), QString::fromStdString(LineaPrecio(datos)), 8, false, izquierda);
        }
    }
}

void frmImprimir::ImprimirCodigosQR(QPainter& p, QPrinter& impresora, const DatosImpresion& datos,
                                    const DisposicionPagina& disposicion, int32_t indice, int32_t primero, int32_t ultimo,
                                    int& paginas) {
    const int porQR = cboNumeroDecimos_->currentIndex() + 1;
    const int nivel = NivelQR();
    const int porPagina = static_cast<int>(disposicion.huecos.size());
    (void)indice;
    for (int32_t n = primero; n <= ultimo;) {
        if (paginas > 0) impresora.newPage();
        ++paginas;
        TituloYPie(p, disposicion, datos);
        for (int k = 0; k < porPagina && n <= ultimo; ++k) {
            const int32_t hasta = std::min<int32_t>(ultimo, n + porQR - 1);
            const QRectF zona = Zona(disposicion.huecos[k]).adjusted(100, 100, -100, -100);
            const double cabecera = chkCabeceraBoleto_->isChecked() ? 350 : 0;
            if (cabecera > 0) {
                const QString titulo = n == hasta ? QStringLiteral("Décimo %1: %2").arg(n).arg(NumeroDecimo(n))
                                                  : QStringLiteral("Décimos %1-%2").arg(n).arg(hasta);
                Texto(p, QRectF(zona.left(), zona.top(), zona.width(), cabecera), titulo, 9, true, Qt::AlignCenter);
            }
            const double lado = std::min(zona.width(), zona.height() - cabecera);
            DibujarQR(p, QRectF(zona.center().x() - lado / 2, zona.top() + cabecera, lado, lado),
                      QString::fromStdString(TextoQR(datos, n, Numeros(n, hasta))), nivel);
            n = hasta + 1;
        }
    }
}

void frmImprimir::cmdVisorQR_Click() {
    if (!ValidarDatosSorteo()) return;
    // The first code as the chosen paper would print it.
    const int32_t hasta = cboTipoPapel_->currentIndex() == 0 ? std::min(totalDecimos_, cboNumeroDecimos_->currentIndex() + 1) : 1;
    const QImage qr = ImagenQR(QByteArray::fromStdString(TextoQR(LeerDatos(), 1, Numeros(1, hasta))), NivelQR());
    const int escala = qr.isNull() ? 1 : std::max(1, picVisorQR_->width() / qr.width());
    picVisorQR_->setPixmap(qr.isNull() ? QPixmap() : QPixmap::fromImage(qr.scaled(qr.size() * escala)));
    const QString numero = NumeroDecimo(1);
    lblDecimoQR_->setText(numero.isEmpty() ? QStringLiteral("0") : numero);
    lblNumeroBoletoVisorQR_->setText(QStringLiteral("Décimo 1 de %1").arg(totalDecimos_));
    picVisorContenedor_->show();
    BloquearControles();
}

void frmImprimir::cmdCerrarpicContenedor_Click() {
    picVisorContenedor_->hide();
    DesbloquearControles();
}

void frmImprimir::cmdVerenBlocdeNotas_Click() {
    if (!ValidarDatosSorteo()) return;
    VerTextoEnEditor(TextoDecimos(LeerDatos(), Numeros(1, totalDecimos_)), this);
}

void frmImprimir::BloquearControles() { FijarBloqueo(false); }
void frmImprimir::DesbloquearControles() { FijarBloqueo(true); }

void frmImprimir::FijarBloqueo(bool habilitado) {
    const QList<QWidget*> entradas = {cmdImprimir_, cmdVolver_, cboNombreImpresora_, optImBoletos_[0], optImBoletos_[1],
                                      optImBoletos_[2], txtAnchuraREVERSOBOLETOS_, txtAlturaREVERSOBOLETOS_, cboTipoPapel_,
                                      cboOrientacion_, txtNombreQuinielaBase_, cmdVisorQR_, txtNombreSorteo_,
                                      txtNumeroSorteo_, txtPrecioSorteo_, txtDiaSorteo_, cboMesSorteo_, txtAnioSorteo_,
                                      cboDiaSorteo_, txtNBoleto_, txtPriBoleto_, txtUltBoleto_, chkCabeceraBoleto_,
                                      chkFondoDecimo_, cmdVerenBlocdeNotas_, txtTitulo_, txtPie_, cboNumeroDecimos_,
                                      cboTipoGeneradorQR_};
    for (QWidget* w : entradas) w->setEnabled(habilitado);
}
