#include "frmFiltroTERMINACIONES.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controles.h"
#include "mensajes.h"
#include "teclado.h"
#include "validacion_terminaciones.h"

namespace {
const char* const kFiguras[7] = {"5-0", "4-1", "3-2", "3-1-1", "2-2-1", "2-1-1-1", "1-1-1-1-1"};
const QString kTituloSuma = QStringLiteral("Suma de Terminaciones :          -");
const QString kAntesDelHueco = QStringLiteral("Suma de Terminaciones : ");


QLineEdit* CajaCota(const QString& nombre, const QString& texto, QWidget* padre) {
    auto* caja = new QLineEdit(texto, padre);
    caja->setObjectName(nombre);
    caja->setMaxLength(2);
    caja->setAlignment(Qt::AlignCenter);
    caja->setFixedWidth(caja->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    return caja;
}

}  // namespace

frmFiltroTERMINACIONES::frmFiltroTERMINACIONES(ContextoEditor& contexto, QWidget* padre)
    : VentanaSecundaria(padre), contexto_(contexto) {
    setObjectName(QStringLiteral("frmFiltroTERMINACIONES"));
    setWindowTitle(QStringLiteral("TERMINACIONES DE DIGITOS"));
    AjustesFiltros& f = contexto_.sesion.filtros;

    auto* digitos = new QGridLayout;
    digitos->setVerticalSpacing(4);
    for (int d = 0; d <= 9; ++d) {
        auto* titulo = new QLabel(QStringLiteral("Terminados en %1 : ").arg(d), this);
        titulo->setObjectName(QStringLiteral("lblTitTerminados_%1").arg(d));
        auto* caja = new QLineEdit(this);
        caja->setObjectName(QStringLiteral("txtAciertos_%1").arg(d));
        caja->setReadOnly(true);
        caja->setFocusPolicy(Qt::NoFocus);
        QPalette blanca = caja->palette();
        blanca.setColor(QPalette::Base, Qt::white);
        caja->setPalette(blanca);
        caja->setMinimumWidth(caja->fontMetrics().horizontalAdvance(QStringLiteral("0,1,2,3,4,5")) + 16);
        auto* modificar = new QPushButton(QStringLiteral("M"), this);
        modificar->setObjectName(QStringLiteral("cmdModificar_%1").arg(d));
        modificar->setFixedWidth(modificar->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 14);
        connect(modificar, &QPushButton::clicked, this, [this, d] { cmdModificar_Click(d); });
        digitos->addWidget(titulo, d, 0);
        digitos->addWidget(caja, d, 1);
        digitos->addWidget(modificar, d, 2);
        txtAciertos_[static_cast<size_t>(d)] = caja;
    }

    // The two bounds sit in the caption's gaps: the minimum in the blanks
    // before the hyphen, the maximum after it.
    auto* tituloSuma = new QLabel(kTituloSuma, this);
    tituloSuma->setObjectName(QStringLiteral("lblTitSumaTerminaciones"));
    txtSumaTerminacionesMinimo_ = CajaCota(QStringLiteral("txtSumaTerminacionesMinimo"), QStringLiteral("0"), this);
    txtSumaTerminacionesMaximo_ = CajaCota(QStringLiteral("txtSumaTerminacionesMaximo"), QStringLiteral("45"), this);
    txtSumaTerminacionesMinimo_->setParent(tituloSuma);
    const int hueco = tituloSuma->fontMetrics().horizontalAdvance(kAntesDelHueco);
    const int finHueco = tituloSuma->fontMetrics().horizontalAdvance(kTituloSuma.left(kTituloSuma.size() - 1));
    const int ancho = txtSumaTerminacionesMinimo_->width();
    tituloSuma->setMinimumWidth(std::max(tituloSuma->sizeHint().width(), hueco + ancho + 8));
    const int x = std::max(hueco, finHueco - ancho - 4);
    tituloSuma->setMinimumHeight(txtSumaTerminacionesMinimo_->sizeHint().height());
    txtSumaTerminacionesMinimo_->move(x, 0);
    auto* lineaSuma = new QHBoxLayout;
    lineaSuma->addWidget(tituloSuma);
    lineaSuma->addWidget(txtSumaTerminacionesMaximo_);
    lineaSuma->addStretch();

    auto* izquierda = new QVBoxLayout;
    izquierda->addLayout(digitos);
    izquierda->addSpacing(8);
    izquierda->addLayout(lineaSuma);

    auto* figuras = new QGridLayout;
    figuras->setVerticalSpacing(6);
    figuras->addWidget(EtiquetaNegrita(this, QStringLiteral("lblTitFiguras"), QStringLiteral("FIGURAS")), 0, 0, 1, 3,
                       Qt::AlignHCenter);
    for (int i = 0; i < 7; ++i) {
        auto* numero = new QLabel(QStringLiteral("%1.").arg(i + 1), this);
        numero->setObjectName(QStringLiteral("Label3_%1").arg(i));
        auto* figura = new QLabel(QString::fromLatin1(kFiguras[i]), this);
        figura->setObjectName(QStringLiteral("lblTipoFigura_%1").arg(i + 1));
        auto* marca = new QCheckBox(this);
        marca->setObjectName(QStringLiteral("chkFigura_%1").arg(i));
        figuras->addWidget(numero, i + 1, 0);
        figuras->addWidget(figura, i + 1, 1);
        figuras->addWidget(marca, i + 1, 2);
        chkFigura_[static_cast<size_t>(i)] = marca;
    }
    figuras->setRowStretch(8, 1);

    auto* cuerpo = new QHBoxLayout;
    cuerpo->addLayout(izquierda);
    cuerpo->addSpacing(24);
    cuerpo->addLayout(figuras);

    auto* volver = BotonVolver(this);
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(volver);

    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(EtiquetaNegrita(this, QStringLiteral("lblTitTerminaciones"), QStringLiteral("TERMINACIONES DE DIGITOS")),
                    0, Qt::AlignHCenter);
    raiz->addLayout(cuerpo);
    raiz->addLayout(pie);
    raiz->setSizeConstraint(QLayout::SetFixedSize);

    // Wiring. Any key in a bound box ticks the filter, a dropped one too.
    for (QCheckBox* marca : chkFigura_) connect(marca, &QCheckBox::toggled, this, [this] { MarcarFiltro(); });
    for (QLineEdit* caja : {txtSumaTerminacionesMinimo_, txtSumaTerminacionesMaximo_}) {
        InstalarFiltroTecla(caja, 1);
        caja->installEventFilter(this);
    }
    connect(volver, &QPushButton::clicked, this, [this] { cmdVolver_Click(); });

    // Load: setting a stored figure ticks its box, and so the filter.
    for (int d = 0; d <= 9; ++d)
        txtAciertos_[static_cast<size_t>(d)]->setText(TextoFilaAciertos(f.TerminadosEn.Fila(d), 5));
    for (int i = 0; i < 7; ++i) chkFigura_[static_cast<size_t>(i)]->setChecked(f.FigurasTerminaciones[i + 1] == 1);
    txtSumaTerminacionesMinimo_->setText(QString::number(f.SumaTerminacionesMinimo));
    txtSumaTerminacionesMaximo_->setText(QString::number(f.SumaTerminacionesMaximo));
}

bool frmFiltroTERMINACIONES::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress &&
        (objeto == txtSumaTerminacionesMinimo_ || objeto == txtSumaTerminacionesMaximo_) &&
        EsTeclaDeCaracter(static_cast<QKeyEvent*>(evento)))
        MarcarFiltro();
    return VentanaSecundaria::eventFilter(objeto, evento);
}

void frmFiltroTERMINACIONES::MarcarFiltro() {
    if (contexto_.MarcarFiltro) contexto_.MarcarFiltro(kFiltroTerminaciones);
}

void frmFiltroTERMINACIONES::cmdModificar_Click(int digito) {
    uint8_t* fila = contexto_.sesion.filtros.TerminadosEn.Fila(digito);
    txtAciertos_[static_cast<size_t>(digito)]->setText(
        ProtocoloSelectorAciertos(contexto_, fila, 0, 5, kFiltroTerminaciones, this));
}

void frmFiltroTERMINACIONES::cmdVolver_Click() {
    if (ValidarYGuardar()) CerrarVentana();
}

bool frmFiltroTERMINACIONES::ValidarYGuardar() {
    const ResultadoSumaTerminaciones r = ValidarSumaTerminaciones(txtSumaTerminacionesMinimo_->text().toStdString(),
                                                                  txtSumaTerminacionesMaximo_->text().toStdString());
    if (r.error != nullptr) {
        Mensaje(QString::fromUtf8(r.error), EstiloMensaje::Critico, this);
        return false;
    }
    AjustesFiltros& f = contexto_.sesion.filtros;
    for (int i = 0; i < 7; ++i) f.FigurasTerminaciones[i + 1] = chkFigura_[static_cast<size_t>(i)]->isChecked() ? 1 : 0;
    // At most two digits each, so both fit the byte settings.
    f.SumaTerminacionesMinimo = static_cast<uint8_t>(r.minimo);
    f.SumaTerminacionesMaximo = static_cast<uint8_t>(r.maximo);
    return true;
}
