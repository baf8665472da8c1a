#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"
#include "editores.h"
#include "frmFiltroSEGUIDOS.h"
#include "frmFiltroPARESIMPARES.h"

namespace {
QCheckBox* Figura(QWidget& v, int i) { return Hijo<QCheckBox>(v, QStringLiteral("chkFigura_%1").arg(i)); }
QString Lista(QWidget& v) { return Hijo<QLineEdit>(v, "txtNumero")->text(); }
QList<int> Longitudes(const AjustesFiltros& f) {
    QList<int> fila;
    for (int k = 0; k <= 5; ++k) fila << f.NumerosSeguidos[k];
    return fila;
}
}  // namespace

class PruebaSeguidos : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    void alAbrirMuestraLaListaYSoloLasFigurasMarcanElFiltro() {
        EntornoEditor b;
        {
            const uint8_t longitudes[6] = {0, 1, 1, 0, 0, 1};
            for (int k = 0; k <= 5; ++k) b.f.NumerosSeguidos[k] = longitudes[k];
            b.f.SeguidosInversos = 1;
            frmFiltroSEGUIDOS ventana(b.contexto);
            QCOMPARE(Lista(ventana), QString("1,2,5"));
            QVERIFY(Hijo<QLineEdit>(ventana, "txtNumero")->isReadOnly());
            QVERIFY(Hijo<QCheckBox>(ventana, "chkSeguidosInversos")->isChecked());
            QVERIFY(b.marcas.isEmpty());  // no figure allowed
        }
        b.f.NumerosSeguidos.Rellenar(0);
        b.f.FigurasSeguidos[2] = 1;
        b.f.FigurasSeguidos[7] = 1;
        frmFiltroSEGUIDOS ventana(b.contexto);
        QCOMPARE(Lista(ventana), QString());
        for (int i = 0; i < 7; ++i) QCOMPARE(Figura(ventana, i)->isChecked(), i == 1 || i == 6);
        QVERIFY(!b.marcas.isEmpty() && b.marcas.count(kFiltroSeguidos) == b.marcas.size());
    }

    void elSelectorOfreceUnoACincoYDevuelveLaCuentaCeroIntacta() {
        EntornoEditor b;
        b.f.NumerosSeguidos[0] = 1;  // e.g. read from a file
        b.f.NumerosSeguidos[4] = 1;
        frmFiltroSEGUIDOS ventana(b.contexto);
        ventana.show();
        QCOMPARE(Lista(ventana), QString("0,4"));
        PruebaSelector::EncolarEleccion({2, 3});
        Pulsar(Hijo<QPushButton>(ventana, "cmdModificar"));
        QCOMPARE(PruebaSelector::Mostrados().size(), 1);
        QCOMPARE(PruebaSelector::Mostrados().first().minimo, 1);
        QCOMPARE(PruebaSelector::Mostrados().first().maximo, 5);
        QCOMPARE(Longitudes(b.f), QList<int>({1, 0, 1, 1, 0, 0}));  // stored at once
        QCOMPARE(Lista(ventana), QString("0,2,3"));
        QCOMPARE(b.marcas, QList<int>({kFiltroSeguidos}));

        b.f.NumerosSeguidos[0] = 0;
        PruebaSelector::EncolarEleccion({});
        Pulsar(Hijo<QPushButton>(ventana, "cmdModificar"));
        QCOMPARE(Lista(ventana), QString());
        QCOMPARE(b.marcas.size(), 2);  // ticked even with nothing chosen
    }

    void figurasEInversoSeGuardanAlCerrarYSoloLasFigurasMarcan() {
        EntornoEditor b;
        b.f.FigurasSeguidos[1] = 1;
        frmFiltroSEGUIDOS ventana(b.contexto);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        b.marcas.clear();
        Pulsar(Hijo<QCheckBox>(ventana, "chkSeguidosInversos"));
        QVERIFY(b.marcas.isEmpty());
        Pulsar(Figura(ventana, 0));  // unticking a figure also switches the filter on
        Pulsar(Figura(ventana, 4));
        QCOMPARE(b.marcas, QList<int>({kFiltroSeguidos, kFiltroSeguidos}));
        QCOMPARE(b.f.FigurasSeguidos[1], uint8_t{1});  // not stored while open
        QCOMPARE(b.f.SeguidosInversos, int16_t{0});

        ventana.windowHandle()->close();
        QVERIFY(!ventana.isVisible());
        for (int i = 1; i <= 7; ++i) QCOMPARE(b.f.FigurasSeguidos[i], uint8_t(i == 5 ? 1 : 0));
        QCOMPARE(b.f.SeguidosInversos, int16_t{1});
    }

    // The dispatcher opens each filter's editor modally; "Volver" keeps the edits.
    void elDespachadorAbreElEditorYVolverGuarda() {
        const struct {
            int filtro;
            const char *ventana, *control;
            uint8_t (*guardado)(const AjustesFiltros&);
        } casos[] = {
            {kFiltroSeguidos, "frmFiltroSEGUIDOS", "chkFigura_6", [](const AjustesFiltros& f) { return f.FigurasSeguidos[7]; }},
            {kFiltroParesImpares, "frmFiltroPARESIMPARES", "chkParesImpares_3",
             [](const AjustesFiltros& f) { return f.ParesActivos[3]; }},
        };
        for (const auto& c : casos) {
            EntornoEditor b;
            QString abierta;
            AlMostrarse(abierta, [&c](QWidget& v) {
                Pulsar(Hijo<QWidget>(v, c.control));
                Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
            });
            AbrirEditorFiltro(c.filtro, b.contexto, nullptr);
            QCOMPARE(abierta, QString(c.ventana));
            QCOMPARE(c.guardado(b.f), uint8_t{1});
            QCOMPARE(b.marcas, QList<int>{c.filtro});
        }
    }
};

PRUEBA_VENTANA(PruebaSeguidos)
#include "test_seguidos.moc"
