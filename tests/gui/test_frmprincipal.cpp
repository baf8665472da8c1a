// The main window: its commands, states and messages, and the BASE files and
// number imports it reads and writes.
#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFrame>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <memory>

#include "ayuda_gui.h"
#include "base_xml.h"
#include "fichero_numeros.h"
#include "frmprincipal.h"
#include "lector_base_xml.h"
#include "sistema.h"

namespace {

// Records the commands that other windows will carry out; the file tests call
// the real ones by their qualified names.
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
const QString kCabeceraErrores = "ERRORES detectados al abrir la BASE:\r\n\r\n";
const QString kNoEsBase = kCabeceraErrores + "FICHERO : ERROR AL ABRIR EL FICHERO\r\n";

}  // namespace

class PruebaFrmPrincipal : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<EstadoSesion> sesion;
    std::unique_ptr<VentanaPrueba> v;

    QLabel* Celda(int i) { return v->lblNumero(i); }
    // Triggers a menu entry or clicks a control.
    void Orden(const QString& nombre) {
        nombre.startsWith("menu") ? Hijo<QAction>(*v, nombre)->trigger() : Pulsar(Hijo<QWidget>(*v, nombre));
    }
    void Nueva() {
        v.reset();
        sesion = std::make_unique<EstadoSesion>();
        v = std::make_unique<VentanaPrueba>(*sesion);
    }
    // Cells chosen, whether saved, then what these controls show ("+" on the selected blue).
    QString Foto(const QStringList& nombres) {
        const QStringList vistos = Vistos(*v, nombres, QColor(0, 0, 255));
        return QString("%1 %2 ").arg(sesion->rejilla.Contar()).arg(int(sesion->gCombinacionGuardada)) + vistos.join(' ');
    }
    void Guardar(const QString& ruta) {
        PruebaDialogos::EncolarRuta(ruta);
        v->frmPrincipal::GuardarBaseXML();
    }
    void Abrir(const QString& ruta) {
        PruebaDialogos::EncolarRuta(ruta);
        v->frmPrincipal::AbrirBaseXML();
    }
    // What the BASE file stores besides the cells, as the window holds it.
    QStringList Opciones() {
        QStringList o{v->cboTipoReduccion()->currentText(), v->txtPorcentaje()->text(), v->txtNUApuestas()->text(),
                      QString::fromStdString(GenerarXMLBase(DatosBaseXML(), sesion->filtros))};
        for (const QAbstractButton* c : v->findChildren<QAbstractButton*>())
            if (c->isCheckable()) o << c->objectName() + (c->isChecked() ? "+" : "-");
        for (uint8_t n : sesion->gNumeroGanador) o << QString::number(n);
        return o;
    }
    // The window is idle again, with the file-mode lock re-applied.
    bool Restablecida() {
        return !v->EnProceso() && !v->Timer1()->isActive() &&
               EstadosDistintos(*v, {"~picVentanaEspera", "+picApuestas", "+cmdAbrirBASE", "-lblNumero_0"}).isEmpty();
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
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
        QVERIFY(f.open(QIODevice::ReadWrite));
        const QByteArray anterior = f.readAll();
        QVERIFY(f.resize(0) && f.write("700\r\n-40\r\n1\r\n") > 0 && f.flush());
        v.reset();
        sesion->filtros.NumerosPosiciones[12] = 1;
        v = std::make_unique<VentanaPrueba>(*sesion);
        QVERIFY(anterior.isEmpty() ? f.remove() : f.resize(0) && f.write(anterior) > 0);
        QCOMPARE(QString("%1 %2 ").arg(sesion->filtros.NumerosPosiciones[12]).arg(sesion->impresion.gMargenIzquierdo) +
                     QString::fromStdString(sesion->impresion.gFechaSorteo),
                 "0 -40 " + QDate::currentDate().toString("dd/MM/yyyy"));
        QCOMPARE(Foto({"cboNumeroGanador_4", "lblTipoCombinacion", "cboTipoReduccion"}) + ' ' +
                     v->cboNumeroGanador(4)->itemText(8),
                 QString("0 1 1 0 Números 5 (n) 9"));
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
        QCOMPARE(Foto({"lblNumero_48", "lblContador_4", "lblTipoCombinacion", "txtApuestasIniciales", "txtApuestasReducidas"}),
                 QString("10 0 8+ 2 32 Números 252 0"));
        Pulsar(Celda(48));  // toggles back
        QCOMPARE(Foto({"lblNumero_48", "txtApuestasIniciales"}), QString("9 0 8 126"));
        QVERIFY(!Celda(48)->autoFillBackground());  // transparent again

        // Counts in the user's grouping.
        Orden("imgALLNumeros");
        QCOMPARE(Foto({"txtApuestasIniciales", "lblTipoCombinacion"}), QString("50 0 2,118,760 100,000 Números"));
        Orden("imgININumeros");
        for (int i : {0, 1, 2, 3}) Pulsar(Celda(i * 11));
        QCOMPARE(Foto({"txtApuestasIniciales"}), QString("4 0 0"));  // four cells: no set of five

        // Changing the reduction type recounts only in grid mode.
        for (bool fichero : {false, true}) {
            v->optBase(fichero ? 1 : 0)->click();
            v->txtApuestasReducidas()->setText("9");
            v->cboTipoReduccion()->setCurrentIndex(fichero ? 1 : 2);
            QCOMPARE(Visto(*v, "txtApuestasReducidas"), QString(fichero ? "9" : "0"));
        }
    }

    void alAzar() {
        v->Rejilla()->SeleccionarTodas();  // cleared first
        const int cuentas[] = {1, 3, 5, 7, 9};
        for (int r = 0; r < 5; ++r) v->cboNumeroGanador(r)->setCurrentIndex(cuentas[r] - 1);
        for (int vez = 0; vez < 10; ++vez) {
            sesion->gCombinacionGuardada = true;
            Orden("cmdAlazar");
            for (int p = 1; p <= 5; ++p) QCOMPARE(sesion->rejilla.ContarPosicion(p), cuentas[p - 1]);
            QCOMPARE(Foto({"lblTipoCombinacion"}), QString("25 0 945 Números"));
        }
    }

    void nuevaCombinacionYDesactivarFiltros() {
        // "Desactivar filtros" unticks them and touches nothing else.
        for (int i : {3, 6, 10}) v->chkFiltros(i)->setChecked(true);
        v->lblNumeroELiminadas(6)->setText("12");
        v->EliminadasFiltro()[6] = 12;
        Orden("imgDesactivarFiltros");
        for (int i = 0; i <= 10; ++i) QVERIFY(!v->chkFiltros(i)->isChecked());
        QCOMPARE(Foto({"lblNumeroELiminadas_6"}), QString("0 1 12"));  // ticking is no change

        // Unsaved: "No" changes nothing; "Sí" (and a saved one, without asking)
        // starts the cells, settings, names, switches and counts afresh.
        sesion->filtros.SumaMinima[2] = 9;
        v->chkFiltros(6)->setChecked(true);
        Pulsar(Celda(5));
        v->txtFicheroBASE()->setText("mia.xml");
        Orden("menuNuevaBaseXML");
        QCOMPARE(Textos(), QStringList{"NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA INICIALIZARLA DE TODAS FORMAS ?"});
        QCOMPARE(Foto({"txtFicheroBASE"}), QString("1 0 mia.xml"));
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Orden("menuNuevaBaseXML");
        QCOMPARE(Foto({"txtFicheroBASE", "lblNumeroELiminadas_6"}), QString("0 1 Sin guardar.xml -"));
        QVERIFY(sesion->filtros.SumaMinima[2] == 0 && v->EliminadasFiltro()[6] == 0 && !v->chkFiltros(6)->isChecked());
        v->chkFiltros(6)->setChecked(true);
        Orden("imgINICombinacion");
        QVERIFY(!v->chkFiltros(6)->isChecked());
        QCOMPARE(Textos().size(), 2);
    }

    // Closing: only a busy window or an unsaved one answered "No" stays; the
    // tables are erased on unload. "Salir" does not look at the busy flag.
    void cerrarYSalir() {
        const struct {
            bool guardada, ocupada, si, salir, sigue;
        } casos[] = {
            {true, false, false, false, false}, {false, false, false, false, true}, {false, false, true, false, false},
            {true, true, false, false, true},   {true, true, false, true, false},
        };
        for (const auto& c : casos) {
            v->show();
            PruebaMensajes::Limpiar();
            sesion->gCombinacionGuardada = c.guardada;
            v->FijarEnProceso(c.ocupada);
            sesion->tablas.gResultado.Redimensionar(4);
            if (c.si) PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
            c.salir ? Orden("menuSalir") : void(v->close());
            QCOMPARE(v->isVisible(), c.sigue);
            QCOMPARE(Textos(), QStringList(c.guardada ? 0 : 1, kSalir));  // asks exactly when unsaved
            QCOMPARE(sesion->tablas.gResultado.Filas(), c.sigue ? 4 : 0);
        }
    }

    void cambioDeOrigenDeLaBase() {
        v->show();
        const QSize tamano = v->size();
        Pulsar(Celda(0));
        v->EliminadasFiltro()[5] = 8;
        sesion->gCombinacionGuardada = true;

        Pulsar(Hijo<QLabel>(*v, "lblTitDesdeFichero"));  // a caption selects its option; no file imported: no question
        QVERIFY(Textos().isEmpty() && v->ModoFichero() && v->EliminadasFiltro()[5] == 0);
        QCOMPARE(EstadosDistintos(*v, {"=cmdDesdeFichero", "~imgALLNumeros", "-cboNumeroGanador_2", "-cmdAlazar"}),
                 QString());
        Pulsar(Celda(10));  // disabled: no toggle
        QCOMPARE(Foto({}), QString("0 0 "));

        // An import left a file and its cells: "No" keeps everything, every time.
        v->txtFicheroASCII()->setText("numeros.txt");
        sesion->rejilla.Fijar(12, true);
        for (int vez = 1; vez <= 2; ++vez) {
            v->optBase(0)->click();
            QCOMPARE(Textos(), QStringList(vez, "HAY UN FICHERO IMPORTADO Y SE BORRARA, ¿ DESEA CONTINUAR DE TODAS FORMAS ?"));
            QVERIFY(v->optBase(1)->isChecked());
            QCOMPARE(Foto({"txtFicheroASCII"}), QString("1 0 numeros.txt"));
        }
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Pulsar(Hijo<QLabel>(*v, "lblTitDesdeCero"));  // shown disabled, still its option's
        QVERIFY(v->optBase(0)->isChecked() && v->size() == tamano);
        QCOMPARE(Foto({"txtFicheroASCII"}), QString("0 0 "));
        QCOMPARE(EstadosDistintos(*v, {"+lblNumero_11", "+cmdAlazar", "~txtFicheroASCII"}), QString());
    }

    void opcionesDeReduccionYFiltroDeTeclas() {
        auto* exactas = v->chkApuestasExactas();
        v->show();
        Pulsar(Hijo<QLabel>(*v, "lblTitNApuestas"));  // the caption selects its option
        QVERIFY(v->optTipo(0)->isChecked() && !exactas->isChecked());  // choosing bets does not tick it
        QCOMPARE(EstadosDistintos(*v, {"+txtNUApuestas", "-txtPorcentaje", "+chkApuestasExactas"}), QString());
        exactas->setChecked(true);
        v->txtPorcentaje()->setText("55");
        Orden("cmdPorcentaje");  // even while disabled
        QCOMPARE(v->txtPorcentaje()->text(), QString("100"));
        v->optTipo(1)->click();
        QCOMPARE(EstadosDistintos(*v, {"-txtNUApuestas", "+txtPorcentaje", "-chkApuestasExactas"}), QString());
        QVERIFY(!exactas->isChecked());

        for (QLineEdit* caja : {v->txtPorcentaje(), v->txtNUApuestas()}) {
            caja->setEnabled(true);
            QSignalSpy intro(caja, &QLineEdit::returnPressed);
            Teclear(caja, "4a-.2");
            QCOMPARE(caja->text() + QString::number(intro.count()), QString("420"));
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
        // File mode: the grid, the digit counts and "Al Azar" stay locked.
        v->optBase(1)->click();
        v->DeshabilitarControles();
        v->HabilitarControles();
        QCOMPARE(EstadosDistintos(*v, {"-lblNumero_33", "-cboNumeroGanador_4", "-cmdAlazar", "+cmdDesdeFichero",
                                       "=cmdDesdeFichero", "~imgINICombinacion", "-txtNUApuestas"}),
                 QString());

        // The wait panel's title blinks.
        auto* titulo = v->lbltituloProgress();
        v->show();
        v->MostrarVentanaEspera("Analizando ...");
        QCOMPARE(EstadosDistintos(*v, {"=picVentanaEspera", "~picFondoProgressBar"}), QString());
        QCOMPARE(v->Timer1()->interval(), 5);
        const QColor antes = titulo->palette().color(QPalette::WindowText);
        QTRY_VERIFY(titulo->palette().color(QPalette::WindowText) != antes);
        v->OcultarVentanaEspera();
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
        for (const char* n : {"menuAnalisis", "imgImprimir", "imgEscrutador"}) Orden(n);
        QCOMPARE(Textos(), QStringList({"ERROR: No hay números generados", "ERROR: No hay números generados"}));
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Critico);
        v->txtApuestasReducidas()->setText(FormatoCuenta(1234));
        for (const char* n : {"imgAnalisis", "imgImprimir", "menuEscrutador", "menuCalcularCombinacion",
                              "menuAbrirBaseXML", "menuGuardarBaseXML", "menuGuardarASCII", "menuSelector",
                              "menuNumerosTerminal", "menuAcercade", "imgCalcular", "cmdAbrirBASE", "cmdGuardarBASE",
                              "cmdDesdeFichero", "cmdGuardarReduccion", "cmdVerenBlocdeNotas",
                              "cmdVerInformeEliminadas", "lblCalcular"})
            Orden(n);
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
        Orden("menuManual");
        QVERIFY(QFile(manual).open(QIODevice::WriteOnly));
        PruebaSistema::Activar(false);
        for (const char* n : {"menuManual", "menuWeb", "menutwitter"}) Orden(n);
        QFile::remove(manual);
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

    void guardarYAbrirDevuelveTodo() {
        for (Casilla c : {1, 2, 13, 14, 26, 28, 39, 45, 50}) sesion->rejilla.Fijar(c, true);
        sesion->gNumeroGanador = {3, 0, 9, 4, 7};
        v->cboTipoReduccion()->setCurrentIndex(2);
        v->optTipo(0)->click();
        v->txtPorcentaje()->setText("87");
        v->txtNUApuestas()->setText("12");
        for (QCheckBox* c : {v->chkApuestasExactas(), v->chkAleatorio(), v->chkFiltros(3), v->chkFiltros(6), v->chkFiltros(10)})
            c->setChecked(true);
        v->chkActivarCiclos()->setChecked(false);
        AjustesFiltros& f = sesion->filtros;  // every setting makes the round trip in the engine's own test
        f.NumerosGrupo(1, 5) = f.AciertosGrupo(1, 2) = f.NumerosPosiciones[22] = f.AciertosReserva(3, 12) = 1;
        f.SumaTerminacionesMaximo = 40;
        sesion->gCombinacionGuardada = false;
        const QStringList opciones = Opciones();

        const QString ruta = dir.filePath("mi base.xml");
        Guardar(dir.filePath("mi base"));  // typed without its extension
        const auto& dialogo = PruebaDialogos::Mostrados().value(0);
        QCOMPARE(QStringList({dialogo.titulo, dialogo.nombrePropuesto, v->gDialogo.Filter, v->txtFicheroBASE()->toolTip()}),
                 QStringList({"Guardar una BASE en XML", "Sin guardar.xml",
                              "Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|", ruta}));
        QCOMPARE(Foto({"txtFicheroBASE"}) + Textos().join(""), QString("9 1 mi base.xml"));

        Nueva();
        v->txtApuestasCondicionadas()->setText("55");
        Abrir(ruta);
        const auto& abierto = PruebaDialogos::Mostrados().last();
        QVERIFY(QDir::match(abierto.filtros.value(0).section('(', 1).chopped(1), "mi base.xml"));
        QCOMPARE(abierto.titulo + ' ' + Foto({"txtFicheroBASE", "txtApuestasIniciales", "txtApuestasCondicionadas",
                                               "lblNumero_49", "lblNumero_2"}) + Textos().join(""),
                 QString("Abrir una BASE en XML 9 1 mi base.xml 126 0 9+ 2"));
        QCOMPARE(Opciones(), opciones);  // exact bets bring back the bets target
        QCOMPARE(EstadosDistintos(*v, {"+txtNUApuestas", "-txtPorcentaje", "+chkApuestasExactas"}), QString());
    }

    void cancelarONoCambiaNada() {
        v->Rejilla()->FijarSeleccion(4, true);
        sesion->gCombinacionGuardada = false;
        v->txtFicheroBASE()->clear();
        v->frmPrincipal::GuardarBaseXML();  // nothing queued: cancelled
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto + '|' + Foto({"txtFicheroBASE"}), "Sin guardar.xml|1 0 ");

        v->txtFicheroBASE()->setText("otra.xml");
        Guardar(dir.filePath("no existe/otra.xml"));  // cannot be written: the message says why
        QCOMPARE(Textos(), QStringList{"ERROR AL GUARDAR EL FICHERO (No se puede escribir en la carpeta " +
                                       dir.filePath("no existe") + ": no existe)"});
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto + '|' + Foto({"txtFicheroBASE"}), "otra.xml|1 0 otra.xml");

        Guardar(dir.filePath("b.xml"));
        sesion->gCombinacionGuardada = false;
        PruebaMensajes::Limpiar();
        const int dialogos = PruebaDialogos::Mostrados().size();
        v->Rejilla()->FijarSeleccion(7, true);
        v->frmPrincipal::AbrirBaseXML();  // "No" to the question
        QCOMPARE(Textos(), QStringList{"NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA CONTINUAR DE TODAS FORMAS ?"});
        QCOMPARE(PruebaDialogos::Mostrados().size(), dialogos);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        v->frmPrincipal::AbrirBaseXML();  // "Sí", then the dialog is cancelled
        QCOMPARE(PruebaDialogos::Mostrados().size(), dialogos + 1);
        QVERIFY(v->Rejilla()->Seleccionada(7));
        QCOMPARE(Foto({"txtFicheroBASE"}), QString("2 0 b.xml"));
    }

    void ficherosErroneos() {
        // What reads is applied, the rest is listed in one message; the
        // reader starts from the window's own winning number.
        sesion->gNumeroGanador = {1, 2, 3, 4, 9};
        Abrir(EscribirFichero(dir, "e.xml",
                              "<XML><BASE><Combinacion><Base_Numeros numeros='0,51,x,7'/></Combinacion>"
                              "<NumeroGanador valor='5,6' /><Reduccion><Tipo valor='7' /><Porcentaje valor='55' />"
                              "</Reduccion></BASE></XML>"));
        QVERIFY(Textos().size() == 1 && Textos()[0].startsWith(kCabeceraErrores + "NUMEROS : "));
        QVERIFY((sesion->gNumeroGanador == std::array<uint8_t, 5>{5, 6, 3, 4, 9}));
        QCOMPARE(Foto({"lblNumero_6", "txtPorcentaje"}), QString("1 1 6+ 55"));

        // A type equal to the current one still recounts in grid mode.
        v->txtApuestasCondicionadas()->setText("9");
        Abrir(EscribirFichero(dir, "t.xml", "<XML><BASE><Reduccion><Tipo valor='0'/></Reduccion></BASE></XML>"));
        QCOMPARE(v->txtApuestasCondicionadas()->text(), QString("0"));

        // A flood of failing sections, and a "path" no file system allows, are shown cut short.
        QByteArray muchos = "<XML><BASE><BaseASCII valor='" + QByteArray(100000, 'a') + "'/><Reduccion>";
        for (int i = 0; i < 300; ++i) muchos += "<Porcentaje/>";
        PruebaMensajes::Limpiar();
        Abrir(EscribirFichero(dir, "m.xml", muchos + "</Reduccion></BASE></XML>"));
        QVERIFY(Textos().size() == 2 && Textos()[0].count("\r\n") < 50 && Textos()[0].endsWith("...\r\n") &&
                Textos()[1].size() < 5000);

        // Not a BASE (not XML, XML without a BASE section, far too large, not
        // a file): the message, and nothing changes.
        v->cboTipoReduccion()->setCurrentIndex(1);
        v->chkFiltros(9)->setChecked(true);
        sesion->filtros.NumerosPosiciones[22] = 1;
        v->EliminadasFiltro()[5] = 123;
        v->lblNumeroELiminadas(5)->setText("123");
        const QString tip = v->txtFicheroBASE()->toolTip();
        const QStringList antes = Opciones();
        sesion->gCombinacionGuardada = false;
        for (const QString& ruta : {EscribirFichero(dir, "lista_compra.xml", "pan\nleche\n"),
                                    EscribirFichero(dir, "otro.xml", "<config><item a=\"1\"/></config>"),
                                    EscribirFichero(dir, "grande.xml", "<XML><BASE>" + QByteArray(5 << 20, ' ') +
                                                                           "</BASE></XML>"),
                                    dir.path()}) {
            PruebaMensajes::Limpiar();
            PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
            Abrir(ruta);
            QCOMPARE(Textos().last(), kNoEsBase);
            QCOMPARE(Opciones(), antes);
            QVERIFY(v->EliminadasFiltro()[5] == 123 && v->txtFicheroBASE()->toolTip() == tip);
            QCOMPARE(Foto({"lblNumeroELiminadas_5", "txtFicheroBASE", "lblNumero_6"}), QString("1 0 123 m.xml 6+"));
        }
        // Any outer names do, as long as a BASE section sits where the reader looks.
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Abrir(EscribirFichero(dir, "raiz.xml", "<config><x><Reduccion><Porcentaje valor='77'/></Reduccion></x></config>"));
        QCOMPARE(Foto({"txtPorcentaje", "txtFicheroBASE"}), QString("1 1 77 raiz.xml"));
    }

    // Imports in turn into one window: each shows its messages and counts, and
    // while it runs the window is busy, locked and refuses to close.
    void importarFicheros() {
        // One number past the limit; every number recurs, so the repeats are counted too.
        QByteArray todos;
        todos.reserve((kMaxCombinaciones + 1) * 6);
        for (int32_t i = 0; i <= kMaxCombinaciones; ++i) todos += QByteArray::number(i % 100000).rightJustified(5, '0') + '\n';
        const auto texto = [](const std::string& t) { return QString::fromStdString(t); };
        const struct {
            const char* nombre;
            QByteArray contenido;
            QStringList mensajes;
            QString cuentas;  // numbers read, cells, whether saved, the initial and conditioned counts and the type
        } casos[] = {
            {"todo.txt", std::move(todos), {texto(TextoAvisoLimite()), texto(TextoRepetidos(kMaxCombinaciones - 100000))},
             "100000 50 0 100,000 100,000 100,000 Números"},
            // A failed import leaves no numbers and no cells behind.
            {"mal.txt", "1 2 3 4 5\n\n7 8\n12345\n",
             {"ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ( Línea con menos de 5 dígitos (Línea 4))"},
             "0 0 0 0 0 0 Números"},
            {"letra.txt", ContenidoFichero(kFicheroLetra), {kErrorLetra}, "0 0 0 0 0 0 Números"},
            {"vacio.txt", "", {texto(TextoCeroNumeros())}, "0 0 0 0 0 0 Números"},
            // CR LF, a skipped short line, no repeat; the name holds characters XML must escape.
            {"it's <a&b> ñú.txt", "99999\r\n00000\r\n123\r\n", {}, "2 10 0 2 2 2 Números"},
        };
        v->optBase(1)->click();
        QString ruta;
        for (const auto& c : casos) {
            ruta = EscribirFichero(dir, c.nombre, c.contenido);
            PruebaMensajes::Limpiar();
            bool ocupada = false;
            QTimer::singleShot(0, v.get(), [&] {
                v->show();
                v->close();
                ocupada = v->EnProceso() && v->isVisible() &&
                          EstadosDistintos(*v, {"=picVentanaEspera", "-picApuestas"}).isEmpty();
            });
            PruebaDialogos::EncolarRuta(ruta);
            v->frmPrincipal::cmdDesdeFichero_Click();
            QVERIFY2(ocupada && Restablecida(), c.nombre);
            QCOMPARE(Textos(), c.mensajes);
            QCOMPARE(QString::number(sesion->tablas.gNumImportados) + ' ' +
                         Foto({"txtApuestasIniciales", "txtApuestasCondicionadas", "lblTipoCombinacion", "txtFicheroASCII"}),
                     c.cuentas + ' ' + ruta.section('/', -1));
            QCOMPARE(v->txtFicheroASCII()->toolTip(), ruta);
        }
        const TablasSesion& t = sesion->tablas;
        QCOMPARE(int(t.gImportados(1, 5)), 41);  // 00000 first
        QVERIFY(t.gResultado == t.gImportados);
        QVERIFY(v->Rejilla()->AspectoSeleccionado(0) && v->Rejilla()->AspectoSeleccionado(49));
        QCOMPARE(Foto({"lblContador_2"}), QString("10 0 2"));

        // "Calcular" in file mode takes the imported numbers as they are.
        PruebaMensajes::Limpiar();
        v->frmPrincipal::CalcularCombinacion();
        QVERIFY(Textos().isEmpty() && Restablecida() && !t.gTodasValidas);
        QCOMPARE(v->txtApuestasCondicionadas()->text() + v->txtApuestasReducidas()->text(), QString("22"));

        const QString base = dir.filePath("desde fichero.xml");
        Guardar(base);
        Abrir(base);  // file mode: the grid stays, no notice
        QCOMPARE(Foto({"txtApuestasIniciales", "txtApuestasCondicionadas"}) + Textos().join(""), QString("10 1 2 2"));

        Nueva();
        Abrir(base);  // grid mode: the cells, and the notice with the very same path
        QCOMPARE(Textos(), QStringList{texto(TextoAvisoBaseImportada(ruta.toStdString()))});
        QCOMPARE(Foto({"txtApuestasIniciales", "txtApuestasCondicionadas"}), QString("10 1 252 0"));
    }
};

PRUEBA_VENTANA(PruebaFrmPrincipal)
#include "test_frmprincipal.moc"
