#pragma once
// Coverage scores of the covering reduction. The ball of a bet of radius r
// (0, 2 or 4 bits) holds the bets that share at least 5 - r / 2 elements with
// it, itself included; a bet's score is how many bets of its ball are still
// uncovered. Within a cycle the scores are kept in processing order, so the
// pick of the next bet reads them front to back.
#include <cstdint>
#include <vector>

#include "arreglo.h"
#include "vecindario.h"

class TablasReduccion;

class CoberturaEnCurso {
public:
    // Gets the neighbourhood of the given radius ready.
    void Preparar(const TablasReduccion& tablas, int radio);

    // The number of bets in the ball of bet j, j itself included.
    int32_t TamanoBola(int32_t j) const;

    // Starts a cycle: the scores of `puntuaciones` (by bet) laid out in the
    // processing order `orden` (1..n), nothing covered yet.
    void EmpezarCiclo(const Arreglo<int32_t>& orden, const Arreglo<int32_t>& puntuaciones);

    int32_t Puntuacion(int32_t pos) const { return puntos_[static_cast<size_t>(pos)]; }
    // First position >= desde whose score is at least x; n + 1 when none.
    int32_t PrimeroAlMenos(int32_t desde, int32_t x);
    // The highest score at positions desde..n; INT32_MIN when there are none.
    int32_t MaximoDesde(int32_t desde);
    // The bet at position pos was picked: every bet of its ball not covered
    // before is now covered and leaves the score of every bet whose ball holds it.
    void Cubrir(int32_t pos);

private:
    template <class F>
    void ParaCadaVecinoPosicion(int32_t pos, F&& f) const;
    int32_t MaximoBloque(size_t b) const;
    // The bet at pos was newly covered: every bet of its ball loses one.
    void DescontarBola(int32_t pos);

    int radio_ = 0;
    int comunes_ = 5;
    int32_t n_ = 0;
    const TablasReduccion* tablas_ = nullptr;
    VecindarioApuestas vecindario_;

    // Everything below is indexed by position in the processing order.
    std::vector<int32_t> puntos_;       // 0..n+1
    std::vector<int32_t> techo_;        // per block of positions: at least its highest score
    std::vector<uint8_t> cubierta_;     // 0..n
    std::vector<uint64_t> mascaras_;    // 0..n
    std::vector<int32_t> grupos_;       // per position, the groups of its bet
    std::vector<int32_t> miembros_;     // the neighbourhood's members as positions
    std::vector<int32_t> posicionDe_;   // bet -> position
};
