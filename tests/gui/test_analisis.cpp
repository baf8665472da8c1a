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
        PruebaMensajes::Activar();
        PruebaMensajes::Limpiar();
        sesion_ = EstadoSesion{};
    }

    void unNumeroYElCambioDeVista() {
        FijarResultado(sesion_, {"12345"});
        auto v = Abrir(1);
        QCOMPARE(v->windowTitle(), QString("ANALISIS"));
        const QList<int> suyas = {2, 13, 24, 35, 46};
        for (int c = 1; c <= 50; ++c) {
            QCOMPARE(Celda(*v, c)->text(), suyas.contains(c) ? QString("1") : QString());
            QCOMPARE(Celda(*v, c)->palette().color(QPalette::Window), suyas.contains(c) ? kAzulClaro : kBlanco);
        }
        QCOMPARE(Texto(*v, "txt2Cifras"), QString("12: 1"));
        QCOMPARE(Texto(*v, "txt3Cifras"), QString("123: 1"));
        QCOMPARE(Texto(*v, "txtDecenasJugadas"), QString("45: 1"));
        QCOMPARE(Texto(*v, "txtCentenasJugadas"), QString("345: 1"));
        QCOMPARE(Cuenta(*v, "lbl2PrimerasCifras"), QString("1/100"));
        QCOMPARE(Cuenta(*v, "lbl3PrimerasCifras"), QString("1/1000"));
        QCOMPARE(Cuenta(*v, "lbl2UltimasCifras"), QString("1/100"));
        QCOMPARE(Cuenta(*v, "lbl3UltimasCifras"), QString("1/1000"));
        QCOMPARE(EstadosDistintos(*v, {"=txt2Cifras", "=txt3Cifras", "=txtDecenasJugadas", "=txtCentenasJugadas"}),
                 QString());

        auto* boton = Hijo<QPushButton>(*v, "cmdSwitch");
        QCOMPARE(boton->text(), QString("%"));
        Pulsar(boton);
        QCOMPARE(boton->text(), QString("Nº"));
        for (int c = 1; c <= 50; ++c) QCOMPARE(Celda(*v, c)->text(), suyas.contains(c) ? QString("100 %") : QString());
        QCOMPARE(Celda(*v, 2)->palette().color(QPalette::Window), kAzulClaro);
        Pulsar(boton);
        QCOMPARE(boton->text(), QString("%"));
        QCOMPARE(Celda(*v, 46)->text(), QString("1"));

        // Only "Volver" closes.
        QVERIFY(SoloCierraConVolver(*v));
    }

    void gruposCompartidosYPorcentajesDecimales() {
        // Eight numbers: the last two digits 45 twice, the first digit 1 once.
        FijarResultado(sesion_, {"10045", "22245", "30007", "40005", "50010", "60011", "70012", "80013"});
        auto v = Abrir(8);
        QCOMPARE(Texto(*v, "txtDecenasJugadas"), QString("05: 1\n07: 1\n10: 1\n11: 1\n12: 1\n13: 1\n45: 2"));
        QCOMPARE(Cuenta(*v, "lbl2UltimasCifras"), QString("7/100"));
        QVERIFY(Texto(*v, "txtCentenasJugadas").startsWith(QString("005: 1\n007: 1\n010: 1")));
        QCOMPARE(Cuenta(*v, "lbl3UltimasCifras"), QString("8/1000"));
        QCOMPARE(Texto(*v, "txt2Cifras"), QString("10: 1\n22: 1\n30: 1\n40: 1\n50: 1\n60: 1\n70: 1\n80: 1"));
        QCOMPARE(Celda(*v, 1)->text(), QString());   // no number starts with 0
        QCOMPARE(Celda(*v, 11)->text(), QString("7"));  // 0 at position 2
        QCOMPARE(Celda(*v, 35)->text(), QString("2"));  // 4 at position 4: 10045, 22245

        Pulsar(Hijo<QPushButton>(*v, "cmdSwitch"));
        QCOMPARE(Celda(*v, 2)->text(), QString("12,5 %"));
        QCOMPARE(Celda(*v, 11)->text(), QString("87,5 %"));
        QCOMPARE(Celda(*v, 35)->text(), QString("25 %"));
        QCOMPARE(Celda(*v, 1)->palette().color(QPalette::Window), kBlanco);
    }

    void controlesConSusTextos() {
        FijarResultado(sesion_, {"12345"});
        frmAnalisis v(sesion_);
        const char* titulos[] = {"Dec. Millar", "Unid. Millar", "Centenas", "Decenas", "Unidades",
                                 "2 últimas cifras", "3 últimas cifras", "2 primeras cifras", "3 primeras cifras"};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(Hijo<QLabel>(v, QStringLiteral("lblUnidades_%1").arg(i))->text(), QString::fromUtf8(titulos[i]));
        QCOMPARE(Hijo<QLabel>(v, "lblUnidades_1")->toolTip(), QString("Unidades de Millar"));
        QCOMPARE(Hijo<QLabel>(v, "lblNumero_27")->text(), QString("7"));
        QCOMPARE(Hijo<QToolButton>(v, "cmdVerAnalisis")->toolTip(), QString("Muestra en el Bloc de Notas el análisis"));
        QCOMPARE(Hijo<QPushButton>(v, "cmdVolver")->text(), QString("&Volver"));
    }

    void verAnalisisEnElEditor() {
        FijarResultado(sesion_, {"12345", "12999"});
        auto v = Abrir(2);
        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(*v, "cmdVerAnalisis"));
        QCOMPARE(PruebaSistema::Abiertos().size(), 1);
        QFile f(PruebaSistema::Abiertos().first());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString informe = QString::fromUtf8(f.readAll());
        QVERIFY(informe.contains(QString("2 primeras cifras: 1/100\r\n12: 2\r\n")));
        QVERIFY(informe.contains(QString("3 últimas cifras: 2/1000\r\n345: 1\r\n999: 1\r\n")));
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
