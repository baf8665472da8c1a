#pragma once
// Numbers of a lottery draw still on sale: the draw's data, the filter by
// digit per position and by quantity, and the two files they are saved to.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct DecimoEnVenta {
    std::array<uint8_t, 5> digitos{};  // position 1 first
    int32_t cantidad = 0;              // tickets of this number available
    std::string series;                // the series on sale, as the source gives them
};

struct DatosSorteo {
    std::string id;  // never "0" for a found draw
    std::string nombre, primerPremio, segundoPremio;
    int diaSemana = -1;  // 0 Monday .. 6 Sunday; -1 unknown
    std::vector<DecimoEnVenta> decimos;
};

// Keeps the numbers whose digit at each position matches (-1 = any) and whose
// quantity lies in minimo..maximo, both inclusive; in their order.
std::vector<DecimoEnVenta> FiltrarDecimos(const std::vector<DecimoEnVenta>& decimos, const std::array<int, 5>& digito,
                                          int64_t minimo, int64_t maximo);

// One five-digit number a line, CR LF: the form the text import reads.
std::string TextoNumerosFiltrados(const std::vector<DecimoEnVenta>& decimos);
// Every number with its quantity and series, separated by ";": not importable.
std::string TextoNumerosEnBruto(const DatosSorteo& sorteo);
