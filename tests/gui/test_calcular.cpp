// "Calcular" through the main window: what it hands the engine and the
// reduction window, and how it shows, reports and exports what comes back.
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <memory>

#include "ayuda_gui.h"
#include "frmprincipal.h"
#include "sistema.h"

namespace {

// Watches the reduction window: what it showed each time it went away, and a
// hook run every few milliseconds while it is open.
class VigiaReduccion : public QObject {
public:
    VigiaReduccion(std::function<void(QWidget*)> mientras, QLineEdit* reducidas)
        : mientras_(std::move(mientras)), reducidas_(reducidas) {
        qApp->installEventFilter(this);
        connect(&reloj_, &QTimer::timeout, this, [this] { mientras_(ventana_); });
    }
    ~VigiaReduccion() override { qApp->removeEventFilter(this); }

    // Title, type, count ('#' when the main window shows the same), its tooltip, and the stop button.
    QStringList cerradas;

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (!objeto->isWidgetType() || objeto->objectName() != "frmVentanaProceso") return false;
        ventana_ = static_cast<QWidget*>(objeto);
        if (evento->type() == QEvent::Show && mientras_) reloj_.start(5);
        if (evento->type() != QEvent::Hide) return false;
        reloj_.stop();
        const auto* numeros = Hijo<QLabel>(*ventana_, "lblApuestasVP");
        cerradas << QStringList{ventana_->windowTitle(), Visto(*ventana_, "lblTipo"),
                                numeros->text() == reducidas_->text() ? "#" : numeros->text(), numeros->toolTip(),
                                Hijo<QWidget>(*ventana_, "cmdDETENER")->isHidden() ? "sin parada" : "parada"}
                        .join('/');
        return false;
    }

private:
    std::function<void(QWidget*)> mientras_;
    QTimer reloj_;
    QLineEdit* reducidas_;
    QWidget* ventana_ = nullptr;
};

// These digits in every position.
QList<Casilla> EnTodas(std::initializer_list<int> digitos) {
    QList<Casilla> c;
    for (int p = 1; p <= kPosiciones; ++p)
        for (int d : digitos) c << CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p));
    return c;
}

const QString kErrorInforme = "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (";

}  // namespace

class PruebaCalcular : public QObject {
    Q_OBJECT

    std::unique_ptr<EstadoSesion> sesion;
    std::unique_ptr<frmPrincipal> v;

    void Nueva() {
        v.reset();
        sesion = std::make_unique<EstadoSesion>();
        v = std::make_unique<frmPrincipal>(*sesion);
        v->show();
    }
    void Calcular() { Pulsar(Hijo<QWidget>(*v, "lblCalcular")); }
    QString Resultado(int j) {
        QString n;
        for (int p = 1; p <= kPosiciones; ++p) n += QChar('0' + DigitoDeCasilla(sesion->tablas.gResultado(j, p)));
        return n;
    }

private slots:
    void init() {
        PruebaSistema::Activar();
        ActivarPruebasVentana();
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Nueva();
    }

    void cuentasConTodosLosGrupos() {
        // Spanish marks four-digit counts too, as "#,#,0" does.
        QCOMPARE(FormatoCuenta(-2118760), QString("-2.118.760"));
        QCOMPARE(LeerCuenta("2.118.760"), qint64{2118760});
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatoCuenta(2118760), QString("2118760"));
    }

    void calcularSegunBaseYOpciones() {
        const QString kNoValido = "ERROR: EL %1 NO ES UN NUMERO VALIDO";
        // With cycles on, the reduction goes on until it is stopped; neither
        // the close box nor Escape ends it.
        bool pulsada = false, seCerro = false;
        const auto detener = [&](QWidget* w) {
            if (pulsada || Hijo<QLabel>(*w, "lblCiclos")->text().toInt() < 3) return;
            w->close();
            QTest::keyClick(w, Qt::Key_Escape);
            seCerro = !w->isVisible();
            pulsada = true;
            Pulsar(Hijo<QWidget>(*w, "cmdDETENER"));
        };
        const struct {
            QList<Casilla> casillas;
            int tipo;
            const char *porcentaje, *apuestas, *exactas;  // exactas: exact bets asked, or none
            // "messages|conditioned|reduced|percentage|bets|percentage and bets as the first
            // result showed|each reduction window as it closed", '*' for what varies.
            QString estado;
            std::function<void()> despues = nullptr;
            std::function<void(QWidget*)> mientras = nullptr;  // while the reduction window is open, with cycles on
        } casos[] = {
            {{4, 19, 21, 40, 50}, 0, "100", "1", nullptr, "|1|1|100|1|100 1|", [&] {
                 QCOMPARE(Resultado(1), QString("38099"));
                 // Only the ticked filter's count.
                 QCOMPARE(Vistos(*v, {"lblNumeroELiminadas_3", "lblNumeroELiminadas_4"}), (QStringList{"0", "-"}));
             }},
            {{4, 19, 21, 40}, 0, "100", "1", nullptr, "AVISO: DEBE SELECCIONAR MINIMO 5 DIGITOS|0|0|100|1||",
             [&] { QVERIFY(sesion->gCombinacionGuardada); }},
            {{1, 2, 3, 16, 17, 18}, 0, "100", "1", nullptr,
             "ERROR: Se han generado 0 números después de condicionar, cambie las condiciones|0|0|100|1||"},
            {EnTodas({1, 2}), 0, "100", "1", "33",
             "ERROR: HA ELEGIDO REDUCIR CON NUMERO EXACTO DE APUESTAS Y DICHO NUMERO SUPERA EL SISTEMA CONDICIONADO "
             "GENERADO, CAMBIE EL NUMERO|32|0|100|33||",
             [&] { QCOMPARE(v->focusWidget(), static_cast<QWidget*>(v->txtNUApuestas())); }},
            {EnTodas({1, 2}), 0, "100", "1", "1x", kNoValido.arg("NUMERO DE APUESTAS") + "|0|0|100|1x||"},
            {EnTodas({1, 2}), 1, "100", "1", "32",
             "|32|32|100|32|100 32|Ajustando Apuestas .../4 (n-1)/*/Obtenida en el ciclo: 1/sin parada"},
            {EnTodas({1, 2}), 0, "100", "1", nullptr, "|32|32|100|1|100 1|"},
            {EnTodas({1, 2}), 0, " 100", "1", nullptr,
             "|32|32| 100|1| 100 1|Reduciendo.../5 (n)/#/Obtenida en el ciclo: 1/parada"},
            {EnTodas({1, 2}), 0, "1x", "1", nullptr,
             kNoValido.arg("PORCENTAJE") + "|32|0|1x|1||Reduciendo...//#//parada"},
            {EnTodas({0, 1, 2, 3}), 1, "150", "0", nullptr,
             "|1.024|*|100|1|100 1|Reduciendo.../4 (n-1)/#/Obtenida en el ciclo: 1/parada"},
            {EnTodas({0, 1, 2, 3}), 1, "100", "1", nullptr,
             "|1.024|*|100|1|100 1|Reduciendo.../4 (n-1)/#/Obtenida en el ciclo: */parada",
             [&] { QVERIFY(pulsada && !seCerro); }, detener},
        };
        bool ocupada;
        QString alPrimerResultado;  // the options shown as the run goes on
        for (const auto& c : casos) {
            Nueva();
            PruebaMensajes::Limpiar();
            for (Casilla k : c.casillas) sesion->rejilla.Fijar(k, true);
            v->chkFiltros(3)->setChecked(true);  // no group defined: eliminates nothing
            v->cboTipoReduccion()->setCurrentIndex(c.tipo);
            v->chkActivarCiclos()->setChecked(c.mientras != nullptr);
            v->txtPorcentaje()->setText(c.porcentaje);
            v->txtNUApuestas()->setText(c.apuestas);
            if (c.exactas) {
                Pulsar(v->optTipo(0));
                v->chkApuestasExactas()->setChecked(true);
                v->txtNUApuestas()->setText(c.exactas);
            }
            // The workflow yields once with its panel up: look at the window then.
            ocupada = false;
            QTimer::singleShot(0, v.get(), [&] {
                ocupada = v->EnProceso() && v->lbltituloProgress()->text() == "Analizando ..." &&
                          EstadosDistintos(*v, {"-picOpcionesReduccion", "-lblNumero_0", "=picVentanaEspera"}).isEmpty();
            });
            alPrimerResultado.clear();
            connect(v->txtApuestasReducidas(), &QLineEdit::textChanged, this, [&] {
                if (alPrimerResultado.isEmpty())
                    alPrimerResultado = v->txtPorcentaje()->text() + " " + v->txtNUApuestas()->text();
            });
            VigiaReduccion vigia(c.mientras, v->txtApuestasReducidas());
            Calcular();
            const QStringList cajas =
                Vistos(*v, {"txtApuestasCondicionadas", "txtApuestasReducidas", "txtPorcentaje", "txtNUApuestas"});
            const QString estado = QStringList{Textos().join(';'), cajas.join('|'), alPrimerResultado, vigia.cerradas.join(';')}
                                       .join('|');
            const auto patron = QRegularExpression::fromWildcard(c.estado, Qt::CaseSensitive);
            QVERIFY2(patron.match(estado).hasMatch(), qPrintable(estado));
            QCOMPARE(ocupada, c.casillas.size() >= 5);
            QVERIFY(!v->EnProceso() && !v->Timer1()->isActive());
            QCOMPARE(EstadosDistintos(*v, {"~picVentanaEspera", "+picOpcionesReduccion", "+chkFiltros_3"}), QString());
            if (Textos().isEmpty()) QCOMPARE(LeerCuenta(cajas[1]), qint64(sesion->tablas.gResultado.Filas()));
            if (c.despues) c.despues();
        }
    }

    // Nothing to export before a run; then one run feeds the report and both exports.
    void informeYExportar() {
        v->ExportarReduccion(1);
        v->ExportarReduccion(2);
        QCOMPARE(Textos(), QStringList(2, "ERROR: No hay números generados"));
        QVERIFY(PruebaDialogos::Mostrados().isEmpty() && PruebaSistema::Abiertos().isEmpty());
        PruebaMensajes::Limpiar();

        v->SeleccionarTodosNumeros();
        sesion->filtros.ParesActivos[0] = 1;  // only numbers without even digits
        v->chkFiltros(4)->setChecked(true);
        Calcular();
        QCOMPARE(Visto(*v, "lblNumeroELiminadas_4"), QString("96.875"));

        v->chkFiltros(9)->setChecked(true);  // ticked after the run
        const QString ruta = QDir(CarpetaPrograma()).filePath("VORTESALIN_RESUMEN.txt");
        Pulsar(Hijo<QWidget>(*v, "cmdVerInformeEliminadas"));
        QCOMPARE(PruebaSistema::Abiertos(), QList<QString>{ruta});
        QCOMPARE(QString::fromUtf8(ContenidoFichero(ruta)), QString("TOTAL Números Eliminados: 96.875\r\n"
                                                        "TOTAL Números Condicionados: 3.125\r\n"
                                                        "TOTAL Números en Reducción: 3.125\r\n"
                                                        "\r\n"
                                                        "Números eliminados por cada Filtro Activo:\r\n"
                                                        "PARES E IMPARES: 96.875\r\n"
                                                        "POSICIONES: 0\r\n"
                                                        "\r\n"));

        QByteArray numeros;  // one per line, in the result's order
        for (int j = 1; j <= sesion->tablas.gResultado.Filas(); ++j) numeros += Resultado(j).toLatin1() + "\r\n";
        QTemporaryDir carpeta;
        const QString reducidos = EscribirFichero(carpeta, "reducidos.txt", QByteArray(40000, '7'));  // replaced whole
        PruebaDialogos::EncolarRuta(reducidos);
        Pulsar(Hijo<QWidget>(*v, "cmdGuardarReduccion"));
        QVERIFY(PruebaDialogos::Mostrados().first().guardar);
        QCOMPARE(ContenidoFichero(reducidos), numeros);
        QFile::remove(reducidos);
        v->ExportarReduccion(1);  // cancelled: nothing written
        QVERIFY(!QFile::exists(reducidos));
        Pulsar(Hijo<QWidget>(*v, "cmdVerenBlocdeNotas"));
        QCOMPARE(PruebaSistema::Abiertos().size(), 2);
        QCOMPARE(ContenidoFichero(PruebaSistema::Abiertos().last()), numeros);
        QVERIFY(Textos().isEmpty());

        // The editor does not open; then the file cannot be written, a folder stands in its place.
        PruebaSistema::Activar(false);
        v->VerInformeEliminadas();
        PruebaSistema::Activar(true);
        QFile::remove(ruta);
        QVERIFY(QDir().mkpath(ruta));
        v->VerInformeEliminadas();
        QDir(ruta).removeRecursively();
        QCOMPARE(Textos().size(), 2);
        QVERIFY(Textos()[0].startsWith(kErrorInforme) && Textos()[1].startsWith(kErrorInforme));
        QVERIFY(PruebaSistema::Abiertos().isEmpty());
    }
};

PRUEBA_VENTANA(PruebaCalcular)
#include "test_calcular.moc"
