#include "vista_texto.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <memory>

#include "mensajes.h"
#include "sistema.h"

namespace {

const QString kErrorInforme = QStringLiteral("ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS");
const QString kSinEditor = QStringLiteral("No se ha podido abrir el editor de textos con el fichero ");

// The editor opens the file on its own time, so the folder outlives the window.
QTemporaryDir* Carpeta() {
    static std::unique_ptr<QTemporaryDir> carpeta;
    if (!carpeta || !carpeta->isValid()) carpeta = std::make_unique<QTemporaryDir>();
    return carpeta.get();
}

}  // namespace

bool VerTextoEnEditor(const std::string& texto, QWidget* padre) {
    QString error;
    QTemporaryDir* carpeta = Carpeta();
    if (!carpeta->isValid()) {
        error = carpeta->errorString();
    } else {
        QTemporaryFile fichero(QDir(carpeta->path()).filePath(QStringLiteral("VORTESALIN_XXXXXX.txt")));
        fichero.setAutoRemove(false);
        const auto largo = static_cast<qint64>(texto.size());
        if (!fichero.open()) {
            error = fichero.errorString();
        } else if (fichero.write(texto.data(), largo) != largo || !fichero.flush()) {
            error = fichero.errorString();
            fichero.close();
            fichero.remove();
        } else {
            fichero.close();
            return AbrirFicheroEnEditor(fichero.fileName(), padre);
        }
    }
    MensajeErrorBlocDeNotas(error, padre);
    return false;
}

bool AbrirFicheroEnEditor(const QString& ruta, QWidget* padre) {
    if (AbrirEnEditorTexto(ruta)) return true;
    MensajeErrorBlocDeNotas(kSinEditor + QDir::toNativeSeparators(ruta), padre);
    return false;
}

void MensajeErrorBlocDeNotas(const QString& descripcion, QWidget* padre) {
    Mensaje(kErrorInforme + QStringLiteral(" (") + descripcion + QLatin1Char(')'), EstiloMensaje::Critico, padre);
}
