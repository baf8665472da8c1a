#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "controles.h"
#include "dialogos_archivo.h"
#include "importar_numeros.h"
#include "mensajes.h"
#include "sistema.h"
#include "teclado.h"
#include "ventana_secundaria.h"

class PruebaPlataforma : public QObject {
    Q_OBJECT
private slots:
    void init() {
        PruebaMensajes::Activar();
        PruebaDialogos::Activar();
    }

    void preguntaSinRespuestaEsNo() {
        QCOMPARE(Mensaje("¿ SEGURO ?", EstiloMensaje::PreguntaSiNo), RespuestaMensaje::No);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        QCOMPARE(Mensaje("¿ SEGURO ?", EstiloMensaje::PreguntaSiNo), RespuestaMensaje::Si);
        QCOMPARE(Mensaje("ERROR: x", EstiloMensaje::Critico), RespuestaMensaje::Aceptar);
        QCOMPARE(PruebaMensajes::Mostrados().size(), 3);
        QCOMPARE(PruebaMensajes::Mostrados().last().estilo, EstiloMensaje::Critico);
    }

    void filtrosDeDialogo() {
        const QStringList f = FiltrosQt("Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|");
        QCOMPARE(f, QStringList({"Fichero BASE (*.XML *.xml)", "Todos los archivos (*)"}));
        QCOMPARE(FiltrosQt("Ficheros (*.TXT;*.ASC)|*.TXT;*.ASC|"),
                 QStringList({"Ficheros (*.TXT *.txt *.ASC *.asc)"}));
        QCOMPARE(QuitarNulos(QString("abc") + QChar(u'\0') + "def"), QString("abc"));
    }

    void cancelarConservaTituloEIndice() {
        RegistroDialogo d;
        d.Filter = "Fichero BASE (*.XML)|*.XML|";
        d.DialogTitle = "Abrir";
        PruebaDialogos::EncolarRuta("/tmp/carpeta/base.xml ");  // a real name may end in a blank
        QCOMPARE(MostrarAbrir(d), QString("/tmp/carpeta/base.xml "));
        QCOMPARE(d.FileTitle, QString("base.xml "));
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
        QFile viejo(dir.filePath("viejo.xml"));
        QVERIFY(viejo.open(QIODevice::WriteOnly));
        RegistroDialogo d;
        d.Filter = base;
        for (const char* nombre : {"viejo", "viejo"}) PruebaDialogos::EncolarRuta(dir.filePath(nombre));
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::No);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        QCOMPARE(MostrarGuardar(d), viejo.fileName());
        QCOMPARE(PruebaMensajes::Mostrados().size(), 2);
        QCOMPARE(PruebaMensajes::Mostrados().last().texto, QString("EL FICHERO viejo.xml YA EXISTE, ¿ DESEA REEMPLAZARLO ?"));
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QString("viejo.xml"));
    }

    void filtroDeTeclasYPegado() {
        QLineEdit uno, ocho;
        InstalarFiltroTecla(&uno, 1);
        InstalarFiltroTecla(&ocho, 8);
        uno.show();
        ocho.show();
        QTest::keyClicks(&uno, "1a2.-3");
        QCOMPARE(uno.text(), QString("123"));
        QTest::keyClick(&uno, Qt::Key_Backspace);
        QCOMPARE(uno.text(), QString("12"));
        QTest::keyClicks(&ocho, "-5-+");
        QCOMPARE(ocho.text(), QString("-5"));

        // Pasted text that is not a number is refused with a message.
        QApplication::clipboard()->setText("abc");
        uno.selectAll();
        uno.paste();
        QCOMPARE(uno.text(), QString("12"));
        QCOMPARE(PruebaMensajes::Mostrados().size(), 1);
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Critico);
        QApplication::clipboard()->setText("77");
        uno.selectAll();
        uno.paste();
        QCOMPARE(uno.text(), QString("77"));
    }

    void ventanaQueRechazaElCierreDelUsuario() {
        VentanaSecundaria v;
        QuitarCerrarMenuSistema(&v, 1);
        v.show();
        QVERIFY(!(v.windowFlags() & Qt::WindowCloseButtonHint));
        v.close();
        QVERIFY(v.isVisible());
        QTest::keyClick(&v, Qt::Key_Escape);
        QVERIFY(v.isVisible());
        v.CerrarVentana();
        QVERIFY(!v.isVisible());

        // The close box asks the window once whether it may close.
        struct Contadora : VentanaSecundaria {
            int preguntas = 0;
            bool PuedeCerrarUsuario() override {
                ++preguntas;
                return true;
            }
        } contadora;
        contadora.show();
        contadora.windowHandle()->close();
        QVERIFY(!contadora.isVisible());
        QCOMPARE(contadora.preguntas, 1);
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
        QCOMPARE(Etiqueta(&w, QString(), "Día :")->objectName(), QString());
        QCOMPARE(Etiqueta(&w, "lblNota", "x")->objectName(), QString("lblNota"));
        QPushButton* b = Boton(&w, "cmdVolver", "&Volver");
        QVERIFY(!b->autoDefault() && !b->isDefault() && b->toolTip().isEmpty());
        QToolButton* t = BotonImagen(&w, "cmdDesdeFichero", "Abrir", QIcon(), 20);
        QCOMPARE(t->iconSize(), QSize(20, 20));
        QCOMPARE(t->toolTip(), QString("Abrir"));
        QToolButton propio(&w);
        QCOMPARE(BotonImagen(&w, "imgALLNumeros", QString(), QIcon(), 0)->iconSize(), propio.iconSize());
        // A theme without the named icons falls back to the style's own.
        QVERIFY(!Icono(&w, {"vortesalin-no-existe"}, QStyle::SP_DirOpenIcon).isNull());
    }

    // Every way an import can fail comes back as the text to show, never as
    // an exception, and leaves no numbers behind.
    void importarNumeros() {
        RegistroDialogo d;
        d.FileName = "viejo.txt";
        PruebaDialogos::EncolarRuta("/x/uno.txt");
        QCOMPARE(PedirFicheroNumeros(d, nullptr), QString("/x/uno.txt"));
        QCOMPARE(PruebaDialogos::Mostrados().last().titulo, QString("Abrir Fichero"));
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QString());
        QCOMPARE(d.FilterIndex, 1);

        QTemporaryDir dir;
        LecturaNumeros l;
        const QString sinAbrir = "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (No se puede abrir el fichero )";
        QCOMPARE(LeerNumerosImportados(dir.filePath("falta.txt"), kLecturaSelector, Cesion(), nullptr, l, nullptr),
                 sinAbrir);
        QCOMPARE(LeerNumerosImportados(dir.path(), kLecturaSelector, Cesion(), nullptr, l, nullptr), sinAbrir);
        QCOMPARE(l.total, 0);

        QFile f(dir.filePath("dos.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("12345\r\n67890\r\n");
        f.close();
        QCOMPARE(LeerNumerosImportados(f.fileName(), kLecturaSelector, Cesion(), nullptr, l, nullptr), QString());
        QCOMPARE(l.total, 2);
    }
};

#include "main_gui.h"
PRUEBA_VENTANA(PruebaPlataforma)
#include "test_plataforma.moc"
