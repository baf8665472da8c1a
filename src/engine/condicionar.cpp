#include "condicionar.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "generacion.h"
#include "recorrido.h"
#include "texto.h"

void MapearImportados(TablasSesion& tablas) {
    const int32_t total = std::max<int32_t>(0, tablas.gNumImportados);
    tablas.gCombinaciones.Redimensionar(total);
    // First element of each cell; a cell with no element maps to 0.
    std::array<uint8_t, 256> elementoDe{};
    const int32_t n = std::min<int32_t>({tablas.gNumElementos, tablas.gValorElemento.Superior(), 255});
    for (int32_t i = n; i >= 1; --i)
        if (tablas.gValorElemento[i] != 0) elementoDe[tablas.gValorElemento[i]] = static_cast<uint8_t>(i);
    const int32_t leidas = std::min(total, tablas.gImportados.Filas());
    for (int32_t j = 1; j <= leidas; ++j) {
        const uint8_t* numero = tablas.gImportados.Fila(j);
        uint8_t* fila = tablas.gCombinaciones.Fila(j);
        for (int p = 0; p < kPosiciones; ++p) fila[p] = elementoDe[numero[p]];
    }
}

void CompactarCondicionados(TablasSesion& tablas, int32_t n) {
    tablas.gElementosApuesta.Redimensionar(std::max<int32_t>(0, n));
    const int32_t filas = recorrido::FilasRecorribles(tablas);
    if (n > 0 && filas > 0) {
        const uint8_t* origen = tablas.gCombinaciones.Fila(1);
        uint8_t* destino = tablas.gElementosApuesta.Fila(1);
        uint8_t* const fin = destino + static_cast<size_t>(n) * kPosiciones;
        recorrido::ParaCadaViva(recorrido::MarcasDeFilas(tablas.gEliminada), filas, [&](int32_t r) {
            if (destino == fin) return;
            std::memcpy(destino, origen + static_cast<size_t>(r - 1) * kPosiciones, kPosiciones);
            destino += kPosiciones;
        });
    }
    tablas.gEliminada.Borrar();
    tablas.gCombinaciones.Borrar();
}

ResultadoCondicionar CondicionarBase(TablasSesion& tablas, const RejillaBase& rejilla, const AjustesFiltros& ajustes,
                                     const FiltrosMarcados& chkFiltros, bool modoRejilla, const AvisoTitulo& titulo,
                                     const Cesion& ceder) {
    ResultadoCondicionar res;
    tablas.gNumElementos = ContarCasillasSeleccionadas(rejilla);
    CargarNumerosSeleccionados(tablas, rejilla);

    if (modoRejilla) {
        tablas.gNumCombinaciones = static_cast<int32_t>(NumCombinaciones(tablas.gNumElementos, kPosiciones));
        tablas.gEliminada.Preparar(tablas.gNumCombinaciones);
        res.eliminadasComprobacion = GenerarComprobadas(tablas, rejilla, ceder);
    } else {
        tablas.gNumCombinaciones = tablas.gNumImportados;
        MapearImportados(tablas);
        tablas.gEliminada.Preparar(tablas.gNumCombinaciones);
        res.eliminadasComprobacion = FiltrarUnDigitoPorPosicion(tablas, rejilla, ceder);
    }
    res.candidatos = tablas.gNumCombinaciones;
    res.eliminadasFiltros = AplicarFiltros(tablas, ajustes, chkFiltros, res.EliminadasFiltro, titulo, ceder);
    res.condicionados = res.candidatos - (res.eliminadasComprobacion + res.eliminadasFiltros);
    tablas.gTodasValidas = modoRejilla && res.eliminadasComprobacion + res.eliminadasFiltros == 0;

    CompactarCondicionados(tablas, res.condicionados);
    return res;
}

bool SinReduccion(std::string_view txtPorcentaje, int indiceTipoReduccion, bool reducirAApuestas) {
    return txtPorcentaje == "100" && indiceTipoReduccion <= 0 && !reducirAApuestas;
}

ParadaCalcular ParadaTrasCondicionar(int64_t condicionados, bool conApuestasExactas, std::string_view numApuestas) {
    if (condicionados == 0) return ParadaCalcular::ceroNumeros;
    if (!conApuestasExactas || numApuestas.empty()) return ParadaCalcular::ninguna;  // empty asks for 1
    // Out of range gives the bound, which is above any count.
    const EnteroLeido pedidas = ConvertirEntero(numApuestas, 0, std::numeric_limits<int32_t>::max(), kSoloCifras);
    if (pedidas.estado == Conversion::NoNumero) return ParadaCalcular::apuestasNoNumericas;
    return condicionados < pedidas.valor ? ParadaCalcular::apuestasSuperan : ParadaCalcular::ninguna;
}

void CopiarCondicionadosAResultado(TablasSesion& tablas) {
    const int32_t n = tablas.gElementosApuesta.Filas();
    std::array<Casilla, 256> casillaDe{};
    const int32_t numElementos = std::min<int32_t>({tablas.gNumElementos, tablas.gValorElemento.Superior(), 255});
    for (int32_t e = 1; e <= numElementos; ++e) casillaDe[e] = tablas.gValorElemento[e];
    tablas.gResultado.Redimensionar(n);
    for (int32_t j = 1; j <= n; ++j) {
        const uint8_t* elementos = tablas.gElementosApuesta.Fila(j);
        uint8_t* casillas = tablas.gResultado.Fila(j);
        for (int p = 0; p < kPosiciones; ++p) casillas[p] = casillaDe[elementos[p]];
    }
}
