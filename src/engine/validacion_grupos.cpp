#include "validacion_grupos.h"

namespace {

int ContarCeldas(const Matriz<uint8_t>& numeros, int g) {
    int n = 0;
    for (int c = 1; c <= kCasillas; ++c) n += numeros(g, c) != 0 ? 1 : 0;
    return n;
}

int ContarAciertos(const Matriz<uint8_t>& aciertos, int g) {
    int n = 0;
    for (int k = aciertos.Inferior2(); k <= aciertos.Superior2(); ++k) n += aciertos(g, k) == 1 ? 1 : 0;
    return n;
}

std::string ErrorGrupo(int g, const char* texto) { return "ERROR en GRUPO" + std::to_string(g) + texto; }

const char* const kSinNumerosConAciertos = " : No ha marcado ningún número y hay aciertos seleccionados";
const char* const kSinAciertos = " : Debe rellenar al menos un acierto";

}  // namespace

int PaginaDeGrupo(long long n) {
    if (n < 1 || n > kNumGrupos) return 0;
    return static_cast<int>((n + kGruposPorPagina - 1) / kGruposPorPagina);
}

std::string MensajeRangoGrupo() {
    return "ERROR: EL NUMERO DE GRUPO DEBE ESTAR ENTRE 1 y " + std::to_string(kNumGrupos);
}

char LetraReserva(int r) { return static_cast<char>('A' + r - 1); }

std::array<int, kNumReservas + 1> ContarGruposReserva(const Arreglo<uint8_t>& idGrupoReserva) {
    std::array<int, kNumReservas + 1> cuenta{};
    for (int g = 1; g <= kNumGrupos; ++g) {
        const int id = idGrupoReserva[g];
        if (id <= kNumReservas) ++cuenta[static_cast<size_t>(id)];
    }
    return cuenta;
}

std::string ListaGruposReserva(const Arreglo<uint8_t>& idGrupoReserva, int r) {
    std::string lista;
    for (int g = 1; g <= kNumGrupos; ++g) {
        if (idGrupoReserva[g] != r) continue;
        if (!lista.empty()) lista += ',';
        lista += std::to_string(g);
    }
    const char letra = LetraReserva(r);
    if (lista.empty()) return std::string("No hay Grupos incluidos en Grupo Reserva ") + letra;
    return std::string("Nº de los Grupos incluidos en Grupo Reserva ") + letra + " : " + lista;
}

std::string ValidarGrupos(const AjustesFiltros& f) {
    for (int g = 1; g <= kNumGrupos; ++g) {
        const int celdas = ContarCeldas(f.NumerosGrupo, g);
        const int aciertos = ContarAciertos(f.AciertosGrupo, g);
        if (celdas > 0 && aciertos == 0) return ErrorGrupo(g, kSinAciertos);
        if (celdas == 0 && aciertos > 0) return ErrorGrupo(g, kSinNumerosConAciertos);
    }
    return {};
}

std::string ValidarGruposEnReservas(const AjustesFiltros& f) {
    for (int g = 1; g <= kNumGrupos; ++g) {
        const int celdas = ContarCeldas(f.NumerosGrupoReserva, g);
        const int aciertos = ContarAciertos(f.AciertosGrupoReserva, g);
        if (celdas == 0 && aciertos > 0) return ErrorGrupo(g, kSinNumerosConAciertos);
        if (celdas == 0 && f.IdGrupoReserva[g] != 0)
            return ErrorGrupo(g, " : No ha marcado ningún número y ningún acierto");
        if (celdas > 0 && aciertos == 0) return ErrorGrupo(g, kSinAciertos);
    }
    const auto grupos = ContarGruposReserva(f.IdGrupoReserva);
    for (int r = 1; r <= kNumReservas; ++r) {
        bool conAciertos = false;
        for (int k = 0; k <= kMaxAciertosReserva; ++k) conAciertos = conAciertos || f.AciertosReserva(r, k) == 1;
        const std::string titulo = std::string("ERROR en GRUPO RESERVA ") + LetraReserva(r);
        if (grupos[static_cast<size_t>(r)] == 0 && conAciertos)
            return titulo + " : No hay marcado ningún Grupo en Reserva y hay aciertos seleccionados";
        if (grupos[static_cast<size_t>(r)] != 0 && !conAciertos)
            return titulo + " : Hay marcado Grupos en Reserva y no hay aciertos seleccionados";
    }
    return {};
}
