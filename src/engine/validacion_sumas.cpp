#include "validacion_sumas.h"

namespace {
std::string SinBlancos(const std::string& s) {
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    const auto fin = s.find_last_not_of(' ');
    return s.substr(inicio, fin - inicio + 1);
}
}  // namespace

bool LeerEnteroCaja(const std::string& texto, int16_t& valor) {
    const std::string s = SinBlancos(texto);
    size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    if (i == s.size()) return false;
    int32_t n = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        n = n * 10 + (s[i] - '0');
        if (n > 32768) return false;
    }
    if (negativo) n = -n;
    if (n > INT16_MAX || n < INT16_MIN) return false;
    valor = static_cast<int16_t>(n);
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
