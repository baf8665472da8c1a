#include "frmFiltroSUMAS.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles_editor.h"
#include "mensajes.h"
#include "teclado.h"

namespace {
QLineEdit* CajaIntervalo(QWidget* padre, const QString& nombre) {
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(nombre);
    caja->setMaxLength(3);
    caja->setAlignment(Qt::AlignCenter);
    caja->setFixedWidth(40);
    QPalette paleta = caja->palette();
    paleta.setColor(QPalette::Base, QColor(255, 255, 255));
    paleta.setColor(QPalette::Text, QColor(64, 64, 64));
    caja->setPalette(paleta);
    InstalarFiltroTecla(caja, 1);
    return caja;
}
}  // namespace

frmFiltroSUMAS::frmFiltroSUMAS(ContextoEditor& contexto, QWidget* padre)
    : VentanaSecundaria(padre), contexto_(contexto) {
    setObjectName(QStringLiteral("frmFiltroSUMAS"));
    setWindowTitle(QStringLiteral("SUMAS DE DIGITOS"));
    FondoGrisEditor(this);

    // Column 0 holds the row captions; interval i sits in column 2i + 1 with
    // its "OR" in the column after it.
    auto* tabla = new QGridLayout;
    tabla->setHorizontalSpacing(4);
    auto* minima = new QLabel(QStringLiteral("Suma Mínima :"), this);
    minima->setObjectName(QStringLiteral("lblSumaMinima"));
    auto* maxima = new QLabel(QStringLiteral("Suma Máxima :"), this);
    maxima->setObjectName(QStringLiteral("lblSumaMaxima"));
    tabla->addWidget(minima, 1, 0);
    tabla->addWidget(maxima, 2, 0);
    const auto& f = contexto_.sesion.filtros;
    for (int i = 0; i < kIntervalosSuma; ++i) {
        const int columna = 2 * i + 1;
        tabla->addWidget(new QLabel(QStringLiteral("Int.%1").arg(i + 1), this), 0, columna, Qt::AlignCenter);
        auto* cajaMin = CajaIntervalo(this, QStringLiteral("txtSumaMinima_%1").arg(i));
        auto* cajaMax = CajaIntervalo(this, QStringLiteral("txtSumaMaxima_%1").arg(i));
        cajaMin->setText(QString::number(f.SumaMinima[i + 1]));
        cajaMax->setText(QString::number(f.SumaMaxima[i + 1]));
        cajaMin->installEventFilter(this);
        cajaMax->installEventFilter(this);
        tabla->addWidget(cajaMin, 1, columna);
        tabla->addWidget(cajaMax, 2, columna);
        txtSumaMinima_[static_cast<size_t>(i)] = cajaMin;
        txtSumaMaxima_[static_cast<size_t>(i)] = cajaMax;
        if (i + 1 < kIntervalosSuma) {
            auto* o = new QLabel(QStringLiteral("OR"), this);
            QFont negrita = o->font();
            negrita.setBold(true);
            o->setFont(negrita);
            tabla->addWidget(o, 1, columna + 1, 2, 1, Qt::AlignCenter);
        }
    }
    for (int fila = 0; fila < 2; ++fila) {
        auto* imagen = BotonLimpiar(QStringLiteral("imgINI_%1").arg(fila), this);
        imagen->setToolTip(fila == 0 ? QStringLiteral("Pone a 0 todos los mínimos")
                                     : QStringLiteral("Pone a 0 todos los máximos"));
        tabla->addWidget(imagen, fila + 1, 2 * kIntervalosSuma + 1);
        connect(imagen, &QToolButton::clicked, this, [this, fila] { imgINI_Click(fila); });
    }

    auto* volver = BotonVolver(this);
    // close() goes through done(), so a failed check keeps the window open.
    connect(volver, &QPushButton::clicked, this, [this] { close(); });
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(volver);
    auto* raiz = new QVBoxLayout(this);
    raiz->addLayout(tabla);
    raiz->addSpacing(8);
    raiz->addLayout(pie);
    raiz->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmFiltroSUMAS::eventFilter(QObject* objeto, QEvent* evento) {
    // Any character key typed in a box switches the filter on, even one the
    // key filter drops; Tab and the moving keys do not.
    if (evento->type() == QEvent::KeyPress && EsTeclaDeCaracter(static_cast<QKeyEvent*>(evento)) &&
        contexto_.MarcarFiltro)
        contexto_.MarcarFiltro(kFiltroSumas);
    return VentanaSecundaria::eventFilter(objeto, evento);
}

void frmFiltroSUMAS::imgINI_Click(int indice) {
    for (QLineEdit* caja : indice == 0 ? txtSumaMinima_ : txtSumaMaxima_) caja->setText(QStringLiteral("0"));
}

void frmFiltroSUMAS::done(int resultado) {
    std::array<std::string, kIntervalosSuma> minimos;
    std::array<std::string, kIntervalosSuma> maximos;
    for (size_t i = 0; i < kIntervalosSuma; ++i) {
        minimos[i] = txtSumaMinima_[i]->text().toStdString();
        maximos[i] = txtSumaMaxima_[i]->text().toStdString();
    }
    IntervalosSuma leidos;
    const std::string error = ValidarIntervalosSuma(minimos, maximos, leidos);
    if (!error.empty()) {
        Mensaje(QString::fromStdString(error), EstiloMensaje::Critico, this);
        return;
    }
    auto& f = contexto_.sesion.filtros;
    for (int i = 1; i <= kIntervalosSuma; ++i) {
        f.SumaMinima[i] = leidos.minimos[static_cast<size_t>(i - 1)];
        f.SumaMaxima[i] = leidos.maximos[static_cast<size_t>(i - 1)];
    }
    VentanaSecundaria::done(resultado);
}
