#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ayuda_editores.h"
#include "frmFiltroGRUPOS.h"
#include "frmFiltroGRUPOSENRESERVAS.h"
#include "validacion_grupos.h"

namespace {
void IrAGrupo(QWidget& v, const QString& texto) { Teclear(Hijo<QLineEdit>(v, "txtNumeroGRUPO"), texto); }

QString Titulos(QWidget& v) {
    QStringList t;
    for (int k = 0; k < 3; ++k) t << Hijo<QLabel>(v, QStringLiteral("lblTitGrupo_%1").arg(k))->text();
    return t.join('|');
}
QString Texto(QWidget& v, const QString& nombre) { return Hijo<QLabel>(v, nombre)->text(); }
QComboBox* Reserva(QWidget& v, int i) { return Hijo<QComboBox>(v, QStringLiteral("cboRESERVAS_%1").arg(i)); }
}  // namespace

class PruebaFrmFiltroGrupos : public QObject {
    Q_OBJECT
private slots:
    void init() { ActivarPruebasEditor(); }

    // Three groups a page; "-", "+" and the group box move between pages.
    void paginasYCajaDeGrupo() {
        EntornoEditor e;
        frmFiltroGRUPOS v(e.contexto);
        v.show();
        QCOMPARE(Hijo<QLineEdit>(v, "txtNumeroGRUPO")->text(), QStringLiteral("1"));
        QCOMPARE(EstadosDistintos(v, {"-cmdMENOSBloque", "+cmdMASBloque"}), QString());
        IrAGrupo(v, "360");
        QCOMPARE(e.f.GrupoActual, int16_t{120});
        QCOMPARE(Titulos(v), QStringLiteral("GRUPO 358|GRUPO 359|GRUPO 360"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "-cmdMASBloque"}), QString());
        QVERIFY(v.isVisible());  // Enter closes nothing

        for (const char* malo : {"", "361"}) IrAGrupo(v, malo);
        QCOMPARE(e.f.GrupoActual, int16_t{120});
        QCOMPARE(Textos(), QStringList(2, QString::fromStdString(MensajeRangoGrupo())));
        QCOMPARE(Hijo<QLineEdit>(v, "txtNumeroGRUPO")->selectedText(), QStringLiteral("361"));

        IrAGrupo(v, "4");
        QCOMPARE(Titulos(v), QStringLiteral("GRUPO 4|GRUPO 5|GRUPO 6"));
        QCOMPARE(EstadosDistintos(v, {"+cmdMENOSBloque", "+cmdMASBloque"}), QString());
        Pulsar(Hijo<QPushButton>(v, "cmdMENOSBloque"));
        QCOMPARE(Titulos(v), QStringLiteral("GRUPO 1|GRUPO 2|GRUPO 3"));
        QVERIFY(e.marcas.isEmpty());
    }

    // A group's reserve letter is stored when its page is left or the window
    // closed, and the count of groups per reserve follows; neither the letters
    // nor the reserves' title buttons tick the filter.
    void reservasDeLosGrupos() {
        EntornoEditor e;
        e.f.IdGrupoReserva[101] = 5;
        frmFiltroGRUPOSENRESERVAS v(e.contexto);
        v.show();
        QCOMPARE(Texto(v, "lblNumeroGrupos_4"), QStringLiteral("1"));
        Reserva(v, 1)->setCurrentIndex(2);  // group 2 to B, still pending
        QCOMPARE(e.f.IdGrupoReserva[2], uint8_t{0});
        Pulsar(Hijo<QPushButton>(v, "cmdTituloGRUPO_1"));
        IrAGrupo(v, "100");
        QCOMPARE(e.f.IdGrupoReserva[2], uint8_t{2});
        QCOMPARE(Texto(v, "lblNumeroGrupos_1"), QStringLiteral("1"));
        QCOMPARE(Reserva(v, 1)->currentText(), QStringLiteral("E"));
        Pulsar(Hijo<QPushButton>(v, "cmdTituloGRUPO_1"));
        QCOMPARE(Textos(), QStringList({"No hay Grupos incluidos en Grupo Reserva B",
                                        "Nº de los Grupos incluidos en Grupo Reserva B : 2"}));

        Reserva(v, 1)->setCurrentIndex(0);
        Reserva(v, 2)->setCurrentIndex(8);
        Pulsar(Hijo<QPushButton>(v, "cmdMASBloque"));
        QCOMPARE(e.f.IdGrupoReserva[101], uint8_t{0});
        QCOMPARE(e.f.IdGrupoReserva[102], uint8_t{8});
        QCOMPARE(Texto(v, "lblNumeroGrupos_4"), QStringLiteral("0"));
        QCOMPARE(Texto(v, "lblNumeroGrupos_7"), QStringLiteral("1"));

        // The close stores the page shown and recounts before checking.
        Reserva(v, 0)->setCurrentIndex(1);
        v.close();
        QCOMPARE(e.f.IdGrupoReserva[103], uint8_t{1});
        QCOMPARE(Texto(v, "lblNumeroGrupos_0"), QStringLiteral("1"));
        QVERIFY(v.isVisible());  // group 103 has no cells
        QVERIFY(e.marcas.isEmpty());
    }
};

PRUEBA_VENTANA(PruebaFrmFiltroGrupos)
#include "test_frmfiltrogrupos.moc"
