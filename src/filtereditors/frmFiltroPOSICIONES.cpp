#include "frmFiltroPOSICIONES.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "controles_editor.h"

frmFiltroPOSICIONES::frmFiltroPOSICIONES(ContextoEditor& contexto, QWidget* padre)
    : VentanaSecundaria(padre), contexto_(contexto), modelo_(contexto.sesion.filtros.NumerosPosiciones.Datos()) {
    setObjectName(QStringLiteral("frmFiltroPOSICIONES"));
    setWindowTitle(QStringLiteral("POSICIONES"));

    rejilla_ = new RejillaCasillas(&modelo_, OpcionesRejilla{}, this);
    auto* todos = BotonSeleccionarTodos(QStringLiteral("imgALLNumeros"), this);
    auto* ninguno = BotonLimpiar(QStringLiteral("imgININumeros"), this);
    auto* volver = new QPushButton(QStringLiteral("&Volver"), this);
    volver->setObjectName(QStringLiteral("cmdVolver"));

    auto* botones = new QHBoxLayout;
    botones->addWidget(todos);
    botones->addWidget(ninguno);
    botones->addStretch();
    botones->addWidget(volver);
    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(rejilla_, 0, Qt::AlignHCenter);
    raiz->addLayout(botones);
    raiz->setSizeConstraint(QLayout::SetFixedSize);

    connect(rejilla_, &RejillaCasillas::celdaPulsada, this, [this] { lblNumero_Click(); });
    connect(todos, &QToolButton::clicked, this, [this] { imgALLNumeros_Click(); });
    connect(ninguno, &QToolButton::clicked, this, [this] { imgININumeros_Click(); });
    connect(volver, &QPushButton::clicked, this, [this] { CerrarVentana(); });

    rejilla_->HabilitarSegunBase(contexto_.sesion.rejilla);
    RefrescarNumeros();
}

void frmFiltroPOSICIONES::RefrescarNumeros() { rejilla_->RefrescarQuitandoDeshabilitadas(); }

void frmFiltroPOSICIONES::lblNumero_Click() {
    // The grid has already toggled the cell in the setting.
    if (contexto_.MarcarFiltro) contexto_.MarcarFiltro(kFiltroPosiciones);
}

void frmFiltroPOSICIONES::imgALLNumeros_Click() {
    // All 50 cells, outside the base too; the next opening drops those again.
    rejilla_->SeleccionarTodas();
    if (contexto_.MarcarFiltro) contexto_.MarcarFiltro(kFiltroPosiciones);
}

void frmFiltroPOSICIONES::imgININumeros_Click() {
    rejilla_->Limpiar();
    if (contexto_.DesmarcarFiltro) contexto_.DesmarcarFiltro(kFiltroPosiciones);
}
