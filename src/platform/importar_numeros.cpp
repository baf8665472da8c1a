#include "importar_numeros.h"

#include <QFile>
#include <QFileInfo>

#include <exception>
#include <new>

#include "dialogos_archivo.h"
#include "mensajes.h"

QString TextoErrorImportar(const QString& descripcion) {
    return QStringLiteral("ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (") + descripcion +
           QStringLiteral(" )");
}

QString PedirFicheroNumeros(RegistroDialogo& dialogo, QWidget* dueno) {
    dialogo.hwndOwner = dueno;
    dialogo.Filter = QStringLiteral(
        "Ficheros de números (*.TXT)|*.TXT|Ficheros de números (*.ASC)|*.ASC|Todos los archivos (*.*)|*.*|");
    dialogo.FilterIndex = 1;
    dialogo.FileName.clear();
    dialogo.DialogTitle = QStringLiteral("Abrir Fichero");
    return MostrarAbrir(dialogo);
}

QString LeerNumerosImportados(const QString& ruta, const OpcionesLecturaNumeros& opciones, const Cesion& ceder,
                              const ProgresoLectura& progreso, LecturaNumeros& lectura, QWidget* dueno) {
    try {
        lectura = LecturaNumeros{};
        if (!QFileInfo(ruta).isFile()) return TextoErrorImportar(QStringLiteral("No se puede abrir el fichero"));
        lectura = LeerFicheroNumeros(QFile::encodeName(ruta).toStdString(), opciones, ceder, progreso);
    } catch (const std::bad_alloc&) {
        return TextoErrorImportar(QStringLiteral("Memoria insuficiente"));
    } catch (const std::exception& e) {
        return TextoErrorImportar(QString::fromLocal8Bit(e.what()));
    }
    if (!lectura.Correcta()) return QString::fromStdString(lectura.error);
    if (lectura.limiteAlcanzado)
        Mensaje(QString::fromStdString(TextoAvisoLimite()), EstiloMensaje::Exclamacion, dueno);
    return QString();
}
