#include "frmAnalisis.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controles.h"
#include "sistema.h"
#include "vista_texto.h"

namespace {

const QColor kBlanco(255, 255, 255);
const QColor kAzulClaro(192, 192, 255);
const QString kVerCuentas = QStringLiteral("%");
const QString kVerNumeros = QStringLiteral("Nº");

const char* const kCabeceras[kPosiciones] = {"Dec. Millar", "Unid. Millar", "Centenas", "Decenas", "Unidades"};
const char* const kAyudasCabecera[kPosiciones] = {"Decenas de Millar", "Unidades de Millar", "Centenas", "Decenas",
                                                  "Unidades"};

// The user's decimal separator, which the grid and the report both show.
std::string Coma() { return QLocale().decimalPoint().toStdString(); }

QPlainTextEdit* Lista(QWidget* padre, const QString& nombre) {
    auto* t = new QPlainTextEdit(padre);
    t->setObjectName(nombre);
    t->setReadOnly(true);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    t->setFont(fija);
    const QFontMetrics m(fija);
    t->setFixedWidth(m.horizontalAdvance(QStringLiteral("000: 0000000")) + 30);
    t->setMinimumHeight(m.lineSpacing() * 16);
    // Hidden until the first analysis fills it, keeping its place.
    QSizePolicy politica = t->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    t->setSizePolicy(politica);
    t->hide();
    return t;
}

}  // namespace

frmAnalisis::frmAnalisis(EstadoSesion& sesion, QWidget* padre) : VentanaSecundaria(padre), sesion_(sesion) {
    setObjectName(QStringLiteral("frmAnalisis"));
    setWindowTitle(QStringLiteral("ANALISIS"));
    ConstruirControles();
    ConectarControles();
    // Set before the window is shown: changing it on a shown dialog would hide it.
    QuitarCerrarMenuSistema(this, 1);
}

void frmAnalisis::ConstruirControles() {
    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(10, 10, 10, 10);
    exterior->setSpacing(10);
    QFont negrita = font();
    negrita.setBold(true);

    auto* centro = new QHBoxLayout();
    centro->setSpacing(16);

    // The frequency grid: one column per position, one row per digit.
    auto* rejilla = new QGridLayout();
    rejilla->setHorizontalSpacing(2);
    rejilla->setVerticalSpacing(3);
    const int alto = fontMetrics().height() + 8;
    const int anchoCelda = fontMetrics().horizontalAdvance(QStringLiteral("100,00 %")) + 12;
    for (int p = 0; p < kPosiciones; ++p) {
        auto* cabecera = Etiqueta(this, QStringLiteral("lblUnidades_%1").arg(p), QString::fromLatin1(kCabeceras[p]));
        cabecera->setToolTip(QString::fromLatin1(kAyudasCabecera[p]));
        cabecera->setAlignment(Qt::AlignCenter);
        cabecera->setFont(negrita);
        lblUnidades_[p] = cabecera;
        rejilla->addWidget(cabecera, 0, p * 2, 1, 2);
        if (p > 0) rejilla->setColumnMinimumWidth(p * 2 - 1, 0);
    }
    for (int c = 1; c <= kCasillas; ++c) {
        const int p = (c - 1) / 10;
        const int d = (c - 1) % 10;
        auto* digito = Etiqueta(this, QStringLiteral("lblNumero_%1").arg(c - 1), QString::number(d));
        digito->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        digito->setFont(negrita);
        digito->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")));
        lblNumero_[static_cast<size_t>(c - 1)] = digito;
        auto* celda = Etiqueta(this, QStringLiteral("lblN_%1").arg(c - 1), QString());
        celda->setAlignment(Qt::AlignCenter);
        celda->setFrameShape(QFrame::Box);
        celda->setFixedSize(anchoCelda, alto);
        celda->setAutoFillBackground(true);
        Colorear(celda, QPalette::Window, kBlanco);
        Colorear(celda, QPalette::WindowText, Qt::black);
        lblN_[static_cast<size_t>(c - 1)] = celda;
        rejilla->addWidget(digito, d + 1, p * 2);
        rejilla->addWidget(celda, d + 1, p * 2 + 1);
    }
    auto* columnaRejilla = new QVBoxLayout();
    columnaRejilla->addLayout(rejilla);
    auto* filaSwitch = new QHBoxLayout();
    cmdSwitch_ = new QPushButton(kVerCuentas, this);
    cmdSwitch_->setObjectName(QStringLiteral("cmdSwitch"));
    cmdSwitch_->setToolTip(QStringLiteral("Cambia entre número de veces y porcentaje"));
    cmdSwitch_->setAutoDefault(false);
    cmdSwitch_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("Nº")) + 36);
    filaSwitch->addStretch(1);
    filaSwitch->addWidget(cmdSwitch_);
    columnaRejilla->addLayout(filaSwitch);
    columnaRejilla->addStretch(1);
    centro->addLayout(columnaRejilla);

    // The four lists, each under its heading and beside its distinct count.
    struct Hueco {
        int cabecera;
        const char* titulo;
        const char* lista;
        const char* cuenta;
        QPlainTextEdit** caja;
        QLabel** etiqueta;
    };
    const Hueco huecos[4] = {
        {7, "2 primeras cifras", "txt2Cifras", "lbl2PrimerasCifras", &txt2Cifras_, &lbl2PrimerasCifras_},
        {8, "3 primeras cifras", "txt3Cifras", "lbl3PrimerasCifras", &txt3Cifras_, &lbl3PrimerasCifras_},
        {5, "2 últimas cifras", "txtDecenasJugadas", "lbl2UltimasCifras", &txtDecenasJugadas_, &lbl2UltimasCifras_},
        {6, "3 últimas cifras", "txtCentenasJugadas", "lbl3UltimasCifras", &txtCentenasJugadas_, &lbl3UltimasCifras_},
    };
    auto* listas = new QGridLayout();
    listas->setHorizontalSpacing(10);
    for (int i = 0; i < 4; ++i) {
        const Hueco& h = huecos[i];
        auto* cabecera = Etiqueta(this, QStringLiteral("lblUnidades_%1").arg(h.cabecera), QString::fromUtf8(h.titulo));
        cabecera->setFont(negrita);
        cabecera->setAlignment(Qt::AlignCenter);
        lblUnidades_[static_cast<size_t>(h.cabecera)] = cabecera;
        *h.caja = Lista(this, QString::fromLatin1(h.lista));
        *h.etiqueta = Etiqueta(this, QString::fromLatin1(h.cuenta), QStringLiteral("0"));
        (*h.etiqueta)->setAlignment(Qt::AlignCenter);
        (*h.etiqueta)->setFont(negrita);
        listas->addWidget(cabecera, 0, i);
        listas->addWidget(*h.caja, 1, i);
        listas->addWidget(*h.etiqueta, 2, i);
    }
    listas->setRowStretch(1, 1);
    centro->addLayout(listas, 1);
    exterior->addLayout(centro, 1);

    auto* abajo = new QHBoxLayout();
    cmdVerAnalisis_ = BotonImagen(this, QStringLiteral("cmdVerAnalisis"),
                                  QStringLiteral("Muestra en el Bloc de Notas el análisis"), IconoBlocDeNotas(this));
    cmdVolver_ = BotonVolver(this);
    abajo->addWidget(cmdVerAnalisis_);
    abajo->addStretch(1);
    abajo->addWidget(cmdVolver_);
    exterior->addLayout(abajo);
}

void frmAnalisis::ConectarControles() {
    connect(cmdSwitch_, &QPushButton::clicked, this, &frmAnalisis::cmdSwitch_Click);
    connect(cmdVerAnalisis_, &QToolButton::clicked, this, &frmAnalisis::cmdVerAnalisis_Click);
    connect(cmdVolver_, &QPushButton::clicked, this, [this] { CerrarVentana(); });
}

void frmAnalisis::showEvent(QShowEvent* evento) {
    VentanaSecundaria::showEvent(evento);
    if (evento->spontaneous()) return;
    // From the event loop, so that the window is drawn before it counts.
    QTimer::singleShot(0, this, &frmAnalisis::Form_Activate);
}

void frmAnalisis::Form_Activate() {
    // Never past the rows the result holds: they are the percentages' base.
    TotalNumeros = std::clamp(TotalNumeros, 0, sesion_.tablas.gResultado.Filas());
    Frecuencias = ContarFrecuencias(sesion_.tablas.gResultado, TotalNumeros);
    // The grid shows the view the button does not name, so that the caption
    // always tells what a click switches to.
    MostrarRejilla(cmdSwitch_->text() != kVerCuentas);
    AnalizarUltimasCifras();
    CrearCesion()();
    AnalizarPrimerasCifras();
    ++activaciones_;
}

void frmAnalisis::AnalizarPrimerasCifras() {
    MostrarCifras(::AnalizarPrimerasCifras(sesion_.tablas.gResultado, TotalNumeros), txt2Cifras_, lbl2PrimerasCifras_,
                  txt3Cifras_, lbl3PrimerasCifras_);
}

void frmAnalisis::AnalizarUltimasCifras() {
    MostrarCifras(::AnalizarUltimasCifras(sesion_.tablas.gResultado, TotalNumeros), txtDecenasJugadas_,
                  lbl2UltimasCifras_, txtCentenasJugadas_, lbl3UltimasCifras_);
}

void frmAnalisis::MostrarCifras(const AnalisisCifras& analisis, QPlainTextEdit* dos, QLabel* lblDos,
                                QPlainTextEdit* tres, QLabel* lblTres) {
    // The box shows one line per group; the CR LF pairs are the text view's.
    auto lineas = [](const std::string& texto) {
        QString s = QString::fromStdString(texto);
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (s.endsWith(QLatin1Char('\n'))) s.chop(1);
        return s;
    };
    dos->setPlainText(lineas(analisis.dos.texto));
    lblDos->setText(QStringLiteral("%1/100").arg(analisis.dos.distintos));
    tres->setPlainText(lineas(analisis.tres.texto));
    lblTres->setText(QStringLiteral("%1/1000").arg(analisis.tres.distintos));
    dos->show();
    tres->show();
}

void frmAnalisis::MostrarRejilla(bool porcentajes) {
    for (int c = 0; c < kCasillas; ++c) {
        QLabel* celda = lblN_[static_cast<size_t>(c)];
        const int32_t n = Frecuencias[static_cast<size_t>(c)];
        if (n < 1) {
            celda->clear();
            Colorear(celda, QPalette::Window, kBlanco);
            continue;
        }
        celda->setText(porcentajes ? QString::fromStdString(TextoPorcentaje(PorcentajeCentesimas(n, TotalNumeros), Coma()))
                                    : QString::number(n));
        Colorear(celda, QPalette::Window, kAzulClaro);
    }
}

void frmAnalisis::cmdSwitch_Click() {
    const bool aPorcentajes = cmdSwitch_->text() == kVerCuentas;
    cmdSwitch_->setText(aPorcentajes ? kVerNumeros : kVerCuentas);
    MostrarRejilla(aPorcentajes);
}

void frmAnalisis::cmdVerAnalisis_Click() {
    const TablaNumeros& resultado = sesion_.tablas.gResultado;
    VerTextoEnEditor(InformeAnalisis(Frecuencias, TotalNumeros, ::AnalizarPrimerasCifras(resultado, TotalNumeros),
                                     ::AnalizarUltimasCifras(resultado, TotalNumeros), Coma()),
                     this);
}
