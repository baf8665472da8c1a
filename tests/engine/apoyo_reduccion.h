#pragma once
// Inputs, a recording window and one engine run for the reduction tests.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ayuda_tablas.h"
#include "controlador_reduccion.h"
#include "modelo.h"
#include "sesion.h"

using Fila = std::array<uint8_t, 5>;

// Records what the window would show, one text per event; runs of yields
// are folded into one "Y:count" entry. Calls `detener` at the yield number
// `cederHastaDetener` (0: never) and when the cycle caption `detenerEnCiclo`
// is shown. Throws at cycle 1000: only cycles that never yield (and so never
// see the stop) get that far.
class Registro : public ObservadorReduccion {
public:
    int64_t cesiones = 0;
    int64_t cederHastaDetener = 0;
    std::function<void()> detener;
    std::string detenerEnCiclo;

    void MostrarTipo(const std::string& t) override { Anotar("T:" + t); }
    void MostrarCiclo(const std::string& t) override {
        if (t == "1000") throw std::runtime_error("cycles that never yield");
        Anotar("C:" + t);
        if (t == detenerEnCiclo && detener) detener();
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
        return eventos_;
    }

private:
    void Anotar(std::string e) {
        Cerrar();
        eventos_.push_back(std::move(e));
    }
    void Cerrar() {
        if (seguidas_ > 0) eventos_.push_back("Y:" + std::to_string(seguidas_));
        seguidas_ = 0;
    }
    std::vector<std::string> eventos_;
    int64_t seguidas_ = 0;
    int ultimoProgreso_ = -1;
};

// Bets over `celdas` (ascending): the 5-element sets in lexicographic order,
// only those with one cell per position when `porPosicion`, each kept when
// `quedan` (given its number among those, from 1) says so. All valid when
// every 5-element set is kept.
inline void FijarBase(TablasSesion& t, const std::vector<Casilla>& celdas, bool porPosicion,
                      const std::function<bool(int32_t)>& quedan = nullptr) {
    const int N = static_cast<int>(celdas.size());
    t.gNumElementos = static_cast<int16_t>(N);
    t.gValorElemento.Redimensionar(1, t.gNumElementos);
    for (int e = 1; e <= N; ++e) t.gValorElemento[e] = celdas[e - 1];
    std::vector<Fila> filas;
    int32_t contador = 0;
    prueba::ParaCadaCincoDe(N, [&](int32_t, const Fila& f) {
        bool valida = true;
        for (int p = 0; p < 5 && porPosicion; ++p) valida &= PosicionDeCasilla(celdas[f[p] - 1]) == p + 1;
        if (valida && (!quedan || quedan(++contador))) filas.push_back(f);
    });
    t.gElementosApuesta.Redimensionar(static_cast<int32_t>(filas.size()));
    for (size_t j = 0; j < filas.size(); ++j) std::copy_n(filas[j].begin(), 5, t.gElementosApuesta.Fila(int32_t(j) + 1));
    t.gResultado.Redimensionar(0);
    t.gNumCombinaciones = static_cast<int32_t>(NumCombinaciones(t.gNumElementos, 5));
    t.gTodasValidas = static_cast<int32_t>(filas.size()) == t.gNumCombinaciones;
}

// The numbers made of the given digits at each position, ascending.
inline void BaseCartesiana(TablasSesion& t, std::array<std::vector<int>, 5> digitos,
                           const std::function<bool(int32_t)>& quedan = nullptr) {
    std::vector<Casilla> celdas;
    for (int p = 0; p < 5; ++p)
        for (int x : digitos[p]) celdas.push_back(CasillaDeDigito(static_cast<uint8_t>(x), static_cast<int16_t>(p + 1)));
    std::sort(celdas.begin(), celdas.end());
    FijarBase(t, celdas, true, quedan);
}

// The rows of gResultado, cells.
inline std::vector<Fila> FilasResultado(const TablasSesion& t) {
    std::vector<Fila> v(static_cast<size_t>(t.gResultado.Filas()));
    for (int32_t r = 1; r <= t.gResultado.Filas(); ++r) std::copy_n(t.gResultado.Fila(r), 5, v[r - 1].begin());
    return v;
}

struct Corrida {
    Registro registro;
    ResultadoReduccion resultado;
    std::vector<int32_t> orden;  // the processing order at the end
};

// One run of the controller; stop at the yield `detenerEn` or when the cycle
// caption `detenerEnCiclo` shows.
inline Corrida Reducir(TablasSesion& t, const OpcionesReduccion& o, int64_t detenerEn = 0,
                       const std::string& detenerEnCiclo = "") {
    Corrida c;
    FuenteAleatoria f;
    TablasReduccion entradas;
    EXPECT_TRUE(entradas.Construir(t, o.tipo));
    ControladorReduccion ctl(t, entradas, f);
    c.registro.cederHastaDetener = detenerEn;
    c.registro.detenerEnCiclo = detenerEnCiclo;
    c.registro.detener = [&ctl] { ctl.PulsarDetener(); };
    c.resultado = ctl.Ejecutar(o, c.registro, Cesion(c.registro.FuncionCeder()));
    EXPECT_TRUE(ctl.Detenido());
    c.orden.assign(entradas.gOrdenApuestas.Datos(), entradas.gOrdenApuestas.Datos() + entradas.NumApuestas() + 1);
    return c;
}
