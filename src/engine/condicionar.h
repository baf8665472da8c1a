#pragma once
// The conditioning step of "Calcular": candidates, the one-digit-per-position
// check, the ticked filters and the compaction of the survivors; then, when
// no reduction is asked, the survivors become the result. Messages, labels
// and the wait panel belong to the window.
#include <cstdint>
#include <string_view>

#include "ajustes_filtros.h"
#include "cesion.h"
#include "filtros.h"
#include "sesion.h"

struct ResultadoCondicionar {
    int32_t candidatos = 0;                // C
    int32_t eliminadasComprobacion = 0;    // by the one-digit-per-position check
    int32_t eliminadasFiltros = 0;         // by the ticked filters together
    int32_t condicionados = 0;             // n = C - both
    EliminadasPorFiltro EliminadasFiltro{};  // per filter index, 0 when not ticked
};

// File mode: dimensions gCombinaciones to gNumImportados rows and stores at
// (j, p) the first element whose cell is gImportados(j, p), or 0 when no
// element has that cell.
void MapearImportados(TablasSesion& tablas);

// Copies the live rows of gCombinaciones, in order, into gElementosApuesta
// (n rows), then erases gCombinaciones and gEliminada.
void CompactarCondicionados(TablasSesion& tablas, int32_t n);

// Loads the selected cells (gNumElementos, gValorElemento), builds the
// candidates (every 5-element set in grid mode, the imported numbers in file
// mode), eliminates those without one digit per position and those failing
// the ticked filters, sets gTodasValidas (grid mode and nothing eliminated)
// and compacts the survivors into gElementosApuesta.
ResultadoCondicionar CondicionarBase(TablasSesion& tablas, const RejillaBase& rejilla, const AjustesFiltros& ajustes,
                                     const FiltrosMarcados& chkFiltros, bool modoRejilla, const AvisoTitulo& titulo,
                                     const Cesion& ceder);

// True when no reduction is asked: the percentage text is exactly "100",
// the reduction type index is 0 or below (none selected) and the reduction
// is not to a number of bets.
bool SinReduccion(std::string_view txtPorcentaje, int indiceTipoReduccion, bool reducirAApuestas);

inline constexpr const char* kAvisoMinimoDigitos = "AVISO: DEBE SELECCIONAR MINIMO 5 DIGITOS";
inline constexpr const char* kErrorCeroCondicionados =
    "ERROR: Se han generado 0 números después de condicionar, cambie las condiciones";
inline constexpr const char* kErrorApuestasExactasSuperan =
    "ERROR: HA ELEGIDO REDUCIR CON NUMERO EXACTO DE APUESTAS Y DICHO NUMERO SUPERA EL SISTEMA CONDICIONADO "
    "GENERADO, CAMBIE EL NUMERO";

// Why "Calcular" stops once conditioning has left `condicionados` numbers,
// before any reduction.
enum class ParadaCalcular { ninguna, ceroNumeros, apuestasNoNumericas, apuestasSuperan };
ParadaCalcular ParadaTrasCondicionar(int64_t condicionados, bool conApuestasExactas, std::string_view numApuestas);

// The conditioned numbers become the result: gResultado(j, p) is the cell
// of gElementosApuesta(j, p).
void CopiarCondicionadosAResultado(TablasSesion& tablas);
