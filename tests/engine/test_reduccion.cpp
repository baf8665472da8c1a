// What the comparison with the plain version cannot see: refused inputs and
// option texts, the method table at the cell limit, the stop during the
// scores, short cycles that never reach a yield, the random switch, and the
// exact-bets adjustment's random cut.
#include <gtest/gtest.h>

#include <set>

#include "ajuste_apuestas.h"
#include "apoyo_reduccion.h"
#include "ayuda_tablas.h"

namespace {

OpcionesReduccion Opciones(int tipo, const std::string& porcentaje = "100", bool conCiclos = false) {
    OpcionesReduccion o;
    o.tipo = tipo;
    o.porcentaje = porcentaje;
    o.conCiclos = conCiclos;
    return o;
}

std::array<std::vector<int>, 5> Primeros(std::array<int, 5> cuantos) {
    std::array<std::vector<int>, 5> d;
    for (int p = 0; p < 5; ++p)
        for (int x = 0; x < cuantos[p]; ++x) d[p].push_back(x);
    return d;
}

}  // namespace

TEST(ReduccionEntradas, FilasMalFormadasORepetidasSeRechazan) {
    TablasSesion t;
    FijarBase(t, {1, 12, 23, 34, 45, 46}, true);
    auto fijar = [&](const std::vector<Fila>& filas) {
        t.gElementosApuesta.Redimensionar(static_cast<int32_t>(filas.size()));
        for (size_t j = 0; j < filas.size(); ++j) std::copy_n(filas[j].begin(), 5, t.gElementosApuesta.Fila(int32_t(j) + 1));
    };
    TablasReduccion e;
    // Element 0, out of order, beyond N, and a repeated row.
    for (const Fila& mala : {Fila{0, 2, 3, 4, 5}, Fila{1, 2, 3, 5, 4}, Fila{1, 2, 3, 4, 7}, Fila{1, 2, 3, 4, 6}}) {
        fijar({Fila{1, 2, 3, 4, 6}, Fila{1, 2, 3, 4, 5}, mala});
        EXPECT_FALSE(e.Construir(t, kTipoReduccion4));
        EXPECT_EQ(e.NumApuestas(), 0);
    }
    Registro r;
    FuenteAleatoria f;
    ControladorReduccion ctl(t, e, f);
    EXPECT_EQ(ctl.Ejecutar(Opciones(kTipoReduccion4), r, Cesion()).error, kErrorEntradasNoValidas);
    EXPECT_TRUE(r.Todo().empty());
    // Rows out of order among themselves are fine.
    fijar({Fila{1, 2, 3, 4, 6}, Fila{1, 2, 3, 4, 5}});
    EXPECT_TRUE(e.Construir(t, kTipoReduccion4));

    EXPECT_EQ(COMBINAT(0, 1), 0);
    EXPECT_EQ(COMBINAT(50, 5), 2118760);
    EXPECT_EQ(Fact(171), 0.0);  // beyond a double
    EXPECT_EQ(Fact(-1), 0.0);
}

TEST(ReduccionVentana, NormalizacionDeLasOpcionesYMetodo) {
    const struct {
        const char *porcentaje, *apuestas, *porcentajeFinal, *apuestasFinal;
        int16_t objetivo;
        int32_t apuestasObjetivo;
    } casos[] = {{"150", "0", "100", "1", 100, 1},
                 {"", "", "100", "1", 100, 1},
                 {"0100", "0007", "0100", "0007", 100, 7},
                 {"0", "2147483647", "0", "2147483647", 0, 2147483647},
                 {"99999999999999999999", "12", "100", "12", 100, 12}};
    for (const auto& c : casos) {
        const OpcionesNormalizadas r = NormalizarOpciones(c.porcentaje, c.apuestas);
        EXPECT_TRUE(r.error.empty()) << c.porcentaje;
        EXPECT_EQ(r.porcentaje, c.porcentajeFinal);
        EXPECT_EQ(r.numApuestas, c.apuestasFinal);
        EXPECT_EQ(r.porcentajeObjetivo, c.objetivo);
        EXPECT_EQ(r.apuestasObjetivo, c.apuestasObjetivo);
    }
    for (const char* p : {"8o", "-5", "1e2"}) EXPECT_EQ(NormalizarOpciones(p, "1").error, kErrorPorcentajeNoNumerico);
    for (const char* a : {" 3", "2147483648"}) EXPECT_EQ(NormalizarOpciones("50", a).error, kErrorApuestasNoNumericas);

    // A refused text runs nothing, shows nothing and keeps the texts; so
    // does a missing type.
    TablasSesion t;
    BaseCartesiana(t, Primeros({2, 2, 2, 2, 2}));
    t.gResultado.Redimensionar(1);
    Corrida r = Reducir(t, Opciones(kTipoReduccion4, "1e2"));
    EXPECT_EQ(r.resultado.porcentaje, "1e2");
    EXPECT_TRUE(r.registro.Todo().empty());
    EXPECT_EQ(t.gResultado.Filas(), 1);
    r = Reducir(t, Opciones(-1));
    EXPECT_EQ(r.resultado.ciclos, 0);
    EXPECT_EQ(r.registro.cesiones, 0);

    // Type 3 covers up to the direct table's 24 cells, then goes sequential.
    using M = MetodoReduccion;
    const struct {
        int tipo, celdas;
        bool modoApuestas;
        int porcentaje;
        M metodo;
        int radio;
    } metodos[] = {{kTipoReduccion5, 50, false, 50, M::cobertura, 0}, {kTipoReduccion4, 30, true, 100, M::cobertura, 2},
                   {kTipoReduccion3, 24, false, 80, M::cobertura, 4}, {kTipoReduccion3, 25, false, 80, M::secuencialPorcentaje, 2},
                   {kTipoReduccion3, 25, true, 80, M::secuencialExacto, 2}, {kTipoReduccion2, 10, false, 100, M::secuencialExacto, 3},
                   {kTipoReduccion2, 10, false, 99, M::secuencialPorcentaje, 3}, {4, 10, false, 100, M::ninguno, 0}};
    for (const auto& m : metodos) {
        const EleccionReduccion e =
            ElegirReduccion(m.tipo, static_cast<int16_t>(m.celdas), m.modoApuestas, static_cast<int16_t>(m.porcentaje));
        EXPECT_EQ(e.metodo, m.metodo) << m.tipo << " " << m.celdas;
        EXPECT_EQ(e.radio, m.radio) << m.tipo << " " << m.celdas;
    }
}

TEST(ReduccionPuntuaciones, DetenerMientrasSeCalculan) {
    // 890 bets: the stop is seen at bet 800, with the bar at 89 %.
    TablasSesion t;
    BaseCartesiana(t, Primeros({10, 10, 10, 1, 1}), [](int32_t j) { return j <= 890; });
    Corrida r = Reducir(t, Opciones(kTipoReduccion4), 2);
    EXPECT_EQ(r.registro.Todo(), (std::vector<std::string>{"P:0", "C:0", "T:4 (n-1)", "N:890|", "C:Analizando ...",
                                                           "Y:1", "P:89", "Y:1", "C:0", "P:0"}));
    EXPECT_EQ(r.resultado.ciclos, 0);
    EXPECT_EQ(t.gResultado.Filas(), 0);
}

TEST(ReduccionCiclos, CiclosCortosAtiendenAlBotonDeDetener) {
    // First fit with cycles on 200 numbers while the bet box says 5000: no
    // cycle reaches the thousandth candidate, yet stop must be heard.
    TablasSesion t;
    BaseCartesiana(t, Primeros({5, 5, 2, 2, 2}));
    OpcionesReduccion o = Opciones(kTipoReduccion2, "100", true);
    o.numApuestas = "5000";
    Corrida r;
    ASSERT_NO_THROW(r = Reducir(t, o, 7));
    EXPECT_EQ(r.registro.cesiones, 7);
    EXPECT_EQ(r.resultado.ciclos, 7);
}

TEST(ReduccionCiclos, ConAleatorioLosBarajadosCambianDeUnaVezAOtra) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({3, 3, 3, 3, 3}), [](int32_t j) { return j % 5 != 0; });
    for (int tipo : {kTipoReduccion4, kTipoReduccion2}) {
        OpcionesReduccion o = Opciones(tipo, "100", true);
        EXPECT_EQ(Reducir(t, o, 300).orden, Reducir(t, o, 300).orden) << tipo;
        o.conAleatorio = true;
        EXPECT_NE(Reducir(t, o, 300).orden, Reducir(t, o, 300).orden) << tipo;
    }
}

TEST(ReduccionAjuste, RecorteAlAzar) {
    // A random cut keeps distinct rows of the result, not always the first ones.
    const TablaNumeros resultado = prueba::Tabla({"01234", "11234", "21234", "31234", "41234", "51234"});
    TablasSesion t;
    FuenteAleatoria f;
    ProgresoReduccion progreso;
    Registro ventana;
    t.gResultado = resultado;
    const std::vector<Fila> todas = FilasResultado(t);
    bool otras = false;
    for (int vez = 0; vez < 10; ++vez) {
        t.gResultado = resultado;
        AjustarApuestas(t, 4, true, f, Cesion(), progreso, ventana);
        const auto recorte = FilasResultado(t);
        EXPECT_EQ(std::set<Fila>(recorte.begin(), recorte.end()).size(), 4u);
        for (const Fila& x : recorte) EXPECT_TRUE(std::count(todas.begin(), todas.end(), x));
        otras |= recorte != std::vector<Fila>(todas.begin(), todas.begin() + 4);
    }
    EXPECT_TRUE(otras);
}
