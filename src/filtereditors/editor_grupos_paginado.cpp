#include "controles.h"
#include "editor_grupos_paginado.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles_editor.h"
#include "mensajes.h"
#include "teclado.h"
#include "validacion_grupos.h"

namespace {
const char* const kNombresRejilla[EditorGruposPaginado::kSlots] = {"lblNumero", "lblNumero_G2", "lblNumero_G3"};
}  // namespace

EditorGruposPaginado::EditorGruposPaginado(ContextoEditor& contexto, const Ajustes& ajustes, QWidget* padre)
    : VentanaSecundaria(padre), contexto_(contexto), ajustes_(ajustes) {
    raiz_ = new QVBoxLayout(this);
    auto* fila = new QHBoxLayout;
    fila->setSpacing(18);
    for (int k = 0; k < kSlots; ++k) {
        auto* columna = new QVBoxLayout;
        columnas_[static_cast<size_t>(k)] = columna;

        auto* titulo = new QLabel(QStringLiteral("GRUPO %1").arg(k + 1), this);
        titulo->setObjectName(QStringLiteral("lblTitGrupo_%1").arg(k));
        titulo->setAlignment(Qt::AlignCenter);
        QFont negrita = titulo->font();
        negrita.setBold(true);
        titulo->setFont(negrita);
        titulos_[static_cast<size_t>(k)] = titulo;
        columna->addWidget(titulo);

        OpcionesRejilla opciones;
        opciones.nombreCeldas = QString::fromLatin1(kNombresRejilla[k]);
        opciones.encabezados = false;
        auto* rejilla = new RejillaCasillas(&modelos_[static_cast<size_t>(k)], opciones, this);
        rejilla->HabilitarCeldas(false);
        rejillas_[static_cast<size_t>(k)] = rejilla;
        connect(rejilla, &RejillaCasillas::celdaPulsada, this, [this, k] { lblNumero_Click(k); });
        columna->addWidget(rejilla, 0, Qt::AlignHCenter);

        auto* imagenes = new QHBoxLayout;
        auto* todas = BotonSeleccionarTodos(QStringLiteral("imgALLNumeros_%1").arg(k), this);
        auto* ninguna = BotonLimpiar(QStringLiteral("imgININumeros_%1").arg(k), this);
        ninguna->setToolTip(QStringLiteral("Inicializa todos los números"));
        connect(todas, &QToolButton::clicked, this, [this, k] { imgALLNumeros_Click(k); });
        connect(ninguna, &QToolButton::clicked, this, [this, k] { imgININumeros_Click(k); });
        imagenes->addStretch();
        imagenes->addWidget(todas);
        imagenes->addWidget(ninguna);
        imagenes->addStretch();
        columna->addLayout(imagenes);

        auto* aciertos = new QHBoxLayout;
        auto* caja = new QLineEdit(this);
        caja->setObjectName(QStringLiteral("txtAciertos_%1").arg(k));
        caja->setReadOnly(true);
        txtAciertos_[static_cast<size_t>(k)] = caja;
        auto* modificar = Boton(this, QStringLiteral("cmdModificar_%1").arg(k), QStringLiteral("Modificar"));
        connect(modificar, &QPushButton::clicked, this, [this, k] { cmdModificar_Click(k); });
        aciertos->addWidget(caja, 1);
        aciertos->addWidget(modificar);
        columna->addLayout(aciertos);
        columna->addStretch();
        fila->addLayout(columna);
    }
    raiz_->addLayout(fila);

    pie_ = new QHBoxLayout;
    cmdMENOSBloque_ = Boton(this, QStringLiteral("cmdMENOSBloque"), QStringLiteral("-"));
    cmdMASBloque_ = Boton(this, QStringLiteral("cmdMASBloque"), QStringLiteral("+"));
    for (QPushButton* b : {cmdMENOSBloque_, cmdMASBloque_})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 28);
    connect(cmdMENOSBloque_, &QPushButton::clicked, this, [this] { CambiarPagina(ajustes_.pagina - 1); });
    connect(cmdMASBloque_, &QPushButton::clicked, this, [this] { CambiarPagina(ajustes_.pagina + 1); });
    auto* irGrupo = new QLabel(QStringLiteral("Ir a Gru.:"), this);
    irGrupo->setObjectName(QStringLiteral("lblIrGrupo"));
    txtNumeroGRUPO_ = new QLineEdit(this);
    txtNumeroGRUPO_->setObjectName(QStringLiteral("txtNumeroGRUPO"));
    txtNumeroGRUPO_->setMaxLength(4);
    txtNumeroGRUPO_->setFixedWidth(txtNumeroGRUPO_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    InstalarFiltroTecla(txtNumeroGRUPO_, 17);
    connect(txtNumeroGRUPO_, &QLineEdit::returnPressed, this, &EditorGruposPaginado::txtNumeroGRUPO_Intro);
    auto* volver = BotonVolver(this);
    connect(volver, &QPushButton::clicked, this, &EditorGruposPaginado::cmdVolver_Click);
    pie_->addWidget(cmdMENOSBloque_);
    pie_->addWidget(cmdMASBloque_);
    pie_->addSpacing(12);
    pie_->addWidget(irGrupo);
    pie_->addWidget(txtNumeroGRUPO_);
    pie_->addStretch();
    pie_->addWidget(volver);
    raiz_->addLayout(pie_);
}

void EditorGruposPaginado::Cargar() {
    // A counter left out of range by anything else must not reach past the tables.
    if (ajustes_.pagina < 1 || ajustes_.pagina > kPaginasGrupos) ajustes_.pagina = 1;
    for (RejillaCasillas* rejilla : rejillas_) rejilla->HabilitarSegunBase(contexto_.sesion.rejilla);
    BotonesPagina();
    txtNumeroGRUPO_->setText(QStringLiteral("1"));
    PonerTitulos();
    RefrescarNumerosGrupos();
    RefrescarAciertosGrupos();
    TrasCambiarPagina();
}

void EditorGruposPaginado::CambiarPagina(int pagina) {
    if (pagina < 1 || pagina > kPaginasGrupos) return;
    AntesDeCambiarPagina();
    ajustes_.pagina = static_cast<int16_t>(pagina);
    RefrescarNumerosGrupos();
    RefrescarAciertosGrupos();
    PonerTitulos();
    BotonesPagina();
    TrasCambiarPagina();
}

void EditorGruposPaginado::RefrescarNumerosGrupos() {
    for (int k = 0; k < kSlots; ++k) {
        modelos_[static_cast<size_t>(k)].Apuntar(ajustes_.numeros.Fila(DesplazamientoGrupo() + k + 1));
        rejillas_[static_cast<size_t>(k)]->RefrescarQuitandoDeshabilitadas();
    }
}

void EditorGruposPaginado::RefrescarAciertosGrupos() {
    for (int k = 0; k < kSlots; ++k) {
        const int g = DesplazamientoGrupo() + k + 1;
        txtAciertos_[static_cast<size_t>(k)]->setText(
            TextoFilaAciertos(ajustes_.aciertos.Fila(g), ajustes_.aciertos.Superior2()));
    }
}

void EditorGruposPaginado::PonerTitulos() {
    for (int k = 0; k < kSlots; ++k)
        titulos_[static_cast<size_t>(k)]->setText(QStringLiteral("GRUPO %1").arg(DesplazamientoGrupo() + k + 1));
}

void EditorGruposPaginado::BotonesPagina() {
    cmdMENOSBloque_->setEnabled(ajustes_.pagina > 1);
    cmdMASBloque_->setEnabled(ajustes_.pagina < kPaginasGrupos);
}

void EditorGruposPaginado::MarcarFiltro() {
    if (contexto_.MarcarFiltro) contexto_.MarcarFiltro(ajustes_.indiceFiltro);
}

void EditorGruposPaginado::txtNumeroGRUPO_Intro() {
    bool numero = false;
    const long long n = txtNumeroGRUPO_->text().toLongLong(&numero);
    const int pagina = PaginaDeGrupo(numero ? n : 0);
    if (pagina == 0)
        Mensaje(QString::fromStdString(MensajeRangoGrupo()), EstiloMensaje::Critico, this);
    else
        CambiarPagina(pagina);
    txtNumeroGRUPO_->setFocus();
    txtNumeroGRUPO_->selectAll();
}

void EditorGruposPaginado::lblNumero_Click(int slot) {
    // The grid has already stored the toggled cell in the group's row.
    (void)slot;
    MarcarFiltro();
}

void EditorGruposPaginado::imgALLNumeros_Click(int slot) {
    RejillaCasillas* rejilla = rejillas_[static_cast<size_t>(slot)];
    for (int i = 0; i < RejillaCasillas::kCeldas; ++i)
        if (contexto_.sesion.rejilla.Seleccionada(static_cast<Casilla>(i + 1))) rejilla->FijarSeleccion(i, true);
    if (ajustes_.seleccionMarcaFiltro) MarcarFiltro();
}

void EditorGruposPaginado::imgININumeros_Click(int slot) {
    rejillas_[static_cast<size_t>(slot)]->Limpiar();
    if (ajustes_.seleccionMarcaFiltro) MarcarFiltro();
}

void EditorGruposPaginado::cmdModificar_Click(int slot) {
    uint8_t* fila = ajustes_.aciertos.Fila(DesplazamientoGrupo() + slot + 1);
    ProtocoloSelectorAciertos(contexto_, fila, 0, 5, ajustes_.indiceFiltro, this);
    // The box lists every stored count, including one the chooser does not offer.
    txtAciertos_[static_cast<size_t>(slot)]->setText(TextoFilaAciertos(fila, ajustes_.aciertos.Superior2()));
}

bool EditorGruposPaginado::PuedeCerrarUsuario() {
    AntesDeCerrar();
    const QString error = Validar();
    if (error.isEmpty()) return true;
    Mensaje(error, EstiloMensaje::Critico, this);
    return false;
}

void EditorGruposPaginado::cmdVolver_Click() {
    if (PuedeCerrarUsuario()) CerrarVentana();
}
