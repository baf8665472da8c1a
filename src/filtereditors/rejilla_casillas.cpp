#include "rejilla_casillas.h"

#include <QGridLayout>
#include <QMouseEvent>

#include "sesion.h"

namespace {
const QColor kAzul(0, 0, 255);
const QColor kAzulApagado(110, 110, 220);
const QColor kBlanco(255, 255, 255);
const QColor kNegro(0, 0, 0);

const char* const kEncabezados[kPosiciones] = {"DM", "UM", "CE", "DE", "UN"};
const char* const kNombresPosicion[kPosiciones] = {"Decenas de Millar", "Unidades de Millar", "Centenas",
                                                   "Decenas", "Unidades"};
}  // namespace

EtiquetaPulsable::EtiquetaPulsable(const QString& texto, QWidget* padre) : QLabel(texto, padre) {}

void EtiquetaPulsable::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) {
        pulsando_ = true;
        evento->accept();
        return;
    }
    QLabel::mousePressEvent(evento);
}

void EtiquetaPulsable::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && pulsando_) {
        pulsando_ = false;
        evento->accept();
        if (rect().contains(evento->position().toPoint())) emit pulsada();
        return;
    }
    QLabel::mouseReleaseEvent(evento);
}

bool ModeloRejillaBase::Seleccionada(Casilla c) const { return rejilla_.Seleccionada(c); }
void ModeloRejillaBase::Fijar(Casilla c, bool seleccionada) { rejilla_.Fijar(c, seleccionada); }

bool ModeloFilaCasillas::Seleccionada(Casilla c) const {
    return fila_ != nullptr && c >= 1 && c <= kCasillas && fila_[c - 1] != 0;
}
void ModeloFilaCasillas::Fijar(Casilla c, bool seleccionada) {
    if (fila_ != nullptr && c >= 1 && c <= kCasillas) fila_[c - 1] = seleccionada ? 1 : 0;
}

RejillaCasillas::RejillaCasillas(ModeloCasillas* modelo, const OpcionesRejilla& opciones, QWidget* padre)
    : QWidget(padre), modelo_(modelo) {
    disposicion_ = new QGridLayout(this);
    disposicion_->setContentsMargins(0, 0, 0, 0);
    disposicion_->setHorizontalSpacing(3);
    disposicion_->setVerticalSpacing(2);

    const QFontMetrics medidas(font());
    const QSize tamanoCelda(medidas.horizontalAdvance(QStringLiteral("00")) + (opciones.estrecha ? 6 : 16),
                            medidas.height() + 6);
    const int filaCeldas = opciones.encabezados ? 1 : 0;

    for (int r = 1; r <= kPosiciones; ++r) {
        const int columna = r - 1;
        if (opciones.encabezados) {
            auto* titulo = new QLabel(QString::fromLatin1(kEncabezados[columna]), this);
            titulo->setObjectName(QStringLiteral("lblUnidades_%1").arg(columna));
            titulo->setToolTip(QString::fromUtf8(kNombresPosicion[columna]));
            titulo->setAlignment(Qt::AlignCenter);
            QFont negrita = titulo->font();
            negrita.setBold(true);
            titulo->setFont(negrita);
            encabezados_[static_cast<size_t>(columna)] = titulo;
            disposicion_->addWidget(titulo, 0, columna);
        }
        for (int d = 0; d <= 9; ++d) {
            const int indice = columna * 10 + d;
            auto* celda = new EtiquetaPulsable(QString::number(d), this);
            celda->setObjectName(QStringLiteral("%1_%2").arg(opciones.nombreCeldas).arg(indice));
            celda->setAlignment(Qt::AlignCenter);
            celda->setMinimumSize(tamanoCelda);
            celda->setFrameShape(QFrame::StyledPanel);
            celda->setCursor(Qt::PointingHandCursor);
            celdas_[static_cast<size_t>(indice)] = celda;
            disposicion_->addWidget(celda, filaCeldas + d, columna);
            connect(celda, &EtiquetaPulsable::pulsada, this, [this, indice] {
                Alternar(indice);
                emit celdaPulsada(indice);
            });
        }
        if (opciones.contadores) {
            auto* cuenta = new QLabel(QStringLiteral("0"), this);
            cuenta->setObjectName(QStringLiteral("lblContador_%1").arg(columna));
            cuenta->setAlignment(Qt::AlignCenter);
            contadores_[static_cast<size_t>(columna)] = cuenta;
            disposicion_->addWidget(cuenta, filaCeldas + 10, columna);
        }
    }
    Refrescar();
}

void RejillaCasillas::FijarModelo(ModeloCasillas* modelo) {
    modelo_ = modelo;
    Refrescar();
}

bool RejillaCasillas::Seleccionada(int indice) const {
    return modelo_ != nullptr && indice >= 0 && indice < kCeldas &&
           modelo_->Seleccionada(static_cast<Casilla>(indice + 1));
}

void RejillaCasillas::FijarSeleccion(int indice, bool seleccionada) {
    if (modelo_ == nullptr || indice < 0 || indice >= kCeldas) return;
    modelo_->Fijar(static_cast<Casilla>(indice + 1), seleccionada);
    Pintar(indice);
    PintarContadores();
}

void RejillaCasillas::Alternar(int indice) { FijarSeleccion(indice, !Seleccionada(indice)); }

void RejillaCasillas::SeleccionarTodas() {
    if (modelo_ == nullptr) return;
    for (int c = 1; c <= kCeldas; ++c) modelo_->Fijar(static_cast<Casilla>(c), true);
    Refrescar();
}

void RejillaCasillas::Limpiar() {
    if (modelo_ == nullptr) return;
    for (int c = 1; c <= kCeldas; ++c) modelo_->Fijar(static_cast<Casilla>(c), false);
    Refrescar();
}

int RejillaCasillas::ContarSeleccionadas() const {
    int n = 0;
    for (int i = 0; i < kCeldas; ++i) n += Seleccionada(i) ? 1 : 0;
    return n;
}

int RejillaCasillas::ContarColumna(int posicion) const {
    if (posicion < 1 || posicion > kPosiciones) return 0;
    int n = 0;
    for (int i = (posicion - 1) * 10; i < posicion * 10; ++i) n += Seleccionada(i) ? 1 : 0;
    return n;
}

void RejillaCasillas::Refrescar() {
    for (int i = 0; i < kCeldas; ++i) Pintar(i);
    PintarContadores();
}

void RejillaCasillas::RefrescarQuitandoDeshabilitadas() {
    if (modelo_ != nullptr) {
        for (int i = 0; i < kCeldas; ++i)
            if (!CeldaHabilitada(i)) modelo_->Fijar(static_cast<Casilla>(i + 1), false);
    }
    Refrescar();
}

void RejillaCasillas::HabilitarCelda(int indice, bool habilitada) {
    if (indice < 0 || indice >= kCeldas) return;
    celdas_[static_cast<size_t>(indice)]->setEnabled(habilitada);
}

bool RejillaCasillas::CeldaHabilitada(int indice) const {
    return indice >= 0 && indice < kCeldas && celdas_[static_cast<size_t>(indice)]->isEnabled();
}

void RejillaCasillas::HabilitarCeldas(bool habilitadas) {
    for (int i = 0; i < kCeldas; ++i) HabilitarCelda(i, habilitadas);
}

void RejillaCasillas::HabilitarSegunBase(const RejillaBase& base) {
    for (int i = 0; i < kCeldas; ++i) HabilitarCelda(i, base.Seleccionada(static_cast<Casilla>(i + 1)));
}

bool RejillaCasillas::AspectoSeleccionado(int indice) const {
    if (indice < 0 || indice >= kCeldas) return false;
    const QLabel* celda = celdas_[static_cast<size_t>(indice)];
    return celda->autoFillBackground() && celda->palette().color(QPalette::Active, QPalette::Window) == kAzul &&
           celda->palette().color(QPalette::Active, QPalette::WindowText) == kBlanco;
}

QLabel* RejillaCasillas::Encabezado(int posicion) const {
    if (posicion < 1 || posicion > kPosiciones) return nullptr;
    return encabezados_[static_cast<size_t>(posicion - 1)];
}

QLabel* RejillaCasillas::Contador(int posicion) const {
    if (posicion < 1 || posicion > kPosiciones) return nullptr;
    return contadores_[static_cast<size_t>(posicion - 1)];
}

void RejillaCasillas::AnadirFila(const QList<QWidget*>& porColumna) {
    const int fila = disposicion_->rowCount();
    for (int columna = 0; columna < porColumna.size() && columna < kPosiciones; ++columna) {
        if (porColumna[columna] != nullptr) disposicion_->addWidget(porColumna[columna], fila, columna);
    }
}

void RejillaCasillas::Pintar(int indice) {
    QLabel* celda = celdas_[static_cast<size_t>(indice)];
    QPalette paleta = celda->palette();
    if (Seleccionada(indice)) {
        // Opaque blue with white text; a disabled selected cell stays visibly
        // selected in a paler blue.
        for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
            paleta.setColor(grupo, QPalette::Window, kAzul);
            paleta.setColor(grupo, QPalette::WindowText, kBlanco);
        }
        paleta.setColor(QPalette::Disabled, QPalette::Window, kAzulApagado);
        paleta.setColor(QPalette::Disabled, QPalette::WindowText, kBlanco);
        celda->setAutoFillBackground(true);
    } else {
        // Transparent with black text. The style draws the cell's frame from
        // the back colour, so that goes back to the surroundings' own.
        const QPalette normal = celda->parentWidget()->palette();
        for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            paleta.setColor(grupo, QPalette::Window, normal.color(grupo, QPalette::Window));
        for (auto grupo : {QPalette::Active, QPalette::Inactive}) paleta.setColor(grupo, QPalette::WindowText, kNegro);
        paleta.setColor(QPalette::Disabled, QPalette::WindowText,
                        normal.color(QPalette::Disabled, QPalette::WindowText));
        celda->setAutoFillBackground(false);
    }
    celda->setPalette(paleta);
}

void RejillaCasillas::PintarContadores() {
    for (int r = 1; r <= kPosiciones; ++r) {
        if (QLabel* cuenta = contadores_[static_cast<size_t>(r - 1)]) cuenta->setText(QString::number(ContarColumna(r)));
    }
}
