#include "guardado_seguro.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Causa(int codigo) {
    switch (codigo) {
    case EACCES:
    case EPERM: return "permiso denegado";
    case EROFS: return "sistema de ficheros de solo lectura";
    case ENOENT: return "no existe";
    case ENOTDIR: return "no es una carpeta";
    case EISDIR: return "es una carpeta";
    case ENOSPC:
    case EDQUOT: return "no queda espacio en el disco";
    case EFBIG: return "el fichero es demasiado grande";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case EIO: return "error de lectura o escritura en el disco";
    default: return "error del sistema " + std::to_string(codigo);
    }
}

bool Fallo(std::string* error, const std::string& texto, int codigo) {
    if (error) *error = texto + ": " + Causa(codigo);
    return false;
}

// The file a chain of symbolic links ends at (the path itself when it is no link).
fs::path DestinoFinal(fs::path ruta) {
    for (int salto = 0; salto < 40; ++salto) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(ruta, ec))) break;
        const fs::path destino = fs::read_symlink(ruta, ec);
        if (ec) break;
        ruta = destino.is_absolute() ? destino : ruta.parent_path() / destino;
    }
    return ruta;
}

bool EscribirTodo(int fd, std::string_view datos) {
    while (!datos.empty()) {
        const ssize_t n = ::write(fd, datos.data(), datos.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        datos.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

bool GuardarFicheroSeguro(const std::string& ruta, std::string_view contenido, std::string* error) {
    static std::atomic<unsigned> contador{0};
    const fs::path destino = DestinoFinal(ruta);
    const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    std::error_code ec;
    if (fs::is_directory(destino, ec)) return Fallo(error, "No se puede guardar en " + destino.string(), EISDIR);
    std::string temporal;
    int fd = -1;
    for (int intento = 0; intento < 100 && fd < 0; ++intento) {
        temporal = destino.string() + ".~" + std::to_string(::getpid()) + "-" + std::to_string(contador++);
        fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return Fallo(error, "No se puede escribir en la carpeta " + carpeta.string(), errno);

    struct stat anterior {};
    bool ok = true;
    if (::stat(destino.c_str(), &anterior) == 0 && S_ISREG(anterior.st_mode))
        ok = ::fchmod(fd, anterior.st_mode & 07777) == 0;
    ok = ok && EscribirTodo(fd, contenido) && ::fsync(fd) == 0;
    int codigo = errno;
    if (::close(fd) != 0 && ok) ok = false, codigo = errno;
    if (!ok) {
        ::unlink(temporal.c_str());
        return Fallo(error, "No se ha podido escribir el fichero " + destino.string(), codigo);
    }
    if (std::rename(temporal.c_str(), destino.c_str()) != 0) {
        codigo = errno;
        ::unlink(temporal.c_str());
        return Fallo(error, "No se ha podido reemplazar el fichero " + destino.string(), codigo);
    }
    return true;
}

std::string MensajeErrorGuardar(std::string_view causa) {
    std::string mensaje = "ERROR AL GUARDAR EL FICHERO";
    if (!causa.empty()) mensaje.append(" (").append(causa).append(")");
    return mensaje;
}
