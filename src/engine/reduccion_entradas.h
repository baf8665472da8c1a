#pragma once
// What a reduction works on: the conditioned numbers ("bets") as element
// sets and bit masks over the N selected cells, the score table and the
// processing order.
#include <cstdint>
#include <vector>

#include "aleatorio.h"
#include "arreglo.h"
#include "modelo.h"

struct TablasSesion;

// Types of reduction, by their index in the type list.
constexpr int kTipoReduccion5 = 0;  // "5 (n)"
constexpr int kTipoReduccion4 = 1;  // "4 (n-1)"
constexpr int kTipoReduccion3 = 2;  // "3 (n-2)"
constexpr int kTipoReduccion2 = 3;  // "2 (n-3)"
constexpr int kNumTiposReduccion = 4;
// The list text of each type, in list order.
extern const char* const kTextosTipoReduccion[kNumTiposReduccion];

// Above this many cells the "3 (n-2)" type is reduced sequentially.
constexpr int kMaxElementosTablaDirecta = 24;

// Int(n * x + 1) for the next value x of the source: a position 1..n.
inline int32_t PosicionAleatoria(FuenteAleatoria& fuente, int32_t n) {
    const auto r = static_cast<int32_t>(static_cast<double>(n) * fuente.Siguiente() + 1.0);
    return r > n ? n : r;
}

// x! in double precision; 0 when it is not defined (negative or fractional x)
// or does not fit in a double.
double Fact(double x);
// C(n, k) rounded to a whole number; 0 when n < k or k < 0.
int32_t COMBINAT(int16_t n, int16_t k);

class TablasReduccion {
public:
    // Builds the tables from the conditioned numbers of `tablas`
    // (gElementosApuesta, gNumElementos, gNumCombinaciones, gTodasValidas) for
    // the given reduction type. False, with everything cleared, when a row is
    // not 5 distinct ascending elements within 1..N, when two rows are equal,
    // or when N is outside 5..50.
    bool Construir(const TablasSesion& tablas, int tipo);
    void Borrar();

    int32_t NumApuestas() const { return n_; }   // n
    int16_t NumElementos() const { return N_; }  // N
    int Tipo() const { return tipo_; }
    // Every 5-element set of the N elements is a bet (checked against n).
    bool TodasValidas() const { return todasValidas_; }

    // The elements of bet j as bits 0..N-1 (element e is bit e - 1).
    uint64_t Mascara(int32_t j) const { return mascaras_[static_cast<size_t>(j)]; }
    // The five elements of bet j, ascending.
    const uint8_t* Elementos(int32_t j) const { return &elementos_[static_cast<size_t>(j) * kPosiciones]; }

    // Initial score of every bet, indexed by bet (1..n; -1 and 0 stay 0).
    Arreglo<int32_t> gPuntuaciones;
    // Processing order of the bets, 1..n (0 is never read).
    Arreglo<int32_t> gOrdenApuestas;

private:
    int32_t n_ = 0;
    int16_t N_ = 0;
    int tipo_ = -1;
    bool todasValidas_ = false;
    std::vector<uint64_t> mascaras_;  // 0..n
    std::vector<uint8_t> elementos_;  // 0..n, five per bet
};
