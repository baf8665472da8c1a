#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "ayuda_editores.h"

namespace {
QLabel* Cuenta(QWidget& v, int k) { return Hijo<QLabel>(v, QStringLiteral("lblAciertos_%1").arg(k)); }
// Whether a count is painted chosen (green), unchosen (white) or neither.
bool Pintada(QLabel* l, bool elegida) {
    return l->palette().color(QPalette::Window) == (elegida ? QColor(0, 128, 0) : QColor(Qt::white)) &&
           l->palette().color(QPalette::WindowText) == (elegida ? QColor(Qt::white) : QColor(Qt::black));
}
QList<int> Banderas(const uint8_t* fila, int hasta) { return QList<int>(fila, fila + hasta + 1); }
}  // namespace

class PruebaSelectorAciertos : public QObject {
    Q_OBJECT
private slots:
    // Counts outside the range are neither offered nor changed, whatever their flag.
    void fueraDelRangoNadaSeOfreceNiCambia() {
        Arreglo<uint8_t> sel(0, kMaxAciertosReserva);
        sel[0] = sel[3] = 1;
        frmAciertos v(sel);
        v.AciertoMinimo = 1;
        v.AciertoMaximo = 4;
        v.show();
        QVERIFY(!Cuenta(v, 0)->isEnabled() && !Cuenta(v, 5)->isEnabled());
        QVERIFY(!Pintada(Cuenta(v, 0), true) && Pintada(Cuenta(v, 3), true) && Pintada(Cuenta(v, 1), false));
        for (int k : {0, 5, 3, 2}) Pulsar(Cuenta(v, k));
        QCOMPARE(Banderas(sel.Datos(), 5), QList<int>({1, 0, 1, 0, 0, 0}));
        QVERIFY(Pintada(Cuenta(v, 3), false) && Pintada(Cuenta(v, 2), true));
        Pulsar(Hijo<QToolButton>(v, "imgTodos"));
        QCOMPARE(Banderas(sel.Datos(), 5), QList<int>({1, 1, 1, 1, 1, 0}));
        Pulsar(Hijo<QToolButton>(v, "imgNinguno"));
        QCOMPARE(Banderas(sel.Datos(), 5), QList<int>({1, 0, 0, 0, 0, 0}));
        QVERIFY(Pintada(Cuenta(v, 4), false) && !Pintada(Cuenta(v, 5), true));
    }

    // The real windows: the row goes over and back whole (a 2 is no flag), the
    // close box keeps the changes, the reserves window shows its title.
    void intercambioConLasVentanas() {
        PruebaSelector::Desactivar();
        EntornoEditor e;
        uint8_t fila[6] = {1, 0, 2, 1, 0, 0};
        QTimer::singleShot(0, [] {
            QWidget& v = *QApplication::activeModalWidget();
            QVERIFY(!Cuenta(v, 0)->isEnabled() && Pintada(Cuenta(v, 2), false));
            Pulsar(Cuenta(v, 4));
            v.windowHandle()->close();
        });
        QCOMPARE(ProtocoloSelectorAciertos(e.contexto, fila, 1, 5, kFiltroSeguidos), QString("0,3,4"));
        QCOMPARE(Banderas(fila, 5), QList<int>({1, 0, 0, 1, 1, 0}));

        QString titulo;
        QTimer::singleShot(0, [&titulo] {
            QWidget& v = *QApplication::activeModalWidget();
            titulo = Hijo<QLabel>(v, "lblTitulo")->text();
            Pulsar(Hijo<QPushButton>(v, "cmdTodos"));
            Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        });
        const QString todas = ProtocoloSelectorReservas(e.contexto, e.f.AciertosReserva.Fila(3), QChar('C'));
        QCOMPARE(titulo, QString("ACIERTOS EN GRUPO C"));
        QVERIFY(todas.startsWith("0,1,2,") && todas.endsWith(",78,79"));
        QCOMPARE(Banderas(e.f.AciertosReserva.Fila(3), 79), QList<int>(80, 1));
        QCOMPARE(e.marcas, QList<int>({kFiltroSeguidos, kFiltroGruposEnReservas}));
    }

    // Every editor hands its row to the chooser with its range, stores the
    // choice at once, empty or not, lists it with the stored counts the
    // chooser does not offer, and ticks its filter each time.
    void cadaEditorConElSelector() {
        ActivarPruebasEditor();
        using F = AjustesFiltros;
        const struct {
            int filtro;
            const char *boton, *caja;
            uint8_t* (*fila)(F&);
            int minimo, maximo, fuera;  // fuera: a stored count not offered, -1 none
            const char *cargada, *elegida, *titulo;  // the list on opening and after the choice
        } casos[] = {
            {kFiltroGrupos, "cmdModificar_2", "txtAciertos_2", [](F& f) { return f.AciertosGrupo.Fila(3); }, 0, 5, -1,
             "2", "1,5", ""},
            {kFiltroSeguidos, "cmdModificar", "txtNumero", [](F& f) { return f.NumerosSeguidos.Datos(); }, 1, 5, 0,
             "0,2", "0,1,5", ""},
            {kFiltroTerminaciones, "cmdModificar_7", "txtAciertos_7", [](F& f) { return f.TerminadosEn.Fila(7); }, 0,
             5, -1, "2", "1,5", ""},
            {kFiltroGruposRelacionados, "cmdModificar_5", "txtAciertos_5",
             [](F& f) { return f.AciertosCondicion.Fila(6); }, 0, 5, -1, "2", "1,5", ""},
            {kFiltroGruposEnReservas, "cmdModificar_1", "txtAciertos_1",
             [](F& f) { return f.AciertosGrupoReserva.Fila(2); }, 0, 5, 6, "2,6", "1,5,6", ""},
            {kFiltroGruposEnReservas, "cmdModificarReservas_3", "txtAciertosReservas_3",
             [](F& f) { return f.AciertosReserva.Fila(4); }, 0, 79, -1, "2", "1,79", "ACIERTOS EN GRUPO D"},
        };
        for (const auto& c : casos) {
            EntornoEditor e;
            uint8_t* fila = c.fila(e.f);
            fila[2] = 1;
            if (c.fuera >= 0) fila[c.fuera] = 1;
            const QString sinElegir = c.fuera >= 0 ? QString::number(c.fuera) : QString();
            EnEditor(c.filtro, e, [&](QDialog& v) {
                auto* caja = Hijo<QLineEdit>(v, c.caja);
                QCOMPARE(caja->text(), QString(c.cargada));
                PruebaSelector::EncolarEleccion({});
                PruebaSelector::EncolarEleccion({1, c.maximo});
                Pulsar(Hijo<QPushButton>(v, c.boton));
                QCOMPARE(caja->text(), sinElegir);
                Pulsar(Hijo<QPushButton>(v, c.boton));
                QCOMPARE(caja->text(), QString(c.elegida));
                const auto& r = PruebaSelector::Mostrados().last();
                QCOMPARE(r.minimo, c.minimo);
                QCOMPARE(r.maximo, c.maximo);
                QCOMPARE(r.titulo, QString(c.titulo));
                for (int k = 0; k <= std::max(c.maximo, c.fuera); ++k)
                    QCOMPARE(fila[k], uint8_t(k == 1 || k == c.maximo || k == c.fuera ? 1 : 0));
                QCOMPARE(e.marcas, QList<int>({c.filtro, c.filtro}));
            });
        }
    }
};

PRUEBA_VENTANA(PruebaSelectorAciertos)
#include "test_selector_aciertos.moc"
