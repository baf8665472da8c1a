#include "frmFiltroGRURELACIONADOS.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controles.h"
#include "controles_editor.h"
#include "grupos_relacionados.h"
#include "mensajes.h"

frmFiltroGRURELACIONADOS::frmFiltroGRURELACIONADOS(ContextoEditor& contexto, QWidget* padre)
    : VentanaSecundaria(padre), contexto_(contexto) {
    setObjectName(QStringLiteral("frmFiltroGRURELACIONADOS"));
    QuitarCerrarMenuSistema(this, 1);

    lblNumeroGrupo_ =
        EtiquetaNegrita(this, QStringLiteral("lblNumeroGrupo"), QStringLiteral("GRUPO 1"), Qt::AlignCenter);
    cmdMENOSBloque_ = new QPushButton(QStringLiteral("-"), this);
    cmdMENOSBloque_->setObjectName(QStringLiteral("cmdMENOSBloque"));
    cmdMASBloque_ = new QPushButton(QStringLiteral("+"), this);
    cmdMASBloque_->setObjectName(QStringLiteral("cmdMASBloque"));
    for (QPushButton* b : {cmdMENOSBloque_, cmdMASBloque_}) {
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 14);
        b->setAutoDefault(false);
    }
    auto* cabecera = new QHBoxLayout;
    cabecera->addStretch();
    cabecera->addWidget(cmdMENOSBloque_);
    cabecera->addWidget(lblNumeroGrupo_);
    cabecera->addWidget(cmdMASBloque_);
    cabecera->addStretch();

    auto* cuerpo = new QGridLayout;
    cuerpo->setHorizontalSpacing(14);
    auto* tituloAciertos = EtiquetaNegrita(this, QStringLiteral("lblTitAciertos"),
                                           QStringLiteral("ACIERTOS EN CUALQUIERA DE LOS SUBGRUPOS"), Qt::AlignCenter);
    for (int k = 0; k < kSubgruposPorGrupo; ++k) {
        const size_t i = static_cast<size_t>(k);
        lblTitGrupo_[i] = EtiquetaNegrita(this, QStringLiteral("lblTitGrupo_%1").arg(k),
                                          QStringLiteral("SUBGRUPO %1").arg(k + 1), Qt::AlignCenter);
        OpcionesRejilla opciones;
        opciones.nombreCeldas = k == 0 ? QStringLiteral("lblNumero") : QStringLiteral("lblNumero_G%1").arg(k + 1);
        opciones.encabezados = false;
        opciones.estrecha = true;  // six grids must fit a 1024-pixel screen
        rejillas_[i] = new RejillaCasillas(&modelos_[i], opciones, this);
        rejillas_[i]->HabilitarCeldas(false);

        auto* todos = BotonSeleccionarTodos(QStringLiteral("imgALLNumeros_%1").arg(k), this);
        auto* ninguno = BotonLimpiar(QStringLiteral("imgININumeros_%1").arg(k), this);
        auto* botones = new QHBoxLayout;
        botones->addStretch();
        botones->addWidget(todos);
        botones->addWidget(ninguno);
        botones->addStretch();

        txtAciertos_[i] = new QLineEdit(this);
        txtAciertos_[i]->setObjectName(QStringLiteral("txtAciertos_%1").arg(k));
        txtAciertos_[i]->setReadOnly(true);
        txtAciertos_[i]->setFocusPolicy(Qt::NoFocus);
        txtAciertos_[i]->setAlignment(Qt::AlignCenter);
        auto* modificar = new QPushButton(QStringLiteral("Modificar"), this);
        modificar->setObjectName(QStringLiteral("cmdModificar_%1").arg(k));
        modificar->setAutoDefault(false);

        cuerpo->addWidget(lblTitGrupo_[i], 0, k);
        cuerpo->addWidget(rejillas_[i], 1, k, Qt::AlignHCenter);
        cuerpo->addLayout(botones, 2, k);
        cuerpo->addWidget(txtAciertos_[i], 4, k);
        cuerpo->addWidget(modificar, 5, k);

        connect(rejillas_[i], &RejillaCasillas::celdaPulsada, this, [this] {
            // The grid has already stored the toggled cell in its row.
            if (contexto_.MarcarFiltro) contexto_.MarcarFiltro(kFiltroGruposRelacionados);
        });
        connect(todos, &QToolButton::clicked, this, [this, k] { imgALLNumeros_Click(k); });
        connect(ninguno, &QToolButton::clicked, this, [this, k] { imgININumeros_Click(k); });
        connect(modificar, &QPushButton::clicked, this, [this, k] { cmdModificar_Click(k); });
    }
    cuerpo->setRowMinimumHeight(3, 10);
    cuerpo->addWidget(tituloAciertos, 3, 0, 1, kSubgruposPorGrupo);

    auto* volver = BotonVolver(this);
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(volver);

    auto* raiz = new QVBoxLayout(this);
    raiz->addLayout(cabecera);
    raiz->addLayout(cuerpo);
    raiz->addLayout(pie);
    raiz->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdMENOSBloque_, &QPushButton::clicked, this, [this] { cmdMENOSBloque_Click(); });
    connect(cmdMASBloque_, &QPushButton::clicked, this, [this] { cmdMASBloque_Click(); });
    connect(volver, &QPushButton::clicked, this, [this] { cmdVolver_Click(); });

    for (RejillaCasillas* rejilla : rejillas_) rejilla->HabilitarSegunBase(contexto_.sesion.rejilla);
    setWindowTitle(QStringLiteral("GRUPOS RELACIONADOS (Max. %1)").arg(kNumGruposRelacionados));
    // The page counter is shared state; keep it on a real group.
    int16_t& grupo = contexto_.sesion.filtros.GrupoRelacionadoActual;
    grupo = static_cast<int16_t>(std::clamp<int>(grupo, 1, kNumGruposRelacionados));
    MostrarGrupo();
}

void frmFiltroGRURELACIONADOS::MostrarGrupo() {
    const int grupo = contexto_.sesion.filtros.GrupoRelacionadoActual;
    base_ = FilaBaseGrupoRelacionado(grupo);
    RefrescarNumerosSubgrupos();
    RefrescarCondiciones();
    lblNumeroGrupo_->setText(QStringLiteral("GRUPO %1").arg(grupo));
    for (int k = 0; k < kSubgruposPorGrupo; ++k)
        lblTitGrupo_[static_cast<size_t>(k)]->setText(QStringLiteral("SUBGRUPO %1").arg(base_ + k + 1));
    cmdMENOSBloque_->setEnabled(grupo > 1);
    cmdMASBloque_->setEnabled(grupo < kNumGruposRelacionados);
}

void frmFiltroGRURELACIONADOS::RefrescarNumerosSubgrupos() {
    AjustesFiltros& f = contexto_.sesion.filtros;
    for (int k = 0; k < kSubgruposPorGrupo; ++k) {
        const size_t i = static_cast<size_t>(k);
        modelos_[i].Apuntar(f.NumerosSubgrupo.Fila(base_ + k + 1));
        rejillas_[i]->RefrescarQuitandoDeshabilitadas();
    }
}

void frmFiltroGRURELACIONADOS::RefrescarCondiciones() {
    AjustesFiltros& f = contexto_.sesion.filtros;
    for (int k = 0; k < kSubgruposPorGrupo; ++k)
        txtAciertos_[static_cast<size_t>(k)]->setText(TextoFilaAciertos(f.AciertosCondicion.Fila(base_ + k + 1), 5));
}

void frmFiltroGRURELACIONADOS::imgALLNumeros_Click(int indice) {
    RejillaCasillas* rejilla = rejillas_[static_cast<size_t>(indice)];
    for (int c = 0; c < RejillaCasillas::kCeldas; ++c)
        if (contexto_.sesion.rejilla.Seleccionada(static_cast<Casilla>(c + 1))) rejilla->FijarSeleccion(c, true);
}

void frmFiltroGRURELACIONADOS::imgININumeros_Click(int indice) { rejillas_[static_cast<size_t>(indice)]->Limpiar(); }

void frmFiltroGRURELACIONADOS::cmdModificar_Click(int indice) {
    uint8_t* fila = contexto_.sesion.filtros.AciertosCondicion.Fila(base_ + indice + 1);
    txtAciertos_[static_cast<size_t>(indice)]->setText(
        ProtocoloSelectorAciertos(contexto_, fila, 0, 5, kFiltroGruposRelacionados, this));
}

void frmFiltroGRURELACIONADOS::cmdMASBloque_Click() {
    int16_t& grupo = contexto_.sesion.filtros.GrupoRelacionadoActual;
    if (grupo >= kNumGruposRelacionados) return;
    ++grupo;
    MostrarGrupo();
}

void frmFiltroGRURELACIONADOS::cmdMENOSBloque_Click() {
    int16_t& grupo = contexto_.sesion.filtros.GrupoRelacionadoActual;
    if (grupo <= 1) return;
    --grupo;
    MostrarGrupo();
}

void frmFiltroGRURELACIONADOS::cmdVolver_Click() {
    AjustesFiltros& f = contexto_.sesion.filtros;
    const FalloGrupoRelacionado fallo = ValidarGruposRelacionados(f);
    if (fallo.motivo != MotivoGrupoRelacionado::Ninguno) {
        Mensaje(QString::fromStdString(MensajeFalloGrupoRelacionado(fallo)), EstiloMensaje::Critico, this);
        return;
    }
    EmpaquetarSubgrupos(f);
    CerrarVentana();
}
