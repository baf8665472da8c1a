#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "ayuda_gui.h"
#include "dialogos_archivo.h"
#include "fichero_numeros.h"
#include "frmNumerosTerminal.h"
#include "mensajes.h"

namespace {

QString Caja(QObject& v, const char* nombre) { return Hijo<QLineEdit>(v, QString::fromLatin1(nombre))->text(); }

QStringList Datos(QObject& v) {
    QStringList d;
    for (const char* c : {"txtIDSorteo", "txtNombreSorteo", "txtPrimerPremio", "txtSegundoPremio", "txtTotalDecimosInternet"})
        d << Caja(v, c);
    return d << Hijo<QComboBox>(v, "cboDia")->currentText();
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
private:
    QTemporaryDir dir_;
    QString carpeta_;

    std::unique_ptr<frmNumerosTerminal> Abrir(const QString& carpeta) {
        auto v = std::make_unique<frmNumerosTerminal>(carpeta);
        v->show();
        return v;
    }
    std::unique_ptr<frmNumerosTerminal> Abrir() { return Abrir(carpeta_); }

private slots:
    void initTestCase() {
        carpeta_ = dir_.filePath(QStringLiteral("sorteos"));
        QDir().mkpath(carpeta_);
        const QByteArray cabecera = "Nombre: Sorteo del Martes\nPrimer premio: 300.000 \xE2\x82\xAC\nSegundo premio: 60.000\n";
        EscribirFichero(dir_, "sorteos/20261215.txt", "Sorteo: 100/2026\n" + cabecera + "11111;1;1\n");
        EscribirFichero(dir_, "sorteos/20261222.txt",
                        "Sorteo: 101/2026\r\n" + cabecera + "12345;3;1-10\n12340;10;2\n55555;1;\n02345;7;1,3\n");
        EscribirFichero(dir_, "sorteos/20261229.txt", "Sorteo: 102/2026\n" + cabecera);
    }

    void init() { ActivarPruebasVentana(); }

    void AperturaYCierre() {
        auto v = Abrir();
        const QDate hoy = QDate::currentDate();
        QCOMPARE(v->windowTitle(), QStringLiteral("Números de Terminal"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboDias")->currentText().toInt(), hoy.day());
        QCOMPARE(Hijo<QComboBox>(*v, "cboMeses")->currentText().toInt(), hoy.month());
        QCOMPARE(Hijo<QComboBox>(*v, "cboDias")->count(), 31);
        QCOMPARE(Caja(*v, "txtAnio"), QString::number(hoy.year()));
        QCOMPARE(Hijo<QComboBox>(*v, "cboDia")->currentText(), QStringLiteral("--"));
        for (int p = 0; p < 5; ++p) QCOMPARE(Hijo<QComboBox>(*v, QStringLiteral("cboTerminaciones_%1").arg(p))->currentText(), QStringLiteral("*"));
        QCOMPARE((QStringList{Caja(*v, "txtCantidadDisponibleMIN"), Caja(*v, "txtCantidadDisponibleMAX"), Caja(*v, "txtIDSorteo"),
                              Caja(*v, "txtTotalDecimosInternet"), Caja(*v, "txtNumeroDecimosFiltrados")}),
                 (QStringList{"1", "99999", "0", "0", "0"}));
        auto* anio = Hijo<QLineEdit>(*v, "txtAnio");
        anio->clear();
        QTest::keyClicks(anio, QStringLiteral("2a0-2 4"));
        QCOMPARE(anio->text(), QStringLiteral("2024"));
        v->close();
        QVERIFY(v->isVisible());
        Pulsar(Hijo<QPushButton>(*v, "cmdVolver"));
        QVERIFY(!v->isVisible());
    }

    void PrecondicionesSinSorteo() {
        auto v = Abrir();
        Hijo<QComboBox>(*v, "cboDias")->setCurrentIndex(30);
        Hijo<QComboBox>(*v, "cboMeses")->setCurrentIndex(1);
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteo"));
        Hijo<QComboBox>(*v, "cboDias")->setCurrentIndex(0);
        Hijo<QLineEdit>(*v, "txtAnio")->clear();
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteo"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoAnterior"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoSiguiente"));
        Pulsar(Hijo<QPushButton>(*v, "cmdFiltrar"));
        Pulsar(Hijo<QToolButton>(*v, "cmdGuardarFicheroInternet"));
        Pulsar(Hijo<QToolButton>(*v, "cmdGuardarFicheroFiltrado"));
        QCOMPARE(Textos(), (QStringList{"ERROR: FECHA SORTEO INCORRECTA", "ERROR: FECHA SORTEO INCORRECTA",
                                        "ERROR: TIENE QUE CARGAR PRIMERO UN SORTEO", "ERROR: TIENE QUE CARGAR PRIMERO UN SORTEO",
                                        "ERROR: No hay números cargados", "ERROR: No hay números cargados",
                                        "ERROR: No hay números filtrados"}));
        QVERIFY(PruebaDialogos::Mostrados().isEmpty());
    }

    void ConsultaFiltroYGuardado() {
        auto v = Abrir();
        ElegirFecha(*v, 22, 12, QStringLiteral("2026"));
        QCOMPARE(Datos(*v), (QStringList{"101/2026", "Sorteo del Martes", "300.000 €", "60.000", "4", "M"}));
        QCOMPARE(EstadosDistintos(*v, {"+picDatosSorteos", "+picFiltrarSorteos", "+cmdVolver", "~picVentanaEspera"}), QString());

        Hijo<QComboBox>(*v, "cboTerminaciones_4")->setCurrentText(QStringLiteral("5"));
        Hijo<QLineEdit>(*v, "txtCantidadDisponibleMIN")->clear();
        Hijo<QLineEdit>(*v, "txtCantidadDisponibleMAX")->setText(QStringLiteral("7"));
        Pulsar(Hijo<QPushButton>(*v, "cmdFiltrar"));
        QCOMPARE(Caja(*v, "txtNumeroDecimosFiltrados"), QStringLiteral("3"));  // 12345, 55555, 02345

        const QString ruta = dir_.filePath(QStringLiteral("filtrados.txt"));
        PruebaDialogos::EncolarRuta(ruta);
        Pulsar(Hijo<QToolButton>(*v, "cmdGuardarFicheroFiltrado"));
        const LecturaNumeros l = LeerFicheroNumeros(ruta.toStdString(), kLecturaPrincipal);
        QVERIFY(l.Correcta());
        QCOMPARE(l.total, 3);
        QCOMPARE(l.Digito(3, 1), uint8_t{0});

        // The raw file, put in another folder, is read back as the draw it came from.
        const QString otra = dir_.filePath(QStringLiteral("otra"));
        QDir().mkpath(otra);
        PruebaDialogos::EncolarRuta(otra + QStringLiteral("/20261222.txt"));
        Pulsar(Hijo<QToolButton>(*v, "cmdGuardarFicheroInternet"));
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QStringLiteral("20261222.txt"));
        auto copia = Abrir(otra);
        Pulsar(Hijo<QPushButton>(*copia, "cmdConsultarUltimoSorteo"));
        QCOMPARE(Datos(*copia), Datos(*v));

        // The filter reset keeps the draw; a step to another draw drops the filter result.
        Pulsar(Hijo<QToolButton>(*v, "IniFiltrarSorteos"));
        QCOMPARE(Caja(*v, "txtNumeroDecimosFiltrados"), QStringLiteral("0"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboTerminaciones_4")->currentText(), QStringLiteral("*"));
        QCOMPARE(Caja(*v, "txtCantidadDisponibleMIN"), QStringLiteral("1"));
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("101/2026"));
        Pulsar(Hijo<QPushButton>(*v, "cmdFiltrar"));
        QCOMPARE(Caja(*v, "txtNumeroDecimosFiltrados"), QStringLiteral("4"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoAnterior"));
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("100/2026"));
        QCOMPARE(Caja(*v, "txtNumeroDecimosFiltrados"), QStringLiteral("0"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoSiguiente"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoSiguiente"));
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("102/2026"));
        QCOMPARE(Caja(*v, "txtTotalDecimosInternet"), QStringLiteral("0"));
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        Pulsar(Hijo<QToolButton>(*v, "cmdIniDatosSorteo"));
        QCOMPARE(Datos(*v), (QStringList{"0", "", "", "", "0", "--"}));
    }

    // A lookup that finds nothing says where it looked and leaves the loaded draw alone.
    void ConsultaSinResultado() {
        auto v = Abrir();
        const QString donde = QStringLiteral(" EN LA CARPETA:\r\n") + carpeta_;
        ElegirFecha(*v, 23, 12, QStringLiteral("2026"));
        QCOMPARE(Datos(*v), (QStringList{"0", "", "", "", "0", "--"}));
        ElegirFecha(*v, 29, 12, QStringLiteral("2026"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoSiguiente"));
        ElegirFecha(*v, 22, 1, QStringLiteral("2026"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarUltimoSorteo"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoSiguiente"));
        QCOMPARE(Textos(), (QStringList{"ERROR: NO HAY NINGÚN SORTEO DEL 23/12/2026 (fichero 20261223.txt)" + donde,
                                        "ERROR: NO HAY NINGÚN SORTEO POSTERIOR AL 29/12/2026" + donde,
                                        "ERROR: NO HAY NINGÚN SORTEO DEL 22/01/2026 (fichero 20260122.txt)" + donde,
                                        "ERROR: NO HAY NINGÚN SORTEO POSTERIOR AL 29/12/2026" + donde}));
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("102/2026"));

        EscribirFichero(dir_, "sorteos/20270105.txt", "Sorteo: 103\nNombre: x\nPrimer premio: 1\nSegundo premio: 2\n1234;1;1\n");
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoSiguiente"));
        QFile::remove(carpeta_ + QStringLiteral("/20270105.txt"));
        QCOMPARE(Textos().last(), "ERROR AL LEER EL SORTEO, SORTEO NO CARGADO ('1234' no es un número de 5 cifras (Línea 5))\r\n" +
                                      carpeta_ + QStringLiteral("/20270105.txt"));
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("102/2026"));
    }
};

PRUEBA_VENTANA(PruebaNumerosTerminal)
#include "test_numeros_terminal.moc"
