#include "informe_eliminadas.h"

#include <algorithm>

namespace {
constexpr const char* kFinLinea = "\r\n";

const char* EtiquetaFiltro(int indice) {
    switch (indice) {
        case kFiltroGrupos: return "GRUPOS DE NUMEROS: ";
        case kFiltroParesImpares: return "PARES E IMPARES: ";
        case kFiltroSeguidos: return "SEGUIDOS: ";
        case kFiltroSumas: return "SUMAS: ";
        case kFiltroTerminaciones: return "TERMINACIONES: ";
        case kFiltroGruposRelacionados: return "GRUPOS RELACIONADOS: ";
        case kFiltroPosiciones: return "POSICIONES: ";
        case kFiltroGruposEnReservas: return "GRUPOS EN RESERVAS: ";
        default: return "";
    }
}
}  // namespace

std::string TextoInformeEliminadas(const EliminadasPorFiltro& eliminadas, const FiltrosMarcados& marcados,
                                   int64_t condicionadas, int64_t reducidas, const FormatoNumero& formato) {
    int64_t total = 0;
    for (int32_t cuenta : eliminadas) total += cuenta;

    std::string texto;
    auto linea = [&texto](const std::string& contenido) { texto += contenido + kFinLinea; };
    linea("TOTAL Números Eliminados: " + formato(total));
    linea("TOTAL Números Condicionados: " + formato(condicionadas));
    linea("TOTAL Números en Reducción: " + formato(reducidas));
    linea("");
    linea("Números eliminados por cada Filtro Activo:");
    for (int i = kFiltroGrupos; i < kNumIndicesFiltro; ++i) {
        if (marcados[static_cast<size_t>(i)]) linea(EtiquetaFiltro(i) + formato(eliminadas[static_cast<size_t>(i)]));
    }
    texto += kFinLinea;
    return texto;
}

std::string TextoNumeros(const TablaNumeros& numeros, int32_t filas) {
    const int32_t n = std::clamp(filas, 0, numeros.Filas());
    std::string texto;
    texto.reserve(static_cast<size_t>(n) * (kPosiciones + 2));
    for (int32_t j = 1; j <= n; ++j) {
        const uint8_t* fila = numeros.Fila(j);
        for (int p = 0; p < kPosiciones; ++p) texto += static_cast<char>('0' + DigitoDeCasilla(fila[p]));
        texto += kFinLinea;
    }
    return texto;
}
