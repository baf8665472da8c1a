#include <QSignalSpy>
#include <QtTest>

#include "ayuda_gui.h"
#include "rejilla_casillas.h"

class PruebaRejillaCasillas : public QObject {
    Q_OBJECT
private slots:
    // An editor grid shows one settings row, enabled only where the base has
    // the cell; clicks write that row and nothing else.
    void filaDeAjustesSobreLaBase() {
        AjustesFiltros ajustes;
        RejillaBase base;
        for (Casilla c : {1, 2, 15, 50}) base.Fijar(c, true);
        ModeloFilaCasillas modelo(ajustes.NumerosGrupo.Fila(4));
        OpcionesRejilla opciones;
        opciones.nombreCeldas = "lblNumero_G2";
        opciones.encabezados = false;
        RejillaCasillas rejilla(&modelo, opciones);
        QVERIFY(rejilla.findChild<QLabel*>("lblNumero_G2_14") != nullptr);
        QVERIFY(rejilla.Encabezado(1) == nullptr && rejilla.Contador(1) == nullptr);
        rejilla.HabilitarSegunBase(base);
        rejilla.show();

        QSignalSpy pulsadas(&rejilla, &RejillaCasillas::celdaPulsada);
        Pulsar(rejilla.Celda(14));
        Pulsar(rejilla.Celda(3));  // not in the base: disabled, no click
        QCOMPARE(pulsadas.count(), 1);
        QCOMPARE(pulsadas.first().first().toInt(), 14);
        QCOMPARE(ajustes.NumerosGrupo(4, 15), uint8_t{1});
        QCOMPARE(ajustes.NumerosGrupo(4, 4), uint8_t{0});
        QVERIFY(rejilla.AspectoSeleccionado(14));
        QVERIFY(!rejilla.AspectoSeleccionado(3));
        for (int g : {3, 5})
            for (int c = 1; c <= 50; ++c) QCOMPARE(ajustes.NumerosGrupo(g, c), uint8_t{0});

        // Another row shown; a repaint drops cells outside the base from it only.
        ajustes.NumerosGrupo(5, 2) = 1;
        ajustes.NumerosGrupo(5, 30) = 1;
        ajustes.NumerosGrupo(6, 30) = 1;
        modelo.Apuntar(ajustes.NumerosGrupo.Fila(5));
        rejilla.RefrescarQuitandoDeshabilitadas();
        QVERIFY(rejilla.AspectoSeleccionado(1));
        QVERIFY(!rejilla.AspectoSeleccionado(14));
        QCOMPARE(ajustes.NumerosGrupo(5, 30), uint8_t{0});
        QCOMPARE(ajustes.NumerosGrupo(5, 2), uint8_t{1});
        QCOMPARE(ajustes.NumerosGrupo(6, 30), uint8_t{1});
        QCOMPARE(ajustes.NumerosGrupo(4, 15), uint8_t{1});

        // Select all reaches every cell, disabled ones included.
        rejilla.SeleccionarTodas();
        QCOMPARE(rejilla.ContarSeleccionadas(), 50);
        for (int c = 1; c <= 50; ++c) QCOMPARE(ajustes.NumerosGrupo(5, c), uint8_t{1});
        QCOMPARE(ajustes.NumerosGrupo(6, 1), uint8_t{0});
        rejilla.Limpiar();
        QCOMPARE(rejilla.ContarSeleccionadas(), 0);
    }

    void encabezadosYContadoresDeColumna() {
        RejillaBase base;
        ModeloRejillaBase modelo(base);
        OpcionesRejilla opciones;
        opciones.contadores = true;
        RejillaCasillas rejilla(&modelo, opciones);
        QCOMPARE(rejilla.Celda(39)->text(), QString("9"));
        rejilla.show();
        Pulsar(rejilla.Celda(20));
        Pulsar(rejilla.Celda(29));
        rejilla.FijarSeleccion(0, true);
        QCOMPARE(rejilla.Contador(3)->text(), QString("2"));
        QCOMPARE(rejilla.Contador(1)->text(), QString("1"));
        QVERIFY(base.Seleccionada(21) && base.Seleccionada(30) && base.Seleccionada(1));
        // Changes made to the model elsewhere show after a repaint.
        base.Limpiar();
        base.Fijar(50, true);
        rejilla.Refrescar();
        QVERIFY(rejilla.AspectoSeleccionado(49));
        QVERIFY(!rejilla.AspectoSeleccionado(20));
        QCOMPARE(rejilla.Contador(3)->text(), QString("0"));
        QCOMPARE(rejilla.Contador(5)->text(), QString("1"));
    }
};

PRUEBA_VENTANA(PruebaRejillaCasillas)
#include "test_rejilla_casillas.moc"
