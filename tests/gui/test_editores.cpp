// The filter editors: what the eight share, their grids, their hit choosers
// and the paged group editors.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

#include "ayuda_gui.h"
#include "editores.h"
#include "frmFiltroGRUPOSENRESERVAS.h"
#include "frmFiltroGRURELACIONADOS.h"
#include "rejilla_casillas.h"
#include "selector_aciertos.h"
#include "sesion.h"
#include "validacion_grupos.h"

namespace {
// A filter editor's session whose base holds `celdas`, with every tick (i)
// and untick (-i) of its filter check box recorded.
struct EntornoEditor {
    EstadoSesion sesion;
    QList<int> marcas;
    ContextoEditor contexto{sesion, [this](int i) { marcas << i; }, [this](int i) { marcas << -i; }};
    AjustesFiltros& f = sesion.filtros;
    explicit EntornoEditor(std::initializer_list<Casilla> celdas = {}) {
        for (Casilla c : celdas) sesion.rejilla.Fijar(c, true);
    }
};

// Opens filter `filtro`'s editor as the main window does and runs `accion` on
// it once shown. A window the action leaves open is closed past its checks,
// so that a failed comparison never leaves the test waiting.
void EnEditor(int filtro, EntornoEditor& e, const std::function<void(QDialog&)>& accion) {
    QTimer alMostrarse;
    alMostrarse.setSingleShot(true);
    QObject::connect(&alMostrarse, &QTimer::timeout, [&accion] {
        auto* v = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!v) qFatal("no editor shown");
        accion(*v);
        if (v->isVisible()) v->QDialog::done(0);
    });
    alMostrarse.start(0);
    AbrirEditorFiltro(filtro, e.contexto, nullptr);
}

// The cells (1..50) chosen in a settings row that starts at cell 1.
QList<int> Celdas(const uint8_t* fila) {
    QList<int> l;
    for (int c = 1; c <= 50; ++c)
        if (fila[c - 1] != 0) l << c;
    return l;
}

void Escribir(QWidget& v, const char* caja, const char* texto) { Hijo<QLineEdit>(v, caja)->setText(texto); }

QLabel* Cuenta(QWidget& v, int k) { return Hijo<QLabel>(v, QStringLiteral("lblAciertos_%1").arg(k)); }
// Whether a count is painted chosen (green), unchosen (white) or neither.
bool Pintada(QLabel* l, bool elegida) {
    return l->palette().color(QPalette::Window) == (elegida ? QColor(0, 128, 0) : QColor(Qt::white)) &&
           l->palette().color(QPalette::WindowText) == (elegida ? QColor(Qt::white) : QColor(Qt::black));
}
QList<int> Banderas(const uint8_t* fila, int hasta) { return QList<int>(fila, fila + hasta + 1); }

void IrAGrupo(QWidget& v, const QString& texto) { Teclear(Hijo<QLineEdit>(v, "txtNumeroGRUPO"), texto); }
QString Titulos(QWidget& v) { return Vistos(v, {"lblTitGrupo_0", "lblTitGrupo_1", "lblTitGrupo_2"}).join('|'); }
QComboBox* Reserva(QWidget& v, int i) { return Hijo<QComboBox>(v, QStringLiteral("cboRESERVAS_%1").arg(i)); }
}  // namespace

class PruebaEditores : public QObject {
    Q_OBJECT
private slots:
    // Message boxes and the hit chooser answer from queues.
    void init() {
        ActivarPruebasVentana();
        PruebaSelector::Activar();
    }

    // What the eight editors share: the main window opens each by its filter
    // number; each fits a 1024 x 768 screen; its picture buttons say what
    // they do. The pairs store an edit at once, the others on leaving and,
    // where settings are checked, only once they pass: until then "Volver",
    // the close box and Escape each show the first fault once and keep the
    // window open. The related groups refuse the close box in any case.
    // Stored and edited figures tick the filter; nothing else on opening does.
    void losOchoEditores() {
        using E = EntornoEditor;
        using Paso = void (*)(E&, QWidget&);
        const struct {
            int filtro;
            const char *titulo, *pulsar;  // pulsar: the controls clicked to edit
            Paso editar, arreglar;        // arreglar: what lets a failing edit pass, null without checks
            bool (*guardado)(const E&);   // whether the edit is stored, null when nothing to store
            bool alMomento;
            int marcas, mensajes;         // ticks on opening and editing; messages of the refused closes
            const char *caja = nullptr, *teclas = nullptr, *queda = nullptr;  // a bounds box, keys typed, what it keeps
        } casos[] = {
            {kFiltroGrupos, "GRUPOS DE NUMEROS (Max. 360)", "cmdMASBloque",
             [](E& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 1; }, [](E& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 0; },
             [](const E& e) { return e.f.GrupoActual == 2; }, true, 0, 3},
            {kFiltroParesImpares, "PARES E IMPARES", "chkParesImpares_0 chkParesImpares_2", nullptr, nullptr,
             [](const E& e) { return e.f.ParesActivos[0] == 1 && e.f.ParesActivos[2] == 0; }, true, 3, 0},
            {kFiltroSeguidos, "DIGITOS SEGUIDOS", "chkSeguidosInversos chkFigura_6 chkFigura_0", nullptr, nullptr,
             [](const E& e) { return e.f.SeguidosInversos == 0 && e.f.FigurasSeguidos[7] == 0 && e.f.FigurasSeguidos[1] == 1; },
             false, 3, 0},
            {kFiltroSumas, "SUMAS DE DIGITOS", "imgINI_1", nullptr,  // zeroes the maximums only
             [](E&, QWidget& v) { Escribir(v, "txtSumaMaxima_4", "45"); },
             [](const E& e) { return e.f.SumaMaxima[1] == 0 && e.f.SumaMinima[5] == 5 && e.f.SumaMaxima[5] == 45; },
             false, 6, 3, "txtSumaMaxima_4", "a1234", "123"},
            {kFiltroTerminaciones, "TERMINACIONES DE DIGITOS", "chkFigura_2 chkFigura_4", nullptr,
             [](E&, QWidget& v) { Escribir(v, "txtSumaTerminacionesMaximo", "99"); },
             [](const E& e) {
                 return e.f.FigurasTerminaciones[3] == 0 && e.f.FigurasTerminaciones[5] == 1 &&
                        e.f.SumaTerminacionesMinimo == 50 && e.f.SumaTerminacionesMaximo == 99;
             },
             false, 9, 3, "txtSumaTerminacionesMinimo", "a5012", "50"},
            {kFiltroGruposRelacionados, "GRUPOS RELACIONADOS (Max. 60)", "",
             [](E& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 1; },  // group 42, no condition
             [](E& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 0; }, nullptr, false, 0, 1},
            {kFiltroPosiciones, "POSICIONES", "", nullptr, nullptr, nullptr, false, 0, 0},
            {kFiltroGruposEnReservas, "GRUPOS EN RESERVAS (360)", "", [](E& e, QWidget&) { e.f.AciertosReserva(1, 2) = 1; },
             [](E& e, QWidget&) { e.f.AciertosReserva(1, 2) = 0; }, nullptr, false, 0, 3},
        };
        for (const auto& c : casos) {
            EntornoEditor e;
            e.f.ParesActivos[2] = e.f.FigurasSeguidos[7] = e.f.SeguidosInversos = e.f.FigurasTerminaciones[3] = 1;
            e.f.SumaMinima[5] = 5;
            e.f.SumaMaxima[5] = 35;
            e.f.SumaMaxima[1] = 20;
            PruebaMensajes::Limpiar();
            EnEditor(c.filtro, e, [&](QDialog& v) {
                QCOMPARE(v.windowTitle(), QString(c.titulo));
                QVERIFY(v.frameGeometry().width() <= 1024 && v.frameGeometry().height() <= 768);
                QCOMPARE(BotonesSinAyuda(v), QString());
                const bool sinCerrar = c.filtro == kFiltroGruposRelacionados;
                QCOMPARE(bool(v.windowFlags() & Qt::WindowCloseButtonHint), !sinCerrar);
                for (const QString& n : QString(c.pulsar).split(' ', Qt::SkipEmptyParts)) Pulsar(Hijo<QAbstractButton>(v, n));
                if (c.editar) c.editar(e, v);
                if (c.caja) {  // each character typed ticks, one the box drops too, and Return; Tab does not
                    auto* caja = Hijo<QLineEdit>(v, c.caja);
                    caja->setFocus();
                    QTest::keyClick(caja, Qt::Key_Tab);
                    QVERIFY(v.focusWidget() != caja && e.marcas.size() == c.marcas - 6);
                    Teclear(caja, c.teclas);
                    QCOMPARE(caja->text(), QString(c.queda));
                }
                QCOMPARE(e.marcas, QList<int>(c.marcas, c.filtro));
                if (c.guardado) QCOMPARE(c.guardado(e), c.alMomento);
                if (c.arreglar) {
                    Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                    v.windowHandle()->close();
                    QTest::keyClick(&v, Qt::Key_Escape);
                    QVERIFY(v.isVisible());
                    QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
                    QCOMPARE(PruebaMensajes::Mostrados().last().estilo, EstiloMensaje::Critico);
                    c.arreglar(e, v);
                }
                if (c.arreglar || sinCerrar) {  // the close box; the editors without checks leave by "Volver"
                    v.windowHandle()->close();
                    QCOMPARE(v.isVisible(), sinCerrar);
                }
                Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                QVERIFY2(!v.isVisible(), c.titulo);
            });
            QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
            QVERIFY(!c.guardado || c.guardado(e));
        }
    }

    // The editors that show the digit grid over the base: showing a row drops
    // its cells outside the base, on opening and on paging, and only from the
    // rows shown; those cells take no clicks; a click stores the cell in the
    // row of its grid; select all and clear write that row.
    void rejillasDeLosEditores() {
        using F = AjustesFiltros;
        const struct {
            int filtro;
            uint8_t* (*fila)(F&);                     // the second grid's row (the only grid of positions)
            uint8_t* (*siguiente)(F&);                // its row after "+", null without pages
            int todas;                                // cells stored by select all
            QList<int> marcas;                        // after a click, select all and clear
        } casos[] = {
            {kFiltroPosiciones, [](F& f) { return f.NumerosPosiciones.Datos(); }, nullptr, 50, {9, 9, -9}},
            {kFiltroGrupos, [](F& f) { return f.NumerosGrupo.Fila(2); }, [](F& f) { return f.NumerosGrupo.Fila(5); }, 3, {3}},
            {kFiltroGruposEnReservas, [](F& f) { return f.NumerosGrupoReserva.Fila(2); },
             [](F& f) { return f.NumerosGrupoReserva.Fila(5); }, 3, {10, 10, 10}},
            {kFiltroGruposRelacionados, [](F& f) { return f.NumerosSubgrupo.Fila(2); },
             [](F& f) { return f.NumerosSubgrupo.Fila(8); }, 3, {8}},
        };
        for (const auto& c : casos) {
            EntornoEditor e({3, 14, 25});
            uint8_t* fila = c.fila(e.f);
            fila[3 - 1] = fila[40 - 1] = 1;
            uint8_t* siguiente = c.siguiente ? c.siguiente(e.f) : nullptr;
            if (siguiente) siguiente[14 - 1] = siguiente[40 - 1] = 1;
            EnEditor(c.filtro, e, [&](QDialog& v) {
                const QString rejillaDos = siguiente ? "_1" : "";  // the page's second grid; positions has one
                auto Celda = [&](int i) {
                    return Hijo<QLabel>(v, QStringLiteral("lblNumero%1_%2").arg(siguiente ? "_G2" : "").arg(i));
                };
                auto* rejilla = qobject_cast<RejillaCasillas*>(Celda(0)->parentWidget());
                QCOMPARE(Celdas(fila), QList<int>({3}));
                QVERIFY(rejilla->AspectoSeleccionado(2));
                if (siguiente) QCOMPARE(Celdas(siguiente), QList<int>({14, 40}));
                Pulsar(Celda(39));
                Pulsar(Celda(13));
                QCOMPARE(Celdas(fila), QList<int>({3, 14}));
                Pulsar(Hijo<QToolButton>(v, "imgALLNumeros" + rejillaDos));
                QCOMPARE(Celdas(fila).size(), c.todas);
                QCOMPARE(rejilla->AspectoSeleccionado(39), c.todas == 50);
                Pulsar(Hijo<QToolButton>(v, "imgININumeros" + rejillaDos));
                QVERIFY(Celdas(fila).isEmpty() && !rejilla->AspectoSeleccionado(2));
                if (siguiente) {
                    Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
                    QCOMPARE(Celdas(siguiente), QList<int>({14}));
                    QVERIFY(rejilla->AspectoSeleccionado(13));
                }
                QCOMPARE(e.marcas, c.marcas);  // paging ticks nothing
            });
        }
    }

    // The real windows: the row goes over and back whole (a 2 is no flag);
    // counts outside the range are neither offered nor changed, by a click or
    // by all and none; the close box keeps the changes; the reserves window
    // shows its title.
    void intercambioConLasVentanas() {
        PruebaSelector::Desactivar();
        EntornoEditor e;
        uint8_t fila[6] = {1, 0, 2, 1, 0, 0};
        QTimer::singleShot(0, [&e] {
            QWidget& v = *QApplication::activeModalWidget();
            [&] {  // the window closes even past a failed check
                const uint8_t* sel = e.f.AciertosSeleccionados.Datos();
                QCOMPARE(Banderas(sel, 5), QList<int>({1, 0, 0, 1, 0, 0}));
                QVERIFY(!Cuenta(v, 0)->isEnabled() && !Cuenta(v, 5)->isEnabled());
                QVERIFY(!Pintada(Cuenta(v, 0), true) && Pintada(Cuenta(v, 3), true) && Pintada(Cuenta(v, 2), false));
                for (int k : {0, 5, 3, 1}) Pulsar(Cuenta(v, k));
                QCOMPARE(Banderas(sel, 5), QList<int>({1, 1, 0, 0, 0, 0}));
                QVERIFY(Pintada(Cuenta(v, 3), false) && Pintada(Cuenta(v, 1), true));
                Pulsar(Hijo<QToolButton>(v, "imgTodos"));
                QCOMPARE(Banderas(sel, 5), QList<int>({1, 1, 1, 1, 1, 0}));
                Pulsar(Hijo<QToolButton>(v, "imgNinguno"));
                QVERIFY(Pintada(Cuenta(v, 4), false) && !Pintada(Cuenta(v, 5), true));
                Pulsar(Cuenta(v, 4));
            }();
            v.windowHandle()->close();
        });
        QCOMPARE(ProtocoloSelectorAciertos(e.contexto, fila, 1, 4, kFiltroSeguidos), QString("0,4"));
        QCOMPARE(Banderas(fila, 5), QList<int>({1, 0, 0, 0, 1, 0}));

        QString titulo;
        QTimer::singleShot(0, [&titulo] {
            QWidget& v = *QApplication::activeModalWidget();
            titulo = Hijo<QLabel>(v, "lblTitulo")->text();
            Pulsar(Hijo<QPushButton>(v, "cmdTodos"));
            Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        });
        const QString todas = ProtocoloSelectorReservas(e.contexto, e.f.AciertosReserva.Fila(3), QChar('C'));
        QCOMPARE(titulo, QString("ACIERTOS EN GRUPO C"));
        QVERIFY(todas.startsWith("0,1,2,") && todas.endsWith(",78,79"));
        QCOMPARE(Banderas(e.f.AciertosReserva.Fila(3), 79), QList<int>(80, 1));
        QCOMPARE(e.marcas, QList<int>({kFiltroSeguidos, kFiltroGruposEnReservas}));
    }

    // Every editor hands its row to the chooser with its range, stores the
    // choice at once, empty or not, lists it with the stored counts the
    // chooser does not offer, and ticks its filter each time.
    void cadaEditorConElSelector() {
        using F = AjustesFiltros;
        const struct {
            int filtro;
            const char *boton, *caja;
            uint8_t* (*fila)(F&);
            int maximo, fuera;  // fuera: a stored count not offered, -1 none
            const char *cargada, *elegida, *pedido;  // the list on opening and after the choice; the range asked
        } casos[] = {
            {kFiltroGrupos, "cmdModificar_2", "txtAciertos_2", [](F& f) { return f.AciertosGrupo.Fila(3); }, 5, -1, "2",
             "1,5", "0-5"},
            {kFiltroSeguidos, "cmdModificar", "txtNumero", [](F& f) { return f.NumerosSeguidos.Datos(); }, 5, 0, "0,2",
             "0,1,5", "1-5"},
            {kFiltroTerminaciones, "cmdModificar_7", "txtAciertos_7", [](F& f) { return f.TerminadosEn.Fila(7); }, 5,
             -1, "2", "1,5", "0-5"},
            {kFiltroGruposRelacionados, "cmdModificar_5", "txtAciertos_5",
             [](F& f) { return f.AciertosCondicion.Fila(6); }, 5, -1, "2", "1,5", "0-5"},
            {kFiltroGruposEnReservas, "cmdModificar_1", "txtAciertos_1",
             [](F& f) { return f.AciertosGrupoReserva.Fila(2); }, 5, 6, "2,6", "1,5,6", "0-5"},
            {kFiltroGruposEnReservas, "cmdModificarReservas_3", "txtAciertosReservas_3",
             [](F& f) { return f.AciertosReserva.Fila(4); }, 79, -1, "2", "1,79", "0-79 ACIERTOS EN GRUPO D"},
        };
        for (const auto& c : casos) {
            EntornoEditor e;
            uint8_t* fila = c.fila(e.f);
            fila[2] = 1;
            if (c.fuera >= 0) fila[c.fuera] = 1;
            const QString sinElegir = c.fuera >= 0 ? QString::number(c.fuera) : QString();
            EnEditor(c.filtro, e, [&](QDialog& v) {
                auto* caja = Hijo<QLineEdit>(v, c.caja);
                QCOMPARE(caja->text(), QString(c.cargada));
                PruebaSelector::EncolarEleccion({});
                PruebaSelector::EncolarEleccion({1, c.maximo});
                Pulsar(Hijo<QPushButton>(v, c.boton));
                QCOMPARE(caja->text(), sinElegir);
                Pulsar(Hijo<QPushButton>(v, c.boton));
                QCOMPARE(caja->text(), QString(c.elegida));
                const auto& r = PruebaSelector::Mostrados().last();
                QCOMPARE(QStringLiteral("%1-%2 %3").arg(r.minimo).arg(r.maximo).arg(r.titulo).trimmed(), QString(c.pedido));
                for (int k = 0; k <= std::max(c.maximo, c.fuera); ++k)
                    QCOMPARE(fila[k], uint8_t(k == 1 || k == c.maximo || k == c.fuera ? 1 : 0));
                QCOMPARE(e.marcas, QList<int>({c.filtro, c.filtro}));
            });
        }
    }

    // Three groups a page; "-", "+" and the group box move between pages. A
    // group's reserve letter is stored when its page is left or the window
    // closed, and the count of groups per reserve follows; neither the letters
    // nor the reserves' title buttons tick the filter.
    void paginasYReservas() {
        EntornoEditor e;
        e.f.IdGrupoReserva[101] = 5;
        frmFiltroGRUPOSENRESERVAS v(e.contexto);
        v.show();
        QCOMPARE(Vistos(v, {"txtNumeroGRUPO", "lblNumeroGrupos_4"}).join('|') +
                     EstadosDistintos(v, {"-cmdMENOSBloque", "+cmdMASBloque"}),
                 QString("1|1"));
        Reserva(v, 1)->setCurrentIndex(2);  // group 2 to B, still pending
        QCOMPARE(e.f.IdGrupoReserva[2], uint8_t{0});
        Pulsar(Hijo<QPushButton>(v, "cmdTituloGRUPO_1"));
        IrAGrupo(v, "360");
        QCOMPARE(Titulos(v) + EstadosDistintos(v, {"+cmdMENOSBloque", "-cmdMASBloque"}), QString("GRUPO 358|GRUPO 359|GRUPO 360"));
        QVERIFY(v.isVisible());  // Enter closes nothing
        for (const char* malo : {"", "361"}) IrAGrupo(v, malo);
        QCOMPARE(e.f.BloqueReservas, int16_t{120});
        QCOMPARE(Hijo<QLineEdit>(v, "txtNumeroGRUPO")->selectedText(), QStringLiteral("361"));

        IrAGrupo(v, "100");
        QCOMPARE(e.f.IdGrupoReserva[2], uint8_t{2});
        QCOMPARE(Vistos(v, {"lblNumeroGrupos_1", "cboRESERVAS_1"}), QStringList({"1", "E"}));
        Pulsar(Hijo<QPushButton>(v, "cmdTituloGRUPO_1"));
        const QString rango = QString::fromStdString(MensajeRangoGrupo());
        QCOMPARE(Textos(), QStringList({"No hay Grupos incluidos en Grupo Reserva B", rango, rango,
                                        "Nº de los Grupos incluidos en Grupo Reserva B : 2"}));
        Reserva(v, 1)->setCurrentIndex(0);
        Reserva(v, 2)->setCurrentIndex(8);
        Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(QList<int>({e.f.IdGrupoReserva[101], e.f.IdGrupoReserva[102]}), QList<int>({0, 8}));
        QCOMPARE(Vistos(v, {"lblNumeroGrupos_4", "lblNumeroGrupos_7"}), QStringList({"0", "1"}));
        QCOMPARE(Titulos(v) + EstadosDistintos(v, {"+cmdMENOSBloque", "+cmdMASBloque"}), QString("GRUPO 103|GRUPO 104|GRUPO 105"));
        Pulsar(Hijo<QPushButton>(v, "cmdMENOSBloque"));
        QCOMPARE(Titulos(v), QStringLiteral("GRUPO 100|GRUPO 101|GRUPO 102"));

        // The close stores the page shown and recounts before checking.
        Reserva(v, 0)->setCurrentIndex(1);
        v.close();
        QCOMPARE(e.f.IdGrupoReserva[100], uint8_t{1});
        QCOMPARE(Visto(v, "lblNumeroGrupos_0"), QStringLiteral("1"));
        QVERIFY(v.isVisible());  // group 100 has no cells
        QVERIFY(e.marcas.isEmpty());
    }

    // Each group shows its own six subgroups and their conditions; "Volver"
    // packs the subgroups only once all 60 groups pass, shown or not.
    void gruposYEmpaquetado() {
        EntornoEditor e({1, 2, 3, 4, 5});
        e.f.NumerosSubgrupo(2, 1) = e.f.NumerosSubgrupo(4, 2) = 1;
        e.f.AciertosCondicion(1, 1) = e.f.AciertosCondicion(5, 2) = 1;
        e.f.AciertosCondicion(8, 0) = e.f.AciertosCondicion(8, 4) = e.f.NumerosSubgrupo(8, 3) = 1;
        e.f.NumerosSubgrupo(6 * 41 + 3, 5) = 1;  // group 42: a subgroup, no condition
        frmFiltroGRURELACIONADOS v(e.contexto);
        v.show();
        QCOMPARE(EstadosDistintos(v, {"-cmdMENOSBloque", "+cmdMASBloque"}), QString());
        Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(Vistos(v, {"lblNumeroGrupo", "lblTitGrupo_5", "txtAciertos_1"}).join('|') +
                     EstadosDistintos(v, {"+cmdMENOSBloque", "+cmdMASBloque"}),
                 QString("GRUPO 2|SUBGRUPO 12|0,4"));
        for (int i = 0; i < 58; ++i) Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(Visto(v, "lblNumeroGrupo") + EstadosDistintos(v, {"+cmdMENOSBloque", "-cmdMASBloque"}), QString("GRUPO 60"));

        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QCOMPARE(Textos().size(), 1);
        QCOMPARE(Celdas(e.f.NumerosSubgrupo.Fila(2)), QList<int>({1}));  // nothing packed
        e.f.NumerosSubgrupo(6 * 41 + 3, 5) = 0;
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(!v.isVisible());
        QCOMPARE(Celdas(e.f.NumerosSubgrupo.Fila(2)), QList<int>({2}));  // packed
    }
};

PRUEBA_VENTANA(PruebaEditores)
#include "test_editores.moc"
