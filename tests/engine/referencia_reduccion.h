#pragma once
// A slow, plain version of the reduction: bets compared element by element,
// every score recounted from scratch, each pick found by scanning for the
// first highest score, first fits comparing every kept bet. The engine's
// reduction must give exactly what this gives: same bets, same order, same
// counts, same texts, same yields. Random shuffles are left out: their order
// cannot be compared.
#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "aleatorio.h"
#include "controlador_reduccion.h"
#include "sesion.h"

using Fila = std::array<uint8_t, 5>;

class ReferenciaReduccion {
public:
    explicit ReferenciaReduccion(const TablasSesion& t) : t_(t) {}

    bool Detener = true;
    double Ciclo = 0;
    std::vector<Fila> Resultado;  // the cells of each bet, as gResultado

    void Ejecutar(const OpcionesReduccion& o, ObservadorReduccion& obs, std::function<void()> ceder) {
        obs_ = &obs;
        ceder_ = std::move(ceder);
        o_ = o;
        n_ = t_.gElementosApuesta.Filas();
        mascaras_.assign(n_ + 1, 0);
        celdas_.resize(n_ + 1);
        orden_.resize(n_ + 1);
        std::iota(orden_.begin(), orden_.end(), 0);
        for (int32_t j = 1; j <= n_; ++j)
            for (int p = 1; p <= 5; ++p) {
                mascaras_[j] |= uint64_t{1} << t_.gElementosApuesta(j, p);
                celdas_[j][p - 1] = t_.gValorElemento[t_.gElementosApuesta(j, p)];
            }
        obs.MostrarProgreso(0);
        Detener = false;
        obs.MostrarCiclo("0");
        obs.MostrarTipo(kTextosTipoReduccion[o.tipo]);
        obs.MostrarNumeros(n_, "");
        const OpcionesNormalizadas normalizadas = NormalizarOpciones(o.porcentaje, o.numApuestas);
        porcentaje_ = o.conApuestasExactas ? 100 : normalizadas.porcentajeObjetivo;
        apuestas_ = normalizadas.apuestasObjetivo;
        // Type t (0 to 3) keeps a bet for every number sharing 5 - t elements with it.
        comunes_ = 5 - o.tipo;
        if (o.tipo == 0 || o.tipo == 1 || (o.tipo == 2 && t_.gNumElementos <= 24)) Cobertura();
        else Secuencial(!o.modoApuestas && porcentaje_ != 100);
        obs.MostrarProgreso(0);
        Detener = true;
        if (o.conApuestasExactas && Ciclo > 0) {
            obs.EmpezarAjuste(kTituloAjuste);
            obs.MostrarProgreso(0);
            Ajustar();
        }
    }

private:
    bool Cubre(int32_t a, int32_t b) const { return std::popcount(mascaras_[a] & mascaras_[b]) >= comunes_; }
    bool CederYVerSiDetener() {
        ceder_();
        return Detener;
    }

    void Cobertura() {
        std::vector<int32_t> iniciales(n_ + 1);
        if (!t_.gTodasValidas) {
            obs_->MostrarCiclo(kCicloAnalizando);
            ceder_();
        }
        for (int32_t j = 1; j <= n_; ++j) {
            if (!t_.gTodasValidas && j % 800 == 0) {
                obs_->MostrarProgreso(static_cast<int>(int64_t{100} * j / n_));
                if (CederYVerSiDetener()) {
                    obs_->MostrarCiclo("0");
                    return;
                }
            }
            for (int32_t b = 1; b <= n_; ++b) iniciales[j] += Cubre(j, b);
        }
        obs_->MostrarProgreso(0);
        obs_->MostrarCiclo("0");
        mejor_ = n_ + 1;
        // Two elements swapped twice: one yield per 4 of the N elements.
        const int32_t cesionesPorEleccion = comunes_ == 3 ? COMBINAT(t_.gNumElementos, 4) : 0;
        for (;;) {
            std::vector<int32_t> punt = iniciales, elegidas;
            std::vector<bool> cubierta(n_ + 1);
            int64_t cubiertas = 0;
            int32_t num = 0;
            for (;;) {
                int32_t elegida = orden_[1];
                for (int32_t k = 2; k <= n_; ++k)
                    if (punt[orden_[k]] > punt[elegida]) elegida = orden_[k];
                cubiertas += punt[elegida];
                if (++num >= mejor_) break;
                for (int32_t v = 1; v <= n_; ++v) {
                    if (cubierta[v] || !Cubre(v, elegida)) continue;
                    cubierta[v] = true;
                    for (int32_t w = 1; w <= n_; ++w) punt[w] -= Cubre(w, v);
                }
                for (int32_t q = 0; q < cesionesPorEleccion; ++q) ceder_();
                elegidas.push_back(elegida);
                const int pct = static_cast<int>(100 * cubiertas / n_);
                obs_->MostrarProgreso(pct);
                if (CederYVerSiDetener()) return;
                if (!o_.modoApuestas || o_.conApuestasExactas) {
                    if (pct >= porcentaje_) break;
                } else if (pct > 99 || (!o_.conCiclos && num == apuestas_)) {
                    break;
                }
            }
            SiguienteCiclo();
            if (num < mejor_) {
                Publicar(elegidas, Ciclo);
                if (num == 1) return;
                if (o_.modoApuestas && !o_.conApuestasExactas && num <= apuestas_) return;
            }
            Barajar();
            if (!o_.conCiclos) return;
        }
    }

    // First fit (porPorcentaje false): a bet is kept unless a kept bet covers
    // it. By percentage: the same, until the asked share is covered.
    void Secuencial(bool porPorcentaje) {
        mejor_ = n_ + 1;
        const int32_t periodo = porPorcentaje || apuestas_ < 1000 ? 1 : 1000;
        while (!Detener) {
            std::vector<int32_t> g;
            std::vector<bool> cubierta(n_ + 1);
            int64_t cubiertas = 0;
            auto guardar = [&](int32_t c) {
                g.push_back(c);
                for (int32_t b = 1; b <= n_; ++b) {
                    cubiertas += !cubierta[b] && Cubre(b, c);
                    cubierta[b] = cubierta[b] || Cubre(b, c);
                }
            };
            if (!porPorcentaje) guardar(orden_[1]);
            bool abandonado = false, cedido = false;
            for (int32_t i = porPorcentaje ? 1 : 2; i <= n_; ++i) {
                obs_->MostrarProgreso(static_cast<int>(int64_t{100} * i / n_));
                if (i % periodo == 0) {
                    cedido = true;
                    if (CederYVerSiDetener()) return;
                }
                const int32_t c = orden_[i];
                if (cubierta[c]) continue;
                if (o_.modoApuestas && int32_t(g.size()) == apuestas_) break;
                abandonado = int32_t(g.size()) + 1 > mejor_;
                if (abandonado) break;
                guardar(c);
                if (porPorcentaje && 100 * cubiertas / n_ >= porcentaje_) break;
            }
            const int32_t cuenta = int32_t(g.size());
            if (!abandonado && cuenta < mejor_) Publicar(g, Ciclo + 1);
            SiguienteCiclo();
            if (!abandonado && ((!o_.modoApuestas && !o_.conCiclos) || cuenta == 1 ||
                                (o_.modoApuestas && !o_.conApuestasExactas && cuenta <= apuestas_)))
                return;
            Barajar();
            obs_->MostrarProgreso(0);
            // By percentage every cycle ends with a yield; a first fit only
            // when it never yielded.
            if ((!cedido || porPorcentaje) && CederYVerSiDetener()) return;
        }
    }

    void Publicar(const std::vector<int32_t>& g, double ciclo) {
        const int32_t cuenta = int32_t(g.size());
        obs_->MostrarNumeros(cuenta, kAyudaCiclo + std::to_string(static_cast<int64_t>(ciclo)));
        mejor_ = cuenta;
        obs_->MostrarReducidas(cuenta);
        Resultado.clear();
        for (int32_t j : g) Resultado.push_back(celdas_[j]);
    }
    void SiguienteCiclo() {
        Ciclo += 1;
        obs_->MostrarCiclo(std::to_string(static_cast<int64_t>(Ciclo)));
    }
    void Barajar() {
        rnd_.Reiniciar();
        rnd_.Sembrar(Ciclo + 1234);
        for (int32_t i = 1; i <= n_; ++i) std::swap(orden_[i], orden_[static_cast<int32_t>(n_ * rnd_.Siguiente() + 1)]);
    }

    // Exact bets: the first rows of a larger result, or the result topped up
    // with conditioned numbers in the order of three shuffles of all 5-of-50
    // sets, as many as there are.
    void Ajustar() {
        const int32_t u = int32_t(Resultado.size());
        if (u == apuestas_) return;
        if (u > apuestas_) {
            Resultado.resize(apuestas_);
        } else {
            constexpr int32_t T = kMaxCombinaciones;
            std::vector<uint8_t> candidata(T + 1);
            std::vector<int32_t> orden(T + 1);
            std::iota(orden.begin(), orden.end(), 0);
            for (int32_t j = 1; j <= n_; ++j) candidata[IndiceDeCombinacion(5, 50, celdas_[j])] = 1;
            for (const Fila& f : Resultado) candidata[IndiceDeCombinacion(5, 50, f)] = 0;
            rnd_.Reiniciar();
            rnd_.Sembrar(1);
            for (int32_t k = 0; k < 3 * T; ++k) {
                const int32_t i = k % T + 1;
                CederCada(i, 52000);
                std::swap(orden[i], orden[static_cast<int32_t>(rnd_.Siguiente() * T + 1)]);
            }
            for (int32_t i = 1; i <= T && int32_t(Resultado.size()) < apuestas_; ++i) {
                CederCada(i, 15000);
                if (!candidata[orden[i]]) continue;
                CombinacionDeIndice(orden[i], 5, 50, Resultado.emplace_back());
            }
        }
        obs_->MostrarReducidas(int32_t(Resultado.size()));
    }
    void CederCada(int32_t i, int32_t periodo) {
        if (i % periodo != 0) return;
        obs_->MostrarProgreso(static_cast<int>(int64_t{100} * i / kMaxCombinaciones));
        ceder_();
    }

    const TablasSesion& t_;
    FuenteAleatoria rnd_;
    ObservadorReduccion* obs_ = nullptr;
    std::function<void()> ceder_;
    OpcionesReduccion o_;
    int32_t n_ = 0, mejor_ = 0, apuestas_ = 1;
    int comunes_ = 5;
    int16_t porcentaje_ = 100;
    std::vector<uint64_t> mascaras_;
    std::vector<Fila> celdas_;
    std::vector<int32_t> orden_;
};
