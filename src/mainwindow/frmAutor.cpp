#include "frmAutor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {
constexpr int kAnchoBoton = 124;
constexpr int kAltoBoton = 36;

// A portrait: a head-and-shoulders silhouette in a round frame, with a few
// digits drifting behind it.
QPixmap DibujoRetrato() {
    QPixmap lienzo(200, 230);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fondo(0, 0, 0, 230);
    fondo.setColorAt(0, QColor(32, 58, 110));
    fondo.setColorAt(1, QColor(12, 24, 52));
    p.setPen(QPen(QColor(200, 170, 80), 3));
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(2, 2, 196, 226), 14, 14);

    QFont letra(QStringLiteral("DejaVu Sans Mono"));
    letra.setPixelSize(16);
    letra.setBold(true);
    p.setFont(letra);
    p.setPen(QColor(90, 120, 180));
    const char* const cifras = "0123456789";
    for (int i = 0; i < 14; ++i) {
        const QPointF punto(18 + (i * 53) % 165, 28 + (i * 37) % 180);
        p.drawText(punto, QString(QLatin1Char(cifras[(i * 7) % 10])));
    }

    QPainterPath silueta;
    silueta.addEllipse(QPointF(100, 92), 30, 36);
    QPainterPath hombros;
    hombros.moveTo(40, 206);
    hombros.cubicTo(40, 150, 70, 136, 100, 136);
    hombros.cubicTo(130, 136, 160, 150, 160, 206);
    hombros.closeSubpath();
    silueta = silueta.united(hombros);
    QLinearGradient luz(60, 60, 150, 200);
    luz.setColorAt(0, QColor(240, 220, 160));
    luz.setColorAt(1, QColor(190, 150, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(luz);
    p.drawPath(silueta);
    return lienzo;
}

// The return button: a rounded plate with an arrow and "Volver".
QPixmap DibujoBoton(bool encima) {
    QPixmap lienzo(kAnchoBoton, kAltoBoton);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 0, kAltoBoton);
    fondo.setColorAt(0, encima ? QColor(255, 225, 120) : QColor(90, 110, 150));
    fondo.setColorAt(1, encima ? QColor(220, 150, 30) : QColor(45, 60, 95));
    p.setPen(QPen(encima ? QColor(255, 245, 200) : QColor(150, 165, 200), 1.5));
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(1, 1, kAnchoBoton - 2, kAltoBoton - 2), 9, 9);

    const QColor tinta = encima ? QColor(60, 30, 0) : Qt::white;
    QPainterPath flecha;
    flecha.moveTo(14, 18);
    flecha.lineTo(26, 9);
    flecha.lineTo(26, 14);
    flecha.lineTo(36, 14);
    flecha.lineTo(36, 22);
    flecha.lineTo(26, 22);
    flecha.lineTo(26, 27);
    flecha.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    p.drawPath(flecha);

    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setPixelSize(15);
    letra.setBold(true);
    p.setFont(letra);
    p.setPen(tinta);
    p.drawText(QRectF(40, 0, kAnchoBoton - 46, kAltoBoton), Qt::AlignCenter, QStringLiteral("Volver"));
    return lienzo;
}
}  // namespace

frmAutor::frmAutor(QWidget* padre)
    : VentanaSecundaria(padre), aspectoNormal_(DibujoBoton(false)), aspectoEncima_(DibujoBoton(true)) {
    setWindowTitle(QStringLiteral("AUTOR"));

    picICONOS = new QWidget(this);
    picICONOS->setObjectName(QStringLiteral("picICONOS"));
    QPalette paleta = picICONOS->palette();
    paleta.setColor(QPalette::Window, QColor(22, 26, 38));
    picICONOS->setPalette(paleta);
    picICONOS->setAutoFillBackground(true);
    picICONOS->setMouseTracking(true);
    picICONOS->installEventFilter(this);

    Image1 = new QLabel(picICONOS);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(DibujoRetrato());

    cmdVolver_0 = new QLabel(picICONOS);
    cmdVolver_0->setObjectName(QStringLiteral("cmdVolver_0"));
    cmdVolver_0->setToolTip(QStringLiteral("Vuelve al Menú anterior"));
    cmdVolver_0->setPixmap(aspectoNormal_);
    cmdVolver_0->setFixedSize(kAnchoBoton, kAltoBoton);
    cmdVolver_0->setCursor(Qt::PointingHandCursor);
    cmdVolver_0->setMouseTracking(true);
    cmdVolver_0->installEventFilter(this);

    auto* interior = new QVBoxLayout(picICONOS);
    interior->setContentsMargins(24, 20, 24, 18);
    interior->setSpacing(16);
    interior->addWidget(Image1, 0, Qt::AlignHCenter);
    interior->addWidget(cmdVolver_0, 0, Qt::AlignHCenter);

    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(0, 0, 0, 0);
    exterior->addWidget(picICONOS);
    setFixedSize(sizeHint());
}

bool frmAutor::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == cmdVolver_0) {
        switch (evento->type()) {
            case QEvent::Enter:
                cmdVolver_MouseMove();
                break;
            case QEvent::MouseMove:
                cmdVolver_MouseMove();
                return true;  // a move over the button must not reach the panel below it
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
                    cmdVolver_Click();
                    return true;
                }
                break;
            default:
                break;
        }
    } else if (objeto == picICONOS && evento->type() == QEvent::MouseMove) {
        picICONOS_MouseMove();
    }
    return VentanaSecundaria::eventFilter(objeto, evento);
}

void frmAutor::picICONOS_MouseMove() { MostrarAspecto(false); }

void frmAutor::cmdVolver_MouseMove() { MostrarAspecto(true); }

void frmAutor::MostrarAspecto(bool encima) {
    if (encima == encima_) return;
    encima_ = encima;
    cmdVolver_0->setPixmap(encima ? aspectoEncima_ : aspectoNormal_);
}

void frmAutor::cmdVolver_Click() { CerrarVentana(); }
