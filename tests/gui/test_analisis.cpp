#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "ayuda_gui.h"
#include "frmAnalisis.h"
#include "mensajes.h"
#include "sistema.h"

namespace {

const QColor kBlanco(255, 255, 255);
const QColor kAzulClaro(192, 192, 255);

QLabel* Celda(QObject& v, int casilla) { return Hijo<QLabel>(v, QStringLiteral("lblN_%1").arg(casilla - 1)); }
QString Texto(QObject& v, const char* nombre) { return Hijo<QPlainTextEdit>(v, nombre)->toPlainText(); }
QString Cuenta(QObject& v, const char* nombre) { return Hijo<QLabel>(v, nombre)->text(); }

}  // namespace

class PruebaAnalisis : public QObject {
    Q_OBJECT
private:
    EstadoSesion sesion_;

    std::unique_ptr<frmAnalisis> Abrir(int32_t total) {
        auto v = std::make_unique<frmAnalisis>(sesion_);
        v->TotalNumeros = total;
        v->show();
        [&] { QTRY_COMPARE(v->Activaciones(), 1); }();
        return v;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void init() {
        ActivarPruebasVentana();
        sesion_ = EstadoSesion{};
    }

    void listasCeldasYCambioDeVista() {
        FijarResultado(sesion_, {"10045", "22245", "30007", "40005", "50010", "60011", "70012", "80013"});
        auto v = Abrir(8);
        const struct {
            const char *caja, *comienzo, *etiqueta, *distintos;
        } listas[] = {{"txt2Cifras", "10: 1\n22: 1\n", "lbl2PrimerasCifras", "8/100"},
                      {"txt3Cifras", "100: 1\n222: 1\n", "lbl3PrimerasCifras", "8/1000"},
                      {"txtDecenasJugadas", "05: 1\n07: 1\n", "lbl2UltimasCifras", "7/100"},
                      {"txtCentenasJugadas", "005: 1\n007: 1\n", "lbl3UltimasCifras", "8/1000"}};
        for (const auto& l : listas) {
            QVERIFY2(Texto(*v, l.caja).startsWith(l.comienzo), l.caja);
            QCOMPARE(Cuenta(*v, l.etiqueta), QString(l.distintos));
        }
        QVERIFY(Texto(*v, "txtDecenasJugadas").endsWith("\n45: 2"));
        QCOMPARE(EstadosDistintos(*v, {"=txt2Cifras", "=txt3Cifras", "=txtDecenasJugadas", "=txtCentenasJugadas"}),
                 QString());
        QCOMPARE(Celda(*v, 1)->text(), QString());      // no number starts with 0
        QCOMPARE(Celda(*v, 11)->text(), QString("7"));  // 0 at position 2
        QCOMPARE(Celda(*v, 1)->palette().color(QPalette::Window), kBlanco);
        QCOMPARE(Celda(*v, 11)->palette().color(QPalette::Window), kAzulClaro);

        auto* boton = Hijo<QPushButton>(*v, "cmdSwitch");
        Pulsar(boton);
        QCOMPARE(boton->text(), QString("Nº"));
        QCOMPARE(Celda(*v, 2)->text(), QString("12,5 %"));
        QCOMPARE(Celda(*v, 35)->text(), QString("25 %"));  // 4 at position 4: 10045, 22245
        QCOMPARE(Celda(*v, 11)->palette().color(QPalette::Window), kAzulClaro);
        Pulsar(boton);
        QCOMPARE(Celda(*v, 35)->text(), QString("2"));

        // Only "Volver" closes.
        QVERIFY(SoloCierraConVolver(*v));
    }

    void verAnalisisEnElEditor() {
        FijarResultado(sesion_, {"12345", "12999"});
        auto v = Abrir(2);
        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(*v, "cmdVerAnalisis"));
        QCOMPARE(PruebaSistema::Abiertos().size(), 1);
        QFile f(PruebaSistema::Abiertos().first());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains("3 últimas cifras: 2/1000\r\n345: 1\r\n999: 1\r\n"));
        QVERIFY(Textos().isEmpty());

        PruebaSistema::Activar(false);
        Pulsar(Hijo<QToolButton>(*v, "cmdVerAnalisis"));
        QCOMPARE(Textos(), QStringList{"ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se ha podido abrir el "
                                       "editor de textos)"});
        PruebaSistema::Desactivar();
    }
};

PRUEBA_VENTANA(PruebaAnalisis)
#include "test_analisis.moc"
