#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroGRUPOSENRESERVAS.h"

namespace {
using Entorno = EntornoEditor;

void IrAGrupo(QWidget& v, const QString& texto) { Teclear(Hijo<QLineEdit>(v, "txtNumeroGRUPO"), texto); }

QString Texto(QWidget& v, const QString& nombre) { return Hijo<QLineEdit>(v, nombre)->text(); }
}  // namespace

class PruebaFrmFiltroGruposEnReservas : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    void reservaSeGuardaAlCambiarDePagina() {
        Entorno e;
        e.sesion.filtros.IdGrupoReserva[101] = 5;
        frmFiltroGRUPOSENRESERVAS v(e.contexto);
        v.show();
        QCOMPARE(Hijo<QLabel>(v, "lblNumeroGrupos_4")->text(), QStringLiteral("1"));
        auto* combo = Hijo<QComboBox>(v, "cboRESERVAS_1");

        combo->setCurrentIndex(2);  // B, still pending
        QCOMPARE(e.sesion.filtros.IdGrupoReserva[2], uint8_t{0});
        Pulsar(Hijo<QPushButton>(v, "cmdTituloGRUPO_1"));
        QCOMPARE(Textos().last(), QStringLiteral("No hay Grupos incluidos en Grupo Reserva B"));

        IrAGrupo(v, "100");
        QCOMPARE(e.sesion.filtros.IdGrupoReserva[2], uint8_t{2});
        QCOMPARE(e.sesion.filtros.BloqueReservas, int16_t{34});
        QCOMPARE(Hijo<QLabel>(v, "lblNumeroGrupos_1")->text(), QStringLiteral("1"));
        QCOMPARE(Hijo<QComboBox>(v, "cboRESERVAS_1")->currentText(), QStringLiteral("E"));
        Pulsar(Hijo<QPushButton>(v, "cmdTituloGRUPO_1"));
        QCOMPARE(Textos().last(), QStringLiteral("Nº de los Grupos incluidos en Grupo Reserva B : 2"));

        // "+" stores the page it leaves; clearing to "---" uncounts group 101.
        Hijo<QComboBox>(v, "cboRESERVAS_1")->setCurrentIndex(0);
        Hijo<QComboBox>(v, "cboRESERVAS_2")->setCurrentIndex(8);
        Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(e.sesion.filtros.IdGrupoReserva[101], uint8_t{0});
        QCOMPARE(e.sesion.filtros.IdGrupoReserva[102], uint8_t{8});
        QCOMPARE(Hijo<QLabel>(v, "lblNumeroGrupos_4")->text(), QStringLiteral("0"));
        QCOMPARE(Hijo<QLabel>(v, "lblNumeroGrupos_7")->text(), QStringLiteral("1"));
        QVERIFY(e.marcas.isEmpty());  // paging, combos and title buttons tick nothing
    }

    void edicionesMarcanElFiltro() {
        Entorno e;
        for (Casilla c : {3, 13}) e.sesion.rejilla.Fijar(c, true);
        e.sesion.filtros.AciertosGrupoReserva(2, 2) = 1;
        e.sesion.filtros.AciertosGrupoReserva(2, 6) = 1;
        frmFiltroGRUPOSENRESERVAS v(e.contexto);
        v.show();
        QCOMPARE(Texto(v, "txtAciertos_1"), QStringLiteral("2,6"));

        Pulsar(Hijo<QToolButton>(v, "imgALLNumeros_1"));
        QCOMPARE(e.sesion.filtros.NumerosGrupoReserva(2, 3), uint8_t{1});
        Pulsar(Hijo<QToolButton>(v, "imgININumeros_1"));
        QCOMPARE(e.sesion.filtros.NumerosGrupoReserva(2, 3), uint8_t{0});
        Pulsar(Hijo<QLabel>(v, "lblNumero_G2_12"));
        QCOMPARE(e.sesion.filtros.NumerosGrupoReserva(2, 13), uint8_t{1});

        // The chooser edits 0..5; the loaded count 6 stays and stays shown.
        PruebaSelector::EncolarEleccion({1, 5});
        Pulsar(Hijo<QPushButton>(v, "cmdModificar_1"));
        QCOMPARE(Texto(v, "txtAciertos_1"), QStringLiteral("1,5,6"));
        QCOMPARE(e.sesion.filtros.AciertosGrupoReserva(2, 2), uint8_t{0});
        QCOMPARE(e.sesion.filtros.AciertosGrupoReserva(2, 6), uint8_t{1});

        QList<int> todas;
        for (int k = 0; k <= 79; ++k) todas << k;
        PruebaSelector::EncolarEleccion(todas);
        Pulsar(Hijo<QPushButton>(v, "cmdModificarReservas_3"));
        QCOMPARE(PruebaSelector::Mostrados().last().titulo, QStringLiteral("ACIERTOS EN GRUPO D"));
        QVERIFY(Texto(v, "txtAciertosReservas_3").startsWith("0,1,2,"));
        QVERIFY(Texto(v, "txtAciertosReservas_3").endsWith(",78,79"));
        QCOMPARE(e.sesion.filtros.AciertosReserva(4, 79), uint8_t{1});
        QCOMPARE(e.marcas, QList<int>(5, kFiltroGruposEnReservas));
    }

    void cerrarGuardaLaPaginaYValida() {
        Entorno e;
        e.sesion.filtros.AciertosReserva(1, 2) = 1;  // reserve A counts, no group yet
        frmFiltroGRUPOSENRESERVAS v(e.contexto);
        v.show();
        // The close stores the shown page's letter and recounts before checking.
        Hijo<QComboBox>(v, "cboRESERVAS_0")->setCurrentIndex(1);
        v.close();
        QCOMPARE(Textos(), QStringList{"ERROR en GRUPO1 : No ha marcado ningún número y ningún acierto"});
        QCOMPARE(e.sesion.filtros.IdGrupoReserva[1], uint8_t{1});
        QCOMPARE(Hijo<QLabel>(v, "lblNumeroGrupos_0")->text(), QStringLiteral("1"));
        e.sesion.filtros.NumerosGrupoReserva(1, 1) = 1;
        e.sesion.filtros.AciertosGrupoReserva(1, 0) = 1;
        Pulsar(Hijo<QPushButton>(v, "cmdVolver"));
        QVERIFY(!v.isVisible());
        QCOMPARE(Textos().size(), 1);
    }
};

PRUEBA_VENTANA(PruebaFrmFiltroGruposEnReservas)
#include "test_frmfiltrogruposenreservas.moc"
