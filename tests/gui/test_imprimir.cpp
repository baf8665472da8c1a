#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>

#include "ayuda_gui.h"
#include "config_impresion.h"
#include "frmImprimir.h"
#include "sistema.h"

namespace {

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

// The first `paginas` pages of a PDF as PNG files at `ppp` dots per inch.
QStringList PaginasPng(const QString& pdf, int ppp, int paginas) {
    Salida("pdftoppm", {"-r", QString::number(ppp), "-png", pdf, pdf});
    QStringList png;
    for (int n = 1; n <= paginas; ++n) png << QStringLiteral("%1-%2.png").arg(pdf).arg(n);
    return png;
}

// What the QR codes of these images hold after the text `inicio`, sorted; a
// code that does not start with it leaves text before the first one.
QStringList CodigosQR(const QStringList& imagenes, const QString& inicio) {
    QStringList codigos = QString::fromUtf8(Salida("zbarimg", QStringList{"-q", "--raw"} + imagenes)).split(inicio);
    codigos.sort();
    return codigos;
}

}  // namespace

class PruebaImprimir : public QObject {
    Q_OBJECT
    void Imprimir(frmImprimir& v) { Pulsar(Hijo<QPushButton>(v, "cmdImprimir")); }

private slots:
    // The load fills the window in three stages; a bad saved value stops it,
    // with its message, before the next stage. Then the panel's options, the
    // keys the boxes drop and every refusal to print with its reason; what is
    // typed is viewed and printed without "Volver": in the text of every page
    // and in the QR codes, with the right tickets in order, placed by the
    // margins. "Volver" then stores it.
    void CargaRehusaImprimeYGuarda() {
        ActivarPruebasVentana();
        QTemporaryDir dir;
        EstadoSesion sesion;
        sesion.impresion = AjustesImpresion{.gTituloImpresion = "Peña", .gPieImpresion = "",
                                            .gNombreSorteo = "Sorteo del jueves", .gNumeroSorteo = 5, .gPrecioDecimo = 3,
                                            .gFechaSorteo = "10/03/2024",  // a Sunday
                                            .gMargenSuperior = 1200, .gMargenIzquierdo = -35, .gOrientacion = 1,
                                            .impresoraActual = ""};
        // Ticket n is the number whose digit p is (n + p) % 10.
        QStringList decimos;
        for (int n = 1; n <= 25; ++n) {
            decimos << QString();
            for (int p = 1; p <= 5; ++p) decimos.last() += QChar(u'0' + (n + p) % 10);
        }
        FijarResultado(sesion, decimos);
        const QStringList campos{"txtNombreQuinielaBase", "lblBoletos", "txtAnchuraREVERSOBOLETOS", "txtAlturaREVERSOBOLETOS",
                                 "cboTipoPapel", "txtTitulo", "txtNombreSorteo", "txtNumeroSorteo", "txtPrecioSorteo",
                                 "cboOrientacion", "cboDiaSorteo", "txtDiaSorteo", "cboMesSorteo", "txtAnioSorteo"};
        const QString cargado = "Mi base.xml|25|-35|1200|Décimos y códigos QR|";
        const struct {
            int orientacion;
            const char* fecha;
            QString mensaje, vistos;
        } etapas[] = {
            {5, "10/03/2024", "ERROR: Valor de propiedad no válido (380)", cargado + "|Nombre Sorteo|102|20|Vertical|L||ENE|"},
            {0, "31/02/2024", "ERROR: No coinciden los tipos (13)", cargado + "Peña|Sorteo del jueves|005|3|Vertical|L||ENE|"},
            {1, "10/03/2024", "", cargado + "Peña|Sorteo del jueves|005|3|Horizontal|D|10|MAR|2024"},
        };
        std::unique_ptr<frmImprimir> v;
        for (const auto& e : etapas) {
            PruebaMensajes::Limpiar();
            sesion.impresion.gOrientacion = e.orientacion;
            sesion.impresion.gFechaSorteo = e.fecha;
            v = std::make_unique<frmImprimir>(sesion);
            v->TotalDecimos = 25;
            v->RutaBase = QStringLiteral("  /home/ana/bases/Mi base.xml ");
            v->RutaConfig = dir.filePath(QStringLiteral("config_imp.txt"));
            v->SalidaPdf = dir.filePath(QStringLiteral("salida.pdf"));
            v->show();
            QCOMPARE(Textos().join('\n'), e.mensaje);
            QCOMPARE(Vistos(*v, campos).join('|'), e.vistos);
        }

        // Paper type 1 shows the background option; type 0 the header option.
        QCOMPARE(EstadosDistintos(*v, {"=chkFondoDecimo", "=lblFondoDecimo", "~chkCabeceraBoleto", "~lblCabeceraBoleto"}), QString());
        Hijo<QComboBox>(*v, "cboTipoPapel")->setCurrentIndex(0);
        QCOMPARE(EstadosDistintos(*v, {"~chkFondoDecimo", "~lblFondoDecimo", "=chkCabeceraBoleto", "=lblCabeceraBoleto"}), QString());
        Escribir(*v, "txtAnchuraREVERSOBOLETOS", QStringLiteral("-1a2-"));
        Escribir(*v, "txtDiaSorteo", QStringLiteral("-x7"));
        // The weekday follows a valid date: 7 March 2024 is a Thursday.
        QCOMPARE(Vistos(*v, {"txtAnchuraREVERSOBOLETOS", "txtDiaSorteo", "cboDiaSorteo"}), (QStringList{"-12", "7", "J"}));
        // The year alone moves it too: 7 March 2025 is a Friday.
        Escribir(*v, "txtAnioSorteo", QStringLiteral("2025"));
        QCOMPARE(Hijo<QComboBox>(*v, "cboDiaSorteo")->currentText(), QStringLiteral("V"));
        QVERIFY(!(v->windowFlags() & Qt::WindowCloseButtonHint));

        struct Rehuso {
            int opcion;  // also shows the range boxes (1) or the ticket box (2)
            const char *caja, *texto;
            QString mensaje;
            EstiloMensaje estilo;
            const char* seleccionada;  // the box left selected, if any
        };
        const Rehuso rehusos[] = {
            {1, "txtUltBoleto", "", "ERROR: DEBE COMPLETAR LOS CAMPOS INTERVALO DE DECIMOS", EstiloMensaje::Critico, nullptr},
            {1, "txtUltBoleto", "26", "ERROR: EL INTERVALO DE DECIMOS DEBE ESTAR ENTRE 1 y 25", EstiloMensaje::Critico,
             "txtPriBoleto"},
            {2, "txtNBoleto", "0", "ERROR: EL NUMERO DE DECIMOS DEBE ESTAR ENTRE 1 y 25", EstiloMensaje::Critico, "txtNBoleto"},
            {0, "txtPie", "", "¿ IMPRIMIR TODOS LOS DECIMOS ?", EstiloMensaje::PreguntaSiNo, nullptr},  // answered No
            {2, "txtDiaSorteo", "", "ERROR: DATOS DEL SORTEO INCORRECTOS", EstiloMensaje::Critico, nullptr},
        };
        Escribir(*v, "txtPriBoleto", QStringLiteral("3"));
        for (const Rehuso& c : rehusos) {
            PruebaMensajes::Limpiar();
            Hijo<QRadioButton>(*v, QStringLiteral("optImBoletos_%1").arg(c.opcion))->click();
            QCOMPARE(Hijo<QWidget>(*v, "picIntervalo")->isHidden(), c.opcion != 1);
            QCOMPARE(Hijo<QWidget>(*v, "picNBoleto")->isHidden(), c.opcion != 2);
            Escribir(*v, c.caja, QString::fromLatin1(c.texto));
            Imprimir(*v);
            QCOMPARE(Textos(), QStringList{c.mensaje});
            QCOMPARE(PruebaMensajes::Mostrados().first().estilo, c.estilo);
            if (c.seleccionada != nullptr)
                QVERIFY2(!Hijo<QLineEdit>(*v, c.seleccionada)->selectedText().isEmpty(), c.seleccionada);
        }
        // Bad draw data also keeps the viewer shut.
        Pulsar(Hijo<QToolButton>(*v, "cmdVisorQR"));
        QCOMPARE(Textos().size(), 2);
        QVERIFY(Hijo<QWidget>(*v, "picVisorContenedor")->isHidden());
        QVERIFY(v->Impresiones().isEmpty());
        QVERIFY(!QFile::exists(v->SalidaPdf));

        // What is typed is viewed and printed without "Volver".
        PruebaMensajes::Limpiar();
        for (auto [caja, texto] : {std::pair{"txtTitulo", "Peña Prueba"}, {"txtPie", "Suerte a todos"},
                                   {"txtNombreSorteo", "Sorteo Ñandú"}, {"txtNumeroSorteo", "7"}, {"txtPrecioSorteo", "15"},
                                   {"txtDiaSorteo", "3"}, {"txtAnioSorteo", "2027"}, {"txtPriBoleto", "3"}, {"txtUltBoleto", "25"}})
            Escribir(*v, caja, QString::fromUtf8(texto));
        Hijo<QComboBox>(*v, "cboMesSorteo")->setCurrentIndex(5);
        // 3 June 2027 is a Thursday, but the weekday picked by hand after it is the one printed.
        QTest::keyClick(Hijo<QComboBox>(*v, "cboDiaSorteo"), Qt::Key_Down);
        const QString datos = QStringLiteral("Sorteo Ñandú\nSorteo Nº 007\nViernes 3 JUN 2027\nPrecio: 15 euros\n");

        // The viewer shows the first ticket's code and locks the panel until it is shut.
        Pulsar(Hijo<QToolButton>(*v, "cmdVisorQR"));
        QCOMPARE(Vistos(*v, {"lblDecimoQR", "lblNumeroBoletoVisorQR"}), (QStringList{decimos[0], "Décimo 1 de 25"}));
        const QString png = dir.filePath(QStringLiteral("visor.png"));
        QVERIFY(Hijo<QLabel>(*v, "picVisorQR")->pixmap().save(png));
        QCOMPARE(CodigosQR({png}, datos), (QStringList{"", "Décimo 1: " + decimos[0] + '\n'}));
        QCOMPARE(EstadosDistintos(*v, {"=picVisorContenedor", "-cmdImprimir", "-cmdVolver", "-txtTitulo", "-cboTipoGeneradorQR",
                                       "-optImBoletos_2", "+cmdCerrarpicContenedor"}),
                 QString());
        Pulsar(Hijo<QPushButton>(*v, "cmdCerrarpicContenedor"));
        QCOMPARE(EstadosDistintos(*v, {"~picVisorContenedor", "+cmdImprimir", "+cmdVolver", "+txtTitulo", "+cboTipoGeneradorQR"}),
                 QString());

        // The Notepad view: every ticket, or a message when no editor opens.
        PruebaSistema::Activar(false);
        Pulsar(Hijo<QToolButton>(*v, "cmdVerenBlocdeNotas"));
        QCOMPARE(Textos(), QStringList{"ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se ha podido abrir el editor de "
                                       "textos con el fichero " + PruebaSistema::Abiertos().value(0) + ")"});
        PruebaSistema::Activar(true);
        Pulsar(Hijo<QToolButton>(*v, "cmdVerenBlocdeNotas"));
        const QString bloc = PruebaSistema::Abiertos().last();
        PruebaSistema::Desactivar();
        QString esperado = QStringLiteral("Peña Prueba\r\n\r\n") + QString(datos).replace('\n', QStringLiteral("\r\n")) + "\r\n";
        for (int n = 1; n <= 25; ++n) esperado += QStringLiteral("Décimo %1 : %2\r\n").arg(n).arg(decimos[n - 1]);
        QCOMPARE(QString::fromUtf8(ContenidoFichero(bloc)), esperado + QStringLiteral("\r\nSuerte a todos\r\n"));

        struct Tirada {
            int papel, opcion, porQR, orientacion, desde, hasta, paginas;
        };
        // All tickets, nine a landscape page; then QR codes only, two tickets each, over two pages.
        for (const Tirada& c : {Tirada{1, 0, 1, 1, 1, 25, 3}, Tirada{0, 1, 2, 0, 3, 25, 2}}) {
            Hijo<QComboBox>(*v, "cboTipoPapel")->setCurrentIndex(c.papel);
            Hijo<QComboBox>(*v, "cboOrientacion")->setCurrentIndex(c.orientacion);
            Hijo<QComboBox>(*v, "cboNumeroDecimos")->setCurrentIndex(c.porQR - 1);
            Hijo<QRadioButton>(*v, QStringLiteral("optImBoletos_%1").arg(c.opcion))->click();
            PruebaMensajes::Limpiar();
            PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
            Imprimir(*v);
            QCOMPARE(v->Impresiones().last().paginas, c.paginas);

            const QString texto = QString::fromUtf8(Salida("pdftotext", {"-raw", v->SalidaPdf, "-"}));
            QCOMPARE(texto.count('\f'), c.paginas);  // pdftotext ends each page so
            QCOMPARE(texto.count(QStringLiteral("Peña Prueba")), c.paginas);
            QCOMPARE(texto.count(QStringLiteral("Suerte a todos")), c.paginas);
            const QStringList numeros = decimos.mid(c.desde - 1, c.hasta - c.desde + 1);
            if (c.papel == 1) {
                QStringList impresos;
                for (const auto& m : QRegularExpression(QStringLiteral("(?<!\\d)\\d{5}(?!\\d)")).globalMatch(texto))
                    impresos << m.captured();
                QCOMPARE(impresos, numeros);
                for (const QString& linea : datos.split('\n', Qt::SkipEmptyParts)) QCOMPARE(texto.count(linea), numeros.size());
            }
            const QStringList paginas = PaginasPng(v->SalidaPdf, 200, c.paginas);
            QCOMPARE(QImage(paginas.value(0)).width() > QImage(paginas.value(0)).height(), c.orientacion == 1);
            // Every code holds the draw data and then its tickets, porQR of them.
            QStringList codigos{QString()};
            for (int32_t n = c.desde; n <= c.hasta; ++n) {
                if ((n - c.desde) % c.porQR == 0) codigos << QString();
                codigos.last() += QStringLiteral("Décimo %1: %2\n").arg(n).arg(decimos[n - 1]);
            }
            codigos.sort();
            QCOMPARE(CodigosQR(paginas, datos), codigos);
        }

        // The margins (twips, 20 to a pixel at 72 dots per inch) move a ticket
        // and never change its size; printing repairs them first.
        Hijo<QComboBox>(*v, "cboTipoPapel")->setCurrentIndex(1);
        Hijo<QRadioButton>(*v, "optImBoletos_2")->click();
        Escribir(*v, "txtNBoleto", QStringLiteral("2"));
        const auto decimo = [&](const char* izquierdo, const char* superior) {
            Escribir(*v, "txtAnchuraREVERSOBOLETOS", QString::fromLatin1(izquierdo));
            Escribir(*v, "txtAlturaREVERSOBOLETOS", QString::fromLatin1(superior));
            Imprimir(*v);
            // The ticket's background is the only warm colour on the page.
            const QImage pagina(PaginasPng(v->SalidaPdf, 72, 1)[0]);
            QRect caja;
            for (int y = 0; y < pagina.height(); ++y)
                for (int x = 0; x < pagina.width(); ++x)
                    if (qRed(pagina.pixel(x, y)) - qBlue(pagina.pixel(x, y)) > 20) caja |= QRect(x, y, 1, 1);
            return caja;
        };
        const QRect derecha = decimo("1620", "1000");
        const QRect arriba = decimo("-60", "-600");
        const QRect base = decimo("", "-");
        QVERIFY(base.width() > 200 && base.height() > 100);
        QCOMPARE(derecha, base.translated(36, 0));
        QCOMPARE(arriba, base.translated(-48, -80));

        // No printer installed: the save dialog says the tickets go to a PDF file.
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            v->SalidaPdf.clear();
            PruebaDialogos::EncolarRuta(QString());
            Imprimir(*v);
            QCOMPARE(PruebaDialogos::Mostrados().last().titulo,
                     QStringLiteral("No hay ninguna impresora instalada: los décimos se guardarán en un fichero PDF"));
        }

        // Nothing was stored before "Volver"; empty boxes store their defaults.
        const AjustesImpresion& a = sesion.impresion;
        QCOMPARE(a.gNombreSorteo + ' ' + a.gFechaSorteo, std::string("Sorteo del jueves 10/03/2024"));
        Escribir(*v, "txtAnchuraREVERSOBOLETOS", QStringLiteral("450"));
        Hijo<QLineEdit>(*v, "txtNumeroSorteo")->clear();
        Hijo<QLineEdit>(*v, "txtPrecioSorteo")->clear();
        QVERIFY(SoloCierraConVolver(*v));
        QCOMPARE((QList<int>{a.gMargenIzquierdo, a.gMargenSuperior, a.gOrientacion, a.gNumeroSorteo, a.gPrecioDecimo}),
                 (QList<int>{450, 1000, 0, 102, 20}));
        QCOMPARE(a.gNombreSorteo + ' ' + a.gFechaSorteo + ' ' + a.gPieImpresion, std::string("Sorteo Ñandú 3/6/2027 Suerte a todos"));
        AjustesImpresion leidos;
        leidos.gMargenIzquierdo = leidos.gMargenSuperior = leidos.gOrientacion = 7;
        LeerConfigImpresion(leidos, v->RutaConfig.toStdString());
        QCOMPARE((QList<int>{leidos.gMargenSuperior, leidos.gMargenIzquierdo, leidos.gOrientacion}), (QList<int>{1000, 450, 0}));
    }
};

PRUEBA_VENTANA(PruebaImprimir)
#include "test_imprimir.moc"
