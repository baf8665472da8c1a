#include "frmFiltroPARESIMPARES.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controles.h"
#include "controles_editor.h"

frmFiltroPARESIMPARES::frmFiltroPARESIMPARES(ContextoEditor& contexto, QWidget* padre)
    : VentanaSecundaria(padre), contexto_(contexto) {
    setObjectName(QStringLiteral("frmFiltroPARESIMPARES"));
    setWindowTitle(QStringLiteral("PARES E IMPARES"));
    FondoGrisEditor(this);

    auto* tabla = new QGridLayout;
    tabla->setHorizontalSpacing(18);
    auto* pares = new QLabel(QStringLiteral("Pares"), this);
    pares->setObjectName(QStringLiteral("lblPares"));
    auto* impares = new QLabel(QStringLiteral("Impares"), this);
    impares->setObjectName(QStringLiteral("lblImpares"));
    QFont negrita = pares->font();
    negrita.setBold(true);
    pares->setFont(negrita);
    impares->setFont(negrita);
    tabla->addWidget(pares, 0, 0, Qt::AlignCenter);
    tabla->addWidget(impares, 0, 1, Qt::AlignCenter);
    for (int i = 0; i <= 5; ++i) {
        tabla->addWidget(new QLabel(QString::number(i), this), i + 1, 0, Qt::AlignCenter);
        tabla->addWidget(new QLabel(QString::number(5 - i), this), i + 1, 1, Qt::AlignCenter);
        auto* caja = new QCheckBox(this);
        caja->setObjectName(QStringLiteral("chkParesImpares_%1").arg(i));
        tabla->addWidget(caja, i + 1, 2, Qt::AlignCenter);
        chkParesImpares_[static_cast<size_t>(i)] = caja;
    }

    auto* volver = new QPushButton(QStringLiteral("&Volver"), this);
    volver->setObjectName(QStringLiteral("cmdVolver"));
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(volver);
    auto* raiz = new QVBoxLayout(this);
    raiz->addLayout(tabla);
    raiz->addSpacing(8);
    raiz->addLayout(pie);
    raiz->setSizeConstraint(QLayout::SetFixedSize);

    connect(volver, &QPushButton::clicked, this, [this] { CerrarVentana(); });
    for (int i = 0; i <= 5; ++i)
        connect(chkParesImpares_[static_cast<size_t>(i)], &QCheckBox::toggled, this,
                [this, i] { chkParesImpares_Click(i); });

    // Loading a stored tick runs the click handler, which switches the filter on.
    const Arreglo<uint8_t>& activos = contexto_.sesion.filtros.ParesActivos;
    for (int i = 0; i <= 5; ++i) chkParesImpares_[static_cast<size_t>(i)]->setChecked(activos[i] != 0);
}

void frmFiltroPARESIMPARES::chkParesImpares_Click(int indice) {
    contexto_.sesion.filtros.ParesActivos[indice] = chkParesImpares_[static_cast<size_t>(indice)]->isChecked() ? 1 : 0;
    if (contexto_.MarcarFiltro) contexto_.MarcarFiltro(kFiltroParesImpares);
}
