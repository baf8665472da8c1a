#pragma once
// A slow, literal transcription of the reduction: code tables of doubles,
// binary searches, balls enumerated by flipping bits of the vector under
// examination, earlier picks compared bit by bit, sequential methods that
// compare every kept bet. The engine's reduction must give exactly what this
// gives: same bets, same order, same counts, same texts, same yields.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "aleatorio.h"
#include "controlador_reduccion.h"
#include "modelo.h"
#include "sesion.h"

class ReferenciaReduccion {
public:
    ReferenciaReduccion(TablasSesion& t, FuenteAleatoria& f) : t_(t), rnd_(f) {}

    bool Detener = true;

    // Build of the inputs, before the window opens.
    void Construir(int L) {
        N = t_.gNumElementos;
        n = t_.gElementosApuesta.Filas();
        const int64_t S = N <= 24 ? (int64_t{1} << N) : t_.gNumCombinaciones;
        gPuntuaciones.assign(S + 2, 0);
        gVectorActual.assign(N + 1, 0);
        gNumApuestas = 0;
        gBitsApuestas.clear();
        gCodigosApuestas.clear();
        if (L == 0 || L == 1 || (N <= 24 && L == 2)) {
            gBitsApuestas.assign(size_t(n + 1) * (N + 1), 0);
            gNumApuestas = n;
            for (int32_t j = 1; j <= n; ++j)
                for (int p = 1; p <= 5; ++p) Bit(j, t_.gElementosApuesta(j, p)) = 1;
            if (N <= 24) {
                gCodigosApuestas.assign((int64_t{1} << N) + 1, 0.0);
                for (int32_t j = 1; j <= n; ++j) gCodigosApuestas[int64_t(CodigoFila(j))] = 1.0;
            } else {
                gCodigosApuestas.assign(n + 1, 0.0);
                for (int32_t j = 1; j <= n; ++j) gCodigosApuestas[n - j + 1] = CodigoFila(j);
                gCodigoMinimo = 32;
                gCodigoMaximo = gCodigosApuestas[n];
            }
        }
        gOrdenApuestas.assign(n + 1, 0);
        for (int32_t k = 1; k <= n; ++k) gOrdenApuestas[k] = k;
    }

    // The window's activation: the whole run.
    void Ejecutar(const OpcionesReduccion& o, ObservadorReduccion& obs, std::function<void()> ceder) {
        obs_ = &obs;
        ceder_ = std::move(ceder);
        obs.MostrarProgreso(0);
        IniciarReduccion(o);
        if (ConApuestasExactas && Ciclo > 0) {
            obs.EmpezarAjuste(kTituloAjuste);
            obs.MostrarProgreso(0);
            AjustarApuestas();
        }
    }

    double Ciclo = 0;
    std::string txtPorcentaje, txtNUApuestas;

private:
    // ---- inputs -------------------------------------------------------
    uint8_t& Bit(int32_t j, int e) { return gBitsApuestas[size_t(j) * (N + 1) + e]; }
    double CodigoFila(int32_t j) {
        double c = 0.0;
        for (int e = 1; e <= N; ++e) c = c * 2 + Bit(j, e);
        return c + 1.0;
    }
    double CodigoVector() {
        double c = 0.0;
        for (int e = 1; e <= N; ++e) c = c * 2 + gVectorActual[e];
        return c + 1.0;
    }
    int32_t& Punt(int64_t i) { return gPuntuaciones[i + 1]; }

    int64_t BusquedaBinaria(double c) {
        if (N <= 24) return gCodigosApuestas[int64_t(c)] == 1.0 ? int64_t(c) : -1;
        if (c < gCodigoMinimo || c > gCodigoMaximo) return -1;
        int64_t lo = 1, hi = gNumApuestas;
        while (lo <= hi) {
            const int64_t s = lo + hi;
            int64_t mid = s / 2;
            if (s % 2 != 0 && mid % 2 != 0) mid += 1;  // x.5 goes to the even neighbour
            if (gCodigosApuestas[mid] == c) return mid;
            if (gCodigosApuestas[mid] < c) lo = mid + 1;
            else hi = mid - 1;
        }
        return -1;
    }
    int Unos() {
        int unos = 0;
        for (int e = 1; e <= N; ++e) unos += gVectorActual[e];
        return unos;
    }
    bool EsApuestaValida() {
        if (Unos() != 5) return false;
        return t_.gTodasValidas || BusquedaBinaria(CodigoVector()) != -1;
    }
    // Lookup index of the vector, or -1 when it is not a bet.
    int64_t IndiceVector() { return Unos() == 5 ? BusquedaBinaria(CodigoVector()) : -1; }
    void CopiarBits(int32_t j) {
        for (int e = 1; e <= N; ++e) gVectorActual[e] = Bit(j, e);
    }

    // Calls f for the vector itself and every vector of its rings, each in
    // gVectorActual; cederEnAnillo2 yields before each two-swap test.
    template <class F>
    void RecorrerBola(F&& f, bool cederEnAnillo2) {
        f();
        auto& v = gVectorActual;
        if (Radio != 0 && Radio != 1) {
            for (int i = 1; i <= N - 1; ++i)
                for (int j = i + 1; j <= N; ++j) {
                    if (v[i] == v[j]) continue;
                    v[i] ^= 1; v[j] ^= 1;
                    f();
                    v[i] ^= 1; v[j] ^= 1;
                }
        }
        if (Radio != 0 && Radio != 1 && Radio != 2 && Radio != 3) {
            for (int a = 1; a <= N - 3; ++a)
                for (int b = a + 1; b <= N - 2; ++b)
                    for (int c = b + 1; c <= N - 1; ++c)
                        for (int d = c + 1; d <= N; ++d) {
                            v[a] ^= 1; v[b] ^= 1; v[c] ^= 1; v[d] ^= 1;
                            if (cederEnAnillo2) ceder_();
                            if (v[a] + v[b] + v[c] + v[d] == 2) f();
                            v[a] ^= 1; v[b] ^= 1; v[c] ^= 1; v[d] ^= 1;
                        }
        }
    }

    // ---- scores ----------------------------------------------------------
    bool CalcularPuntuacionesIniciales() {
        if (t_.gTodasValidas) {
            const int16_t r = static_cast<int16_t>(N - 5);
            const int32_t s0 = 1;
            const int32_t s1 = 1 + COMBINAT(5, 4) * COMBINAT(r, 1);
            const int32_t s2 = s1 + COMBINAT(5, 3) * COMBINAT(r, 2);
            const int32_t s3 = s2 + COMBINAT(5, 2) * COMBINAT(r, 3);
            const int32_t s4 = s3 + COMBINAT(5, 1) * COMBINAT(r, 4);
            const int32_t s[] = {s0, s1, s2, s3, s4};
            const int64_t sup = N <= 24 ? (int64_t{1} << N) : gNumApuestas;
            for (int64_t i = 1; i <= sup; ++i) Punt(i) = s[L_];
            return true;
        }
        obs_->MostrarCiclo(kCicloAnalizando);
        ceder_();
        for (int32_t j = 1; j <= gNumApuestas; ++j) {
            if (j % 800 == 0) {
                obs_->MostrarProgreso(static_cast<int>(int64_t{100} * j / gNumApuestas));
                ceder_();
                if (Detener) {
                    obs_->MostrarCiclo("0");
                    return false;
                }
            }
            CopiarBits(j);
            RecorrerBola([&] {
                if (EsApuestaValida()) Punt(BusquedaBinaria(CodigoVector())) += 1;
            }, false);
        }
        return true;
    }
    // Only scores 1..sup are ever written; the rest of the table stays 0.
    int32_t GuardarPuntuaciones() {
        gPuntuacionesIniciales = gPuntuaciones;
        return std::max(0, *std::max_element(gPuntuaciones.begin(), gPuntuaciones.end()));
    }
    void RestaurarPuntuaciones() { gPuntuaciones = gPuntuacionesIniciales; }
    bool NoCubiertaPorElegidas() {
        for (int32_t m = 1; m <= NumElegidas - 1; ++m) {
            const int32_t b = ApuestasElegidas[m];
            int dif = 0;
            bool abandonada = false;
            for (int e = 1; e <= N && !abandonada; ++e) {
                dif += Bit(b, e) != gVectorActual[e];
                abandonada = dif > Radio;
            }
            if (!abandonada) return false;
        }
        return true;
    }
    void DescontarVecinos() {
        RecorrerBola([&] {
            const int64_t i = IndiceVector();
            if (i != -1) Punt(i) -= 1;
        }, false);
    }
    void ActualizarCobertura() {
        if (Radio == 0) {
            if (EsApuestaValida()) DescontarVecinos();
            return;
        }
        RecorrerBola([&] {
            if (EsApuestaValida() && NoCubiertaPorElegidas()) DescontarVecinos();
        }, true);
    }

    // ---- covering --------------------------------------------------------
    void ElegirMejorApuesta() {
        int32_t best = 0;
        for (;;) {
            bool nivel = false;
            for (int32_t k = InicioBusqueda; k <= gNumApuestas; ++k) {
                const int32_t j = gOrdenApuestas[k];
                const double codigo = CodigoFila(j);
                const int32_t s = Punt(N <= 24 ? int64_t(codigo) : BusquedaBinaria(codigo));
                if (s > best) {
                    MejorApuesta = j;
                    best = s;
                    if (s == NivelActual) {
                        InicioBusqueda = k + 1;
                        nivel = true;
                        break;
                    }
                }
            }
            if (nivel || InicioBusqueda == 1) break;
            InicioBusqueda = 1;
            NivelActual -= 1;
            best -= 1;
        }
        CopiarBits(MejorApuesta);
        NivelActual = best;
        Cubiertas += best;
    }
    void BarajarOrden(int32_t cuantos) {
        if (!ConAleatorio) {
            rnd_.Reiniciar();
            rnd_.Sembrar(Ciclo + 1234);
        } else {
            rnd_.SembrarConReloj();
        }
        for (int32_t i = 1; i <= cuantos; ++i)
            std::swap(gOrdenApuestas[i], gOrdenApuestas[static_cast<int32_t>(cuantos * rnd_.Siguiente() + 1)]);
    }
    void SiguienteCiclo() {
        Ciclo += 1;
        obs_->MostrarCiclo(std::to_string(static_cast<int64_t>(Ciclo)));
    }
    void ReducirPorCobertura() {
        if (!CalcularPuntuacionesIniciales()) return;
        obs_->MostrarProgreso(0);
        obs_->MostrarCiclo("0");
        MejorNumApuestas = n + 1;
        const int32_t PuntuacionMaxima = GuardarPuntuaciones();
        MejorApuesta = 0;
        for (;;) {
            ApuestasElegidas.assign(1, 0);
            const int32_t TotalApuestas = n;
            Cubiertas = 0;
            NumElegidas = 0;
            NivelActual = PuntuacionMaxima;
            InicioBusqueda = 1;
            for (;;) {
                ElegirMejorApuesta();
                NumElegidas += 1;
                if (NumElegidas >= MejorNumApuestas) break;
                ActualizarCobertura();
                ApuestasElegidas.push_back(MejorApuesta);
                const int pct = static_cast<int>(int64_t{100} * Cubiertas / TotalApuestas);
                obs_->MostrarProgreso(pct);
                ceder_();
                if (Detener) return;
                if (!ModoApuestas || ConApuestasExactas) {
                    if (pct < PorcentajeObjetivo) continue;
                    break;
                }
                if (pct > 99 || (!ConCiclos && NumElegidas == ApuestasObjetivo)) break;
            }
            SiguienteCiclo();
            if (NumElegidas < MejorNumApuestas) {
                obs_->MostrarNumeros(NumElegidas, std::string(kAyudaCiclo) + std::to_string(static_cast<int64_t>(Ciclo)));
                MejorNumApuestas = NumElegidas;
                obs_->MostrarReducidas(MejorNumApuestas);
                TablaNumeros r(NumElegidas);
                for (int32_t i = 1; i <= NumElegidas; ++i) {
                    int col = 0;
                    for (int e = 1; e <= N; ++e)
                        if (Bit(ApuestasElegidas[i], e) == 1) r(i, ++col) = t_.gValorElemento[e];
                }
                t_.gResultado = r;
                if (NumElegidas == 1) return;
                if (ModoApuestas && !ConApuestasExactas && NumElegidas <= ApuestasObjetivo) return;
            }
            RestaurarPuntuaciones();
            BarajarOrden(n);
            if (!ConCiclos) return;
        }
    }

    // ---- sequential ------------------------------------------------------
    int Comunes(int32_t a, int32_t b) {
        int c = 0;
        for (int p = 1; p <= 5; ++p)
            for (int q = 1; q <= 5; ++q) c += t_.gElementosApuesta(a, p) == t_.gElementosApuesta(b, q);
        return c;
    }
    void Publicar(const std::vector<int32_t>& guardadas, int32_t cuenta) {
        obs_->MostrarNumeros(cuenta, std::string(kAyudaCiclo) + std::to_string(static_cast<int64_t>(Ciclo + 1)));
        MejorNumApuestas = cuenta;
        obs_->MostrarReducidas(cuenta);
        TablaNumeros r(cuenta);
        for (int32_t i = 1; i <= cuenta; ++i)
            for (int p = 1; p <= 5; ++p) r(i, p) = t_.gValorElemento[t_.gElementosApuesta(guardadas[i], p)];
        t_.gResultado = r;
    }
    void ReducirSecuencialExacto() {
        Ciclo = 0;
        MejorNumApuestas = n + 1;
        const int32_t P = std::stoll(txtNUApuestas) < 1000 ? 1 : 1000;
        while (!Detener) {
            std::vector<int32_t> g = {0, gOrdenApuestas[1]};
            int32_t count = 1;
            bool abandonado = false, cedido = false;
            for (int32_t i = 2; i <= n; ++i) {
                obs_->MostrarProgreso(static_cast<int>(int64_t{100} * i / n));
                if (i % P == 0) {
                    ceder_();
                    cedido = true;
                    if (Detener) return;
                }
                const int32_t c = gOrdenApuestas[i];
                bool cubierta = false;
                for (int32_t r = 1; r <= count && !cubierta; ++r) cubierta = Comunes(g[r], c) >= 5 - Radio;
                if (cubierta) continue;
                if (ModoApuestas && count == ApuestasObjetivo) break;
                count += 1;
                if (count > MejorNumApuestas) {
                    abandonado = true;
                    break;
                }
                g.push_back(c);
            }
            if (!abandonado) {
                if (count < MejorNumApuestas) Publicar(g, count);
                if ((!ModoApuestas && !ConCiclos) || count == 1 ||
                    (ModoApuestas && !ConApuestasExactas && count <= ApuestasObjetivo)) {
                    SiguienteCiclo();
                    return;
                }
            }
            SiguienteCiclo();
            BarajarOrden(n);
            obs_->MostrarProgreso(0);
            if (!cedido) {  // the engine's guard against a cycle that never yields
                ceder_();
                if (Detener) return;
            }
        }
    }
    void ReducirSecuencialPorcentaje() {
        Ciclo = 0;
        MejorNumApuestas = n + 1;
        std::vector<uint8_t> marca(n + 1);
        while (!Detener) {
            std::fill(marca.begin(), marca.end(), 0);
            std::vector<int32_t> g(1, 0);
            int32_t count = 0;
            bool abandonado = false;
            Cubiertas = 0;
            for (int32_t i = 1; i <= n; ++i) {
                obs_->MostrarProgreso(static_cast<int>(int64_t{100} * i / n));
                ceder_();
                if (Detener) return;
                const int32_t j = gOrdenApuestas[i];
                if (marca[j]) continue;
                marca[j] = 1;
                count += 1;
                Cubiertas += 1;
                if (count > MejorNumApuestas) {
                    abandonado = true;
                    break;
                }
                g.push_back(j);
                for (int32_t b = 1; b <= n; ++b)
                    if (!marca[b] && Comunes(b, j) >= 5 - Radio) {
                        marca[b] = 1;
                        Cubiertas += 1;
                    }
                if (static_cast<int>(int64_t{100} * Cubiertas / n) >= PorcentajeObjetivo) break;
            }
            if (!abandonado) {
                if (count < MejorNumApuestas) Publicar(g, count);
                if (!ConCiclos || count == 1) {
                    SiguienteCiclo();
                    return;
                }
            }
            SiguienteCiclo();
            obs_->MostrarProgreso(0);
            ceder_();
            if (Detener) return;
            BarajarOrden(n);
        }
    }

    // ---- window ----------------------------------------------------------
    void IniciarReduccion(const OpcionesReduccion& o) {
        Ciclo = 0;
        Detener = false;
        obs_->MostrarCiclo("0");
        obs_->MostrarProgreso(0);
        L_ = o.tipo;
        obs_->MostrarTipo(L_ >= 0 && L_ <= 3 ? kTextosTipoReduccion[L_] : "");
        obs_->MostrarNumeros(t_.gElementosApuesta.Filas(), "");
        txtPorcentaje = o.porcentaje;
        txtNUApuestas = o.numApuestas;
        if (txtPorcentaje.empty()) txtPorcentaje = "100";
        if (std::stoll(txtPorcentaje) > 100) txtPorcentaje = "100";
        if (txtNUApuestas.empty()) txtNUApuestas = "1";
        if (std::stoll(txtNUApuestas) < 1) txtNUApuestas = "1";
        PorcentajeObjetivo = static_cast<int16_t>(std::stoll(txtPorcentaje));
        ApuestasObjetivo = static_cast<int32_t>(std::stoll(txtNUApuestas));
        ModoApuestas = o.modoApuestas;
        ConCiclos = o.conCiclos;
        ConAleatorio = o.conAleatorio;
        ConApuestasExactas = o.conApuestasExactas;
        if (ConApuestasExactas) PorcentajeObjetivo = 100;
        auto secuencial = [&] {
            if (!ModoApuestas && PorcentajeObjetivo != 100) ReducirSecuencialPorcentaje();
            else ReducirSecuencialExacto();
        };
        if (N <= 24) {
            if (L_ == 0) { Radio = 0; ReducirPorCobertura(); }
            else if (L_ == 1) { Radio = 2; ReducirPorCobertura(); }
            else if (L_ == 2) { Radio = 4; ReducirPorCobertura(); }
            else if (L_ == 3) { Radio = 3; secuencial(); }
        } else {
            if (L_ == 0) { Radio = 0; ReducirPorCobertura(); }
            else if (L_ == 1) { Radio = 2; ReducirPorCobertura(); }
            else if (L_ == 2) { Radio = 2; secuencial(); }
            else if (L_ == 3) { Radio = 3; secuencial(); }
        }
        obs_->MostrarProgreso(0);
        Detener = true;
    }

    // ---- exact bets ------------------------------------------------------
    void AjustarApuestas() {
        const int32_t target = ApuestasObjetivo;
        const int32_t u = t_.gResultado.Filas();
        constexpr int32_t T = 2118760;
        if (u == target) return;
        TablaNumeros tmp(target);
        if (u > target) {
            std::vector<int32_t> orden(u + 1);
            for (int32_t i = 0; i <= u; ++i) orden[i] = i;
            if (ConAleatorio) {
                rnd_.SembrarConReloj();
                for (int32_t i = 1; i <= u; ++i) std::swap(orden[i], orden[static_cast<int32_t>(rnd_.Siguiente() * u + 1)]);
            }
            for (int32_t i = 1; i <= target; ++i)
                for (int p = 1; p <= 5; ++p) tmp(i, p) = t_.gResultado(orden[i], p);
            t_.gResultado = tmp;
            obs_->MostrarReducidas(target);
            return;
        }
        for (int32_t i = 1; i <= u; ++i)
            for (int p = 1; p <= 5; ++p) tmp(i, p) = t_.gResultado(i, p);
        std::vector<uint8_t> libre(T + 1, 1);
        std::vector<int32_t> orden(T + 1);
        for (int32_t r = 1; r <= T; ++r) orden[r] = r;
        uint8_t celdas[5];
        for (int32_t j = 1; j <= t_.gElementosApuesta.Filas(); ++j) {
            for (int p = 1; p <= 5; ++p) celdas[p - 1] = t_.gValorElemento[t_.gElementosApuesta(j, p)];
            libre[IndiceDeCombinacion(5, 50, celdas)] = 0;
        }
        for (int32_t r = 1; r <= u; ++r) {
            for (int p = 1; p <= 5; ++p) celdas[p - 1] = t_.gResultado(r, p);
            libre[IndiceDeCombinacion(5, 50, celdas)] = 1;
        }
        if (ConAleatorio) rnd_.SembrarConReloj();
        else {
            rnd_.Reiniciar();
            rnd_.Sembrar(1);
        }
        for (int pasada = 0; pasada < 3; ++pasada)
            for (int32_t i = 1; i <= T; ++i) {
                if (i % 52000 == 0) {
                    obs_->MostrarProgreso(static_cast<int>(int64_t{100} * i / T));
                    ceder_();
                }
                std::swap(orden[i], orden[static_cast<int32_t>(rnd_.Siguiente() * T + 1)]);
            }
        int32_t next = u + 1;
        for (int32_t i = 1; i <= T && next <= target; ++i) {
            if (i % 15000 == 0) {
                obs_->MostrarProgreso(static_cast<int>(int64_t{100} * i / T));
                ceder_();
            }
            if (libre[orden[i]] == 0) CombinacionDeIndice(orden[i], 5, 50, std::span<uint8_t>(tmp.Fila(next++), 5));
        }
        t_.gResultado = tmp;
        obs_->MostrarReducidas(target);
    }

    TablasSesion& t_;
    FuenteAleatoria& rnd_;
    ObservadorReduccion* obs_ = nullptr;
    std::function<void()> ceder_;

    int N = 0;
    int32_t n = 0;
    int L_ = 0;
    std::vector<int32_t> gPuntuaciones, gPuntuacionesIniciales, gOrdenApuestas, ApuestasElegidas;
    std::vector<uint8_t> gBitsApuestas, gVectorActual;
    std::vector<double> gCodigosApuestas;
    int32_t gNumApuestas = 0;
    double gCodigoMinimo = 32, gCodigoMaximo = 0;

    int Radio = 0;
    int16_t PorcentajeObjetivo = 100;
    int32_t ApuestasObjetivo = 1;
    bool ModoApuestas = false, ConCiclos = false, ConAleatorio = false, ConApuestasExactas = false;
    int32_t MejorNumApuestas = 0, NumElegidas = 0, InicioBusqueda = 1, NivelActual = 0, MejorApuesta = 0;
    int64_t Cubiertas = 0;
};
