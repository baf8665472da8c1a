#include "grupos_relacionados.h"

#include <algorithm>

namespace {
bool SubgrupoActivo(const AjustesFiltros& f, int fila) {
    const uint8_t* celdas = f.NumerosSubgrupo.Fila(fila);
    return std::find(celdas, celdas + 50, uint8_t{1}) != celdas + 50;
}

bool CondicionMarcada(const AjustesFiltros& f, int fila) {
    const uint8_t* cuentas = f.AciertosCondicion.Fila(fila);
    return std::any_of(cuentas, cuentas + 6, [](uint8_t v) { return v != 0; });
}
}  // namespace

int SubgruposActivos(const AjustesFiltros& f, int grupo) {
    int n = 0;
    for (int s = 1; s <= kSubgruposPorGrupo; ++s) n += SubgrupoActivo(f, FilaBaseGrupoRelacionado(grupo) + s) ? 1 : 0;
    return n;
}

int CondicionesMarcadas(const AjustesFiltros& f, int grupo) {
    int n = 0;
    for (int j = 1; j <= kSubgruposPorGrupo; ++j) n += CondicionMarcada(f, FilaBaseGrupoRelacionado(grupo) + j) ? 1 : 0;
    return n;
}

FalloGrupoRelacionado ValidarGruposRelacionados(const AjustesFiltros& f) {
    for (int g = 1; g <= kNumGruposRelacionados; ++g) {
        const int subgrupos = SubgruposActivos(f, g);
        const int condiciones = CondicionesMarcadas(f, g);
        if (condiciones > subgrupos) return {g, MotivoGrupoRelacionado::MasCondicionesQueSubgrupos};
        if (subgrupos > 0 && condiciones == 0) return {g, MotivoGrupoRelacionado::SubgrupoSinCondicion};
    }
    return {};
}

std::string MensajeFalloGrupoRelacionado(const FalloGrupoRelacionado& fallo) {
    const char* motivo = nullptr;
    switch (fallo.motivo) {
        case MotivoGrupoRelacionado::Ninguno: return {};
        case MotivoGrupoRelacionado::MasCondicionesQueSubgrupos:
            motivo = "No puede haber más condiciones que subgrupos activados";
            break;
        case MotivoGrupoRelacionado::SubgrupoSinCondicion:
            motivo = "Si activa un subgrupo, debe de haber al menos una condición marcada";
            break;
    }
    return "ERROR en GRUPO" + std::to_string(fallo.grupo) + " : " + motivo;
}

void EmpaquetarSubgrupos(AjustesFiltros& f) {
    for (int g = 1; g <= kNumGruposRelacionados; ++g) {
        const int base = FilaBaseGrupoRelacionado(g);
        int destino = base + 1;
        for (int s = 1; s <= kSubgruposPorGrupo; ++s) {
            const int origen = base + s;
            if (!SubgrupoActivo(f, origen)) continue;
            if (origen != destino) std::copy_n(f.NumerosSubgrupo.Fila(origen), 50, f.NumerosSubgrupo.Fila(destino));
            ++destino;
        }
        for (; destino <= base + kSubgruposPorGrupo; ++destino) std::fill_n(f.NumerosSubgrupo.Fila(destino), 50, 0);
    }
}
