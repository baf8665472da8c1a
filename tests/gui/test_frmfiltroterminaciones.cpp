#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroTERMINACIONES.h"
#include "validacion_terminaciones.h"

namespace {
using Entorno = EntornoEditor;

QLineEdit* Caja(QWidget& v, const char* nombre) { return Hijo<QLineEdit>(v, QString::fromLatin1(nombre)); }
}  // namespace

class PruebaFiltroTerminaciones : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    void abrirMuestraLoGuardadoYSoloUnaFiguraGuardadaMarcaElFiltro() {
        Entorno e;
        {
            frmFiltroTERMINACIONES v(e.contexto);
            QCOMPARE(Caja(v, "txtAciertos_0")->text(), QString());
            QCOMPARE(Caja(v, "txtSumaTerminacionesMinimo")->text(), QString("0"));
            QCOMPARE(Caja(v, "txtSumaTerminacionesMaximo")->text(), QString("45"));
            QVERIFY(e.marcas.isEmpty());
        }
        e.f.TerminadosEn(4, 0) = 1;
        e.f.TerminadosEn(4, 5) = 1;
        e.f.FigurasTerminaciones[3] = 1;
        e.f.SumaTerminacionesMinimo = 12;
        frmFiltroTERMINACIONES v(e.contexto);
        QCOMPARE(Caja(v, "txtAciertos_4")->text(), QString("0,5"));
        QVERIFY(Hijo<QCheckBox>(v, "chkFigura_2")->isChecked());
        QCOMPARE(Caja(v, "txtSumaTerminacionesMinimo")->text(), QString("12"));
        QCOMPARE(e.marcas, QList<int>({7}));
    }

    // Counts go through the chooser and are stored at once, empty ones too.
    void cuentasDeUnDigitoPorElSelector() {
        Entorno e;
        e.f.TerminadosEn(7, 3) = 1;
        frmFiltroTERMINACIONES v(e.contexto);
        v.show();
        PruebaSelector::EncolarEleccion({0, 1});
        Pulsar(Hijo<QPushButton>(v, "cmdModificar_7"));
        QCOMPARE(Caja(v, "txtAciertos_7")->text(), QString("0,1"));
        for (int k = 0; k <= 5; ++k) QCOMPARE(e.f.TerminadosEn(7, k), static_cast<uint8_t>(k <= 1 ? 1 : 0));
        PruebaSelector::EncolarEleccion({});
        Pulsar(Hijo<QPushButton>(v, "cmdModificar_7"));
        QCOMPARE(Caja(v, "txtAciertos_7")->text(), QString());
        for (int k = 0; k <= 5; ++k) QCOMPARE(e.f.TerminadosEn(7, k), uint8_t{0});
        QCOMPARE(e.marcas, QList<int>({7, 7}));
    }

    // Figures and bounds are stored only by a close that passes the checks;
    // a failing one keeps the window open and stores nothing.
    void validacionAlSalirPorVolverYPorLaCasilla() {
        Entorno e;
        e.f.FigurasTerminaciones[1] = 1;
        frmFiltroTERMINACIONES v(e.contexto);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        e.marcas.clear();
        Hijo<QCheckBox>(v, "chkFigura_0")->click();  // untick figure 1
        Hijo<QCheckBox>(v, "chkFigura_4")->click();
        QCOMPARE(e.marcas, QList<int>({7, 7}));
        QLineEdit* minimo = Caja(v, "txtSumaTerminacionesMinimo");
        QLineEdit* maximo = Caja(v, "txtSumaTerminacionesMaximo");

        minimo->setText("21");
        maximo->setText("20");
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(v.isVisible());
        maximo->setText("  ");
        v.windowHandle()->close();
        QVERIFY(v.isVisible());
        QCOMPARE(Textos(), QStringList({kErrorSumaMinimaMayor, kErrorSumaMaximaEnBlanco}));
        QCOMPARE(e.f.FigurasTerminaciones[1], uint8_t{1});
        QCOMPARE(e.f.FigurasTerminaciones[5], uint8_t{0});
        QCOMPARE(e.f.SumaTerminacionesMaximo, uint8_t{45});

        minimo->setText("0");
        maximo->setText("99");
        v.windowHandle()->close();
        QVERIFY(!v.isVisible());
        QCOMPARE(e.f.FigurasTerminaciones[1], uint8_t{0});
        QCOMPARE(e.f.FigurasTerminaciones[5], uint8_t{1});
        QCOMPARE(e.f.SumaTerminacionesMinimo, uint8_t{0});
        QCOMPARE(e.f.SumaTerminacionesMaximo, uint8_t{99});
    }

    // Keys in a bound box tick the filter, dropped ones too; only digits get in.
    void teclasDeLasCotas() {
        Entorno e;
        frmFiltroTERMINACIONES v(e.contexto);
        v.show();
        QLineEdit* minimo = Caja(v, "txtSumaTerminacionesMinimo");
        minimo->setFocus();
        minimo->selectAll();
        QTest::keyClick(minimo, Qt::Key_A, Qt::NoModifier);
        QTest::keyClick(minimo, Qt::Key_2);
        QTest::keyClick(minimo, Qt::Key_Return);
        QTest::keyClick(minimo, Qt::Key_0);
        QTest::keyClick(minimo, Qt::Key_5);  // at most two characters
        QCOMPARE(minimo->text(), QString("20"));
        QCOMPARE(e.marcas.size(), 5);
        QVERIFY(v.isVisible());
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(!v.isVisible());
        QCOMPARE(e.f.SumaTerminacionesMinimo, uint8_t{20});
    }
};

PRUEBA_VENTANA(PruebaFiltroTerminaciones)
#include "test_frmfiltroterminaciones.moc"
