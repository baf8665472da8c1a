#include "escrutinio.h"

#include <algorithm>

ResultadoEscrutinio Escrutar(const TablaNumeros& numeros, int32_t total, const NumeroGanador& ganador,
                             const PosicionesElegidas& elegidas, const Cesion& ceder) {
    ResultadoEscrutinio r;
    // The winning number as cells, so each number is compared byte for byte.
    std::array<Casilla, kPosiciones> celdas{};
    for (int p = 1; p <= kPosiciones; ++p) {
        celdas[p - 1] = CasillaDeDigito(ganador[p - 1], static_cast<int16_t>(p));
        if (elegidas[p - 1]) ++r.elegidas;
    }
    const int32_t filas = std::min(total, numeros.Filas());
    for (int32_t i = 1; i <= filas; ++i) {
        if (i % 10000 == 0) ceder();
        const Casilla* fila = numeros.Fila(i);
        int sinOrden = 0;
        for (int p = 0; p < kPosiciones; ++p)
            if (elegidas[p] && fila[p] == celdas[p]) ++sinOrden;
        int conOrden = 0;
        // Matching digits from the units leftwards; the first mismatch ends the run.
        for (int p = kPosiciones - 1; p >= 0 && fila[p] == celdas[p]; --p) ++conOrden;
        ++r.AciertosSinOrden[sinOrden];
        ++r.AciertosConOrden[conOrden];
    }
    return r;
}

std::string InformeEscrutinio(const ResultadoEscrutinio& r) {
    const std::string crlf = "\r\n";
    std::string t = "Escrutado sobre " + std::to_string(r.elegidas) + " dígitos SIN orden:" + crlf;
    for (int k = 5; k >= 0; --k) t += std::to_string(k) + " Aciertos: " + std::to_string(r.AciertosSinOrden[k]) + crlf;
    t += std::string(24, '=') + crlf;
    t += "Escrutado sobre 5 dígitos CON orden:" + crlf;
    t += "Número completo : " + std::to_string(r.AciertosConOrden[5]) + crlf;
    t += "4 últimas cifras: " + std::to_string(r.AciertosConOrden[4]) + crlf;
    t += "3 últimas cifras: " + std::to_string(r.AciertosConOrden[3]) + crlf;
    t += "2 últimas cifras: " + std::to_string(r.AciertosConOrden[2]) + crlf;
    t += "Terminación     : " + std::to_string(r.AciertosConOrden[1]);
    return t;
}

int32_t CargarDesdeResultado(const TablaNumeros& resultado, int32_t cuenta, TablaNumeros& destino) {
    const int32_t filas = std::clamp(cuenta, 0, resultado.Filas());
    destino.Redimensionar(filas);
    for (int32_t i = 1; i <= filas; ++i) std::copy_n(resultado.Fila(i), kPosiciones, destino.Fila(i));
    return filas;
}

int32_t CargarDesdeLectura(const LecturaNumeros& lectura, int32_t cuenta, TablaNumeros& destino) {
    const auto guardados = static_cast<int32_t>(lectura.digitos.size() / kPosiciones);
    const int32_t filas = std::clamp(cuenta, 0, std::min(lectura.total, guardados));
    destino.Redimensionar(filas);
    for (int32_t i = 1; i <= filas; ++i)
        for (int p = 1; p <= kPosiciones; ++p)
            destino(i, p) = CasillaDeDigito(lectura.Digito(i, p), static_cast<int16_t>(p));
    return filas;
}

int32_t NumeroBloques(int32_t total) { return total <= 0 ? 0 : (total - 1) / kFilasBloque + 1; }

VistaBloque CalcularBloque(int32_t bloque, int32_t total) {
    VistaBloque v;
    v.desplazamiento = bloque * kFilasBloque - kFilasBloque;
    v.limpiar = static_cast<int64_t>(bloque) * kFilasBloque > total;
    // Never a row before the first or past the last.
    v.mostrados = v.desplazamiento < 0 ? 0 : std::clamp(total - v.desplazamiento, 0, kFilasBloque);
    return v;
}
