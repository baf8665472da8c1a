#pragma once
// The endings selector: which last three, last two and last digits occur in
// an imported file of numbers and how often, and the numbers it picks from
// that file (one per ending, or the capicúas).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "aleatorio.h"
#include "analisis.h"
#include "fichero_numeros.h"

struct CuentasTerminaciones {
    std::array<int32_t, 1000> CuentaCentenas{};
    std::array<int32_t, 100> CuentaDecenas{};
    std::array<int32_t, 10> CuentaUnidades{};
};
// One pass over the numbers read, repeats included.
CuentasTerminaciones ContarTerminaciones(const LecturaNumeros& lectura);

// The kinds of cboTipoTerminacion: 10, 100, 1000, 10000 endings, and 100
// endings picked so that their first two digits vary as much as possible.
enum class TipoTerminacion { Diez = 0, Cien, Mil, DiezMil, CienOptimas };
// Digits of the ending (and of the beginnings checked) of a kind.
int CifrasTerminacion(TipoTerminacion tipo);

struct GeneracionTerminaciones {
    std::vector<int32_t> elegidos;               // values 0..99999, one per ending found
    std::vector<int32_t> terminacionesFaltantes;  // endings no number has, ascending
    std::vector<int32_t> comienzosFaltantes;      // beginnings of as many digits no chosen number has
    int cifras = 1;
};
// One number of the file per ending that occurs: the first in file order, or
// with `aleatorio` any of them at random. porNumero sorts the chosen numbers
// by value instead of by ending.
GeneracionTerminaciones GenerarTerminaciones(const LecturaNumeros& lectura, TipoTerminacion tipo, bool aleatorio,
                                             FuenteAleatoria& azar, bool porNumero);

// The distinct numbers of the file that read the same from both ends, ascending.
std::vector<int32_t> GenerarCapicuas(const LecturaNumeros& lectura);

// One value per line, `cifras` digits with leading zeros, each line ended by CR LF.
std::string ListaValores(const std::vector<int32_t>& valores, int cifras);
