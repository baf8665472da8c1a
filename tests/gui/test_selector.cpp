#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_gui.h"
#include "dialogos_archivo.h"
#include "frmSelectorNumeros.h"
#include "mensajes.h"
#include "sistema.h"

namespace {

const QColor kRosa(255, 192, 192);
const QColor kVerde(192, 255, 192);

QString Texto(QObject& v, const char* nombre) { return Hijo<QPlainTextEdit>(v, nombre)->toPlainText(); }
QString Cuenta(QObject& v, const char* nombre) { return Hijo<QLabel>(v, nombre)->text(); }
QColor Fondo(QObject& v, const char* nombre) { return Hijo<QLabel>(v, nombre)->palette().color(QPalette::Window); }

QByteArray Serie(int desde, int hasta) {
    QByteArray s;
    for (int v = desde; v <= hasta; ++v) s += QByteArray::number(v).rightJustified(5, '0') + "\r\n";
    return s;
}

}  // namespace

class PruebaSelector : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    EstadoSesion sesion_;

    QString Fichero(const char* nombre, const QByteArray& contenido) { return EscribirFichero(dir_, nombre, contenido); }

private slots:
    void init() {
        ActivarPruebasVentana();
        sesion_ = EstadoSesion{};
    }

    void repetidosYColores() {
        frmSelectorNumeros v(sesion_);
        v.show();
        QCOMPARE(v.windowTitle(), QString("SELECTOR DE NUMEROS"));
        QCOMPARE(Hijo<QComboBox>(v, "cboTipoTerminacion")->currentText(), QString("10"));
        QVERIFY(Hijo<QCheckBox>(v, "chkAleatorio")->isChecked());
        ImportarDesdeFichero(v, Fichero("tres.txt", "12345\r\n99945\r\n12345\r\n"));
        QVERIFY(Textos().isEmpty());
        QCOMPARE(Cuenta(v, "lblApuCombinacionNueva"), QString("3"));
        QCOMPARE(Hijo<QLineEdit>(v, "txtFicheroASCII")->text(), QString("tres.txt"));
        QCOMPARE(Hijo<QLineEdit>(v, "txtFicheroASCII")->toolTip(), dir_.filePath("tres.txt"));
        QCOMPARE(Texto(v, "txtCentenasJugadas"), QString("345: 2\n945: 1"));
        QCOMPARE(Texto(v, "txtDecenasJugadas"), QString("45: 3"));
        QCOMPARE(Texto(v, "txtUnidadesJugadas"), QString("5: 3"));
        QCOMPARE(Cuenta(v, "lblNumeroCentenas"), QString("2/1000"));
        QCOMPARE(Cuenta(v, "lblNumeroDecenas"), QString("1/100"));
        QCOMPARE(Cuenta(v, "lblNumeroUnidades"), QString("1/10"));
        for (const char* n : {"lblNumeroCentenas", "lblNumeroDecenas", "lblNumeroUnidades"}) QCOMPARE(Fondo(v, n), kRosa);
        QCOMPARE(EstadosDistintos(v, {"+cmdDesdeFichero", "+cmdVolver", "+cmdGenerarTerminaciones", "+chkAleatorio"}),
                 QString());

        // The close box is refused; "Volver" closes.
        QVERIFY(SoloCierraConVolver(v));
    }

    void tiposCompletosEnVerde() {
        frmSelectorNumeros v(sesion_);
        ImportarDesdeFichero(v, Fichero("diez.txt", Serie(0, 9)));
        QCOMPARE(Cuenta(v, "lblNumeroUnidades"), QString("10/10"));
        QCOMPARE(Fondo(v, "lblNumeroUnidades"), kVerde);
        QCOMPARE(Cuenta(v, "lblNumeroDecenas"), QString("10/100"));
        QCOMPARE(Fondo(v, "lblNumeroDecenas"), kRosa);
        QCOMPARE(Cuenta(v, "lblNumeroCentenas"), QString("10/1000"));

        ImportarDesdeFichero(v, Fichero("mil.txt", Serie(0, 999)));
        QCOMPARE(Cuenta(v, "lblApuCombinacionNueva"), QString("1000"));
        for (const char* n : {"lblNumeroCentenas", "lblNumeroDecenas", "lblNumeroUnidades"}) QCOMPARE(Fondo(v, n), kVerde);
        QCOMPARE(Cuenta(v, "lblNumeroCentenas"), QString("1000/1000"));
        QVERIFY(Texto(v, "txtCentenasJugadas").startsWith("000: 1\n001: 1\n"));
    }

    void generarSinFicheroYFallos() {
        frmSelectorNumeros v(sesion_);
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarTerminaciones"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        Pulsar(Hijo<QPushButton>(v, "cmdImprimir"));
        QCOMPARE(Textos(), (QStringList{"ERROR: NO HAY NINGUN FICHERO CARGADO", "ERROR: NO HAY NINGUN FICHERO CARGADO",
                                        "ERROR: NO HAY NINGUN NUMERO ELEGIDO PARA IMPRIMIR"}));
        QCOMPARE(Texto(v, "txtNumerosElegidos"), QString());

        ImportarDesdeFichero(v, Fichero("bien.txt", "12321\r\n45654\r\n12345\r\n"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        QCOMPARE(Texto(v, "txtNumerosElegidosCapicuas"), QString("12321\n45654"));
        QCOMPARE(Cuenta(v, "lblNumerosCapicuas"), QString("2"));
        Hijo<QCheckBox>(v, "chkAleatorio")->setChecked(false);
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarTerminaciones"));
        QCOMPARE(Texto(v, "txtNumerosElegidos"), QString("12321\n45654\n12345"));
        QCOMPARE(Cuenta(v, "lblNumerosElegidos"), QString("3"));
        QCOMPARE(Cuenta(v, "lblTerminacionesFaltantes"), QString("7"));

        // Cancelling the dialog changes nothing.
        PruebaMensajes::Limpiar();
        PruebaDialogos::EncolarRuta(QString());
        Pulsar(Hijo<QToolButton>(v, "cmdDesdeFichero"));
        QCOMPARE(Texto(v, "txtNumerosElegidos"), QString("12321\n45654\n12345"));
        QCOMPARE(Cuenta(v, "lblApuCombinacionNueva"), QString("3"));

        // An empty file: the warning, the lists kept, the generation refused.
        ImportarDesdeFichero(v, Fichero("vacio.txt", ""));
        QCOMPARE(Textos().first(), QString("AVISO: Se han importado 0 apuestas.\r\nEl fichero ha de estar en formato: "
                                           "12345 o 1-2-3-4-5 o 1,2,3,4,5 o 1 2 3 4 5"));
        QCOMPARE(Cuenta(v, "lblApuCombinacionNueva"), QString("0"));
        QCOMPARE(Texto(v, "txtNumerosElegidos"), QString());
        QCOMPARE(Texto(v, "txtNumerosElegidosCapicuas"), QString());
        QCOMPARE(Cuenta(v, "lblNumerosCapicuas"), QString("0"));
        QCOMPARE(Cuenta(v, "lblNumeroUnidades"), QString("3/10"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        QCOMPARE(Textos().last(), QString("ERROR: NO HAY NINGUN FICHERO CARGADO"));

        // A bad line: the import error, nothing loaded, the name kept.
        PruebaMensajes::Limpiar();
        ImportarDesdeFichero(v, Fichero("malo.txt", "12345\r\n12a45\r\n"));
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos().first().startsWith("ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ("));
        QCOMPARE(Cuenta(v, "lblApuCombinacionNueva"), QString("0"));
        QCOMPARE(v.TotalImportados, 0);
        QCOMPARE(Hijo<QLineEdit>(v, "txtFicheroASCII")->text(), QString("malo.txt"));
        QVERIFY(Hijo<QPushButton>(v, "cmdVolver")->isEnabled());
    }

    void verListaEnElEditor() {
        frmSelectorNumeros v(sesion_);
        ImportarDesdeFichero(v, Fichero("cap.txt", "12321\r\n"));
        Pulsar(Hijo<QPushButton>(v, "cmdGenerarCapicuas"));
        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(v, "cmdVerenBlocdeNotas_3"));
        QCOMPARE(PruebaSistema::Abiertos().size(), 1);
        QFile f(PruebaSistema::Abiertos().first());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("12321\r\n"));
        PruebaSistema::Desactivar();
    }
};

PRUEBA_VENTANA(PruebaSelector)
#include "test_selector.moc"
