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
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dialogos_archivo.h"
#include "fichero_numeros.h"
#include "frmprincipal.h"
#include "mensajes.h"
#include "sistema.h"

namespace {

template <class T>
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

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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
    void Marcar(std::initializer_list<std::pair<int, int>> digitosPosiciones) {
        for (auto [d, p] : digitosPosiciones)
            sesion->rejilla.Fijar(CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p)), true);
        v->ActualizarApuestasIniciales();
    }
    // Digits 1 and 2 in every position: 32 numbers.
    void MarcarUnosYDoses() {
        for (int p = 1; p <= kPosiciones; ++p) Marcar({{1, p}, {2, p}});
    }
    void Calcular() { Pulsar(Hijo<QLabel>(*v, "lblCalcular")); }
    void Reposo() {
        QVERIFY(!v->EnProceso());
        QVERIFY(Hijo<QFrame>(*v, "picVentanaEspera")->isHidden());
        QVERIFY(!v->Timer1()->isActive());
        QVERIFY(Hijo<QFrame>(*v, "picOpcionesReduccion")->isEnabled());
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
        // Spanish groups four-digit counts too, as "#,#,0" does.
        QCOMPARE(FormatoCuenta(1234), QString("1.234"));
        QCOMPARE(FormatoCuenta(2118760), QString("2.118.760"));
        QCOMPARE(FormatoCuenta(-1234567), QString("-1.234.567"));
        QCOMPARE(FormatoCuenta(999), QString("999"));
        QCOMPARE(LeerCuenta("2.118.760"), qint64{2118760});
        QCOMPARE(LeerCuenta("1.234"), qint64{1234});
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatoCuenta(2118760), QString("2118760"));
        QCOMPARE(LeerCuenta("2118760"), qint64{2118760});
    }

    void cuatroCasillasSoloAvisan() {
        Marcar({{3, 1}, {8, 2}, {0, 3}, {9, 4}, {9, 5}});
        Calcular();
        QCOMPARE(Texto("txtApuestasReducidas"), QString("1"));
        sesion->rejilla.Fijar(CasillaDeDigito(9, 5), false);
        v->ActualizarContadores(false);
        sesion->gCombinacionGuardada = true;
        v->chkFiltros(4)->setChecked(true);
        PruebaMensajes::Limpiar();

        Calcular();
        QCOMPARE(Textos(), QStringList{"AVISO: DEBE SELECCIONAR MINIMO 5 DIGITOS"});
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Exclamacion);
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("1"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("1"));
        QCOMPARE(Eliminadas(4), QString("-"));
        QCOMPARE(sesion->tablas.gNumElementos, int16_t{5});
        QCOMPARE(sesion->tablas.gResultado.Filas(), 1);
        QVERIFY(sesion->gCombinacionGuardada);
        Reposo();
    }

    void unaCasillaPorPosicionEsUnNumero() {
        Marcar({{3, 1}, {8, 2}, {0, 3}, {9, 4}, {9, 5}});
        v->chkFiltros(3)->setChecked(true);  // no group defined: eliminates nothing
        v->chkFiltros(7)->setChecked(true);
        v->chkFiltros(7)->setChecked(false);
        Calcular();

        QVERIFY(Textos().isEmpty());
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("1"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("1"));
        QVERIFY(sesion->tablas.gTodasValidas);
        QCOMPARE(sesion->tablas.gResultado.Filas(), 1);
        QCOMPARE(Numero(sesion->tablas.gResultado, 1), std::string("38099"));
        QCOMPARE(Eliminadas(3), QString("0"));
        for (int i : {4, 5, 6, 7, 8, 9, 10}) QCOMPARE(Eliminadas(i), QString("-"));
        QVERIFY(!sesion->gCombinacionGuardada);
        QVERIFY(v->lblNumero(0)->isEnabled());
        Reposo();
    }

    void trabajaBloqueadoYConElPanelDeEspera() {
        Marcar({{3, 1}, {8, 2}, {0, 3}, {9, 4}, {9, 5}});
        v->chkFiltros(3)->setChecked(true);
        Calcular();
        QCOMPARE(Eliminadas(3), QString("0"));

        // The workflow yields once with its panel up: look at the window then.
        bool visto = false;
        QTimer::singleShot(0, v.get(), [&] {
            visto = true;
            QVERIFY(v->EnProceso());
            QVERIFY(!Hijo<QFrame>(*v, "picOpcionesReduccion")->isEnabled());
            QVERIFY(!v->chkFiltros(3)->isEnabled());
            QVERIFY(!v->lblNumero(0)->isEnabled());
            QVERIFY(Hijo<QFrame>(*v, "picVentanaEspera")->isVisible());
            QCOMPARE(v->lbltituloProgress()->text(), QString("Analizando ..."));
            QCOMPARE(Eliminadas(3), QString("-"));
            QCOMPARE(Texto("txtApuestasReducidas"), QString("0"));
        });
        Calcular();
        QVERIFY(visto);
        QCOMPARE(Eliminadas(3), QString("0"));
        Reposo();
    }

    void dosPosicionesNoDejanNumeros() {
        Marcar({{0, 1}, {1, 1}, {2, 1}, {5, 2}, {6, 2}, {7, 2}});
        Calcular();
        QCOMPARE(Textos(), QStringList{kErrorCero});
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Critico);
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("0"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("0"));
        QVERIFY(!sesion->tablas.gTodasValidas);
        Reposo();
    }

    void apuestasExactasDeMas() {
        Marcar({{3, 1}, {8, 2}, {0, 3}, {9, 4}, {9, 5}});
        Pulsar(v->optTipo(0));
        v->chkApuestasExactas()->setChecked(true);
        v->txtNUApuestas()->setText("2");
        Calcular();
        QCOMPARE(Textos(), QStringList{kErrorExactas});
        QCOMPARE(v->focusWidget(), static_cast<QWidget*>(v->txtNUApuestas()));
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("1"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("0"));
        Reposo();
        PruebaMensajes::EncolarRespuesta(RespuestaMensaje::Si);  // unsaved: asks, and closes
        QVERIFY(v->close());
    }

    void textoDeApuestasNoNumericoRestauraLaVentana() {
        Marcar({{3, 1}, {8, 2}, {0, 3}, {9, 4}, {9, 5}});
        Pulsar(v->optTipo(0));
        v->chkApuestasExactas()->setChecked(true);
        v->txtNUApuestas()->setText("1x");  // only a paste can bring this
        Calcular();
        QCOMPARE(Textos(), QStringList{"ERROR: EL NUMERO DE APUESTAS NO ES UN NUMERO VALIDO"});
        QCOMPARE(PruebaMensajes::Mostrados().first().estilo, EstiloMensaje::Critico);
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("0"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("0"));
        QCOMPARE(sesion->tablas.gResultado.Filas(), 0);
        Reposo();
    }

    void modoFichero() {
        Pulsar(v->optBase(1));
        QVERIFY(v->ModoFichero());
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
        v->ActualizarContadores(true);
        Calcular();

        QVERIFY(Textos().isEmpty());
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("3"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("3"));
        QVERIFY(!t.gTodasValidas);
        QCOMPARE(t.gResultado.Filas(), 3);
        for (int j = 1; j <= 3; ++j) QCOMPARE(Numero(t.gResultado, j), std::string(numeros[j - 1]));
        QVERIFY(!v->lblNumero(0)->isEnabled());  // the file-mode lock is back
        QVERIFY(!v->cmdAlazar()->isEnabled());
        Reposo();
    }

    void filtroEInformeConSeparadores() {
        v->SeleccionarTodosNumeros();
        sesion->filtros.ParesActivos[0] = 1;  // only numbers without even digits
        v->chkFiltros(4)->setChecked(true);
        Calcular();
        QVERIFY(Textos().isEmpty());
        // 5^5 numbers of odd digits out of 100.000.
        QCOMPARE(Texto("txtApuestasCondicionadas"), QString("3.125"));
        QCOMPARE(Texto("txtApuestasReducidas"), QString("3.125"));
        QCOMPARE(Eliminadas(4), QString("96.875"));
        QCOMPARE(v->EliminadasFiltro()[4], 96875);

        v->chkFiltros(9)->setChecked(true);  // ticked after the run
        const QString ruta = QDir(CarpetaPrograma()).filePath("VORTESALIN_RESUMEN.txt");
        QFile::remove(ruta);
        Pulsar(Hijo<QWidget>(*v, "cmdVerInformeEliminadas"));
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

        // A second report replaces the first one whole.
        v->chkFiltros(4)->setChecked(false);
        v->chkFiltros(9)->setChecked(false);
        v->txtApuestasReducidas()->setText("0");
        v->VerInformeEliminadas();
        QCOMPARE(QString::fromUtf8(Leer(ruta)), QString("TOTAL Números Eliminados: 96.875\r\n"
                                                        "TOTAL Números Condicionados: 3.125\r\n"
                                                        "TOTAL Números en Reducción: 0\r\n"
                                                        "\r\n"
                                                        "Números eliminados por cada Filtro Activo:\r\n"
                                                        "\r\n"));
        QFile::remove(ruta);
    }

    void informeQueFalla() {
        const QString ruta = QDir(CarpetaPrograma()).filePath("VORTESALIN_RESUMEN.txt");
        PruebaSistema::Activar(false);  // the editor does not open
        v->VerInformeEliminadas();
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos().first().startsWith(kErrorInforme));
        QVERIFY(QFile::exists(ruta));
        QFile::remove(ruta);

        // The file cannot be written: a folder stands in its place.
        PruebaSistema::Activar(true);
        PruebaMensajes::Limpiar();
        QVERIFY(QDir().mkpath(ruta));
        v->VerInformeEliminadas();
        QDir(ruta).removeRecursively();
        QCOMPARE(Textos().size(), 1);
        QVERIFY(Textos().first().startsWith(kErrorInforme));
        QVERIFY(Textos().first().endsWith(")"));
        QVERIFY(PruebaSistema::Abiertos().isEmpty());
    }

    void exportarSinNumeros() {
        v->ExportarReduccion(1);
        v->ExportarReduccion(2);
        QCOMPARE(Textos(), QStringList({kSinNumeros, kSinNumeros}));
        QVERIFY(PruebaDialogos::Mostrados().isEmpty());
        QVERIFY(PruebaSistema::Abiertos().isEmpty());
    }

    void exportarSeLeeDeVuelta() {
        MarcarUnosYDoses();
        Calcular();
        QCOMPARE(Texto("txtApuestasReducidas"), QString("32"));
        std::vector<std::string> esperados;
        for (int i = 0; i < 32; ++i) {
            std::string s;
            for (int p = 4; p >= 0; --p) s += ((i >> p) & 1) ? '2' : '1';
            esperados.push_back(s);
        }
        auto comprobar = [&](const QString& ruta) {
            const LecturaNumeros leidos = LeerFicheroNumeros(ruta.toStdString(), kLecturaPrincipal);
            QVERIFY(leidos.Correcta());
            QCOMPARE(leidos.total, 32);
            for (int j = 1; j <= 32; ++j) {
                std::string s;
                for (int p = 1; p <= kPosiciones; ++p) s += static_cast<char>('0' + leidos.Digito(j, p));
                QCOMPARE(s, esperados[static_cast<size_t>(j - 1)]);
            }
        };

        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath("reducidos.txt");
        QFile viejo(ruta);  // a longer file already there is replaced whole
        QVERIFY(viejo.open(QIODevice::WriteOnly));
        viejo.write(QByteArray(4000, '7'));
        viejo.close();
        PruebaDialogos::EncolarRuta(ruta);
        Pulsar(Hijo<QWidget>(*v, "cmdGuardarReduccion"));
        QCOMPARE(PruebaDialogos::Mostrados().size(), 1);
        QVERIFY(PruebaDialogos::Mostrados().first().guardar);
        QVERIFY(Textos().isEmpty());
        comprobar(ruta);
        QCOMPARE(Leer(ruta).size(), 32 * 7);

        // Cancelled: nothing written.
        QFile::remove(ruta);
        v->ExportarReduccion(1);
        QVERIFY(!QFile::exists(ruta));

        Pulsar(Hijo<QWidget>(*v, "cmdVerenBlocdeNotas"));
        QVERIFY(Textos().isEmpty());
        QCOMPARE(PruebaSistema::Abiertos().size(), 1);
        comprobar(PruebaSistema::Abiertos().first());
    }
};

QTEST_MAIN(PruebaCalcular)
#include "test_calcular.moc"
