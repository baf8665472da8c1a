#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroGRUPOS.h"

namespace {
using Entorno = EntornoEditor;

void IrAGrupo(frmFiltroGRUPOS& v, const QString& texto) { Teclear(Hijo<QLineEdit>(v, "txtNumeroGRUPO"), texto); }

QString Titulos(frmFiltroGRUPOS& v) {
    QStringList t;
    for (int k = 0; k < 3; ++k) t << Hijo<QLabel>(v, QStringLiteral("lblTitGrupo_%1").arg(k))->text();
    return t.join('|');
}
}  // namespace

class PruebaFrmFiltroGrupos : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    void paginasYCajaDeGrupo() {
        Entorno e;
        frmFiltroGRUPOS v(e.contexto);
        v.show();
        QCOMPARE(Hijo<QLineEdit>(v, "txtNumeroGRUPO")->text(), QStringLiteral("1"));
        QCOMPARE(EstadosDistintos(v, {"-cmdMENOSBloque", "+cmdMASBloque"}), QString());

        IrAGrupo(v, "360");
        QCOMPARE(e.sesion.filtros.GrupoActual, int16_t{120});
        QCOMPARE(Titulos(v), QStringLiteral("GRUPO 358|GRUPO 359|GRUPO 360"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "-cmdMASBloque"}), QString());
        QVERIFY(v.isVisible());  // Enter closes nothing

        for (const char* malo : {"", "361"}) {
            IrAGrupo(v, malo);
            QCOMPARE(e.sesion.filtros.GrupoActual, int16_t{120});
        }
        QCOMPARE(Textos(), QStringList(2, "ERROR: EL NUMERO DE GRUPO DEBE ESTAR ENTRE 1 y 360"));
        auto* caja = Hijo<QLineEdit>(v, "txtNumeroGRUPO");
        QCOMPARE(caja->text(), QStringLiteral("361"));
        QCOMPARE(caja->selectedText(), QStringLiteral("361"));

        IrAGrupo(v, "4");
        QCOMPARE(Titulos(v), QStringLiteral("GRUPO 4|GRUPO 5|GRUPO 6"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "+cmdMASBloque"}), QString());
        Pulsar(Hijo<QPushButton>(v, "cmdMENOSBloque"));
        QCOMPARE(Titulos(v), QStringLiteral("GRUPO 1|GRUPO 2|GRUPO 3"));
        QCOMPARE(EstadosDistintos(v, {"-cmdMENOSBloque", "+cmdMASBloque"}), QString());
        QVERIFY(e.marcas.isEmpty());  // paging ticks nothing
    }

    void celdasYAciertosSeEscribenEnElGrupoVisible() {
        Entorno e;
        for (Casilla c : {1, 12, 23, 34, 45}) e.sesion.rejilla.Fijar(c, true);
        // Group 5 holds a cell that has left the base; group 9, never shown, too.
        e.sesion.filtros.NumerosGrupo(5, 2) = 1;
        e.sesion.filtros.NumerosGrupo(5, 12) = 1;
        e.sesion.filtros.NumerosGrupo(9, 2) = 1;
        e.sesion.filtros.AciertosGrupo(5, 1) = 1;
        e.sesion.filtros.AciertosGrupo(5, 4) = 1;
        frmFiltroGRUPOS v(e.contexto);
        v.show();

        Pulsar(Hijo<QLabel>(v, "lblNumero_G3_22"));
        QCOMPARE(e.sesion.filtros.NumerosGrupo(3, 23), uint8_t{1});
        QCOMPARE(e.marcas, QList<int>{kFiltroGrupos});

        // Select all takes the base cells only; neither it nor clear ticks.
        Pulsar(Hijo<QToolButton>(v, "imgALLNumeros_0"));
        int elegidas = 0;
        for (int c = 1; c <= 50; ++c) elegidas += e.sesion.filtros.NumerosGrupo(1, c);
        QCOMPARE(elegidas, 5);
        Pulsar(Hijo<QToolButton>(v, "imgININumeros_2"));
        for (int c = 1; c <= 50; ++c) QCOMPARE(e.sesion.filtros.NumerosGrupo(3, c), uint8_t{0});
        QCOMPARE(e.marcas.size(), 1);

        Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(e.sesion.filtros.NumerosGrupo(5, 2), uint8_t{0});
        QCOMPARE(e.sesion.filtros.NumerosGrupo(5, 12), uint8_t{1});
        QCOMPARE(e.sesion.filtros.NumerosGrupo(9, 2), uint8_t{1});
        QCOMPARE(Hijo<QLineEdit>(v, "txtAciertos_1")->text(), QStringLiteral("1,4"));

        PruebaSelector::EncolarEleccion({0, 2, 5});
        Pulsar(Hijo<QPushButton>(v, "cmdModificar_2"));
        QCOMPARE(PruebaSelector::Mostrados().last().maximo, 5);
        QCOMPARE(Hijo<QLineEdit>(v, "txtAciertos_2")->text(), QStringLiteral("0,2,5"));
        const uint8_t esperado[6] = {1, 0, 1, 0, 0, 1};
        for (int k = 0; k <= 5; ++k) QCOMPARE(e.sesion.filtros.AciertosGrupo(6, k), esperado[k]);
        QCOMPARE(e.marcas.size(), 2);
    }

    void cerrarValidaYSeQuedaAbierta() {
        Entorno e;
        e.sesion.filtros.NumerosGrupo(5, 1) = 1;
        e.sesion.filtros.AciertosGrupo(2, 3) = 1;
        frmFiltroGRUPOS v(e.contexto);
        v.show();
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(v.isVisible());
        QCOMPARE(Textos(),
                 QStringList{"ERROR en GRUPO2 : No ha marcado ningún número y hay aciertos seleccionados"});
        v.close();  // the close box validates too
        QVERIFY(v.isVisible());
        QCOMPARE(Textos().size(), 2);

        e.sesion.filtros.AciertosGrupo(2, 3) = 0;
        e.sesion.filtros.AciertosGrupo(5, 0) = 1;
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(!v.isVisible());
        QCOMPARE(Textos().size(), 2);
    }
};

PRUEBA_VENTANA(PruebaFrmFiltroGrupos)
#include "test_frmfiltrogrupos.moc"
