#include "config_impresion.h"

#include <fstream>
#include <limits>

#include "guardado_seguro.h"
#include "texto.h"

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
        const EnteroLeido valor =
            ConvertirEntero(linea, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
        if (!valor.Correcto()) return;
        *destino = static_cast<int32_t>(valor.valor);
    }
}

bool GuardarConfigImpresion(const AjustesImpresion& ajustes, const std::string& ruta) {
    std::string texto;
    for (int32_t valor : {ajustes.gMargenSuperior, ajustes.gMargenIzquierdo, ajustes.gOrientacion})
        texto += (valor >= 0 ? " " : "") + std::to_string(valor) + " \r\n";
    return GuardarFicheroSeguro(ruta, texto);
}
