// BASE files and the import of a text file of numbers, through the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "ayuda_gui.h"
#include "base_xml.h"
#include "fichero_numeros.h"
#include "frmprincipal.h"
#include "lector_base_xml.h"
#include "sistema.h"

namespace {

const QString kCabeceraErrores = "ERRORES detectados al abrir la BASE:\r\n\r\n";
const QString kPreguntaAbrir = "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA CONTINUAR DE TODAS FORMAS ?";

// Every filter setting the BASE file stores, as the writer puts it.
std::string TextoFiltros(const AjustesFiltros& a) { return GenerarXMLBase(DatosBaseXML(), a); }

}  // namespace

class PruebaBaseFrmPrincipal : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<EstadoSesion> sesion;
    std::unique_ptr<frmPrincipal> v;

    void Nueva() {
        v.reset();
        sesion = std::make_unique<EstadoSesion>();
        v = std::make_unique<frmPrincipal>(*sesion);
    }
    QString Escribir(const QString& nombre, const QByteArray& contenido) {
        const QString ruta = dir.filePath(nombre);
        QFile f(ruta);
        if (!f.open(QIODevice::WriteOnly) || f.write(contenido) != contenido.size()) qFatal("cannot write test file");
        return ruta;
    }
    void Guardar(const QString& ruta) {
        PruebaDialogos::EncolarRuta(ruta);
        v->GuardarBaseXML();
    }
    void Abrir(const QString& ruta) {
        PruebaDialogos::EncolarRuta(ruta);
        v->AbrirBaseXML();
    }
    void Importar(const QString& ruta) {
        if (!v->ModoFichero()) v->optBase(1)->click();
        PruebaDialogos::EncolarRuta(ruta);
        Hijo<QToolButton>(*v, "cmdDesdeFichero")->click();
    }
    QString Cuenta(const char* nombre) { return Hijo<QLineEdit>(*v, nombre)->text(); }
    // The window is idle again, with the file-mode lock re-applied.
    void ComprobarRestablecida() {
        QVERIFY(!v->EnProceso());
        QVERIFY(!v->Timer1()->isActive());
        QCOMPARE(EstadosDistintos(*v, {"~picVentanaEspera", "+picApuestas", "+cmdAbrirBASE", "-lblNumero_0"}),
                 QString());
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        PruebaMensajes::Activar();
        PruebaDialogos::Activar();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Nueva();
    }
    void cleanup() {
        v.reset();
        sesion.reset();
    }

    void guardarYAbrirDevuelveTodo() {
        for (int i : {0, 1, 12, 13, 25, 27, 38, 44, 49}) sesion->rejilla.Fijar(static_cast<Casilla>(i + 1), true);
        v->ActualizarApuestasIniciales();
        sesion->gNumeroGanador = {3, 0, 9, 4, 7};
        v->cboTipoReduccion()->setCurrentIndex(2);
        v->optTipo(0)->click();
        v->txtPorcentaje()->setText("87");
        v->txtNUApuestas()->setText("12");
        v->chkApuestasExactas()->setChecked(true);
        v->chkActivarCiclos()->setChecked(false);
        v->chkAleatorio()->setChecked(true);
        for (int i : {3, 6, 10}) v->chkFiltros(i)->setChecked(true);
        AjustesFiltros& f = sesion->filtros;  // every setting makes the round trip in the engine's own test
        f.NumerosGrupo(1, 5) = f.AciertosGrupo(1, 2) = f.NumerosPosiciones[22] = f.AciertosReserva(3, 12) = 1;
        f.SumaTerminacionesMaximo = 40;
        sesion->gCombinacionGuardada = false;

        const QString ruta = dir.filePath("mi base.xml");
        Guardar(dir.filePath("mi base"));  // typed without its extension
        const auto& dialogo = PruebaDialogos::Mostrados().value(0);
        QVERIFY(dialogo.guardar);
        QCOMPARE(dialogo.titulo, QString("Guardar una BASE en XML"));
        QCOMPARE(dialogo.nombrePropuesto, QString("Sin guardar.xml"));
        QCOMPARE(v->gDialogo.Filter, QString("Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|"));
        QCOMPARE(v->txtFicheroBASE()->text(), QString("mi base.xml"));
        QCOMPARE(v->txtFicheroBASE()->toolTip(), ruta);
        QVERIFY(sesion->gCombinacionGuardada);
        QVERIFY(Textos().isEmpty());

        const EstadoSesion antes = *sesion;
        Nueva();
        Hijo<QLineEdit>(*v, "txtApuestasCondicionadas")->setText("55");
        Abrir(ruta);
        QCOMPARE(PruebaDialogos::Mostrados().last().titulo, QString("Abrir una BASE en XML"));
        QVERIFY(QDir::match(PruebaDialogos::Mostrados().last().filtros.value(0).section('(', 1).chopped(1), "mi base.xml"));
        QCOMPARE(Textos(), QStringList());
        QVERIFY(sesion->rejilla == antes.rejilla);
        QVERIFY(v->Rejilla()->AspectoSeleccionado(49) && !v->Rejilla()->AspectoSeleccionado(2));
        QCOMPARE(Cuenta("txtApuestasIniciales"), QString("126"));  // C(9,5)
        QCOMPARE(Cuenta("txtApuestasCondicionadas"), QString("0"));
        QVERIFY(sesion->gNumeroGanador == antes.gNumeroGanador);
        QCOMPARE(v->cboTipoReduccion()->currentIndex(), 2);
        QCOMPARE(v->txtPorcentaje()->text(), QString("87"));
        QCOMPARE(v->txtNUApuestas()->text(), QString("12"));
        QVERIFY(v->chkApuestasExactas()->isChecked() && v->chkAleatorio()->isChecked());
        QVERIFY(!v->chkActivarCiclos()->isChecked());
        for (int i = 3; i <= 10; ++i) QCOMPARE(v->chkFiltros(i)->isChecked(), i == 3 || i == 6 || i == 10);
        QCOMPARE(TextoFiltros(sesion->filtros), TextoFiltros(antes.filtros));
        QCOMPARE(v->txtFicheroBASE()->text(), QString("mi base.xml"));
        QVERIFY(sesion->gCombinacionGuardada);
    }

    void cancelarONoCambiaNada() {
        v->Rejilla()->FijarSeleccion(4, true);
        sesion->gCombinacionGuardada = false;
        v->txtFicheroBASE()->clear();
        v->GuardarBaseXML();  // nothing queued: cancelled
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QString("Sin guardar.xml"));
        QCOMPARE(v->txtFicheroBASE()->text(), QString());
        QVERIFY(!sesion->gCombinacionGuardada);

        v->txtFicheroBASE()->setText("otra.xml");
        Guardar(dir.filePath("no existe/otra.xml"));  // cannot be written
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QString("otra.xml"));
        QCOMPARE(Textos(), QStringList{"ERROR AL GUARDAR EL FICHERO"});
        QCOMPARE(v->txtFicheroBASE()->text(), QString("otra.xml"));
        QVERIFY(!sesion->gCombinacionGuardada);

        const QString ruta = dir.filePath("b.xml");
        Guardar(ruta);
        sesion->gCombinacionGuardada = false;
        PruebaMensajes::Limpiar();
        const int dialogos = PruebaDialogos::Mostrados().size();
        v->Rejilla()->FijarSeleccion(7, true);
        v->AbrirBaseXML();  // "No" to the question
        QCOMPARE(Textos(), QStringList{kPreguntaAbrir});
        QCOMPARE(PruebaDialogos::Mostrados().size(), dialogos);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        v->AbrirBaseXML();  // "Sí", then the dialog is cancelled
        QCOMPARE(PruebaDialogos::Mostrados().size(), dialogos + 1);
        QVERIFY(v->Rejilla()->Seleccionada(7));
        QCOMPARE(v->txtFicheroBASE()->text(), QString("b.xml"));
        QVERIFY(!sesion->gCombinacionGuardada);
    }

    void valoresErroneosSeLeenPorPartes() {
        const QString ruta = Escribir("e.xml",
                                      "<XML><BASE>\r\n<Combinacion><Base_Numeros numeros='0,51,x,7'/></Combinacion>\r\n"
                                      "<NumeroGanador valor='5,6' />\r\n<Reduccion>\r\n<Tipo valor='7' />\r\n"
                                      "<Porcentaje valor='55' />\r\n<ApuestasExactas valor='1' />\r\n"
                                      "<Aleatorio valor='1' />\r\n</Reduccion>\r\n</BASE></XML>\r\n");
        sesion->gNumeroGanador = {1, 2, 3, 4, 9};
        Abrir(ruta);
        QCOMPARE(Textos().size(), 1);
        const QStringList lineas = Textos()[0].mid(kCabeceraErrores.size()).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(Textos()[0].startsWith(kCabeceraErrores));
        QCOMPARE(lineas.size(), 2);
        QVERIFY(lineas[0].startsWith("NUMEROS : ") && lineas[1].startsWith("REDUCCION : "));
        QCOMPARE(v->Rejilla()->ContarSeleccionadas(), 1);
        QVERIFY(v->Rejilla()->Seleccionada(6));
        QVERIFY((sesion->gNumeroGanador == std::array<uint8_t, 5>{5, 6, 3, 4, 9}));
        QCOMPARE(v->cboTipoReduccion()->currentIndex(), 0);
        QCOMPARE(v->txtPorcentaje()->text(), QString("55"));
        QVERIFY(v->chkApuestasExactas()->isChecked() && v->chkAleatorio()->isChecked());

        // A type equal to the current one still recounts in grid mode.
        v->txtApuestasCondicionadas()->setText("9");
        Abrir(Escribir("t.xml", "<XML><BASE><Reduccion><Tipo valor='0'/></Reduccion></BASE></XML>"));
        QCOMPARE(v->txtApuestasCondicionadas()->text(), QString("0"));

        // A flood of failing sections, and a "path" no file system allows, are shown cut short.
        QByteArray muchos = "<XML><BASE><BaseASCII valor='" + QByteArray(100000, 'a') + "'/><Reduccion>";
        for (int i = 0; i < 300; ++i) muchos += "<Porcentaje/>";
        PruebaMensajes::Limpiar();
        Abrir(Escribir("m.xml", muchos + "</Reduccion></BASE></XML>"));
        QCOMPARE(Textos().size(), 2);
        QVERIFY(Textos()[0].count("\r\n") < 50 && Textos()[0].endsWith("...\r\n"));
        QVERIFY(Textos()[1].size() < 5000);
    }

    void ficheroQueNoEsXML() {
        v->Rejilla()->FijarSeleccion(3, true);
        v->cboTipoReduccion()->setCurrentIndex(1);
        sesion->filtros.NumerosPosiciones[22] = 1;
        v->EliminadasFiltro()[5] = 123;
        v->lblNumeroELiminadas(5)->setText("123");
        sesion->gCombinacionGuardada = false;
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Abrir(Escribir("hola.txt", "hola\n"));
        QCOMPARE(Textos().last(), kCabeceraErrores + "FICHERO : ERROR AL ABRIR EL FICHERO\r\n");
        QCOMPARE(sesion->filtros.NumerosPosiciones[22], uint8_t{0});
        QCOMPARE(v->EliminadasFiltro()[5], 0);
        QCOMPARE(v->lblNumeroELiminadas(5)->text(), QString("-"));
        QVERIFY(v->Rejilla()->Seleccionada(3));
        QCOMPARE(v->cboTipoReduccion()->currentIndex(), 1);
        QCOMPARE(v->txtFicheroBASE()->text(), QString("hola.txt"));
        QVERIFY(sesion->gCombinacionGuardada);

        // Far too large to be a BASE file: refused before it is parsed.
        PruebaMensajes::Limpiar();
        Abrir(Escribir("grande.xml", "<XML><BASE>" + QByteArray(5 << 20, ' ') + "</BASE></XML>"));
        QCOMPARE(Textos(), QStringList{kCabeceraErrores + "FICHERO : ERROR AL ABRIR EL FICHERO\r\n"});
    }

    void importarSeGuardaYAbreConLaRutaIntacta() {
        // Repeats, CR LF, a skipped short line; the name holds characters XML must escape.
        const QString ruta = Escribir("it's <a&b> ñú.txt", "99999\r\n00000\r\n123\r\n00000\r\n");
        Importar(ruta);
        const auto& dialogo = PruebaDialogos::Mostrados().last();
        QCOMPARE(dialogo.titulo, QString("Abrir Fichero"));
        QCOMPARE(v->gDialogo.Filter, QString("Ficheros de números (*.TXT)|*.TXT|Ficheros de números (*.ASC)|*.ASC|"
                                             "Todos los archivos (*.*)|*.*|"));
        QCOMPARE(Textos(), QStringList{QString::fromStdString(TextoRepetidos(1))});
        const TablasSesion& t = sesion->tablas;
        QCOMPARE(t.gNumImportados, 2);
        QCOMPARE(int(t.gImportados(1, 5)), 41);  // 00000 first
        QCOMPARE(int(t.gImportados(2, 5)), 50);
        QVERIFY(t.gResultado == t.gImportados);
        QCOMPARE(v->Rejilla()->ContarSeleccionadas(), 10);
        QVERIFY(v->Rejilla()->AspectoSeleccionado(0) && v->Rejilla()->AspectoSeleccionado(49));
        QCOMPARE(v->lblContador(2)->text(), QString("2"));
        QCOMPARE(v->lblTipoCombinacion()->text(), QString("2 Números"));
        QCOMPARE(Cuenta("txtApuestasIniciales"), QString("2"));
        QCOMPARE(Cuenta("txtApuestasCondicionadas"), QString("2"));
        QCOMPARE(Cuenta("txtApuestasReducidas"), QString("0"));
        QCOMPARE(v->txtFicheroASCII()->text(), QString("it's <a&b> ñú.txt"));
        QCOMPARE(v->txtFicheroASCII()->toolTip(), ruta);
        ComprobarRestablecida();

        const QString base = dir.filePath("desde fichero.xml");
        Guardar(base);
        PruebaMensajes::Limpiar();
        Abrir(base);  // file mode: the grid stays, no notice
        QVERIFY(Textos().isEmpty());
        QCOMPARE(v->Rejilla()->ContarSeleccionadas(), 10);
        QCOMPARE(Cuenta("txtApuestasCondicionadas"), QString("2"));

        Nueva();
        Abrir(base);  // grid mode: the cells, and the notice with the very same path
        QCOMPARE(Textos(), QStringList{QString::fromStdString(TextoAvisoBaseImportada(ruta.toStdString()))});
        QCOMPARE(v->Rejilla()->ContarSeleccionadas(), 10);
        QCOMPARE(Cuenta("txtApuestasIniciales"), QString("252"));  // C(10,5)
    }

    void importarConErrores() {
        Importar(Escribir("bien.txt", "12345\n67890\n"));
        QCOMPARE(sesion->tablas.gNumImportados, 2);
        PruebaMensajes::Limpiar();

        // The separated form is chosen by the first line; skipped lines are not counted.
        Importar(Escribir("mal.txt", "1 2 3 4 5\n\n7 8\n12345\n"));
        QCOMPARE(Textos(), QStringList{"ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ( Línea con menos de 5 "
                                       "dígitos (Línea 2))"});
        QCOMPARE(sesion->tablas.gNumImportados, 0);
        QCOMPARE(sesion->tablas.gImportados.Filas(), 0);
        QCOMPARE(v->Rejilla()->ContarSeleccionadas(), 0);
        QCOMPARE(Cuenta("txtApuestasIniciales") + Cuenta("txtApuestasCondicionadas"), QString("00"));
        QCOMPARE(v->lblTipoCombinacion()->text(), QString("0 Números"));
        QCOMPARE(v->txtFicheroASCII()->text(), QString("mal.txt"));
        ComprobarRestablecida();

        PruebaMensajes::Limpiar();
        Importar(Escribir("vacio.txt", ""));
        QCOMPARE(Textos(), QStringList{QString::fromStdString(TextoCeroNumeros())});
        QCOMPARE(Cuenta("txtApuestasIniciales") + Cuenta("txtApuestasCondicionadas"), QString("00"));
        ComprobarRestablecida();

        PruebaMensajes::Limpiar();
        Importar(dir.path());  // not a plain file
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos()[0].startsWith("ERROR AL IMPORTAR EL FICHERO"));
        ComprobarRestablecida();
    }

    void importarHastaElLimite() {
        // One number past the limit; every number recurs, so the repeats are counted too.
        QByteArray texto;
        texto.reserve((kMaxCombinaciones + 1) * 6);
        for (int32_t i = 0; i <= kMaxCombinaciones; ++i) texto += QByteArray::number(i % 100000).rightJustified(5, '0') + '\n';
        const QString ruta = Escribir("todo.txt", texto);
        texto.clear();

        // While the import runs the window is busy, locked and refuses to close.
        bool ocupada = false, panel = false, bloqueada = false, abierta = false;
        QTimer::singleShot(0, v.get(), [&] {
            ocupada = v->EnProceso();
            panel = Hijo<QFrame>(*v, "picVentanaEspera")->isVisibleTo(v.get());
            bloqueada = !Hijo<QFrame>(*v, "picApuestas")->isEnabled();
            v->show();
            v->close();
            abierta = v->isVisible();
        });
        Importar(ruta);
        QVERIFY(ocupada && panel && bloqueada && abierta);
        QCOMPARE(Textos(), (QStringList{QString::fromStdString(TextoAvisoLimite()),
                                        QString::fromStdString(TextoRepetidos(kMaxCombinaciones - 100000))}));
        QCOMPARE(sesion->tablas.gNumImportados, 100000);
        QCOMPARE(v->Rejilla()->ContarSeleccionadas(), 50);
        QCOMPARE(v->lblTipoCombinacion()->text(), QString("100,000 Números"));
        QCOMPARE(Cuenta("txtApuestasCondicionadas"), QString("100,000"));
        ComprobarRestablecida();
    }
};

PRUEBA_VENTANA(PruebaBaseFrmPrincipal)
#include "test_base_frmprincipal.moc"
