#include "frmOpcionesGuardar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmOpcionesGuardar::frmOpcionesGuardar(int16_t& formatoNumero, QWidget* padre)
    : VentanaSecundaria(padre), gFormatoNumero(formatoNumero) {
    setWindowTitle(QStringLiteral("Opciones"));

    auto* lblFormato = new QLabel(QStringLiteral("Formato :"), this);
    lblFormato->setObjectName(QStringLiteral("lblFormato"));
    cboFormatoNumero = new QComboBox(this);
    cboFormatoNumero->setObjectName(QStringLiteral("cboFormatoNumero"));
    cboFormatoNumero->addItems({QStringLiteral("12345"), QStringLiteral("1 2 3 4 5"), QStringLiteral("1,2,3,4,5"),
                                QStringLiteral("1-2-3-4-5")});
    lblFormato->setBuddy(cboFormatoNumero);
    cmdContinuar = new QPushButton(QStringLiteral("&Continuar"), this);
    cmdContinuar->setObjectName(QStringLiteral("cmdContinuar"));
    cmdContinuar->setDefault(true);

    auto* fila = new QHBoxLayout;
    fila->addWidget(lblFormato);
    fila->addWidget(cboFormatoNumero, 1);
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(cmdContinuar);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(16, 16, 16, 12);
    columna->setSpacing(14);
    columna->addLayout(fila);
    columna->addLayout(pie);
    setFixedSize(qMax(260, sizeHint().width()), sizeHint().height());

    connect(cmdContinuar, &QPushButton::clicked, this, &frmOpcionesGuardar::cmdContinuar_Click);

    // A stored value outside the list falls back to the first form.
    const int guardado = gFormatoNumero;
    cboFormatoNumero->setCurrentIndex(guardado >= 0 && guardado < cboFormatoNumero->count() ? guardado : 0);
}

void frmOpcionesGuardar::cmdContinuar_Click() {
    gFormatoNumero = static_cast<int16_t>(cboFormatoNumero->currentIndex());
    CerrarVentana();
}
