#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "dialogos_archivo.h"
#include "fichero_numeros.h"
#include "frmprincipal.h"
#include "mensajes.h"
#include "sistema.h"

namespace {

template <class T = QWidget>
T* Hijo(QObject& ventana, const QString& nombre) {
    T* w = ventana.findChild<T*>(nombre);
    if (w == nullptr) qFatal("no control %s", qPrintable(nombre));
    return w;
}

void Pulsar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }

QStringList Textos() {
    QStringList t;
    for (const auto& r : PruebaMensajes::Mostrados()) t << r.texto;
    return t;
}

std::string Numero(const TablaNumeros& t, int j) {
    std::string s;
    for (int p = 1; p <= kPosiciones; ++p) s += static_cast<char>('0' + DigitoDeCasilla(t(j, p)));
    return s;
}
std::multiset<std::string> Resultado(const TablasSesion& t) {
    std::multiset<std::string> r;
    for (int j = 1; j <= t.gResultado.Filas(); ++j) r.insert(Numero(t.gResultado, j));
    return r;
}
std::multiset<std::string> Condicionados(const TablasSesion& t) {
    std::multiset<std::string> s;
    for (int j = 1; j <= t.gElementosApuesta.Filas(); ++j) {
        std::string n;
        for (int p = 1; p <= kPosiciones; ++p)
            n += static_cast<char>('0' + DigitoDeCasilla(t.gValorElemento[t.gElementosApuesta(j, p)]));
        s.insert(n);
    }
    return s;
}
// Every conditioned number differs in at most one digit from a number of the result.
bool CubreAUnDigito(const TablasSesion& t) {
    const std::multiset<std::string> resultado = Resultado(t);
    for (const std::string& c : Condicionados(t)) {
        bool cubierto = false;
        for (const std::string& r : resultado) {
            int distintos = 0;
            for (int p = 0; p < kPosiciones; ++p) distintos += c[p] != r[p];
            cubierto = cubierto || distintos <= 1;
        }
        if (!cubierto) return false;
    }
    return true;
}

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
            paradaOculta = Hijo(*w, "cmdDETENER")->isHidden();
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

const QString kErrorCero = "ERROR: Se han generado 0 números después de condicionar, cambie las condiciones";
const QString kErrorExactas =
    "ERROR: HA ELEGIDO REDUCIR CON NUMERO EXACTO DE APUESTAS Y DICHO NUMERO SUPERA EL SISTEMA CONDICIONADO "
    "GENERADO, CAMBIE EL NUMERO";
const QString kSinNumeros = "ERROR: No hay números generados";
const QString kErrorInforme = "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (";

}  // namespace

class PruebaCalcular : public QObject {
    Q_OBJECT

    std::unique_ptr<EstadoSesion> sesion;
    std::unique_ptr<frmPrincipal> v;

    QString Texto(const QString& nombre) { return Hijo<QLineEdit>(*v, nombre)->text(); }
    QString Eliminadas(int i) { return v->lblNumeroELiminadas(i)->text(); }
    // The given digits in every position.
    void Marcar(std::initializer_list<int> digitos) {
        for (int p = 1; p <= kPosiciones; ++p)
            for (int d : digitos) sesion->rejilla.Fijar(CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p)), true);
        v->ActualizarApuestasIniciales();
    }
    void MarcarCasillas(std::initializer_list<Casilla> casillas) {
        for (Casilla c : casillas) sesion->rejilla.Fijar(c, true);
        v->ActualizarApuestasIniciales();
    }
    void Calcular() { Pulsar(Hijo(*v, "lblCalcular")); }
    void ModoApuestasExactas(const QString& apuestas) {
        Pulsar(v->optTipo(0));
        v->chkApuestasExactas()->setChecked(true);
        v->txtNUApuestas()->setText(apuestas);
    }
    void Reposo() {
        QVERIFY(!v->EnProceso());
        QVERIFY(Hijo(*v, "picVentanaEspera")->isHidden());
        QVERIFY(!v->Timer1()->isActive());
        QVERIFY(Hijo(*v, "picOpcionesReduccion")->isEnabled());
        QVERIFY(v->chkFiltros(3)->isEnabled());
    }

private slots:
    void init() {
        PruebaMensajes::Activar();
        PruebaDialogos::Activar();
        PruebaSistema::Activar();
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        sesion = std::make_unique<EstadoSesion>();
        v = std::make_unique<frmPrincipal>(*sesion);
        v->show();
    }
    void cleanup() {
        v.reset();
        sesion.reset();
    }

    void cuentasConTodosLosGrupos() {
        // Spanish marks four-digit counts too, as "#,#,0" does.
        QCOMPARE(FormatoCuenta(1234), QString("1.234"));
        QCOMPARE(FormatoCuenta(-2118760), QString("-2.118.760"));
        QCOMPARE(LeerCuenta("2.118.760"), qint64{2118760});
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatoCuenta(2118760), QString("2118760"));
    }

    void unaCasillaPorPosicionYCuatroCasillas() {
        MarcarCasillas({4, 19, 21, 40, 50});
        v->chkFiltros(3)->setChecked(true);  // no group defined: eliminates nothing
        // The workflow yields once with its panel up: look at the window then.
        bool visto = false;
        QTimer::singleShot(0, v.get(), [&] {
            visto = true;
            QVERIFY(v->EnProceso());
            QVERIFY(!Hijo(*v, "picOpcionesReduccion")->isEnabled());
            QVERIFY(!v->lblNumero(0)->isEnabled());
            QVERIFY(Hijo(*v, "picVentanaEspera")->isVisible());
            QCOMPARE(v->lbltituloProgress()->text(), QString("Analizando ..."));
        });
        Calcular();
        QVERIFY(visto);
        QVERIFY(Textos().isEmpty());
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("1"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("1"));
        QVERIFY(sesion->tablas.gTodasValidas);
        QCOMPARE(Resultado(sesion->tablas), std::multiset<std::string>{"38099"});
        QCOMPARE(Eliminadas(3), QString("0"));
        QCOMPARE(Eliminadas(4), QString("-"));
        QVERIFY(!sesion->gCombinacionGuardada);
        Reposo();

        // Four cells: only the warning.
        sesion->rejilla.Fijar(50, false);
        v->ActualizarContadores(false);
        sesion->gCombinacionGuardada = true;
        Calcular();
        QCOMPARE(Textos(), QStringList{"AVISO: DEBE SELECCIONAR MINIMO 5 DIGITOS"});
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Exclamacion);
        QCOMPARE(Texto("txtApuestasReducidas"), QString("1"));
        QCOMPARE(Eliminadas(3), QString("0"));
        QCOMPARE(sesion->tablas.gResultado.Filas(), 1);
        QVERIFY(sesion->gCombinacionGuardada);
        Reposo();
    }

    void dosPosicionesNoDejanNumeros() {
        MarcarCasillas({1, 2, 3, 16, 17, 18});
        Calcular();
        QCOMPARE(Textos(), QStringList{kErrorCero});
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("0"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("0"));
        Reposo();
    }

    void apuestasExactasDeMasYNoNumericas() {
        Marcar({1, 2});
        ModoApuestasExactas("33");
        Calcular();
        QCOMPARE(Textos(), QStringList{kErrorExactas});
        QCOMPARE(v->focusWidget(), static_cast<QWidget*>(v->txtNUApuestas()));
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("32"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("0"));
        Reposo();

        // Only a paste can bring this; the error handler restores the window.
        PruebaMensajes::Limpiar();
        v->txtNUApuestas()->setText("1x");
        Calcular();
        QCOMPARE(Textos(), QStringList{"ERROR: EL NUMERO DE APUESTAS NO ES UN NUMERO VALIDO"});
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("0"));
        Reposo();
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);  // unsaved: asks, then closes
        QVERIFY(v->close());
    }

    void apuestasExactasIgualesPasan() {
        Marcar({1, 2});
        v->cboTipoReduccion()->setCurrentIndex(1);
        v->chkActivarCiclos()->setChecked(false);  // with cycles it runs until stopped
        ModoApuestasExactas("32");
        VigiaReduccion vigia;
        Calcular();
        QVERIFY(Textos().isEmpty());
        QCOMPARE(vigia.titulo, QString("Ajustando Apuestas ..."));
        QVERIFY(vigia.paradaOculta);
        QCOMPARE(Texto("txtApuestasReducidas"), QString("32"));
        QCOMPARE(Resultado(sesion->tablas), Condicionados(sesion->tablas));
        Reposo();
    }

    void modoFichero() {
        Pulsar(v->optBase(1));
        const char* numeros[] = {"12345", "12346", "55555"};
        TablasSesion& t = sesion->tablas;
        t.gImportados.Redimensionar(3);
        t.gNumImportados = 3;
        for (int j = 1; j <= 3; ++j)
            for (int p = 1; p <= kPosiciones; ++p) {
                const Casilla c = CasillaDeDigito(static_cast<uint8_t>(numeros[j - 1][p - 1] - '0'), static_cast<int16_t>(p));
                t.gImportados(j, p) = c;
                sesion->rejilla.Fijar(c, true);
            }
        Calcular();
        QVERIFY(Textos().isEmpty());
        QCOMPARE(Texto("txtApuestasReducidas"), QString("3"));
        QVERIFY(!t.gTodasValidas);
        QCOMPARE(Resultado(t), std::multiset<std::string>(std::begin(numeros), std::end(numeros)));
        QVERIFY(!v->lblNumero(0)->isEnabled());  // the file-mode lock is back
        Reposo();
    }

    void reduccionCorrigeLasOpciones() {
        Marcar({0, 1, 2, 3});
        v->cboTipoReduccion()->setCurrentIndex(1);
        v->chkActivarCiclos()->setChecked(false);
        v->txtPorcentaje()->setText("150");
        v->txtNUApuestas()->setText("0");
        QString alPrimerResultado;  // the options shown while the run goes on
        connect(v->txtApuestasReducidas(), &QLineEdit::textChanged, this, [&] {
            if (alPrimerResultado.isEmpty())
                alPrimerResultado = v->txtPorcentaje()->text() + " " + v->txtNUApuestas()->text();
        });
        VigiaReduccion vigia;
        Calcular();
        QCOMPARE(alPrimerResultado, QString("100 1"));
        QVERIFY(Textos().isEmpty());
        QCOMPARE(vigia.abierta, 1);
        QCOMPARE(vigia.titulo, QString("Reduciendo..."));
        QCOMPARE(vigia.tipo, QString("4 (n-1)"));
        QVERIFY(!vigia.paradaOculta);
        QCOMPARE(v->txtPorcentaje()->text(), QString("100"));
        QCOMPARE(v->txtNUApuestas()->text(), QString("1"));

        const qint64 reducidos = LeerCuenta(Texto("txtApuestasReducidas"));
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("1.024"));
        QCOMPARE(reducidos, qint64(sesion->tablas.gResultado.Filas()));
        QCOMPARE(vigia.numeros, Texto("txtApuestasReducidas"));
        QCOMPARE(vigia.ayudaNumeros, QString("Obtenida en el ciclo: 1"));
        // A number covers itself and the 15 that differ from it in one digit.
        QVERIFY(reducidos < 1024 && reducidos >= 1024 / 16);
        QVERIFY(CubreAUnDigito(sesion->tablas));
        Reposo();
    }

    void cienConBlancoReduce() {
        Marcar({1, 2});
        v->chkActivarCiclos()->setChecked(false);
        {
            VigiaReduccion vigia;
            Calcular();
            QCOMPARE(vigia.abierta, 0);
        }
        v->txtPorcentaje()->setText(" 100");
        VigiaReduccion vigia;
        Calcular();
        QVERIFY(Textos().isEmpty());
        QCOMPARE(vigia.abierta, 1);
        QCOMPARE(Resultado(sesion->tablas), Condicionados(sesion->tablas));
        QCOMPARE(v->txtPorcentaje()->text(), QString(" 100"));

        v->txtPorcentaje()->setText("1x");  // only a paste can bring this
        Calcular();
        QCOMPARE(Textos(), QStringList{"ERROR: EL PORCENTAJE NO ES UN NUMERO VALIDO"});
        QCOMPARE(Texto("txtApuestasReducidas"), QString("0"));
        Reposo();
    }

    void detenerConservaElMejorResultado() {
        Marcar({0, 1, 2, 3});
        v->cboTipoReduccion()->setCurrentIndex(1);
        v->chkActivarCiclos()->setChecked(false);
        Calcular();
        const qint64 unCiclo = LeerCuenta(Texto("txtApuestasReducidas"));

        // With cycles the reduction goes on until it is stopped.
        v->chkActivarCiclos()->setChecked(true);
        bool pulsada = false, seCerro = false;
        VigiaReduccion vigia([&](QWidget* w) {
            if (pulsada || Hijo<QLabel>(*w, "lblCiclos")->text().toInt() < 3) return;
            w->close();
            QTest::keyClick(w, Qt::Key_Escape);
            seCerro = !w->isVisible();
            pulsada = true;
            Pulsar(Hijo(*w, "cmdDETENER"));
        });
        Calcular();
        QVERIFY(pulsada);
        QVERIFY(!seCerro);
        QVERIFY(Textos().isEmpty());
        const qint64 reducidos = LeerCuenta(Texto("txtApuestasReducidas"));
        QCOMPARE(reducidos, qint64(sesion->tablas.gResultado.Filas()));
        QVERIFY(reducidos <= unCiclo);
        QCOMPARE(vigia.numeros, Texto("txtApuestasReducidas"));
        QVERIFY(CubreAUnDigito(sesion->tablas));  // a whole cycle, not the one stopped
        Reposo();
    }

    void informeConSeparadores() {
        v->SeleccionarTodosNumeros();
        sesion->filtros.ParesActivos[0] = 1;  // only numbers without even digits
        v->chkFiltros(4)->setChecked(true);
        Calcular();
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("3.125"));  // 5^5
        QCOMPARE(Eliminadas(4), QString("96.875"));

        v->chkFiltros(9)->setChecked(true);  // ticked after the run
        const QString ruta = QDir(CarpetaPrograma()).filePath("VORTESALIN_RESUMEN.txt");
        QFile f(ruta);  // a longer earlier file is replaced whole
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2000, 'x'));
        f.close();
        Pulsar(Hijo(*v, "cmdVerInformeEliminadas"));
        QVERIFY(Textos().isEmpty());
        QCOMPARE(PruebaSistema::Abiertos(), QList<QString>{ruta});
        QCOMPARE(QString::fromUtf8(Leer(ruta)), QString("TOTAL Números Eliminados: 96.875\r\n"
                                                        "TOTAL Números Condicionados: 3.125\r\n"
                                                        "TOTAL Números en Reducción: 3.125\r\n"
                                                        "\r\n"
                                                        "Números eliminados por cada Filtro Activo:\r\n"
                                                        "PARES E IMPARES: 96.875\r\n"
                                                        "POSICIONES: 0\r\n"
                                                        "\r\n"));
        QFile::remove(ruta);

        PruebaSistema::Activar(false);  // the editor does not open
        v->VerInformeEliminadas();
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos().first().startsWith(kErrorInforme));
        QFile::remove(ruta);

        // The file cannot be written: a folder stands in its place.
        PruebaSistema::Activar(true);
        PruebaMensajes::Limpiar();
        QVERIFY(QDir().mkpath(ruta));
        v->VerInformeEliminadas();
        QDir(ruta).removeRecursively();
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos().first().startsWith(kErrorInforme));
        QVERIFY(PruebaSistema::Abiertos().isEmpty());
    }

    void exportarSeLeeDeVuelta() {
        v->ExportarReduccion(1);
        v->ExportarReduccion(2);
        QCOMPARE(Textos(), QStringList({kSinNumeros, kSinNumeros}));
        QVERIFY(PruebaDialogos::Mostrados().isEmpty());
        QVERIFY(PruebaSistema::Abiertos().isEmpty());
        PruebaMensajes::Limpiar();

        Marcar({1, 2});
        Calcular();
        const std::multiset<std::string> esperados = Resultado(sesion->tablas);
        QCOMPARE(esperados.size(), size_t{32});
        auto leer = [](const QString& ruta) {
            const LecturaNumeros leidos = LeerFicheroNumeros(ruta.toStdString(), kLecturaPrincipal);
            std::multiset<std::string> s;
            for (int j = 1; j <= leidos.total; ++j) {
                std::string n;
                for (int p = 1; p <= kPosiciones; ++p) n += static_cast<char>('0' + leidos.Digito(j, p));
                s.insert(n);
            }
            return s;
        };

        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath("reducidos.txt");
        QFile viejo(ruta);  // a longer file already there is replaced whole
        QVERIFY(viejo.open(QIODevice::WriteOnly));
        viejo.write(QByteArray(4000, '7'));
        viejo.close();
        PruebaDialogos::EncolarRuta(ruta);
        Pulsar(Hijo(*v, "cmdGuardarReduccion"));
        QVERIFY(PruebaDialogos::Mostrados().first().guardar);
        QCOMPARE(leer(ruta), esperados);
        QCOMPARE(Leer(ruta).size(), 32 * 7);

        QFile::remove(ruta);
        v->ExportarReduccion(1);  // cancelled: nothing written
        QVERIFY(!QFile::exists(ruta));

        Pulsar(Hijo(*v, "cmdVerenBlocdeNotas"));
        QCOMPARE(PruebaSistema::Abiertos().size(), 1);
        QCOMPARE(leer(PruebaSistema::Abiertos().first()), esperados);
        QVERIFY(Textos().isEmpty());
    }
};

#include "main_gui.h"
PRUEBA_VENTANA(PruebaCalcular)
#include "test_calcular.moc"
