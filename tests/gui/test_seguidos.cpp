#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "ayuda_gui.h"
#include "editores.h"
#include "frmFiltroSEGUIDOS.h"
#include "sesion.h"

namespace {
QCheckBox* Figura(QWidget& v, int i) { return Hijo<QCheckBox>(v, QStringLiteral("chkFigura_%1").arg(i)); }
QString Lista(QWidget& v) { return Hijo<QLineEdit>(v, "txtNumero")->text(); }

struct Banco {
    std::unique_ptr<EstadoSesion> sesion = std::make_unique<EstadoSesion>();
    QList<int> marcados;
    ContextoEditor contexto{*sesion, [this](int i) { marcados << i; }};
    AjustesFiltros& f() { return sesion->filtros; }
    QList<int> Longitudes() {
        QList<int> fila;
        for (int k = 0; k <= 5; ++k) fila << f().NumerosSeguidos[k];
        return fila;
    }
};
}  // namespace

class PruebaSeguidos : public QObject {
    Q_OBJECT
private slots:
    void init() { PruebaSelector::Activar(); }
    void cleanup() { PruebaSelector::Desactivar(); }

    void alAbrirMuestraLaListaYSoloLasFigurasMarcanElFiltro() {
        Banco b;
        {
            const uint8_t longitudes[6] = {0, 1, 1, 0, 0, 1};
            for (int k = 0; k <= 5; ++k) b.f().NumerosSeguidos[k] = longitudes[k];
            b.f().SeguidosInversos = 1;
            frmFiltroSEGUIDOS ventana(b.contexto);
            QCOMPARE(Lista(ventana), QString("1,2,5"));
            QVERIFY(Hijo<QLineEdit>(ventana, "txtNumero")->isReadOnly());
            QVERIFY(Hijo<QCheckBox>(ventana, "chkSeguidosInversos")->isChecked());
            QVERIFY(b.marcados.isEmpty());  // no figure allowed
        }
        b.f().NumerosSeguidos.Rellenar(0);
        b.f().FigurasSeguidos[2] = 1;
        b.f().FigurasSeguidos[7] = 1;
        frmFiltroSEGUIDOS ventana(b.contexto);
        QCOMPARE(Lista(ventana), QString());
        for (int i = 0; i < 7; ++i) QCOMPARE(Figura(ventana, i)->isChecked(), i == 1 || i == 6);
        QVERIFY(!b.marcados.isEmpty() && b.marcados.count(kFiltroSeguidos) == b.marcados.size());
    }

    void elSelectorOfreceUnoACincoYDevuelveLaCuentaCeroIntacta() {
        Banco b;
        b.f().NumerosSeguidos[0] = 1;  // e.g. read from a file
        b.f().NumerosSeguidos[4] = 1;
        frmFiltroSEGUIDOS ventana(b.contexto);
        ventana.show();
        QCOMPARE(Lista(ventana), QString("0,4"));
        PruebaSelector::EncolarEleccion({2, 3});
        Pulsar(Hijo<QPushButton>(ventana, "cmdModificar"));
        QCOMPARE(PruebaSelector::Mostrados().size(), 1);
        QCOMPARE(PruebaSelector::Mostrados().first().minimo, 1);
        QCOMPARE(PruebaSelector::Mostrados().first().maximo, 5);
        QCOMPARE(b.Longitudes(), QList<int>({1, 0, 1, 1, 0, 0}));  // stored at once
        QCOMPARE(Lista(ventana), QString("0,2,3"));
        QCOMPARE(b.marcados, QList<int>({kFiltroSeguidos}));

        b.f().NumerosSeguidos[0] = 0;
        PruebaSelector::EncolarEleccion({});
        Pulsar(Hijo<QPushButton>(ventana, "cmdModificar"));
        QCOMPARE(Lista(ventana), QString());
        QCOMPARE(b.marcados.size(), 2);  // ticked even with nothing chosen
    }

    void figurasEInversoSeGuardanAlCerrarYSoloLasFigurasMarcan() {
        Banco b;
        b.f().FigurasSeguidos[1] = 1;
        frmFiltroSEGUIDOS ventana(b.contexto);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        b.marcados.clear();
        Pulsar(Hijo<QCheckBox>(ventana, "chkSeguidosInversos"));
        QVERIFY(b.marcados.isEmpty());
        Pulsar(Figura(ventana, 0));  // unticking a figure also switches the filter on
        Pulsar(Figura(ventana, 4));
        QCOMPARE(b.marcados, QList<int>({kFiltroSeguidos, kFiltroSeguidos}));
        QCOMPARE(b.f().FigurasSeguidos[1], uint8_t{1});  // not stored while open
        QCOMPARE(b.f().SeguidosInversos, int16_t{0});

        ventana.windowHandle()->close();
        QVERIFY(!ventana.isVisible());
        for (int i = 1; i <= 7; ++i) QCOMPARE(b.f().FigurasSeguidos[i], uint8_t(i == 5 ? 1 : 0));
        QCOMPARE(b.f().SeguidosInversos, int16_t{1});
    }

    void elDespachadorAbreElEditorYVolverGuarda() {
        Banco b;
        b.f().SeguidosInversos = 1;
        QString abierta;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            abierta = modal->objectName();
            Pulsar(Figura(*modal, 6));
            Pulsar(Hijo<QCheckBox>(*modal, "chkSeguidosInversos"));
            Pulsar(Hijo<QPushButton>(*modal, "cmdVolver"));
        });
        AbrirEditorFiltro(kFiltroSeguidos, b.contexto, nullptr);
        QCOMPARE(abierta, QString("frmFiltroSEGUIDOS"));
        QCOMPARE(b.f().FigurasSeguidos[7], uint8_t{1});
        QCOMPARE(b.f().SeguidosInversos, int16_t{0});
    }
};

PRUEBA_VENTANA(PruebaSeguidos)
#include "test_seguidos.moc"
