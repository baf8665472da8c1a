#include "analisis.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Rows 1..total that the table actually holds.
int32_t FilasLeibles(const TablaNumeros& numeros, int32_t total) { return std::clamp(total, 0, numeros.Filas()); }

// Counts the groups of the digits at positions (a, b) and (a3, b, c): two
// tables of direct-indexed counters, then their lists.
AnalisisCifras AnalizarCifras(const TablaNumeros& numeros, int32_t total, int p2a, int p2b, int p3a, int p3b,
                              int p3c) {
    std::vector<int32_t> dos(100, 0);
    std::vector<int32_t> tres(1000, 0);
    const int32_t filas = FilasLeibles(numeros, total);
    for (int32_t i = 1; i <= filas; ++i) {
        auto dig = [&](int p) { return static_cast<int>(DigitoDeCasilla(numeros(i, p))); };
        ++dos[static_cast<size_t>(dig(p2a) * 10 + dig(p2b))];
        ++tres[static_cast<size_t>(dig(p3a) * 100 + dig(p3b) * 10 + dig(p3c))];
    }
    return {ListarCuentas(dos, 2), ListarCuentas(tres, 3)};
}

std::string Relleno(int64_t valor, int cifras) {
    std::string s = std::to_string(valor);
    if (static_cast<int>(s.size()) < cifras) s.insert(0, static_cast<size_t>(cifras) - s.size(), '0');
    return s;
}

}  // namespace

FrecuenciasCasillas ContarFrecuencias(const TablaNumeros& numeros, int32_t total) {
    FrecuenciasCasillas f{};
    const int32_t filas = FilasLeibles(numeros, total);
    for (int32_t i = 1; i <= filas; ++i) {
        const uint8_t* fila = numeros.Fila(i);
        for (int p = 0; p < kPosiciones; ++p) {
            const int c = fila[p];
            if (c >= 1 && c <= kCasillas) ++f[static_cast<size_t>(c - 1)];
        }
    }
    return f;
}

ListaCuentas ListarCuentas(std::span<const int32_t> cuentas, int cifras) {
    ListaCuentas lista;
    for (size_t k = 0; k < cuentas.size(); ++k) {
        if (cuentas[k] <= 0) continue;
        lista.texto += Relleno(static_cast<int64_t>(k), cifras);
        lista.texto += ": ";
        lista.texto += std::to_string(cuentas[k]);
        lista.texto += "\r\n";
        ++lista.distintos;
    }
    return lista;
}

AnalisisCifras AnalizarUltimasCifras(const TablaNumeros& numeros, int32_t total) {
    return AnalizarCifras(numeros, total, 4, 5, 3, 4, 5);
}

AnalisisCifras AnalizarPrimerasCifras(const TablaNumeros& numeros, int32_t total) {
    return AnalizarCifras(numeros, total, 1, 2, 1, 2, 3);
}

int64_t PorcentajeCentesimas(int32_t cuenta, int32_t total) {
    if (total < 1) return 0;
    const int64_t numerador = static_cast<int64_t>(cuenta) * 10000;
    int64_t cociente = numerador / total;
    const int64_t doble = 2 * (numerador % total);
    if (doble > total || (doble == total && cociente % 2 != 0)) ++cociente;
    return cociente;
}

std::string TextoPorcentaje(int64_t centesimas, std::string_view coma) {
    std::string s = std::to_string(centesimas / 100);
    const int64_t resto = centesimas % 100;
    if (resto != 0) {
        s += coma;
        s += static_cast<char>('0' + resto / 10);
        if (resto % 10 != 0) s += static_cast<char>('0' + resto % 10);
    }
    return s + " %";
}

std::string InformeAnalisis(const FrecuenciasCasillas& frecuencias, int32_t total, const AnalisisCifras& primeras,
                            const AnalisisCifras& ultimas, std::string_view coma) {
    static const char* const kColumnas[kPosiciones] = {"Dec. Millar", "Unid. Millar", "Centenas", "Decenas",
                                                       "Unidades"};
    std::string s = "ANALISIS DE " + std::to_string(total) + " NUMEROS\r\n\r\n";
    s += "Frecuencia de cada cifra por posición (número de veces y porcentaje)\r\n\r\n";
    auto columna = [](std::string texto, size_t ancho) {
        if (texto.size() < ancho) texto.insert(0, ancho - texto.size(), ' ');
        return texto;
    };
    s += "Cifra";
    for (const char* nombre : kColumnas) s += columna(nombre, 20);
    s += "\r\n";
    for (int d = 0; d <= 9; ++d) {
        s += columna(std::to_string(d), 5);
        for (int p = 0; p < kPosiciones; ++p) {
            const int32_t n = frecuencias[static_cast<size_t>(p * 10 + d)];
            s += columna(n < 1 ? std::string() : std::to_string(n) + " (" + TextoPorcentaje(PorcentajeCentesimas(n, total), coma) + ")", 20);
        }
        s += "\r\n";
    }
    auto bloque = [&s](const char* titulo, const ListaCuentas& lista, int posibles) {
        s += "\r\n";
        s += titulo;
        s += ": " + std::to_string(lista.distintos) + "/" + std::to_string(posibles) + "\r\n";
        s += lista.texto;
    };
    bloque("2 primeras cifras", primeras.dos, 100);
    bloque("3 primeras cifras", primeras.tres, 1000);
    bloque("2 últimas cifras", ultimas.dos, 100);
    bloque("3 últimas cifras", ultimas.tres, 1000);
    return s;
}
