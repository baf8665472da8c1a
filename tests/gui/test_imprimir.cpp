#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
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

namespace {

QString Caja(QObject& v, const char* nombre) { return Hijo<QLineEdit>(v, QString::fromLatin1(nombre))->text(); }

void Escribir(QObject& v, const char* nombre, const QString& texto) {
    auto* c = Hijo<QLineEdit>(v, QString::fromLatin1(nombre));
    c->clear();
    QTest::keyClicks(c, texto);
}

int PaginasPdf(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
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
        PruebaMensajes::Activar();
        PruebaMensajes::Limpiar();
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

        PruebaMensajes::Limpiar();
        Hijo<QRadioButton>(*v, "optImBoletos_1")->click();
        Escribir(*v, "txtPriBoleto", QStringLiteral("3"));
        Escribir(*v, "txtUltBoleto", QStringLiteral("7"));
        Imprimir(*v);
        QVERIFY(PruebaMensajes::Mostrados().isEmpty());
        QCOMPARE(v->Impresiones().size(), 1);
        const auto& r = v->Impresiones().last();
        QCOMPARE((QList<int>{r.tipoPapel, r.indice, r.primero, r.ultimo, r.paginas}), (QList<int>{1, 2, 3, 7, 1}));
        QCOMPARE(PaginasPdf(v->SalidaPdf), 1);
    }

    void TodosLosDecimosPreguntaAntes() {
        auto v = Abrir(25);
        Imprimir(*v);
        QCOMPARE(Textos(), QStringList{QStringLiteral("¿ IMPRIMIR TODOS LOS DECIMOS ?")});
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::PreguntaSiNo);
        QVERIFY(v->Impresiones().isEmpty());
        QVERIFY(!QFile::exists(v->SalidaPdf));

        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Imprimir(*v);
        QCOMPARE(v->Impresiones().size(), 1);
        QCOMPARE(v->Impresiones().last().paginas, 3);  // ten tickets a page
        QCOMPARE(PaginasPdf(v->SalidaPdf), 3);

        // QR codes only, four tickets each: 7 codes fit one page.
        Hijo<QComboBox>(*v, "cboTipoPapel")->setCurrentIndex(0);
        Hijo<QComboBox>(*v, "cboNumeroDecimos")->setCurrentIndex(3);
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);
        Imprimir(*v);
        const auto& r = v->Impresiones().last();
        QCOMPARE((QList<int>{r.tipoPapel, r.primero, r.ultimo, r.paginas}), (QList<int>{0, 1, 25, 1}));
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
        Pulsar(Hijo<QToolButton>(*v, "cmdVisorQR"));
        QVERIFY(!Hijo<QWidget>(*v, "picVisorContenedor")->isHidden());
        QCOMPARE(Hijo<QLabel>(*v, "lblDecimoQR")->text(), QStringLiteral("23456"));
        QCOMPARE(Hijo<QLabel>(*v, "lblNumeroBoletoVisorQR")->text(), QStringLiteral("Décimo 1 de 25"));
        QCOMPARE(EstadosDistintos(*v, {"-cmdImprimir", "-cmdVolver", "-txtTitulo", "-cboTipoGeneradorQR", "-optImBoletos_2",
                                       "+cmdCerrarpicContenedor"}),
                 QString());
        Pulsar(Hijo<QPushButton>(*v, "cmdCerrarpicContenedor"));
        QVERIFY(Hijo<QWidget>(*v, "picVisorContenedor")->isHidden());
        QCOMPARE(EstadosDistintos(*v, {"+cmdImprimir", "+cmdVolver", "+txtTitulo", "+cboTipoGeneradorQR"}), QString());
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
