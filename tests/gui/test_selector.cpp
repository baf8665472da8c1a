#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "ayuda_gui.h"
#include "frmSelectorNumeros.h"
#include "sistema.h"

namespace {

QString Texto(QObject& v, const char* nombre) { return Hijo<QPlainTextEdit>(v, nombre)->toPlainText(); }

// The labels' texts, "+" after each one shown green (every ending of its type played).
QString Cuentas(QObject& v, std::initializer_list<const char*> nombres) {
    QStringList cuentas;
    for (const char* n : nombres) {
        const QLabel* l = Hijo<QLabel>(v, n);
        cuentas << l->text() + (l->palette().color(QPalette::Window) == QColor(192, 255, 192) ? "+" : "");
    }
    return cuentas.join(' ');
}

}  // namespace

class PruebaSelector : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    EstadoSesion sesion_;

private slots:
    void init() {
        ActivarPruebasVentana();
        sesion_ = EstadoSesion{};
    }

    void importarMuestraLasTerminaciones() {
        frmSelectorNumeros v(sesion_);
        v.show();
        const QString tres = EscribirFichero(dir_, "tres.txt", "12345\r\n99945\r\n12345\r\n");
        ImportarDesdeFichero(v, tres);
        QVERIFY(Textos().isEmpty());
        QCOMPARE(Hijo<QLineEdit>(v, "txtFicheroASCII")->text() + ' ' + Hijo<QLineEdit>(v, "txtFicheroASCII")->toolTip(),
                 "tres.txt " + tres);
        QCOMPARE(Texto(v, "txtCentenasJugadas") + '|' + Texto(v, "txtDecenasJugadas") + '|' + Texto(v, "txtUnidadesJugadas"),
                 QString("345: 2\n945: 1|45: 3|5: 3"));
        const auto tipos = {"lblApuCombinacionNueva", "lblNumeroCentenas", "lblNumeroDecenas", "lblNumeroUnidades"};
        QCOMPARE(Cuentas(v, tipos), QString("3 2/1000 1/100 1/10"));
        QByteArray cien;
        for (int n = 0; n < 100; ++n) cien += QByteArray::number(n + 500).rightJustified(5, '0') + "\r\n";
        ImportarDesdeFichero(v, EscribirFichero(dir_, "cien.txt", cien));
        QCOMPARE(Cuentas(v, tipos), QString("100 100/1000 100/100+ 10/10+"));
        // The close box is refused; "Volver" closes.
        QVERIFY(SoloCierraConVolver(v));
    }

    void generarSinFicheroYFallos() {
        frmSelectorNumeros v(sesion_);
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarTerminaciones"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        Pulsar(Hijo<QPushButton>(v, "cmdImprimir"));
        QCOMPARE(Textos(), (QStringList{"ERROR: NO HAY NINGUN FICHERO CARGADO", "ERROR: NO HAY NINGUN FICHERO CARGADO",
                                        "ERROR: NO HAY NINGUN NUMERO ELEGIDO PARA IMPRIMIR"}));

        ImportarDesdeFichero(v, EscribirFichero(dir_, "bien.txt", "12321\r\n45654\r\n12345\r\n"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        Hijo<QCheckBox>(v, "chkAleatorio")->setChecked(false);
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarTerminaciones"));
        QCOMPARE(Texto(v, "txtNumerosElegidosCapicuas") + '|' + Texto(v, "txtNumerosElegidos"),
                 QString("12321\n45654|12321\n45654\n12345"));
        QCOMPARE(Cuentas(v, {"lblNumerosCapicuas", "lblNumerosElegidos", "lblTerminacionesFaltantes"}), QString("2 3 7"));
        // A list goes to the text editor as a file.
        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(v, "cmdVerenBlocdeNotas_3"));
        QFile f(PruebaSistema::Abiertos().value(0));
        PruebaSistema::Desactivar();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("12321\r\n45654\r\n"));

        // An empty file: the warning, the chosen lists cleared, the generation refused.
        ImportarDesdeFichero(v, EscribirFichero(dir_, "vacio.txt", ""));
        QCOMPARE(Textos().last(), QString("AVISO: Se han importado 0 apuestas.\r\nEl fichero ha de estar en formato: "
                                          "12345 o 1-2-3-4-5 o 1,2,3,4,5 o 1 2 3 4 5"));
        QCOMPARE(Texto(v, "txtNumerosElegidos") + Texto(v, "txtNumerosElegidosCapicuas"), QString());
        QCOMPARE(Cuentas(v, {"lblApuCombinacionNueva", "lblNumerosCapicuas", "lblNumeroUnidades"}), QString("0 0 3/10"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        QCOMPARE(Textos().last(), QString("ERROR: NO HAY NINGUN FICHERO CARGADO"));

        // A bad line: nothing loaded, the name kept.
        ImportarDesdeFichero(v, EscribirFichero(dir_, "malo.txt", "12345\r\n12a45\r\n"));
        QVERIFY(Textos().last().startsWith("ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ("));
        QCOMPARE(v.TotalImportados, 0);
        QCOMPARE(Hijo<QLineEdit>(v, "txtFicheroASCII")->text(), QString("malo.txt"));
    }
};

PRUEBA_VENTANA(PruebaSelector)
#include "test_selector.moc"
