// The engine's reduction against the literal transcription in
// referencia_reduccion.h, over random bases, every type, percentage,
// number-of-bets and exact-bets modes, cycles on and off, and stops at
// random yields.
#include <gtest/gtest.h>

#include <random>

#include "apoyo_reduccion.h"
#include "referencia_reduccion.h"

namespace {

struct Caso {
    TablasSesion tablas;
    OpcionesReduccion opciones;
    std::string descripcion;
};

struct Salida {
    std::vector<std::string> eventos;
    std::vector<std::array<uint8_t, 5>> filas;
    double ciclos = 0;
    int64_t cesiones = 0;
    bool ajustada = false;
};

Salida EjecutarMotor(const Caso& c, int64_t detenerEn, const std::string& detenerEnCiclo = "") {
    TablasSesion t = c.tablas;
    FuenteAleatoria f;
    TablasReduccion entradas;
    EXPECT_TRUE(entradas.Construir(t, c.opciones.tipo));
    ControladorReduccion ctl(t, entradas, f);
    Registro r;
    r.cederHastaDetener = detenerEn;
    r.detenerEnCiclo = detenerEnCiclo;
    r.detener = [&ctl] { ctl.PulsarDetener(); };
    const ResultadoReduccion res = ctl.Ejecutar(c.opciones, r, Cesion(r.FuncionCeder()));
    EXPECT_TRUE(res.error.empty());
    EXPECT_TRUE(ctl.Detenido());
    return {r.Todo(), FilasResultado(t), res.ciclos, r.cesiones, res.ajustada};
}

Salida EjecutarReferencia(const Caso& c, int64_t detenerEn) {
    TablasSesion t = c.tablas;
    FuenteAleatoria f;
    ReferenciaReduccion ref(t, f);
    ref.Construir(c.opciones.tipo);
    Registro r;
    r.cederHastaDetener = detenerEn;
    r.detener = [&ref] { ref.Detener = true; };
    ref.Ejecutar(c.opciones, r, r.FuncionCeder());
    return {r.Todo(), FilasResultado(t), ref.Ciclo, r.cesiones, c.opciones.conApuestasExactas && ref.Ciclo > 0};
}

std::vector<int> Digitos(std::mt19937& g, int cuantos) {
    std::vector<int> d(10);
    for (int i = 0; i < 10; ++i) d[static_cast<size_t>(i)] = i;
    std::shuffle(d.begin(), d.end(), g);
    d.resize(static_cast<size_t>(cuantos));
    return d;
}

Caso CasoAleatorio(std::mt19937& g, int numero) {
    Caso c;
    std::uniform_int_distribution<int> dado(0, 99);
    const int tipo = numero % kNumTiposReduccion;
    const int forma = (numero / kNumTiposReduccion) % 4;
    std::string base;
    if (forma == 0) {
        // A grid base of few cells: direct code table.
        const int maximo = tipo == kTipoReduccion3 ? 3 : 4;
        std::array<std::vector<int>, 5> d;
        for (auto& v : d) v = Digitos(g, std::uniform_int_distribution<int>(dado(g) < 10 ? 1 : 2, maximo)(g));
        const int quedan = dado(g) < 30 ? 100 : std::uniform_int_distribution<int>(30, 90)(g);
        BaseCartesiana(c.tablas, d, [&](int32_t) { return dado(g) < quedan; });
        if (c.tablas.gElementosApuesta.Filas() == 0) BaseCartesiana(c.tablas, d);
        base = "rejilla";
    } else if (forma == 1) {
        // 25 or more cells: sorted code table and binary search; now and
        // then a single bet.
        std::array<std::vector<int>, 5> d;
        for (auto& v : d) v = Digitos(g, std::uniform_int_distribution<int>(5, 6)(g));
        const int quedan = std::uniform_int_distribution<int>(3, 15)(g);
        const int32_t unica = dado(g) < 12 ? 1 + dado(g) : 0;
        BaseCartesiana(c.tablas, d, [&](int32_t i) { return unica ? i == unica : dado(g) < quedan; });
        if (c.tablas.gElementosApuesta.Filas() == 0) BaseCartesiana(c.tablas, d, [](int32_t i) { return i == 1; });
        base = "grande";
    } else if (forma == 2) {
        BaseDispersa(c.tablas, std::uniform_int_distribution<int>(5, tipo == kTipoReduccion3 ? 8 : 9)(g), 1.0, g);
        base = "completa";
    } else {
        BaseDispersa(c.tablas, std::uniform_int_distribution<int>(6, 11)(g), 0.35, g);
        base = "dispersa";
    }
    const int32_t n = c.tablas.gElementosApuesta.Filas();

    OpcionesReduccion& o = c.opciones;
    o.tipo = tipo;
    o.modoApuestas = dado(g) < 50;
    o.conCiclos = dado(g) < 50;
    // Exact bets mostly cut the result; a fill shuffles all 2118760 sets and
    // is compared in its own test.
    o.conApuestasExactas = o.modoApuestas && dado(g) < 30;
    const int p = dado(g);
    o.porcentaje = p < 25 ? "100" : p < 30 ? "150" : p < 33 ? "" : p < 35 ? "0" : std::to_string(1 + dado(g));
    const int a = dado(g);
    const int32_t apuestas = std::uniform_int_distribution<int32_t>(1, std::max(1, o.conApuestasExactas ? 1 : n / 2 + 1))(g);
    // From 1000 bets asked the first fit yields once per thousand candidates.
    o.numApuestas = a < 5 ? "" : a < 8 ? "0" : a < 14 && !o.conApuestasExactas ? "1000" : std::to_string(apuestas);
    c.descripcion = "caso " + std::to_string(numero) + " base " + base + " N=" + std::to_string(c.tablas.gNumElementos) +
                    " n=" + std::to_string(n) + " tipo " + std::to_string(tipo) + " modoApuestas " +
                    std::to_string(o.modoApuestas) + " ciclos " + std::to_string(o.conCiclos) + " exactas " +
                    std::to_string(o.conApuestasExactas) + " porcentaje '" + o.porcentaje + "' apuestas '" +
                    o.numApuestas + "'";
    return c;
}

void Comparar(const Caso& c, int64_t detenerEn) {
    SCOPED_TRACE(c.descripcion + " detener en la cesion " + std::to_string(detenerEn));
    const Salida motor = EjecutarMotor(c, detenerEn);
    const Salida ref = EjecutarReferencia(c, detenerEn);
    EXPECT_EQ(motor.filas, ref.filas);
    EXPECT_EQ(motor.ciclos, ref.ciclos);
    EXPECT_EQ(motor.cesiones, ref.cesiones);
    EXPECT_EQ(motor.ajustada, ref.ajustada);
    ASSERT_EQ(motor.eventos.size(), ref.eventos.size());
    for (size_t i = 0; i < motor.eventos.size(); ++i) ASSERT_EQ(motor.eventos[i], ref.eventos[i]) << "evento " << i;
}

}  // namespace

TEST(ReduccionEquivalencia, IgualQueLaTranscripcionLiteral) {
    std::mt19937 g(20240611);
    for (int numero = 0; numero < 320; ++numero) {
        const Caso c = CasoAleatorio(g, numero);
        // A first run of the engine alone tells how many yields six cycles
        // take; the comparison stops somewhere inside that span, or never.
        const Salida ensayo = EjecutarMotor(c, 0, "6");
        const int64_t total = ensayo.cesiones;
        const bool sinFin = std::find(ensayo.eventos.begin(), ensayo.eventos.end(), "C:6") != ensayo.eventos.end();
        int64_t detenerEn = 0;
        if (sinFin || numero % 3 == 1)
            detenerEn = std::uniform_int_distribution<int64_t>(numero % 2 ? 1 : total / 2 + 1, std::max<int64_t>(1, total))(g);
        Comparar(c, detenerEn);
        if (HasFatalFailure()) return;
    }
}

TEST(ReduccionEquivalencia, ResultadosDelAjusteIgualesQueLaTranscripcion) {
    // Cuts and fills after each method, with no stop inside the adjustment.
    std::mt19937 g(77);
    const std::pair<int, const char*> casos[] = {{kTipoReduccion5, "1"}, {kTipoReduccion4, "108"},
                                                 {kTipoReduccion3, "40"}, {kTipoReduccion2, "2"}};
    for (const auto& [tipo, apuestas] : casos) {
        Caso c;
        std::array<std::vector<int>, 5> d{Digitos(g, 3), Digitos(g, 2), Digitos(g, 3), Digitos(g, 2), Digitos(g, 3)};
        BaseCartesiana(c.tablas, d);
        c.opciones.tipo = tipo;
        c.opciones.modoApuestas = true;
        c.opciones.conApuestasExactas = true;
        c.opciones.numApuestas = apuestas;
        c.descripcion = "tipo " + std::to_string(tipo) + " apuestas " + apuestas;
        // The sequential first fit with exact bets cycles until stopped: stop
        // it in its second cycle.
        int64_t detenerEn = 0;
        if (tipo == kTipoReduccion2) detenerEn = EjecutarMotor(c, 0, "1").cesiones;
        Comparar(c, detenerEn);
    }
}
