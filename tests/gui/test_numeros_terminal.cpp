#include <QComboBox>
#include <QDate>
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

DatosSorteo Sorteo(const std::string& id) {
    DatosSorteo s;
    s.id = id;
    s.nombre = "Sorteo del Jueves";
    s.primerPremio = "54321";
    s.diaSemana = 3;
    for (const auto& [n, c] : {std::pair{"12345", 3}, {"12340", 10}, {"55555", 1}, {"02345", 7}}) {
        DecimoEnVenta d;
        for (int p = 0; p < 5; ++p) d.digitos[static_cast<size_t>(p)] = static_cast<uint8_t>(n[p] - '0');
        d.cantidad = c;
        s.decimos.push_back(d);
    }
    return s;
}

}  // namespace

class PruebaNumerosTerminal : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QList<std::pair<int, std::string>> consultas_;

    std::unique_ptr<frmNumerosTerminal> Abrir() {
        auto v = std::make_unique<frmNumerosTerminal>([this](int modo, const std::string& clave, const std::string& id) {
            consultas_.append({modo, clave + id});
            return std::optional<DatosSorteo>(Sorteo(modo == 3 ? "99" : "100"));
        });
        v->show();
        return v;
    }

private slots:
    void init() {
        ActivarPruebasVentana();
        consultas_.clear();
    }

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
        QVERIFY(consultas_.isEmpty());
        QVERIFY(PruebaDialogos::Mostrados().isEmpty());
    }

    void ConsultaFiltroYGuardado() {
        auto v = Abrir();
        Hijo<QComboBox>(*v, "cboDias")->setCurrentIndex(4);
        Hijo<QComboBox>(*v, "cboMeses")->setCurrentIndex(2);
        Hijo<QLineEdit>(*v, "txtAnio")->setText(QStringLiteral("2024"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteo"));
        QCOMPARE(consultas_.size(), 1);
        QCOMPARE(consultas_[0].first, 1);
        QCOMPARE(consultas_[0].second, std::string("202403050"));  // key, then the loaded id "0"
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("100"));
        QCOMPARE(Caja(*v, "txtTotalDecimosInternet"), QStringLiteral("4"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboDia")->currentText(), QStringLiteral("J"));

        Hijo<QComboBox>(*v, "cboTerminaciones_4")->setCurrentText(QStringLiteral("5"));
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

        // The filter reset keeps the draw; the draw reset clears both.
        Pulsar(Hijo<QToolButton>(*v, "IniFiltrarSorteos"));
        QCOMPARE(Caja(*v, "txtNumeroDecimosFiltrados"), QStringLiteral("0"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboTerminaciones_4")->currentText(), QStringLiteral("*"));
        QCOMPARE(Caja(*v, "txtCantidadDisponibleMAX"), QStringLiteral("99999"));
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("100"));
        Pulsar(Hijo<QPushButton>(*v, "cmdFiltrar"));
        QCOMPARE(Caja(*v, "txtNumeroDecimosFiltrados"), QStringLiteral("4"));
        Pulsar(Hijo<QPushButton>(*v, "cmdConsultarSorteoAnterior"));
        QCOMPARE(consultas_.last(), (std::pair<int, std::string>{3, "100"}));
        QCOMPARE(Caja(*v, "txtIDSorteo"), QStringLiteral("99"));
        QCOMPARE(Caja(*v, "txtNumeroDecimosFiltrados"), QStringLiteral("0"));
        Pulsar(Hijo<QToolButton>(*v, "cmdIniDatosSorteo"));
        QCOMPARE((QStringList{Caja(*v, "txtIDSorteo"), Caja(*v, "txtTotalDecimosInternet"), Caja(*v, "txtNombreSorteo")}),
                 (QStringList{"0", "0", ""}));
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
    }

    void SinFuenteNoHayDatos() {
        frmNumerosTerminal v;
        v.show();
        Pulsar(Hijo<QPushButton>(v, "cmdConsultarUltimoSorteo"));
        QCOMPARE(Textos(), QStringList{QStringLiteral("ERROR: NO SE HAN PODIDO OBTENER LOS DATOS DEL SORTEO")});
        QCOMPARE(Caja(v, "txtIDSorteo"), QStringLiteral("0"));
    }
};

PRUEBA_VENTANA(PruebaNumerosTerminal)
#include "test_numeros_terminal.moc"
