// Construction of the main window: its controls, layout and wiring.
#include "frmprincipal.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles.h"
#include "mensajes.h"
#include "teclado.h"

namespace {

const char* const kPropiedadZona = "zonaRaton";

const char* const kCaptionsFiltro[kNumIndicesFiltro] = {
    "Bajos y Altos", "Decenas",       "Distancias",          "Grupos de números", "Pares e Impares",   "Seguidos",
    "Sumas",         "Terminaciones", "Grupos Relacionados", "Posiciones",        "Grupos en Reservas"};

QLineEdit* CajaCuenta(QWidget* padre, const QString& nombre) {
    auto* caja = new QLineEdit(QStringLiteral("0"), padre);
    caja->setObjectName(nombre);
    caja->setReadOnly(true);
    caja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caja->setMinimumWidth(caja->fontMetrics().horizontalAdvance(QStringLiteral("0.000.000.000")));
    return caja;
}

QFrame* Panel(QWidget* padre, const QString& nombre) {
    auto* panel = new QFrame(padre);
    panel->setObjectName(nombre);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

}  // namespace

frmPrincipal::frmPrincipal(EstadoSesion& sesion, QWidget* padre)
    : QMainWindow(padre), sesion_(sesion), modeloRejilla_(sesion.rejilla) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(kNombrePrograma);

    auto* fondo = new QWidget(this);
    fondo->setObjectName(QStringLiteral("fondo"));
    setCentralWidget(fondo);
    MarcarZona(fondo, ZonaRaton::Fondo);

    CrearMenus();

    auto* vertical = new QVBoxLayout(fondo);
    vertical->setContentsMargins(10, 6, 10, 10);
    vertical->setSpacing(8);
    vertical->addWidget(CrearBarraIconos());

    auto* columnas = new QHBoxLayout();
    columnas->setSpacing(12);
    columnas->addWidget(CrearPanelBase(), 0, Qt::AlignTop);
    columnas->addWidget(CrearPanelFiltros(), 0, Qt::AlignTop);
    auto* derecha = new QVBoxLayout();
    derecha->setSpacing(10);
    derecha->addWidget(CrearPanelReduccion());
    derecha->addWidget(CrearPanelApuestas());
    derecha->addStretch(1);
    columnas->addLayout(derecha);
    vertical->addLayout(columnas, 1);

    CrearVentanaEspera(fondo);
    // The controls of either base mode keep their place while hidden, so that
    // switching modes neither resizes the window nor moves its panels.
    for (QWidget* w : std::initializer_list<QWidget*>{lblTitFichero_, txtFicheroASCII_, cmdDesdeFichero_,
                                                      imgINICombinacion_, imgININumeros_, imgALLNumeros_}) {
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
    }
    AplicarModoBase(false);  // grid mode: the import controls start hidden
    Conectar();
    Form_Load();
}

frmPrincipal::~frmPrincipal() = default;

void frmPrincipal::CrearMenus() {
    struct Entrada {
        const char* nombre;
        const char* texto;  // null: separator
    };
    auto crear = [this](const char* nombre, const char* titulo, std::initializer_list<Entrada> entradas) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(titulo));
        menu->setObjectName(QString::fromLatin1(nombre));
        for (const Entrada& e : entradas) {
            if (e.texto == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* accion = menu->addAction(QString::fromUtf8(e.texto));
            accion->setObjectName(QString::fromLatin1(e.nombre));
        }
        return menu;
    };
    menuArchivo_ = crear("menuArchivo", "&Archivo",
                         {{"menuNuevaBaseXML", "Nueva Base en XML"},
                          {"menuAbrirBaseXML", "Abrir Base en XML"},
                          {"menuGuardarBaseXML", "Guardar Base en XML"},
                          {"", nullptr},
                          {"menuGuardarASCII", "Guardar modo ASCII"},
                          {"", nullptr},
                          {"menuSalir", "Salir"}});
    menuDesarrollos_ = crear("menuDesarrollos", "&Desarrollos",
                             {{"menuCalcularCombinacion", "Calcular Combinación"}, {"", nullptr}, {"menuAnalisis", "Análisis"}});
    menuUtilidades_ = crear("menuUtilidades", "&Utilidades",
                            {{"menuEscrutador", "Escrutador"},
                             {"menuSelector", "Selector de Terminaciones"},
                             {"menuNumerosTerminal", "Números de Terminal"}});
    menuAyuda_ = crear("menuAyuda", "A&yuda", {{"menuManual", "Manual del programa"}, {"menuWeb", ""}, {"menutwitter", ""},
                                               {"", nullptr}, {"menuAcercade", "Acerca de ..."}});
    menuAyuda_->findChild<QAction*>(QStringLiteral("menuWeb"))->setText(QStringLiteral("Web: ") + kTextoWeb);
    menuAyuda_->findChild<QAction*>(QStringLiteral("menutwitter"))->setText(QStringLiteral("Twitter: ") + kTextoTwitter);
}

QWidget* frmPrincipal::CrearBarraIconos() {
    auto* barra = new QWidget(this);
    MarcarZona(barra, ZonaRaton::Fondo);
    auto* fila = new QHBoxLayout(barra);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(6);

    struct Icono_ {
        const char* nombre;
        const char* ayuda;
        std::initializer_list<const char*> tema;
        QStyle::StandardPixmap reserva;
    };
    const Icono_ iconos[kIconos] = {
        {"imgCalcular", "Calcular", {"accessories-calculator", "system-run"}, QStyle::SP_MediaPlay},
        {"imgEscrutador", "Escrutador", {"edit-find", "system-search"}, QStyle::SP_FileDialogContentsView},
        {"imgAnalisis", "Análisis", {"applications-science", "x-office-spreadsheet"}, QStyle::SP_FileDialogDetailedView},
        {"imgSistemasPropios", "Sistemas Propios", {"accessories-dictionary", "emblem-documents"}, QStyle::SP_DirIcon},
        {"imgImprimir", "Imprimir", {"document-print", "printer"}, QStyle::SP_DriveFDIcon},
        {"imgAyuda", "Ayuda", {"help-browser", "help-contents"}, QStyle::SP_DialogHelpButton},
    };
    for (int i = 0; i < kIconos; ++i) {
        // The frame shares the icon's cell and lies on top of it, letting clicks through.
        auto* celda = new QWidget(barra);
        MarcarZona(celda, ZonaRaton::Fondo);
        auto* apilado = new QGridLayout(celda);
        apilado->setContentsMargins(0, 0, 0, 0);
        QToolButton* icono = BotonImagen(celda, QString::fromLatin1(iconos[i].nombre),
                                         QString::fromUtf8(iconos[i].ayuda),
                                         Icono(this, iconos[i].tema, iconos[i].reserva), 32);
        icono->installEventFilter(this);
        auto* borde = new QFrame(celda);
        borde->setObjectName(QStringLiteral("ShapeBorde_%1").arg(i));
        borde->setAttribute(Qt::WA_TransparentForMouseEvents);
        borde->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #0000FF; background: transparent; }"));
        borde->hide();
        apilado->addWidget(icono, 0, 0);
        apilado->addWidget(borde, 0, 0);
        iconos_[static_cast<size_t>(i)] = icono;
        ShapeBorde_[static_cast<size_t>(i)] = borde;
        fila->addWidget(celda);
    }
    fila->addStretch(1);

    txtFicheroBASE_ = new QLineEdit(kNombreBaseSinGuardar, barra);
    txtFicheroBASE_->setObjectName(QStringLiteral("txtFicheroBASE"));
    txtFicheroBASE_->setReadOnly(true);
    txtFicheroBASE_->setMinimumWidth(txtFicheroBASE_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28);
    cmdAbrirBASE_ = BotonImagen(barra, QStringLiteral("cmdAbrirBASE"), QStringLiteral("Abrir una BASE y filtros en XML"),
                                IconoAbrir(this));
    cmdGuardarBASE_ = BotonImagen(barra, QStringLiteral("cmdGuardarBASE"),
                                  QStringLiteral("Guardar una BASE y filtros en XML"),
                                  Icono(this, {"document-save"}, QStyle::SP_DialogSaveButton));
    fila->addWidget(txtFicheroBASE_);
    fila->addWidget(cmdAbrirBASE_);
    fila->addWidget(cmdGuardarBASE_);
    return barra;
}

QWidget* frmPrincipal::CrearPanelBase() {
    auto* columna = new QWidget(this);
    MarcarZona(columna, ZonaRaton::Fondo);
    auto* vertical = new QVBoxLayout(columna);
    vertical->setContentsMargins(0, 0, 0, 0);
    vertical->setSpacing(8);

    // Base source.
    picOptionButton_ = Panel(columna, QStringLiteral("picOptionButton"));
    MarcarZona(picOptionButton_, ZonaRaton::Ninguna);
    auto* opciones = new QGridLayout(picOptionButton_);
    opciones->setHorizontalSpacing(6);
    const char* titulos[2] = {"Desde cero ...", "Desde fichero"};
    auto* grupoBase = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* opcion = new QRadioButton(picOptionButton_);
        opcion->setObjectName(QStringLiteral("optBase_%1").arg(i));
        grupoBase->addButton(opcion, i);
        optBase_[static_cast<size_t>(i)] = opcion;
        auto* titulo = new QLabel(QString::fromUtf8(titulos[i]), picOptionButton_);
        titulo->setObjectName(i == 0 ? QStringLiteral("lblTitDesdeCero") : QStringLiteral("lblTitDesdeFichero"));
        (i == 0 ? lblTitDesdeCero_ : lblTitDesdeFichero_) = titulo;
        TituloDeOpcion(titulo, opcion);
        opciones->addWidget(opcion, i, 0);
        opciones->addWidget(titulo, i, 1);
    }
    optBase_[0]->setChecked(true);

    auto* filaFichero = new QHBoxLayout();
    lblTitFichero_ = new QLabel(QStringLiteral("Fichero :"), picOptionButton_);
    lblTitFichero_->setObjectName(QStringLiteral("lblTitFichero"));
    txtFicheroASCII_ = new QLineEdit(picOptionButton_);
    txtFicheroASCII_->setObjectName(QStringLiteral("txtFicheroASCII"));
    txtFicheroASCII_->setReadOnly(true);
    cmdDesdeFichero_ = BotonImagen(picOptionButton_, QStringLiteral("cmdDesdeFichero"),
                                   QStringLiteral("Abrir una combinación en ASCII"),
                                   IconoAbrir(this));
    filaFichero->addWidget(lblTitFichero_);
    filaFichero->addWidget(txtFicheroASCII_, 1);
    filaFichero->addWidget(cmdDesdeFichero_);
    opciones->addLayout(filaFichero, 2, 0, 1, 3);
    opciones->setColumnStretch(2, 1);
    vertical->addWidget(picOptionButton_);

    // The grid, its random-digit counts and its commands.
    auto* marco = new QFrame(columna);
    marco->setFrameShape(QFrame::StyledPanel);
    MarcarZona(marco, ZonaRaton::Fondo);
    auto* interior = new QVBoxLayout(marco);
    interior->setSpacing(6);

    OpcionesRejilla opcionesRejilla;
    opcionesRejilla.contadores = true;
    rejilla_ = new RejillaCasillas(&modeloRejilla_, opcionesRejilla, marco);
    rejilla_->setObjectName(QStringLiteral("rejillaBase"));
    MarcarZona(rejilla_, ZonaRaton::Fondo);
    QList<QWidget*> combos;
    for (int r = 0; r < kPosiciones; ++r) {
        auto* combo = new QComboBox(rejilla_);
        combo->setObjectName(QStringLiteral("cboNumeroGanador_%1").arg(r));
        cboNumeroGanador_[static_cast<size_t>(r)] = combo;
        combos.append(combo);
    }
    rejilla_->AnadirFila(combos);
    interior->addWidget(rejilla_, 0, Qt::AlignHCenter);

    cmdAlazar_ = new QPushButton(QStringLiteral("Al Azar"), marco);
    cmdAlazar_->setObjectName(QStringLiteral("cmdAlazar"));
    cmdAlazar_->setToolTip(QStringLiteral("Genera X dígitos al azar"));
    cmdAlazar_->installEventFilter(this);
    interior->addWidget(cmdAlazar_);

    lblTipoCombinacion_ = new QLabel(QStringLiteral("0 Números"), marco);
    lblTipoCombinacion_->setObjectName(QStringLiteral("lblTipoCombinacion"));
    lblTipoCombinacion_->setAlignment(Qt::AlignCenter);
    QFont negrita = lblTipoCombinacion_->font();
    negrita.setBold(true);
    lblTipoCombinacion_->setFont(negrita);
    interior->addWidget(lblTipoCombinacion_);

    auto* comandos = new QHBoxLayout();
    imgINICombinacion_ = BotonImagen(marco, QStringLiteral("imgINICombinacion"),
                                     QStringLiteral("Inicializa toda la combinación y los filtros"),
                                     Icono(this, {"document-new"}, QStyle::SP_FileIcon));
    imgININumeros_ = BotonImagen(marco, QStringLiteral("imgININumeros"), QStringLiteral("Inicializa todos los números"),
                                 IconoLimpiar(this));
    imgALLNumeros_ = BotonImagen(marco, QStringLiteral("imgALLNumeros"), QStringLiteral("Selecciona todos los números"),
                                 Icono(this, {"edit-select-all"}, QStyle::SP_DialogApplyButton));
    comandos->addStretch(1);
    comandos->addWidget(imgINICombinacion_);
    comandos->addWidget(imgININumeros_);
    comandos->addWidget(imgALLNumeros_);
    comandos->addStretch(1);
    interior->addLayout(comandos);
    vertical->addWidget(marco);
    return columna;
}

QWidget* frmPrincipal::CrearPanelFiltros() {
    auto* marco = new QFrame(this);
    marco->setFrameShape(QFrame::StyledPanel);
    MarcarZona(marco, ZonaRaton::Fondo);
    auto* vertical = new QVBoxLayout(marco);
    auto* tabla = new QGridLayout();
    tabla->setHorizontalSpacing(8);
    tabla->setVerticalSpacing(6);
    for (int i = 0; i < kNumIndicesFiltro; ++i) {
        auto* casilla = new QCheckBox(marco);
        casilla->setObjectName(QStringLiteral("chkFiltros_%1").arg(i));
        auto* titulo = new EtiquetaPulsable(QString::fromUtf8(kCaptionsFiltro[i]), marco);
        titulo->setObjectName(QStringLiteral("lblFiltro_%1").arg(i));
        titulo->setCursor(Qt::PointingHandCursor);
        titulo->installEventFilter(this);
        auto* eliminadas = new QLabel(QStringLiteral("-"), marco);
        eliminadas->setObjectName(QStringLiteral("lblNumeroELiminadas_%1").arg(i));
        eliminadas->setToolTip(QStringLiteral("Número de apuestas eliminadas por el filtro"));
        eliminadas->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        eliminadas->setMinimumWidth(eliminadas->fontMetrics().horizontalAdvance(QStringLiteral("0.000.000")));
        chkFiltros_[static_cast<size_t>(i)] = casilla;
        lblFiltro_[static_cast<size_t>(i)] = titulo;
        lblNumeroELiminadas_[static_cast<size_t>(i)] = eliminadas;
        tabla->addWidget(casilla, i, 0);
        tabla->addWidget(titulo, i, 1);
        tabla->addWidget(eliminadas, i, 2);
        if (i < kFiltroGrupos) {  // placeholders without a filter
            casilla->hide();
            titulo->hide();
            eliminadas->hide();
        }
    }
    tabla->setColumnStretch(1, 1);
    vertical->addLayout(tabla);
    vertical->addStretch(1);

    auto* comandos = new QHBoxLayout();
    imgDesactivarFiltros_ = BotonImagen(marco, QStringLiteral("imgDesactivarFiltros"),
                                        QStringLiteral("Desactiva todos los filtros sin borrarlos"),
                                        Icono(this, {"list-remove"}, QStyle::SP_DialogDiscardButton));
    cmdVerInformeEliminadas_ = BotonImagen(marco, QStringLiteral("cmdVerInformeEliminadas"),
                                           QStringLiteral("Ver informe de números eliminadas en el Bloc de Notas"),
                                           Icono(this, {"edit-paste", "document-properties"}, QStyle::SP_FileDialogInfoView));
    cmdVerResumenFiltros_ = BotonImagen(
        marco, QStringLiteral("cmdVerResumenFiltros"),
        QStringLiteral("Muestra en el Bloc de Notas un resumen de la combinación BASE y sus filtros activos"),
        Icono(this, {"format-justify-left", "text-x-generic"}, QStyle::SP_FileDialogListView));
    comandos->addWidget(imgDesactivarFiltros_);
    comandos->addStretch(1);
    comandos->addWidget(cmdVerInformeEliminadas_);
    comandos->addWidget(cmdVerResumenFiltros_);
    vertical->addLayout(comandos);
    marco->setMinimumWidth(marco->sizeHint().width() + 20);
    return marco;
}

QWidget* frmPrincipal::CrearPanelReduccion() {
    picOpcionesReduccion_ = Panel(this, QStringLiteral("picOpcionesReduccion"));
    MarcarZona(picOpcionesReduccion_, ZonaRaton::OpcionesReduccion);
    auto* tabla = new QGridLayout(picOpcionesReduccion_);
    tabla->setHorizontalSpacing(6);
    tabla->setVerticalSpacing(6);

    cboTipoReduccion_ = new QComboBox(picOpcionesReduccion_);
    cboTipoReduccion_->setObjectName(QStringLiteral("cboTipoReduccion"));
    cboTipoReduccion_->addItems({QStringLiteral("5 (n)"), QStringLiteral("4 (n-1)"), QStringLiteral("3 (n-2)"),
                                 QStringLiteral("2 (n-3)")});
    cboTipoReduccion_->setCurrentIndex(-1);  // the load selects the first type
    tabla->addWidget(cboTipoReduccion_, 0, 0, 1, 4);

    auto* grupoTipo = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* opcion = new QRadioButton(picOpcionesReduccion_);
        opcion->setObjectName(QStringLiteral("optTipo_%1").arg(i));
        grupoTipo->addButton(opcion, i);
        optTipo_[static_cast<size_t>(i)] = opcion;
    }
    optTipo_[1]->setText(QStringLiteral("Porcentaje"));
    optTipo_[1]->setChecked(true);

    txtPorcentaje_ = new QLineEdit(QStringLiteral("100"), picOpcionesReduccion_);
    txtPorcentaje_->setObjectName(QStringLiteral("txtPorcentaje"));
    txtPorcentaje_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtPorcentaje_->setMaximumWidth(txtPorcentaje_->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    cmdPorcentaje_ = BotonImagen(picOpcionesReduccion_, QStringLiteral("cmdPorcentaje"),
                                 QStringLiteral("Inicializa a 100 el %"),
                                 Icono(this, {"edit-undo", "view-refresh"}, QStyle::SP_BrowserReload), 18);
    tabla->addWidget(optTipo_[1], 1, 0, 1, 2);
    tabla->addWidget(txtPorcentaje_, 1, 2);
    tabla->addWidget(cmdPorcentaje_, 1, 3);

    auto* lblTitNApuestas = new QLabel(QStringLiteral("NºApuestas"), picOpcionesReduccion_);
    lblTitNApuestas->setObjectName(QStringLiteral("lblTitNApuestas"));
    TituloDeOpcion(lblTitNApuestas, optTipo_[0]);
    txtNUApuestas_ = new QLineEdit(QStringLiteral("1"), picOpcionesReduccion_);
    txtNUApuestas_->setObjectName(QStringLiteral("txtNUApuestas"));
    txtNUApuestas_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtNUApuestas_->setMaximumWidth(txtPorcentaje_->maximumWidth());
    txtNUApuestas_->setEnabled(false);
    tabla->addWidget(optTipo_[0], 2, 0);
    tabla->addWidget(lblTitNApuestas, 2, 1);
    tabla->addWidget(txtNUApuestas_, 2, 2);

    chkApuestasExactas_ = new QCheckBox(QStringLiteral("Generar Nº Apuestas Exactas"), picOpcionesReduccion_);
    chkApuestasExactas_->setObjectName(QStringLiteral("chkApuestasExactas"));
    chkApuestasExactas_->setToolTip(QStringLiteral("Genera número exacto de apuestas al reducir"));
    chkApuestasExactas_->setEnabled(false);
    tabla->addWidget(chkApuestasExactas_, 3, 0, 1, 4);

    chkAleatorio_ = new QCheckBox(QStringLiteral("Aleatorio"), picOpcionesReduccion_);
    chkAleatorio_->setObjectName(QStringLiteral("chkAleatorio"));
    chkAleatorio_->setToolTip(QStringLiteral("Activa y desactiva el modo aleatorio"));
    chkActivarCiclos_ = new QCheckBox(QStringLiteral("Ciclos"), picOpcionesReduccion_);
    chkActivarCiclos_->setObjectName(QStringLiteral("chkActivarCiclos"));
    chkActivarCiclos_->setToolTip(QStringLiteral("Activa y desactiva los ciclos en la reducción"));
    chkActivarCiclos_->setChecked(true);
    tabla->addWidget(chkAleatorio_, 4, 0, 1, 2);
    tabla->addWidget(chkActivarCiclos_, 4, 2, 1, 2);
    tabla->setColumnStretch(1, 1);
    return picOpcionesReduccion_;
}

QWidget* frmPrincipal::CrearPanelApuestas() {
    picApuestas_ = Panel(this, QStringLiteral("picApuestas"));
    MarcarZona(picApuestas_, ZonaRaton::Apuestas);
    auto* vertical = new QVBoxLayout(picApuestas_);
    vertical->setSpacing(8);

    auto* tabla = new QGridLayout();
    tabla->setVerticalSpacing(6);
    struct Cuenta {
        const char* caja;
        const char* titulo;
        const char* caption;
        QLineEdit** destino;
    };
    const Cuenta cuentas[3] = {
        {"txtApuestasIniciales", "lblTitApuestasIniciales", "Números Iniciales :", &txtApuestasIniciales_},
        {"txtApuestasCondicionadas", "lblTitApuestasCondicionadas", "Números Condicionados :", &txtApuestasCondicionadas_},
        {"txtApuestasReducidas", "lblTitApuestasReducidas", "Números Reducidos :", &txtApuestasReducidas_},
    };
    for (int i = 0; i < 3; ++i) {
        auto* titulo = new QLabel(QString::fromUtf8(cuentas[i].caption), picApuestas_);
        titulo->setObjectName(QString::fromLatin1(cuentas[i].titulo));
        QLineEdit* caja = CajaCuenta(picApuestas_, QString::fromLatin1(cuentas[i].caja));
        *cuentas[i].destino = caja;
        tabla->addWidget(titulo, i, 0);
        tabla->addWidget(caja, i, 1);
        if (i == 0) {  // kept up to date, never shown
            titulo->hide();
            caja->hide();
        }
    }
    vertical->addLayout(tabla);

    auto* fila = new QHBoxLayout();
    BordeCalcular_ = new QFrame(picApuestas_);
    BordeCalcular_->setObjectName(QStringLiteral("BordeCalcular"));
    BordeCalcular_->setFrameShape(QFrame::Box);
    MarcarZona(BordeCalcular_, ZonaRaton::Apuestas);
    QPalette paleta = BordeCalcular_->palette();
    paleta.setColor(QPalette::Window, QColor(192, 192, 255));
    BordeCalcular_->setPalette(paleta);
    auto* dentro = new QHBoxLayout(BordeCalcular_);
    dentro->setContentsMargins(10, 4, 10, 4);
    lblCalcular_ = new EtiquetaPulsable(QStringLiteral("Calcular"), BordeCalcular_);
    lblCalcular_->setObjectName(QStringLiteral("lblCalcular"));
    lblCalcular_->setCursor(Qt::PointingHandCursor);
    QFont grande = lblCalcular_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    lblCalcular_->setFont(grande);
    lblCalcular_->installEventFilter(this);
    dentro->addWidget(lblCalcular_);
    fila->addWidget(BordeCalcular_);
    fila->addStretch(1);

    cmdGuardarReduccion_ = BotonImagen(picApuestas_, QStringLiteral("cmdGuardarReduccion"),
                                       QStringLiteral("Guardar las números en Modo ASCII"),
                                       Icono(this, {"document-save-as"}, QStyle::SP_DialogSaveButton));
    cmdVerenBlocdeNotas_ = BotonImagen(picApuestas_, QStringLiteral("cmdVerenBlocdeNotas"),
                                       QStringLiteral("Ver los números en el Bloc de Notas"),
                                       IconoBlocDeNotas(this));
    cmdImprimirInformeApuestas_ = BotonImagen(picApuestas_, QStringLiteral("cmdImprimirInformeApuestas"),
                                              QStringLiteral("Imprimir informe de números detallado"),
                                              Icono(this, {"document-print-preview", "document-print"},
                                                    QStyle::SP_FileDialogDetailedView));
    fila->addWidget(cmdGuardarReduccion_);
    fila->addWidget(cmdVerenBlocdeNotas_);
    fila->addWidget(cmdImprimirInformeApuestas_);
    vertical->addLayout(fila);
    return picApuestas_;
}

void frmPrincipal::CrearVentanaEspera(QWidget* padre) {
    // Floats over the window's centre while long work runs.
    picVentanaEspera_ = new QFrame(padre);
    picVentanaEspera_->setObjectName(QStringLiteral("picVentanaEspera"));
    picVentanaEspera_->setFrameShape(QFrame::Panel);
    picVentanaEspera_->setFrameShadow(QFrame::Raised);
    picVentanaEspera_->setLineWidth(2);
    picVentanaEspera_->setAutoFillBackground(true);
    auto* vertical = new QVBoxLayout(picVentanaEspera_);
    vertical->setContentsMargins(24, 16, 24, 16);
    vertical->setSpacing(10);
    lbltituloProgress_ = new QLabel(picVentanaEspera_);
    lbltituloProgress_->setObjectName(QStringLiteral("lbltituloProgress"));
    lbltituloProgress_->setAlignment(Qt::AlignCenter);
    QFont grande = lbltituloProgress_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    lbltituloProgress_->setFont(grande);
    lbltituloProgress_->setMinimumWidth(lbltituloProgress_->fontMetrics().horizontalAdvance(
        QStringLiteral("Filtrando ... Grupos Relacionados__")));
    vertical->addWidget(lbltituloProgress_);

    picFondoProgressBar_ = new QFrame(picVentanaEspera_);
    picFondoProgressBar_->setObjectName(QStringLiteral("picFondoProgressBar"));
    auto* barra = new QVBoxLayout(picFondoProgressBar_);
    barra->setContentsMargins(0, 0, 0, 0);
    lblProgressBar_ = new QProgressBar(picFondoProgressBar_);
    lblProgressBar_->setObjectName(QStringLiteral("lblProgressBar"));
    lblProgressBar_->setRange(0, 100);
    lblProgressBar_->setValue(0);
    lblProgressBar_->setTextVisible(false);
    barra->addWidget(lblProgressBar_);
    vertical->addWidget(picFondoProgressBar_);
    picVentanaEspera_->hide();

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(5);
}

void frmPrincipal::Conectar() {
    auto accion = [this](const char* nombre) { return menuBar()->findChild<QAction*>(QString::fromLatin1(nombre)); };
    connect(accion("menuNuevaBaseXML"), &QAction::triggered, this, &frmPrincipal::InicializarCombinacion);
    connect(accion("menuAbrirBaseXML"), &QAction::triggered, this, &frmPrincipal::AbrirBaseXML);
    connect(accion("menuGuardarBaseXML"), &QAction::triggered, this, &frmPrincipal::GuardarBaseXML);
    connect(accion("menuGuardarASCII"), &QAction::triggered, this, [this] { ExportarReduccion(1); });
    connect(accion("menuSalir"), &QAction::triggered, this, &frmPrincipal::menuSalir_Click);
    connect(accion("menuCalcularCombinacion"), &QAction::triggered, this, &frmPrincipal::CalcularCombinacion);
    connect(accion("menuAnalisis"), &QAction::triggered, this, &frmPrincipal::AbrirAnalisis);
    connect(accion("menuEscrutador"), &QAction::triggered, this, &frmPrincipal::AbrirEscrutador);
    connect(accion("menuSelector"), &QAction::triggered, this, &frmPrincipal::MostrarSelector);
    connect(accion("menuNumerosTerminal"), &QAction::triggered, this, &frmPrincipal::MostrarNumerosTerminal);
    connect(accion("menuManual"), &QAction::triggered, this, &frmPrincipal::AbrirManual);
    connect(accion("menuWeb"), &QAction::triggered, this, &frmPrincipal::AbrirWeb);
    connect(accion("menutwitter"), &QAction::triggered, this, &frmPrincipal::AbrirTwitter);
    connect(accion("menuAcercade"), &QAction::triggered, this, &frmPrincipal::MostrarAcercaDe);

    // Icon bar: Calcular, Escrutador, Análisis, Sistemas Propios (no command), Imprimir, Ayuda.
    connect(iconos_[0], &QToolButton::clicked, this, &frmPrincipal::CalcularCombinacion);
    connect(iconos_[1], &QToolButton::clicked, this, &frmPrincipal::AbrirEscrutador);
    connect(iconos_[2], &QToolButton::clicked, this, &frmPrincipal::AbrirAnalisis);
    connect(iconos_[4], &QToolButton::clicked, this, &frmPrincipal::imgImprimir_Click);
    connect(iconos_[5], &QToolButton::clicked, this, &frmPrincipal::AbrirManual);
    connect(lblCalcular_, &EtiquetaPulsable::pulsada, this, &frmPrincipal::CalcularCombinacion);

    connect(cmdAbrirBASE_, &QToolButton::clicked, this, &frmPrincipal::AbrirBaseXML);
    connect(cmdGuardarBASE_, &QToolButton::clicked, this, &frmPrincipal::GuardarBaseXML);
    connect(cmdDesdeFichero_, &QToolButton::clicked, this, &frmPrincipal::cmdDesdeFichero_Click);
    connect(cmdGuardarReduccion_, &QToolButton::clicked, this, [this] { ExportarReduccion(1); });
    connect(cmdVerenBlocdeNotas_, &QToolButton::clicked, this, [this] { ExportarReduccion(2); });
    connect(cmdVerInformeEliminadas_, &QToolButton::clicked, this, &frmPrincipal::VerInformeEliminadas);

    connect(rejilla_, &RejillaCasillas::celdaPulsada, this, &frmPrincipal::lblNumero_Click);
    connect(imgININumeros_, &QToolButton::clicked, this, &frmPrincipal::InicializarNumeros);
    connect(imgALLNumeros_, &QToolButton::clicked, this, &frmPrincipal::SeleccionarTodosNumeros);
    connect(imgINICombinacion_, &QToolButton::clicked, this, &frmPrincipal::InicializarCombinacion);
    connect(cmdAlazar_, &QPushButton::clicked, this, &frmPrincipal::cmdAlazar_Click);
    connect(imgDesactivarFiltros_, &QToolButton::clicked, this, &frmPrincipal::imgDesactivarFiltros_Click);
    for (int i = 0; i < kNumIndicesFiltro; ++i)
        connect(lblFiltro_[static_cast<size_t>(i)], &EtiquetaPulsable::pulsada, this, [this, i] { lblFiltro_Click(i); });

    connect(cboTipoReduccion_, &QComboBox::currentIndexChanged, this, &frmPrincipal::cboTipoReduccion_Click);
    for (int i = 0; i < 2; ++i) {
        connect(optBase_[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado) optBase_Click(i);
        });
        connect(optTipo_[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado) optTipo_Click(i);
        });
    }
    connect(cmdPorcentaje_, &QToolButton::clicked, this, &frmPrincipal::cmdPorcentaje_Click);
    InstalarFiltroTecla(txtPorcentaje_, 1);
    InstalarFiltroTecla(txtNUApuestas_, 1);

    connect(Timer1_, &QTimer::timeout, this, &frmPrincipal::Timer1_Timer);
}

// ---- Hover looks -----------------------------------------------------------

void frmPrincipal::MarcarZona(QWidget* w, ZonaRaton zona) {
    w->setProperty(kPropiedadZona, static_cast<int>(zona));
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

bool frmPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    auto* w = qobject_cast<QWidget*>(objeto);
    if (w == nullptr) return QMainWindow::eventFilter(objeto, evento);

    if (evento->type() == QEvent::Enter) {
        for (int i = 0; i < kIconos; ++i) {
            if (w == iconos_[static_cast<size_t>(i)]) ShapeBorde_[static_cast<size_t>(i)]->show();
        }
        if (w == lblCalcular_) FijarBordeCalcular(true);
        for (int i = 0; i < kNumIndicesFiltro; ++i) {
            if (w == lblFiltro_[static_cast<size_t>(i)]) RatonSobreFiltro(i);
        }
    } else if (evento->type() == QEvent::MouseMove) {
        // Only a move over the widget's own surface counts: moves over child
        // controls reach the containers too, and those are not theirs.
        const QVariant zona = w->property(kPropiedadZona);
        const auto* raton = static_cast<QMouseEvent*>(evento);
        if (zona.isValid() && w->childAt(raton->position().toPoint()) == nullptr) {
            switch (static_cast<ZonaRaton>(zona.toInt())) {
                case ZonaRaton::Fondo: RatonSobreFondo(); break;
                case ZonaRaton::Apuestas: FijarBordeCalcular(false); break;
                case ZonaRaton::OpcionesReduccion: FiltrosSinResaltar(); break;
                case ZonaRaton::Ninguna: break;
            }
        }
    } else if (evento->type() == QEvent::Leave && w == centralWidget()) {
        // Out of the window or up to the menu bar: no background is crossed
        // on the way, so the looks end here.
        RatonSobreFondo();
    } else if (evento->type() == QEvent::MouseButtonPress && w == cmdAlazar_) {
        // Alt + right button on "Al Azar", and nothing else, opens the author window.
        const auto* raton = static_cast<QMouseEvent*>(evento);
        if (raton->button() == Qt::RightButton && raton->modifiers() == Qt::AltModifier) {
            MostrarAutor();
            return true;
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void frmPrincipal::RatonSobreFondo() {
    for (QFrame* borde : ShapeBorde_) borde->hide();
    FiltrosSinResaltar();
    FijarBordeCalcular(false);
}

namespace {
// Text colour and underline of a filter caption; a disabled caption keeps
// the style's greyed text.
void AspectoFiltro(QLabel* etiqueta, const QColor& color, bool subrayado) {
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::Active, QPalette::WindowText, color);
    paleta.setColor(QPalette::Inactive, QPalette::WindowText, color);
    etiqueta->setPalette(paleta);
    QFont letra = etiqueta->font();
    letra.setUnderline(subrayado);
    etiqueta->setFont(letra);
}
}  // namespace

void frmPrincipal::FiltrosSinResaltar() {
    for (EtiquetaPulsable* etiqueta : lblFiltro_) AspectoFiltro(etiqueta, QColor(0, 0, 0), false);
}

void frmPrincipal::RatonSobreFiltro(int indice) {
    FiltrosSinResaltar();
    AspectoFiltro(lblFiltro_[static_cast<size_t>(indice)], QColor(0, 0, 255), true);
}

void frmPrincipal::FijarBordeCalcular(bool opaco) { BordeCalcular_->setAutoFillBackground(opaco); BordeCalcular_->update(); }
