#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"
#include "selector_aciertos.h"

namespace {
const QColor kVerde(0, 128, 0);

QLabel* Cuenta(QWidget& v, int k) { return Hijo<QLabel>(v, QStringLiteral("lblAciertos_%1").arg(k)); }
bool PintadaElegida(QLabel* l) {
    return l->palette().color(QPalette::Window) == kVerde && l->palette().color(QPalette::WindowText) == Qt::white;
}
bool PintadaSinElegir(QLabel* l) {
    return l->palette().color(QPalette::Window) == Qt::white && l->palette().color(QPalette::WindowText) == Qt::black;
}

QList<int> Banderas(const Arreglo<uint8_t>& a, int desde, int hasta) {
    QList<int> r;
    for (int k = desde; k <= hasta; ++k) r << a[k];
    return r;
}

}  // namespace

class PruebaSelectorAciertos : public QObject {
    Q_OBJECT
private slots:

    void fueraDelRangoNadaSeOfreceNiCambia() {
        Arreglo<uint8_t> sel(0, kMaxAciertosReserva);
        sel[0] = 1;
        sel[3] = 1;
        frmAciertos v(sel);
        v.AciertoMinimo = 1;
        v.AciertoMaximo = 4;
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QVERIFY(!Cuenta(v, 0)->isEnabled() && !Cuenta(v, 5)->isEnabled());
        QVERIFY(!PintadaElegida(Cuenta(v, 0)));  // designed look even with its flag set
        QVERIFY(PintadaElegida(Cuenta(v, 3)));
        QVERIFY(PintadaSinElegir(Cuenta(v, 1)));

        Pulsar(Cuenta(v, 0));
        Pulsar(Cuenta(v, 5));
        Pulsar(Cuenta(v, 3));
        Pulsar(Cuenta(v, 2));
        QCOMPARE(Banderas(sel, 0, 5), QList<int>({1, 0, 1, 0, 0, 0}));
        QVERIFY(PintadaSinElegir(Cuenta(v, 3)) && PintadaElegida(Cuenta(v, 2)));

        Pulsar(Hijo<QToolButton>(v, "imgTodos"));
        QCOMPARE(Banderas(sel, 0, 5), QList<int>({1, 1, 1, 1, 1, 0}));
        QVERIFY(!PintadaElegida(Cuenta(v, 5)));
        Pulsar(Hijo<QToolButton>(v, "imgNinguno"));
        QCOMPARE(Banderas(sel, 0, 5), QList<int>({1, 0, 0, 0, 0, 0}));
        QVERIFY(PintadaSinElegir(Cuenta(v, 4)));
    }

    void laReservaRenumeraSusEtiquetasYSusBotonesRespetanElMaximo() {
        Arreglo<uint8_t> sel(0, kMaxAciertosReserva);
        sel[79] = 1;
        frmAciertosRESERVAS v(sel);
        Cuenta(v, 7)->setText("x");
        Cuenta(v, 70)->setText("");
        v.AciertoMaximo = 60;
        v.show();
        for (int k = 0; k <= 79; ++k) QCOMPARE(Cuenta(v, k)->text(), QString::number(k));
        QVERIFY(Cuenta(v, 60)->isEnabled() && !Cuenta(v, 61)->isEnabled());
        Pulsar(Hijo<QPushButton>(v, "cmdTodos"));
        QCOMPARE(sel[60], uint8_t{1});
        QCOMPARE(sel[61], uint8_t{0});
        Pulsar(Hijo<QPushButton>(v, "cmdNinguno"));
        QCOMPARE(sel[0] + sel[60], 0);
        QCOMPARE(sel[79], uint8_t{1});
    }

    void elIntercambioCopiaLaFilaEnteraYLaCasillaDeCierreConservaLosCambios() {
        EntornoEditor b;
        uint8_t fila[6] = {1, 0, 2, 1, 0, 0};  // count 0 outside the range; 2 is no flag
        QString abierto;
        AlMostrarse(abierto, [](QWidget& v) {
            QVERIFY(!Cuenta(v, 0)->isEnabled());
            QVERIFY(PintadaSinElegir(Cuenta(v, 2)));
            QVERIFY(PintadaElegida(Cuenta(v, 3)));
            Pulsar(Cuenta(v, 4));
            v.windowHandle()->close();
        });
        const QString lista = ProtocoloSelectorAciertos(b.contexto, fila, 1, 5, kFiltroSeguidos);
        QCOMPARE(abierto, QString("frmAciertos"));
        QCOMPARE(lista, QString("0,3,4"));
        QCOMPARE(QList<int>(fila, fila + 6), QList<int>({1, 0, 0, 1, 1, 0}));
        QCOMPARE(b.marcas, QList<int>({kFiltroSeguidos}));
    }

    void laReservaEntregaTodasLasCuentasSinComaFinal() {
        EntornoEditor b;
        auto& fila = b.f.AciertosReserva;
        fila(3, 40) = 1;
        fila(2, 5) = 1;  // another reserve's row stays as it is
        QString abierto, titulo;
        AlMostrarse(abierto, [&titulo](QWidget& v) {
            titulo = Hijo<QLabel>(v, "lblTitulo")->text();
            QVERIFY(PintadaElegida(Cuenta(v, 40)));
            QVERIFY(Cuenta(v, 79)->isEnabled());
            Pulsar(Hijo<QPushButton>(v, "cmdTodos"));
            Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        });
        const QString lista = ProtocoloSelectorReservas(b.contexto, fila.Fila(3), QChar('C'));
        QCOMPARE(abierto, QString("frmAciertosRESERVAS"));
        QCOMPARE(titulo, QString("ACIERTOS EN GRUPO C"));
        QStringList todas;
        for (int k = 0; k <= 79; ++k) todas << QString::number(k);
        QCOMPARE(lista, todas.join(','));
        for (int k = 0; k <= 79; ++k) QCOMPARE(fila(3, k), uint8_t{1});
        QCOMPARE(fila(2, 5), uint8_t{1});
        QCOMPARE(fila(2, 6), uint8_t{0});
        QCOMPARE(b.marcas, QList<int>({kFiltroGruposEnReservas}));
    }
};

PRUEBA_VENTANA(PruebaSelectorAciertos)
#include "test_selector_aciertos.moc"
