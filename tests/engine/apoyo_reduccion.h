#pragma once
// Inputs and a recording window for the reduction tests.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "controlador_reduccion.h"
#include "modelo.h"
#include "sesion.h"

// Records what the window would show, one text per event; runs of yields
// are folded into one "Y:count" entry. Calls `detener` at the yield number
// `cederHastaDetener` (0: never) and when the cycle caption `detenerEnCiclo`
// is shown. Throws at cycle 1000: only cycles that never yield (and so never
// see the stop) get that far.
class Registro : public ObservadorReduccion {
public:
    std::vector<std::string> eventos;
    int64_t cesiones = 0;
    int64_t cederHastaDetener = 0;
    std::function<void()> detener;
    std::string detenerEnCiclo;

    void MostrarTipo(const std::string& t) override { Anotar("T:" + t); }
    void MostrarCiclo(const std::string& t) override {
        if (t == "1000") throw std::runtime_error("cycles that never yield");
        Anotar("C:" + t);
        if (!detenerEnCiclo.empty() && t == detenerEnCiclo && detener) detener();
    }
    void MostrarNumeros(int32_t c, const std::string& a) override { Anotar("N:" + std::to_string(c) + "|" + a); }
    void MostrarProgreso(int p) override {
        // The engine sends only changes; the same value twice is not an event.
        if (p == ultimoProgreso_) return;
        ultimoProgreso_ = p;
        Anotar("P:" + std::to_string(p));
    }
    void MostrarReducidas(int32_t c) override { Anotar("R:" + std::to_string(c)); }
    void EmpezarAjuste(const std::string& t) override { Anotar("A:" + t); }

    std::function<void()> FuncionCeder() {
        return [this] {
            ++seguidas_;
            if (++cesiones == cederHastaDetener && detener) detener();
        };
    }
    // The events with any pending yields folded in.
    std::vector<std::string> Todo() {
        Cerrar();
        return eventos;
    }

private:
    void Anotar(std::string e) {
        Cerrar();
        eventos.push_back(std::move(e));
    }
    void Cerrar() {
        if (seguidas_ > 0) eventos.push_back("Y:" + std::to_string(seguidas_));
        seguidas_ = 0;
    }
    int64_t seguidas_ = 0;
    int ultimoProgreso_ = -1;
};

// Cells ascending -> gValorElemento, gNumElementos.
inline void FijarCeldas(TablasSesion& t, const std::vector<Casilla>& celdas) {
    t.gNumElementos = static_cast<int16_t>(celdas.size());
    t.gValorElemento.Redimensionar(1, t.gNumElementos);
    for (int e = 1; e <= t.gNumElementos; ++e) t.gValorElemento[e] = celdas[e - 1];
}

inline void FijarApuestas(TablasSesion& t, const std::vector<std::array<uint8_t, 5>>& filas) {
    t.gElementosApuesta.Redimensionar(static_cast<int32_t>(filas.size()));
    for (size_t j = 0; j < filas.size(); ++j)
        for (int p = 0; p < 5; ++p) t.gElementosApuesta(static_cast<int32_t>(j) + 1, p + 1) = filas[j][p];
    t.gResultado.Redimensionar(0);
}

// The numbers made of the given digits at each position, in ascending order
// (which is the lexicographic order of their element sets). `quedan` (when
// given) decides which of them survive the conditions.
inline void BaseCartesiana(TablasSesion& t, std::array<std::vector<int>, 5> digitos,
                           const std::function<bool(int32_t)>& quedan = nullptr) {
    std::vector<Casilla> celdas;
    std::array<int, 5> base{};  // elements before each position
    for (int p = 0; p < 5; ++p) {
        std::sort(digitos[p].begin(), digitos[p].end());
        base[p] = static_cast<int>(celdas.size());
        for (int x : digitos[p]) celdas.push_back(CasillaDeDigito(static_cast<uint8_t>(x), static_cast<int16_t>(p + 1)));
    }
    FijarCeldas(t, celdas);
    std::vector<std::array<uint8_t, 5>> filas;
    const auto tam = [&](int p) { return static_cast<int>(digitos[p].size()); };
    std::array<int, 5> i{};
    int32_t contador = 0;
    for (i[0] = 0; i[0] < tam(0); ++i[0])
        for (i[1] = 0; i[1] < tam(1); ++i[1])
            for (i[2] = 0; i[2] < tam(2); ++i[2])
                for (i[3] = 0; i[3] < tam(3); ++i[3])
                    for (i[4] = 0; i[4] < tam(4); ++i[4]) {
                        if (quedan && !quedan(++contador)) continue;
                        std::array<uint8_t, 5> f{};
                        for (int p = 0; p < 5; ++p) f[p] = static_cast<uint8_t>(base[p] + i[p] + 1);
                        filas.push_back(f);
                    }
    FijarApuestas(t, filas);
    t.gNumCombinaciones = static_cast<int32_t>(NumCombinaciones(t.gNumElementos, 5));
    t.gTodasValidas = false;
}

// A random share of the 5-element sets of N elements (cells 1..N), in
// lexicographic order, at least one; every set when `proporcion` is 1 (and
// then all of them are valid bets).
inline void BaseDispersa(TablasSesion& t, int N, double proporcion, std::mt19937& g) {
    std::vector<Casilla> celdas;
    for (int c = 1; c <= N; ++c) celdas.push_back(static_cast<Casilla>(c));
    FijarCeldas(t, celdas);
    std::vector<std::array<uint8_t, 5>> filas;
    std::bernoulli_distribution quedar(proporcion);
    std::array<uint8_t, 5> f{};
    for (f[0] = 1; f[0] <= N; ++f[0])
        for (f[1] = f[0] + 1; f[1] <= N; ++f[1])
            for (f[2] = f[1] + 1; f[2] <= N; ++f[2])
                for (f[3] = f[2] + 1; f[3] <= N; ++f[3])
                    for (f[4] = f[3] + 1; f[4] <= N; ++f[4])
                        if (proporcion >= 1 || quedar(g)) filas.push_back(f);
    if (filas.empty()) filas.push_back({1, 2, 3, 4, 5});
    FijarApuestas(t, filas);
    t.gNumCombinaciones = static_cast<int32_t>(NumCombinaciones(t.gNumElementos, 5));
    t.gTodasValidas = proporcion >= 1;
}

// The rows of gResultado, cells.
inline std::vector<std::array<uint8_t, 5>> FilasResultado(const TablasSesion& t) {
    std::vector<std::array<uint8_t, 5>> v(static_cast<size_t>(t.gResultado.Filas()));
    for (int32_t r = 1; r <= t.gResultado.Filas(); ++r) std::copy_n(t.gResultado.Fila(r), 5, v[r - 1].begin());
    return v;
}
