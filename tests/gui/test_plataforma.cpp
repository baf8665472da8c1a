#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>

#include "ayuda_gui.h"
#include "controles.h"
#include "importar_numeros.h"
#include "sistema.h"
#include "teclado.h"

class PruebaPlataforma : public QObject {
    Q_OBJECT
private slots:
    void init() {
        PruebaMensajes::Activar();
        PruebaDialogos::Activar();
    }

    void filtrosDeDialogo() {
        QCOMPARE(FiltrosQt("Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|"),
                 QStringList({"Fichero BASE (*.XML *.xml)", "Todos los archivos (*)"}));
        QCOMPARE(FiltrosQt("Ficheros (*.TXT;*.ASC)|*.TXT;*.ASC|"),
                 QStringList({"Ficheros (*.TXT *.txt *.ASC *.asc)"}));
        QCOMPARE(QuitarNulos(QString("abc") + QChar(u'\0') + "def"), QString("abc"));
    }

    // A chosen name keeps its trailing blank; a cancel leaves the record's
    // title and filter as they were and clears the name.
    void cancelarConservaTituloEIndice() {
        RegistroDialogo d;
        d.Filter = "Fichero BASE (*.XML)|*.XML|";
        PruebaDialogos::EncolarRuta("/tmp/carpeta/base.xml ");
        QCOMPARE(MostrarAbrir(d), QString("/tmp/carpeta/base.xml "));
        d.FilterIndex = 2;
        QCOMPARE(MostrarGuardar(d), QString());  // nothing queued: cancel
        QCOMPARE(d.FileName, QString());
        QCOMPARE(d.FileTitle, QString("base.xml "));
        QCOMPARE(d.FilterIndex, 2);
        QCOMPARE(d.gResultadoDialogo, 0);
        QCOMPARE(PruebaDialogos::Mostrados().size(), 2);
        QVERIFY(PruebaDialogos::Mostrados().last().guardar);
    }

    void guardarAnadeLaExtensionDelFiltroElegido() {
        QTemporaryDir dir;
        const char* base = "Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|";
        const char* texto = "Fichero de texto (*.TXT)|*.TXT|Todos los archivos (*.*)|*.*|";
        struct Caso { const char* filtro; int indice; const char* defecto; const char* tecleado; const char* guardado; };
        for (const Caso& c : {Caso{base, 1, "", "navidad", "navidad.xml"}, Caso{base, 2, "", "navidad", "navidad"},
                              Caso{texto, 2, "txt", "lista", "lista.txt"}, Caso{texto, 1, "txt", "a.b", "a.b"}}) {
            RegistroDialogo d;
            d.Filter = c.filtro;
            d.FilterIndex = c.indice;
            d.DefaultExt = c.defecto;
            PruebaDialogos::EncolarRuta(dir.filePath(c.tecleado));
            QCOMPARE(MostrarGuardar(d), dir.filePath(c.guardado));
        }
        // The name with its extension is the one checked for overwriting; "No" asks for a name again.
        const QString viejo = EscribirFichero(dir, "viejo.xml", "");
        RegistroDialogo d;
        d.Filter = base;
        for (const char* nombre : {"viejo", "viejo"}) PruebaDialogos::EncolarRuta(dir.filePath(nombre));
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::No);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        QCOMPARE(MostrarGuardar(d), viejo);
        QCOMPARE(PruebaMensajes::Mostrados().size(), 2);
        QCOMPARE(PruebaMensajes::Mostrados().last().texto, QString("EL FICHERO viejo.xml YA EXISTE, ¿ DESEA REEMPLAZARLO ?"));
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QString("viejo.xml"));
    }

    // Mode 1 takes digits only, mode 8 a leading minus too; a pasted text
    // that is not a number is refused with a message.
    void filtroDeTeclasYPegado() {
        QLineEdit uno, ocho;
        InstalarFiltroTecla(&uno, 1);
        InstalarFiltroTecla(&ocho, 8);
        QTest::keyClicks(&uno, "1a2.-3");
        QTest::keyClick(&uno, Qt::Key_Backspace);
        QTest::keyClicks(&ocho, "-5-+");
        QCOMPARE(uno.text(), QString("12"));
        QCOMPARE(ocho.text(), QString("-5"));
        for (const char* pegado : {"abc", "77"}) {
            QApplication::clipboard()->setText(pegado);
            uno.selectAll();
            uno.paste();
        }
        QCOMPARE(uno.text(), QString("77"));
        QCOMPARE(PruebaMensajes::Mostrados().size(), 1);
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Critico);
    }

    void dialogosDeQtEnEspanol() {
        QVERIFY(CargarTraduccionQt());
        QFileDialog dialogo(nullptr, "Abrir");
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        QStringList textos;
        for (const char* nombre : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            textos << dialogo.findChild<QLabel*>(nombre)->text();
        for (QAbstractButton* b : dialogo.findChild<QDialogButtonBox*>()->buttons()) textos << b->text();
        QCOMPARE(textos, QStringList({"Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Abrir", "Cancelar"}));
    }

    void controlesComunes() {
        QWidget w;
        QToolButton* t = BotonImagen(&w, "cmdDesdeFichero", "Abrir", QIcon(), 20);
        QCOMPARE(t->iconSize(), QSize(20, 20));
        // A theme without the named icons falls back to the style's own.
        QVERIFY(!Icono(&w, {"vortesalin-no-existe"}, QStyle::SP_DirOpenIcon).isNull());
    }

    // The numbers file dialog proposes no name and the first filter; a file
    // that cannot be opened comes back as the text to show, leaving no numbers.
    void importarNumeros() {
        RegistroDialogo d;
        d.FileName = "viejo.txt";
        PedirFicheroNumeros(d, nullptr);
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QString());
        QCOMPARE(d.FilterIndex, 1);
        QTemporaryDir dir;
        LecturaNumeros l;
        l.total = 3;
        const QString sinAbrir = "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (No se puede abrir el fichero )";
        for (const QString& ruta : {dir.filePath("falta.txt"), dir.path()})
            QCOMPARE(LeerNumerosImportados(ruta, kLecturaSelector, Cesion(), nullptr, l, nullptr), sinAbrir);
        QCOMPARE(l.total, 0);
    }
};

PRUEBA_VENTANA(PruebaPlataforma)
#include "test_plataforma.moc"
