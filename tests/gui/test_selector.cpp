#include <QCheckBox>

#include "ayuda_gui.h"
#include "frmSelectorNumeros.h"
#include "sistema.h"

namespace {

// The labels' texts, "+" after each one shown green (every ending of its type played).
QString Cuentas(QObject& v, const QStringList& nombres) { return Vistos(v, nombres, QColor(192, 255, 192)).join(' '); }

}  // namespace

class PruebaSelector : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasVentana(); }

    // Nothing to generate or print before a file; a file's endings counted, its
    // capicúas and one number per ending chosen; a full type of ending shown
    // green; an empty file and a bad one each clear what came from the last.
    void importarYGenerar() {
        QTemporaryDir dir;
        EstadoSesion sesion;
        frmSelectorNumeros v(sesion);
        v.show();
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarTerminaciones"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        Pulsar(Hijo<QPushButton>(v, "cmdImprimir"));
        QCOMPARE(Textos(), (QStringList{"ERROR: NO HAY NINGUN FICHERO CARGADO", "ERROR: NO HAY NINGUN FICHERO CARGADO",
                                        "ERROR: NO HAY NINGUN NUMERO ELEGIDO PARA IMPRIMIR"}));

        const QString cinco = EscribirFichero(dir, "cinco.txt", "12321\r\n45654\r\n12345\r\n99945\r\n12345\r\n");
        ImportarDesdeFichero(v, cinco);
        QCOMPARE(Textos().size(), 3);
        QCOMPARE(Visto(v, "txtFicheroASCII") + ' ' + Hijo<QLineEdit>(v, "txtFicheroASCII")->toolTip(), "cinco.txt " + cinco);
        QCOMPARE(Vistos(v, {"txtCentenasJugadas", "txtDecenasJugadas", "txtUnidadesJugadas"}).join('|'),
                 QString("321: 1\n345: 2\n654: 1\n945: 1|21: 1\n45: 3\n54: 1|1: 1\n4: 1\n5: 3"));
        const QStringList tipos{"lblApuCombinacionNueva", "lblNumeroCentenas", "lblNumeroDecenas", "lblNumeroUnidades"};
        QCOMPARE(Cuentas(v, tipos), QString("5 4/1000 3/100 3/10"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        Hijo<QCheckBox>(v, "chkAleatorio")->setChecked(false);
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarTerminaciones"));
        QCOMPARE(Vistos(v, {"txtNumerosElegidosCapicuas", "txtNumerosElegidos"}).join('|'),
                 QString("12321\n45654|12321\n45654\n12345"));
        QCOMPARE(Cuentas(v, {"lblNumerosCapicuas", "lblNumerosElegidos", "lblTerminacionesFaltantes"}), QString("2 3 7"));
        // A list goes to the text editor as a file.
        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(v, "cmdVerenBlocdeNotas_3"));
        QCOMPARE(ContenidoFichero(PruebaSistema::Abiertos().value(0)), QByteArray("12321\r\n45654\r\n"));

        QByteArray cien;
        for (int n = 0; n < 100; ++n) cien += QByteArray::number(n + 500).rightJustified(5, '0') + "\r\n";
        ImportarDesdeFichero(v, EscribirFichero(dir, "cien.txt", cien));
        QCOMPARE(Cuentas(v, tipos), QString("100 100/1000 100/100+ 10/10+"));

        // An empty file: the warning, the chosen lists cleared, the generation refused.
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarTerminaciones"));
        ImportarDesdeFichero(v, EscribirFichero(dir, "vacio.txt", ""));
        QCOMPARE(Textos().last(), QString("AVISO: Se han importado 0 apuestas.\r\nEl fichero ha de estar en formato: "
                                          "12345 o 1-2-3-4-5 o 1,2,3,4,5 o 1 2 3 4 5"));
        QCOMPARE(Visto(v, "txtNumerosElegidos") + Visto(v, "txtNumerosElegidosCapicuas"), QString());
        QCOMPARE(Cuentas(v, {"lblApuCombinacionNueva", "lblNumerosCapicuas", "lblNumeroUnidades"}), QString("0 0 10/10+"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        QCOMPARE(Textos().last(), QString("ERROR: NO HAY NINGUN FICHERO CARGADO"));

        // A bad line: nothing loaded, the name kept; the close box is refused, "Volver" closes.
        ImportarDesdeFichero(v, kFicheroLetra);
        QCOMPARE(Textos().last(), kErrorLetra);
        QCOMPARE(v.TotalImportados, 0);
        QCOMPARE(Visto(v, "txtFicheroASCII"), QString("numeros_letra.txt"));
        QVERIFY(SoloCierraConVolver(v));
    }
};

PRUEBA_VENTANA(PruebaSelector)
#include "test_selector.moc"
