#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <cstring>
#include <memory>

#include "aleatorio.h"
#include "ayuda_gui.h"
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
#include "reduccion_entradas.h"
#include "selector_aciertos.h"
#include "sistema.h"
#include "ventana_secundaria.h"

namespace {
bool MismasPosiciones(const CampoEstrellas& a, const CampoEstrellas& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

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
    // edge, and move while it is shown; only a left click on the link opens
    // the web page, and a desktop that cannot open it gives the message. The
    // close box closes the animated window at once, and the stars stop.
    void acercaDe() {
        FuenteAleatoria azar;
        frmAcercaDe v(QStringLiteral("2.5 beta"), azar);
        QCOMPARE(Hijo<QLabel>(v, "lblPrograma")->text(), QString("VORTESALIN 2.5 beta"));
        const CampoEstrellas alCrear = v.Estrellas();
        for (int i = 0; i < CampoEstrellas::kEstrellas; ++i)
            QVERIFY(alCrear.X(i) <= 0 && alCrear.X(i) >= -v.width() && alCrear.Y(i) >= 0 && alCrear.Y(i) < v.height());
        v.show();
        QTRY_VERIFY(!MismasPosiciones(v.Estrellas(), alCrear));
        auto* enlace = Hijo<QLabel>(v, "lblLinkMaltrexo");
        QTest::mouseClick(enlace, Qt::RightButton);
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(PruebaSistema::Abiertos(), QList<QString>({kDireccionWeb}));
        PruebaSistema::Activar(false);
        QTest::mouseClick(enlace, Qt::LeftButton);
        QCOMPARE(Textos(), QStringList("ERROR: NO SE HA PODIDO ABRIR LA PAGINA WEB (" + kDireccionWeb + ")"));
        QVERIFY(v.isVisible());
        QElapsedTimer reloj;
        reloj.start();
        v.windowHandle()->close();
        QVERIFY(!v.isVisible() && reloj.elapsed() < 300);
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
            combo->setCurrentIndex(elegido);
            if (continuar)
                Pulsar(Hijo<QPushButton>(v, "cmdContinuar"));
            else
                v.windowHandle()->close();
            QTRY_VERIFY(!v.isVisible());
            QCOMPARE(formato, int16_t(queda));
        }
    }

    // Every window of the program fits a 1024 x 768 screen and is at least as
    // wide as a window manager needs to show its title whole.
    void cadaVentanaCabeEnLaPantalla() {
        EstadoSesion sesion;
        ContextoEditor contexto{sesion, [](int) {}};
        FuenteAleatoria azar;
        frmPrincipal principal(sesion);
        TablasReduccion entradas;
        Arreglo<uint8_t> aciertos(0, 79);
        int16_t formato = 0;
        QWidget* const ventanas[] = {new frmPrincipal(sesion), new frmVentanaProceso(principal, entradas),
                                     new frmAciertos(aciertos), new frmAciertosRESERVAS(aciertos), new frmEscrutar(sesion),
                                     new frmAnalisis(sesion), new frmSelectorNumeros(sesion), new frmImprimir(sesion),
                                     new frmNumerosTerminal(QDir::tempPath()), new frmAcercaDe(QStringLiteral("1.0"), azar),
                                     new frmAutor(), new frmOpcionesGuardar(formato), new frmFiltroGRUPOS(contexto),
                                     new frmFiltroPARESIMPARES(contexto), new frmFiltroSEGUIDOS(contexto),
                                     new frmFiltroSUMAS(contexto), new frmFiltroTERMINACIONES(contexto),
                                     new frmFiltroGRURELACIONADOS(contexto), new frmFiltroPOSICIONES(contexto),
                                     new frmFiltroGRUPOSENRESERVAS(contexto)};
        QStringList fallos;
        for (QWidget* w : ventanas) {
            std::unique_ptr<QWidget> ventana(w);
            ventana->show();
            const QSize lado = ventana->frameGeometry().size();
            if (lado.width() > 1024 || lado.height() > 768 || lado.width() < AnchoTitulo(ventana->windowTitle()))
                fallos << QStringLiteral("%1 %2x%3").arg(ventana->windowTitle()).arg(lado.width()).arg(lado.height());
        }
        QCOMPARE(fallos, QStringList());
    }

    // The analysis window: its lists, the grid's counts and shares, the report.
    void analisisListasCeldasYEditor() {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        EstadoSesion sesion;
        FijarResultado(sesion, {"10045", "22245", "30007", "40005", "50010", "60011", "70012", "80013"});
        frmAnalisis v(sesion);
        v.TotalNumeros = 8;
        v.show();
        QTRY_COMPARE(v.Activaciones(), 1);
        // Each list's first two lines, then the counts of different values.
        QStringList listas;
        for (const char* caja : {"txt2Cifras", "txt3Cifras", "txtDecenasJugadas", "txtCentenasJugadas"})
            listas << Visto(v, caja).section('\n', 0, 1);
        QCOMPARE(listas.join('|'), QString("10: 1\n22: 1|100: 1\n222: 1|05: 1\n07: 1|005: 1\n007: 1"));
        QCOMPARE(Vistos(v, {"lbl2PrimerasCifras", "lbl3PrimerasCifras", "lbl2UltimasCifras", "lbl3UltimasCifras"}).join(' '),
                 QString("8/100 8/1000 7/100 8/1000"));
        // Grid cell lblN_k: digit k % 10 at position k / 10 + 1, "+" when blue (played).
        const auto celdas = [&] { return Vistos(v, {"lblN_0", "lblN_1", "lblN_10", "lblN_34"}, QColor(192, 192, 255)).join('|'); };
        QCOMPARE(celdas(), QString("|1+|7+|2+"));
        auto* boton = Hijo<QPushButton>(v, "cmdSwitch");
        Pulsar(boton);
        QCOMPARE(boton->text(), QString("Nº"));
        QCOMPARE(celdas(), QString("|12,5 %+|87,5 %+|25 %+"));
        Pulsar(boton);
        QCOMPARE(celdas(), QString("|1+|7+|2+"));

        Pulsar(Hijo<QToolButton>(v, "cmdVerAnalisis"));
        const QString informe = QString::fromUtf8(ContenidoFichero(PruebaSistema::Abiertos().value(0)));
        QVERIFY(informe.contains("3 últimas cifras: 8/1000\r\n005: 1\r\n007: 1\r\n") && informe.contains(" 1 (12,5 %)"));
        PruebaSistema::Activar(false);
        Pulsar(Hijo<QToolButton>(v, "cmdVerAnalisis"));
        // The message names the file, which is there to open some other way.
        const QString escrito = PruebaSistema::Abiertos().value(0);
        QCOMPARE(Textos(), QStringList{"ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se ha podido abrir el "
                                       "editor de textos con el fichero " + escrito + ")"});
        QCOMPARE(ContenidoFichero(escrito), informe.toUtf8());
        // Only "Volver" closes.
        QVERIFY(SoloCierraConVolver(v));
    }
};

PRUEBA_VENTANA(PruebaVentanasPequenas)
#include "test_ventanas_pequenas.moc"
