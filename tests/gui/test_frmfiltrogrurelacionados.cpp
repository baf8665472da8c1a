#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroGRURELACIONADOS.h"

namespace {
QString Texto(QWidget& v, const char* nombre) { return Hijo<QWidget>(v, nombre)->property("text").toString(); }
}  // namespace

class PruebaFiltroGruposRelacionados : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

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
        QCOMPARE(Texto(v, "lblNumeroGrupo"), QString("GRUPO 2"));
        QCOMPARE(Texto(v, "lblTitGrupo_5"), QString("SUBGRUPO 12"));
        QCOMPARE(Texto(v, "txtAciertos_1"), QString("0,4"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "+cmdMASBloque"}), QString());
        for (int i = 0; i < 58; ++i) Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(Texto(v, "lblNumeroGrupo"), QString("GRUPO 60"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "-cmdMASBloque"}), QString());

        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QCOMPARE(Textos().size(), 1);
        QCOMPARE(Celdas(e.f.NumerosSubgrupo.Fila(2)), QList<int>({1}));  // nothing packed
        e.f.NumerosSubgrupo(6 * 41 + 3, 5) = 0;
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(!v.isVisible());
        QCOMPARE(Celdas(e.f.NumerosSubgrupo.Fila(1)), QList<int>({1}));
        QCOMPARE(Celdas(e.f.NumerosSubgrupo.Fila(2)), QList<int>({2}));
        for (int fila = 3; fila <= 6; ++fila) QVERIFY(Celdas(e.f.NumerosSubgrupo.Fila(fila)).isEmpty());
        QCOMPARE(e.f.AciertosCondicion(5, 2), uint8_t{1});
    }
};

PRUEBA_VENTANA(PruebaFiltroGruposRelacionados)
#include "test_frmfiltrogrurelacionados.moc"
