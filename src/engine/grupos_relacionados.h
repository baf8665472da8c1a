#pragma once
// The rules of the related groups editor: every group's conditions must fit
// its active subgroups, and on leaving the active subgroups of each group are
// packed at the front of it, as the filter reads them.
#include <string>

#include "ajustes_filtros.h"

inline constexpr int kSubgruposPorGrupo = 6;
inline constexpr int kNumGruposRelacionados = kNumGrupos / kSubgruposPorGrupo;  // 60

enum class MotivoGrupoRelacionado {
    Ninguno,
    MasCondicionesQueSubgrupos,
    SubgrupoSinCondicion,
};

struct FalloGrupoRelacionado {
    int grupo = 0;  // 1..60, 0 when every group passes
    MotivoGrupoRelacionado motivo = MotivoGrupoRelacionado::Ninguno;
};

// First row of group g (1..60) in NumerosSubgrupo and AciertosCondicion.
inline constexpr int FilaBaseGrupoRelacionado(int grupo) { return (grupo - 1) * kSubgruposPorGrupo; }

// Subgroups with at least one chosen cell; conditions with any flag set.
int SubgruposActivos(const AjustesFiltros& f, int grupo);
int CondicionesMarcadas(const AjustesFiltros& f, int grupo);

// The first group, 1..60 in order, whose conditions do not fit.
FalloGrupoRelacionado ValidarGruposRelacionados(const AjustesFiltros& f);
// "ERROR en GRUPO<g> : <reason>"; empty when nothing failed.
std::string MensajeFalloGrupoRelacionado(const FalloGrupoRelacionado& fallo);

// Moves the active subgroups of every group to its first rows, in order,
// and empties the rows left over. Conditions stay where they are.
void EmpaquetarSubgrupos(AjustesFiltros& f);
