// "Calcular" through the main window: what it hands the engine and the
// reduction window, and how it shows, reports and exports what comes back.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "ayuda_gui.h"
#include "frmprincipal.h"
#include "sistema.h"

namespace {

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Watches the reduction window: what it showed when it went away, and a hook
// run every few milliseconds while it is open.
class VigiaReduccion : public QObject {
public:
    explicit VigiaReduccion(std::function<void(QWidget*)> mientras = nullptr) : mientras_(std::move(mientras)) {
        qApp->installEventFilter(this);
        connect(&reloj_, &QTimer::timeout, this, [this] {
            if (ventana_ && mientras_) mientras_(ventana_);
        });
    }
    ~VigiaReduccion() override { qApp->removeEventFilter(this); }

    int abierta = 0;
    QString titulo, tipo, numeros, ayudaNumeros;
    bool paradaOculta = false;

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (!objeto->isWidgetType() || objeto->objectName() != "frmVentanaProceso") return false;
        auto* w = static_cast<QWidget*>(objeto);
        if (evento->type() == QEvent::Show) {
            ++abierta;
            ventana_ = w;
            reloj_.start(5);
        } else if (evento->type() == QEvent::Hide && ventana_ == w) {
            titulo = w->windowTitle();
            tipo = Hijo<QLabel>(*w, "lblTipo")->text();
            numeros = Hijo<QLabel>(*w, "lblApuestasVP")->text();
            ayudaNumeros = Hijo<QLabel>(*w, "lblApuestasVP")->toolTip();
            paradaOculta = Hijo<QWidget>(*w, "cmdDETENER")->isHidden();
            reloj_.stop();
            ventana_ = nullptr;
        }
        return false;
    }

private:
    std::function<void(QWidget*)> mientras_;
    QTimer reloj_;
    QWidget* ventana_ = nullptr;
};

// These digits in every position.
QList<Casilla> EnTodas(std::initializer_list<int> digitos) {
    QList<Casilla> c;
    for (int p = 1; p <= kPosiciones; ++p)
        for (int d : digitos) c << CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p));
    return c;
}

const QString kSinNumeros = "ERROR: No hay números generados";
const QString kErrorInforme = "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (";

}  // namespace

class PruebaCalcular : public QObject {
    Q_OBJECT

    std::unique_ptr<EstadoSesion> sesion;
    std::unique_ptr<frmPrincipal> v;
    std::unique_ptr<VigiaReduccion> vigia;
    bool ocupada = false;
    QString alPrimerResultado;

    QString Texto(const QString& nombre) { return Hijo<QLineEdit>(*v, nombre)->text(); }
    QString Eliminadas(int i) { return v->lblNumeroELiminadas(i)->text(); }
    void Nueva() {
        v.reset();
        sesion = std::make_unique<EstadoSesion>();
        v = std::make_unique<frmPrincipal>(*sesion);
        v->show();
    }
    void Marcar(std::initializer_list<int> digitos) {
        for (Casilla c : EnTodas(digitos)) sesion->rejilla.Fijar(c, true);
    }
    void Calcular() { Pulsar(Hijo<QWidget>(*v, "lblCalcular")); }
    // Idle again: nothing busy, the wait panel gone, the inputs unlocked.
    bool EnReposo() {
        return !v->EnProceso() && !v->Timer1()->isActive() &&
               EstadosDistintos(*v, {"~picVentanaEspera", "+picOpcionesReduccion", "+chkFiltros_3"}).isEmpty();
    }
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
    void cleanup() {
        v.reset();
        sesion.reset();
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
        const struct {
            QList<Casilla> casillas;
            int tipo;
            const char *porcentaje, *apuestas, *exactas;  // exactas: exact bets asked, or none
            QString mensaje, condicionadas, reducidas;    // reducidas: empty when only its consistency counts
            QString ventana;  // the reduction window's title as it closed; empty when it never opened
            std::function<void()> despues;
        } casos[] = {
            {{4, 19, 21, 40, 50}, 0, "100", "1", nullptr, "", "1", "1", "", [&] {
                 QCOMPARE(Resultado(1), QString("38099"));
                 QCOMPARE(Eliminadas(3) + Eliminadas(4), QString("0-"));  // only the ticked filter's count
             }},
            {{4, 19, 21, 40}, 0, "100", "1", nullptr, "AVISO: DEBE SELECCIONAR MINIMO 5 DIGITOS", "0", "0", "",
             [&] { QVERIFY(sesion->gCombinacionGuardada); }},
            {{1, 2, 3, 16, 17, 18}, 0, "100", "1", nullptr,
             "ERROR: Se han generado 0 números después de condicionar, cambie las condiciones", "0", "0", "", nullptr},
            {EnTodas({1, 2}), 0, "100", "1", "33",
             "ERROR: HA ELEGIDO REDUCIR CON NUMERO EXACTO DE APUESTAS Y DICHO NUMERO SUPERA EL SISTEMA CONDICIONADO "
             "GENERADO, CAMBIE EL NUMERO",
             "32", "0", "", [&] { QCOMPARE(v->focusWidget(), static_cast<QWidget*>(v->txtNUApuestas())); }},
            {EnTodas({1, 2}), 0, "100", "1", "1x", kNoValido.arg("NUMERO DE APUESTAS"), "0", "0", "", nullptr},
            {EnTodas({1, 2}), 1, "100", "1", "32", "", "32", "32", "Ajustando Apuestas ...",
             [&] { QVERIFY(vigia->paradaOculta); }},
            {EnTodas({1, 2}), 0, "100", "1", nullptr, "", "32", "32", "", nullptr},
            {EnTodas({1, 2}), 0, " 100", "1", nullptr, "", "32", "32", "Reduciendo...",
             [&] { QCOMPARE(v->txtPorcentaje()->text(), QString(" 100")); }},
            {EnTodas({1, 2}), 0, "1x", "1", nullptr, kNoValido.arg("PORCENTAJE"), "32", "0", "Reduciendo...", nullptr},
            {EnTodas({0, 1, 2, 3}), 1, "150", "0", nullptr, "", "1.024", "", "Reduciendo...", [&] {
                 QCOMPARE(alPrimerResultado, QString("100 1"));  // corrected before the first result shows
                 QCOMPARE(v->txtPorcentaje()->text() + " " + v->txtNUApuestas()->text(), QString("100 1"));
                 QCOMPARE(vigia->tipo, QString("4 (n-1)"));
                 QCOMPARE(vigia->numeros, Texto("txtApuestasReducidas"));
                 QCOMPARE(vigia->ayudaNumeros, QString("Obtenida en el ciclo: 1"));
                 QVERIFY(!vigia->paradaOculta);
             }},
        };
        for (const auto& c : casos) {
            Nueva();
            PruebaMensajes::Limpiar();
            for (Casilla k : c.casillas) sesion->rejilla.Fijar(k, true);
            v->chkFiltros(3)->setChecked(true);  // no group defined: eliminates nothing
            v->cboTipoReduccion()->setCurrentIndex(c.tipo);
            v->chkActivarCiclos()->setChecked(false);  // with cycles it runs until stopped
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
            alPrimerResultado.clear();  // the options shown while the run goes on
            connect(v->txtApuestasReducidas(), &QLineEdit::textChanged, this, [&] {
                if (alPrimerResultado.isEmpty())
                    alPrimerResultado = v->txtPorcentaje()->text() + " " + v->txtNUApuestas()->text();
            });
            vigia = std::make_unique<VigiaReduccion>();
            Calcular();
            QVERIFY2(EnReposo(), qPrintable(c.condicionadas));
            QCOMPARE(ocupada, c.casillas.size() >= 5);
            QCOMPARE(Textos(), c.mensaje.isEmpty() ? QStringList() : QStringList{c.mensaje});
            QCOMPARE(Texto("txtApuestasCondicionadas"), c.condicionadas);
            if (!c.reducidas.isEmpty()) QCOMPARE(Texto("txtApuestasReducidas"), c.reducidas);
            if (c.mensaje.isEmpty())
                QCOMPARE(LeerCuenta(Texto("txtApuestasReducidas")), qint64(sesion->tablas.gResultado.Filas()));
            QCOMPARE(vigia->titulo, c.ventana);
            QCOMPARE(vigia->abierta, c.ventana.isEmpty() ? 0 : 1);
            if (c.despues) c.despues();
        }
    }

    void detenerConservaUnCicloEntero() {
        Marcar({0, 1, 2, 3});
        v->cboTipoReduccion()->setCurrentIndex(1);
        // With cycles the reduction goes on until it is stopped; neither the
        // close box nor Escape ends it.
        bool pulsada = false, seCerro = false;
        VigiaReduccion vigia([&](QWidget* w) {
            if (pulsada || Hijo<QLabel>(*w, "lblCiclos")->text().toInt() < 3) return;
            w->close();
            QTest::keyClick(w, Qt::Key_Escape);
            seCerro = !w->isVisible();
            pulsada = true;
            Pulsar(Hijo<QWidget>(*w, "cmdDETENER"));
        });
        Calcular();
        QVERIFY(pulsada && !seCerro);
        QVERIFY(Textos().isEmpty());
        QCOMPARE(LeerCuenta(Texto("txtApuestasReducidas")), qint64(sesion->tablas.gResultado.Filas()));
        QCOMPARE(vigia.numeros, Texto("txtApuestasReducidas"));
        QVERIFY(EnReposo());
    }

    // Nothing to export before a run; then one run feeds the report and both exports.
    void informeYExportar() {
        v->ExportarReduccion(1);
        v->ExportarReduccion(2);
        QCOMPARE(Textos(), QStringList({kSinNumeros, kSinNumeros}));
        QVERIFY(PruebaDialogos::Mostrados().isEmpty() && PruebaSistema::Abiertos().isEmpty());
        PruebaMensajes::Limpiar();

        v->SeleccionarTodosNumeros();
        sesion->filtros.ParesActivos[0] = 1;  // only numbers without even digits
        v->chkFiltros(4)->setChecked(true);
        Calcular();
        QCOMPARE(Eliminadas(4), QString("96.875"));

        v->chkFiltros(9)->setChecked(true);  // ticked after the run
        const QString ruta = QDir(CarpetaPrograma()).filePath("VORTESALIN_RESUMEN.txt");
        QFile f(ruta);  // a longer earlier file is replaced whole
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(2000, 'x')) == 2000);
        f.close();
        Pulsar(Hijo<QWidget>(*v, "cmdVerInformeEliminadas"));
        QCOMPARE(PruebaSistema::Abiertos(), QList<QString>{ruta});
        QCOMPARE(QString::fromUtf8(Leer(ruta)), QString("TOTAL Números Eliminados: 96.875\r\n"
                                                        "TOTAL Números Condicionados: 3.125\r\n"
                                                        "TOTAL Números en Reducción: 3.125\r\n"
                                                        "\r\n"
                                                        "Números eliminados por cada Filtro Activo:\r\n"
                                                        "PARES E IMPARES: 96.875\r\n"
                                                        "POSICIONES: 0\r\n"
                                                        "\r\n"));

        QByteArray numeros;  // one per line, in the result's order
        for (int j = 1; j <= sesion->tablas.gResultado.Filas(); ++j) numeros += Resultado(j).toLatin1() + "\r\n";
        QCOMPARE(numeros.size(), 3125 * 7);
        QTemporaryDir carpeta;
        const QString reducidos = EscribirFichero(carpeta, "reducidos.txt", QByteArray(40000, '7'));  // replaced whole
        PruebaDialogos::EncolarRuta(reducidos);
        Pulsar(Hijo<QWidget>(*v, "cmdGuardarReduccion"));
        QVERIFY(PruebaDialogos::Mostrados().first().guardar);
        QCOMPARE(Leer(reducidos), numeros);
        QFile::remove(reducidos);
        v->ExportarReduccion(1);  // cancelled: nothing written
        QVERIFY(!QFile::exists(reducidos));
        Pulsar(Hijo<QWidget>(*v, "cmdVerenBlocdeNotas"));
        QCOMPARE(PruebaSistema::Abiertos().size(), 2);
        QCOMPARE(Leer(PruebaSistema::Abiertos().last()), numeros);
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
