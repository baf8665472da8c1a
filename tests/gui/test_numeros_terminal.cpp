#include <QDate>
#include <QDir>

#include "ayuda_gui.h"
#include "frmNumerosTerminal.h"

namespace {

// The loaded draw as its boxes show it.
QStringList Datos(QObject& v) {
    return Vistos(v, {"txtIDSorteo", "txtNombreSorteo", "txtPrimerPremio", "txtSegundoPremio", "txtTotalDecimosInternet", "cboDia"});
}

void ElegirFecha(QObject& v, int dia, int mes, const QString& anio) {
    Hijo<QComboBox>(v, "cboDias")->setCurrentIndex(dia - 1);
    Hijo<QComboBox>(v, "cboMeses")->setCurrentIndex(mes - 1);
    Hijo<QLineEdit>(v, "txtAnio")->setText(anio);
    Pulsar(Hijo<QPushButton>(v, "cmdConsultarSorteo"));
}

}  // namespace

class PruebaNumerosTerminal : public QObject {
    Q_OBJECT
private slots:
    // A new window: today's date, no draw, and every action that needs one
    // refused. Then a draw loaded, filtered, saved and stepped from.
    void consultaFiltroYGuardado() {
        ActivarPruebasVentana();
        QTemporaryDir dir;
        const QString carpeta = QStringLiteral(VORTESALIN_DATOS_PRUEBA "/sorteos");  // three Tuesday draws
        frmNumerosTerminal v(carpeta);
        v.show();
        const QDate hoy = QDate::currentDate();
        QCOMPARE(Vistos(v, {"cboDias", "cboMeses", "txtAnio", "cboTerminaciones_4", "txtCantidadDisponibleMIN",
                            "txtCantidadDisponibleMAX", "txtNumeroDecimosFiltrados"}),
                 (QStringList{hoy.toString("dd"), hoy.toString("MM"), hoy.toString("yyyy"), "*", "1", "99999", "0"}));
        QCOMPARE(Datos(v), (QStringList{"0", "", "", "", "0", "--"}));
        auto* anio = Hijo<QLineEdit>(v, "txtAnio");
        anio->clear();
        QTest::keyClicks(anio, QStringLiteral("2a0-2 4"));
        QCOMPARE(anio->text(), QStringLiteral("2024"));
        ElegirFecha(v, 31, 2, QStringLiteral("2024"));
        ElegirFecha(v, 1, 2, QString());
        Pulsar(Hijo<QPushButton>(v, "cmdConsultarSorteoAnterior"));
        Pulsar(Hijo<QPushButton>(v, "cmdConsultarSorteoSiguiente"));
        Pulsar(Hijo<QPushButton>(v, "cmdFiltrar"));
        Pulsar(Hijo<QToolButton>(v, "cmdGuardarFicheroInternet"));
        Pulsar(Hijo<QToolButton>(v, "cmdGuardarFicheroFiltrado"));
        QCOMPARE(Textos(), (QStringList{"ERROR: FECHA SORTEO INCORRECTA", "ERROR: FECHA SORTEO INCORRECTA",
                                        "ERROR: TIENE QUE CARGAR PRIMERO UN SORTEO", "ERROR: TIENE QUE CARGAR PRIMERO UN SORTEO",
                                        "ERROR: No hay números cargados", "ERROR: No hay números cargados",
                                        "ERROR: No hay números filtrados"}));
        QVERIFY(PruebaDialogos::Mostrados().isEmpty());
        PruebaMensajes::Limpiar();

        ElegirFecha(v, 22, 12, QStringLiteral("2026"));
        QCOMPARE(Datos(v), (QStringList{"101/2026", "Sorteo del Martes", "300.000 €", "60.000", "4", "M"}));
        QCOMPARE(EstadosDistintos(v, {"+picDatosSorteos", "+picFiltrarSorteos", "+cmdVolver", "~picVentanaEspera"}), QString());
        Hijo<QComboBox>(v, "cboTerminaciones_4")->setCurrentText(QStringLiteral("5"));
        Hijo<QLineEdit>(v, "txtCantidadDisponibleMIN")->clear();
        Hijo<QLineEdit>(v, "txtCantidadDisponibleMAX")->setText(QStringLiteral("7"));
        Pulsar(Hijo<QPushButton>(v, "cmdFiltrar"));
        const QString ruta = dir.filePath(QStringLiteral("filtrados.txt"));
        PruebaDialogos::EncolarRuta(ruta);
        Pulsar(Hijo<QToolButton>(v, "cmdGuardarFicheroFiltrado"));
        QCOMPARE(ContenidoFichero(ruta), QByteArray("12345\r\n55555\r\n02345\r\n"));
        QCOMPARE(Visto(v, "txtNumeroDecimosFiltrados"), QStringLiteral("3"));

        // The raw file, put in another folder, is read back as the draw it came from.
        const QString otra = dir.filePath(QStringLiteral("otra"));
        QDir().mkpath(otra);
        PruebaDialogos::EncolarRuta(otra + QStringLiteral("/20261222.txt"));
        Pulsar(Hijo<QToolButton>(v, "cmdGuardarFicheroInternet"));
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QStringLiteral("20261222.txt"));
        frmNumerosTerminal copia(otra);
        Pulsar(Hijo<QPushButton>(copia, "cmdConsultarUltimoSorteo"));
        QCOMPARE(Datos(copia), Datos(v));
        QCOMPARE(Vistos(copia, {"cboDias", "cboMeses", "txtAnio"}).join('/'), QStringLiteral("22/12/2026"));

        // The filter reset keeps the draw; a step to another draw drops the
        // filter result and shows that draw's date.
        Pulsar(Hijo<QToolButton>(v, "IniFiltrarSorteos"));
        QCOMPARE(Vistos(v, {"txtNumeroDecimosFiltrados", "txtCantidadDisponibleMIN", "txtIDSorteo", "cboTerminaciones_4"}),
                 (QStringList{"0", "1", "101/2026", "*"}));
        Pulsar(Hijo<QPushButton>(v, "cmdFiltrar"));
        QCOMPARE(Visto(v, "txtNumeroDecimosFiltrados"), QStringLiteral("4"));
        Pulsar(Hijo<QPushButton>(v, "cmdConsultarSorteoAnterior"));
        QCOMPARE(Vistos(v, {"txtIDSorteo", "txtNumeroDecimosFiltrados", "cboDias", "cboMeses", "txtAnio"}).join(' '),
                 QStringLiteral("100/2026 0 15 12 2026"));
        Pulsar(Hijo<QPushButton>(v, "cmdConsultarSorteoSiguiente"));
        Pulsar(Hijo<QPushButton>(v, "cmdConsultarSorteoSiguiente"));
        QCOMPARE(Visto(v, "txtIDSorteo") + ' ' + Visto(v, "txtTotalDecimosInternet"), QStringLiteral("102/2026 0"));
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());

        // A lookup that finds nothing says so and keeps the draw; a step goes
        // from the loaded draw, not from the chosen date.
        ElegirFecha(v, 31, 12, QStringLiteral("2026"));
        Pulsar(Hijo<QPushButton>(v, "cmdConsultarSorteoSiguiente"));
        const QString donde = QStringLiteral(" EN LA CARPETA:\r\n") + carpeta;
        QCOMPARE(Textos(), (QStringList{"ERROR: NO HAY NINGÚN SORTEO DEL 31/12/2026 (fichero 20261231.txt)" + donde,
                                        "ERROR: NO HAY NINGÚN SORTEO POSTERIOR AL 29/12/2026" + donde}));
        QCOMPARE(Visto(v, "txtIDSorteo"), QStringLiteral("102/2026"));
        Pulsar(Hijo<QToolButton>(v, "cmdIniDatosSorteo"));
        QCOMPARE(Datos(v), (QStringList{"0", "", "", "", "0", "--"}));
        QVERIFY(SoloCierraConVolver(v));
    }
};

PRUEBA_VENTANA(PruebaNumerosTerminal)
#include "test_numeros_terminal.moc"
