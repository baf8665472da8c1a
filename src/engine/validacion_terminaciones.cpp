#include "validacion_terminaciones.h"

namespace {
bool EnBlanco(std::string_view s) {
    for (char ch : s)
        if (ch != ' ') return false;
    return true;
}
}  // namespace

int ValorCotaSuma(std::string_view texto) {
    long valor = 0;
    for (char ch : texto) {
        if (ch == ' ' || ch == '\t') continue;
        if (ch < '0' || ch > '9') break;
        valor = valor * 10 + (ch - '0');
        if (valor > 1000000) break;  // far beyond any bound; avoids overflow
    }
    return static_cast<int>(valor);
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
