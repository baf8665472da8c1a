#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "ayuda_gui.h"
#include "dialogos_archivo.h"
#include "fichero_numeros.h"
#include "frmEscrutar.h"
#include "mensajes.h"

namespace {

const QColor kRosa(255, 192, 192);
const QColor kBlanco(255, 255, 255);

// 14 numbers: row i is "1234" followed by the digit i % 10.
QStringList Catorce() {
    QStringList v;
    for (int i = 1; i <= 14; ++i) v << QStringLiteral("1234%1").arg(i % 10);
    return v;
}

QStringList Informe(QObject& v) { return Hijo<QPlainTextEdit>(v, "txtPremios")->toPlainText().split('\n'); }

QString Celda(QObject& v, int r, int c) { return Hijo<QLabel>(v, QStringLiteral("lblColumna_%1").arg(r * 6 + c - 1))->text(); }
QColor Fondo(QObject& v, int r, int c) {
    return Hijo<QLabel>(v, QStringLiteral("lblColumna_%1").arg(r * 6 + c - 1))->palette().color(QPalette::Window);
}
QString Cabecera(QObject& v) { return Hijo<QLabel>(v, "lblNumeroBoleto")->text(); }

void IrA(QObject& v, const QString& texto) {
    auto* caja = Hijo<QLineEdit>(v, "txtIrBoleto");
    caja->clear();
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
}

}  // namespace

class PruebaEscrutar : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    EstadoSesion sesion_;

    QString Fichero(const char* nombre, const QByteArray& contenido) { return EscribirFichero(dir_, nombre, contenido); }

    // The window opened with `total` rows, once its activation has run.
    std::unique_ptr<frmEscrutar> Abrir(int32_t total) {
        auto v = std::make_unique<frmEscrutar>(sesion_);
        v->TotalNumeros = total;
        v->show();
        [&] { QTRY_VERIFY(v->Escrutinios() > 0); }();
        return v;
    }


private slots:
    void init() {
        ActivarPruebasVentana();
        sesion_ = EstadoSesion{};
    }

    void sinResultadoAbreEnModoFicheroConTodoVacio() {
        sesion_.gNumeroGanador = {9, 8, 7, 6, 5};
        frmEscrutar v(sesion_);
        QCOMPARE(v.windowTitle(), QString("ESCRUTADOR"));
        QCOMPARE(BotonesSinAyuda(v), QString());
        // Loading the combo boxes runs no scrutiny.
        QCOMPARE(Hijo<QComboBox>(v, "cboNumeroGanador_0")->currentText(), QString("9"));
        QCOMPARE(Hijo<QComboBox>(v, "cboNumeroGanador_4")->currentText(), QString("5"));
        QCOMPARE(v.Escrutinios(), 0);
        v.show();
        QTRY_COMPARE(v.Escrutinios(), 1);
        QVERIFY(Hijo<QRadioButton>(v, "optModo_1")->isChecked());
        QCOMPARE(EstadosDistintos(v, {"-optModo_0", "+cmdDesdeFichero", "+txtFicheroASCII", "-cmdPrimero",
                                      "-cmdRetroceder", "-cmdAvanzar", "-cmdUltimo", "+cmdVolver", "+txtIrBoleto"}),
                 QString());
        const QStringList informe = Informe(v);
        QCOMPARE(informe.size(), 14);
        QCOMPARE(informe[1], QString("5 Aciertos: 0"));
        QCOMPARE(informe[13], QString("Terminación     : 0"));
        QCOMPARE(Cabecera(v), QString("Bloque : 1/0"));
        QVERIFY(Hijo<QLabel>(v, "lblEscrutando")->isHidden());
        // Every go-to is refused on an empty list.
        IrA(v, "1");
        QCOMPARE(Textos(), QStringList{"ERROR: EL NUMERO DE BLOQUE DEBE ESTAR ENTRE 1 y 0"});
        // The close box and Escape are refused; "Volver" closes and frees the list.
        QVERIFY(SoloCierraConVolver(v));
    }

    void catorceNumerosEnTresBloques() {
        FijarResultado(sesion_, Catorce());
        sesion_.gNumeroGanador = {1, 2, 3, 4, 3};
        auto v = Abrir(14);
        QVERIFY(Hijo<QRadioButton>(*v, "optModo_0")->isChecked());
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionActual")->text(), QString("14"));
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/3"));
        QCOMPARE(Informe(*v)[9], QString("Número completo : 2"));  // rows 3 and 13
        QCOMPARE(Informe(*v)[11], QString("3 últimas cifras: 0"));
        QCOMPARE(Celda(*v, 2, 5), QString("3"));
        QCOMPARE(Fondo(*v, 2, 5), kBlanco);
        QCOMPARE(Fondo(*v, 0, 5), kRosa);
        QCOMPARE(Fondo(*v, 0, 1), kBlanco);
        QCOMPARE(EstadosDistintos(*v, {"-cmdPrimero", "-cmdRetroceder", "+cmdAvanzar", "+cmdUltimo"}), QString());

        Pulsar(Hijo<QPushButton>(*v, "cmdUltimo"));
        QCOMPARE(Cabecera(*v), QString("Bloque : 3/3"));
        QCOMPARE(Celda(*v, 0, 5), QString("3"));
        QCOMPARE(Celda(*v, 1, 5), QString("4"));
        for (int r = 2; r < 6; ++r)
            for (int c = 1; c <= 5; ++c) {
                QCOMPARE(Celda(*v, r, c), QString());
                QCOMPARE(Fondo(*v, r, c), kBlanco);
            }
        QCOMPARE(Hijo<QLabel>(*v, "lblNuApuesta_0")->text(), QString("13"));
        QCOMPARE(Hijo<QLabel>(*v, "lblNuApuesta_5")->text(), QString("18"));
        QCOMPARE(Hijo<QLabel>(*v, "lblNuApuesta_5")->toolTip(), QString("18"));
        QCOMPARE(EstadosDistintos(*v, {"+cmdPrimero", "+cmdRetroceder", "-cmdAvanzar", "-cmdUltimo"}), QString());

        Pulsar(Hijo<QPushButton>(*v, "cmdRetroceder"));
        QCOMPARE(Cabecera(*v), QString("Bloque : 2/3"));
        QCOMPARE(Celda(*v, 5, 5), QString("2"));  // row 12
        Pulsar(Hijo<QPushButton>(*v, "cmdAvanzar"));
        Pulsar(Hijo<QPushButton>(*v, "cmdPrimero"));
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/3"));
        QCOMPARE(Celda(*v, 0, 5), QString("1"));

        // Go-to: 0, empty and NB + 1 refused; NB shows the last block; Enter
        // presses no button of the window.
        IrA(*v, "0");
        IrA(*v, "");
        IrA(*v, "4");
        QCOMPARE(Textos(), QStringList(3, QStringLiteral("ERROR: EL NUMERO DE BLOQUE DEBE ESTAR ENTRE 1 y 3")));
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/3"));
        const int antes = v->Escrutinios();
        IrA(*v, "3");
        QCOMPARE(Cabecera(*v), QString("Bloque : 3/3"));
        QCOMPARE(v->Escrutinios(), antes);
        QVERIFY(v->isVisible());
    }

    void seisNumerosSonUnBloque() {
        FijarResultado(sesion_, {"11111", "22222", "33333", "44444", "55555", "66666"});
        auto v = Abrir(6);
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/1"));
        QCOMPARE(Celda(*v, 5, 1), QString("6"));
        QCOMPARE(EstadosDistintos(*v, {"-cmdAvanzar", "-cmdUltimo", "-cmdPrimero"}), QString());
    }

    void ganadorYPosicionesVuelvenAEscrutar() {
        FijarResultado(sesion_, {"12345", "99345", "12340"});
        sesion_.gNumeroGanador = {1, 2, 3, 4, 5};
        auto v = Abrir(3);
        QCOMPARE(Informe(*v)[2], QString("4 Aciertos: 1"));

        int antes = v->Escrutinios();
        Hijo<QComboBox>(*v, "cboNumeroGanador_4")->setCurrentIndex(0);
        QCOMPARE(v->Escrutinios(), antes + 1);
        QCOMPARE(sesion_.gNumeroGanador[4], uint8_t{0});
        QCOMPARE(Informe(*v)[9], QString("Número completo : 1"));  // now 12340

        // Unticking a position waits for "Escrutar" and changes only the SIN-orden part.
        const QStringList conTodas = Informe(*v);
        Hijo<QCheckBox>(*v, "chkEscrutar_0")->setChecked(false);
        QCOMPARE(Informe(*v), conTodas);
        Pulsar(Hijo<QPushButton>(*v, "cmdEscrutar"));
        const QStringList sinPrimera = Informe(*v);
        QCOMPARE(sinPrimera[0], QString("Escrutado sobre 4 dígitos SIN orden:"));
        QCOMPARE(sinPrimera.mid(7), conTodas.mid(7));
        QVERIFY(sinPrimera.mid(0, 7) != conTodas.mid(0, 7));
        Hijo<QCheckBox>(*v, "chkEscrutar_0")->setChecked(true);
        Pulsar(Hijo<QPushButton>(*v, "cmdEscrutar"));
        QCOMPARE(Informe(*v), conTodas);

        antes = v->Escrutinios();
        Pulsar(Hijo<QPushButton>(*v, "cmdAlazar"));
        QCOMPARE(v->Escrutinios(), antes + 1);
        for (int p = 0; p < 5; ++p)
            QCOMPARE(Hijo<QComboBox>(*v, QStringLiteral("cboNumeroGanador_%1").arg(p))->currentIndex(),
                     int(sesion_.gNumeroGanador[p]));
        Pulsar(Hijo<QToolButton>(*v, "imgININumeros"));
        QCOMPARE(v->Escrutinios(), antes + 2);
        QCOMPARE(sesion_.gNumeroGanador, (std::array<uint8_t, 5>{0, 0, 0, 0, 0}));
        QCOMPARE(Informe(*v)[5], QString("1 Aciertos: 1"));  // 12340
        QCOMPARE(Informe(*v)[6], QString("0 Aciertos: 2"));
    }

    void ganadorCifraACifraCuadraConLaCuentaDirecta() {
        QStringList boletos{"13570", "13579", "03579", "13500", "93571"};
        for (int i = 0; i < 15; ++i) boletos << QStringLiteral("%1").arg((i * 7919 + 2468) % 100000, 5, 10, QChar('0'));
        FijarResultado(sesion_, boletos);
        auto v = Abrir(20);
        // Each digit typed into its combo, as the user sets the winning number.
        auto combo = [&](int p) { return Hijo<QComboBox>(*v, QStringLiteral("cboNumeroGanador_%1").arg(p)); };
        for (int p = 0; p < 5; ++p) {
            combo(p)->setFocus();
            QTest::keyClick(combo(p), "13579"[p]);
            std::array<int, 6> directa{};
            for (const QString& b : boletos) {
                int aciertos = 0;
                for (int q = 0; q < 5; ++q) aciertos += b[q].digitValue() == combo(q)->currentIndex();
                ++directa[aciertos];
            }
            const QStringList informe = Informe(*v);
            int suma = 0;
            for (int k = 5; k >= 0; --k) {
                QCOMPARE(informe[6 - k], QStringLiteral("%1 Aciertos: %2").arg(k).arg(directa[k]));
                suma += informe[6 - k].section(' ', -1).toInt();
            }
            QCOMPARE(suma, 20);
        }
        QCOMPARE(sesion_.gNumeroGanador, (std::array<uint8_t, 5>{1, 3, 5, 7, 9}));
        QCOMPARE(Informe(*v)[2], QString("4 Aciertos: 2"));  // 13570 and 03579
    }

    void importacionPropiaConservaRepetidosYFallaLimpia() {
        sesion_.gNumeroGanador = {1, 2, 3, 4, 5};
        auto v = Abrir(0);
        // Cancelled dialog: nothing happens.
        int antes = v->Escrutinios();
        ImportarDesdeFichero(*v, QString());
        QCOMPARE(v->Escrutinios(), antes);

        const QString diez = Fichero("diez.txt", QByteArray("1-2-3-4-5\r\n").repeated(10));
        ImportarDesdeFichero(*v, diez);
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionNueva")->text(), QString("10"));
        QCOMPARE(Hijo<QLineEdit>(*v, "txtFicheroASCII")->text(), QString("diez.txt"));
        QCOMPARE(Hijo<QLineEdit>(*v, "txtFicheroASCII")->toolTip(), diez);
        QCOMPARE(Informe(*v)[9], QString("Número completo : 10"));
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/2"));
        QVERIFY(Hijo<QPushButton>(*v, "cmdVolver")->isEnabled());
        QCOMPARE(PruebaDialogos::Mostrados().last().titulo, QString("Abrir Fichero"));

        // A bad line: the message, and an empty list that stays usable.
        ImportarDesdeFichero(*v, Fichero("malo.txt", "1 2 3 4 5\n12345\n"));
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos()[0].startsWith("ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ("));
        QVERIFY(Textos()[0].contains(QString::fromUtf8("Línea con menos de 5 dígitos (Línea 2)")));
        QCOMPARE(PruebaMensajes::Mostrados()[0].estilo, EstiloMensaje::Critico);
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionNueva")->text(), QString("0"));
        QCOMPARE(Hijo<QLineEdit>(*v, "txtFicheroASCII")->text(), QString("malo.txt"));
        QCOMPARE(Informe(*v)[9], QString("Número completo : 0"));
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/0"));
        QCOMPARE(Celda(*v, 0, 1), QString());
        QVERIFY(Hijo<QToolButton>(*v, "cmdDesdeFichero")->isEnabled());

        // No number at all: the warning, with the scrutiny's wording.
        PruebaMensajes::Limpiar();
        ImportarDesdeFichero(*v, Fichero("vacio.txt", "abc\n\n"));
        QCOMPARE(Textos(), QStringList{QString::fromStdString(TextoCeroApuestas())});
        QCOMPARE(PruebaMensajes::Mostrados()[0].estilo, EstiloMensaje::Exclamacion);
        QCOMPARE(Informe(*v)[6], QString("0 Aciertos: 0"));
    }

    void cambiarAFicheroYVolverRecuperaElResultado() {
        FijarResultado(sesion_, Catorce());
        auto v = Abrir(14);
        Hijo<QRadioButton>(*v, "optModo_1")->click();
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/0"));
        QCOMPARE(EstadosDistintos(*v, {"+cmdDesdeFichero", "+txtFicheroASCII", "-lblTitCombinacionActual"}), QString());
        ImportarDesdeFichero(*v, Fichero("dos.txt", "00000\n11111\n"));
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/1"));
        Hijo<QRadioButton>(*v, "optModo_0")->click();
        QCOMPARE(Cabecera(*v), QString("Bloque : 1/3"));
        QCOMPARE(Celda(*v, 0, 5), QString("1"));
        QCOMPARE(Hijo<QLineEdit>(*v, "txtFicheroASCII")->text(), QString());
        QCOMPARE(Hijo<QLineEdit>(*v, "txtFicheroASCII")->toolTip(), QString());
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionNueva")->text(), QString("0"));
        QCOMPARE(EstadosDistintos(*v, {"-cmdDesdeFichero", "-txtFicheroASCII", "+lblTitCombinacionActual"}), QString());
        QVERIFY(Textos().isEmpty());
    }
};

PRUEBA_VENTANA(PruebaEscrutar)
#include "test_escrutar.moc"
