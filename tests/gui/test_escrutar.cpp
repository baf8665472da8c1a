#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "ayuda_gui.h"
#include "fichero_numeros.h"
#include "frmEscrutar.h"

namespace {

QStringList Informe(QObject& v) { return Hijo<QPlainTextEdit>(v, "txtPremios")->toPlainText().split('\n'); }
QLabel* Celda(QObject& v, int r, int c) { return Hijo<QLabel>(v, QStringLiteral("lblColumna_%1").arg(r * 6 + c - 1)); }
bool Rosa(QObject& v, int r, int c) { return Celda(v, r, c)->palette().color(QPalette::Window) == QColor(255, 192, 192); }
QString Cabecera(QObject& v) { return Hijo<QLabel>(v, "lblNumeroBoleto")->text(); }
QComboBox* Ganador(QObject& v, int p) { return Hijo<QComboBox>(v, QStringLiteral("cboNumeroGanador_%1").arg(p)); }

}  // namespace

class PruebaEscrutar : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    EstadoSesion sesion_;

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
        QCOMPARE(BotonesSinAyuda(v), QString());
        // Loading the combo boxes runs no scrutiny.
        QCOMPARE(Ganador(v, 0)->currentText() + Ganador(v, 4)->currentText(), QString("95"));
        QCOMPARE(v.Escrutinios(), 0);
        v.show();
        QTRY_COMPARE(v.Escrutinios(), 1);
        QCOMPARE(EstadosDistintos(v, {"-optModo_0", "+cmdDesdeFichero", "+txtFicheroASCII", "-cmdPrimero", "-cmdRetroceder",
                                      "-cmdAvanzar", "-cmdUltimo", "+cmdVolver", "+txtIrBoleto", "~lblEscrutando"}),
                 QString());
        QVERIFY(Hijo<QRadioButton>(v, "optModo_1")->isChecked());
        QCOMPARE(Cabecera(v), QString("Bloque : 1/0"));
        Teclear(Hijo<QLineEdit>(v, "txtIrBoleto"), "1");
        QCOMPARE(Textos(), QStringList{"ERROR: EL NUMERO DE BLOQUE DEBE ESTAR ENTRE 1 y 0"});
        // The close box and Escape are refused; "Volver" closes.
        QVERIFY(SoloCierraConVolver(v));
    }

    // 14 numbers "1234" + i % 10 in blocks of six: paging, cells and go-to.
    void catorceNumerosEnTresBloques() {
        QStringList catorce;
        for (int i = 1; i <= 14; ++i) catorce << QStringLiteral("1234%1").arg(i % 10);
        FijarResultado(sesion_, catorce);
        sesion_.gNumeroGanador = {1, 2, 3, 4, 3};
        auto v = Abrir(14);
        QVERIFY(Hijo<QRadioButton>(*v, "optModo_0")->isChecked());
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionActual")->text(), QString("14"));
        QCOMPARE(Informe(*v)[9], QString("Número completo : 2"));  // rows 3 and 13
        // A digit that misses the winning one is pink.
        QVERIFY(Rosa(*v, 0, 5) && !Rosa(*v, 2, 5) && !Rosa(*v, 0, 1));
        struct Paso {
            const char* boton;
            QString cabecera, primera, botones;  // first-row units; Primero, Retroceder, Avanzar, Ultimo
        };
        const Paso pasos[] = {{nullptr, "Bloque : 1/3", "1", "--++"},
                              {"cmdUltimo", "Bloque : 3/3", "3", "++--"},
                              {"cmdRetroceder", "Bloque : 2/3", "7", "++++"},
                              {"cmdAvanzar", "Bloque : 3/3", "3", "++--"},
                              {"cmdPrimero", "Bloque : 1/3", "1", "--++"}};
        for (const Paso& p : pasos) {
            if (p.boton != nullptr) Pulsar(Hijo<QPushButton>(*v, p.boton));
            QString botones;
            for (const char* b : {"cmdPrimero", "cmdRetroceder", "cmdAvanzar", "cmdUltimo"})
                botones += Hijo<QPushButton>(*v, b)->isEnabled() ? '+' : '-';
            QCOMPARE(Cabecera(*v) + Celda(*v, 0, 5)->text() + botones, p.cabecera + p.primera + p.botones);
        }

        // Go-to: 0, empty and NB + 1 refused; NB shows the last block without
        // scrutinising again, and Enter presses no button of the window.
        for (const char* n : {"0", "", "4"}) Teclear(Hijo<QLineEdit>(*v, "txtIrBoleto"), n);
        QCOMPARE(Textos(), QStringList(3, QStringLiteral("ERROR: EL NUMERO DE BLOQUE DEBE ESTAR ENTRE 1 y 3")));
        const int antes = v->Escrutinios();
        Teclear(Hijo<QLineEdit>(*v, "txtIrBoleto"), "3");
        QCOMPARE(Cabecera(*v), QString("Bloque : 3/3"));
        QCOMPARE(v->Escrutinios(), antes);
        QVERIFY(v->isVisible());
        // The last block: rows 13 and 14, the other cells blank and white.
        QCOMPARE(Celda(*v, 1, 5)->text(), QString("4"));
        for (int r = 2; r < 6; ++r)
            for (int c = 1; c <= 5; ++c) QVERIFY(Celda(*v, r, c)->text().isEmpty() && !Rosa(*v, r, c));
        QCOMPARE(Hijo<QLabel>(*v, "lblNuApuesta_0")->text(), QString("13"));
        QCOMPARE(Hijo<QLabel>(*v, "lblNuApuesta_5")->toolTip(), QString("18"));
    }

    void ganadorCifraACifraCuadraConLaCuentaDirecta() {
        QStringList boletos{"13570", "13579", "03579", "13500", "93571"};
        for (int i = 0; i < 15; ++i) boletos << QStringLiteral("%1").arg((i * 7919 + 2468) % 100000, 5, 10, QChar('0'));
        FijarResultado(sesion_, boletos);
        auto v = Abrir(20);
        // Each digit typed into its combo, as the user sets the winning number.
        for (int p = 0; p < 5; ++p) {
            Ganador(*v, p)->setFocus();
            QTest::keyClick(Ganador(*v, p), "13579"[p]);
            std::array<int, 6> directa{};
            for (const QString& b : boletos) {
                int aciertos = 0;
                for (int q = 0; q < 5; ++q) aciertos += b[q].digitValue() == Ganador(*v, q)->currentIndex();
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

        // Unticking a position waits for "Escrutar".
        const QStringList conTodas = Informe(*v);
        Hijo<QCheckBox>(*v, "chkEscrutar_0")->setChecked(false);
        QCOMPARE(Informe(*v), conTodas);
        Pulsar(Hijo<QPushButton>(*v, "cmdEscrutar"));
        QCOMPARE(Informe(*v)[0], QString("Escrutado sobre 4 dígitos SIN orden:"));
        // A random number and the reset each scrutinise once and show their digits.
        const int antes = v->Escrutinios();
        Pulsar(Hijo<QPushButton>(*v, "cmdAlazar"));
        for (int p = 0; p < 5; ++p) QCOMPARE(Ganador(*v, p)->currentIndex(), int(sesion_.gNumeroGanador[p]));
        Pulsar(Hijo<QToolButton>(*v, "imgININumeros"));
        QCOMPARE(v->Escrutinios(), antes + 2);
        QCOMPARE(sesion_.gNumeroGanador, (std::array<uint8_t, 5>{0, 0, 0, 0, 0}));
        QCOMPARE(Ganador(*v, 0)->currentIndex(), 0);
    }

    // Importing in file mode: what loads, what a bad file leaves, and the way
    // back to the result.
    void importarYVolverAlResultado() {
        FijarResultado(sesion_, {"12345"});
        sesion_.gNumeroGanador = {1, 2, 3, 4, 5};
        auto v = Abrir(1);
        Hijo<QRadioButton>(*v, "optModo_1")->click();
        QCOMPARE(EstadosDistintos(*v, {"+cmdDesdeFichero", "+txtFicheroASCII", "-lblTitCombinacionActual"}), QString());
        const int antes = v->Escrutinios();
        ImportarDesdeFichero(*v, QString());
        QCOMPARE(v->Escrutinios(), antes);

        const QString diez = EscribirFichero(dir_, "diez.txt", QByteArray("1-2-3-4-5\r\n").repeated(10));
        ImportarDesdeFichero(*v, diez);
        QCOMPARE(PruebaDialogos::Mostrados().last().titulo, QString("Abrir Fichero"));
        auto* fichero = Hijo<QLineEdit>(*v, "txtFicheroASCII");
        QCOMPARE(fichero->text() + ' ' + fichero->toolTip(), "diez.txt " + diez);
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionNueva")->text() + ' ' + Cabecera(*v), QString("10 Bloque : 1/2"));

        // A bad line: the message, and an empty list that stays usable.
        ImportarDesdeFichero(*v, EscribirFichero(dir_, "malo.txt", "1 2 3 4 5\n12345\n"));
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos()[0].startsWith("ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO ("));
        QCOMPARE(PruebaMensajes::Mostrados()[0].estilo, EstiloMensaje::Critico);
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionNueva")->text() + ' ' + Cabecera(*v), QString("0 Bloque : 1/0"));
        QCOMPARE(fichero->text() + Celda(*v, 0, 1)->text(), QString("malo.txt"));

        // No number at all: the warning with the scrutiny's wording.
        PruebaMensajes::Limpiar();
        ImportarDesdeFichero(*v, EscribirFichero(dir_, "vacio.txt", "abc\n\n"));
        QCOMPARE(Textos(), QStringList{QString::fromStdString(TextoCeroApuestas())});
        QCOMPARE(PruebaMensajes::Mostrados()[0].estilo, EstiloMensaje::Exclamacion);

        // Back to the result, the file forgotten.
        ImportarDesdeFichero(*v, diez);
        Hijo<QRadioButton>(*v, "optModo_0")->click();
        QCOMPARE(Hijo<QLabel>(*v, "lblApuCombinacionNueva")->text() + ' ' + Cabecera(*v), QString("0 Bloque : 1/1"));
        QCOMPARE(fichero->text() + fichero->toolTip(), QString());
        QCOMPARE(Informe(*v)[9], QString("Número completo : 1"));
        QCOMPARE(EstadosDistintos(*v, {"-cmdDesdeFichero", "-txtFicheroASCII", "+lblTitCombinacionActual"}), QString());
    }
};

PRUEBA_VENTANA(PruebaEscrutar)
#include "test_escrutar.moc"
