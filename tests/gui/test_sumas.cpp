#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroSUMAS.h"

namespace {
QLineEdit* Minima(QWidget& v, int i) { return Hijo<QLineEdit>(v, QStringLiteral("txtSumaMinima_%1").arg(i)); }
QLineEdit* Maxima(QWidget& v, int i) { return Hijo<QLineEdit>(v, QStringLiteral("txtSumaMaxima_%1").arg(i)); }
}  // namespace

class PruebaSumas : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    // The boxes show the stored intervals and are stored only by a close that
    // passes the checks; the pictures zero one row of boxes.
    void intervalosSeGuardanAlSalirSiTodoEsValido() {
        EntornoEditor e;
        for (int i = 1; i <= 10; ++i) {
            e.f.SumaMinima[i] = static_cast<int16_t>(i);
            e.f.SumaMaxima[i] = static_cast<int16_t>(i + 30);
        }
        frmFiltroSUMAS v(e.contexto);
        QCOMPARE(Minima(v, 9)->text(), QString("10"));
        QCOMPARE(Maxima(v, 0)->text(), QString("31"));
        QCOMPARE(Minima(v, 0)->maxLength(), 3);
        v.show();
        Pulsar(Hijo<QToolButton>(v, "imgINI_0"));
        QCOMPARE(Minima(v, 4)->text() + Maxima(v, 4)->text(), QString("035"));
        Maxima(v, 2)->setText("046");
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(v.isVisible());
        QCOMPARE(e.f.SumaMinima[5], int16_t{5});  // nothing stored
        QCOMPARE(Maxima(v, 2)->text(), QString("046"));
        Pulsar(Hijo<QToolButton>(v, "imgINI_1"));
        Maxima(v, 9)->setText("9");
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(!v.isVisible());
        for (int i = 1; i <= 10; ++i) QCOMPARE(e.f.SumaMinima[i] + e.f.SumaMaxima[i], i == 10 ? 9 : 0);
        QVERIFY(e.marcas.isEmpty());  // only typing ticks the filter
    }

    // Every character typed in a box ticks the filter, one the box drops too;
    // Tab does not.
    void teclearMarcaElFiltroAunqueLaTeclaSeDescarte() {
        EntornoEditor e;
        frmFiltroSUMAS v(e.contexto);
        v.show();
        v.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QLineEdit* caja = Minima(v, 1);
        caja->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(v.focusWidget(), Qt::Key_Tab);
        QVERIFY(v.focusWidget() != caja);
        QVERIFY(e.marcas.isEmpty());  // moving through the boxes changes nothing
        caja->setFocus();
        caja->selectAll();
        QTest::keyClicks(caja, "a12");
        QTest::keyClick(caja, Qt::Key_Return);
        QCOMPARE(caja->text(), QString("12"));
        QVERIFY(v.isVisible());
        QCOMPARE(e.marcas, QList<int>(4, kFiltroSumas));
    }
};

PRUEBA_VENTANA(PruebaSumas)
#include "test_sumas.moc"
