#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "ayuda_gui.h"
#include "editores.h"
#include "frmFiltroPARESIMPARES.h"
#include "sesion.h"

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
        auto sesion = std::make_unique<EstadoSesion>();
        QList<int> marcados;
        ContextoEditor contexto{*sesion, [&](int i) { marcados << i; }};
        {
            frmFiltroPARESIMPARES vacio(contexto);
            for (int i = 0; i <= 5; ++i) QVERIFY(!Caja(vacio, i)->isChecked());
            QVERIFY(marcados.isEmpty());
        }
        const uint8_t guardado[6] = {0, 1, 1, 1, 1, 0};
        for (int i = 0; i <= 5; ++i) sesion->filtros.ParesActivos[i] = guardado[i];
        frmFiltroPARESIMPARES ventana(contexto);
        for (int i = 0; i <= 5; ++i) QCOMPARE(Caja(ventana, i)->isChecked(), guardado[i] == 1);
        QVERIFY(!marcados.isEmpty());
        QVERIFY(marcados.count(kFiltroParesImpares) == marcados.size());
        QCOMPARE(Fila(sesion->filtros), QList<int>({0, 1, 1, 1, 1, 0}));
    }

    void cadaClicGuardaAlMomentoYMarcaElFiltroYLaCasillaDeCierreLoConserva() {
        auto sesion = std::make_unique<EstadoSesion>();
        sesion->filtros.ParesActivos[2] = 1;
        QList<int> marcados;
        ContextoEditor contexto{*sesion, [&](int i) { marcados << i; }};
        frmFiltroPARESIMPARES ventana(contexto);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        marcados.clear();

        Pulsar(Caja(ventana, 0));
        QCOMPARE(Fila(sesion->filtros), QList<int>({1, 0, 1, 0, 0, 0}));
        QCOMPARE(marcados, QList<int>({kFiltroParesImpares}));
        Pulsar(Caja(ventana, 2));  // unticking also switches the filter on
        Pulsar(Caja(ventana, 0));
        QCOMPARE(Fila(sesion->filtros), QList<int>({0, 0, 0, 0, 0, 0}));
        QCOMPARE(marcados.size(), 3);
        Pulsar(Caja(ventana, 5));

        // Nothing allowed is still accepted; the close box leaves like "Volver".
        Pulsar(Caja(ventana, 5));
        ventana.windowHandle()->close();
        QVERIFY(!ventana.isVisible());
        QCOMPARE(Fila(sesion->filtros), QList<int>({0, 0, 0, 0, 0, 0}));
    }

    void elDespachadorAbreElEditorDelFiltroCuatro() {
        auto sesion = std::make_unique<EstadoSesion>();
        QList<int> marcados;
        ContextoEditor contexto{*sesion, [&](int i) { marcados << i; }};
        QString abierta;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            abierta = modal->objectName();
            Pulsar(Caja(*modal, 3));
            Pulsar(Hijo<QPushButton>(*modal, "cmdVolver"));
        });
        AbrirEditorFiltro(kFiltroParesImpares, contexto, nullptr);
        QCOMPARE(abierta, QString("frmFiltroPARESIMPARES"));
        QCOMPARE(Fila(sesion->filtros), QList<int>({0, 0, 0, 1, 0, 0}));
        QCOMPARE(marcados, QList<int>({kFiltroParesImpares}));
    }
};

PRUEBA_VENTANA(PruebaParesImpares)
#include "test_paresimpares.moc"
