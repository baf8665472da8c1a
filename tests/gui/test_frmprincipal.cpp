#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <memory>

#include "ayuda_gui.h"
#include "frmprincipal.h"
#include "sistema.h"

namespace {

// Records the commands that other windows will carry out.
class VentanaPrueba : public frmPrincipal {
public:
    using frmPrincipal::frmPrincipal;
    QStringList llamadas;
    void CalcularCombinacion() override { llamadas << "Calcular"; }
    void AbrirBaseXML() override { llamadas << "Abrir"; }
    void GuardarBaseXML() override { llamadas << "Guardar"; }
    void cmdDesdeFichero_Click() override { llamadas << "Importar"; }
    void ExportarReduccion(int modo) override { llamadas << QString("Exportar%1").arg(modo); }
    void VerInformeEliminadas() override { llamadas << "Informe"; }
    void AbrirEditorFiltro(int i) override { llamadas << QString("Editor%1").arg(i); }
    void MostrarEscrutador(int32_t n) override { llamadas << QString("Escrutador%1").arg(n); }
    void MostrarAnalisis(int32_t n) override { llamadas << QString("Analisis%1").arg(n); }
    void MostrarImprimir(int32_t n) override { llamadas << QString("Imprimir%1").arg(n); }
    void MostrarSelector() override { llamadas << "Selector"; }
    void MostrarNumerosTerminal() override { llamadas << "Terminal"; }
    void MostrarAcercaDe() override { llamadas << "AcercaDe"; }
    void MostrarAutor() override { llamadas << "Autor"; }
};

const QString kSalir = "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA SALIR DE TODAS FORMAS ?";

}  // namespace

class PruebaFrmPrincipal : public QObject {
    Q_OBJECT

    std::unique_ptr<EstadoSesion> sesion;
    std::unique_ptr<VentanaPrueba> v;

    QLabel* Celda(int i) { return v->lblNumero(i); }
    QString Texto(const QString& nombre) { return Hijo<QLineEdit>(*v, nombre)->text(); }
    QString Tipo() { return v->lblTipoCombinacion()->text(); }
    void Accion(const char* nombre) { Hijo<QAction>(*v, nombre)->trigger(); }
    void Boton(const char* nombre) { Pulsar(Hijo<QWidget>(*v, nombre)); }
    void Nueva() {
        v.reset();
        sesion = std::make_unique<EstadoSesion>();
        v = std::make_unique<VentanaPrueba>(*sesion);
    }

private slots:
    void init() {
        PruebaSistema::Activar();
        ActivarPruebasVentana();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Nueva();
    }
    void cleanup() {
        v.reset();
        sesion.reset();
    }

    void arranque() {
        // The load resets filter settings left from before and reads the print
        // settings file (one another test left there is put back afterwards).
        QFile f(CarpetaPrograma() + "/config_imp.txt");
        const QByteArray anterior = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        f.close();
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write("700\r\n-40\r\n1\r\n") > 0);
        f.close();
        v.reset();
        sesion->filtros.NumerosPosiciones[12] = 1;
        v = std::make_unique<VentanaPrueba>(*sesion);
        QVERIFY(anterior.isEmpty() ? f.remove() : f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(anterior));
        QCOMPARE(sesion->filtros.NumerosPosiciones[12], uint8_t{0});
        QCOMPARE(sesion->impresion.gMargenIzquierdo, -40);
        QCOMPARE(QString::fromStdString(sesion->impresion.gFechaSorteo), QDate::currentDate().toString("dd/MM/yyyy"));
        QVERIFY(sesion->gCombinacionGuardada);

        QCOMPARE(v->cboNumeroGanador(4)->count(), 9);
        QCOMPARE(v->cboNumeroGanador(4)->currentText(), QString("1"));
        QCOMPARE(Tipo(), QString("0 Números"));
        QCOMPARE(v->cboTipoReduccion()->currentIndex(), 0);
        QCOMPARE(EstadosDistintos(*v, {"~txtApuestasIniciales", "~txtFicheroASCII", "-txtNUApuestas",
                                       "-chkApuestasExactas", "~chkFiltros_0", "~chkFiltros_2", "=chkFiltros_3",
                                       "=chkFiltros_10", "~lblNumeroELiminadas_2", "=lblNumeroELiminadas_3"}),
                 QString());
    }

    void rejillaYContadores() {
        v->txtApuestasReducidas()->setText("7");
        for (int r = 0; r < 5; ++r) {
            Pulsar(Celda(r * 10 + 1));
            Pulsar(Celda(r * 10 + 8));
        }
        QVERIFY(!sesion->gCombinacionGuardada);
        QVERIFY(sesion->rejilla.Seleccionada(49));  // cell index 48 = Casilla 49
        QCOMPARE(Celda(48)->palette().color(QPalette::Window), QColor(0, 0, 255));  // the selected blue itself
        QCOMPARE(v->lblContador(4)->text() + " " + Tipo(), QString("2 32 Números"));
        QCOMPARE(Texto("txtApuestasIniciales") + Texto("txtApuestasReducidas"), QString("2520"));
        Pulsar(Celda(48));  // toggles back
        QVERIFY(!sesion->rejilla.Seleccionada(49) && !Celda(48)->autoFillBackground());
        QCOMPARE(Texto("txtApuestasIniciales"), QString("126"));

        // Counts in the user's grouping.
        Boton("imgALLNumeros");
        QCOMPARE(Texto("txtApuestasIniciales") + " " + Tipo(), QString("2,118,760 100,000 Números"));
        Boton("imgININumeros");
        QCOMPARE(sesion->rejilla.Contar(), 0);
        for (int i : {0, 1, 2, 3}) Pulsar(Celda(i * 11));
        QCOMPARE(Texto("txtApuestasIniciales"), QString("0"));  // four cells: no set of five

        // Changing the reduction type recounts only in grid mode.
        for (bool fichero : {false, true}) {
            v->optBase(fichero ? 1 : 0)->click();
            v->txtApuestasReducidas()->setText("9");
            v->cboTipoReduccion()->setCurrentIndex(fichero ? 1 : 2);
            QCOMPARE(Texto("txtApuestasReducidas"), QString(fichero ? "9" : "0"));
        }
    }

    void alAzar() {
        v->Rejilla()->SeleccionarTodas();  // cleared first
        const int cuentas[] = {1, 3, 5, 7, 9};
        for (int r = 0; r < 5; ++r) v->cboNumeroGanador(r)->setCurrentIndex(cuentas[r] - 1);
        for (int vez = 0; vez < 10; ++vez) {
            sesion->gCombinacionGuardada = true;
            Boton("cmdAlazar");
            QVERIFY(!sesion->gCombinacionGuardada);
            for (int p = 1; p <= 5; ++p) QCOMPARE(sesion->rejilla.ContarPosicion(p), cuentas[p - 1]);
            QCOMPARE(Tipo(), QString("945 Números"));
        }
    }

    void nuevaCombinacionYDesactivarFiltros() {
        // "Desactivar filtros" unticks them and touches nothing else.
        for (int i : {3, 6, 10}) v->chkFiltros(i)->setChecked(true);
        v->lblNumeroELiminadas(6)->setText("12");
        v->EliminadasFiltro()[6] = 12;
        Boton("imgDesactivarFiltros");
        for (int i = 0; i <= 10; ++i) QVERIFY(!v->chkFiltros(i)->isChecked());
        QCOMPARE(v->lblNumeroELiminadas(6)->text(), QString("12"));
        QVERIFY(sesion->gCombinacionGuardada);  // ticking is no change

        // Unsaved: "No" changes nothing; "Sí" (and a saved one, without asking)
        // starts the cells, settings, names, switches and counts afresh.
        sesion->filtros.SumaMinima[2] = 9;
        v->chkFiltros(6)->setChecked(true);
        Pulsar(Celda(5));
        v->txtFicheroBASE()->setText("mia.xml");
        Accion("menuNuevaBaseXML");
        QCOMPARE(Textos(), QStringList{"NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA INICIALIZARLA DE TODAS FORMAS ?"});
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::PreguntaSiNo);
        QCOMPARE(sesion->rejilla.Contar(), 1);
        QCOMPARE(Texto("txtFicheroBASE"), QString("mia.xml"));
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Accion("menuNuevaBaseXML");
        QCOMPARE(sesion->rejilla.Contar(), 0);
        QCOMPARE(Texto("txtFicheroBASE"), QString("Sin guardar.xml"));
        QCOMPARE(sesion->filtros.SumaMinima[2], int16_t{0});
        QVERIFY(!v->chkFiltros(6)->isChecked());
        QCOMPARE(v->lblNumeroELiminadas(6)->text(), QString("-"));
        QCOMPARE(v->EliminadasFiltro()[6], 0);
        QVERIFY(sesion->gCombinacionGuardada);
        v->chkFiltros(6)->setChecked(true);
        Boton("imgINICombinacion");
        QVERIFY(!v->chkFiltros(6)->isChecked());
        QCOMPARE(Textos().size(), 2);
    }

    void cerrarYSalir() {
        v->show();
        v->close();  // saved: no question
        QVERIFY(!v->isVisible() && Textos().isEmpty());

        Nueva();
        v->show();
        Pulsar(Celda(3));
        sesion->tablas.gResultado.Redimensionar(4);
        v->close();  // No
        QVERIFY(v->isVisible());
        QCOMPARE(sesion->tablas.gResultado.Filas(), 4);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        v->close();
        QVERIFY(!v->isVisible());
        QCOMPARE(sesion->tablas.gResultado.Filas(), 0);  // tables erased on unload
        QCOMPARE(Textos(), QStringList({kSalir, kSalir}));

        // Busy and saved: the close box does nothing; "Salir" does not look at
        // the busy flag, and asks only when unsaved.
        v->show();
        v->FijarEnProceso(true);
        sesion->gCombinacionGuardada = true;
        v->close();
        QVERIFY(v->isVisible());
        Accion("menuSalir");
        QVERIFY(!v->isVisible());
        QCOMPARE(Textos(), QStringList({kSalir, kSalir}));
    }

    void cambioDeOrigenDeLaBase() {
        auto* rejilla = v->optBase(0);
        auto* fichero = v->optBase(1);
        v->show();
        const QSize tamano = v->size();
        Pulsar(Celda(0));
        v->EliminadasFiltro()[5] = 8;
        sesion->gCombinacionGuardada = true;

        Pulsar(Hijo<QLabel>(*v, "lblTitDesdeFichero"));  // a caption selects its option; no file imported: no question
        QVERIFY(Textos().isEmpty() && v->ModoFichero() && !sesion->gCombinacionGuardada);
        QCOMPARE(sesion->rejilla.Contar(), 0);
        QCOMPARE(v->EliminadasFiltro()[5], 0);
        QCOMPARE(EstadosDistintos(*v, {"=cmdDesdeFichero", "~imgALLNumeros", "-cboNumeroGanador_2", "-cmdAlazar"}),
                 QString());
        Pulsar(Celda(10));  // disabled: no toggle
        QCOMPARE(sesion->rejilla.Contar(), 0);

        // An import left a file and its cells: "No" keeps everything, every time.
        v->txtFicheroASCII()->setText("numeros.txt");
        sesion->rejilla.Fijar(12, true);
        for (int vez = 1; vez <= 2; ++vez) {
            rejilla->click();
            QCOMPARE(Textos().size(), vez);
            QCOMPARE(Textos().last(), "HAY UN FICHERO IMPORTADO Y SE BORRARA, ¿ DESEA CONTINUAR DE TODAS FORMAS ?");
            QVERIFY(fichero->isChecked());
            QCOMPARE(Texto("txtFicheroASCII"), QString("numeros.txt"));
            QCOMPARE(sesion->rejilla.Contar(), 1);
        }
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Pulsar(Hijo<QLabel>(*v, "lblTitDesdeCero"));  // shown disabled, still its option's
        QVERIFY(rejilla->isChecked());
        QCOMPARE(v->size(), tamano);
        QCOMPARE(Texto("txtFicheroASCII"), QString());
        QCOMPARE(sesion->rejilla.Contar(), 0);
        QCOMPARE(EstadosDistintos(*v, {"+lblNumero_11", "+cmdAlazar", "~txtFicheroASCII"}), QString());
    }

    void opcionesDeReduccionYFiltroDeTeclas() {
        auto* exactas = v->chkApuestasExactas();
        v->show();
        Pulsar(Hijo<QLabel>(*v, "lblTitNApuestas"));  // the caption selects its option
        QVERIFY(v->optTipo(0)->isChecked());
        QCOMPARE(EstadosDistintos(*v, {"+txtNUApuestas", "-txtPorcentaje", "+chkApuestasExactas"}), QString());
        QVERIFY(!exactas->isChecked());  // choosing bets does not tick it
        exactas->setChecked(true);
        v->txtPorcentaje()->setText("55");
        Boton("cmdPorcentaje");  // even while disabled
        QCOMPARE(v->txtPorcentaje()->text(), QString("100"));
        v->optTipo(1)->click();
        QCOMPARE(EstadosDistintos(*v, {"-txtNUApuestas", "+txtPorcentaje", "-chkApuestasExactas"}), QString());
        QVERIFY(!exactas->isChecked());

        for (QLineEdit* caja : {v->txtPorcentaje(), v->txtNUApuestas()}) {
            caja->setEnabled(true);
            caja->clear();
            QSignalSpy intro(caja, &QLineEdit::returnPressed);
            QTest::keyClicks(caja, "4a-.2");
            QTest::keyClick(caja, Qt::Key_Return);
            QCOMPARE(caja->text(), QString("42"));
            QCOMPARE(intro.count(), 0);
        }
    }

    void bloqueoDeEntradasYVentanaDeEspera() {
        QList<QWidget*> bloqueados;
        for (const char* n : {"imgCalcular", "imgINICombinacion", "cmdAbrirBASE", "cmdDesdeFichero", "chkFiltros_5",
                              "lblFiltro_5", "txtPorcentaje", "optBase_1", "cboNumeroGanador_4", "cmdAlazar",
                              "lblNumero_33"})
            bloqueados << Hijo<QWidget>(*v, n);
        QAction* menu = Hijo<QMenu>(*v, "menuArchivo")->menuAction();
        for (bool habilitar : {false, true}) {
            habilitar ? v->HabilitarControles() : v->DeshabilitarControles();
            QCOMPARE(menu->isEnabled(), habilitar);
            for (QWidget* w : bloqueados) QVERIFY2(w->isEnabled() == habilitar, qPrintable(w->objectName()));
        }
        QVERIFY(!v->txtNUApuestas()->isEnabled());  // the target's own state comes back
        // File mode: the grid, the digit counts and "Al Azar" stay locked.
        v->optBase(1)->click();
        v->DeshabilitarControles();
        v->HabilitarControles();
        QCOMPARE(EstadosDistintos(*v, {"-lblNumero_33", "-cboNumeroGanador_4", "-cmdAlazar", "+cmdDesdeFichero",
                                       "=cmdDesdeFichero", "~imgINICombinacion"}),
                 QString());

        // The wait panel's title blinks.
        auto* titulo = v->lbltituloProgress();
        v->show();
        v->MostrarVentanaEspera("Analizando ...");
        QCOMPARE(EstadosDistintos(*v, {"=picVentanaEspera", "~picFondoProgressBar"}), QString());
        QCOMPARE(titulo->text(), QString("Analizando ..."));
        QCOMPARE(v->Timer1()->interval(), 5);
        const QColor antes = titulo->palette().color(QPalette::WindowText);
        QTRY_VERIFY(titulo->palette().color(QPalette::WindowText) != antes);
        v->OcultarVentanaEspera();
        QVERIFY(!v->Timer1()->isActive() && EstadosDistintos(*v, {"~picVentanaEspera"}).isEmpty());
        v->MostrarVentanaEspera("Importando", true);
        v->FijarProgresoEspera(140);
        QCOMPARE(Hijo<QProgressBar>(*v, "lblProgressBar")->value(), 100);
    }

    void comandosYSusDestinos() {
        sesion->filtros.GrupoActual = sesion->filtros.GrupoRelacionadoActual = sesion->filtros.BloqueReservas = 5;
        for (int i : {3, 6, 8, 10}) Pulsar(v->lblFiltro(i));
        QVERIFY(!sesion->gCombinacionGuardada);
        const AjustesFiltros& f = sesion->filtros;
        QCOMPARE((std::array{f.GrupoActual, f.GrupoRelacionadoActual, f.BloqueReservas}), (std::array<int16_t, 3>{1, 1, 1}));

        // No result yet: analysis and print refuse, scrutiny opens.
        Accion("menuAnalisis");
        Boton("imgImprimir");
        Boton("imgEscrutador");
        QCOMPARE(Textos(), QStringList({"ERROR: No hay números generados", "ERROR: No hay números generados"}));
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Critico);
        v->txtApuestasReducidas()->setText(FormatoCuenta(1234));
        Boton("imgAnalisis");
        Boton("imgImprimir");
        Accion("menuEscrutador");
        for (const char* n : {"menuCalcularCombinacion", "menuAbrirBaseXML", "menuGuardarBaseXML", "menuGuardarASCII",
                              "menuSelector", "menuNumerosTerminal", "menuAcercade"})
            Accion(n);
        for (const char* n : {"imgCalcular", "cmdAbrirBASE", "cmdGuardarBASE", "cmdDesdeFichero", "cmdGuardarReduccion",
                              "cmdVerenBlocdeNotas", "cmdVerInformeEliminadas"})
            Hijo<QToolButton>(*v, n)->click();
        Boton("lblCalcular");
        // Alt + right button on "Al Azar", and nothing else, opens the author window.
        for (Qt::KeyboardModifiers teclas : {Qt::AltModifier | Qt::ControlModifier, Qt::KeyboardModifiers(),
                                             Qt::KeyboardModifiers(Qt::AltModifier)}) {
            QTest::mousePress(v->cmdAlazar(), Qt::RightButton, teclas);
            QTest::mouseRelease(v->cmdAlazar(), Qt::RightButton, teclas);
        }
        QCOMPARE(v->llamadas, QStringList({"Editor3", "Editor6", "Editor8", "Editor10", "Escrutador0", "Analisis1234",
                                           "Imprimir1234", "Escrutador1234", "Calcular", "Abrir", "Guardar",
                                           "Exportar1", "Selector", "Terminal", "AcercaDe", "Calcular", "Abrir",
                                           "Guardar", "Importar", "Exportar1", "Exportar2", "Informe", "Calcular",
                                           "Autor"}));

        // The manual missing from the program's folder, then present with nothing to show it; links that fail.
        const QString manual = QCoreApplication::applicationDirPath() + "/ayudaVORTESALIN.pdf";
        QFile::remove(manual);
        PruebaMensajes::Limpiar();
        Accion("menuManual");
        QFile pdf(manual);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        PruebaSistema::Activar(false);
        Accion("menuManual");
        QFile::remove(manual);
        Accion("menuWeb");
        Accion("menutwitter");
        QCOMPARE(PruebaSistema::Abiertos(), QList<QString>({manual, kDireccionWeb, kDireccionTwitter}));
        QCOMPARE(Textos(), QStringList({"ERROR: FICHERO DE AYUDA(ayudaVORTESALIN.pdf) NO ENCONTRADO O ERRONEO",
                                        "ERROR: NO SE HA ENCONTRADO NINGUN PROGRAMA PARA ABRIR EL FICHERO DE AYUDA("
                                        "ayudaVORTESALIN.pdf)",
                                        "ERROR: NO SE HA PODIDO ABRIR LA PAGINA WEB (" + kDireccionWeb + ")",
                                        "ERROR: NO SE HA PODIDO ABRIR LA PAGINA WEB (" + kDireccionTwitter + ")"}));
    }

    void aspectosAlPasarElRaton() {
        QCOMPARE(BotonesSinAyuda(*v), QString());
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        auto borde = [&](int i) { return Hijo<QFrame>(*v, QString("ShapeBorde_%1").arg(i))->isVisible(); };
        QTest::mouseMove(Hijo<QToolButton>(*v, "imgEscrutador"));
        QTRY_VERIFY(borde(1));
        QTest::mouseMove(Hijo<QToolButton>(*v, "imgAnalisis"));
        QTRY_VERIFY(borde(2));
        QVERIFY(borde(1));  // stays until the background is reached
        auto* sumas = v->lblFiltro(6);
        QTest::mouseMove(sumas);
        QTRY_VERIFY(sumas->font().underline());
        QCOMPARE(sumas->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseMove(v->centralWidget(), QPoint(3, 3));  // the window's own background
        QTRY_VERIFY(!borde(1) && !borde(2) && !sumas->font().underline());
        // Leaving the window ends the looks as well.
        QTest::mouseMove(Hijo<QToolButton>(*v, "imgAyuda"));
        QTRY_VERIFY(borde(5));
        QEvent salir(QEvent::Leave);
        QCoreApplication::sendEvent(v->windowHandle(), &salir);
        QVERIFY(!borde(5));
    }
};

PRUEBA_VENTANA(PruebaFrmPrincipal)
#include "test_frmprincipal.moc"
