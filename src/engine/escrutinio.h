#pragma once
// The scrutiny: a list of numbers checked against a winning number, as hits
// by position over the chosen positions and as hits by trailing digits.
#include <array>
#include <cstdint>
#include <string>

#include "cesion.h"
#include "fichero_numeros.h"
#include "modelo.h"

using NumeroGanador = std::array<uint8_t, kPosiciones>;  // plain digits, position 1 first
using PosicionesElegidas = std::array<bool, kPosiciones>;

struct ResultadoEscrutinio {
    // [k]: numbers with exactly k chosen positions equal to the winning digit.
    std::array<int32_t, 6> AciertosSinOrden{};
    // [k]: numbers whose last k digits (and no more) match.
    std::array<int32_t, 6> AciertosConOrden{};
    int elegidas = 0;  // m, the chosen positions
};

// Scrutinises rows 1..total of `numeros` (cells). Rows the table does not
// hold are never read. Yields before every 10000th number.
ResultadoEscrutinio Escrutar(const TablaNumeros& numeros, int32_t total, const NumeroGanador& ganador,
                             const PosicionesElegidas& elegidas, const Cesion& ceder = Cesion());

// The 14-line report, lines joined by CR LF, the last one without it.
std::string InformeEscrutinio(const ResultadoEscrutinio& resultado);

// Fill `destino` with the first `cuenta` numbers of the current result, or of
// an import (plain digits turned into cells). A count beyond the source's rows
// is cut to them; returns the rows actually loaded.
int32_t CargarDesdeResultado(const TablaNumeros& resultado, int32_t cuenta, TablaNumeros& destino);
int32_t CargarDesdeLectura(const LecturaNumeros& lectura, int32_t cuenta, TablaNumeros& destino);

// Blocks of six numbers shown by the scrutiny's grid.
constexpr int kFilasBloque = 6;
// NB: the blocks of a list of `total` numbers (0 for an empty list).
int32_t NumeroBloques(int32_t total);
struct VistaBloque {
    int32_t desplazamiento = 0;  // list rows before the block
    int32_t mostrados = 0;       // grid rows filled, 0..6
    bool limpiar = false;        // the block is the short last one: clear the grid first
};
// What showing block `bloque` (from 1) of a list of `total` numbers fills.
VistaBloque CalcularBloque(int32_t bloque, int32_t total);
