#pragma once
// Rules of the two paged group editors (groups, groups in reserves): which
// page shows a group, the reserve counts and lists, and the checks made
// before the editor closes. Messages are returned as UTF-8 text.
#include <array>
#include <cstdint>
#include <string>

#include "ajustes_filtros.h"
#include "modelo.h"

constexpr int kGruposPorPagina = 3;
constexpr int kPaginasGrupos = kNumGrupos / kGruposPorPagina;

// The page (1..120) holding group n, or 0 when n is outside 1..360.
int PaginaDeGrupo(long long n);

// "ERROR: EL NUMERO DE GRUPO DEBE ESTAR ENTRE 1 y 360".
std::string MensajeRangoGrupo();

// The letter of reserve r (1..8 = 'A'..'H').
char LetraReserva(int r);

// Groups per reserve id 0..8 from the stored ids; ids outside 0..8 are not counted.
std::array<int, kNumReservas + 1> ContarGruposReserva(const Arreglo<uint8_t>& idGrupoReserva);

// The text listing the groups stored in reserve r (1..8).
std::string ListaGruposReserva(const Arreglo<uint8_t>& idGrupoReserva, int r);

// The first incomplete group of the groups filter as its message, or "" when
// every group is complete or empty.
std::string ValidarGrupos(const AjustesFiltros& f);

// Groups first (hit counts 0..6), then reserves A..H against the stored
// reserve ids; the first failure as its message, or "".
std::string ValidarGruposEnReservas(const AjustesFiltros& f);
