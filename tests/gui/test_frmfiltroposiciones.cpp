#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_gui.h"
#include "frmFiltroPOSICIONES.h"

namespace {
// A session whose base holds the given cells, and a record of the filter's
// check box: +9 ticked, -9 unticked.
struct Entorno {
    EstadoSesion sesion;
    QList<int> marcas;
    ContextoEditor contexto{sesion, [this](int i) { marcas << i; }, [this](int i) { marcas << -i; }};
    explicit Entorno(std::initializer_list<Casilla> celdas) {
        for (Casilla c : celdas) sesion.rejilla.Fijar(c, true);
    }
    uint8_t& Pos(int c) { return sesion.filtros.NumerosPosiciones[c]; }
    QList<int> Elegidas() {
        QList<int> l;
        for (int c = 1; c <= 50; ++c)
            if (Pos(c) != 0) l << c;
        return l;
    }
};

QLabel* Celda(QWidget& v, int indice) { return Hijo<QLabel>(v, QStringLiteral("lblNumero_%1").arg(indice)); }
}  // namespace

class PruebaFiltroPosiciones : public QObject {
    Q_OBJECT
private slots:
    // Opening drops stored cells outside the base; only base cells take
    // clicks, and each click stores the grid and ticks the filter.
    void soloLaBaseSeEditaYCadaClicMarcaElFiltro() {
        Entorno e({1, 12, 23, 50});
        e.Pos(12) = 1;
        e.Pos(30) = 1;  // outside the base
        frmFiltroPOSICIONES v(e.contexto);
        QCOMPARE(v.windowTitle(), QString("POSICIONES"));
        QCOMPARE(BotonesSinAyuda(v), QString());
        QCOMPARE(e.Elegidas(), QList<int>({12}));
        QVERIFY(e.marcas.isEmpty());
        v.show();
        QVERIFY(v.Rejilla()->AspectoSeleccionado(11));
        QVERIFY(Celda(v, 0)->isEnabled() && !Celda(v, 1)->isEnabled() && Celda(v, 49)->isEnabled());

        Pulsar(Celda(v, 1));  // disabled: nothing
        QCOMPARE(e.Elegidas(), QList<int>({12}));
        QVERIFY(e.marcas.isEmpty());
        Pulsar(Celda(v, 49));
        Pulsar(Celda(v, 11));
        QCOMPARE(e.Elegidas(), QList<int>({50}));
        Pulsar(Celda(v, 49));  // the last chosen cell: empty setting, still ticked
        QVERIFY(e.Elegidas().isEmpty());
        QCOMPARE(e.marcas, QList<int>({9, 9, 9}));
    }

    // Select all stores all 50 cells even with a partial (or empty) base;
    // clear stores none and unticks the filter.
    void seleccionarTodoYLimpiar() {
        Entorno e({5, 44});
        {
            frmFiltroPOSICIONES v(e.contexto);
            v.show();
            auto* todos = Hijo<QToolButton>(v, "imgALLNumeros");
            todos->click();
            QCOMPARE(e.Elegidas().size(), 50);
            QVERIFY(v.Rejilla()->AspectoSeleccionado(0));  // disabled, painted chosen too
            QCOMPARE(e.marcas, QList<int>({9}));
            Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
            QVERIFY(!v.isVisible());
        }
        QCOMPARE(e.Elegidas().size(), 50);  // the filter sees them until the next opening
        {
            frmFiltroPOSICIONES v(e.contexto);
            QCOMPARE(e.Elegidas(), QList<int>({5, 44}));
            v.show();
            Hijo<QToolButton>(v, "imgININumeros")->click();
            QVERIFY(e.Elegidas().isEmpty());
            QCOMPARE(e.marcas, QList<int>({9, -9}));
        }
        Entorno vacio({});
        frmFiltroPOSICIONES v(vacio.contexto);
        v.show();
        Hijo<QToolButton>(v, "imgALLNumeros")->click();
        QCOMPARE(vacio.Elegidas().size(), 50);
        QCOMPARE(vacio.marcas, QList<int>({9}));
    }

    void laCasillaDeCerrarCierraYConservaLoEditado() {
        Entorno e({7});
        frmFiltroPOSICIONES v(e.contexto);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        Pulsar(Celda(v, 6));
        v.windowHandle()->close();
        QVERIFY(!v.isVisible());
        QCOMPARE(e.Elegidas(), QList<int>({7}));
    }
};

PRUEBA_VENTANA(PruebaFiltroPosiciones)
#include "test_frmfiltroposiciones.moc"
