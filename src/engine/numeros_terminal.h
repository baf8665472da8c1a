#pragma once
// Numbers of a lottery draw still on sale: the draw's data, the folder of
// draw files they are read from, the filter by digit per position and by
// quantity, and the two files they are saved to.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DecimoEnVenta {
    std::array<uint8_t, 5> digitos{};  // position 1 first
    int32_t cantidad = 0;              // tickets of this number available
    std::string series;                // the series on sale, as the file gives them

    bool operator==(const DecimoEnVenta&) const = default;
};

struct DatosSorteo {
    std::string clave;  // date key YYYYMMDD, the name of the draw's file
    std::string id;     // never empty or "0" for a draw read
    std::string nombre, primerPremio, segundoPremio;
    int diaSemana = -1;  // 0 Monday .. 6 Sunday; -1 unknown
    std::vector<DecimoEnVenta> decimos;

    bool operator==(const DatosSorteo&) const = default;
};

// The folder of draw files inside the program's folder: one text file per
// draw, named by its date key ("20261222.txt"). The form of a file:
//   Sorteo: 102/2026
//   Nombre: Sorteo Extraordinario de Navidad
//   Primer premio: 4.000.000 euros
//   Segundo premio: 1.250.000 euros
//   12345;7;1-3,5
// four header lines, then one line per number on sale: the number, the
// quantity available and the series, separated by ";". Blank lines are skipped.
// The text is UTF-8 (a leading byte-order mark is skipped); a file that is not
// valid UTF-8 is read as Windows-1252.
inline constexpr const char* kCarpetaSorteos = "sorteos";

// A draw read, or the Spanish message telling why there is none.
struct LecturaSorteo {
    std::optional<DatosSorteo> sorteo;
    std::string error;
};

// Reads the text of the draw file of date key `clave`; a malformed text gives
// a message naming the line.
LecturaSorteo LeerTextoSorteo(std::string_view texto, const std::string& clave);
// The draw as a file of the folder, CR LF.
std::string TextoSorteo(const DatosSorteo& sorteo);

// Mode 1 the draw of the date key `clave`, 2 the newest in the folder, 3 and
// 4 the nearest before and after `clave`. Files not named by a date are ignored.
LecturaSorteo ConsultarCarpetaSorteos(const std::string& carpeta, int modo, const std::string& clave);

// Keeps the numbers whose digit at each position matches (-1 = any) and whose
// quantity lies in minimo..maximo, both inclusive; in their order.
std::vector<DecimoEnVenta> FiltrarDecimos(const std::vector<DecimoEnVenta>& decimos, const std::array<int, 5>& digito,
                                          int64_t minimo, int64_t maximo);

// One five-digit number a line, CR LF: the form the text import reads.
std::string TextoNumerosFiltrados(const std::vector<DecimoEnVenta>& decimos);
