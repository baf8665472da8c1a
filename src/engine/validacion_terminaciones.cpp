#include "validacion_terminaciones.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "texto.h"

namespace {
bool EnBlanco(std::string_view s) {
    for (char ch : s)
        if (ch != ' ') return false;
    return true;
}
}  // namespace

int ValorCotaSuma(std::string_view texto) {
    // Blanks anywhere are skipped, and the number ends at the first other character.
    std::string cifras(texto);
    std::erase_if(cifras, [](char ch) { return ch == ' ' || ch == '\t'; });
    cifras.erase(std::find_if_not(cifras.begin(), cifras.end(), [](char ch) { return ch >= '0' && ch <= '9'; }),
                 cifras.end());
    if (cifras.empty()) return 0;
    // A number beyond an int reads as the largest int (the bound it passed).
    return static_cast<int>(ConvertirEntero(cifras, 0, INT32_MAX, kSoloCifras).valor);
}

ResultadoSumaTerminaciones ValidarSumaTerminaciones(std::string_view minimo, std::string_view maximo) {
    ResultadoSumaTerminaciones r;
    if (EnBlanco(minimo)) {
        r.error = kErrorSumaMinimaEnBlanco;
        return r;
    }
    if (EnBlanco(maximo)) {
        r.error = kErrorSumaMaximaEnBlanco;
        return r;
    }
    r.minimo = ValorCotaSuma(minimo);
    r.maximo = ValorCotaSuma(maximo);
    if (r.minimo > r.maximo) r.error = kErrorSumaMinimaMayor;
    return r;
}
