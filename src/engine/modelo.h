#pragma once
// The number model: cell codes, element indices, the tables that hold a base
// and its numbers, and the combinatorics over 5-of-50 sets.
#include <cstdint>
#include <span>

#include "arreglo.h"

// A digit at a position, 1..50: (position - 1) * 10 + digit + 1.
using Casilla = uint8_t;
// An index 1..N into gValorElemento (the selected cells, ascending).
using Elemento = uint8_t;

constexpr int kPosiciones = 5;
constexpr int kCasillas = 50;
constexpr int32_t kMaxCombinaciones = 2118760;  // C(50,5), also the import limit

Casilla CasillaDeDigito(uint8_t digito, int16_t posicion);
uint8_t DigitoDeCasilla(uint8_t casilla);
inline int PosicionDeCasilla(Casilla c) { return (c - 1) / 10 + 1; }

// C(n,k) as a double, 0 when 0 <= n < k.
double NumCombinaciones(int16_t n, int16_t k);
// The b - c factors a * (a - 1) * ...; 1 when c = b.
double ProductoDescendente(int16_t a, int16_t b, int16_t c);
// (n - k + 1) * ... * n / k!, 1 when k < 1.
double Binomial(int32_t n, int32_t k);

// comb[0..k-1] stands for comb(1..k) of the documented routines.
void CombinacionDeIndice(int32_t idx, int16_t k, int16_t n, std::span<uint8_t> comb);
int32_t IndiceDeCombinacion(int16_t k, int16_t n, std::span<const uint8_t> comb);

// Rows of five values, rows 1..C and columns 1..5 in one block. The two
// aliases keep elements and cells apart: a TablaCombinaciones never holds
// cells and a TablaNumeros never holds elements.
template <class Etiqueta>
class TablaCinco : public Matriz<uint8_t> {
public:
    TablaCinco() = default;
    explicit TablaCinco(int32_t filas) { Redimensionar(filas); }
    void Redimensionar(int32_t filas) { Matriz::Redimensionar(1, filas, 1, kPosiciones); }
    int32_t Filas() const { return Superior1() >= 1 ? Superior1() : 0; }
};
struct EtiquetaElementos;
struct EtiquetaCasillas;
using TablaCombinaciones = TablaCinco<EtiquetaElementos>;
using TablaNumeros = TablaCinco<EtiquetaCasillas>;

// One flag per combination row, indexed -1..C. Entry -1 is always 1 so that
// a failed lookup (index -1) reads as eliminated.
class MarcasEliminacion : public Arreglo<uint8_t> {
public:
    // Re-dimensions to -1..filas with every row live.
    void Preparar(int32_t filas) {
        Redimensionar(-1, filas);
        (*this)[-1] = 1;
    }
};
