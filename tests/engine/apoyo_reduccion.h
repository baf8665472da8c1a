#pragma once
// Inputs and a recording window for the reduction tests.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "controlador_reduccion.h"
#include "modelo.h"
#include "sesion.h"

// Records what the window would show, one text per event; runs of yields
// are folded into one "Y:count" entry. Calls `detener` at the yield number
// `cederHastaDetener` (0: never).
class Registro : public ObservadorReduccion {
public:
    std::vector<std::string> eventos;
    int64_t cesiones = 0;
    int64_t cederHastaDetener = 0;
    std::function<void()> detener;
    std::string detenerEnCiclo;  // also stop once this cycle caption is shown

    void MostrarTipo(const std::string& t) override { Anotar("T:" + t); }
    void MostrarCiclo(const std::string& t) override {
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

    void Ceder() {
        ++cesiones;
        ++seguidas_;
        if (cederHastaDetener != 0 && cesiones == cederHastaDetener && detener) detener();
    }
    std::function<void()> FuncionCeder() {
        return [this] { Ceder(); };
    }
    // The events with any pending yields folded in.
    std::vector<std::string> Todo() {
        Cerrar();
        return eventos;
    }
    bool Contiene(const std::string& e) {
        const auto v = Todo();
        return std::find(v.begin(), v.end(), e) != v.end();
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
    for (int e = 1; e <= t.gNumElementos; ++e) t.gValorElemento[e] = celdas[static_cast<size_t>(e - 1)];
}

inline void FijarApuestas(TablasSesion& t, const std::vector<std::array<uint8_t, 5>>& filas) {
    t.gElementosApuesta.Redimensionar(static_cast<int32_t>(filas.size()));
    for (size_t j = 0; j < filas.size(); ++j)
        for (int p = 0; p < 5; ++p) t.gElementosApuesta(static_cast<int32_t>(j) + 1, p + 1) = filas[j][static_cast<size_t>(p)];
    t.gResultado.Redimensionar(0);
}

// The numbers made of the given digits at each position, in ascending order
// (which is the lexicographic order of their element sets). `quedan` (when
// given) decides which of them survive the conditions.
inline void BaseCartesiana(TablasSesion& t, const std::array<std::vector<int>, 5>& digitos,
                           const std::function<bool(int32_t)>& quedan = nullptr) {
    std::vector<Casilla> celdas;
    for (int p = 0; p < 5; ++p) {
        auto d = digitos[static_cast<size_t>(p)];
        std::sort(d.begin(), d.end());
        for (int x : d) celdas.push_back(CasillaDeDigito(static_cast<uint8_t>(x), static_cast<int16_t>(p + 1)));
    }
    FijarCeldas(t, celdas);
    std::array<int, 5> base{};
    for (int p = 1; p < 5; ++p) base[static_cast<size_t>(p)] = base[static_cast<size_t>(p - 1)] + static_cast<int>(digitos[static_cast<size_t>(p - 1)].size());
    std::vector<std::array<uint8_t, 5>> filas;
    std::array<int, 5> i{};
    const auto tam = [&](int p) { return static_cast<int>(digitos[static_cast<size_t>(p)].size()); };
    int32_t contador = 0;
    for (i[0] = 0; i[0] < tam(0); ++i[0])
        for (i[1] = 0; i[1] < tam(1); ++i[1])
            for (i[2] = 0; i[2] < tam(2); ++i[2])
                for (i[3] = 0; i[3] < tam(3); ++i[3])
                    for (i[4] = 0; i[4] < tam(4); ++i[4]) {
                        ++contador;
                        if (quedan && !quedan(contador)) continue;
                        std::array<uint8_t, 5> f{};
                        for (int p = 0; p < 5; ++p) f[static_cast<size_t>(p)] = static_cast<uint8_t>(base[static_cast<size_t>(p)] + i[static_cast<size_t>(p)] + 1);
                        filas.push_back(f);
                    }
    FijarApuestas(t, filas);
    t.gNumCombinaciones = static_cast<int32_t>(NumCombinaciones(t.gNumElementos, 5));
    t.gTodasValidas = false;
}

// Every 5-element set of N elements (cells 1..N): all of them are bets.
inline void BaseCompleta(TablasSesion& t, int N) {
    std::vector<Casilla> celdas;
    for (int c = 1; c <= N; ++c) celdas.push_back(static_cast<Casilla>(c));
    FijarCeldas(t, celdas);
    std::vector<std::array<uint8_t, 5>> filas;
    std::array<uint8_t, 5> f{};
    for (f[0] = 1; f[0] <= N; ++f[0])
        for (f[1] = f[0] + 1; f[1] <= N; ++f[1])
            for (f[2] = f[1] + 1; f[2] <= N; ++f[2])
                for (f[3] = f[2] + 1; f[3] <= N; ++f[3])
                    for (f[4] = f[3] + 1; f[4] <= N; ++f[4]) filas.push_back(f);
    FijarApuestas(t, filas);
    t.gNumCombinaciones = static_cast<int32_t>(filas.size());
    t.gTodasValidas = true;
}

// A random share of the 5-element sets of N elements (cells 1..N), in
// lexicographic order; at least one.
inline void BaseDispersa(TablasSesion& t, int N, double proporcion, std::mt19937& g) {
    BaseCompleta(t, N);
    std::vector<std::array<uint8_t, 5>> filas;
    std::bernoulli_distribution quedar(proporcion);
    for (int32_t j = 1; j <= t.gElementosApuesta.Filas(); ++j)
        if (quedar(g) || (j == t.gElementosApuesta.Filas() && filas.empty())) {
            std::array<uint8_t, 5> f{};
            for (int p = 0; p < 5; ++p) f[static_cast<size_t>(p)] = t.gElementosApuesta(j, p + 1);
            filas.push_back(f);
        }
    FijarApuestas(t, filas);
    t.gTodasValidas = false;
}

// The rows of gResultado, cells.
inline std::vector<std::array<uint8_t, 5>> FilasResultado(const TablasSesion& t) {
    std::vector<std::array<uint8_t, 5>> v;
    for (int32_t r = 1; r <= t.gResultado.Filas(); ++r) {
        std::array<uint8_t, 5> f{};
        for (int p = 0; p < 5; ++p) f[static_cast<size_t>(p)] = t.gResultado(r, p + 1);
        v.push_back(f);
    }
    return v;
}

// The rows of gResultado as 5-digit texts.
inline std::vector<std::string> Numeros(const TablasSesion& t) {
    std::vector<std::string> v;
    for (int32_t r = 1; r <= t.gResultado.Filas(); ++r) {
        std::string s;
        for (int p = 1; p <= 5; ++p) s += static_cast<char>('0' + DigitoDeCasilla(t.gResultado(r, p)));
        v.push_back(s);
    }
    return v;
}
