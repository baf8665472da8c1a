#include "selector_terminaciones.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t Valor(const LecturaNumeros& l, int32_t j) {
    int32_t v = 0;
    for (int p = 1; p <= kPosiciones; ++p) v = v * 10 + l.Digito(j, p);
    return v;
}

int32_t Potencia10(int cifras) {
    int32_t v = 1;
    for (int i = 0; i < cifras; ++i) v *= 10;
    return v;
}

}  // namespace

CuentasTerminaciones ContarTerminaciones(const LecturaNumeros& lectura) {
    CuentasTerminaciones c;
    const int32_t total = std::min<int32_t>(lectura.total, static_cast<int32_t>(lectura.digitos.size() / kPosiciones));
    for (int32_t i = 1; i <= total; ++i) {
        const int d3 = lectura.Digito(i, 3), d4 = lectura.Digito(i, 4), d5 = lectura.Digito(i, 5);
        ++c.CuentaCentenas[static_cast<size_t>(d3 * 100 + d4 * 10 + d5)];
        ++c.CuentaDecenas[static_cast<size_t>(d4 * 10 + d5)];
        ++c.CuentaUnidades[static_cast<size_t>(d5)];
    }
    return c;
}

int CifrasTerminacion(TipoTerminacion tipo) {
    switch (tipo) {
        case TipoTerminacion::Diez: return 1;
        case TipoTerminacion::Cien: return 2;
        case TipoTerminacion::Mil: return 3;
        case TipoTerminacion::DiezMil: return 4;
        case TipoTerminacion::CienOptimas: return 2;
    }
    return 1;
}

GeneracionTerminaciones GenerarTerminaciones(const LecturaNumeros& lectura, TipoTerminacion tipo, bool aleatorio,
                                             FuenteAleatoria& azar, bool porNumero) {
    GeneracionTerminaciones g;
    g.cifras = CifrasTerminacion(tipo);
    const int32_t modulo = Potencia10(g.cifras);
    const int32_t divisor = Potencia10(kPosiciones - g.cifras);
    const int32_t total = std::min<int32_t>(lectura.total, static_cast<int32_t>(lectura.digitos.size() / kPosiciones));

    // The distinct numbers of each ending, in file order.
    std::vector<std::vector<int32_t>> candidatos(static_cast<size_t>(modulo));
    std::vector<uint8_t> visto(100000, 0);
    for (int32_t j = 1; j <= total; ++j) {
        const int32_t v = Valor(lectura, j);
        if (visto[static_cast<size_t>(v)]) continue;
        visto[static_cast<size_t>(v)] = 1;
        candidatos[static_cast<size_t>(v % modulo)].push_back(v);
    }

    std::vector<uint8_t> comienzoUsado(static_cast<size_t>(modulo), 0);
    for (int32_t e = 0; e < modulo; ++e) {
        std::vector<int32_t> opciones = candidatos[static_cast<size_t>(e)];
        if (opciones.empty()) {
            g.terminacionesFaltantes.push_back(e);
            continue;
        }
        if (tipo == TipoTerminacion::CienOptimas) {
            // Prefer the numbers whose beginning no chosen number has yet.
            std::vector<int32_t> nuevos;
            for (int32_t v : opciones)
                if (!comienzoUsado[static_cast<size_t>(v / divisor)]) nuevos.push_back(v);
            if (!nuevos.empty()) opciones = std::move(nuevos);
        }
        size_t k = 0;
        if (aleatorio) k = std::min(opciones.size() - 1, static_cast<size_t>(std::floor(azar.Siguiente() * opciones.size())));
        const int32_t elegido = opciones[k];
        comienzoUsado[static_cast<size_t>(elegido / divisor)] = 1;
        g.elegidos.push_back(elegido);
    }
    for (int32_t b = 0; b < modulo; ++b)
        if (!comienzoUsado[static_cast<size_t>(b)]) g.comienzosFaltantes.push_back(b);
    if (porNumero) std::sort(g.elegidos.begin(), g.elegidos.end());
    return g;
}

std::vector<int32_t> GenerarCapicuas(const LecturaNumeros& lectura) {
    std::vector<uint8_t> es(100000, 0);
    const int32_t total = std::min<int32_t>(lectura.total, static_cast<int32_t>(lectura.digitos.size() / kPosiciones));
    for (int32_t j = 1; j <= total; ++j)
        if (lectura.Digito(j, 1) == lectura.Digito(j, 5) && lectura.Digito(j, 2) == lectura.Digito(j, 4))
            es[static_cast<size_t>(Valor(lectura, j))] = 1;
    std::vector<int32_t> capicuas;
    for (int32_t v = 0; v < 100000; ++v)
        if (es[static_cast<size_t>(v)]) capicuas.push_back(v);
    return capicuas;
}

std::string ListaValores(const std::vector<int32_t>& valores, int cifras) {
    std::string s;
    s.reserve(valores.size() * static_cast<size_t>(cifras + 2));
    for (int32_t v : valores) {
        std::string n = std::to_string(v);
        if (static_cast<int>(n.size()) < cifras) n.insert(0, static_cast<size_t>(cifras) - n.size(), '0');
        s += n;
        s += "\r\n";
    }
    return s;
}
