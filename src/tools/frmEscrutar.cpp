#include "frmEscrutar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

#include "controles.h"
#include "escrutinio.h"
#include "importar_numeros.h"
#include "mensajes.h"
#include "sistema.h"
#include "teclado.h"

namespace {

const QColor kRosa(255, 192, 192);
const QColor kBlanco(255, 255, 255);
const QColor kAzulReposo(0, 0, 192);

const char* const kCabeceras[kPosiciones] = {"DM", "UM", "CE", "DE", "UN"};
const char* const kAyudasCabecera[kPosiciones] = {"Decenas de Millar", "Unidades de Millar", "Centenas", "Decenas",
                                                  "Unidades"};

QString Texto(const std::string& s) { return QString::fromStdString(s); }

// A label's whole value as a count; throws the way a bad conversion fails.
int32_t ValorEtiqueta(const QLabel* etiqueta) {
    bool ok = false;
    const int valor = etiqueta->text().trimmed().toInt(&ok);
    if (!ok) throw std::runtime_error("No coinciden los tipos");
    return valor;
}

}  // namespace

frmEscrutar::frmEscrutar(EstadoSesion& sesion, QWidget* padre) : VentanaSecundaria(padre), sesion_(sesion) {
    setObjectName(QStringLiteral("frmEscrutar"));
    setWindowTitle(QStringLiteral("ESCRUTADOR"));
    ConstruirControles();
    ConectarControles();
    // Set before the window is shown: changing it on a shown dialog would hide it.
    QuitarCerrarMenuSistema(this, 1);

    // Form_Load: the combo boxes start at the number last used.
    Rellenando = true;
    for (int p = 0; p < kPosiciones; ++p) {
        for (int d = 0; d <= 9; ++d) cboNumeroGanador_[p]->addItem(QString::number(d));
        cboNumeroGanador_[p]->setCurrentIndex(std::min<int>(sesion_.gNumeroGanador[p], 9));
    }
    Rellenando = false;
}

frmEscrutar::~frmEscrutar() { LiberarNumeros(); }

void frmEscrutar::ConstruirControles() {
    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(10, 10, 10, 10);
    exterior->setSpacing(10);
    QFont negrita = font();
    negrita.setBold(true);

    // Winning number, chosen positions and the commands on it.
    auto* arriba = new QHBoxLayout();
    arriba->setSpacing(12);
    auto* marcoNumero = new QFrame(this);
    marcoNumero->setFrameShape(QFrame::StyledPanel);
    auto* numero = new QGridLayout(marcoNumero);
    numero->setHorizontalSpacing(6);
    lblTitNumeros_ = Etiqueta(marcoNumero, QStringLiteral("lblTitNumeros"), QStringLiteral("Número Ganador"));
    lblTitNumeros_->setFont(negrita);
    numero->addWidget(lblTitNumeros_, 0, 0, 1, kPosiciones, Qt::AlignHCenter);
    for (int p = 0; p < kPosiciones; ++p) {
        auto* cabecera = Etiqueta(marcoNumero, QStringLiteral("lblUnidades_%1").arg(p), QString::fromLatin1(kCabeceras[p]));
        cabecera->setToolTip(QString::fromLatin1(kAyudasCabecera[p]));
        cabecera->setAlignment(Qt::AlignCenter);
        lblUnidades_[p] = cabecera;
        numero->addWidget(cabecera, 1, p);
        auto* combo = new QComboBox(marcoNumero);
        combo->setObjectName(QStringLiteral("cboNumeroGanador_%1").arg(p));
        cboNumeroGanador_[p] = combo;
        numero->addWidget(combo, 2, p);
        auto* chk = new QCheckBox(marcoNumero);
        chk->setObjectName(QStringLiteral("chkEscrutar_%1").arg(p));
        chk->setToolTip(QStringLiteral("Activa y desactiva el dígito para escrutarlo"));
        chk->setChecked(true);
        chkEscrutar_[p] = chk;
        numero->addWidget(chk, 3, p, Qt::AlignHCenter);
    }
    auto* comandos = new QHBoxLayout();
    cmdAlazar_ = Boton(marcoNumero, QStringLiteral("cmdAlazar"), QStringLiteral("&Al Azar"),
                       QStringLiteral("Genera automáticamente un número ganador"));
    imgININumeros_ = BotonImagen(marcoNumero, QStringLiteral("imgININumeros"),
                                 QStringLiteral("Inicializa todos los dígitos a 0"),
                                 IconoLimpiar(this), 22);
    cmdEscrutar_ = Boton(marcoNumero, QStringLiteral("cmdEscrutar"), QStringLiteral("&Escrutar"));
    comandos->addWidget(cmdAlazar_);
    comandos->addWidget(imgININumeros_);
    comandos->addStretch(1);
    comandos->addWidget(cmdEscrutar_);
    numero->addLayout(comandos, 4, 0, 1, kPosiciones);
    arriba->addWidget(marcoNumero);

    // Which list: the current result or an imported file.
    auto* columnaLista = new QVBoxLayout();
    picOptionButton_ = new QFrame(this);
    picOptionButton_->setObjectName(QStringLiteral("picOptionButton"));
    picOptionButton_->setFrameShape(QFrame::StyledPanel);
    auto* opciones = new QGridLayout(picOptionButton_);
    opciones->setVerticalSpacing(8);
    for (int i = 0; i < 2; ++i) {
        optModo_[i] = new QRadioButton(picOptionButton_);
        optModo_[i]->setObjectName(QStringLiteral("optModo_%1").arg(i));
        opciones->addWidget(optModo_[i], i, 0);
    }
    optModo_[0]->setChecked(true);
    lblTitCombinacionActual_ =
        Etiqueta(picOptionButton_, QStringLiteral("lblTitCombinacionActual"), QStringLiteral("Combinación actual : "));
    lblApuCombinacionActual_ = Etiqueta(picOptionButton_, QStringLiteral("lblApuCombinacionActual"), QStringLiteral("0"));
    lblTitCombinacionNueva_ =
        Etiqueta(picOptionButton_, QStringLiteral("lblTitCombinacionNueva"), QStringLiteral("Combinación nueva : "));
    lblApuCombinacionNueva_ = Etiqueta(picOptionButton_, QStringLiteral("lblApuCombinacionNueva"), QStringLiteral("0"));
    lblTitCombinacionNueva_->setEnabled(false);
    for (QLabel* cuenta : {lblApuCombinacionActual_, lblApuCombinacionNueva_}) {
        cuenta->setFont(negrita);
        cuenta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cuenta->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    }
    opciones->addWidget(lblTitCombinacionActual_, 0, 1);
    opciones->addWidget(lblApuCombinacionActual_, 0, 2);
    opciones->addWidget(lblTitCombinacionNueva_, 1, 1);
    opciones->addWidget(lblApuCombinacionNueva_, 1, 2);
    opciones->setColumnStretch(1, 1);
    columnaLista->addWidget(picOptionButton_);
    auto* filaFichero = new QHBoxLayout();
    txtFicheroASCII_ = new QLineEdit(this);
    txtFicheroASCII_->setObjectName(QStringLiteral("txtFicheroASCII"));
    txtFicheroASCII_->setReadOnly(true);
    txtFicheroASCII_->setEnabled(false);
    cmdDesdeFichero_ = BotonImagen(this, QStringLiteral("cmdDesdeFichero"), QStringLiteral("Abrir una combinación en ASCII"),
                                   IconoAbrir(this), 22);
    cmdDesdeFichero_->setEnabled(false);
    filaFichero->addWidget(txtFicheroASCII_, 1);
    filaFichero->addWidget(cmdDesdeFichero_);
    columnaLista->addLayout(filaFichero);
    columnaLista->addStretch(1);
    arriba->addLayout(columnaLista, 1);
    exterior->addLayout(arriba);

    // The report and the grid of blocks.
    auto* centro = new QHBoxLayout();
    centro->setSpacing(12);
    auto* columnaInforme = new QVBoxLayout();
    auto* titResultados = Etiqueta(this, QStringLiteral("lblTitResultados"), QStringLiteral("Resultados"));
    titResultados->setFont(negrita);
    columnaInforme->addWidget(titResultados);
    txtPremios_ = new QPlainTextEdit(this);
    txtPremios_->setObjectName(QStringLiteral("txtPremios"));
    txtPremios_->setReadOnly(true);
    txtPremios_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    txtPremios_->setFont(fija);
    const QFontMetrics medidas(fija);
    txtPremios_->setMinimumSize(medidas.horizontalAdvance(QString(40, QLatin1Char('0'))),
                                medidas.lineSpacing() * 15 + 10);
    columnaInforme->addWidget(txtPremios_, 1);
    centro->addLayout(columnaInforme, 1);

    auto* columnaBloques = new QVBoxLayout();
    auto* titBloques = Etiqueta(this, QStringLiteral("lblTitBloques"), QStringLiteral("Bloques de Números"));
    titBloques->setFont(negrita);
    columnaBloques->addWidget(titBloques);
    auto* rejilla = new QGridLayout();
    rejilla->setHorizontalSpacing(3);
    rejilla->setVerticalSpacing(3);
    for (int c = 1; c <= kPosiciones; ++c) {
        auto* cabecera =
            Etiqueta(this, QStringLiteral("lblUnidades_%1").arg(kPosiciones + c - 1), QString::fromLatin1(kCabeceras[c - 1]));
        cabecera->setToolTip(QString::fromLatin1(kAyudasCabecera[c - 1]));
        cabecera->setAlignment(Qt::AlignCenter);
        lblUnidades_[kPosiciones + c - 1] = cabecera;
        rejilla->addWidget(cabecera, 0, c);
    }
    const int ladoCelda = fontMetrics().height() + 10;
    for (int r = 0; r < 6; ++r) {
        auto* numeroFila = Etiqueta(this, QStringLiteral("lblNuApuesta_%1").arg(r), QString());
        numeroFila->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        numeroFila->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
        lblNuApuesta_[r] = numeroFila;
        rejilla->addWidget(numeroFila, r + 1, 0);
        for (int c = 1; c <= kPosiciones; ++c) {
            auto* celda = Etiqueta(this, QStringLiteral("lblColumna_%1").arg(r * 6 + c - 1), QString());
            celda->setAlignment(Qt::AlignCenter);
            celda->setFrameShape(QFrame::Box);
            celda->setFixedSize(ladoCelda + 4, ladoCelda);
            celda->setFont(negrita);
            celda->setAutoFillBackground(true);
            Colorear(celda, QPalette::Window, kBlanco);
            Colorear(celda, QPalette::WindowText, Qt::black);
            lblColumna_[static_cast<size_t>(r * kPosiciones + c - 1)] = celda;
            rejilla->addWidget(celda, r + 1, c);
        }
    }
    rejilla->setColumnStretch(kPosiciones + 1, 1);
    columnaBloques->addLayout(rejilla);
    lblNumeroBoleto_ = Etiqueta(this, QStringLiteral("lblNumeroBoleto"), QStringLiteral("Bloque : 0"));
    lblNumeroBoleto_->setFont(negrita);
    columnaBloques->addWidget(lblNumeroBoleto_);
    auto* navegacion = new QHBoxLayout();
    cmdPrimero_ = Boton(this, QStringLiteral("cmdPrimero"), QStringLiteral("<<"), QStringLiteral("Boleto primero"));
    cmdRetroceder_ = Boton(this, QStringLiteral("cmdRetroceder"), QStringLiteral("<"), QStringLiteral("Retroceder boleto"));
    cmdAvanzar_ = Boton(this, QStringLiteral("cmdAvanzar"), QStringLiteral(">"), QStringLiteral("Avanzar boleto"));
    cmdUltimo_ = Boton(this, QStringLiteral("cmdUltimo"), QStringLiteral(">>"), QStringLiteral("Boleto último"));
    for (QPushButton* b : {cmdPrimero_, cmdRetroceder_, cmdAvanzar_, cmdUltimo_}) {
        b->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral(">>")) + 24);
        navegacion->addWidget(b);
    }
    navegacion->addStretch(1);
    columnaBloques->addLayout(navegacion);
    auto* irA = new QHBoxLayout();
    lblIrNumeroBoleto_ = Etiqueta(this, QStringLiteral("lblIrNumeroBoleto"), QStringLiteral("Ir Nº Bloque :"));
    txtIrBoleto_ = new QLineEdit(QStringLiteral("1"), this);
    txtIrBoleto_->setObjectName(QStringLiteral("txtIrBoleto"));
    txtIrBoleto_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    InstalarFiltroTecla(txtIrBoleto_, 17);
    irA->addWidget(lblIrNumeroBoleto_);
    irA->addWidget(txtIrBoleto_);
    irA->addStretch(1);
    columnaBloques->addLayout(irA);
    columnaBloques->addStretch(1);
    centro->addLayout(columnaBloques);
    exterior->addLayout(centro, 1);

    // The busy label and the way out.
    auto* abajo = new QHBoxLayout();
    lblEscrutando_ = Etiqueta(this, QStringLiteral("lblEscrutando"), QStringLiteral("Escrutando ..."));
    lblEscrutando_->setFont(negrita);
    Colorear(lblEscrutando_, QPalette::WindowText, kAzulReposo);
    QSizePolicy reservar = lblEscrutando_->sizePolicy();
    reservar.setRetainSizeWhenHidden(true);
    lblEscrutando_->setSizePolicy(reservar);
    lblEscrutando_->hide();
    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    cmdVolver_ = BotonVolver(this);
    abajo->addWidget(lblEscrutando_);
    abajo->addStretch(1);
    abajo->addWidget(cmdVolver_);
    exterior->addLayout(abajo);
}

void frmEscrutar::ConectarControles() {
    for (QComboBox* combo : cboNumeroGanador_)
        connect(combo, &QComboBox::currentIndexChanged, this, &frmEscrutar::cboNumeroGanador_Click);
    connect(cmdAlazar_, &QPushButton::clicked, this, &frmEscrutar::cmdAlazar_Click);
    connect(imgININumeros_, &QToolButton::clicked, this, &frmEscrutar::imgININumeros_Click);
    connect(cmdEscrutar_, &QPushButton::clicked, this, &frmEscrutar::Escrutar);
    for (int i = 0; i < 2; ++i)
        connect(optModo_[i], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado) optModo_Click(i);
        });
    connect(cmdDesdeFichero_, &QToolButton::clicked, this, &frmEscrutar::cmdDesdeFichero_Click);
    connect(cmdPrimero_, &QPushButton::clicked, this, &frmEscrutar::cmdPrimero_Click);
    connect(cmdRetroceder_, &QPushButton::clicked, this, &frmEscrutar::cmdRetroceder_Click);
    connect(cmdAvanzar_, &QPushButton::clicked, this, &frmEscrutar::cmdAvanzar_Click);
    connect(cmdUltimo_, &QPushButton::clicked, this, &frmEscrutar::cmdUltimo_Click);
    connect(txtIrBoleto_, &QLineEdit::returnPressed, this, &frmEscrutar::txtIrBoleto_Intro);
    connect(Timer1_, &QTimer::timeout, this, &frmEscrutar::Timer1_Timer);
    connect(cmdVolver_, &QPushButton::clicked, this, &frmEscrutar::cmdVolver_Click);
}

void frmEscrutar::showEvent(QShowEvent* evento) {
    VentanaSecundaria::showEvent(evento);
    if (activada_) return;
    activada_ = true;
    // From the event loop, so that the window is drawn before the first run.
    QTimer::singleShot(0, this, &frmEscrutar::Form_Activate);
}

void frmEscrutar::Form_Activate() {
    if (TotalNumeros >= 1 && !optModo_[1]->isChecked()) {
        lblApuCombinacionActual_->setText(QString::number(TotalNumeros));
        if (CargarNumerosEscrutar()) {
            Escrutar();
        } else {
            BloquearControles();
            cmdVolver_->setEnabled(true);
        }
    } else if (!optModo_[1]->isChecked()) {
        optModo_[1]->setChecked(true);  // runs its handler: an empty list is scrutinised
        cmdDesdeFichero_->setEnabled(true);
        txtFicheroASCII_->setEnabled(true);
        optModo_[0]->setEnabled(false);
    }
}

bool frmEscrutar::CargarNumerosEscrutar() {
    TablaNumeros& destino = sesion_.tablas.gNumerosEscrutar;
    try {
        const bool fichero = optModo_[1]->isChecked();
        const int32_t cuenta = ValorEtiqueta(fichero ? lblApuCombinacionNueva_ : lblApuCombinacionActual_);
        const int32_t cargados = fichero ? CargarDesdeLectura(DigitosImportados, cuenta, destino)
                                         : CargarDesdeResultado(sesion_.tablas.gResultado, cuenta, destino);
        // The scrutiny and the grid never read past the rows loaded.
        TotalNumeros = std::min(TotalNumeros, cargados);
        return true;
    } catch (const std::bad_alloc&) {
        Mensaje(QStringLiteral("ERROR: Memoria insuficiente"), EstiloMensaje::Critico, this);
    } catch (const std::exception& e) {
        Mensaje(QStringLiteral("ERROR: ") + QString::fromUtf8(e.what()), EstiloMensaje::Critico, this);
    }
    destino.Borrar();
    TotalNumeros = 0;
    return false;
}

NumeroGanador frmEscrutar::GanadorElegido() const {
    NumeroGanador ganador{};
    for (int p = 0; p < kPosiciones; ++p)
        ganador[p] = static_cast<uint8_t>(std::max(0, cboNumeroGanador_[p]->currentIndex()));
    return ganador;
}

void frmEscrutar::Escrutar() {
    // A request that arrives while a run goes on (through its yields) is not
    // nested: the running call goes round again with what the window shows.
    if (escrutando_) {
        repetir_ = true;
        return;
    }
    escrutando_ = true;
    BloquearControles();
    LimpiarBloque();
    lblEscrutando_->show();
    Timer1_->setInterval(5);
    Timer1_->start();

    NumeroGanador ganador{};
    ResultadoEscrutinio resultado;
    do {
        repetir_ = false;
        ++escrutinios_;
        ganador = GanadorElegido();
        sesion_.gNumeroGanador = ganador;
        PosicionesElegidas elegidas{};
        for (int p = 0; p < kPosiciones; ++p) elegidas[p] = chkEscrutar_[p]->isChecked();
        resultado = ::Escrutar(sesion_.tablas.gNumerosEscrutar, TotalNumeros, ganador, elegidas, CrearCesion());
    } while (repetir_ || GanadorElegido() != ganador);
    txtPremios_->setPlainText(Texto(InformeEscrutinio(resultado)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    BloqueActual = 1;
    const int32_t mostrados = std::clamp(TotalNumeros, 0, kFilasBloque);
    lblEscrutando_->hide();
    Timer1_->stop();
    Colorear(lblEscrutando_, QPalette::WindowText, kAzulReposo);
    escrutando_ = false;
    DesbloquearControles();
    MostrarCabeceraBloque(1);
    MostrarBloque(static_cast<int16_t>(mostrados - 1), 0);
    ActualizarNavegacion();
}

void frmEscrutar::BloquearControles() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             picOptionButton_, cmdAlazar_, cmdVolver_, cmdEscrutar_, imgININumeros_, cmdDesdeFichero_, txtFicheroASCII_,
             txtIrBoleto_, txtPremios_, cmdPrimero_, cmdRetroceder_, cmdAvanzar_, cmdUltimo_})
        w->setEnabled(false);
    for (int p = 0; p < kPosiciones; ++p) {
        cboNumeroGanador_[p]->setEnabled(false);
        chkEscrutar_[p]->setEnabled(false);
    }
}

void frmEscrutar::DesbloquearControles() {
    for (int p = 0; p < kPosiciones; ++p) {
        cboNumeroGanador_[p]->setEnabled(true);
        chkEscrutar_[p]->setEnabled(true);
    }
    for (QWidget* w : {static_cast<QWidget*>(picOptionButton_), static_cast<QWidget*>(cmdAlazar_),
                       static_cast<QWidget*>(cmdVolver_), static_cast<QWidget*>(cmdEscrutar_),
                       static_cast<QWidget*>(imgININumeros_)})
        w->setEnabled(true);
    const bool fichero = optModo_[1]->isChecked();
    cmdDesdeFichero_->setEnabled(fichero);
    txtFicheroASCII_->setEnabled(fichero);
    txtIrBoleto_->setEnabled(true);
    txtPremios_->setEnabled(true);
    ActualizarNavegacion();
}

void frmEscrutar::LimpiarBloque() {
    for (QLabel* celda : lblColumna_) celda->clear();
}

void frmEscrutar::MostrarCabeceraBloque(int32_t primero) {
    for (int r = 0; r < 6; ++r) {
        const QString n = QString::number(static_cast<qint64>(primero) + r);
        lblNuApuesta_[r]->setText(n);
        lblNuApuesta_[r]->setToolTip(n);
    }
    lblNumeroBoleto_->setText(QStringLiteral("Bloque : %1/%2").arg(BloqueActual).arg(NumeroBloques(TotalNumeros)));
}

void frmEscrutar::MostrarBloque(int16_t ultimo, int32_t desplazamiento) {
    const TablaNumeros& numeros = sesion_.tablas.gNumerosEscrutar;
    for (int r = 0; r < 6; ++r) {
        const int32_t fila = desplazamiento + r + 1;
        const bool llena = r <= ultimo && fila >= 1 && fila <= numeros.Filas();
        for (int c = 1; c <= kPosiciones; ++c) {
            QLabel* celda = lblColumna(r, c);
            if (!llena) {
                Colorear(celda, QPalette::Window, kBlanco);
                continue;
            }
            const uint8_t digito = DigitoDeCasilla(numeros(fila, c));
            celda->setText(QString::number(digito));
            Colorear(celda, QPalette::Window, digito == sesion_.gNumeroGanador[c - 1] ? kBlanco : kRosa);
        }
    }
}

void frmEscrutar::ActualizarNavegacion() {
    const bool hayMas = static_cast<int64_t>(BloqueActual) * kFilasBloque < TotalNumeros;
    cmdAvanzar_->setEnabled(hayMas);
    cmdUltimo_->setEnabled(hayMas);
    cmdRetroceder_->setEnabled(BloqueActual != 1);
    cmdPrimero_->setEnabled(BloqueActual != 1);
}

void frmEscrutar::MostrarNumeroBloque(int32_t bloque) {
    BloqueActual = bloque;
    const VistaBloque v = CalcularBloque(bloque, TotalNumeros);
    if (v.limpiar) LimpiarBloque();
    MostrarCabeceraBloque(v.desplazamiento + 1);
    MostrarBloque(static_cast<int16_t>(v.mostrados - 1), v.desplazamiento);
    ActualizarNavegacion();
}

void frmEscrutar::cboNumeroGanador_Click() {
    if (Rellenando) return;
    sesion_.gNumeroGanador = GanadorElegido();
    Escrutar();
}

void frmEscrutar::cmdAlazar_Click() {
    sesion_.aleatorio.SembrarConReloj();
    Rellenando = true;
    for (QComboBox* combo : cboNumeroGanador_)
        combo->setCurrentIndex(static_cast<int>(std::floor(sesion_.aleatorio.Siguiente() * 10)));
    Rellenando = false;
    Escrutar();
}

void frmEscrutar::imgININumeros_Click() {
    Rellenando = true;
    for (QComboBox* combo : cboNumeroGanador_) combo->setCurrentIndex(0);
    Rellenando = false;
    Escrutar();
}

void frmEscrutar::cmdPrimero_Click() { MostrarNumeroBloque(1); }

void frmEscrutar::cmdUltimo_Click() {
    // Never block 0: an empty list has no last block to show.
    const int32_t nb = NumeroBloques(TotalNumeros);
    if (nb >= 1) MostrarNumeroBloque(nb);
}

void frmEscrutar::cmdRetroceder_Click() {
    if (BloqueActual > 1) MostrarNumeroBloque(BloqueActual - 1);
    ActualizarNavegacion();
}

void frmEscrutar::cmdAvanzar_Click() {
    if (static_cast<int64_t>(BloqueActual) * kFilasBloque < TotalNumeros) MostrarNumeroBloque(BloqueActual + 1);
    ActualizarNavegacion();
}

void frmEscrutar::txtIrBoleto_Intro() {
    const int32_t nb = NumeroBloques(TotalNumeros);
    const QString texto = txtIrBoleto_->text().trimmed();
    bool ok = true;
    const qint64 v = texto.isEmpty() ? 0 : texto.toLongLong(&ok);
    if (!ok || v <= 0 || v > nb) {
        Mensaje(QStringLiteral("ERROR: EL NUMERO DE BLOQUE DEBE ESTAR ENTRE 1 y %1").arg(nb), EstiloMensaje::Critico, this);
        return;
    }
    MostrarNumeroBloque(static_cast<int32_t>(v));
}

void frmEscrutar::optModo_Click(int indice) {
    if (indice == 0) {
        lblTitCombinacionActual_->setEnabled(true);
        lblTitCombinacionNueva_->setEnabled(false);
        txtFicheroASCII_->setEnabled(false);
        cmdDesdeFichero_->setEnabled(false);
        lblApuCombinacionNueva_->setText(QStringLiteral("0"));
        txtFicheroASCII_->clear();
        txtFicheroASCII_->setToolTip(QString());
        bool ok = false;
        TotalNumeros = lblApuCombinacionActual_->text().toInt(&ok);
        if (!ok) TotalNumeros = 0;
        CargarNumerosEscrutar();
    } else {
        lblTitCombinacionActual_->setEnabled(false);
        lblTitCombinacionNueva_->setEnabled(true);
        txtFicheroASCII_->setEnabled(true);
        cmdDesdeFichero_->setEnabled(true);
        TotalNumeros = 0;
        lblApuCombinacionNueva_->setText(QStringLiteral("0"));
    }
    Escrutar();
}

void frmEscrutar::cmdDesdeFichero_Click() {
    const QString ruta = PedirFicheroNumeros(gDialogo, this);
    if (ruta.isEmpty()) return;

    BloquearControles();
    lblApuCombinacionNueva_->setText(QStringLiteral("0"));
    txtFicheroASCII_->setText(QFileInfo(ruta).fileName());
    txtFicheroASCII_->setCursorPosition(0);
    txtFicheroASCII_->setToolTip(ruta);

    const QString error = LeerNumerosImportados(
        ruta, kLecturaEscrutinio, CrearCesion(),
        [this](int32_t leidos) { lblApuCombinacionNueva_->setText(QString::number(leidos)); }, DigitosImportados,
        this);

    if (!error.isEmpty()) {
        Mensaje(error, EstiloMensaje::Critico, this);
        lblApuCombinacionNueva_->setText(QStringLiteral("0"));
        TotalNumeros = 0;
        DigitosImportados = LecturaNumeros{};
        sesion_.tablas.gNumerosEscrutar.Borrar();
    } else {
        const int32_t leidos = DigitosImportados.total;
        lblApuCombinacionNueva_->setText(QString::number(leidos));
        if (leidos != 0) {
            TotalNumeros = leidos;
            CargarNumerosEscrutar();
        } else {
            Mensaje(Texto(TextoCeroApuestas()), EstiloMensaje::Exclamacion, this);
            TotalNumeros = 0;
        }
    }
    Escrutar();
    DesbloquearControles();
}

void frmEscrutar::cmdVolver_Click() {
    LiberarNumeros();
    CerrarVentana();
}

void frmEscrutar::Timer1_Timer() {
    int componentes[3];
    for (int& c : componentes) c = static_cast<int>(std::floor(sesion_.aleatorio.Siguiente() * 256));
    Colorear(lblEscrutando_, QPalette::WindowText, QColor(componentes[0], componentes[1], componentes[2]));
}

void frmEscrutar::LiberarNumeros() {
    sesion_.tablas.gNumerosEscrutar.Borrar();
    DigitosImportados = LecturaNumeros{};
}
