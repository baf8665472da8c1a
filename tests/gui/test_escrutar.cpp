#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "ayuda_gui.h"
#include "fichero_numeros.h"
#include "frmEscrutar.h"

namespace {

QStringList Informe(QObject& v) { return Visto(v, "txtPremios").split('\n'); }
QLabel* Celda(QObject& v, int r, int c) { return Hijo<QLabel>(v, QStringLiteral("lblColumna_%1").arg(r * 6 + c - 1)); }
bool Rosa(QObject& v, int r, int c) { return Celda(v, r, c)->palette().color(QPalette::Window) == QColor(255, 192, 192); }
QComboBox* Ganador(QObject& v, int p) { return Hijo<QComboBox>(v, QStringLiteral("cboNumeroGanador_%1").arg(p)); }

// The block header, the file's count and "+" or "-" for each paging button
// (first, back, forward, last) as it is enabled or not.
QString Bloque(QObject& v) {
    QString s = Visto(v, "lblNumeroBoleto") + ' ' + Visto(v, "lblApuCombinacionNueva") + ' ';
    for (const char* b : {"cmdPrimero", "cmdRetroceder", "cmdAvanzar", "cmdUltimo"})
        s += Hijo<QPushButton>(v, b)->isEnabled() ? '+' : '-';
    return s;
}

}  // namespace

class PruebaEscrutar : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    EstadoSesion sesion_;

private slots:
    void init() {
        ActivarPruebasVentana();
        sesion_ = EstadoSesion{};
    }

    // No result: the window opens in file mode with nothing to show; then
    // what an import loads and what a folder or an empty file leaves.
    void sinResultadoEnModoFichero() {
        sesion_.gNumeroGanador = {9, 8, 7, 6, 5};
        frmEscrutar v(sesion_);
        QCOMPARE(BotonesSinAyuda(v), QString());
        QCOMPARE(Hijo<QToolButton>(v, "imgININumeros")->iconSize(), QSize(22, 22));
        // Loading the combo boxes runs no scrutiny.
        QCOMPARE(Ganador(v, 0)->currentText() + Ganador(v, 4)->currentText(), QString("95"));
        QCOMPARE(v.Escrutinios(), 0);
        v.show();
        QTRY_COMPARE(v.Escrutinios(), 1);
        QCOMPARE(EstadosDistintos(v, {"-optModo_0", "+cmdDesdeFichero", "+txtFicheroASCII", "+cmdVolver", "+txtIrBoleto",
                                      "+chkEscrutar_4", "+cboNumeroGanador_4", "~lblEscrutando"}),
                 QString());
        QCOMPARE(Bloque(v), QString("Bloque : 1/0 0 ----"));
        Teclear(Hijo<QLineEdit>(v, "txtIrBoleto"), "1");
        QCOMPARE(Textos(), QStringList{"ERROR: EL NUMERO DE BLOQUE DEBE ESTAR ENTRE 1 y 0"});
        ImportarDesdeFichero(v, QString());
        QCOMPARE(v.Escrutinios(), 1);  // a cancelled dialog runs nothing

        const QString diez = EscribirFichero(dir_, "diez.txt", QByteArray("1-2-3-4-5\r\n").repeated(10));
        ImportarDesdeFichero(v, diez);
        QCOMPARE(PruebaDialogos::Mostrados().last().titulo, QString("Abrir Fichero"));
        auto* fichero = Hijo<QLineEdit>(v, "txtFicheroASCII");
        QCOMPARE(fichero->text() + ' ' + fichero->toolTip(), "diez.txt " + diez);
        QCOMPARE(Bloque(v) + Celda(v, 0, 1)->text(), QString("Bloque : 1/2 10 --++1"));
        // A folder: the message, and an empty list that stays usable.
        PruebaMensajes::Limpiar();
        ImportarDesdeFichero(v, dir_.path());
        QCOMPARE(Textos(), QStringList{"ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (No se puede abrir el fichero )"});
        QCOMPARE(PruebaMensajes::Mostrados()[0].estilo, EstiloMensaje::Critico);
        QCOMPARE(Bloque(v) + fichero->toolTip() + Celda(v, 0, 1)->text(), "Bloque : 1/0 0 ----" + dir_.path());
        // A letter after skipped lines: the message names the file's line.
        PruebaMensajes::Limpiar();
        ImportarDesdeFichero(v, kFicheroLetra);
        QCOMPARE(Textos(), QStringList{kErrorLetra});
        // No number at all: the warning with the scrutiny's wording.
        PruebaMensajes::Limpiar();
        ImportarDesdeFichero(v, EscribirFichero(dir_, "vacio.txt", "abc\n\n"));
        QCOMPARE(Textos(), QStringList{QString::fromStdString(TextoCeroApuestas())});
        QCOMPARE(PruebaMensajes::Mostrados()[0].estilo, EstiloMensaje::Exclamacion);
        // The close box and Escape are refused; "Volver" closes.
        QVERIFY(SoloCierraConVolver(v));
    }

    // 14 numbers "1234" + i % 10 in blocks of six: paging, cells, go-to, a
    // file and back to the result, and the winning number digit by digit.
    void catorceNumerosEnTresBloques() {
        QStringList catorce;
        for (int i = 1; i <= 14; ++i) catorce << QStringLiteral("1234%1").arg(i % 10);
        FijarResultado(sesion_, catorce);
        sesion_.gNumeroGanador = {1, 2, 3, 4, 3};
        frmEscrutar v(sesion_);
        v.TotalNumeros = 14;
        v.show();
        QTRY_VERIFY(v.Escrutinios() > 0);
        QCOMPARE(Hijo<QLabel>(v, "lblApuCombinacionActual")->text(), QString("14"));
        QCOMPARE(Informe(v)[9], QString("Número completo : 2"));  // rows 3 and 13
        // A digit that misses the winning one is pink.
        QVERIFY(Rosa(v, 0, 5) && !Rosa(v, 2, 5) && !Rosa(v, 0, 1));
        // Each button, then the block and the first row's units.
        const std::pair<const char*, QString> pasos[] = {{nullptr, "Bloque : 1/3 0 --++ 1"},
                                                         {"cmdUltimo", "Bloque : 3/3 0 ++-- 3"},
                                                         {"cmdRetroceder", "Bloque : 2/3 0 ++++ 7"},
                                                         {"cmdAvanzar", "Bloque : 3/3 0 ++-- 3"},
                                                         {"cmdPrimero", "Bloque : 1/3 0 --++ 1"}};
        for (const auto& [boton, esperado] : pasos) {
            if (boton != nullptr) Pulsar(Hijo<QPushButton>(v, boton));
            QCOMPARE(Bloque(v) + ' ' + Celda(v, 0, 5)->text(), esperado);
        }

        // Go-to: 0, empty and NB + 1 refused; NB shows the last block without
        // scrutinising again, and Enter presses no button of the window.
        for (const char* n : {"0", "", "4"}) Teclear(Hijo<QLineEdit>(v, "txtIrBoleto"), n);
        QCOMPARE(Textos(), QStringList(3, QStringLiteral("ERROR: EL NUMERO DE BLOQUE DEBE ESTAR ENTRE 1 y 3")));
        int antes = v.Escrutinios();
        Teclear(Hijo<QLineEdit>(v, "txtIrBoleto"), "3");
        QCOMPARE(Bloque(v), QString("Bloque : 3/3 0 ++--"));
        QCOMPARE(v.Escrutinios(), antes);
        QVERIFY(v.isVisible());
        // The last block: rows 13 and 14, the other cells blank and white.
        QCOMPARE(Celda(v, 1, 5)->text(), QString("4"));
        for (int r = 2; r < 6; ++r)
            for (int c = 1; c <= 5; ++c) QVERIFY(Celda(v, r, c)->text().isEmpty() && !Rosa(v, r, c));
        QCOMPARE(Visto(v, "lblNuApuesta_0") + ' ' + Hijo<QLabel>(v, "lblNuApuesta_5")->toolTip(), QString("13 18"));

        // A file scrutinised, then back to the result with the file forgotten.
        Hijo<QRadioButton>(v, "optModo_1")->click();
        QCOMPARE(EstadosDistintos(v, {"+cmdDesdeFichero", "+txtFicheroASCII", "-lblTitCombinacionActual"}), QString());
        ImportarDesdeFichero(v, EscribirFichero(dir_, "uno.txt", "12345\n"));
        Hijo<QRadioButton>(v, "optModo_0")->click();
        QCOMPARE(Bloque(v) + Visto(v, "txtFicheroASCII") + Hijo<QLineEdit>(v, "txtFicheroASCII")->toolTip(),
                 QString("Bloque : 1/3 0 --++"));
        QCOMPARE(Informe(v)[9], QString("Número completo : 2"));
        QCOMPARE(EstadosDistintos(v, {"-cmdDesdeFichero", "-txtFicheroASCII", "+lblTitCombinacionActual"}), QString());

        // Each digit typed into its combo, as the user sets the winning number.
        for (int p = 0; p < 5; ++p) {
            Ganador(v, p)->setFocus();
            QTest::keyClick(Ganador(v, p), "03579"[p]);
            std::array<int, 6> directa{};
            for (const QString& b : catorce) {
                int aciertos = 0;
                for (int q = 0; q < 5; ++q) aciertos += b[q].digitValue() == Ganador(v, q)->currentIndex();
                ++directa[aciertos];
            }
            // Matching the direct count, the lines also add up to the 14 numbers.
            for (int k = 5; k >= 0; --k) QCOMPARE(Informe(v)[6 - k], QStringLiteral("%1 Aciertos: %2").arg(k).arg(directa[k]));
        }
        QCOMPARE(sesion_.gNumeroGanador, (std::array<uint8_t, 5>{0, 3, 5, 7, 9}));
        // Unticking a position waits for "Escrutar".
        const QStringList conTodas = Informe(v);
        Hijo<QCheckBox>(v, "chkEscrutar_0")->setChecked(false);
        QCOMPARE(Informe(v), conTodas);
        Pulsar(Hijo<QPushButton>(v, "cmdEscrutar"));
        QCOMPARE(Informe(v)[0], QString("Escrutado sobre 4 dígitos SIN orden:"));
        // A random number and the reset each scrutinise once and show their digits.
        antes = v.Escrutinios();
        Pulsar(Hijo<QPushButton>(v, "cmdAlazar"));
        for (int p = 0; p < 5; ++p) QCOMPARE(Ganador(v, p)->currentIndex(), int(sesion_.gNumeroGanador[p]));
        Pulsar(Hijo<QToolButton>(v, "imgININumeros"));
        QCOMPARE(v.Escrutinios(), antes + 2);
        QCOMPARE(sesion_.gNumeroGanador, (std::array<uint8_t, 5>{0, 0, 0, 0, 0}));
        QCOMPARE(Ganador(v, 0)->currentIndex(), 0);
    }
};

PRUEBA_VENTANA(PruebaEscrutar)
#include "test_escrutar.moc"
