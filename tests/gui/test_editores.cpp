#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroPARESIMPARES.h"
#include "frmFiltroSEGUIDOS.h"
#include "frmFiltroTERMINACIONES.h"

namespace {
QCheckBox* Marca(QWidget& v, const char* nombre, int i) {
    return Hijo<QCheckBox>(v, QStringLiteral("%1_%2").arg(nombre).arg(i));
}
void Escribir(QWidget& v, const char* caja, const char* texto) { Hijo<QLineEdit>(v, caja)->setText(texto); }
}  // namespace

class PruebaEditores : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    // What the eight editors share: the main window opens each by its filter
    // number; each fits a 1024 x 768 screen; opening with nothing stored ticks
    // nothing; picture buttons say what they do. Where an editor checks its settings, "Volver", the close
    // box and Escape each show the first fault once and keep the window open;
    // the related groups refuse the close box and Escape in any case.
    void losOchoEditores() {
        using Paso = void (*)(EntornoEditor&, QWidget&);
        const struct {
            int filtro;
            const char* titulo;
            Paso romper, arreglar;  // null where nothing is checked
            int mensajes;           // shown by the three refused closes
        } casos[] = {
            {kFiltroGrupos, "GRUPOS DE NUMEROS (Max. 360)", [](EntornoEditor& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 1; },
             [](EntornoEditor& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 0; }, 3},
            {kFiltroParesImpares, "PARES E IMPARES", nullptr, nullptr, 0},
            {kFiltroSeguidos, "DIGITOS SEGUIDOS", nullptr, nullptr, 0},
            {kFiltroSumas, "SUMAS DE DIGITOS", [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaMaxima_0", "46"); },
             [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaMaxima_0", "45"); }, 3},
            {kFiltroTerminaciones, "TERMINACIONES DE DIGITOS",
             [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaTerminacionesMaximo", ""); },
             [](EntornoEditor&, QWidget& v) { Escribir(v, "txtSumaTerminacionesMaximo", "9"); }, 3},
            {kFiltroGruposRelacionados, "GRUPOS RELACIONADOS (Max. 60)",
             [](EntornoEditor& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 1; },  // group 42, no condition
             [](EntornoEditor& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 0; }, 1},
            {kFiltroPosiciones, "POSICIONES", nullptr, nullptr, 0},
            {kFiltroGruposEnReservas, "GRUPOS EN RESERVAS (360)",
             [](EntornoEditor& e, QWidget&) { e.f.AciertosReserva(1, 2) = 1; },
             [](EntornoEditor& e, QWidget&) { e.f.AciertosReserva(1, 2) = 0; }, 3},
        };
        for (const auto& c : casos) {
            EntornoEditor e;
            PruebaMensajes::Limpiar();
            bool cerrada = false;
            EnEditor(c.filtro, e, [&](QDialog& v) {
                QCOMPARE(v.windowTitle(), QString(c.titulo));
                QVERIFY(v.frameGeometry().width() <= 1024 && v.frameGeometry().height() <= 768);
                QCOMPARE(BotonesSinAyuda(v), QString());
                QVERIFY(e.marcas.isEmpty());
                const bool sinCerrar = c.filtro == kFiltroGruposRelacionados;
                QCOMPARE(bool(v.windowFlags() & Qt::WindowCloseButtonHint), !sinCerrar);
                if (c.romper) {
                    c.romper(e, v);
                    Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                    v.windowHandle()->close();
                    QTest::keyClick(&v, Qt::Key_Escape);
                    QVERIFY(v.isVisible());
                    QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
                    QCOMPARE(PruebaMensajes::Mostrados().last().estilo, EstiloMensaje::Critico);
                    c.arreglar(e, v);
                }
                v.windowHandle()->close();
                QCOMPARE(v.isVisible(), sinCerrar);
                Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                cerrada = !v.isVisible();
            });
            QVERIFY2(cerrada, c.titulo);
            QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
        }
    }

    // A stored tick shows and ticks the filter; each click stores at once and
    // ticks the filter, unticking too.
    void paresImpares() {
        EntornoEditor e;
        e.f.ParesActivos[2] = e.f.ParesActivos[5] = 1;
        frmFiltroPARESIMPARES v(e.contexto);
        for (int i = 0; i <= 5; ++i) QCOMPARE(Marca(v, "chkParesImpares", i)->isChecked(), i == 2 || i == 5);
        QVERIFY(!e.marcas.isEmpty() && e.marcas.count(kFiltroParesImpares) == e.marcas.size());
        e.marcas.clear();
        v.show();
        Pulsar(Marca(v, "chkParesImpares", 0));
        Pulsar(Marca(v, "chkParesImpares", 2));
        QCOMPARE(e.f.ParesActivos[0] + e.f.ParesActivos[2] * 2, 1);
        QCOMPARE(e.marcas, QList<int>({kFiltroParesImpares, kFiltroParesImpares}));
    }

    // Run lengths show as a list; figures and "inverse" are stored on leaving,
    // and only figures tick the filter, when loaded too.
    void seguidos() {
        EntornoEditor e;
        e.f.NumerosSeguidos[1] = e.f.NumerosSeguidos[5] = 1;
        e.f.SeguidosInversos = 1;
        e.f.FigurasSeguidos[7] = 1;
        frmFiltroSEGUIDOS v(e.contexto);
        QCOMPARE(Hijo<QLineEdit>(v, "txtNumero")->text(), QString("1,5"));
        QVERIFY(Hijo<QLineEdit>(v, "txtNumero")->isReadOnly());
        QVERIFY(Marca(v, "chkFigura", 6)->isChecked() && !Marca(v, "chkFigura", 5)->isChecked());
        QCOMPARE(e.marcas, QList<int>({kFiltroSeguidos}));
        v.show();
        Pulsar(Hijo<QCheckBox>(v, "chkSeguidosInversos"));
        Pulsar(Marca(v, "chkFigura", 6));
        Pulsar(Marca(v, "chkFigura", 0));
        QCOMPARE(e.marcas.size(), 3);
        QVERIFY(e.f.SeguidosInversos == 1 && e.f.FigurasSeguidos[7] == 1);  // not stored while open
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        for (int i = 1; i <= 7; ++i) QCOMPARE(e.f.FigurasSeguidos[i], uint8_t(i == 1 ? 1 : 0));
        QCOMPARE(e.f.SeguidosInversos, int16_t{0});
    }

    // Figures and bounds are stored only by a close that passes the checks;
    // any key in a bound box ticks the filter, a dropped one too.
    void terminaciones() {
        EntornoEditor e;
        e.f.FigurasTerminaciones[3] = 1;
        e.f.SumaTerminacionesMinimo = 12;
        frmFiltroTERMINACIONES v(e.contexto);
        QVERIFY(Marca(v, "chkFigura", 2)->isChecked());
        QCOMPARE(Hijo<QLineEdit>(v, "txtSumaTerminacionesMinimo")->text(), QString("12"));
        QCOMPARE(e.marcas, QList<int>({kFiltroTerminaciones}));
        v.show();
        Pulsar(Marca(v, "chkFigura", 2));
        Pulsar(Marca(v, "chkFigura", 4));
        auto* minimo = Hijo<QLineEdit>(v, "txtSumaTerminacionesMinimo");
        minimo->setFocus();
        minimo->selectAll();
        QTest::keyClicks(minimo, "a5");
        QTest::keyClick(minimo, Qt::Key_Return);
        QTest::keyClicks(minimo, "09");  // at most two characters
        QCOMPARE(minimo->text(), QString("50"));
        QCOMPARE(e.marcas.size(), 8);
        QVERIFY(v.isVisible());
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));  // 50 above 45
        QVERIFY(v.isVisible());
        QCOMPARE(e.f.FigurasTerminaciones[3] + e.f.FigurasTerminaciones[5] * 2, 1);
        QCOMPARE(e.f.SumaTerminacionesMinimo, uint8_t{12});
        Escribir(v, "txtSumaTerminacionesMaximo", "99");
        v.windowHandle()->close();
        QVERIFY(!v.isVisible());
        QCOMPARE(e.f.FigurasTerminaciones[3] + e.f.FigurasTerminaciones[5] * 2, 2);
        QCOMPARE(e.f.SumaTerminacionesMinimo, uint8_t{50});
        QCOMPARE(e.f.SumaTerminacionesMaximo, uint8_t{99});
    }
};

PRUEBA_VENTANA(PruebaEditores)
#include "test_editores.moc"
