#pragma once
// Shared by the tests that write files and by the BASE benchmark.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "base_xml.h"
#include "lector_base_xml.h"

// A scratch folder, emptied when made and removed when done.
class CarpetaTemporal {
public:
    explicit CarpetaTemporal(const std::string& nombre)
        : ruta_(std::filesystem::temp_directory_path() / ("vortesalin_" + nombre + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(ruta_);
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() { std::filesystem::remove_all(ruta_); }
    std::string operator/(const std::string& nombre) const { return (ruta_ / nombre).string(); }
    const std::filesystem::path ruta_;
};

// The writer's input rebuilt from what a read gave back, so a round trip can
// be checked by comparing texts. Values the read did not set become markers
// that never match a real value.

inline DatosBaseXML DatosLeidos(const ResultadoLecturaBase& r, const DatosBaseXML& original) {
    DatosBaseXML d = original;
    d.rejilla = r.rejilla;
    d.numeroGanador = r.numeroGanador;
    d.rutaFicheroASCII = r.rutaFicheroImportado;
    for (size_t i = 0; i < d.chkFiltros.size(); ++i) d.chkFiltros[i] = r.chkFiltros[i].value_or(0);
    d.tipoReduccionIndice = r.tipoReduccion.value_or(-1);
    d.porcentaje = r.porcentaje.value_or("?");
    d.nuApuestas = r.nuApuestas.value_or("?");
    d.apuestasExactas = r.apuestasExactas.value_or(9);
    d.activarCiclos = r.activarCiclos.value_or(9);
    d.aleatorio = r.aleatorio.value_or(9);
    return d;
}
