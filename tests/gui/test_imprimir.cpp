#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "ayuda_gui.h"
#include "config_impresion.h"
#include "frmImprimir.h"
#include "mensajes.h"
#include "sistema.h"

namespace {

QString Caja(QObject& v, const char* nombre) { return Hijo<QLineEdit>(v, QString::fromLatin1(nombre))->text(); }

void Escribir(QObject& v, const char* nombre, const QString& texto) {
    auto* c = Hijo<QLineEdit>(v, QString::fromLatin1(nombre));
    c->clear();
    // Key by key, as typed; keyClicks() takes Latin-1 letters only.
    for (const QChar ch : texto) QTest::sendKeyEvent(QTest::Click, c, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// The standard output of a helper program; the test fails when it cannot run.
QByteArray Salida(const QString& programa, const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(60000) || proceso.exitStatus() != QProcess::NormalExit)
        qFatal("%s did not run (poppler-utils and zbar-tools are needed)", qPrintable(programa));
    return proceso.readAllStandardOutput();
}

// The text of a PDF in the order it was drawn.
QString TextoPdf(const QString& pdf) { return QString::fromUtf8(Salida("pdftotext", {"-raw", pdf, "-"})); }

// The pages of a PDF as PNG files at `ppp` dots per inch.
QStringList PaginasPng(const QString& pdf, int ppp) {
    const QString prefijo = pdf + QStringLiteral("-pag");
    const QDir carpeta = QFileInfo(pdf).dir();
    const QStringList patron{QFileInfo(prefijo).fileName() + QStringLiteral("*.png")};
    for (const QString& viejo : carpeta.entryList(patron, QDir::Files)) QFile::remove(carpeta.filePath(viejo));
    Salida("pdftoppm", {"-r", QString::number(ppp), "-png", pdf, prefijo});
    QStringList paginas;
    for (const QString& f : carpeta.entryList(patron, QDir::Files, QDir::Name)) paginas << carpeta.filePath(f);
    return paginas;
}

// What the QR codes of these images hold; zbarimg ends each code with a line
// break, so the codes are told apart by the text they all start with.
QStringList CodigosQR(const QStringList& imagenes, const QString& inicio) {
    QString todos = QString::fromUtf8(Salida("zbarimg", QStringList{"-q", "--raw"} + imagenes));
    if (todos.isEmpty()) return {};
    todos.chop(1);
    return todos.split(QRegularExpression(QStringLiteral("\n(?=") + QRegularExpression::escape(inicio) + QLatin1Char(')')));
}

// The five-digit numbers of a text, in order.
QStringList Numeros(const QString& texto) {
    QStringList numeros;
    for (const auto& m : QRegularExpression(QStringLiteral("(?<!\\d)\\d{5}(?!\\d)")).globalMatch(texto)) numeros << m.captured();
    return numeros;
}

}  // namespace

class PruebaImprimir : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    EstadoSesion sesion_;

    std::unique_ptr<frmImprimir> Abrir(int32_t total) {
        auto v = std::make_unique<frmImprimir>(sesion_);
        v->TotalDecimos = total;
        v->RutaBase = QStringLiteral("  /home/ana/bases/Mi base.xml ");
        v->RutaConfig = dir_.filePath(QStringLiteral("config_imp.txt"));
        v->SalidaPdf = dir_.filePath(QStringLiteral("salida.pdf"));
        QFile::remove(v->SalidaPdf);
        v->show();
        return v;
    }

    void Imprimir(frmImprimir& v) { Pulsar(Hijo<QPushButton>(v, "cmdImprimir")); }

private slots:
    void init() {
        ActivarPruebasVentana();
        sesion_ = EstadoSesion{};
        AjustesImpresion& a = sesion_.impresion;
        a.gTituloImpresion = "Peña";
        a.gNombreSorteo = "Sorteo del jueves";
        a.gNumeroSorteo = 5;
        a.gPrecioDecimo = 3;
        a.gFechaSorteo = "10/03/2024";  // a Sunday
        a.gMargenIzquierdo = -35;
        a.gMargenSuperior = 1200;
        a.gOrientacion = 1;
        sesion_.tablas.gResultado.Redimensionar(25);
        for (int i = 1; i <= 25; ++i)
            for (int p = 1; p <= 5; ++p)
                sesion_.tablas.gResultado(i, p) = CasillaDeDigito(static_cast<uint8_t>((i + p) % 10), static_cast<int16_t>(p));
    }

    void CargaMuestraLosDatosGuardados() {
        auto v = Abrir(25);
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        QCOMPARE(v->windowTitle(), QStringLiteral("PANEL DE IMPRESION"));
        QCOMPARE(Caja(*v, "txtNombreQuinielaBase"), QStringLiteral("Mi base.xml"));
        QCOMPARE(Hijo<QLabel>(*v, "lblBoletos")->text(), QStringLiteral("25"));
        QCOMPARE(Caja(*v, "txtNumeroSorteo"), QStringLiteral("005"));
        QCOMPARE(Caja(*v, "txtPrecioSorteo"), QStringLiteral("3"));
        QCOMPARE(Caja(*v, "txtTitulo"), QStringLiteral("Peña"));
        QCOMPARE(Caja(*v, "txtAnchuraREVERSOBOLETOS"), QStringLiteral("-35"));
        QCOMPARE(Caja(*v, "txtAlturaREVERSOBOLETOS"), QStringLiteral("1200"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboOrientacion")->currentText(), QStringLiteral("Horizontal"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboDiaSorteo")->currentText(), QStringLiteral("D"));
        QCOMPARE(Caja(*v, "txtDiaSorteo"), QStringLiteral("10"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboMesSorteo")->currentText(), QStringLiteral("MAR"));
        QCOMPARE(Caja(*v, "txtAnioSorteo"), QStringLiteral("2024"));

        // Paper type 1 shows the background option; type 0 the header option.
        QCOMPARE(Hijo<QComboBox>(*v, "cboTipoPapel")->currentText(), QStringLiteral("Décimos y códigos QR"));
        QCOMPARE(EstadosDistintos(*v, {"=chkFondoDecimo", "=lblFondoDecimo", "~chkCabeceraBoleto", "~lblCabeceraBoleto"}), QString());
        Hijo<QComboBox>(*v, "cboTipoPapel")->setCurrentIndex(0);
        QCOMPARE(EstadosDistintos(*v, {"~chkFondoDecimo", "~lblFondoDecimo", "=chkCabeceraBoleto", "=lblCabeceraBoleto"}), QString());

        Hijo<QRadioButton>(*v, "optImBoletos_1")->click();
        QCOMPARE(EstadosDistintos(*v, {"=picIntervalo", "~picNBoleto"}), QString());
        Hijo<QRadioButton>(*v, "optImBoletos_2")->click();
        QCOMPARE(EstadosDistintos(*v, {"~picIntervalo", "=picNBoleto"}), QString());
        Hijo<QRadioButton>(*v, "optImBoletos_0")->click();
        QCOMPARE(EstadosDistintos(*v, {"~picIntervalo", "~picNBoleto"}), QString());

        // The close box is refused; only "Volver" closes.
        v->close();
        QVERIFY(v->isVisible());
        QVERIFY(v->windowFlags() & Qt::WindowCloseButtonHint ? false : true);
    }

    void ErroresDeCargaDejanElRestoComoEstaba() {
        sesion_.impresion.gOrientacion = 5;
        auto v = Abrir(25);
        QCOMPARE(Textos(), QStringList{QStringLiteral("ERROR: Valor de propiedad no válido (380)")});
        QCOMPARE(Caja(*v, "txtTitulo"), QString());
        QCOMPARE(Caja(*v, "txtNombreSorteo"), QStringLiteral("Nombre Sorteo"));
        QCOMPARE(Caja(*v, "txtAnchuraREVERSOBOLETOS"), QStringLiteral("-35"));

        PruebaMensajes::Limpiar();
        sesion_.impresion.gOrientacion = 0;
        sesion_.impresion.gFechaSorteo = "31/02/2024";
        auto w = Abrir(25);
        QCOMPARE(Textos(), QStringList{QStringLiteral("ERROR: No coinciden los tipos (13)")});
        QCOMPARE(Caja(*w, "txtNumeroSorteo"), QStringLiteral("005"));
        QCOMPARE(Caja(*w, "txtDiaSorteo"), QString());
    }

    void VolverGuardaMargenesFicheroYDatos() {
        auto v = Abrir(25);
        Hijo<QLineEdit>(*v, "txtAnchuraREVERSOBOLETOS")->clear();
        Escribir(*v, "txtAlturaREVERSOBOLETOS", QStringLiteral("-"));
        Hijo<QComboBox>(*v, "cboOrientacion")->setCurrentIndex(0);
        Hijo<QLineEdit>(*v, "txtNumeroSorteo")->clear();
        Hijo<QLineEdit>(*v, "txtPrecioSorteo")->clear();
        Escribir(*v, "txtDiaSorteo", QStringLiteral("05"));
        Escribir(*v, "txtPie", QStringLiteral("Suerte"));
        Pulsar(Hijo<QPushButton>(*v, "cmdVolver"));
        QVERIFY(!v->isVisible());
        const AjustesImpresion& a = sesion_.impresion;
        QCOMPARE(a.gMargenIzquierdo, 900);
        QCOMPARE(a.gMargenSuperior, 1000);
        QCOMPARE(a.gOrientacion, 0);
        QCOMPARE(a.gNumeroSorteo, int16_t{102});
        QCOMPARE(a.gPrecioDecimo, int16_t{20});
        QCOMPARE(a.gFechaSorteo, std::string("05/3/2024"));
        QCOMPARE(a.gPieImpresion, std::string("Suerte"));
        AjustesImpresion leidos;
        leidos.gMargenIzquierdo = leidos.gMargenSuperior = leidos.gOrientacion = 7;
        LeerConfigImpresion(leidos, dir_.filePath(QStringLiteral("config_imp.txt")).toStdString());
        QCOMPARE((QList<int>{leidos.gMargenSuperior, leidos.gMargenIzquierdo, leidos.gOrientacion}), (QList<int>{1000, 900, 0}));
    }

    void TeclasDeLasCajas() {
        auto v = Abrir(25);
        Escribir(*v, "txtAnchuraREVERSOBOLETOS", QStringLiteral("-1a2-"));
        QCOMPARE(Caja(*v, "txtAnchuraREVERSOBOLETOS"), QStringLiteral("-12"));
        Escribir(*v, "txtDiaSorteo", QStringLiteral("-x7"));
        QCOMPARE(Caja(*v, "txtDiaSorteo"), QStringLiteral("7"));
    }

    void RangosDeDecimos() {
        auto v = Abrir(25);
        Hijo<QRadioButton>(*v, "optImBoletos_1")->click();
        const QString fuera = QStringLiteral("ERROR: EL INTERVALO DE DECIMOS DEBE ESTAR ENTRE 1 y 25");
        for (auto [a, b] : {std::pair{"7", "3"}, {"0", "5"}, {"3", "26"}}) {
            PruebaMensajes::Limpiar();
            Escribir(*v, "txtPriBoleto", QString::fromLatin1(a));
            Escribir(*v, "txtUltBoleto", QString::fromLatin1(b));
            Imprimir(*v);
            QCOMPARE(Textos(), QStringList{fuera});
            QCOMPARE(Hijo<QLineEdit>(*v, "txtPriBoleto")->selectedText(), QString::fromLatin1(a));
        }
        PruebaMensajes::Limpiar();
        Hijo<QLineEdit>(*v, "txtUltBoleto")->clear();
        Imprimir(*v);
        QCOMPARE(Textos(), QStringList{QStringLiteral("ERROR: DEBE COMPLETAR LOS CAMPOS INTERVALO DE DECIMOS")});
        QVERIFY(v->Impresiones().isEmpty());

        Hijo<QRadioButton>(*v, "optImBoletos_2")->click();
        for (const char* n : {"0", "26", ""}) {
            PruebaMensajes::Limpiar();
            Escribir(*v, "txtNBoleto", QString::fromLatin1(n));
            Imprimir(*v);
            QCOMPARE(Textos(), QStringList{QStringLiteral("ERROR: EL NUMERO DE DECIMOS DEBE ESTAR ENTRE 1 y 25")});
        }
        QVERIFY(v->Impresiones().isEmpty());

    }

    void TodosLosDecimosPreguntaAntes() {
        auto v = Abrir(25);
        Imprimir(*v);
        QCOMPARE(Textos(), QStringList{QStringLiteral("¿ IMPRIMIR TODOS LOS DECIMOS ?")});
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::PreguntaSiNo);
        QVERIFY(v->Impresiones().isEmpty());
        QVERIFY(!QFile::exists(v->SalidaPdf));

    }

    // What is typed prints, without "Volver": in the text of every page and
    // in the QR codes, with the right tickets in order.
    void ImprimeLoTecleado() {
        struct Caso {
            int papel, opcion;
            const char *primero, *ultimo;
            int porQR, orientacion;
            int32_t desde, hasta;
            int paginas, codigos;
        };
        const Caso casos[] = {
            {1, 1, "3", "7", 1, 0, 3, 7, 1, 5},      // an interval of tickets
            {1, 0, "", "", 1, 0, 1, 25, 3, 25},      // all of them, ten a page
            {1, 2, "25", "", 1, 1, 25, 25, 1, 1},    // one ticket, landscape
            {0, 0, "", "", 4, 0, 1, 25, 1, 7},       // QR codes only, four tickets each
        };
        auto v = Abrir(25);
        Escribir(*v, "txtTitulo", QStringLiteral("Peña Prueba"));
        Escribir(*v, "txtPie", QStringLiteral("Suerte a todos"));
        Escribir(*v, "txtNombreSorteo", QStringLiteral("Sorteo Ñandú"));
        Escribir(*v, "txtNumeroSorteo", QStringLiteral("7"));
        Escribir(*v, "txtPrecioSorteo", QStringLiteral("15"));
        Escribir(*v, "txtDiaSorteo", QStringLiteral("3"));
        Hijo<QComboBox>(*v, "cboMesSorteo")->setCurrentIndex(5);
        Escribir(*v, "txtAnioSorteo", QStringLiteral("2027"));
        Hijo<QComboBox>(*v, "cboDiaSorteo")->setCurrentIndex(2);
        const QString datos = QStringLiteral("Sorteo Ñandú\nSorteo Nº 007\nMiércoles 3 JUN 2027\nPrecio: 15 euros\n");
        const auto numero = [](int32_t n) {
            QString t;
            for (int p = 1; p <= 5; ++p) t += QChar(u'0' + (n + p) % 10);
            return t;
        };
        for (const Caso& c : casos) {
            const QString fila = QStringLiteral("papel %1, décimos %2-%3").arg(c.papel).arg(c.desde).arg(c.hasta);
            Hijo<QComboBox>(*v, "cboTipoPapel")->setCurrentIndex(c.papel);
            Hijo<QComboBox>(*v, "cboOrientacion")->setCurrentIndex(c.orientacion);
            Hijo<QComboBox>(*v, "cboNumeroDecimos")->setCurrentIndex(c.porQR - 1);
            Hijo<QRadioButton>(*v, QStringLiteral("optImBoletos_%1").arg(c.opcion))->click();
            Escribir(*v, c.opcion == 1 ? "txtPriBoleto" : "txtNBoleto", QString::fromLatin1(c.primero));
            Escribir(*v, "txtUltBoleto", QString::fromLatin1(c.ultimo));
            PruebaMensajes::Limpiar();
            if (c.opcion == 0) PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
            QFile::remove(v->SalidaPdf);
            Imprimir(*v);
            QCOMPARE(Textos().size(), c.opcion == 0 ? 1 : 0);
            QCOMPARE(v->Impresiones().last().paginas, c.paginas);

            const QString texto = TextoPdf(v->SalidaPdf);
            QVERIFY2(texto.count(QStringLiteral("Peña Prueba")) == c.paginas && texto.count(QStringLiteral("Suerte a todos")) == c.paginas,
                     qPrintable(fila));
            QStringList numeros, esperados, leidos;
            for (int32_t n = c.desde; n <= c.hasta; ++n) {
                numeros << numero(n);
                esperados << QStringLiteral("Décimo %1: %2").arg(n).arg(numero(n));
            }
            if (c.papel == 1) {
                QCOMPARE(Numeros(texto), numeros);
                for (const QString& linea : datos.split('\n', Qt::SkipEmptyParts)) QCOMPARE(texto.count(linea), numeros.size());
            }
            const QStringList codigos = CodigosQR(PaginasPng(v->SalidaPdf, 200), datos);
            QVERIFY2(codigos.size() == c.codigos, qPrintable(fila));
            for (const QString& codigo : codigos) {
                QVERIFY2(codigo.startsWith(datos), qPrintable(codigo));
                leidos << codigo.mid(datos.size()).split('\n');
            }
            std::sort(leidos.begin(), leidos.end(), [](const QString& a, const QString& b) {
                return a.section(' ', 1, 1).chopped(1).toInt() < b.section(' ', 1, 1).chopped(1).toInt();
            });
            QCOMPARE(leidos, esperados);
        }
        // Nothing is stored before "Volver".
        QCOMPARE(sesion_.impresion.gNombreSorteo, std::string("Sorteo del jueves"));
        QCOMPARE(sesion_.impresion.gNumeroSorteo, int16_t{5});

        // No printer installed: the save dialog says the tickets go to a PDF file.
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            v->SalidaPdf.clear();
            PruebaDialogos::EncolarRuta(QString());
            Hijo<QRadioButton>(*v, "optImBoletos_2")->click();
            Escribir(*v, "txtNBoleto", QStringLiteral("2"));
            Imprimir(*v);
            QCOMPARE(PruebaDialogos::Mostrados().last().titulo,
                     QStringLiteral("No hay ninguna impresora instalada: los décimos se guardarán en un fichero PDF"));
        }
    }

    // The margins move a ticket (twips, 20 to a pixel at 72 dots per inch)
    // and never change its size.
    void MargenMueveElDecimoSinCambiarSuTamano() {
        auto v = Abrir(25);
        Hijo<QRadioButton>(*v, "optImBoletos_2")->click();
        const auto decimo = [&](const char* izquierdo, const char* superior) {
            Escribir(*v, "txtAnchuraREVERSOBOLETOS", QString::fromLatin1(izquierdo));
            Escribir(*v, "txtAlturaREVERSOBOLETOS", QString::fromLatin1(superior));
            Imprimir(*v);
            // The ticket's background is the only warm colour on the page.
            const QImage pagina(PaginasPng(v->SalidaPdf, 72).value(0));
            QRect caja;
            for (int y = 0; y < pagina.height(); ++y)
                for (int x = 0; x < pagina.width(); ++x)
                    if (qRed(pagina.pixel(x, y)) - qBlue(pagina.pixel(x, y)) > 20) caja |= QRect(x, y, 1, 1);
            return caja;
        };
        const QRect base = decimo("900", "1000");
        QVERIFY(base.width() > 200 && base.height() > 100);
        struct Fila {
            const char *izquierdo, *superior;
            int dx, dy;
        };
        for (const Fila& f : {Fila{"1620", "1000", 36, 0}, Fila{"-60", "-600", -48, -80}}) {
            QCOMPARE(decimo(f.izquierdo, f.superior), base.translated(f.dx, f.dy));
        }
    }

    void DatosDelSorteoSeComprueban() {
        auto v = Abrir(25);
        Hijo<QRadioButton>(*v, "optImBoletos_2")->click();
        Hijo<QLineEdit>(*v, "txtDiaSorteo")->clear();
        Imprimir(*v);
        QCOMPARE(Textos(), QStringList{QStringLiteral("ERROR: DATOS DEL SORTEO INCORRECTOS")});
        Pulsar(Hijo<QToolButton>(*v, "cmdVisorQR"));
        QCOMPARE(Textos().size(), 2);
        QVERIFY(Hijo<QWidget>(*v, "picVisorContenedor")->isHidden());
        QVERIFY(v->Impresiones().isEmpty());

        // No range is checked: day 45 prints.
        PruebaMensajes::Limpiar();
        Escribir(*v, "txtDiaSorteo", QStringLiteral("45"));
        Escribir(*v, "txtNBoleto", QStringLiteral("25"));
        Imprimir(*v);
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        QCOMPARE(v->Impresiones().last().indice, 24);
    }

    void VisorBloqueaElPanel() {
        auto v = Abrir(25);
        Escribir(*v, "txtNombreSorteo", QStringLiteral("Visor Ñ"));
        Pulsar(Hijo<QToolButton>(*v, "cmdVisorQR"));
        QVERIFY(!Hijo<QWidget>(*v, "picVisorContenedor")->isHidden());
        QCOMPARE(Hijo<QLabel>(*v, "lblDecimoQR")->text(), QStringLiteral("23456"));
        const QString png = dir_.filePath(QStringLiteral("visor.png"));
        QVERIFY(Hijo<QLabel>(*v, "picVisorQR")->pixmap().save(png));
        QCOMPARE(CodigosQR({png}, QStringLiteral("Visor Ñ\n")),
                 QStringList{QStringLiteral("Visor Ñ\nSorteo Nº 005\nDomingo 10 MAR 2024\nPrecio: 3 euros\nDécimo 1: 23456")});
        QCOMPARE(Hijo<QLabel>(*v, "lblNumeroBoletoVisorQR")->text(), QStringLiteral("Décimo 1 de 25"));
        QCOMPARE(EstadosDistintos(*v, {"-cmdImprimir", "-cmdVolver", "-txtTitulo", "-cboTipoGeneradorQR", "-optImBoletos_2",
                                       "+cmdCerrarpicContenedor"}),
                 QString());
        Pulsar(Hijo<QPushButton>(*v, "cmdCerrarpicContenedor"));
        QVERIFY(Hijo<QWidget>(*v, "picVisorContenedor")->isHidden());
        QCOMPARE(EstadosDistintos(*v, {"+cmdImprimir", "+cmdVolver", "+txtTitulo", "+cboTipoGeneradorQR"}), QString());
    }

    void BlocDeNotas() {
        auto v = Abrir(25);
        Escribir(*v, "txtTitulo", QStringLiteral("Título nuevo"));
        PruebaSistema::Activar(false);
        Pulsar(Hijo<QToolButton>(*v, "cmdVerenBlocdeNotas"));
        QCOMPARE(Textos(), QStringList{QStringLiteral(
                               "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se ha podido abrir el editor de textos)")});
        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(*v, "cmdVerenBlocdeNotas"));
        QFile f(PruebaSistema::Abiertos().last());
        PruebaSistema::Desactivar();
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString texto = QString::fromUtf8(f.readAll());
        QVERIFY2(texto.startsWith(QStringLiteral("Título nuevo\r\n\r\nSorteo del jueves\r\nSorteo Nº 005\r\nDomingo 10 MAR 2024\r\n"
                                                 "Precio: 3 euros\r\n\r\nDécimo 1 : 23456\r\nDécimo 2 : 34567\r\n")) &&
                     texto.endsWith(QStringLiteral("Décimo 25 : 67890\r\n")),
                 qPrintable(texto));
    }

    void CodigoQR() {
        const QImage a = ImagenQR("12345", 0);
        const QImage b = ImagenQR("12346", 0);
        QVERIFY(!a.isNull());
        QCOMPARE(a.width(), 21 + 8);  // version 1 with its quiet zone
        QCOMPARE(a.pixelIndex(0, 0), 0);
        QCOMPARE(a.pixelIndex(4, 4), 1);  // corner of a finder pattern
        QVERIFY(a != b);
        QVERIFY(ImagenQR(QByteArray(300, 'x'), 3).width() > a.width());
    }
};

PRUEBA_VENTANA(PruebaImprimir)
#include "test_imprimir.moc"
