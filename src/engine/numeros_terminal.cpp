#include "numeros_terminal.h"

namespace {
std::string Cifras(const DecimoEnVenta& d) {
    std::string s;
    for (uint8_t c : d.digitos) s += static_cast<char>('0' + c % 10);
    return s;
}
}  // namespace

std::vector<DecimoEnVenta> FiltrarDecimos(const std::vector<DecimoEnVenta>& decimos, const std::array<int, 5>& digito,
                                          int64_t minimo, int64_t maximo) {
    std::vector<DecimoEnVenta> quedan;
    for (const DecimoEnVenta& d : decimos) {
        bool vale = d.cantidad >= minimo && d.cantidad <= maximo;
        for (size_t p = 0; p < 5 && vale; ++p) vale = digito[p] < 0 || digito[p] == d.digitos[p];
        if (vale) quedan.push_back(d);
    }
    return quedan;
}

std::string TextoNumerosFiltrados(const std::vector<DecimoEnVenta>& decimos) {
    std::string texto;
    texto.reserve(decimos.size() * 7);
    for (const DecimoEnVenta& d : decimos) texto += Cifras(d) + "\r\n";
    return texto;
}

std::string TextoNumerosEnBruto(const DatosSorteo& sorteo) {
    std::string texto = "Sorteo;" + sorteo.id + ";" + sorteo.nombre + "\r\nNumero;Cantidad;Series\r\n";
    for (const DecimoEnVenta& d : sorteo.decimos)
        texto += Cifras(d) + ";" + std::to_string(d.cantidad) + ";" + d.series + "\r\n";
    return texto;
}
