#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

#include "aleatorio.h"
#include "frmAcercaDe.h"
#include "frmAnalisis.h"
#include "frmAutor.h"
#include "frmEscrutar.h"
#include "frmFiltroGRUPOS.h"
#include "frmFiltroGRUPOSENRESERVAS.h"
#include "frmFiltroGRURELACIONADOS.h"
#include "frmFiltroPARESIMPARES.h"
#include "frmFiltroPOSICIONES.h"
#include "frmFiltroSEGUIDOS.h"
#include "frmFiltroSUMAS.h"
#include "frmFiltroTERMINACIONES.h"
#include "frmImprimir.h"
#include "frmNumerosTerminal.h"
#include "frmOpcionesGuardar.h"
#include "frmSelectorNumeros.h"
#include "frmVentanaProceso.h"
#include "frmprincipal.h"
#include "mensajes.h"
#include "reduccion_entradas.h"
#include "sistema.h"

namespace {
template <typename T>
T* Control(QWidget& ventana, const char* nombre) {
    T* control = ventana.findChild<T*>(QString::fromLatin1(nombre));
    if (!control) qFatal("falta el control %s", nombre);
    return control;
}

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

// Closes a window the way its close box does: through the window system.
void CerrarDesdeCasilla(QWidget& ventana) { ventana.windowHandle()->close(); }
}  // namespace

class PruebaVentanasPequenas : public QObject {
    Q_OBJECT
private slots:
    void init() {
        PruebaSistema::Activar();
        PruebaMensajes::Activar();
    }
    void cleanup() { PruebaSistema::Desactivar(); }

    void acercaDeMuestraSusDatosYSuEnlaceAbreLaWeb() {
        FuenteAleatoria azar;
        frmAcercaDe ventana(QStringLiteral("2.5 beta"), azar);
        QCOMPARE(ventana.windowTitle(), QString("Acerca de ..."));
        QVERIFY(ventana.isModal());
        QCOMPARE(Control<QLabel>(ventana, "lblPrograma")->text(), QString("VORTESALIN 2.5 beta"));
        QCOMPARE(Control<QLabel>(ventana, "lblFecha")->text(), QString("02/01/2024"));
        // The stars are placed with the window's own size, at or left of its left edge.
        for (int i = 0; i < CampoEstrellas::kEstrellas; ++i) {
            QVERIFY(ventana.Estrellas().X(i) <= 0 && ventana.Estrellas().X(i) >= -ventana.width());
            QVERIFY(ventana.Estrellas().Y(i) >= 0 && ventana.Estrellas().Y(i) < ventana.height());
        }
        ventana.show();
        auto* enlace = Control<QLabel>(ventana, "lblLinkMaltrexo");
        QCOMPARE(enlace->text(), kDireccionWeb);
        QTest::mouseClick(enlace, Qt::RightButton);
        QVERIFY(PruebaSistema::Abiertos().isEmpty());
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(PruebaSistema::Abiertos(), QList<QString>({kDireccionWeb}));
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        PruebaSistema::Activar(false);  // the desktop cannot open it
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(PruebaMensajes::Mostrados().value(0).texto, "ERROR: NO SE HA PODIDO ABRIR LA PAGINA WEB (" + kDireccionWeb + ")");
        QVERIFY(ventana.isVisible());
    }

    void acercaDeSeCierraAlMomentoDesdeSuCasillaMientrasAnima() {
        FuenteAleatoria azar;
        frmAcercaDe ventana(QStringLiteral("1.0"), azar);
        const CampoEstrellas alCrear = ventana.Estrellas();
        QElapsedTimer reloj;
        qint64 cerradaEn = -1;
        bool animaba = false;
        QTimer::singleShot(200, &ventana, [&] {
            animaba = !MismasPosiciones(ventana.Estrellas(), alCrear);
            cerradaEn = reloj.elapsed();
            CerrarDesdeCasilla(ventana);
        });
        QTimer::singleShot(5000, &ventana, [&] { ventana.CerrarVentana(); });  // keeps a failure from hanging
        reloj.start();
        ventana.exec();
        QVERIFY(animaba);
        QVERIFY(cerradaEn >= 0);
        QVERIFY2(reloj.elapsed() - cerradaEn < 300, "the window did not close at once");
        QVERIFY(!ventana.isVisible());
        // Once closed the stars stop.
        const CampoEstrellas alCerrar = ventana.Estrellas();
        QTest::qWait(60);
        QVERIFY(MismasPosiciones(ventana.Estrellas(), alCerrar));
    }

    void autorVuelveConSuBotonYCambiaDeAspectoBajoElRaton() {
        frmAutor ventana;
        QCOMPARE(ventana.windowTitle(), QString("AUTOR"));
        QVERIFY(ventana.isModal());
        auto* volver = Control<QLabel>(ventana, "cmdVolver_0");
        QVERIFY(ventana.AspectoNormal().toImage() != ventana.AspectoEncima().toImage());
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        QCOMPARE(volver->pixmap().toImage(), ventana.AspectoNormal().toImage());
        MoverRaton(volver, volver->rect().center());
        QTRY_COMPARE(volver->pixmap().toImage(), ventana.AspectoEncima().toImage());
        MoverRaton(Control<QWidget>(ventana, "picICONOS"), QPoint(3, 3));
        QTRY_COMPARE(volver->pixmap().toImage(), ventana.AspectoNormal().toImage());
        QTest::mouseClick(volver, Qt::RightButton);
        QVERIFY(ventana.isVisible());
        QTest::mouseClick(volver, Qt::LeftButton);
        QVERIFY(!ventana.isVisible());

        frmAutor otra;  // the close box closes it too
        otra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&otra));
        CerrarDesdeCasilla(otra);
        QTRY_VERIFY(!otra.isVisible());
    }

    void formatoDeNumeroGuardaLaEleccionYLaMuestraAlVolver() {
        int16_t formato = 0;
        {
            frmOpcionesGuardar ventana(formato);
            QCOMPARE(ventana.windowTitle(), QString("Opciones"));
            auto* combo = Control<QComboBox>(ventana, "cboFormatoNumero");
            QStringList elementos;
            for (int i = 0; i < combo->count(); ++i) elementos << combo->itemText(i);
            QCOMPARE(elementos, QStringList({"12345", "1 2 3 4 5", "1,2,3,4,5", "1-2-3-4-5"}));
            QCOMPARE(combo->currentIndex(), 0);
            ventana.show();
            combo->setCurrentIndex(3);
            QCOMPARE(formato, int16_t(0));  // nothing is stored before "Continuar"
            QTest::mouseClick(Control<QPushButton>(ventana, "cmdContinuar"), Qt::LeftButton);
            QCOMPARE(formato, int16_t(3));
            QVERIFY(!ventana.isVisible());
        }
        {
            frmOpcionesGuardar ventana(formato);
            auto* combo = Control<QComboBox>(ventana, "cboFormatoNumero");
            QCOMPARE(combo->currentIndex(), 3);
            ventana.show();
            QVERIFY(QTest::qWaitForWindowExposed(&ventana));
            combo->setCurrentIndex(1);
            CerrarDesdeCasilla(ventana);  // closed without "Continuar": the choice is not kept
            QTRY_VERIFY(!ventana.isVisible());
            QCOMPARE(formato, int16_t(3));
        }
        formato = 9;
        frmOpcionesGuardar ventana(formato);
        QCOMPARE(Control<QComboBox>(ventana, "cboFormatoNumero")->currentIndex(), 0);
    }

    // Every window of the program fits a 1024 x 768 screen.
    void cadaVentanaCabeEnLaPantalla() {
        EstadoSesion sesion;
        ContextoEditor contexto{sesion, [](int) {}};
        FuenteAleatoria azar;
        frmPrincipal principal(sesion);
        TablasReduccion entradas;
        Arreglo<uint8_t> aciertos(0, 79);
        int16_t formato = 0;
        const std::function<QWidget*()> ventanas[] = {
            [&] { return new frmPrincipal(sesion); },
            [&] { return new frmVentanaProceso(principal, entradas); },
            [&] { return new frmFiltroGRUPOS(contexto); },
            [&] { return new frmFiltroPARESIMPARES(contexto); },
            [&] { return new frmFiltroSEGUIDOS(contexto); },
            [&] { return new frmFiltroSUMAS(contexto); },
            [&] { return new frmFiltroTERMINACIONES(contexto); },
            [&] { return new frmFiltroGRURELACIONADOS(contexto); },
            [&] { return new frmFiltroPOSICIONES(contexto); },
            [&] { return new frmFiltroGRUPOSENRESERVAS(contexto); },
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

#include "main_gui.h"
PRUEBA_VENTANA(PruebaVentanasPequenas)
#include "test_ventanas_pequenas.moc"
