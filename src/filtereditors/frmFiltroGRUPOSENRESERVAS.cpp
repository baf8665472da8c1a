#include "controles.h"
#include "frmFiltroGRUPOSENRESERVAS.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "mensajes.h"

frmFiltroGRUPOSENRESERVAS::frmFiltroGRUPOSENRESERVAS(ContextoEditor& contexto, QWidget* padre)
    : EditorGruposPaginado(contexto,
                           Ajustes{contexto.sesion.filtros.NumerosGrupoReserva,
                                   contexto.sesion.filtros.AciertosGrupoReserva, contexto.sesion.filtros.BloqueReservas,
                                   kFiltroGruposEnReservas, true},
                           padre) {
    setObjectName(QStringLiteral("frmFiltroGRUPOSENRESERVAS"));
    setWindowTitle(QStringLiteral("GRUPOS EN RESERVAS (%1)").arg(kNumGrupos));

    for (int i = 0; i < kSlots; ++i) {
        auto* fila = new QHBoxLayout;
        auto* titulo = new QLabel(QStringLiteral("Grupo Reserva :"), this);
        titulo->setObjectName(QStringLiteral("lblTitGrupoReserva_%1").arg(i));
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("cboRESERVAS_%1").arg(i));
        combo->addItem(QStringLiteral("---"));
        for (int r = 1; r <= kNumReservas; ++r) combo->addItem(QString(QChar::fromLatin1(LetraReserva(r))));
        cboRESERVAS_[static_cast<size_t>(i)] = combo;
        fila->addStretch();
        fila->addWidget(titulo);
        fila->addWidget(combo);
        fila->addStretch();
        ColumnaSlot(i)->insertLayout(1, fila);
    }

    // Reserves A..D on the left, E..H on the right.
    auto* panel = new QGroupBox(this);
    auto* rejilla = new QGridLayout(panel);
    for (int lado = 0; lado < 2; ++lado) {
        auto* cabecera = new QLabel(QStringLiteral("Número de Grupos Acertados"), panel);
        cabecera->setObjectName(QStringLiteral("lblTitGruposAcertados_%1").arg(lado));
        rejilla->addWidget(cabecera, 0, lado * 5 + 2, 1, 2);
    }
    for (int i = 0; i < kNumReservas; ++i) {
        const int fila = 1 + i % 4;
        const int columna = (i / 4) * 5;
        auto* cuenta = new QLabel(QStringLiteral("0"), panel);
        cuenta->setObjectName(QStringLiteral("lblNumeroGrupos_%1").arg(i));
        cuenta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cuenta->setMinimumWidth(cuenta->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        lblNumeroGrupos_[static_cast<size_t>(i)] = cuenta;
        auto* tituloReserva = Boton(panel, QStringLiteral("cmdTituloGRUPO_%1").arg(i), QStringLiteral("GRUPO %1").arg(QChar::fromLatin1(LetraReserva(i + 1))));
        connect(tituloReserva, &QPushButton::clicked, this, [this, i] { cmdTituloGRUPO_Click(i); });
        auto* caja = new QLineEdit(panel);
        caja->setObjectName(QStringLiteral("txtAciertosReservas_%1").arg(i));
        caja->setReadOnly(true);
        caja->setMinimumWidth(caja->fontMetrics().horizontalAdvance(QStringLiteral("0,1,2,3,4,5,6,7,8")));
        txtAciertosReservas_[static_cast<size_t>(i)] = caja;
        auto* modificar = Boton(panel, QStringLiteral("cmdModificarReservas_%1").arg(i), QStringLiteral("Modificar"));
        connect(modificar, &QPushButton::clicked, this, [this, i] { cmdModificarReservas_Click(i); });
        rejilla->addWidget(cuenta, fila, columna);
        rejilla->addWidget(tituloReserva, fila, columna + 1);
        rejilla->addWidget(caja, fila, columna + 2);
        rejilla->addWidget(modificar, fila, columna + 3);
    }
    rejilla->setColumnMinimumWidth(4, 24);
    Raiz()->insertWidget(1, panel);

    Cargar();
}

void frmFiltroGRUPOSENRESERVAS::GuardarReservasPagina() {
    for (int i = 0; i < kSlots; ++i) {
        const int id = cboRESERVAS_[static_cast<size_t>(i)]->currentIndex();
        contexto_.sesion.filtros.IdGrupoReserva[DesplazamientoGrupo() + i + 1] =
            static_cast<uint8_t>(id >= 0 && id <= kNumReservas ? id : 0);
    }
}

void frmFiltroGRUPOSENRESERVAS::ContarGruposReserva() {
    GruposPorReserva = ::ContarGruposReserva(contexto_.sesion.filtros.IdGrupoReserva);
    for (int r = 1; r <= kNumReservas; ++r)
        lblNumeroGrupos_[static_cast<size_t>(r - 1)]->setText(QString::number(GruposPorReserva[static_cast<size_t>(r)]));
}

void frmFiltroGRUPOSENRESERVAS::AntesDeCerrar() {
    // The close box stores and recounts as Volver does, so that no choice made
    // on the last page is lost and the reserve check sees the stored groups.
    GuardarReservasPagina();
    ContarGruposReserva();
}

void frmFiltroGRUPOSENRESERVAS::RefrescarAciertosGrupos() {
    EditorGruposPaginado::RefrescarAciertosGrupos();
    AjustesFiltros& f = contexto_.sesion.filtros;
    for (int i = 0; i < kSlots; ++i) {
        const int id = f.IdGrupoReserva[DesplazamientoGrupo() + i + 1];
        cboRESERVAS_[static_cast<size_t>(i)]->setCurrentIndex(id <= kNumReservas ? id : 0);
    }
    for (int r = 1; r <= kNumReservas; ++r)
        txtAciertosReservas_[static_cast<size_t>(r - 1)]->setText(
            TextoFilaAciertos(f.AciertosReserva.Fila(r), kMaxAciertosReserva));
}

QString frmFiltroGRUPOSENRESERVAS::Validar() const {
    return QString::fromStdString(ValidarGruposEnReservas(contexto_.sesion.filtros));
}

void frmFiltroGRUPOSENRESERVAS::cmdModificarReservas_Click(int indice) {
    const int r = indice + 1;
    txtAciertosReservas_[static_cast<size_t>(indice)]->setText(ProtocoloSelectorReservas(
        contexto_, contexto_.sesion.filtros.AciertosReserva.Fila(r), QChar::fromLatin1(LetraReserva(r)), this));
}

void frmFiltroGRUPOSENRESERVAS::cmdTituloGRUPO_Click(int indice) {
    Mensaje(QString::fromStdString(ListaGruposReserva(contexto_.sesion.filtros.IdGrupoReserva, indice + 1)),
            EstiloMensaje::Informacion, this);
}
