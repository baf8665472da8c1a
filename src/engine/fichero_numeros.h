#pragma once
// The text file of numbers: one 5-digit number per line, read by the main
// window's import (as the base), the scrutiny window and the endings
// selector. The form of the whole file is chosen by its first line.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cesion.h"
#include "modelo.h"
#include "sesion.h"

enum class FormaFichero {
    Compacta,  // "12345", "1-2-3-4-5", "1,2,3,4,5": separators removed, five digits
    Separada,  // "1 2 3 4 5": items split at blanks
};

// How often the reading yields, per form (numbers stored between yields).
struct OpcionesLecturaNumeros {
    int32_t cesionCompacta = 8000;
    int32_t cesionSeparada = 8000;
};
inline constexpr OpcionesLecturaNumeros kLecturaPrincipal{8000, 8000};
inline constexpr OpcionesLecturaNumeros kLecturaEscrutinio{8000, 8000};
inline constexpr OpcionesLecturaNumeros kLecturaSelector{8000, 10000};

// Called with the count read so far just before each yield of the reading.
using ProgresoLectura = std::function<void(int32_t leidos)>;

// The numbers of one file, in file order and with repeats.
struct LecturaNumeros {
    std::vector<uint8_t> digitos;  // five plain digits per number, position 1 first
    int32_t total = 0;             // numbers read
    FormaFichero forma = FormaFichero::Compacta;
    // Reading stopped at kMaxCombinaciones numbers: show TextoAvisoLimite(),
    // then go on with the numbers read.
    bool limiteAlcanzado = false;
    // How often each cell (Casilla 1..50) occurs in the numbers read.
    std::array<int32_t, kCasillas + 1> cuentaCasillas{};
    // The whole "ERROR AL IMPORTAR ..." message when the import stopped; the
    // numbers are then dropped (total 0).
    std::string error;

    bool Correcta() const { return error.empty(); }
    // Digit at position p (1..5) of number j (1..total).
    uint8_t Digito(int32_t j, int p) const {
        return digitos[static_cast<size_t>(j - 1) * kPosiciones + static_cast<size_t>(p - 1)];
    }
    // The cells used by the numbers read: the grid the main import shows.
    RejillaBase CasillasUsadas() const;
};

LecturaNumeros LeerFicheroNumeros(const std::string& ruta, const OpcionesLecturaNumeros& opciones,
                                  const Cesion& ceder = Cesion(), const ProgresoLectura& progreso = nullptr);
// The same over a text already in memory.
LecturaNumeros LeerTextoNumeros(std::string_view texto, const OpcionesLecturaNumeros& opciones,
                                const Cesion& ceder = Cesion(), const ProgresoLectura& progreso = nullptr);

struct ResultadoRepetidos {
    int32_t unicos = 0;
    int32_t repetidos = 0;
};

// The main import's second step: the distinct numbers, ascending by value,
// as rows 1..U of cells (gImportados). Yields before every 10000th number
// examined and, while it lists them, at every 10000th rank of the 5-of-50
// rank order (whose order is that of the numbers' values).
ResultadoRepetidos QuitarRepetidosYOrdenar(const LecturaNumeros& lectura, TablaNumeros& importados,
                                           const Cesion& ceder = Cesion());

// Messages of the three importers.
std::string TextoAvisoLimite();           // "SOLO SE PUEDEN IMPORTAR 2118760 NUMEROS"
std::string TextoCeroNumeros();           // main window
std::string TextoCeroApuestas();          // scrutiny and selector
std::string TextoRepetidos(int32_t repetidos);
