#include <QCheckBox>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroPARESIMPARES.h"

namespace {
QCheckBox* Caja(QWidget& v, int i) { return Hijo<QCheckBox>(v, QStringLiteral("chkParesImpares_%1").arg(i)); }

QList<int> Fila(const AjustesFiltros& f) {
    QList<int> fila;
    for (int i = 0; i <= 5; ++i) fila << f.ParesActivos[i];
    return fila;
}
}  // namespace

class PruebaParesImpares : public QObject {
    Q_OBJECT
private slots:
    void alAbrirMuestraLoGuardadoYSoloMarcaElFiltroSiHayAlgunoPermitido() {
        EntornoEditor e;
        {
            frmFiltroPARESIMPARES vacio(e.contexto);
            for (int i = 0; i <= 5; ++i) QVERIFY(!Caja(vacio, i)->isChecked());
            QVERIFY(e.marcas.isEmpty());
        }
        const uint8_t guardado[6] = {0, 1, 1, 1, 1, 0};
        for (int i = 0; i <= 5; ++i) e.f.ParesActivos[i] = guardado[i];
        frmFiltroPARESIMPARES ventana(e.contexto);
        for (int i = 0; i <= 5; ++i) QCOMPARE(Caja(ventana, i)->isChecked(), guardado[i] == 1);
        QVERIFY(!e.marcas.isEmpty() && e.marcas.count(kFiltroParesImpares) == e.marcas.size());
    }

    void cadaClicGuardaAlMomentoYMarcaElFiltroYLaCasillaDeCierreLoConserva() {
        EntornoEditor e;
        e.f.ParesActivos[2] = 1;
        frmFiltroPARESIMPARES ventana(e.contexto);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        e.marcas.clear();

        Pulsar(Caja(ventana, 0));
        QCOMPARE(Fila(e.f), QList<int>({1, 0, 1, 0, 0, 0}));
        QCOMPARE(e.marcas, QList<int>({kFiltroParesImpares}));
        Pulsar(Caja(ventana, 2));  // unticking also switches the filter on
        Pulsar(Caja(ventana, 0));
        QCOMPARE(Fila(e.f), QList<int>({0, 0, 0, 0, 0, 0}));
        QCOMPARE(e.marcas.size(), 3);

        // Nothing allowed is still accepted; the close box leaves like "Volver".
        ventana.windowHandle()->close();
        QVERIFY(!ventana.isVisible());
    }
};

PRUEBA_VENTANA(PruebaParesImpares)
#include "test_paresimpares.moc"
