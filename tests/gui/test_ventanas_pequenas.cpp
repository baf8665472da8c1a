#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <functional>
#include <memory>

#include "aleatorio.h"
#include "ayuda_gui.h"
#include "frmAcercaDe.h"
#include "frmAnalisis.h"
#include "frmAutor.h"
#include "frmEscrutar.h"
#include "frmImprimir.h"
#include "frmNumerosTerminal.h"
#include "frmOpcionesGuardar.h"
#include "frmSelectorNumeros.h"
#include "frmVentanaProceso.h"
#include "frmprincipal.h"
#include "reduccion_entradas.h"
#include "selector_aciertos.h"
#include "sistema.h"

namespace {
bool MismasPosiciones(const CampoEstrellas& a, const CampoEstrellas& b) {
    for (int i = 0; i < CampoEstrellas::kEstrellas; ++i)
        if (a.X(i) != b.X(i) || a.Y(i) != b.Y(i) || a.V(i) != b.V(i)) return false;
    return true;
}

// Moves the mouse over a control through the window system, as a user does.
void MoverRaton(QWidget* control, QPoint punto) {
    QWidget* ventana = control->window();
    QTest::mouseMove(ventana->windowHandle(), control->mapTo(ventana, punto));
}
}  // namespace

class PruebaVentanasPequenas : public QObject {
    Q_OBJECT
private slots:
    void init() {
        PruebaSistema::Activar();
        PruebaMensajes::Activar();
    }

    // The stars start inside the window's own height, at or left of its left
    // edge; only a left click on the link opens the web page, and a desktop
    // that cannot open it gives the message.
    void acercaDeYSuEnlace() {
        FuenteAleatoria azar;
        frmAcercaDe v(QStringLiteral("2.5 beta"), azar);
        QCOMPARE(Hijo<QLabel>(v, "lblPrograma")->text(), QString("VORTESALIN 2.5 beta"));
        for (int i = 0; i < CampoEstrellas::kEstrellas; ++i) {
            QVERIFY(v.Estrellas().X(i) <= 0 && v.Estrellas().X(i) >= -v.width());
            QVERIFY(v.Estrellas().Y(i) >= 0 && v.Estrellas().Y(i) < v.height());
        }
        v.show();
        auto* enlace = Hijo<QLabel>(v, "lblLinkMaltrexo");
        QTest::mouseClick(enlace, Qt::RightButton);
        QVERIFY(PruebaSistema::Abiertos().isEmpty());
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(PruebaSistema::Abiertos(), QList<QString>({kDireccionWeb}));
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        PruebaSistema::Activar(false);
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(Textos(), QStringList("ERROR: NO SE HA PODIDO ABRIR LA PAGINA WEB (" + kDireccionWeb + ")"));
        QVERIFY(v.isVisible());
    }

    // The close box closes the animated window at once, and the stars stop.
    void acercaDeSeCierraAlMomentoMientrasAnima() {
        FuenteAleatoria azar;
        frmAcercaDe v(QStringLiteral("1.0"), azar);
        const CampoEstrellas alCrear = v.Estrellas();
        QElapsedTimer reloj;
        qint64 cerradaEn = -1;
        bool animaba = false;
        QTimer::singleShot(200, &v, [&] {
            animaba = !MismasPosiciones(v.Estrellas(), alCrear);
            cerradaEn = reloj.elapsed();
            v.windowHandle()->close();
        });
        QTimer::singleShot(5000, &v, [&] { v.CerrarVentana(); });  // keeps a failure from hanging
        reloj.start();
        v.exec();
        QVERIFY(animaba && cerradaEn >= 0);
        QVERIFY2(reloj.elapsed() - cerradaEn < 300, "the window did not close at once");
        const CampoEstrellas alCerrar = v.Estrellas();
        QTest::qWait(60);
        QVERIFY(MismasPosiciones(v.Estrellas(), alCerrar));
    }

    // The author's "Volver" picture changes under the mouse and closes on a left click.
    void autorVuelveConSuBoton() {
        frmAutor v;
        auto* volver = Hijo<QLabel>(v, "cmdVolver_0");
        QVERIFY(v.AspectoNormal().toImage() != v.AspectoEncima().toImage());
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QCOMPARE(volver->pixmap().toImage(), v.AspectoNormal().toImage());
        MoverRaton(volver, volver->rect().center());
        QTRY_COMPARE(volver->pixmap().toImage(), v.AspectoEncima().toImage());
        MoverRaton(Hijo<QWidget>(v, "picICONOS"), QPoint(3, 3));
        QTRY_COMPARE(volver->pixmap().toImage(), v.AspectoNormal().toImage());
        QTest::mouseClick(volver, Qt::RightButton);
        QVERIFY(v.isVisible());
        QTest::mouseClick(volver, Qt::LeftButton);
        QVERIFY(!v.isVisible());
    }

    // The number format shows the stored choice (an unknown one as the first)
    // and stores a new one only through "Continuar", not the close box.
    void formatoDeNumero() {
        for (const auto& [guardado, elegido, continuar, queda] :
             {std::tuple{0, 3, true, 3}, std::tuple{3, 1, false, 3}, std::tuple{9, 2, false, 9}}) {
            int16_t formato = static_cast<int16_t>(guardado);
            frmOpcionesGuardar v(formato);
            auto* combo = Hijo<QComboBox>(v, "cboFormatoNumero");
            QCOMPARE(combo->currentIndex(), guardado == 9 ? 0 : guardado);
            v.show();
            QVERIFY(QTest::qWaitForWindowExposed(&v));
            combo->setCurrentIndex(elegido);
            QCOMPARE(formato, int16_t(guardado));
            if (continuar)
                Pulsar(Hijo<QPushButton>(v, "cmdContinuar"));
            else
                v.windowHandle()->close();
            QTRY_VERIFY(!v.isVisible());
            QCOMPARE(formato, int16_t(queda));
        }
    }

    // Every window of the program fits a 1024 x 768 screen (the filter
    // editors are measured with the other editor checks).
    void cadaVentanaCabeEnLaPantalla() {
        EstadoSesion sesion;
        FuenteAleatoria azar;
        frmPrincipal principal(sesion);
        TablasReduccion entradas;
        Arreglo<uint8_t> aciertos(0, 79);
        int16_t formato = 0;
        const std::function<QWidget*()> ventanas[] = {
            [&] { return new frmPrincipal(sesion); },
            [&] { return new frmVentanaProceso(principal, entradas); },
            [&] { return new frmAciertos(aciertos); },
            [&] { return new frmAciertosRESERVAS(aciertos); },
            [&] { return new frmEscrutar(sesion); },
            [&] { return new frmAnalisis(sesion); },
            [&] { return new frmSelectorNumeros(sesion); },
            [&] { return new frmImprimir(sesion); },
            [&] { return new frmNumerosTerminal(QDir::tempPath()); },
            [&] { return new frmAcercaDe(QStringLiteral("1.0"), azar); },
            [&] { return new frmAutor(); },
            [&] { return new frmOpcionesGuardar(formato); },
        };
        QStringList grandes;
        for (const auto& crear : ventanas) {
            std::unique_ptr<QWidget> ventana(crear());
            ventana->show();
            const QSize lado = ventana->frameGeometry().size();
            if (lado.width() > 1024 || lado.height() > 768)
                grandes << QStringLiteral("%1 %2x%3").arg(ventana->objectName()).arg(lado.width()).arg(lado.height());
        }
        QCOMPARE(grandes, QStringList());
    }
};

PRUEBA_VENTANA(PruebaVentanasPequenas)
#include "test_ventanas_pequenas.moc"
