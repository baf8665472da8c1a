#include "selector_aciertos.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles.h"
#include "controles_editor.h"
#include "rejilla_casillas.h"

namespace {

constexpr int kUltimoAciertos = 5;
constexpr int kUltimoReservas = kMaxAciertosReserva;

struct EstadoPrueba {
    bool activo = false;
    QList<QList<int>> elecciones;
    QList<PruebaSelector::Registro> mostrados;
};
EstadoPrueba& Prueba() {
    static EstadoPrueba estado;
    return estado;
}

// Shows the chooser (or, under test, applies the queued choice) on the
// exchange row, which holds the caller's row already.
void MostrarSelector(SelectorAciertos& selector, Arreglo<uint8_t>& seleccionados, int minimo, int maximo,
                     const QString& titulo) {
    EstadoPrueba& prueba = Prueba();
    if (!prueba.activo) {
        selector.exec();
        return;
    }
    prueba.mostrados.append({minimo, maximo, titulo});
    if (prueba.elecciones.isEmpty()) return;
    const QList<int> eleccion = prueba.elecciones.takeFirst();
    for (int k = minimo; k <= maximo; ++k) seleccionados[k] = eleccion.contains(k) ? 1 : 0;
}

QString Intercambiar(ContextoEditor& contexto, uint8_t* fila, int ultimo, SelectorAciertos& selector, int minimo,
                     int maximo, const QString& titulo, int indiceFiltro) {
    Arreglo<uint8_t>& seleccionados = contexto.sesion.filtros.AciertosSeleccionados;
    for (int k = 0; k <= ultimo; ++k) seleccionados[k] = fila[k] == 1 ? 1 : 0;
    MostrarSelector(selector, seleccionados, minimo, maximo, titulo);
    for (int k = 0; k <= ultimo; ++k) fila[k] = seleccionados[k] == 1 ? 1 : 0;
    if (contexto.MarcarFiltro) contexto.MarcarFiltro(indiceFiltro);
    return TextoFilaAciertos(fila, ultimo);
}

}  // namespace

QString TextoFilaAciertos(const uint8_t* fila, int maximo) {
    QStringList cuentas;
    for (int k = 0; k <= maximo; ++k)
        if (fila[k] == 1) cuentas << QString::number(k);
    return cuentas.join(',');
}

QString ProtocoloSelectorAciertos(ContextoEditor& contexto, uint8_t* fila, int minimo, int maximo, int indiceFiltro,
                                  QWidget* padre) {
    frmAciertos selector(contexto.sesion.filtros.AciertosSeleccionados, padre);
    selector.AciertoMinimo = minimo;
    selector.AciertoMaximo = maximo;
    return Intercambiar(contexto, fila, kUltimoAciertos, selector, minimo, maximo, QString(), indiceFiltro);
}

QString ProtocoloSelectorReservas(ContextoEditor& contexto, uint8_t* fila, QChar letra, QWidget* padre) {
    frmAciertosRESERVAS selector(contexto.sesion.filtros.AciertosSeleccionados, padre);
    const QString titulo = QStringLiteral("ACIERTOS EN GRUPO ") + letra;
    selector.FijarTitulo(titulo);
    selector.AciertoMaximo = kUltimoReservas;
    return Intercambiar(contexto, fila, kUltimoReservas, selector, 0, kUltimoReservas, titulo,
                        kFiltroGruposEnReservas);
}

SelectorAciertos::SelectorAciertos(Arreglo<uint8_t>& seleccionados, int ultimo, int porFila, bool reservas,
                                   QWidget* padre)
    : VentanaSecundaria(padre), seleccionados_(seleccionados) {
    setWindowTitle(QStringLiteral("ACIERTOS"));
    auto* raiz = new QVBoxLayout(this);
    if (reservas) {
        titulo_ = new QLabel(QStringLiteral("TITULO"), this);
        titulo_->setObjectName(QStringLiteral("lblTitulo"));
        titulo_->setAlignment(Qt::AlignCenter);
        QFont negrita = titulo_->font();
        negrita.setBold(true);
        titulo_->setFont(negrita);
        raiz->addWidget(titulo_);
    } else {
        FondoGrisEditor(this);
    }

    auto* rejilla = new QGridLayout;
    rejilla->setSpacing(3);
    const QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int k = 0; k <= ultimo; ++k) {
        auto* etiqueta = new EtiquetaPulsable(QString::number(k), this);
        etiqueta->setObjectName(QStringLiteral("lblAciertos_%1").arg(k));
        etiqueta->setFont(fija);
        etiqueta->setAlignment(Qt::AlignCenter);
        etiqueta->setMinimumSize(30, 24);
        etiqueta->setFrameShape(QFrame::Box);
        etiqueta->setAutoFillBackground(true);
        connect(etiqueta, &EtiquetaPulsable::pulsada, this, [this, k] { lblAciertos_Click(k); });
        rejilla->addWidget(etiqueta, k / porFila, k % porFila);
        etiquetas_.append(etiqueta);
    }
    raiz->addLayout(rejilla);

    auto* botones = new QHBoxLayout;
    if (reservas) {
        auto* todos = new QPushButton(QStringLiteral("&TODOS"), this);
        todos->setObjectName(QStringLiteral("cmdTodos"));
        todos->setToolTip(QStringLiteral("Selecciona TODOS los aciertos"));
        auto* ninguno = new QPushButton(QStringLiteral("&NINGUNO"), this);
        ninguno->setObjectName(QStringLiteral("cmdNinguno"));
        ninguno->setToolTip(QStringLiteral("Borra TODOS los aciertos"));
        connect(todos, &QPushButton::clicked, this, &SelectorAciertos::Todos);
        connect(ninguno, &QPushButton::clicked, this, &SelectorAciertos::Ninguno);
        botones->addWidget(todos);
        botones->addWidget(ninguno);
    } else {
        auto* todos = BotonSeleccionarTodos(QStringLiteral("imgTodos"), this, QStringLiteral("Selecciona todos los aciertos"));
        auto* ninguno = BotonLimpiar(QStringLiteral("imgNinguno"), this, QStringLiteral("Inicializa todos los aciertos"));
        connect(todos, &QToolButton::clicked, this, &SelectorAciertos::Todos);
        connect(ninguno, &QToolButton::clicked, this, &SelectorAciertos::Ninguno);
        botones->addWidget(todos);
        botones->addWidget(ninguno);
    }
    botones->addStretch();
    auto* volver = new QPushButton(reservas ? QStringLiteral("&VOLVER") : QStringLiteral("&Volver"), this);
    volver->setObjectName(QStringLiteral("cmdVolver"));
    if (reservas) volver->setToolTip(QStringLiteral("Vuelve al Menú anterior"));
    connect(volver, &QPushButton::clicked, this, [this] { CerrarVentana(); });
    botones->addWidget(volver);
    raiz->addLayout(botones);
    raiz->setSizeConstraint(QLayout::SetFixedSize);
}

void SelectorAciertos::FijarTitulo(const QString& titulo) {
    if (titulo_) titulo_->setText(titulo);
}

void SelectorAciertos::showEvent(QShowEvent* evento) {
    for (int k = 0; k < etiquetas_.size(); ++k) {
        EtiquetaPulsable* etiqueta = etiquetas_[k];
        etiqueta->setText(QString::number(k));
        const bool enRango = EnRango(k);
        etiqueta->setEnabled(enRango);
        if (enRango) {
            Pintar(k, seleccionados_[k] == 1);
        } else {
            etiqueta->setPalette(palette());  // the designed, neutral look
        }
    }
    VentanaSecundaria::showEvent(evento);
}

void SelectorAciertos::Pintar(int indice, bool elegido) {
    QPalette paleta = etiquetas_[indice]->palette();
    paleta.setColor(QPalette::Window, elegido ? QColor(0, 128, 0) : QColor(255, 255, 255));
    paleta.setColor(QPalette::WindowText, elegido ? QColor(255, 255, 255) : QColor(0, 0, 0));
    etiquetas_[indice]->setPalette(paleta);
}

void SelectorAciertos::lblAciertos_Click(int indice) {
    if (indice < 0 || indice >= etiquetas_.size() || !EnRango(indice)) return;
    const bool elegido = seleccionados_[indice] == 1;
    seleccionados_[indice] = elegido ? 0 : 1;
    Pintar(indice, !elegido);
}

void SelectorAciertos::Todos() {
    for (int k = AciertoMinimo; k <= AciertoMaximo && k < etiquetas_.size(); ++k) {
        seleccionados_[k] = 1;
        Pintar(k, true);
    }
}

void SelectorAciertos::Ninguno() {
    for (int k = AciertoMinimo; k <= AciertoMaximo && k < etiquetas_.size(); ++k) {
        seleccionados_[k] = 0;
        Pintar(k, false);
    }
}

frmAciertos::frmAciertos(Arreglo<uint8_t>& seleccionados, QWidget* padre)
    : SelectorAciertos(seleccionados, kUltimoAciertos, kUltimoAciertos + 1, false, padre) {
    setObjectName(QStringLiteral("frmAciertos"));
}

frmAciertosRESERVAS::frmAciertosRESERVAS(Arreglo<uint8_t>& seleccionados, QWidget* padre)
    : SelectorAciertos(seleccionados, kUltimoReservas, 16, true, padre) {
    setObjectName(QStringLiteral("frmAciertosRESERVAS"));
    AciertoMinimo = 0;
    AciertoMaximo = kUltimoReservas;
}

namespace PruebaSelector {
void Activar() {
    Prueba() = EstadoPrueba{};
    Prueba().activo = true;
}
void Desactivar() { Prueba() = EstadoPrueba{}; }
void EncolarEleccion(const QList<int>& cuentas) { Prueba().elecciones.append(cuentas); }
const QList<Registro>& Mostrados() { return Prueba().mostrados; }
}  // namespace PruebaSelector
