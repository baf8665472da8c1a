#pragma once
// Bets grouped by each of their m-element subsets. Two bets share at least m
// elements exactly when they meet in some group, so the bets near a bet are
// read from a few short lists instead of being searched for among all bets.
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

class TablasReduccion;

class VecindarioApuestas {
public:
    // m = how many elements two bets must share to be neighbours (2..5).
    void Construir(const TablasReduccion& tablas, int m);

    // C(5, m): the groups each bet belongs to.
    int GruposPorApuesta() const { return porApuesta_; }
    int32_t NumGrupos() const { return static_cast<int32_t>(inicio_.size()) - 1; }
    // The groups of bet j (GruposPorApuesta() of them, in the order of Patron).
    const int32_t* Grupos(int32_t j) const { return &grupos_[static_cast<size_t>(j) * porApuesta_]; }
    std::span<const int32_t> Miembros(int32_t g) const {
        return {miembros_.data() + inicio_[static_cast<size_t>(g)],
                static_cast<size_t>(inicio_[static_cast<size_t>(g) + 1] - inicio_[static_cast<size_t>(g)])};
    }
    int32_t TamanoGrupo(int32_t g) const { return inicio_[static_cast<size_t>(g) + 1] - inicio_[static_cast<size_t>(g)]; }

    // Raw layout, for copies relabelled into another index space.
    const std::vector<int32_t>& Inicio() const { return inicio_; }
    const std::vector<int32_t>& MiembrosPlanos() const { return miembros_; }
    const std::vector<int32_t>& GruposPlanos() const { return grupos_; }

    // Which of a bet's five elements (lowest first) form its t-th group.
    uint32_t Patron(int t) const { return patrones_[static_cast<size_t>(t)]; }

private:
    int porApuesta_ = 0;
    std::vector<uint32_t> patrones_;
    std::vector<int32_t> inicio_;    // group g holds miembros_[inicio_[g] .. inicio_[g+1])
    std::vector<int32_t> miembros_;  // bets
    std::vector<int32_t> grupos_;    // per bet 0..n, porApuesta_ each
};

// The lowest m set bits of x.
inline uint64_t BitsMasBajos(uint64_t x, int m) {
    uint64_t resto = x;
    for (int i = 0; i < m && resto != 0; ++i) resto &= resto - 1;
    return x ^ resto;
}

// The elements of `mascara` picked by a five-bit pattern (bit i = the i-th
// lowest element).
inline uint64_t SubMascara(uint64_t mascara, uint32_t patron) {
    uint64_t resultado = 0;
    for (int i = 0; i < 5 && mascara != 0; ++i) {
        const uint64_t bit = mascara & (~mascara + 1);
        if (patron & (1u << i)) resultado |= bit;
        mascara ^= bit;
    }
    return resultado;
}
