#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>

#include "ayuda_gui.h"
#include "frmAnalisis.h"
#include "sistema.h"

class PruebaAnalisis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void listasCeldasVistasYEditor() {
        ActivarPruebasVentana();
        EstadoSesion sesion;
        FijarResultado(sesion, {"10045", "22245", "30007", "40005", "50010", "60011", "70012", "80013"});
        frmAnalisis v(sesion);
        v.TotalNumeros = 8;
        v.show();
        QTRY_COMPARE(v.Activaciones(), 1);
        const struct {
            const char *caja, *comienzo, *etiqueta, *distintos;
        } listas[] = {{"txt2Cifras", "10: 1\n22: 1\n", "lbl2PrimerasCifras", "8/100"},
                      {"txt3Cifras", "100: 1\n222: 1\n", "lbl3PrimerasCifras", "8/1000"},
                      {"txtDecenasJugadas", "05: 1\n07: 1\n", "lbl2UltimasCifras", "7/100"},
                      {"txtCentenasJugadas", "005: 1\n007: 1\n", "lbl3UltimasCifras", "8/1000"}};
        for (const auto& l : listas) {
            QVERIFY2(Hijo<QPlainTextEdit>(v, l.caja)->toPlainText().startsWith(l.comienzo), l.caja);
            QCOMPARE(Hijo<QLabel>(v, l.etiqueta)->text(), QString(l.distintos));
        }
        // Cell k of the grid: digit (k - 1) % 10 at position (k - 1) / 10 + 1, blue when played.
        const auto celdas = [&] {
            QStringList t;
            for (int k : {1, 2, 11, 35}) {
                const QLabel* c = Hijo<QLabel>(v, QStringLiteral("lblN_%1").arg(k - 1));
                t << c->text() + (c->palette().color(QPalette::Window) == QColor(192, 192, 255) ? "+" : "");
            }
            return t.join('|');
        };
        QCOMPARE(celdas(), QString("|1+|7+|2+"));
        auto* boton = Hijo<QPushButton>(v, "cmdSwitch");
        Pulsar(boton);
        QCOMPARE(boton->text(), QString("Nº"));
        QCOMPARE(celdas(), QString("|12,5 %+|87,5 %+|25 %+"));
        Pulsar(boton);
        QCOMPARE(celdas(), QString("|1+|7+|2+"));

        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(v, "cmdVerAnalisis"));
        QFile f(PruebaSistema::Abiertos().value(0));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains("3 últimas cifras: 8/1000\r\n005: 1\r\n007: 1\r\n"));
        PruebaSistema::Activar(false);
        Pulsar(Hijo<QToolButton>(v, "cmdVerAnalisis"));
        QCOMPARE(Textos(), QStringList{"ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se ha podido abrir el "
                                       "editor de textos)"});
        PruebaSistema::Desactivar();
        // Only "Volver" closes.
        QVERIFY(SoloCierraConVolver(v));
    }
};

PRUEBA_VENTANA(PruebaAnalisis)
#include "test_analisis.moc"
