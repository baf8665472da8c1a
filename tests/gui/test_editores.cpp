#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"

namespace {
QCheckBox* Marca(QWidget& v, const char* nombre, int i) {
    return Hijo<QCheckBox>(v, QStringLiteral("%1_%2").arg(nombre).arg(i));
}
void Escribir(QWidget& v, const char* caja, const char* texto) { Hijo<QLineEdit>(v, caja)->setText(texto); }
}  // namespace

class PruebaEditores : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    // What the eight editors share: the main window opens each by its filter
    // number; each fits a 1024 x 768 screen; opening with nothing stored ticks
    // nothing; picture buttons say what they do. Where an editor checks its settings, "Volver", the close
    // box and Escape each show the first fault once and keep the window open;
    // the related groups refuse the close box and Escape in any case.
    void losOchoEditores() {
        using Paso = void (*)(EntornoEditor&, QWidget&);
        const struct {
            int filtro;
            const char* titulo;
            Paso romper, arreglar;  // null where nothing is checked
            int mensajes;           // shown by the three refused closes
        } casos[] = {
            {kFiltroGrupos, "GRUPOS DE NUMEROS (Max. 360)", [](EntornoEditor& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 1; },
             [](EntornoEditor& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 0; }, 3},
            {kFiltroParesImpares, "PARES E IMPARES", nullptr, nullptr, 0},
            {kFiltroSeguidos, "DIGITOS SEGUIDOS", nullptr, nullptr, 0},
            {kFiltroSumas, "SUMAS DE DIGITOS", [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaMaxima_0", "46"); },
             [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaMaxima_0", "45"); }, 3},
            {kFiltroTerminaciones, "TERMINACIONES DE DIGITOS",
             [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaTerminacionesMaximo", ""); },
             [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaTerminacionesMaximo", "9"); }, 3},
            {kFiltroGruposRelacionados, "GRUPOS RELACIONADOS (Max. 60)",
             [](EntornoEditor& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 1; },  // group 42, no condition
             [](EntornoEditor& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 0; }, 1},
            {kFiltroPosiciones, "POSICIONES", nullptr, nullptr, 0},
            {kFiltroGruposEnReservas, "GRUPOS EN RESERVAS (360)",
             [](EntornoEditor& e, QWidget&) { e.f.AciertosReserva(1, 2) = 1; },
             [](EntornoEditor& e, QWidget&) { e.f.AciertosReserva(1, 2) = 0; }, 3},
        };
        for (const auto& c : casos) {
            EntornoEditor e;
            PruebaMensajes::Limpiar();
            bool cerrada = false;
            EnEditor(c.filtro, e, [&](QDialog& v) {
                QCOMPARE(v.windowTitle(), QString(c.titulo));
                QVERIFY(v.frameGeometry().width() <= 1024 && v.frameGeometry().height() <= 768);
                QCOMPARE(BotonesSinAyuda(v), QString());
                QVERIFY(e.marcas.isEmpty());
                const bool sinCerrar = c.filtro == kFiltroGruposRelacionados;
                QCOMPARE(bool(v.windowFlags() & Qt::WindowCloseButtonHint), !sinCerrar);
                if (c.romper) {
                    c.romper(e, v);
                    Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                    v.windowHandle()->close();
                    QTest::keyClick(&v, Qt::Key_Escape);
                    QVERIFY(v.isVisible());
                    QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
                    QCOMPARE(PruebaMensajes::Mostrados().last().estilo, EstiloMensaje::Critico);
                    c.arreglar(e, v);
                }
                v.windowHandle()->close();
                QCOMPARE(v.isVisible(), sinCerrar);
                Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                cerrada = !v.isVisible();
            });
            QVERIFY2(cerrada, c.titulo);
            QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
        }
    }

    // When each editor stores what is edited: the pairs at once, the others
    // on leaving, and where there are checks only once they pass. Stored
    // figures show ticked and tick the filter; so do edited ones, and the
    // "inverse" box does not.
    void loEditadoSeGuardaAlMomentoOAlSalir() {
        using F = AjustesFiltros;
        using Paso = void (*)(QWidget&);
        const struct {
            int filtro;
            void (*cargar)(F&);
            Paso editar, arreglar;  // arreglar: what makes the edit pass the checks, null without checks
            bool (*guardado)(const F&);
            bool alMomento;
            int marcas;  // on opening and editing
        } casos[] = {
            {kFiltroParesImpares, [](F& f) { f.ParesActivos[2] = 1; },
             [](QWidget& v) {
                 Pulsar(Marca(v, "chkParesImpares", 0));
                 Pulsar(Marca(v, "chkParesImpares", 2));
             },
             nullptr,
             [](const F& f) { return f.ParesActivos[0] == 1 && f.ParesActivos[2] == 0; }, true, 3},
            {kFiltroSeguidos,
             [](F& f) {
                 f.FigurasSeguidos[7] = 1;
                 f.SeguidosInversos = 1;
             },
             [](QWidget& v) {
                 Pulsar(Hijo<QCheckBox>(v, "chkSeguidosInversos"));
                 Pulsar(Marca(v, "chkFigura", 6));
                 Pulsar(Marca(v, "chkFigura", 0));
             },
             nullptr,
             [](const F& f) { return f.SeguidosInversos == 0 && f.FigurasSeguidos[7] == 0 && f.FigurasSeguidos[1] == 1; },
             false, 3},
            {kFiltroTerminaciones, [](F& f) { f.FigurasTerminaciones[3] = 1; },
             [](QWidget& v) {
                 Pulsar(Marca(v, "chkFigura", 2));
                 Pulsar(Marca(v, "chkFigura", 4));
                 Escribir(v, "txtSumaTerminacionesMinimo", "50");
             },
             [](QWidget& v) { Escribir(v, "txtSumaTerminacionesMaximo", "99"); },
             [](const F& f) {
                 return f.FigurasTerminaciones[3] == 0 && f.FigurasTerminaciones[5] == 1 &&
                        f.SumaTerminacionesMinimo == 50 && f.SumaTerminacionesMaximo == 99;
             },
             false, 3},
            {kFiltroSumas,
             [](F& f) {
                 f.SumaMinima[5] = 5;
                 f.SumaMaxima[5] = 35;
                 f.SumaMaxima[1] = 20;
             },
             [](QWidget& v) { Pulsar(Hijo<QToolButton>(v, "imgINI_1")); },  // zeroes the maximums only
             [](QWidget& v) { Escribir(v, "txtSumaMaxima_4", "45"); },
             [](const F& f) { return f.SumaMaxima[1] == 0 && f.SumaMinima[5] == 5 && f.SumaMaxima[5] == 45; }, false, 0},
        };
        for (const auto& c : casos) {
            EntornoEditor e;
            c.cargar(e.f);
            EnEditor(c.filtro, e, [&](QDialog& v) {
                c.editar(v);
                QCOMPARE(e.marcas, QList<int>(c.marcas, c.filtro));
                QCOMPARE(c.guardado(e.f), c.alMomento);
                Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                if (c.arreglar) {
                    QVERIFY(v.isVisible() && !c.guardado(e.f));
                    c.arreglar(v);
                    Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                }
                QVERIFY(!v.isVisible());
                QVERIFY(c.guardado(e.f));
            });
        }
    }

    // Every character typed in a bounds box ticks the filter, one the box
    // drops too (a letter, one too many), and Return; Tab does not.
    void teclasEnLasCajasDeCotas() {
        for (const auto& [filtro, nombre, queda] : {std::tuple{kFiltroSumas, "txtSumaMinima_1", "123"},
                                                    std::tuple{kFiltroTerminaciones, "txtSumaTerminacionesMinimo", "12"}}) {
            EntornoEditor e;
            EnEditor(filtro, e, [&](QDialog& v) {
                auto* caja = Hijo<QLineEdit>(v, nombre);
                caja->setFocus();
                QTest::keyClick(caja, Qt::Key_Tab);
                QVERIFY(v.focusWidget() != caja);
                QVERIFY(e.marcas.isEmpty());
                caja->setFocus();
                caja->selectAll();
                QTest::keyClicks(caja, "a1234");
                QTest::keyClick(caja, Qt::Key_Return);
                QCOMPARE(caja->text(), QString(queda));
                QCOMPARE(e.marcas, QList<int>(6, filtro));
            });
        }
    }
};

PRUEBA_VENTANA(PruebaEditores)
#include "test_editores.moc"
