#include "frmVentanaProceso.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <new>

#include "controles.h"
#include "frmprincipal.h"
#include "mensajes.h"
#include "rejilla_casillas.h"
#include "sistema.h"

namespace {

constexpr int kLadoParada = 44;

// The stop image: a red octagon with a white rim and a white square.
QPixmap DibujoParada() {
    QPixmap lienzo(kLadoParada, kLadoParada);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centro(kLadoParada / 2.0, kLadoParada / 2.0);
    auto octogono = [&centro](double radio) {
        QPainterPath camino;
        for (int i = 0; i < 8; ++i) {
            const double angulo = (22.5 + 45.0 * i) * M_PI / 180.0;
            const QPointF punto = centro + QPointF(radio * std::cos(angulo), radio * std::sin(angulo));
            if (i == 0)
                camino.moveTo(punto);
            else
                camino.lineTo(punto);
        }
        camino.closeSubpath();
        return camino;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 0, 0));
    p.drawPath(octogono(kLadoParada / 2.0 - 0.5));
    p.setBrush(Qt::white);
    p.drawPath(octogono(kLadoParada / 2.0 - 2.5));
    QLinearGradient rojo(0, 0, 0, kLadoParada);
    rojo.setColorAt(0, QColor(235, 40, 40));
    rojo.setColorAt(1, QColor(170, 0, 0));
    p.setBrush(rojo);
    p.drawPath(octogono(kLadoParada / 2.0 - 5.0));
    p.setBrush(Qt::white);
    const double lado = kLadoParada * 0.32;
    p.drawRoundedRect(QRectF(centro.x() - lado / 2, centro.y() - lado / 2, lado, lado), 2, 2);
    return lienzo;
}

}  // namespace

frmVentanaProceso::frmVentanaProceso(frmPrincipal& principal, TablasReduccion& entradas, QWidget* padre)
    : VentanaSecundaria(padre),
      principal_(principal),
      controlador_(principal.Sesion().tablas, entradas, principal.Sesion().aleatorio) {
    setObjectName(QStringLiteral("frmVentanaProceso"));
    setWindowTitle(QString::fromUtf8(kTituloReduccion));
    QuitarCerrarMenuSistema(this, 1);

    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(8, 8, 8, 8);
    ShapeBorde_ = new QFrame(this);
    ShapeBorde_->setObjectName(QStringLiteral("ShapeBorde"));
    ShapeBorde_->setFrameShape(QFrame::Box);
    exterior->addWidget(ShapeBorde_);

    auto* fila = new QHBoxLayout(ShapeBorde_);
    fila->setContentsMargins(14, 10, 14, 12);
    fila->setSpacing(16);
    auto* columna = new QVBoxLayout();
    columna->setSpacing(10);
    auto* datos = new QGridLayout();
    datos->setHorizontalSpacing(10);
    datos->setVerticalSpacing(6);
    QFont negrita = font();
    negrita.setBold(true);

    lblTipo_ = Etiqueta(ShapeBorde_, "lblTipo", QString());
    lblCiclos_ = Etiqueta(ShapeBorde_, "lblCiclos", QStringLiteral("0"));
    lblApuestasVP_ = Etiqueta(ShapeBorde_, "lblApuestasVP", QStringLiteral("0"));
    const struct {
        const char* nombre;
        const char* texto;
        QLabel* valor;
    } filas[3] = {{"lblTitTipo", "Tipo :", lblTipo_},
                  {"lblTitCicloActual", "Ciclo actual :", lblCiclos_},
                  {"lblTitApuestas", "Números :", lblApuestasVP_}};
    for (int i = 0; i < 3; ++i) {
        datos->addWidget(Etiqueta(ShapeBorde_, filas[i].nombre, QString::fromUtf8(filas[i].texto)), i, 0,
                         Qt::AlignRight);
        filas[i].valor->setFont(negrita);
        filas[i].valor->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Analizando ....")));
        datos->addWidget(filas[i].valor, i, 1);
    }
    datos->setColumnStretch(1, 1);
    columna->addLayout(datos);

    picFondoProgressBar_ = new QFrame(ShapeBorde_);
    picFondoProgressBar_->setObjectName(QStringLiteral("picFondoProgressBar"));
    picFondoProgressBar_->setFrameShape(QFrame::Panel);
    picFondoProgressBar_->setFrameShadow(QFrame::Sunken);
    auto* barra = new QVBoxLayout(picFondoProgressBar_);
    barra->setContentsMargins(1, 1, 1, 1);
    lblProgressBar_ = new QProgressBar(picFondoProgressBar_);
    lblProgressBar_->setObjectName(QStringLiteral("lblProgressBar"));
    lblProgressBar_->setRange(0, 100);
    lblProgressBar_->setValue(0);
    lblProgressBar_->setTextVisible(false);
    lblProgressBar_->setMinimumWidth(220);
    barra->addWidget(lblProgressBar_);
    columna->addWidget(picFondoProgressBar_);
    fila->addLayout(columna, 1);

    cmdDETENER_ = new EtiquetaPulsable(QString(), ShapeBorde_);
    cmdDETENER_->setObjectName(QStringLiteral("cmdDETENER"));
    cmdDETENER_->setToolTip(QStringLiteral("Detener el proceso"));
    cmdDETENER_->setPixmap(DibujoParada());
    cmdDETENER_->setFixedSize(kLadoParada, kLadoParada);
    cmdDETENER_->setCursor(Qt::PointingHandCursor);
    fila->addWidget(cmdDETENER_, 0, Qt::AlignVCenter);

    connect(cmdDETENER_, &EtiquetaPulsable::pulsada, this, &frmVentanaProceso::cmdDETENER_Click);
}

void frmVentanaProceso::cmdDETENER_Click() { controlador_.PulsarDetener(); }

void frmVentanaProceso::showEvent(QShowEvent* evento) {
    VentanaSecundaria::showEvent(evento);
    if (activada_) return;
    activada_ = true;
    // Runs from the event loop, so that the window is drawn first.
    QTimer::singleShot(0, this, &frmVentanaProceso::Form_Activate);
}

void frmVentanaProceso::Form_Activate() {
    lblProgressBar_->setValue(0);
    OpcionesReduccion opciones;
    opciones.tipo = principal_.cboTipoReduccion()->currentIndex();
    // Blanks around a number are read past, as the boxes' own reading does.
    const std::string porcentaje = principal_.txtPorcentaje()->text().trimmed().toStdString();
    const std::string numApuestas = principal_.txtNUApuestas()->text().trimmed().toStdString();
    opciones.porcentaje = porcentaje;
    opciones.numApuestas = numApuestas;
    opciones.modoApuestas = principal_.optTipo(0)->isChecked();
    opciones.conCiclos = principal_.chkActivarCiclos()->isChecked();
    opciones.conAleatorio = principal_.chkAleatorio()->isChecked();
    opciones.conApuestasExactas = principal_.chkApuestasExactas()->isChecked();

    // The corrected options show on the main window from the start of the
    // run; only corrected texts are written back.
    const OpcionesNormalizadas corregidas = NormalizarOpciones(porcentaje, numApuestas);
    if (corregidas.error.empty()) {
        if (corregidas.porcentaje != porcentaje)
            principal_.txtPorcentaje()->setText(QString::fromStdString(corregidas.porcentaje));
        if (corregidas.numApuestas != numApuestas)
            principal_.txtNUApuestas()->setText(QString::fromStdString(corregidas.numApuestas));
    }

    QString error;
    try {
        const ResultadoReduccion resultado = controlador_.Ejecutar(opciones, *this, CrearCesion());
        error = QString::fromUtf8(resultado.error.c_str());
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("ERROR: Memoria insuficiente");
    } catch (const std::exception& e) {
        error = QStringLiteral("ERROR: ") + QString::fromUtf8(e.what());
    }
    terminada_ = true;
    if (!error.isEmpty()) Mensaje(error, EstiloMensaje::Critico, this);
    CerrarVentana();
}

void frmVentanaProceso::MostrarTipo(const std::string& texto) { lblTipo_->setText(QString::fromUtf8(texto.c_str())); }

void frmVentanaProceso::MostrarCiclo(const std::string& texto) {
    lblCiclos_->setText(QString::fromUtf8(texto.c_str()));
}

void frmVentanaProceso::MostrarNumeros(int32_t cuenta, const std::string& ayuda) {
    lblApuestasVP_->setText(FormatoCuenta(cuenta));
    lblApuestasVP_->setToolTip(QString::fromUtf8(ayuda.c_str()));
}

void frmVentanaProceso::MostrarProgreso(int porcentaje) { lblProgressBar_->setValue(std::clamp(porcentaje, 0, 100)); }

void frmVentanaProceso::MostrarReducidas(int32_t cuenta) {
    principal_.txtApuestasReducidas()->setText(FormatoCuenta(cuenta));
}

void frmVentanaProceso::EmpezarAjuste(const std::string& titulo) {
    cmdDETENER_->hide();
    setWindowTitle(QString::fromUtf8(titulo.c_str()));
}
