// Reduction inputs, scores, the three methods, the options of the reduction
// window and the exact-bets adjustment, on hand-built bases.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "ajuste_apuestas.h"
#include "apoyo_reduccion.h"
#include "puntuaciones.h"
#include "reduccion_entradas.h"

namespace {

using Fila = std::array<uint8_t, 5>;

struct Corrida {
    Registro registro;
    ResultadoReduccion resultado;
    TablasReduccion entradas;
    std::vector<std::string> eventos;
};

// One run of the controller; `detenerEn` = the yield that presses stop.
Corrida Reducir(TablasSesion& t, const OpcionesReduccion& o, int64_t detenerEn = 0) {
    Corrida c;
    FuenteAleatoria f;
    EXPECT_TRUE(c.entradas.Construir(t, o.tipo));
    ControladorReduccion ctl(t, c.entradas, f);
    c.registro.cederHastaDetener = detenerEn;
    c.registro.detener = [&ctl] { ctl.PulsarDetener(); };
    c.resultado = ctl.Ejecutar(o, c.registro, Cesion(c.registro.FuncionCeder()));
    c.eventos = c.registro.Todo();
    return c;
}

OpcionesReduccion Opciones(int tipo, const std::string& porcentaje = "100", bool modoApuestas = false,
                           const std::string& apuestas = "1") {
    OpcionesReduccion o;
    o.tipo = tipo;
    o.porcentaje = porcentaje;
    o.modoApuestas = modoApuestas;
    o.numApuestas = apuestas;
    return o;
}

int Comunes(const Fila& a, const Fila& b) {
    int c = 0;
    for (int p = 0; p < 5; ++p) c += a[static_cast<size_t>(p)] == b[static_cast<size_t>(p)];
    return c;
}

// The conditioned numbers as rows of cells.
std::vector<Fila> Condicionados(const TablasSesion& t) {
    std::vector<Fila> v;
    for (int32_t j = 1; j <= t.gElementosApuesta.Filas(); ++j) {
        Fila f{};
        for (int p = 0; p < 5; ++p) f[static_cast<size_t>(p)] = t.gValorElemento[t.gElementosApuesta(j, p + 1)];
        v.push_back(f);
    }
    return v;
}

// How many conditioned numbers share at least `comunes` digits with a row of `filas`.
int32_t Cubiertos(const TablasSesion& t, const std::vector<Fila>& filas, int comunes) {
    int32_t n = 0;
    for (const Fila& c : Condicionados(t))
        n += std::any_of(filas.begin(), filas.end(), [&](const Fila& f) { return Comunes(f, c) >= comunes; });
    return n;
}

std::array<std::vector<int>, 5> Primeros(std::array<int, 5> cuantos) {
    std::array<std::vector<int>, 5> d;
    for (int p = 0; p < 5; ++p)
        for (int x = 0; x < cuantos[static_cast<size_t>(p)]; ++x) d[static_cast<size_t>(p)].push_back(x);
    return d;
}

int64_t Cuenta(const std::vector<std::string>& eventos, const std::string& prefijo) {
    return std::count_if(eventos.begin(), eventos.end(), [&](const std::string& e) { return e.rfind(prefijo, 0) == 0; });
}

}  // namespace

TEST(ReduccionEntradas, CodigosYTablaDirectaOOrdenada) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({1, 1, 1, 1, 1}));
    t.gTodasValidas = true;
    TablasReduccion e;
    ASSERT_TRUE(e.Construir(t, kTipoReduccion4));
    EXPECT_EQ(e.gMarcasCodigos.Superior(), 32);
    EXPECT_EQ(e.gMarcasCodigos[32], 1);
    EXPECT_EQ(e.BusquedaBinaria(32), 32);
    EXPECT_EQ(e.BusquedaBinaria(31), -1);
    e.gVectorActual.Rellenar(1);
    EXPECT_TRUE(e.EsApuestaValida());

    // 24 cells index the codes directly, 25 keep them sorted.
    BaseCartesiana(t, Primeros({5, 5, 5, 5, 4}));
    ASSERT_TRUE(e.Construir(t, kTipoReduccion3));
    EXPECT_EQ(e.gMarcasCodigos.Superior(), 16777216);
    EXPECT_TRUE(e.gCodigosApuestas.Vacio());
    BaseCartesiana(t, Primeros({5, 5, 5, 5, 5}), [](int32_t j) { return j % 7 != 0; });
    ASSERT_TRUE(e.Construir(t, kTipoReduccion4));
    const int32_t n = e.NumApuestas();
    EXPECT_TRUE(e.gMarcasCodigos.Vacio());
    ASSERT_EQ(e.gCodigosApuestas.Superior(), n);
    for (int32_t j = 1; j <= n; ++j) {
        EXPECT_EQ(e.gCodigosApuestas[n - j + 1], CodigoApuesta(e.gBitsApuestas.Fila(j), 25));
        if (j > 1) {
            EXPECT_LT(e.gCodigosApuestas[j - 1], e.gCodigosApuestas[j]);
        }
    }
    // Every number of the grid: its position when it survived, -1 otherwise.
    int32_t numero = 0;
    std::array<uint8_t, 25> bits{};
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 5; ++b)
            for (int c = 0; c < 5; ++c)
                for (int d = 0; d < 5; ++d)
                    for (int x = 0; x < 5; ++x) {
                        ++numero;
                        bits.fill(0);
                        for (int i : {a, 5 + b, 10 + c, 15 + d, 20 + x}) bits[static_cast<size_t>(i)] = 1;
                        const int32_t j = numero - numero / 7;  // its row when it survived
                        EXPECT_EQ(e.BusquedaBinaria(CodigoApuesta(bits.data(), 25)), numero % 7 ? n - j + 1 : -1);
                    }
    EXPECT_EQ(e.BusquedaBinaria(31), -1);
    EXPECT_EQ(e.BusquedaBinaria(e.gCodigoMaximo + 1), -1);
    // A vector of 4 or 6 ones is never a bet, even when every 5-element set is.
    BaseCompleta(t, 8);
    ASSERT_TRUE(e.Construir(t, kTipoReduccion4));
    ASSERT_TRUE(e.TodasValidas());
    for (int unos : {4, 5, 6}) {
        e.gVectorActual.Rellenar(0);
        for (int i = 1; i <= unos; ++i) e.gVectorActual[i] = 1;
        EXPECT_EQ(e.EsApuestaValida(), unos == 5);
    }
}

TEST(ReduccionEntradas, TablaOrdenadaDeUnaSolaApuesta) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({5, 5, 5, 5, 5}), [](int32_t j) { return j == 77; });
    TablasReduccion e;
    ASSERT_TRUE(e.Construir(t, kTipoReduccion5));
    EXPECT_EQ(e.BusquedaBinaria(e.gCodigosApuestas[1]), 1);
    EXPECT_EQ(e.BusquedaBinaria(e.gCodigosApuestas[1] - 1), -1);
}

TEST(ReduccionEntradas, SinBitsParaLosTiposSecuenciales) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({2, 2, 2, 2, 2}));
    TablasReduccion e;
    ASSERT_TRUE(e.Construir(t, kTipoReduccion2));
    EXPECT_FALSE(e.BitsConstruidos());
    EXPECT_EQ(e.gPuntuaciones.Inferior(), -1);
    EXPECT_EQ(e.gPuntuaciones.Superior(), 32);
    for (int32_t k = 1; k <= 32; ++k) EXPECT_EQ(e.gOrdenApuestas[k], k);
    BaseCartesiana(t, Primeros({5, 5, 5, 5, 5}));
    ASSERT_TRUE(e.Construir(t, kTipoReduccion3));
    EXPECT_FALSE(e.BitsConstruidos());
    ASSERT_TRUE(e.Construir(t, kTipoReduccion4));
    EXPECT_TRUE(e.BitsConstruidos());
}

TEST(ReduccionEntradas, FilasMalFormadasORepetidasSeRechazan) {
    TablasSesion t;
    FijarCeldas(t, {1, 12, 23, 34, 45, 46});
    TablasReduccion e;
    for (const Fila& mala : {Fila{0, 2, 3, 4, 5}, Fila{1, 2, 3, 5, 4}, Fila{1, 2, 3, 4, 7}}) {
        FijarApuestas(t, {Fila{1, 2, 3, 4, 5}, mala});
        EXPECT_FALSE(e.Construir(t, kTipoReduccion4));
        EXPECT_EQ(e.NumApuestas(), 0);
    }
    // Out of order is accepted (and its codes sorted); a repeated row is not.
    FijarApuestas(t, {Fila{1, 2, 3, 4, 6}, Fila{1, 2, 3, 4, 5}});
    EXPECT_TRUE(e.Construir(t, kTipoReduccion4));
    FijarApuestas(t, {Fila{1, 2, 3, 4, 6}, Fila{1, 2, 3, 4, 5}, Fila{1, 2, 3, 4, 6}});
    EXPECT_FALSE(e.Construir(t, kTipoReduccion4));
    OpcionesReduccion o = Opciones(kTipoReduccion4);
    Registro r;
    FuenteAleatoria f;
    ControladorReduccion ctl(t, e, f);
    EXPECT_EQ(ctl.Ejecutar(o, r, Cesion()).error, kErrorEntradasNoValidas);
    EXPECT_TRUE(r.Todo().empty());
}

TEST(ReduccionEntradas, FactorialYCombinaciones) {
    EXPECT_EQ(COMBINAT(0, 1), 0);
    EXPECT_EQ(COMBINAT(5, 5), 1);
    EXPECT_EQ(COMBINAT(10, 3), 120);
    EXPECT_EQ(COMBINAT(50, 5), 2118760);
    EXPECT_EQ(Fact(0), 1.0);
    EXPECT_EQ(Fact(10), 3628800.0);
    EXPECT_GT(Fact(170), 0.0);
    EXPECT_EQ(Fact(171), 0.0);  // beyond a double
    EXPECT_EQ(Fact(-1), 0.0);
}

TEST(ReduccionPuntuaciones, CadaApuestaCuentaSuBola) {
    std::mt19937 g(5);
    for (int radio : {0, 2, 4}) {
        TablasSesion t;
        BaseDispersa(t, 10, 0.4, g);
        TablasReduccion e;
        ASSERT_TRUE(e.Construir(t, kTipoReduccion5));
        CoberturaEnCurso c;
        c.Preparar(e, radio);
        for (int32_t j = 1; j <= e.NumApuestas(); ++j) {
            int32_t esperado = 0;
            for (int32_t k = 1; k <= e.NumApuestas(); ++k)
                esperado += std::popcount(e.Mascara(j) & e.Mascara(k)) >= 5 - radio / 2;
            EXPECT_EQ(c.TamanoBola(j), esperado) << "radio " << radio << " apuesta " << j;
        }
    }
    // Every set valid: the same closed form for all, 1 + 5 (N - 5) at radius 2.
    TablasSesion t;
    BaseCompleta(t, 8);
    Corrida r = Reducir(t, Opciones(kTipoReduccion4, "10"));
    for (int32_t j = 1; j <= 56; ++j) EXPECT_EQ(r.entradas.gPuntuaciones[j], 16);
    EXPECT_FALSE(r.registro.Contiene("C:Analizando ..."));
    BaseCompleta(t, 5);
    r = Reducir(t, Opciones(kTipoReduccion3, "10"));
    EXPECT_EQ(r.entradas.gPuntuaciones[1], 1);
}

TEST(ReduccionPuntuaciones, DetenerMientrasSeCalculan) {
    // 890 bets: the stop is seen at bet 800, with the bar at 89 %.
    TablasSesion t;
    BaseCartesiana(t, Primeros({10, 10, 10, 1, 1}), [](int32_t j) { return j <= 890; });
    const Corrida r = Reducir(t, Opciones(kTipoReduccion4, "100"), 2);
    const std::vector<std::string> esperado = {"P:0", "C:0", "T:4 (n-1)", "N:890|", "C:Analizando ...",
                                               "Y:1", "P:89", "Y:1", "C:0", "P:0"};
    EXPECT_EQ(r.eventos, esperado);
    EXPECT_EQ(r.resultado.ciclos, 0);
    EXPECT_EQ(t.gResultado.Filas(), 0);
    // Fewer than 800 bets: the stop waits for the first pick.
    TablasSesion p;
    BaseCartesiana(p, Primeros({9, 9, 9, 1, 1}));
    const Corrida q = Reducir(p, Opciones(kTipoReduccion4, "100"), 1);
    EXPECT_EQ(q.registro.cesiones, 2);
    EXPECT_EQ(Cuenta(q.eventos, "R:"), 0);
}

TEST(ReduccionCobertura, PorcentajeYNumeroDeApuestas) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({4, 4, 4, 4, 4}));
    // 100 % without cycles covers every number, in one cycle.
    Corrida r = Reducir(t, Opciones(kTipoReduccion4));
    const auto filas = FilasResultado(t);
    EXPECT_EQ(Cubiertos(t, filas, 4), 1024);
    EXPECT_TRUE(r.registro.Contiene("N:" + std::to_string(filas.size()) + "|Obtenida en el ciclo: 1"));
    EXPECT_TRUE(r.registro.Contiene("R:" + std::to_string(filas.size())));
    EXPECT_EQ(r.resultado.ciclos, 1);
    // 60 %: the last pick reaches it, the one before did not.
    r = Reducir(t, Opciones(kTipoReduccion4, "60"));
    auto parcial = FilasResultado(t);
    EXPECT_GE(Cubiertos(t, parcial, 4) * 100 / 1024, 60);
    parcial.pop_back();
    EXPECT_LT(Cubiertos(t, parcial, 4) * 100 / 1024, 60);
    // Five bets asked: five rows below 100 %, fewer when everything is covered sooner.
    Reducir(t, Opciones(kTipoReduccion4, "100", true, "5"));
    EXPECT_EQ(t.gResultado.Filas(), 5);
    Reducir(t, Opciones(kTipoReduccion3, "100", true, "5000"));
    EXPECT_EQ(Cubiertos(t, FilasResultado(t), 3), 1024);
    EXPECT_LT(t.gResultado.Filas(), 1024);
}

TEST(ReduccionCobertura, Ciclos) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({3, 3, 3, 3, 3}), [](int32_t j) { return j % 5 != 0; });
    const int32_t n = t.gElementosApuesta.Filas();
    Reducir(t, Opciones(kTipoReduccion4));
    const int32_t primera = t.gResultado.Filas();

    // Bets mode with cycles: every cycle covers everything; the first one
    // within the asked count ends the reduction.
    OpcionesReduccion o = Opciones(kTipoReduccion4, "100", true, std::to_string(primera));
    o.conCiclos = true;
    Corrida r = Reducir(t, o);
    EXPECT_EQ(r.resultado.ciclos, 1);
    EXPECT_EQ(t.gResultado.Filas(), primera);

    // Percentage mode with cycles runs until stopped; each better cycle
    // replaces the result and names its cycle.
    o = Opciones(kTipoReduccion4, "100");
    o.conCiclos = true;
    r = Reducir(t, o, 3000);
    EXPECT_GT(r.resultado.ciclos, 5);
    int32_t mejor = primera + 1;
    std::string ultimo;
    for (const std::string& e : r.eventos)
        if (e.rfind("N:", 0) == 0 && e.find("ciclo") != std::string::npos) {
            const int32_t cuenta = std::stoi(e.substr(2));
            EXPECT_LT(cuenta, mejor);
            mejor = cuenta;
            ultimo = e;
        }
    EXPECT_EQ(t.gResultado.Filas(), mejor);
    EXPECT_LT(mejor, primera);  // the shuffled cycles found a smaller cover
    EXPECT_EQ(Cubiertos(t, FilasResultado(t), 4), n);
    EXPECT_NE(ultimo.find("Obtenida en el ciclo: "), std::string::npos);

    // Without the random switch two runs agree.
    const auto antes = FilasResultado(t);
    Reducir(t, o, 3000);
    EXPECT_EQ(FilasResultado(t), antes);
    // With it the shuffles differ from run to run.
    o.conAleatorio = true;
    const Corrida a = Reducir(t, o, 300);
    const Corrida b = Reducir(t, o, 300);
    EXPECT_FALSE(a.entradas.gOrdenApuestas == b.entradas.gOrdenApuestas);
}

TEST(ReduccionCobertura, UnaSolaApuestaTerminaEnElPrimerCiclo) {
    for (int tipo : {kTipoReduccion5, kTipoReduccion4, kTipoReduccion3, kTipoReduccion2}) {
        TablasSesion t;
        BaseCartesiana(t, Primeros({1, 2, 1, 1, 1}), [](int32_t j) { return j == 2; });
        OpcionesReduccion o = Opciones(tipo);
        o.conCiclos = true;
        const Corrida r = Reducir(t, o);
        EXPECT_EQ(r.resultado.ciclos, 1) << tipo;
        EXPECT_EQ(Numeros(t), std::vector<std::string>{"01000"}) << tipo;
    }
}

TEST(ReduccionSecuencial, CoberturaPorDigitosIguales) {
    // 12345 and 12999 share two digits: one covers the other at "2 (n-3)";
    // 12345 and 21345 share three: one is enough at "3 (n-2)".
    TablasSesion t;
    FijarCeldas(t, {2, 13, 24, 30, 35, 40, 46, 50});
    FijarApuestas(t, {Fila{1, 2, 3, 5, 7}, Fila{1, 2, 4, 6, 8}});
    t.gNumCombinaciones = 56;
    Reducir(t, Opciones(kTipoReduccion2));
    EXPECT_EQ(Numeros(t), std::vector<std::string>{"12345"});
    FijarCeldas(t, {2, 3, 12, 13, 24, 35, 46});
    FijarApuestas(t, {Fila{1, 4, 5, 6, 7}, Fila{2, 3, 5, 6, 7}});
    Reducir(t, Opciones(kTipoReduccion3));
    EXPECT_EQ(Numeros(t), std::vector<std::string>{"12345"});
}

TEST(ReduccionSecuencial, PrimerAjusteYPorcentaje) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({6, 6, 6, 6, 6}), [](int32_t j) { return j % 3 != 0; });
    const int32_t n = t.gElementosApuesta.Filas();
    // 30 cells, "3 (n-2)": first fit at radius 2; no kept number covers another.
    Corrida r = Reducir(t, Opciones(kTipoReduccion3));
    auto filas = FilasResultado(t);
    EXPECT_EQ(Cubiertos(t, filas, 3), n);
    for (size_t a = 0; a < filas.size(); ++a)
        for (size_t b = a + 1; b < filas.size(); ++b) EXPECT_LT(Comunes(filas[a], filas[b]), 3);
    // Three bets asked: at most three rows.
    Reducir(t, Opciones(kTipoReduccion3, "100", true, "3"));
    EXPECT_EQ(t.gResultado.Filas(), 3);
    // Fewer than 1000 bets asked: a yield per candidate; 1000: one per thousand.
    r = Reducir(t, Opciones(kTipoReduccion2, "100", true, "999"));
    EXPECT_EQ(r.registro.cesiones, n - 1);
    r = Reducir(t, Opciones(kTipoReduccion2, "100", true, "1000"));
    EXPECT_EQ(r.registro.cesiones, n / 1000);
    // 50 % in percentage mode stops at the first kept number that reaches it.
    r = Reducir(t, Opciones(kTipoReduccion2, "50"));
    filas = FilasResultado(t);
    EXPECT_GE(Cubiertos(t, filas, 2) * 100 / n, 50);
    filas.pop_back();
    EXPECT_LT(Cubiertos(t, filas, 2) * 100 / n, 50);
    // Stop in the first cycle: nothing is written.
    t.gResultado.Redimensionar(0);
    r = Reducir(t, Opciones(kTipoReduccion2, "50"), 5);
    EXPECT_EQ(r.resultado.ciclos, 0);
    EXPECT_EQ(t.gResultado.Filas(), 0);
    EXPECT_EQ(Cuenta(r.eventos, "R:"), 0);
}

TEST(ReduccionSecuencial, CiclosCortosAtiendenAlBotonDeDetener) {
    // Percentage 100 with cycles on 200 numbers while the bet box says 5000:
    // no cycle reaches the thousandth candidate, yet stop must be heard.
    TablasSesion t;
    BaseCartesiana(t, Primeros({5, 5, 2, 2, 2}));
    OpcionesReduccion o = Opciones(kTipoReduccion2, "100", false, "5000");
    o.conCiclos = true;
    struct SinFin : std::runtime_error {
        SinFin() : std::runtime_error("los ciclos no ceden") {}
    };
    struct Vigilante : Registro {
        void MostrarCiclo(const std::string& texto) override {
            if (texto == "1000") throw SinFin();
            Registro::MostrarCiclo(texto);
        }
    };
    Vigilante v;
    v.cederHastaDetener = 7;
    TablasReduccion e;
    ASSERT_TRUE(e.Construir(t, o.tipo));
    FuenteAleatoria f;
    ControladorReduccion ctl(t, e, f);
    v.detener = [&ctl] { ctl.PulsarDetener(); };
    Corrida r;
    ASSERT_NO_THROW(r.resultado = ctl.Ejecutar(o, v, Cesion(v.FuncionCeder())));
    r.registro = v;
    EXPECT_TRUE(r.resultado.error.empty());
    EXPECT_EQ(r.registro.cesiones, 7);
    EXPECT_EQ(r.resultado.ciclos, 7);
    EXPECT_GT(t.gResultado.Filas(), 0);
}

TEST(ReduccionVentana, NormalizacionDeLasOpciones) {
    const struct {
        const char* porcentaje;
        const char* apuestas;
        const char* porcentajeFinal;
        const char* apuestasFinal;
        int16_t objetivo;
        int32_t apuestasObjetivo;
    } casos[] = {{"150", "0", "100", "1", 100, 1},       {"", "", "100", "1", 100, 1},
                 {"0100", "0007", "0100", "0007", 100, 7}, {"0", "2147483647", "0", "2147483647", 0, 2147483647},
                 {"99999999999999999999", "12", "100", "12", 100, 12}};
    for (const auto& c : casos) {
        const OpcionesNormalizadas r = NormalizarOpciones(c.porcentaje, c.apuestas);
        EXPECT_TRUE(r.error.empty()) << c.porcentaje;
        EXPECT_EQ(r.porcentaje, c.porcentajeFinal);
        EXPECT_EQ(r.numApuestas, c.apuestasFinal);
        EXPECT_EQ(r.porcentajeObjetivo, c.objetivo);
        EXPECT_EQ(r.apuestasObjetivo, c.apuestasObjetivo);
    }
    EXPECT_EQ(NormalizarOpciones("8o", "1").error, kErrorPorcentajeNoNumerico);
    EXPECT_EQ(NormalizarOpciones("-5", "1").error, kErrorPorcentajeNoNumerico);
    EXPECT_EQ(NormalizarOpciones("50", " 3").error, kErrorApuestasNoNumericas);
    EXPECT_EQ(NormalizarOpciones("50", "2147483648").error, kErrorApuestasNoNumericas);

    // A refused text runs nothing and shows nothing; the texts stay.
    TablasSesion t;
    BaseCartesiana(t, Primeros({2, 2, 2, 2, 2}));
    t.gResultado.Redimensionar(1);
    const Corrida r = Reducir(t, Opciones(kTipoReduccion4, "1e2"));
    EXPECT_EQ(r.resultado.error, kErrorPorcentajeNoNumerico);
    EXPECT_EQ(r.resultado.porcentaje, "1e2");
    EXPECT_TRUE(r.eventos.empty());
    EXPECT_EQ(t.gResultado.Filas(), 1);
    const Corrida s = Reducir(t, Opciones(kTipoReduccion4, "150", false, ""));
    EXPECT_EQ(s.resultado.porcentaje, "100");
    EXPECT_EQ(s.resultado.numApuestas, "1");
}

TEST(ReduccionVentana, EleccionDelMetodo) {
    // "2 (n-3)" with 10 cells: percentage method at 80 %, first fit at 100 %.
    TablasSesion t;
    BaseCartesiana(t, Primeros({2, 2, 2, 2, 2}));
    Corrida r = Reducir(t, Opciones(kTipoReduccion2, "80"));
    EXPECT_EQ(r.eventos[4], "P:3");  // the percentage method yields from the first candidate
    EXPECT_LT(Cubiertos(t, FilasResultado(t), 2), 32);
    r = Reducir(t, Opciones(kTipoReduccion2, "100"));
    EXPECT_EQ(r.eventos[4], "P:6");
    EXPECT_EQ(Cubiertos(t, FilasResultado(t), 2), 32);
    // No type chosen: nothing runs.
    r = Reducir(t, Opciones(-1));
    EXPECT_EQ(r.resultado.ciclos, 0);
    EXPECT_TRUE(r.registro.Contiene("T:"));
    EXPECT_EQ(r.registro.cesiones, 0);
}

TEST(ReduccionVentana, ApuestasExactas) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({3, 3, 3, 3, 3}));
    OpcionesReduccion o = Opciones(kTipoReduccion4, "30", true, "7");
    o.conApuestasExactas = true;
    const Corrida r = Reducir(t, o);
    EXPECT_TRUE(r.resultado.ajustada);
    EXPECT_EQ(t.gResultado.Filas(), 7);
    const auto fin = std::find(r.eventos.begin(), r.eventos.end(), "A:Ajustando Apuestas ...");
    ASSERT_NE(fin, r.eventos.end());
    // The reduction before it covered everything despite the 30 %.
    const auto reducidas = std::find_if(r.eventos.begin(), fin, [](const std::string& e) { return e.rfind("R:", 0) == 0; });
    ASSERT_NE(reducidas, fin);
    EXPECT_GT(std::stoi(reducidas->substr(2)), 7);
    EXPECT_EQ(r.eventos.back(), "R:7");
    // Stopped during the reduction's first cycle: no adjustment.
    const Corrida s = Reducir(t, o, 1);
    EXPECT_FALSE(s.resultado.ajustada);
    EXPECT_EQ(Cuenta(s.eventos, "A:"), 0);
}

TEST(ReduccionAjuste, RecortarYRellenar) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({3, 3, 3, 3, 3}), [](int32_t j) { return j % 4 != 0; });
    const int32_t n = t.gElementosApuesta.Filas();
    const std::vector<Fila> todos = Condicionados(t);
    auto conResultado = [&](std::initializer_list<int> filas) {
        t.gResultado.Redimensionar(static_cast<int32_t>(filas.size()));
        int32_t r = 0;
        for (int j : filas) {
            ++r;
            for (int p = 0; p < 5; ++p) t.gResultado(r, p + 1) = todos[static_cast<size_t>(j)][static_cast<size_t>(p)];
        }
    };
    FuenteAleatoria f;
    ProgresoReduccion progreso;
    Registro ventana;
    progreso.Conectar(&ventana);
    auto ajustar = [&](int32_t objetivo, bool aleatorio) {
        ventana = Registro();
        AjustarApuestas(t, objetivo, aleatorio, f, Cesion(ventana.FuncionCeder()), progreso, ventana);
        return FilasResultado(t);
    };

    conResultado({4, 9, 2});
    EXPECT_EQ(ajustar(3, false).size(), 3u);
    EXPECT_TRUE(ventana.Todo().empty());  // same size: not even the count changes
    EXPECT_EQ(ajustar(2, false), (std::vector<Fila>{todos[4], todos[9]}));
    EXPECT_EQ(ajustar(1, false), std::vector<Fila>{todos[4]});
    EXPECT_EQ(ventana.Todo().back(), "R:1");
    conResultado({4, 9, 2, 7, 30, 11});
    const auto recorte = ajustar(4, true);
    EXPECT_EQ(recorte.size(), 4u);
    EXPECT_EQ(std::set<Fila>(recorte.begin(), recorte.end()).size(), 4u);
    const std::set<Fila> antes{todos[4], todos[9], todos[2], todos[7], todos[30], todos[11]};
    for (const Fila& x : recorte) EXPECT_TRUE(antes.count(x));

    // Fill: the reduction's rows first, then other conditioned numbers, the
    // same ones run after run without the random switch.
    conResultado({4, 9});
    const auto relleno = ajustar(20, false);
    ASSERT_EQ(relleno.size(), 20u);
    EXPECT_EQ(relleno[0], todos[4]);
    EXPECT_EQ(relleno[1], todos[9]);
    EXPECT_EQ(std::set<Fila>(relleno.begin(), relleno.end()).size(), 20u);
    for (const Fila& x : relleno) EXPECT_NE(std::find(todos.begin(), todos.end(), x), todos.end());
    EXPECT_EQ(ventana.Todo().back(), "R:20");
    conResultado({4, 9});
    EXPECT_EQ(ajustar(20, false), relleno);
    // Asked exactly as many as there are: every one of them.
    conResultado({4, 9});
    const auto completo = ajustar(n, false);
    EXPECT_EQ(std::set<Fila>(completo.begin(), completo.end()), std::set<Fila>(todos.begin(), todos.end()));
    // More than there are: all of them and no empty row.
    conResultado({4});
    EXPECT_EQ(ajustar(n + 5, false).size(), static_cast<size_t>(n));
    EXPECT_EQ(ventana.Todo().back(), "R:" + std::to_string(n));
}
