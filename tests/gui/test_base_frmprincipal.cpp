// BASE files and the import of a text file of numbers, through the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <memory>

#include "ayuda_gui.h"
#include "base_xml.h"
#include "fichero_numeros.h"
#include "frmprincipal.h"
#include "lector_base_xml.h"

namespace {

const QString kCabeceraErrores = "ERRORES detectados al abrir la BASE:\r\n\r\n";
const QString kNoEsBase = kCabeceraErrores + "FICHERO : ERROR AL ABRIR EL FICHERO\r\n";

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
    // Cells, then the initial and the conditioned counts.
    QString Cuentas() {
        return QString("%1 %2 %3").arg(v->Rejilla()->ContarSeleccionadas()).arg(v->txtApuestasIniciales()->text(),
                                                                                v->txtApuestasCondicionadas()->text());
    }
    // What the BASE file stores besides the cells, as the window holds it.
    QStringList Opciones() {
        QStringList o{v->cboTipoReduccion()->currentText(), v->txtPorcentaje()->text(), v->txtNUApuestas()->text(),
                      QString::fromStdString(GenerarXMLBase(DatosBaseXML(), sesion->filtros))};
        for (const QCheckBox* c : v->findChildren<QCheckBox*>()) o << c->objectName() + (c->isChecked() ? "+" : "-");
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
        ActivarPruebasVentana();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Nueva();
    }
    void cleanup() {
        v.reset();
        sesion.reset();
    }

    void guardarYAbrirDevuelveTodo() {
        for (Casilla c : {1, 2, 13, 14, 26, 28, 39, 45, 50}) sesion->rejilla.Fijar(c, true);
        v->ActualizarApuestasIniciales();
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
        QVERIFY(dialogo.guardar);
        QCOMPARE(dialogo.titulo, QString("Guardar una BASE en XML"));
        QCOMPARE(dialogo.nombrePropuesto, QString("Sin guardar.xml"));
        QCOMPARE(v->gDialogo.Filter, QString("Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|"));
        QCOMPARE(v->txtFicheroBASE()->text() + " " + v->txtFicheroBASE()->toolTip(), "mi base.xml " + ruta);
        QVERIFY(sesion->gCombinacionGuardada && Textos().isEmpty());

        const RejillaBase rejilla = sesion->rejilla;
        Nueva();
        v->txtApuestasCondicionadas()->setText("55");
        Abrir(ruta);
        QCOMPARE(PruebaDialogos::Mostrados().last().titulo, QString("Abrir una BASE en XML"));
        QVERIFY(QDir::match(PruebaDialogos::Mostrados().last().filtros.value(0).section('(', 1).chopped(1), "mi base.xml"));
        QVERIFY(Textos().isEmpty());
        QVERIFY(sesion->rejilla == rejilla);
        QVERIFY(v->Rejilla()->AspectoSeleccionado(49) && !v->Rejilla()->AspectoSeleccionado(2));
        QCOMPARE(Cuentas(), QString("9 126 0"));
        QCOMPARE(Opciones(), opciones);
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

        Guardar(dir.filePath("b.xml"));
        sesion->gCombinacionGuardada = false;
        PruebaMensajes::Limpiar();
        const int dialogos = PruebaDialogos::Mostrados().size();
        v->Rejilla()->FijarSeleccion(7, true);
        v->AbrirBaseXML();  // "No" to the question
        QCOMPARE(Textos(), QStringList{"NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA CONTINUAR DE TODAS FORMAS ?"});
        QCOMPARE(PruebaDialogos::Mostrados().size(), dialogos);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        v->AbrirBaseXML();  // "Sí", then the dialog is cancelled
        QCOMPARE(PruebaDialogos::Mostrados().size(), dialogos + 1);
        QVERIFY(v->Rejilla()->Seleccionada(7) && !sesion->gCombinacionGuardada);
        QCOMPARE(v->txtFicheroBASE()->text(), QString("b.xml"));
    }

    void ficherosErroneos() {
        // What reads is applied, the rest is listed in one message; the
        // reader starts from the window's own winning number.
        sesion->gNumeroGanador = {1, 2, 3, 4, 9};
        Abrir(EscribirFichero(dir, "e.xml",
                              "<XML><BASE><Combinacion><Base_Numeros numeros='0,51,x,7'/></Combinacion>"
                              "<NumeroGanador valor='5,6' /><Reduccion><Tipo valor='7' /><Porcentaje valor='55' />"
                              "</Reduccion></BASE></XML>"));
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos()[0].startsWith(kCabeceraErrores + "NUMEROS : "));
        QVERIFY(v->Rejilla()->Seleccionada(6) && v->Rejilla()->ContarSeleccionadas() == 1);
        QVERIFY((sesion->gNumeroGanador == std::array<uint8_t, 5>{5, 6, 3, 4, 9}));
        QCOMPARE(v->txtPorcentaje()->text(), QString("55"));

        // A type equal to the current one still recounts in grid mode.
        v->txtApuestasCondicionadas()->setText("9");
        Abrir(EscribirFichero(dir, "t.xml", "<XML><BASE><Reduccion><Tipo valor='0'/></Reduccion></BASE></XML>"));
        QCOMPARE(v->txtApuestasCondicionadas()->text(), QString("0"));

        // A flood of failing sections, and a "path" no file system allows, are shown cut short.
        QByteArray muchos = "<XML><BASE><BaseASCII valor='" + QByteArray(100000, 'a') + "'/><Reduccion>";
        for (int i = 0; i < 300; ++i) muchos += "<Porcentaje/>";
        PruebaMensajes::Limpiar();
        Abrir(EscribirFichero(dir, "m.xml", muchos + "</Reduccion></BASE></XML>"));
        QCOMPARE(Textos().size(), 2);
        QVERIFY(Textos()[0].count("\r\n") < 50 && Textos()[0].endsWith("...\r\n"));
        QVERIFY(Textos()[1].size() < 5000);

        // Not XML: the filter settings and counts start afresh, the rest stays.
        v->cboTipoReduccion()->setCurrentIndex(1);
        sesion->filtros.NumerosPosiciones[22] = 1;
        v->EliminadasFiltro()[5] = 123;
        v->lblNumeroELiminadas(5)->setText("123");
        sesion->gCombinacionGuardada = false;
        PruebaMensajes::Limpiar();
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Abrir(EscribirFichero(dir, "hola.txt", "hola\n"));
        QCOMPARE(Textos().last(), kNoEsBase);
        QCOMPARE(sesion->filtros.NumerosPosiciones[22], uint8_t{0});
        QCOMPARE(v->EliminadasFiltro()[5], 0);
        QCOMPARE(v->lblNumeroELiminadas(5)->text(), QString("-"));
        QVERIFY(v->Rejilla()->Seleccionada(6) && v->cboTipoReduccion()->currentIndex() == 1);
        QCOMPARE(v->txtFicheroBASE()->text(), QString("hola.txt"));
        QVERIFY(sesion->gCombinacionGuardada);

        // Far too large to be a BASE file: refused before it is parsed.
        PruebaMensajes::Limpiar();
        Abrir(EscribirFichero(dir, "grande.xml", "<XML><BASE>" + QByteArray(5 << 20, ' ') + "</BASE></XML>"));
        QCOMPARE(Textos(), QStringList{kNoEsBase});
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
            int importados;
            QString cuentas;  // cells, initial and conditioned counts, then the type
        } casos[] = {
            {"todo.txt", std::move(todos), {texto(TextoAvisoLimite()), texto(TextoRepetidos(kMaxCombinaciones - 100000))},
             100000, "50 100,000 100,000 100,000 Números"},
            // A failed import leaves no numbers and no cells behind.
            {"mal.txt", "1 2 3 4 5\n\n7 8\n12345\n",
             {"ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ( Línea con menos de 5 dígitos (Línea 2))"}, 0,
             "0 0 0 0 Números"},
            {"vacio.txt", "", {texto(TextoCeroNumeros())}, 0, "0 0 0 0 Números"},
            // Repeats, CR LF, a skipped short line; the name holds characters XML must escape.
            {"it's <a&b> ñú.txt", "99999\r\n00000\r\n123\r\n00000\r\n", {texto(TextoRepetidos(1))}, 2,
             "10 2 2 2 Números"},
        };
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
            Importar(ruta);
            QVERIFY2(ocupada && Restablecida(), c.nombre);
            QCOMPARE(Textos(), c.mensajes);
            QCOMPARE(sesion->tablas.gNumImportados, c.importados);
            QCOMPARE(Cuentas() + " " + v->lblTipoCombinacion()->text(), c.cuentas);
            QCOMPARE(v->txtFicheroASCII()->text() + " " + v->txtFicheroASCII()->toolTip(),
                     QFileInfo(ruta).fileName() + " " + ruta);
        }
        QCOMPARE(PruebaDialogos::Mostrados().last().titulo, QString("Abrir Fichero"));
        const TablasSesion& t = sesion->tablas;
        QCOMPARE(int(t.gImportados(1, 5)), 41);  // 00000 first
        QVERIFY(t.gResultado == t.gImportados);
        QVERIFY(v->Rejilla()->AspectoSeleccionado(0) && v->Rejilla()->AspectoSeleccionado(49));
        QCOMPARE(v->lblContador(2)->text(), QString("2"));

        // "Calcular" in file mode takes the imported numbers as they are.
        PruebaMensajes::Limpiar();
        Pulsar(Hijo<QWidget>(*v, "lblCalcular"));
        QVERIFY(Textos().isEmpty() && Restablecida() && !t.gTodasValidas);
        QCOMPARE(v->txtApuestasCondicionadas()->text() + v->txtApuestasReducidas()->text(), QString("22"));

        const QString base = dir.filePath("desde fichero.xml");
        Guardar(base);
        Abrir(base);  // file mode: the grid stays, no notice
        QVERIFY(Textos().isEmpty());
        QCOMPARE(Cuentas(), QString("10 2 2"));

        Nueva();
        Abrir(base);  // grid mode: the cells, and the notice with the very same path
        QCOMPARE(Textos(), QStringList{texto(TextoAvisoBaseImportada(ruta.toStdString()))});
        QCOMPARE(Cuentas(), QString("10 252 0"));
    }
};

PRUEBA_VENTANA(PruebaBaseFrmPrincipal)
#include "test_base_frmprincipal.moc"
