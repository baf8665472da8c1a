#pragma once
// Draw data and print settings kept for the whole run, and the print
// settings file "config_imp.txt" (top margin, left margin, orientation).
#include <cstdint>
#include <string>

struct AjustesImpresion {
    std::string gTituloImpresion;
    std::string gPieImpresion;
    std::string gNombreSorteo;
    int16_t gNumeroSorteo = 0;
    int16_t gPrecioDecimo = 20;
    std::string gFechaSorteo;  // day "/" month "/" year
    int32_t gMargenSuperior = 1000;
    int32_t gMargenIzquierdo = 1000;
    int32_t gOrientacion = 0;  // 0 "Vertical", 1 "Horizontal"
    // The printer chosen for printing; empty = the system's default. Kept
    // for the rest of the run, never saved.
    std::string impresoraActual;
};

inline constexpr const char* kNombreConfigImpresion = "config_imp.txt";

// Defaults first, then each line in order until one fails; never reports.
void LeerConfigImpresion(AjustesImpresion& ajustes, const std::string& ruta);
// Writes the three lines with CR LF; false when the file could not be written
// (the old file is then left as it was).
bool GuardarConfigImpresion(const AjustesImpresion& ajustes, const std::string& ruta);
