#include "frmAcercaDe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <cmath>

#include "aleatorio.h"
#include "mensajes.h"
#include "sistema.h"

namespace {
constexpr int kAncho = 480;
constexpr int kAlto = 300;
constexpr int kLadoDibujo = 64;
constexpr int kMilisegundosFotograma = 10;

QPixmap Lienzo() {
    QPixmap lienzo(kLadoDibujo, kLadoDibujo);
    lienzo.fill(Qt::transparent);
    return lienzo;
}

// A lottery ball carrying a digit.
QPixmap DibujoBola() {
    QPixmap lienzo = Lienzo();
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient brillo(QPointF(24, 22), 34);
    brillo.setColorAt(0, QColor(255, 240, 170));
    brillo.setColorAt(0.55, QColor(235, 170, 30));
    brillo.setColorAt(1, QColor(150, 90, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(brillo);
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(18, 18, 28, 28));
    QFont letra(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    letra.setPixelSize(20);
    p.setFont(letra);
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRectF(18, 18, 28, 28), Qt::AlignCenter, QStringLiteral("7"));
    return lienzo;
}

// A lottery ticket with a number and a torn edge.
QPixmap DibujoDecimo() {
    QPixmap lienzo = Lienzo();
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(32, 32);
    p.rotate(-12);
    const QRectF papel(-28, -17, 56, 34);
    QLinearGradient fondo(papel.topLeft(), papel.bottomRight());
    fondo.setColorAt(0, QColor(250, 246, 225));
    fondo.setColorAt(1, QColor(225, 210, 160));
    p.setPen(QPen(QColor(120, 90, 40), 1.2));
    p.setBrush(fondo);
    p.drawRoundedRect(papel, 3, 3);
    p.setPen(QPen(QColor(120, 90, 40), 1, Qt::DashLine));
    p.drawLine(QPointF(14, -17), QPointF(14, 17));
    QFont letra(QStringLiteral("DejaVu Sans Mono"), 8, QFont::Bold);
    letra.setPixelSize(11);
    p.setFont(letra);
    p.setPen(QColor(170, 30, 30));
    p.drawText(QRectF(-27, -8, 40, 16), Qt::AlignCenter, QStringLiteral("02024"));
    return lienzo;
}

// A small 5 x 10 digit grid with a few cells chosen.
QPixmap DibujoRejilla() {
    QPixmap lienzo = Lienzo();
    QPainter p(&lienzo);
    const int celda = 5;
    const int x0 = (kLadoDibujo - 5 * (celda + 2)) / 2;
    const int y0 = (kLadoDibujo - 10 * (celda + 1)) / 2;
    for (int columna = 0; columna < 5; ++columna) {
        for (int fila = 0; fila < 10; ++fila) {
            const bool elegida = (columna * 3 + fila * 7) % 5 == 0;
            p.fillRect(x0 + columna * (celda + 2), y0 + fila * (celda + 1), celda + 1, celda,
                       elegida ? QColor(30, 80, 255) : QColor(210, 210, 220));
        }
    }
    return lienzo;
}

// A funnel letting a few numbers through.
QPixmap DibujoEmbudo() {
    QPixmap lienzo = Lienzo();
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath embudo;
    embudo.moveTo(8, 12);
    embudo.lineTo(56, 12);
    embudo.lineTo(37, 34);
    embudo.lineTo(37, 52);
    embudo.lineTo(27, 58);
    embudo.lineTo(27, 34);
    embudo.closeSubpath();
    QLinearGradient fondo(8, 12, 56, 58);
    fondo.setColorAt(0, QColor(120, 220, 255));
    fondo.setColorAt(1, QColor(20, 110, 190));
    p.setPen(QPen(QColor(200, 240, 255), 1.5));
    p.setBrush(fondo);
    p.drawPath(embudo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 80));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(14 + i * 12, 7), 3, 3);
    return lienzo;
}

QLabel* CrearDibujo(const QString& nombre, const QPixmap& dibujo, QWidget* padre) {
    auto* etiqueta = new QLabel(padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setPixmap(dibujo);
    etiqueta->setFixedSize(kLadoDibujo, kLadoDibujo);
    return etiqueta;
}

void ColorTexto(QLabel* etiqueta, const QColor& color) {
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(paleta);
}
}  // namespace

frmAcercaDe::frmAcercaDe(const QString& version, FuenteAleatoria& azar, QWidget* padre)
    : VentanaSecundaria(padre), azar_(azar) {
    setWindowTitle(QStringLiteral("Acerca de ..."));
    setFixedSize(kAncho, kAlto);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::black);
    setPalette(paleta);
    setAutoFillBackground(true);
    CrearControles(version);

    campo_.Iniciar(width(), height(), azar_);
    temporizador_.setInterval(kMilisegundosFotograma);
    connect(&temporizador_, &QTimer::timeout, this, &frmAcercaDe::Fotograma);
}

void frmAcercaDe::CrearControles(const QString& version) {
    lblPrograma = new QLabel(this);
    lblPrograma->setObjectName(QStringLiteral("lblPrograma"));
    lblPrograma->setText(kNombrePrograma + QLatin1Char(' ') + version);
    QFont grande = lblPrograma->font();
    grande.setPointSize(22);
    grande.setBold(true);
    lblPrograma->setFont(grande);
    ColorTexto(lblPrograma, QColor(255, 215, 90));
    lblPrograma->setAlignment(Qt::AlignCenter);

    lblFecha = new QLabel(QStringLiteral("02/01/2024"), this);
    lblFecha->setObjectName(QStringLiteral("lblFecha"));
    ColorTexto(lblFecha, QColor(220, 220, 220));
    lblFecha->setAlignment(Qt::AlignCenter);

    lblLinkMaltrexo = new QLabel(kDireccionWeb, this);
    lblLinkMaltrexo->setObjectName(QStringLiteral("lblLinkMaltrexo"));
    QFont subrayada = lblLinkMaltrexo->font();
    subrayada.setUnderline(true);
    lblLinkMaltrexo->setFont(subrayada);
    ColorTexto(lblLinkMaltrexo, QColor(120, 190, 255));
    lblLinkMaltrexo->setAlignment(Qt::AlignCenter);
    lblLinkMaltrexo->setCursor(Qt::PointingHandCursor);
    lblLinkMaltrexo->installEventFilter(this);

    auto* arriba = new QHBoxLayout;
    arriba->addWidget(CrearDibujo(QStringLiteral("picDecorado_0"), DibujoBola(), this));
    arriba->addStretch();
    arriba->addWidget(CrearDibujo(QStringLiteral("picDecorado_1"), DibujoDecimo(), this));
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(CrearDibujo(QStringLiteral("picDecorado_2"), DibujoRejilla(), this));
    abajo->addStretch();
    abajo->addWidget(CrearDibujo(QStringLiteral("picDecorado_3"), DibujoEmbudo(), this));

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(14, 14, 14, 14);
    columna->addLayout(arriba);
    columna->addStretch();
    columna->addWidget(lblPrograma);
    columna->addWidget(lblFecha);
    columna->addSpacing(10);
    columna->addWidget(lblLinkMaltrexo, 0, Qt::AlignHCenter);
    columna->addStretch();
    columna->addLayout(abajo);
}

void frmAcercaDe::Fotograma() {
    campo_.Avanzar(width(), height(), azar_);
    update();
}

void frmAcercaDe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < CampoEstrellas::kEstrellas; ++i) {
        const qreal radio = campo_.V(i);
        p.drawEllipse(QPointF(campo_.X(i), campo_.Y(i)), radio, radio);
    }
}

void frmAcercaDe::showEvent(QShowEvent* evento) {
    VentanaSecundaria::showEvent(evento);
    temporizador_.start();
}

void frmAcercaDe::hideEvent(QHideEvent* evento) {
    temporizador_.stop();
    VentanaSecundaria::hideEvent(evento);
}

bool frmAcercaDe::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lblLinkMaltrexo && evento->type() == QEvent::MouseButtonRelease) {
        const auto* raton = static_cast<QMouseEvent*>(evento);
        if (raton->button() == Qt::LeftButton && lblLinkMaltrexo->rect().contains(raton->position().toPoint())) {
            lblLinkMaltrexo_Click();
            return true;
        }
    }
    return VentanaSecundaria::eventFilter(objeto, evento);
}

void frmAcercaDe::lblLinkMaltrexo_Click() {
    AbrirPaginaWeb(kDireccionWeb, this);
}
