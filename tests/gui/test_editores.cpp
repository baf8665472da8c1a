#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"

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
    // number; each fits a 1024 x 768 screen; its picture buttons say what
    // they do. The pairs store an edit at once, the others on leaving and,
    // where settings are checked, only once they pass: until then "Volver",
    // the close box and Escape each show the first fault once and keep the
    // window open. The related groups refuse the close box in any case.
    // Stored and edited figures tick the filter; nothing else on opening does.
    void losOchoEditores() {
        using E = EntornoEditor;
        using Paso = void (*)(E&, QWidget&);
        const struct {
            int filtro;
            const char* titulo;
            Paso editar, arreglar;       // arreglar: what lets a failing edit pass, null without checks
            bool (*guardado)(const E&);  // whether the edit is stored, null when nothing to store
            bool alMomento;
            int marcas, mensajes;        // ticks on opening and editing; messages of the refused closes
        } casos[] = {
            {kFiltroGrupos, "GRUPOS DE NUMEROS (Max. 360)", [](E& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 1; },
             [](E& e, QWidget&) { e.f.AciertosGrupo(2, 3) = 0; }, nullptr, false, 0, 3},
            {kFiltroParesImpares, "PARES E IMPARES",
             [](E&, QWidget& v) {
                 Pulsar(Marca(v, "chkParesImpares", 0));
                 Pulsar(Marca(v, "chkParesImpares", 2));
             },
             nullptr, [](const E& e) { return e.f.ParesActivos[0] == 1 && e.f.ParesActivos[2] == 0; }, true, 3, 0},
            {kFiltroSeguidos, "DIGITOS SEGUIDOS",
             [](E&, QWidget& v) {
                 Pulsar(Hijo<QCheckBox>(v, "chkSeguidosInversos"));
                 Pulsar(Marca(v, "chkFigura", 6));
                 Pulsar(Marca(v, "chkFigura", 0));
             },
             nullptr,
             [](const E& e) {
                 return e.f.SeguidosInversos == 0 && e.f.FigurasSeguidos[7] == 0 && e.f.FigurasSeguidos[1] == 1;
             },
             false, 3, 0},
            {kFiltroSumas, "SUMAS DE DIGITOS",
             [](E&, QWidget& v) { Pulsar(Hijo<QToolButton>(v, "imgINI_1")); },  // zeroes the maximums only
             [](E&, QWidget& v) { Escribir(v, "txtSumaMaxima_4", "45"); },
             [](const E& e) { return e.f.SumaMaxima[1] == 0 && e.f.SumaMinima[5] == 5 && e.f.SumaMaxima[5] == 45; },
             false, 0, 3},
            {kFiltroTerminaciones, "TERMINACIONES DE DIGITOS",
             [](E&, QWidget& v) {
                 Pulsar(Marca(v, "chkFigura", 2));
                 Pulsar(Marca(v, "chkFigura", 4));
                 Escribir(v, "txtSumaTerminacionesMinimo", "50");
             },
             [](E&, QWidget& v) { Escribir(v, "txtSumaTerminacionesMaximo", "99"); },
             [](const E& e) {
                 return e.f.FigurasTerminaciones[3] == 0 && e.f.FigurasTerminaciones[5] == 1 &&
                        e.f.SumaTerminacionesMinimo == 50 && e.f.SumaTerminacionesMaximo == 99;
             },
             false, 3, 3},
            {kFiltroGruposRelacionados, "GRUPOS RELACIONADOS (Max. 60)",
             [](E& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 1; },  // group 42, no condition
             [](E& e, QWidget&) { e.f.NumerosSubgrupo(6 * 41 + 3, 7) = 0; }, nullptr, false, 0, 1},
            {kFiltroPosiciones, "POSICIONES", nullptr, nullptr, nullptr, false, 0, 0},
            {kFiltroGruposEnReservas, "GRUPOS EN RESERVAS (360)", [](E& e, QWidget&) { e.f.AciertosReserva(1, 2) = 1; },
             [](E& e, QWidget&) { e.f.AciertosReserva(1, 2) = 0; }, nullptr, false, 0, 3},
        };
        for (const auto& c : casos) {
            EntornoEditor e;
            e.f.ParesActivos[2] = e.f.FigurasSeguidos[7] = e.f.SeguidosInversos = e.f.FigurasTerminaciones[3] = 1;
            e.f.SumaMinima[5] = 5;
            e.f.SumaMaxima[5] = 35;
            e.f.SumaMaxima[1] = 20;
            PruebaMensajes::Limpiar();
            bool cerrada = false;
            EnEditor(c.filtro, e, [&](QDialog& v) {
                QCOMPARE(v.windowTitle(), QString(c.titulo));
                QVERIFY(v.frameGeometry().width() <= 1024 && v.frameGeometry().height() <= 768);
                QCOMPARE(BotonesSinAyuda(v), QString());
                const bool sinCerrar = c.filtro == kFiltroGruposRelacionados;
                QCOMPARE(bool(v.windowFlags() & Qt::WindowCloseButtonHint), !sinCerrar);
                if (c.editar) c.editar(e, v);
                QCOMPARE(e.marcas, QList<int>(c.marcas, c.filtro));
                if (c.guardado) QCOMPARE(c.guardado(e), c.alMomento);
                if (c.arreglar) {
                    Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                    v.windowHandle()->close();
                    QTest::keyClick(&v, Qt::Key_Escape);
                    QVERIFY(v.isVisible());
                    QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
                    QCOMPARE(PruebaMensajes::Mostrados().last().estilo, EstiloMensaje::Critico);
                    QVERIFY(!c.guardado || !c.guardado(e));
                    c.arreglar(e, v);
                }
                v.windowHandle()->close();
                QCOMPARE(v.isVisible(), sinCerrar);
                Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
                cerrada = !v.isVisible();
            });
            QVERIFY2(cerrada, c.titulo);
            QCOMPARE(PruebaMensajes::Mostrados().size(), c.mensajes);
            QVERIFY(!c.guardado || c.guardado(e));
        }
    }

    // Every character typed in a bounds box ticks the filter, one the box
    // drops too (a letter, one too many), and Return; Tab does not.
    void teclasEnLasCajasDeCotas() {
        for (const auto& [filtro, nombre, queda] : {std::tuple{kFiltroSumas, "txtSumaMinima_1", "123"},
                                                    std::tuple{kFiltroTerminaciones, "txtSumaTerminacionesMinimo", "12"}}) {
            EntornoEditor e;
            EnEditor(filtro, e, [&](QDialog& v) {
                auto* caja = Hijo<QLineEdit>(v, nombre);
                caja->setFocus();
                QTest::keyClick(caja, Qt::Key_Tab);
                QVERIFY(v.focusWidget() != caja);
                QVERIFY(e.marcas.isEmpty());
                caja->setFocus();
                caja->selectAll();
                QTest::keyClicks(caja, "a1234");
                QTest::keyClick(caja, Qt::Key_Return);
                QCOMPARE(caja->text(), QString(queda));
                QCOMPARE(e.marcas, QList<int>(6, filtro));
            });
        }
    }
};

PRUEBA_VENTANA(PruebaEditores)
#include "test_editores.moc"
