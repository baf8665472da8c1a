#include "config_impresion.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>

std::optional<int32_t> LeerEnteroRedondeado(std::string_view texto) {
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == '\t')) texto.remove_prefix(1);
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\t' || texto.back() == '\r'))
        texto.remove_suffix(1);
    // Accept only [sign] digits [. digits]: no hex, exponents or words.
    size_t i = 0;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) ++i;
    size_t cifras = 0;
    while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9') ++i, ++cifras;
    if (i < texto.size() && texto[i] == '.') {
        ++i;
        while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9') ++i, ++cifras;
    }
    if (cifras == 0 || i != texto.size() || texto.size() > 64) return std::nullopt;
    const std::string copia(texto);
    const double valor = std::nearbyint(std::strtod(copia.c_str(), nullptr));  // ties to even
    if (!(valor >= std::numeric_limits<int32_t>::min() && valor <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(valor);
}

void LeerConfigImpresion(AjustesImpresion& ajustes, const std::string& ruta) {
    ajustes.gMargenSuperior = 1000;
    ajustes.gMargenIzquierdo = 1000;
    ajustes.gOrientacion = 0;
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return;
    // Three short numbers: the head of the file is all that can matter, so a
    // huge or binary file costs nothing.
    char cabeza[512];
    f.read(cabeza, sizeof cabeza);
    std::string_view resto(cabeza, static_cast<size_t>(f.gcount()));
    int32_t* destinos[] = {&ajustes.gMargenSuperior, &ajustes.gMargenIzquierdo, &ajustes.gOrientacion};
    for (int32_t* destino : destinos) {
        const size_t fin = resto.find('\n');
        if (resto.empty() || (fin == std::string_view::npos && resto.size() == sizeof cabeza)) return;
        const std::string_view linea = resto.substr(0, fin);
        resto = fin == std::string_view::npos ? std::string_view() : resto.substr(fin + 1);
        const auto valor = LeerEnteroRedondeado(linea);
        if (!valor) return;
        *destino = *valor;
    }
}

bool GuardarConfigImpresion(const AjustesImpresion& ajustes, const std::string& ruta) {
    // Write beside the file and rename, so a failed write never leaves half a file.
    const std::string temporal = ruta + ".tmp";
    {
        std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        for (int32_t valor : {ajustes.gMargenSuperior, ajustes.gMargenIzquierdo, ajustes.gOrientacion})
            f << (valor >= 0 ? " " : "") << valor << " \r\n";
        f.flush();
        if (!f) {
            f.close();
            std::remove(temporal.c_str());
            return false;
        }
    }
    if (std::rename(temporal.c_str(), ruta.c_str()) != 0) {
        std::remove(temporal.c_str());
        return false;
    }
    return true;
}
