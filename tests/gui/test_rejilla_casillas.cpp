#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "ayuda_editores.h"

class PruebaRejillaCasillas : public QObject {
    Q_OBJECT
private slots:
    // The editors that show the digit grid over the base: showing a row drops
    // its cells outside the base, on opening and on paging, and only from the
    // rows shown; those cells take no clicks; a click stores the cell in the
    // row of its grid; select all and clear write that row.
    void rejillasDeLosEditores() {
        using F = AjustesFiltros;
        const struct {
            int filtro;
            const char *celdas, *todos, *limpiar;     // the second grid shown (the only one for positions)
            uint8_t* (*fila)(F&);                     // its settings row
            uint8_t* (*siguiente)(F&);                // its row after "+", null without pages
            int todas;                                // cells stored by select all
            QList<int> marcas;                        // after a click, select all and clear
        } casos[] = {
            {kFiltroPosiciones, "lblNumero", "imgALLNumeros", "imgININumeros",
             [](F& f) { return f.NumerosPosiciones.Datos(); }, nullptr, 50, {9, 9, -9}},
            {kFiltroGrupos, "lblNumero_G2", "imgALLNumeros_1", "imgININumeros_1",
             [](F& f) { return f.NumerosGrupo.Fila(2); }, [](F& f) { return f.NumerosGrupo.Fila(5); }, 3, {3}},
            {kFiltroGruposEnReservas, "lblNumero_G2", "imgALLNumeros_1", "imgININumeros_1",
             [](F& f) { return f.NumerosGrupoReserva.Fila(2); }, [](F& f) { return f.NumerosGrupoReserva.Fila(5); },
             3, {10, 10, 10}},
            {kFiltroGruposRelacionados, "lblNumero_G2", "imgALLNumeros_1", "imgININumeros_1",
             [](F& f) { return f.NumerosSubgrupo.Fila(2); }, [](F& f) { return f.NumerosSubgrupo.Fila(8); }, 3, {8}},
        };
        for (const auto& c : casos) {
            EntornoEditor e({3, 14, 25});
            uint8_t* fila = c.fila(e.f);
            fila[3 - 1] = fila[40 - 1] = 1;
            uint8_t* siguiente = c.siguiente ? c.siguiente(e.f) : nullptr;
            if (siguiente) siguiente[14 - 1] = siguiente[40 - 1] = 1;
            EnEditor(c.filtro, e, [&](QDialog& v) {
                auto Celda = [&](int i) { return Hijo<QLabel>(v, QStringLiteral("%1_%2").arg(c.celdas).arg(i)); };
                auto* rejilla = qobject_cast<RejillaCasillas*>(Celda(0)->parentWidget());
                QCOMPARE(Celdas(fila), QList<int>({3}));
                QVERIFY(rejilla->AspectoSeleccionado(2));
                if (siguiente) QCOMPARE(Celdas(siguiente), QList<int>({14, 40}));
                Pulsar(Celda(39));
                Pulsar(Celda(13));
                QCOMPARE(Celdas(fila), QList<int>({3, 14}));
                Pulsar(Hijo<QToolButton>(v, c.todos));
                QCOMPARE(Celdas(fila).size(), c.todas);
                QCOMPARE(rejilla->AspectoSeleccionado(39), c.todas == 50);
                Pulsar(Hijo<QToolButton>(v, c.limpiar));
                QVERIFY(Celdas(fila).isEmpty() && !rejilla->AspectoSeleccionado(2));
                if (siguiente) {
                    Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
                    QCOMPARE(Celdas(siguiente), QList<int>({14}));
                    QVERIFY(rejilla->AspectoSeleccionado(13));
                }
                QCOMPARE(e.marcas, c.marcas);  // paging ticks nothing
            });
        }
    }
};

PRUEBA_VENTANA(PruebaRejillaCasillas)
#include "test_rejilla_casillas.moc"
