#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroGRURELACIONADOS.h"

namespace {
struct Entorno {
    EstadoSesion sesion;
    QList<int> marcas;
    ContextoEditor contexto{sesion, [this](int i) { marcas << i; }, [this](int i) { marcas << -i; }};
    AjustesFiltros& f = sesion.filtros;
    explicit Entorno(std::initializer_list<Casilla> celdas) {
        for (Casilla c : celdas) sesion.rejilla.Fijar(c, true);
    }
    // The chosen cells of a NumerosSubgrupo row.
    QList<int> Fila(int fila) {
        QList<int> l;
        for (int c = 1; c <= 50; ++c)
            if (f.NumerosSubgrupo(fila, c) != 0) l << c;
        return l;
    }
};

QLabel* Celda(QWidget& v, int subgrupo, int indice) {
    const QString rejilla = subgrupo == 1 ? QStringLiteral("lblNumero") : QStringLiteral("lblNumero_G%1").arg(subgrupo);
    return Hijo<QLabel>(v, QStringLiteral("%1_%2").arg(rejilla).arg(indice));
}
QString Texto(QWidget& v, const QString& nombre) { return Hijo<QLabel>(v, nombre)->text(); }
}  // namespace

class PruebaFiltroGruposRelacionados : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }
    void cleanup() { DesactivarPruebasEditor(); }

    // Each group shows its own six rows; showing a group drops its cells
    // outside the base, and only from that group.
    void navegacionEntreGruposYCeldasFueraDeLaBase() {
        Entorno e({1, 2, 33});
        e.f.NumerosSubgrupo(2, 2) = 1;
        e.f.NumerosSubgrupo(2, 40) = 1;   // group 1, outside the base
        e.f.NumerosSubgrupo(12, 40) = 1;  // group 2, outside the base
        e.f.NumerosSubgrupo(12, 33) = 1;
        e.f.NumerosSubgrupo(18, 40) = 1;  // group 3, never shown
        e.f.AciertosCondicion(8, 0) = 1;
        e.f.AciertosCondicion(8, 4) = 1;
        frmFiltroGRURELACIONADOS v(e.contexto);
        v.show();
        QCOMPARE(v.windowTitle(), QString("GRUPOS RELACIONADOS (Max. 60)"));
        QCOMPARE(BotonesSinAyuda(v), QString());
        QCOMPARE(e.Fila(2), QList<int>({2}));
        QCOMPARE(e.Fila(12), QList<int>({33, 40}));
        QVERIFY(v.Rejilla(1)->AspectoSeleccionado(1));
        QVERIFY(Celda(v, 6, 32)->isEnabled() && !Celda(v, 6, 39)->isEnabled() && !Celda(v, 1, 2)->isEnabled());
        QCOMPARE(EstadosDistintos(v, {"-cmdMENOSBloque", "+cmdMASBloque"}), QString());

        Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(Texto(v, "lblNumeroGrupo"), QString("GRUPO 2"));
        QCOMPARE(Texto(v, "lblTitGrupo_5"), QString("SUBGRUPO 12"));
        QCOMPARE(e.Fila(12), QList<int>({33}));
        QCOMPARE(e.Fila(18), QList<int>({40}));
        QVERIFY(v.Rejilla(5)->AspectoSeleccionado(32));
        QCOMPARE(Hijo<QLineEdit>(v, "txtAciertos_1")->text(), QString("0,4"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "+cmdMASBloque"}), QString());

        for (int i = 0; i < 58; ++i) Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(Texto(v, "lblNumeroGrupo"), QString("GRUPO 60"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "-cmdMASBloque"}), QString());
        QVERIFY(e.marcas.isEmpty());  // moving between groups ticks nothing
    }

    // Cells and conditions are stored in the rows of the group shown; cell
    // clicks and conditions tick the filter, select all and clear do not.
    void edicionesDeUnGrupo() {
        Entorno e({3, 14, 25});
        frmFiltroGRURELACIONADOS v(e.contexto);
        v.show();
        Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        Pulsar(Celda(v, 3, 13));
        QCOMPARE(e.Fila(9), QList<int>({14}));
        QCOMPARE(e.marcas, QList<int>({8}));

        auto* todos = Hijo<QToolButton>(v, "imgALLNumeros_4");
        e.f.NumerosSubgrupo(11, 9) = 1;  // outside the base: left as it is
        todos->click();
        QCOMPARE(e.Fila(11), QList<int>({3, 9, 14, 25}));
        QVERIFY(!v.Rejilla(4)->AspectoSeleccionado(0));
        Hijo<QToolButton>(v, "imgININumeros_2")->click();
        QVERIFY(e.Fila(9).isEmpty());
        QCOMPARE(e.marcas, QList<int>({8}));

        PruebaSelector::EncolarEleccion({1, 3});
        Pulsar(Hijo<QPushButton>(v, "cmdModificar_5"));
        QCOMPARE(Hijo<QLineEdit>(v, "txtAciertos_5")->text(), QString("1,3"));
        QCOMPARE(e.f.AciertosCondicion(12, 1), uint8_t{1});
        QCOMPARE(e.f.AciertosCondicion(12, 3), uint8_t{1});
        QCOMPARE(e.f.AciertosCondicion(6, 1), uint8_t{0});
        QCOMPARE(e.marcas, QList<int>({8, 8}));
    }

    // "Volver" checks all 60 groups, shown or not, and packs only when all
    // pass; the close box never closes the window.
    void volverCompruebaEmpaquetaYCierra() {
        Entorno e({1, 2, 3, 4, 5});
        e.f.NumerosSubgrupo(2, 1) = 1;
        e.f.NumerosSubgrupo(4, 2) = 1;
        e.f.AciertosCondicion(1, 1) = 1;
        e.f.AciertosCondicion(5, 2) = 1;
        e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 1;  // group 42: subgroup, no condition
        frmFiltroGRURELACIONADOS v(e.contexto);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        v.windowHandle()->close();
        QVERIFY(v.isVisible());

        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(v.isVisible());
        QCOMPARE(Textos(), QStringList({"ERROR en GRUPO42 : Si activa un subgrupo, debe de haber al menos una "
                                        "condición marcada"}));
        QCOMPARE(e.Fila(2), QList<int>({1}));  // nothing packed

        e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 0;
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(!v.isVisible());
        QCOMPARE(e.Fila(1), QList<int>({1}));
        QCOMPARE(e.Fila(2), QList<int>({2}));
        for (int fila = 3; fila <= 6; ++fila) QVERIFY(e.Fila(fila).isEmpty());
        QCOMPARE(e.f.AciertosCondicion(5, 2), uint8_t{1});
    }
};

PRUEBA_VENTANA(PruebaFiltroGruposRelacionados)
#include "test_frmfiltrogrurelacionados.moc"
