#include "frmFiltroSEGUIDOS.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controles.h"
#include "controles_editor.h"

namespace {
const char* const kNombresFigura[frmFiltroSEGUIDOS::kFiguras] = {"5-0",   "4-1",     "3-2",      "3-1-1",
                                                           "2-2-1", "2-1-1-1", "1-1-1-1-1"};
const char* const kEjemplos[5] = {"1 3 5 7 9->1", "1 2 5 7 9->2", "1 2 3 7 9->3", "1 2 3 4 9->4", "1 2 3 4 5->5"};
const char* const kTramos[5] = {"", "1 2", "1 2 3", "1 2 3 4", "1 2 3 4 5"};


QLabel* Gris(const QString& texto, QWidget* padre) {
    auto* etiqueta = new QLabel(texto, padre);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, QColor(128, 128, 128));
    etiqueta->setPalette(paleta);
    return etiqueta;
}
}  // namespace

frmFiltroSEGUIDOS::frmFiltroSEGUIDOS(ContextoEditor& contexto, QWidget* padre)
    : VentanaSecundaria(padre), contexto_(contexto) {
    setObjectName(QStringLiteral("frmFiltroSEGUIDOS"));
    setWindowTitle(QStringLiteral("DIGITOS SEGUIDOS"));
    FondoGrisEditor(this);

    // Run lengths.
    auto* seguidos = new QVBoxLayout;
    seguidos->addWidget(EtiquetaNegrita(this, QStringLiteral("lblSeguidos"), QStringLiteral("DIGITOS SEGUIDOS")));
    auto* ejemplos = new QGridLayout;
    ejemplos->setHorizontalSpacing(16);
    for (int i = 0; i < 5; ++i) {
        QLabel* ejemplo = Gris(QString::fromLatin1(kEjemplos[i]), this);
        if (i == 0) ejemplo->setObjectName(QStringLiteral("lblEjemplos"));
        ejemplos->addWidget(ejemplo, i, 0);
        ejemplos->addWidget(Gris(QString::fromLatin1(kTramos[i]), this), i, 1);
    }
    seguidos->addLayout(ejemplos);
    auto* lista = new QHBoxLayout;
    lista->addWidget(new QLabel(QStringLiteral("Nº :"), this));
    txtNumero_ = new QLineEdit(this);
    txtNumero_->setObjectName(QStringLiteral("txtNumero"));
    txtNumero_->setReadOnly(true);
    lista->addWidget(txtNumero_, 1);
    auto* modificar = new QPushButton(QStringLiteral("M"), this);
    modificar->setObjectName(QStringLiteral("cmdModificar"));
    modificar->setFixedWidth(28);
    modificar->setAutoDefault(false);
    lista->addWidget(modificar);
    seguidos->addLayout(lista);
    seguidos->addStretch();

    // Figures.
    auto* figuras = new QGridLayout;
    figuras->addWidget(EtiquetaNegrita(this, QStringLiteral("lblTitFiguras"), QStringLiteral("FIGURAS")), 0, 0, 1, 3);
    for (int i = 1; i <= kFiguras; ++i) {
        figuras->addWidget(new QLabel(QStringLiteral("%1.").arg(i), this), i, 0);
        auto* nombre = new QLabel(QString::fromLatin1(kNombresFigura[i - 1]), this);
        nombre->setObjectName(QStringLiteral("lblTipoFigura_%1").arg(i));
        figuras->addWidget(nombre, i, 1);
        auto* caja = new QCheckBox(this);
        caja->setObjectName(QStringLiteral("chkFigura_%1").arg(i - 1));
        figuras->addWidget(caja, i, 2);
        chkFigura_[static_cast<size_t>(i - 1)] = caja;
    }

    auto* partes = new QHBoxLayout;
    partes->addLayout(seguidos);
    partes->addSpacing(24);
    partes->addLayout(figuras);

    auto* pie = new QHBoxLayout;
    chkSeguidosInversos_ = new QCheckBox(this);
    chkSeguidosInversos_->setObjectName(QStringLiteral("chkSeguidosInversos"));
    pie->addWidget(chkSeguidosInversos_);
    pie->addWidget(new QLabel(QStringLiteral("Contar Seguidos en Inverso 1 2 == 2 1"), this));
    pie->addStretch();
    auto* volver = BotonVolver(this);
    pie->addWidget(volver);

    auto* raiz = new QVBoxLayout(this);
    raiz->addLayout(partes);
    raiz->addSpacing(8);
    raiz->addLayout(pie);
    raiz->setSizeConstraint(QLayout::SetFixedSize);

    connect(modificar, &QPushButton::clicked, this, &frmFiltroSEGUIDOS::cmdModificar_Click);
    connect(volver, &QPushButton::clicked, this, [this] { CerrarVentana(); });
    // A figure's tick is stored on leaving; changing it switches the filter on at once.
    for (QCheckBox* caja : chkFigura_)
        connect(caja, &QCheckBox::toggled, this, [this] {
            if (contexto_.MarcarFiltro) contexto_.MarcarFiltro(kFiltroSeguidos);
        });

    AjustesFiltros& f = contexto_.sesion.filtros;
    txtNumero_->setText(TextoFilaAciertos(f.NumerosSeguidos.Datos(), 5));
    for (int i = 1; i <= kFiguras; ++i) chkFigura_[static_cast<size_t>(i - 1)]->setChecked(f.FigurasSeguidos[i] != 0);
    chkSeguidosInversos_->setChecked(f.SeguidosInversos != 0);
}

void frmFiltroSEGUIDOS::cmdModificar_Click() {
    // Count 0 is not offered but is handed through unchanged.
    txtNumero_->setText(ProtocoloSelectorAciertos(contexto_, contexto_.sesion.filtros.NumerosSeguidos.Datos(), 1, 5,
                                                  kFiltroSeguidos, this));
}

void frmFiltroSEGUIDOS::done(int resultado) {
    AjustesFiltros& f = contexto_.sesion.filtros;
    for (int i = 1; i <= kFiguras; ++i) f.FigurasSeguidos[i] = chkFigura_[static_cast<size_t>(i - 1)]->isChecked() ? 1 : 0;
    f.SeguidosInversos = chkSeguidosInversos_->isChecked() ? 1 : 0;
    VentanaSecundaria::done(resultado);
}
