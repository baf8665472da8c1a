#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTreeView>
#include <clocale>

#include "ayuda_gui.h"
#include "controles.h"
#include "estilo.h"
#include "importar_numeros.h"
#include "sistema.h"
#include "teclado.h"
#include "ventana_secundaria.h"

class PruebaPlataforma : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasVentana(); }

    // Saving adds the chosen filter's extension, else the default one, never
    // over a typed one, and keeps a trailing blank. The name with its
    // extension is the one checked for overwriting; "No" asks for a name
    // again. A cancel keeps the record's title and clears the name.
    void dialogosDeFichero() {
        QTemporaryDir dir;
        const char* base = "Fichero BASE (*.XML)|*.XML|Todos los archivos (*.*)|*.*|";
        const char* texto = "Fichero de texto (*.TXT)|*.TXT|Todos los archivos (*.*)|*.*|";
        struct Caso { const char* filtro; int indice; const char* defecto; const char* tecleado; const char* guardado; };
        for (const Caso& c : {Caso{base, 1, "", "navidad", "navidad.xml"}, Caso{base, 2, "", "navidad", "navidad"},
                              Caso{texto, 2, "txt", "lista", "lista.txt"}, Caso{texto, 1, "txt", "a.b ", "a.b "}}) {
            RegistroDialogo d;
            d.Filter = c.filtro;
            d.FilterIndex = c.indice;
            d.DefaultExt = c.defecto;
            PruebaDialogos::EncolarRuta(dir.filePath(c.tecleado));
            QCOMPARE(MostrarGuardar(d), dir.filePath(c.guardado));
        }
        QCOMPARE(PruebaDialogos::Mostrados().first().filtros,
                 QStringList({"Fichero BASE (*.XML *.xml)", "Todos los archivos (*)"}));
        QCOMPARE(FiltrosQt("Ficheros (*.TXT;*.ASC)|*.TXT;*.ASC|"), QStringList({"Ficheros (*.TXT *.txt *.ASC *.asc)"}));
        QCOMPARE(QuitarNulos(QString("abc") + QChar(u'\0') + "def"), QString("abc"));

        const QString viejo = EscribirFichero(dir, "viejo.xml", "");
        RegistroDialogo d;
        d.Filter = base;
        for (const char* nombre : {"viejo", "viejo"}) PruebaDialogos::EncolarRuta(dir.filePath(nombre));
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::No);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        QCOMPARE(MostrarGuardar(d), viejo);
        QCOMPARE(Textos(), QStringList(2, "EL FICHERO viejo.xml YA EXISTE, ¿ DESEA REEMPLAZARLO ?"));
        QCOMPARE(PruebaDialogos::Mostrados().last().nombrePropuesto, QString("viejo.xml"));

        // The numbers file dialog starts at its first filter.
        d.FilterIndex = 2;
        QCOMPARE(PedirFicheroNumeros(d, nullptr), QString());  // nothing queued: cancel
        QVERIFY(!PruebaDialogos::Mostrados().last().guardar);
        QCOMPARE(d.FileName + '|' + d.FileTitle, QString("|viejo.xml"));
        QCOMPARE(d.FilterIndex, 1);
        QCOMPARE(d.gResultadoDialogo, 0);
        // A folder is no numbers file, and the reading handed in is emptied.
        LecturaNumeros l;
        l.total = 3;
        QVERIFY(!LeerNumerosImportados(dir.path(), kLecturaSelector, Cesion(), nullptr, l, nullptr).isEmpty());
        QCOMPARE(l.total, 0);
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

    // A check box with no caption beside it tells enabled from disabled at a
    // glance: the enabled one's frame is clearly darker.
    void casillaActivaNoPareceDesactivada() {
        EstiloPrograma estilo;
        const auto masOscuro = [&estilo](bool activa) {
            QCheckBox casilla;
            casilla.setStyle(&estilo);
            casilla.setEnabled(activa);
            casilla.resize(casilla.sizeHint());
            const QImage imagen = casilla.grab().toImage();
            int gris = 255;
            for (int y = 0; y < imagen.height(); ++y)
                for (int x = 0; x < imagen.width(); ++x) gris = std::min(gris, qGray(imagen.pixel(x, y)));
            return gris;
        };
        QVERIFY2(masOscuro(true) + 40 < masOscuro(false),
                 qPrintable(QStringLiteral("%1 / %2").arg(masOscuro(true)).arg(masOscuro(false))));
    }

    void dialogosDeQtEnEspanol() {
        // Installed first, so reached only for what no loaded translation has.
        Huecos huecos;
        QCoreApplication::installTranslator(&huecos);
        QVERIFY(CargarTraduccionQt());
        QFileDialog dialogo(nullptr, "Abrir");
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        QStringList textos;
        for (const char* nombre : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            textos << dialogo.findChild<QLabel*>(nombre)->text();
        for (QAbstractButton* b : dialogo.findChild<QDialogButtonBox*>()->buttons()) textos << b->text();
        // The folder type in the file list, asked for under a context qtbase_es lacks.
        textos << QCoreApplication::translate("QAbstractFileIconProvider", "Folder");
        QCOMPARE(textos, QStringList({"Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Abrir", "Cancelar", "Carpeta"}));

        // The print dialog with its options, its printer properties and the
        // page setup: Qt's translation lacks "Pages", "Double Sided Printing",
        // "Off", "Long side binding", "Short side binding", a tool-tip, the
        // "Advanced" tab and its conflicts note; the program supplies them.
        QPrinter impresora;
        QPrintDialog impresion(&impresora);
        impresion.show();
        QStringList vistos;
        for (const char* nombre : {"pagesRadioButton", "noDuplex", "duplexLong", "duplexShort"})
            vistos << impresion.findChild<QAbstractButton*>(nombre)->text();
        vistos << impresion.findChild<QGroupBox*>("duplex")->title();
        QTimer::singleShot(0, &impresion, [&vistos] {
            auto* propiedades = QApplication::activeModalWidget();
            if (!propiedades) return;
            vistos << propiedades->findChild<QTabWidget*>("tabs")->tabText(2);
            propiedades->close();
        });
        impresion.findChild<QPushButton*>("properties")->click();
        QCOMPARE(vistos, QStringList({"Páginas", "Desactivada", "Encuadernación por el lado largo",
                                      "Encuadernación por el lado corto", "Impresión a doble cara", "Avanzado"}));
        // Its output file chooser is sized as the program's own file dialogs are.
        CuidarDialogosDeQt();
        int anchoLista = -1;
        QTimer::singleShot(0, &impresion, [&anchoLista] {
            auto* elegir = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!elegir) return;
            anchoLista = elegir->findChild<QTreeView*>("treeView")->minimumWidth();
            elegir->reject();
        });
        impresion.findChild<QToolButton*>("fileBrowser")->click();
        QVERIFY2(anchoLista > 0, qPrintable(QString::number(anchoLista)));
        { QPageSetupDialog pagina(&impresora); }
        QCoreApplication::removeTranslator(&huecos);
        QVERIFY2(huecos.vistos.isEmpty(), qPrintable(huecos.vistos.join('\n')));

        // Dates and sizes in the system locale's format read Spanish, while
        // the environment and the C library keep the user's LC_ALL=C.UTF-8.
        const QLocale sistema = QLocale::system();
        QCOMPARE(sistema.toString(QDateTime(QDate(2024, 8, 15), QTime(10, 0)), QLocale::ShortFormat) + ' ' +
                     sistema.monthName(8),
                 QString("15/8/24 10:00 agosto"));
        QTemporaryDir dir;
        EscribirFichero(dir, "a.txt", QByteArray(2324, 'x'));
        QFileSystemModel modelo;
        QSignalSpy leida(&modelo, &QFileSystemModel::directoryLoaded);
        modelo.setRootPath(dir.path());
        QVERIFY(leida.wait());
        QCOMPARE(modelo.index(dir.filePath("a.txt"), 1).data().toString(), QString("2,27 KiB"));
        QCOMPARE(qgetenv("LC_ALL") + ' ' + qgetenv("LC_TIME") + ' ' + setlocale(LC_TIME, nullptr) + ' ' +
                     setlocale(LC_NUMERIC, nullptr),
                 QByteArray("C.UTF-8  C.UTF-8 C.UTF-8"));
        // A theme without the named icons falls back to the style's own.
        QVERIFY(!Icono(&dialogo, {"vortesalin-no-existe"}, QStyle::SP_DirOpenIcon).isNull());
    }

    // A file dialog never outgrows the screen, whatever its title or its size
    // before; a message box Qt asks is never narrower than its title.
    void dialogosCabenConSuTitulo() {
        const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QString& titulo : {QString("Abrir"), QString(300, 'x')}) {
            QFileDialog dialogo(nullptr, titulo);
            dialogo.setOption(QFileDialog::DontUseNativeDialog);
            dialogo.resize(pantalla.size() + QSize(500, 500));
            AjustarDialogoFichero(dialogo);
            QVERIFY2(dialogo.width() <= pantalla.width() && dialogo.height() <= pantalla.height(),
                     qPrintable(QStringLiteral("%1 x %2").arg(dialogo.width()).arg(dialogo.height())));
        }
        CuidarDialogosDeQt();
        QMessageBox caja(QMessageBox::Warning, "Guardar los números en modo ASCII", "a.txt ya existe.");
        caja.show();
        QVERIFY2(caja.width() >= AnchoTitulo(caja.windowTitle()), qPrintable(QString::number(caja.width())));
    }

private:
    // Records the texts Qt asks to translate that reach it (the layout
    // direction Qt asks every new translation for is no text).
    struct Huecos : QTranslator {
        mutable QStringList vistos;
        bool isEmpty() const override { return false; }
        QString translate(const char* contexto, const char* texto, const char*, int) const override {
            if (qstrcmp(texto, "QT_LAYOUT_DIRECTION") == 0) return {};
            const QString clave = QString::fromUtf8(contexto) + " / " + QString::fromUtf8(texto);
            if (!vistos.contains(clave)) vistos << clave;
            return {};
        }
    };
};

PRUEBA_VENTANA(PruebaPlataforma)
#include "test_plataforma.moc"
