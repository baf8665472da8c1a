#include "sistema.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>

// Spanish for Qt's texts that its own translation lacks, built from
// resources/traduccion at build time.
extern const unsigned char kTraduccionQtComplemento[];
extern const std::size_t kTamanoTraduccionQtComplemento;

namespace {
struct EstadoPrueba {
    bool activo = false;
    bool exito = true;
    QList<QString> abiertos;
};
EstadoPrueba& Prueba() {
    static EstadoPrueba estado;
    return estado;
}

bool Abrir(const QString& destino) {
    EstadoPrueba& prueba = Prueba();
    if (prueba.activo) {
        prueba.abiertos.append(destino);
        return prueba.exito;
    }
    const QUrl url = destino.contains(QLatin1String("://")) ? QUrl(destino) : QUrl::fromLocalFile(destino);
    return QDesktopServices::openUrl(url);
}
}  // namespace

Cesion CrearCesion(const bool* detener) {
    auto reloj = std::make_shared<QElapsedTimer>();
    reloj->start();
    return Cesion(
        [reloj] {
            if (reloj->elapsed() < 15) return;
            QCoreApplication::processEvents();
            reloj->restart();
        },
        detener);
}

void CederAhora() { QCoreApplication::processEvents(); }

QString CarpetaPrograma() {
    const QString carpeta = QCoreApplication::applicationDirPath();
    const QFileInfo info(carpeta);
    if (info.isDir() && info.isWritable()) return carpeta;
    QString datos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (datos.isEmpty()) datos = QDir::homePath() + QStringLiteral("/.vortesalin");
    QDir().mkpath(datos);
    return datos;
}

QString CarpetaInstalacion() { return QCoreApplication::applicationDirPath(); }

bool AbrirConSistema(const QString& rutaODireccion) { return Abrir(rutaODireccion); }

bool AbrirEnEditorTexto(const QString& ruta) {
    if (!Prueba().activo && !QFileInfo::exists(ruta)) return false;
    return Abrir(ruta);
}

void FormatosDelSistemaEnEspanol() {
    // Qt reads the system locale from these once, at its first look at it:
    // LC_ALL beats the rest, LC_TIME gives the dates, LC_NUMERIC the numbers.
    const char* const kEspanolas[] = {"LC_TIME", "LC_NUMERIC"};
    const char* const kDelUsuario[] = {"LC_MONETARY", "LC_MESSAGES", "LC_MEASUREMENT", "LC_COLLATE"};
    QList<std::pair<const char*, std::optional<QByteArray>>> antes;
    const auto guardar = [&antes](const char* nombre) {
        antes.append({nombre, qEnvironmentVariableIsSet(nombre) ? std::optional(qgetenv(nombre)) : std::nullopt});
    };
    guardar("LC_ALL");
    for (const char* nombre : kEspanolas) guardar(nombre);
    for (const char* nombre : kDelUsuario) guardar(nombre);
    const QByteArray todas = qgetenv("LC_ALL");
    if (!todas.isEmpty()) {
        qunsetenv("LC_ALL");
        for (const char* nombre : kDelUsuario) qputenv(nombre, todas);
    }
    for (const char* nombre : kEspanolas) qputenv(nombre, "es_ES.UTF-8");
    (void)QLocale::system();  // read now, for the whole run; the environment goes back as it was
    for (const auto& [nombre, valor] : antes) {
        if (valor)
            qputenv(nombre, *valor);
        else
            qunsetenv(nombre);
    }
}

bool CargarTraduccionQt() {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    // The program's own Spanish for what Qt's translation lacks. Translators
    // are consulted newest first, so this one, installed before Qt's, is
    // only reached for the texts Qt's has not got.
    auto* complemento = new QTranslator(app);
    if (complemento->load(kTraduccionQtComplemento, static_cast<int>(kTamanoTraduccionQtComplemento)))
        QCoreApplication::installTranslator(complemento);
    else
        delete complemento;
    auto* traduccion = new QTranslator(app);
    if (!traduccion->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traduccion)) {
        delete traduccion;
        return false;
    }
    return true;
}

QString FormatoCuenta(qint64 valor) {
    // Every group of three digits is marked, as "#,#,0" does: QLocale's own
    // grouping leaves the leading group of locales with a minimum grouping of
    // two unmarked ("2118.760" in Spanish).
    QLocale local;
    if (local.numberOptions().testFlag(QLocale::OmitGroupSeparator)) return local.toString(valor);
    local.setNumberOptions(local.numberOptions() | QLocale::OmitGroupSeparator);
    const quint64 magnitud = valor < 0 ? 0 - static_cast<quint64>(valor) : static_cast<quint64>(valor);
    const QString digitos = local.toString(magnitud);
    QString salida;
    for (qsizetype i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0) salida += local.groupSeparator();
        salida += digitos[i];
    }
    return valor < 0 ? local.negativeSign() + salida : salida;
}

qint64 LeerCuenta(const QString& texto, bool* ok) {
    QLocale local;
    local.setNumberOptions(local.numberOptions() | QLocale::OmitGroupSeparator);
    QString limpio = texto.trimmed();
    limpio.remove(QLocale().groupSeparator());
    bool correcto = false;
    qint64 valor = local.toLongLong(limpio, &correcto);
    if (!correcto) valor = limpio.toLongLong(&correcto);
    if (ok) *ok = correcto;
    return correcto ? valor : 0;
}

namespace PruebaSistema {
void Activar(bool exito) {
    Prueba() = EstadoPrueba{};
    Prueba().activo = true;
    Prueba().exito = exito;
}
void Desactivar() { Prueba() = EstadoPrueba{}; }
const QList<QString>& Abiertos() { return Prueba().abiertos; }
}  // namespace PruebaSistema
