#include "validacion_sumas.h"

#include "texto.h"

namespace {
std::string SinBlancos(const std::string& s) {
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    const auto fin = s.find_last_not_of(' ');
    return s.substr(inicio, fin - inicio + 1);
}
}  // namespace

bool LeerEnteroCaja(const std::string& texto, int16_t& valor) {
    // Only blanks count as blanks here, as for the empty-box check.
    const EnteroLeido v = ConvertirEntero(SinBlancos(texto), INT16_MIN, INT16_MAX, {.blancos = false, .fraccion = false});
    if (!v.Correcto()) return false;
    valor = static_cast<int16_t>(v.valor);
    return true;
}

std::string ValidarIntervalosSuma(const std::array<std::string, kIntervalosSuma>& minimos,
                                  const std::array<std::string, kIntervalosSuma>& maximos, IntervalosSuma& leidos) {
    IntervalosSuma nuevos;
    for (int i = 0; i < kIntervalosSuma; ++i) {
        if (SinBlancos(minimos[i]).empty() || SinBlancos(maximos[i]).empty())
            return "ERROR: No se permiten valores nulos en los intervalos";
        int16_t minimo = 0;
        int16_t maximo = 0;
        // A pasted text that is no number would otherwise be read as anything.
        if (!LeerEnteroCaja(minimos[i], minimo) || !LeerEnteroCaja(maximos[i], maximo))
            return "ERROR: Los intervalos solo admiten números";
        if (minimo != 0 || maximo != 0) {
            if (minimo < 0) return "ERROR: La suma mínima de los intervalos activados(<>0) debe ser mayor que 0";
            if (maximo > kSumaDigitosMaxima)
                return "ERROR: La suma máxima de los intervalos activados(<>0) debe ser menor que 46";
            if (minimo > maximo) return "ERROR: La suma mínima de un intervalo no puede ser mayor que la suma máxima";
        }
        nuevos.minimos[static_cast<size_t>(i)] = minimo;
        nuevos.maximos[static_cast<size_t>(i)] = maximo;
    }
    leidos = nuevos;
    return {};
}
