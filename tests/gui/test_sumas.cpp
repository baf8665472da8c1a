#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_gui.h"
#include "editores.h"
#include "frmFiltroSUMAS.h"
#include "sesion.h"

namespace {
QLineEdit* Minima(QWidget& v, int i) { return Hijo<QLineEdit>(v, QStringLiteral("txtSumaMinima_%1").arg(i)); }
QLineEdit* Maxima(QWidget& v, int i) { return Hijo<QLineEdit>(v, QStringLiteral("txtSumaMaxima_%1").arg(i)); }

struct Banco {
    std::unique_ptr<EstadoSesion> sesion = std::make_unique<EstadoSesion>();
    QList<int> marcados;
    ContextoEditor contexto{*sesion, [this](int i) { marcados << i; }};
};
}  // namespace

class PruebaSumas : public QObject {
    Q_OBJECT
private slots:
    void init() { PruebaMensajes::Activar(); }
    void cleanup() { PruebaMensajes::Desactivar(); }

    void cargaLoGuardadoYGuardaAlSalirSiTodoEsValido() {
        Banco b;
        b.sesion->filtros.SumaMinima[1] = 10;
        b.sesion->filtros.SumaMaxima[1] = 20;
        b.sesion->filtros.SumaMaxima[10] = 45;
        frmFiltroSUMAS ventana(b.contexto);
        QCOMPARE(ventana.windowTitle(), QString("SUMAS DE DIGITOS"));
        QCOMPARE(BotonesSinAyuda(ventana), QString());
        QCOMPARE(Minima(ventana, 0)->text(), QString("10"));
        QCOMPARE(Maxima(ventana, 0)->text(), QString("20"));
        QCOMPARE(Maxima(ventana, 9)->text(), QString("45"));
        QCOMPARE(Minima(ventana, 5)->text(), QString("0"));
        QCOMPARE(Minima(ventana, 0)->maxLength(), 3);
        ventana.show();

        Minima(ventana, 2)->setText("007");
        Maxima(ventana, 2)->setText("9");
        QCOMPARE(b.sesion->filtros.SumaMinima[3], int16_t{0});  // not stored while open
        Pulsar(Hijo<QPushButton>(ventana, "cmdVolver"));
        QVERIFY(!ventana.isVisible());
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        QCOMPARE(b.sesion->filtros.SumaMinima[3], int16_t{7});
        QCOMPARE(b.sesion->filtros.SumaMaxima[3], int16_t{9});
        QCOMPARE(b.sesion->filtros.SumaMinima[1], int16_t{10});
        QCOMPARE(b.sesion->filtros.SumaMaxima[10], int16_t{45});
        QVERIFY(b.marcados.isEmpty());  // only typing ticks the filter
    }

    void unFalloMuestraElPrimerMensajeNoGuardaNadaYLaVentanaSigueAbierta() {
        Banco b;
        frmFiltroSUMAS ventana(b.contexto);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        Maxima(ventana, 0)->setText("30");  // valid interval 1
        Minima(ventana, 2)->setText("5");
        Maxima(ventana, 2)->setText("46");
        Minima(ventana, 4)->clear();  // a later blank box is never reached
        ventana.windowHandle()->close();
        QVERIFY(ventana.isVisible());
        QCOMPARE(Textos(), QStringList({"ERROR: La suma máxima de los intervalos activados(<>0) debe ser menor que 46"}));
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Critico);
        QCOMPARE(b.sesion->filtros.SumaMaxima[1], int16_t{0});
        QCOMPARE(Maxima(ventana, 2)->text(), QString("46"));  // texts left as typed

        PruebaMensajes::Limpiar();
        Maxima(ventana, 2)->setText("45");
        Pulsar(Hijo<QPushButton>(ventana, "cmdVolver"));
        QCOMPARE(Textos(), QStringList({"ERROR: No se permiten valores nulos en los intervalos"}));
        QVERIFY(ventana.isVisible());

        PruebaMensajes::Limpiar();
        Minima(ventana, 4)->setText("0");
        QTest::keyClick(&ventana, Qt::Key_Escape);
        QVERIFY(!ventana.isVisible());
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        QCOMPARE(b.sesion->filtros.SumaMaxima[1], int16_t{30});
        QCOMPARE(b.sesion->filtros.SumaMinima[3], int16_t{5});
        QCOMPARE(b.sesion->filtros.SumaMaxima[3], int16_t{45});
    }

    void teclearMarcaElFiltroAunqueLaTeclaSeDescarte() {
        Banco b;
        frmFiltroSUMAS ventana(b.contexto);
        ventana.show();
        ventana.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        QLineEdit* caja = Minima(ventana, 1);
        caja->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(ventana.focusWidget(), Qt::Key_Tab);
        QVERIFY(ventana.focusWidget() != caja);
        QVERIFY(b.marcados.isEmpty());  // moving through the boxes changes nothing
        caja->setFocus();
        caja->selectAll();
        QTest::keyClick(caja, Qt::Key_A);
        QCOMPARE(caja->text(), QString("0"));
        QCOMPARE(b.marcados, QList<int>({kFiltroSumas}));
        QTest::keyClick(caja, Qt::Key_Return);  // dropped, still a key press
        QVERIFY(ventana.isVisible());
        QCOMPARE(b.marcados.size(), 2);
        caja->selectAll();
        QTest::keyClicks(caja, "12");
        QCOMPARE(caja->text(), QString("12"));
        QCOMPARE(b.marcados.size(), 4);
        QVERIFY(b.marcados.count(kFiltroSumas) == 4);
    }

    void lasImagenesPonenCerosSoloEnLasCajasYAlSalirSeGuardan() {
        Banco b;
        for (int i = 1; i <= 10; ++i) {
            b.sesion->filtros.SumaMinima[i] = static_cast<int16_t>(i);
            b.sesion->filtros.SumaMaxima[i] = static_cast<int16_t>(i + 30);
        }
        QString abierta;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            abierta = modal->objectName();
            Pulsar(Hijo<QToolButton>(*modal, "imgINI_0"));
            for (int i = 0; i < 10; ++i) {
                QCOMPARE(Minima(*modal, i)->text(), QString("0"));
                QCOMPARE(Maxima(*modal, i)->text(), QString::number(i + 31));
            }
            QCOMPARE(b.sesion->filtros.SumaMinima[4], int16_t{4});
            Pulsar(Hijo<QToolButton>(*modal, "imgINI_1"));
            QCOMPARE(Maxima(*modal, 7)->text(), QString("0"));
            Pulsar(Hijo<QPushButton>(*modal, "cmdVolver"));
        });
        AbrirEditorFiltro(kFiltroSumas, b.contexto, nullptr);
        QCOMPARE(abierta, QString("frmFiltroSUMAS"));
        for (int i = 1; i <= 10; ++i) QCOMPARE(b.sesion->filtros.SumaMinima[i] | b.sesion->filtros.SumaMaxima[i], 0);
        QVERIFY(b.marcados.isEmpty());
    }
};

PRUEBA_VENTANA(PruebaSumas)
#include "test_sumas.moc"
