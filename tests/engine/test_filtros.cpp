#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ayuda_tablas.h"
#include "filtros.h"
#include "referencia.h"

namespace {

using Numeros = std::vector<std::string>;
using Filtro = int32_t (*)(TablasSesion&, const AjustesFiltros&, const Cesion&);

// Survivors of one filter over the given numbers.
Numeros Quedan(Filtro filtro, const AjustesFiltros& a, const Numeros& numeros, int32_t* eliminadas = nullptr) {
    prueba::Base b(numeros);
    const int32_t n = filtro(b.t, a, Cesion());
    if (eliminadas) *eliminadas = n;
    return b.Vivos();
}

// Cells of the given digits at the given positions.
void Celdas(Matriz<uint8_t>& m, int fila, std::initializer_list<int> digitos, std::initializer_list<int> posiciones) {
    for (int p : posiciones)
        for (int d : digitos) m(fila, CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p))) = 1;
}

}  // namespace

TEST(Filtros, EnReposoNoEliminanNadaYSoloRecorrenLosQueNoTienenSalida) {
    const RejillaBase veinte = [] {
        RejillaBase r;
        for (int c = 1; c <= 20; ++c) r.Fijar(static_cast<Casilla>(c), true);
        return r;
    }();
    TablasSesion t = prueba::Generadas(veinte);  // C(20,5) = 15504 rows: two yields per pass
    const AjustesFiltros a;
    const Filtro filtros[] = {FiltrarGrupos,        FiltrarParesImpares,       FiltrarSeguidos,   FiltrarSumas,
                              FiltrarTerminaciones, FiltrarGruposRelacionados, FiltrarPosiciones, FiltrarGruposEnReservas};
    const int cesionesEsperadas[] = {0, 0, 0, 0, 2, 0, 2, 0};
    for (int i = 0; i < 8; ++i) {
        int cesiones = 0;
        EXPECT_EQ(filtros[i](t, a, Cesion([&] { ++cesiones; })), 0) << i;
        EXPECT_EQ(cesiones, cesionesEsperadas[i]) << i;
    }
}

TEST(Filtros, GruposParesSumasYPosiciones) {
    const Numeros numeros = {"10000", "20000", "30000", "12000", "90000"};
    AjustesFiltros a;
    Celdas(a.NumerosGrupo, 1, {1, 2}, {1});
    a.AciertosGrupo(1, 1) = 1;
    EXPECT_EQ(Quedan(FiltrarGrupos, a, numeros), (Numeros{"10000", "20000", "12000"}));
    a.AciertosGrupo(1, 1) = 0;
    a.AciertosGrupo(1, 0) = 1;
    EXPECT_EQ(Quedan(FiltrarGrupos, a, numeros), (Numeros{"30000", "90000"}));
    a.AciertosGrupo(1, 0) = 0;  // cells but no allowed count: nothing survives
    int32_t n = 0;
    EXPECT_TRUE(Quedan(FiltrarGrupos, a, numeros, &n).empty());
    EXPECT_EQ(n, 5);

    AjustesFiltros p;
    p.ParesActivos[0] = 1;
    EXPECT_EQ(Quedan(FiltrarParesImpares, p, {"13579", "13570", "24680"}), (Numeros{"13579"}));
    p.ParesActivos[0] = 2;  // only a 0 entry rejects
    p.ParesActivos[5] = 1;
    EXPECT_EQ(Quedan(FiltrarParesImpares, p, {"13579", "13570", "24680"}), (Numeros{"13579", "24680"}));

    AjustesFiltros s;
    const Numeros sumas = {"00000", "00014", "00015", "19000", "55000"};
    EXPECT_EQ(Quedan(FiltrarSumas, s, sumas).size(), 5u);  // 0-0 is off
    s.SumaMaxima[3] = 5;
    EXPECT_EQ(Quedan(FiltrarSumas, s, sumas), (Numeros{"00000", "00014"}));
    s.SumaMinima[7] = s.SumaMaxima[7] = 10;
    EXPECT_EQ(Quedan(FiltrarSumas, s, sumas), (Numeros{"00000", "00014", "19000", "55000"}));

    AjustesFiltros pos;
    pos.NumerosPosiciones[1] = pos.NumerosPosiciones[2] = 1;
    EXPECT_EQ(Quedan(FiltrarPosiciones, pos, {"01234", "12345", "23456", "00000"}), (Numeros{"01234", "12345", "00000"}));
}

TEST(Filtros, SeguidosLongitudesYFiguras) {
    const Numeros numeros = {"12379", "12579", "13579", "12349", "12345", "54321"};
    for (int longitud = 1; longitud <= 5; ++longitud) {
        AjustesFiltros a;
        a.NumerosSeguidos[longitud] = 1;
        const Numeros esperado[] = {{"13579", "54321"}, {"12579"}, {"12379"}, {"12349"}, {"12345"}};
        EXPECT_EQ(Quedan(FiltrarSeguidos, a, numeros), esperado[longitud - 1]) << longitud;
    }
    AjustesFiltros a;
    a.FigurasSeguidos[1] = 1;  // "5-0"
    EXPECT_EQ(Quedan(FiltrarSeguidos, a, {"12345", "54321", "34343"}), (Numeros{"12345"}));
    a.SeguidosInversos = 1;
    EXPECT_EQ(Quedan(FiltrarSeguidos, a, {"12345", "54321", "34343", "12324"}), (Numeros{"12345", "54321", "34343"}));
    AjustesFiltros b;
    b.FigurasSeguidos[7] = 1;  // "1-1-1-1-1"
    EXPECT_EQ(Quedan(FiltrarSeguidos, b, {"12345", "54321"}), (Numeros{"54321"}));
    // A figure that passes still has its longest run tested; a failed one is counted once.
    b.FigurasSeguidos[3] = 1;  // "3-2"
    b.NumerosSeguidos[3] = 1;
    int32_t n = 0;
    EXPECT_EQ(Quedan(FiltrarSeguidos, b, {"12345", "12378", "12679", "13579"}, &n), (Numeros{"12378"}));
    EXPECT_EQ(n, 3);
}

TEST(Filtros, TerminacionesFigurasCuentasYSuma) {
    const Numeros figuras = {"11111", "11112", "11122", "11123", "11223", "11234", "12345"};
    for (int f = 1; f <= 7; ++f) {
        AjustesFiltros a;
        a.FigurasTerminaciones[f] = 1;
        EXPECT_EQ(Quedan(FiltrarTerminaciones, a, figuras), (Numeros{figuras[f - 1]})) << f;
    }
    AjustesFiltros siete;
    siete.TerminadosEn(7, 1) = 1;
    EXPECT_EQ(Quedan(FiltrarTerminaciones, siete, {"12345", "17345", "77345", "12347"}), (Numeros{"17345", "12347"}));
    AjustesFiltros suma;
    suma.SumaTerminacionesMinimo = suma.SumaTerminacionesMaximo = 10;
    EXPECT_EQ(Quedan(FiltrarTerminaciones, suma, {"12340", "55000", "99999", "00000"}), (Numeros{"12340", "55000"}));
    suma.SumaTerminacionesMinimo = 11;  // minimum above the maximum
    EXPECT_TRUE(Quedan(FiltrarTerminaciones, suma, {"12340", "55000"}).empty());
}

TEST(Filtros, GruposRelacionadosAsignaCadaCondicionASuSubgrupo) {
    AjustesFiltros a;
    Celdas(a.NumerosSubgrupo, 1, {1}, {1, 2, 3, 4, 5});  // subgroup 1: the digit 1 anywhere
    Celdas(a.NumerosSubgrupo, 2, {2}, {1, 2, 3, 4, 5});  // subgroup 2: the digit 2 anywhere
    a.AciertosCondicion(1, 1) = a.AciertosCondicion(2, 1) = 1;
    const Numeros numeros = {"12000", "10000", "11200", "30000"};
    EXPECT_EQ(Quedan(FiltrarGruposRelacionados, a, numeros), (Numeros{"12000"}));

    // Condition 1 takes subgroup 1 or 2 and condition 2 only subgroup 1: the
    // search must move condition 1 to subgroup 2.
    AjustesFiltros b = a;
    b.AciertosCondicion(1, 2) = 1;
    b.AciertosCondicion(2, 1) = 0;
    b.AciertosCondicion(2, 2) = 1;
    EXPECT_EQ(Quedan(FiltrarGruposRelacionados, b, {"11200", "11220", "12000"}), (Numeros{"11200", "11220"}));

    AjustesFiltros uno = a;  // one subgroup, two conditions
    uno.NumerosSubgrupo.Rellenar(0);
    Celdas(uno.NumerosSubgrupo, 1, {1}, {1, 2, 3, 4, 5});
    EXPECT_TRUE(Quedan(FiltrarGruposRelacionados, uno, numeros).empty());
    uno.AciertosCondicion.Rellenar(0);  // subgroups and no condition
    EXPECT_TRUE(Quedan(FiltrarGruposRelacionados, uno, numeros).empty());

    AjustesFiltros segundo;  // block 1 empty: block 2 is never applied
    Celdas(segundo.NumerosSubgrupo, 7, {1}, {1});
    int32_t n = -1;
    EXPECT_EQ(Quedan(FiltrarGruposRelacionados, segundo, numeros, &n).size(), 4u);
    EXPECT_EQ(n, 0);
}

TEST(Filtros, GruposEnReservas) {
    const Numeros numeros = {"10000", "20000"};
    AjustesFiltros a;
    a.AciertosReserva(2, 0) = 1;  // allows 0 and holds no group
    EXPECT_EQ(Quedan(FiltrarGruposEnReservas, a, numeros).size(), 2u);
    a.AciertosReserva(2, 0) = 0;
    a.AciertosReserva(2, 1) = 1;
    EXPECT_TRUE(Quedan(FiltrarGruposEnReservas, a, numeros).empty());
}

// A reserve holds up to 360 groups but its row of allowed counts ends at 79:
// a number that satisfies more groups than that is eliminated.
TEST(Filtros, ReservaConMasDeSetentaYNueveGruposCumplidos) {
    for (const int grupos : {79, 80, 360}) {
        AjustesFiltros a;
        for (int g = 1; g <= grupos; ++g) {
            a.IdGrupoReserva[g] = 1;
            Celdas(a.NumerosGrupoReserva, g, {1}, {1});
            a.AciertosGrupoReserva(g, 1) = 1;
        }
        for (int j = 0; j <= kMaxAciertosReserva; ++j) a.AciertosReserva(1, j) = 1;
        const Numeros esperado = grupos <= 79 ? Numeros{"10000", "20000"} : Numeros{"20000"};
        EXPECT_EQ(Quedan(FiltrarGruposEnReservas, a, {"10000", "20000"}), esperado) << grupos;
    }
}

TEST(AplicarFiltros, OrdenTitulosYCuentas) {
    prueba::Base b({"11111", "22222", "12345", "99999", "13579"});
    AjustesFiltros a;
    a.ParesActivos[0] = 1;  // 4: odd digits only
    a.SumaMinima[1] = 20;   // 6: sums 20..45
    a.SumaMaxima[1] = 45;
    a.TerminadosEn(5, 1) = 1;  // 7: exactly one 5
    FiltrosMarcados marcados{};
    marcados[0] = marcados[kFiltroParesImpares] = marcados[kFiltroSumas] = marcados[kFiltroTerminaciones] = true;
    marcados[kFiltroGruposRelacionados] = true;  // ticked with nothing set
    std::vector<std::string> titulos;
    EliminadasPorFiltro cuentas;
    cuentas.fill(-1);
    const int32_t total =
        AplicarFiltros(b.t, a, marcados, cuentas, [&](std::string_view s) { titulos.emplace_back(s); }, Cesion());
    EXPECT_EQ(titulos, (std::vector<std::string>{"Filtrando ... Pares e Impares", "Filtrando ... Sumas",
                                                  "Filtrando ... Terminaciones", "Filtrando ... Grupos Relacionados"}));
    // 22222 and 12345 fail the even count (12345 fails the sum too, but is
    // counted once, by the earlier filter); 11111 fails the sum; 99999 has no 5.
    EXPECT_EQ(cuentas, (EliminadasPorFiltro{0, 0, 0, 0, 2, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(total, 4);
    EXPECT_EQ(b.Vivos(), (Numeros{"13579"}));

    titulos.clear();
    EXPECT_EQ(AplicarFiltros(b.t, a, FiltrosMarcados{}, cuentas, [&](std::string_view s) { titulos.emplace_back(s); },
                             Cesion()),
              0);
    EXPECT_TRUE(titulos.empty());
    EXPECT_EQ(cuentas, EliminadasPorFiltro{});
    const char* esperados[] = {"Filtrando ... Grupos de Números", "Filtrando ... Pares e Impares",
                               "Filtrando ... Seguidos",          "Filtrando ... Sumas",
                               "Filtrando ... Terminaciones",     "Filtrando ... Grupos Relacionados",
                               "Filtrando ... Posiciones",        "Filtrando ... Grupos en Reservas"};
    for (int i = 3; i <= 10; ++i) EXPECT_EQ(TituloFiltro(i), esperados[i - 3]);
    EXPECT_TRUE(TituloFiltro(2).empty());
}

namespace {

// Settings drawn at random, sparse enough that most filters keep some
// numbers; entries of 2 test that only a 1 allows and only a 0 rejects.
AjustesFiltros AjustesAlAzar(std::mt19937& rng) {
    AjustesFiltros a;
    std::uniform_int_distribution<int> grupo(1, kNumGrupos), hasta5(0, 5), suma(0, 45), cualquiera(0, 99);
    auto valor = [&](int porcentaje) -> uint8_t {
        const int v = cualquiera(rng);
        return v < porcentaje ? 1 : v < porcentaje + 4 ? 2 : 0;
    };
    auto celdas = [&](Matriz<uint8_t>& m, int fila, int porcentaje) {
        for (int c = 1; c <= kCasillas; ++c) m(fila, c) = cualquiera(rng) < porcentaje ? 1 : 0;
    };
    auto fila = [&](uint8_t* f, int n, int porcentaje) {
        for (int j = 0; j < n; ++j) f[j] = valor(porcentaje);
    };
    for (int i = cualquiera(rng) % 4; i > 0; --i) {
        const int g = grupo(rng);
        celdas(a.NumerosGrupo, g, 12);
        fila(a.AciertosGrupo.Fila(g), 6, 65);
    }
    fila(&a.ParesActivos[0], 6, 55);
    fila(&a.NumerosSeguidos[0], 6, 50);
    fila(&a.FigurasSeguidos[1], 7, 60);
    a.SeguidosInversos = static_cast<int16_t>(cualquiera(rng) % 2);
    for (int i = cualquiera(rng) % 3; i > 0; --i) {
        const int n = 1 + cualquiera(rng) % 10;
        a.SumaMinima[n] = static_cast<int16_t>(suma(rng) - 5);
        a.SumaMaxima[n] = static_cast<int16_t>(suma(rng) + 5);
    }
    for (int d = 0; d <= 9; ++d)
        if (cualquiera(rng) < 25) fila(a.TerminadosEn.Fila(d), 6, 60);
    fila(&a.FigurasTerminaciones[1], 7, 60);
    a.SumaTerminacionesMinimo = static_cast<uint8_t>(suma(rng) / 3);
    a.SumaTerminacionesMaximo = static_cast<uint8_t>(45 - suma(rng) / 3);
    // Blocks from the first; now and then a gap among the subgroups.
    for (int b = 0, bloques = cualquiera(rng) % 4; b < bloques; ++b) {
        const int subgrupos = 1 + hasta5(rng);
        for (int s = 1; s <= subgrupos; ++s)
            if (s == 1 || cualquiera(rng) > 8) celdas(a.NumerosSubgrupo, b * 6 + s, 15);
        for (int j = 1; j <= 6; ++j)
            if (cualquiera(rng) < 40) fila(a.AciertosCondicion.Fila(b * 6 + j), 6, 60);
    }
    for (int c = 1; c <= kCasillas; ++c) a.NumerosPosiciones[c] = cualquiera(rng) < 12 ? 1 : 0;
    for (int i = cualquiera(rng) % 30; i > 0; --i) {
        const int g = grupo(rng);
        a.IdGrupoReserva[g] = static_cast<uint8_t>(cualquiera(rng) % 10);  // 0 and 9 belong to no reserve
        celdas(a.NumerosGrupoReserva, g, 10);
        fila(a.AciertosGrupoReserva.Fila(g), 7, 60);
    }
    for (int r = 1; r <= kNumReservas; ++r)
        if (cualquiera(rng) < 35) fila(a.AciertosReserva.Fila(r), 8, 55);
    return a;
}

}  // namespace

// The fast filters against the row-by-row rules: same rows eliminated, same
// counts, same number of yields, filter after filter, on random grids and
// settings, with and without the one-digit-per-position check first, each
// filter alone and all of them in a chain.
TEST(Filtros, IgualQueLasReglasFilaAFila) {
    const Filtro rapidos[] = {FiltrarGrupos,        FiltrarParesImpares,       FiltrarSeguidos,   FiltrarSumas,
                              FiltrarTerminaciones, FiltrarGruposRelacionados, FiltrarPosiciones, FiltrarGruposEnReservas};
    int32_t (*const reglas[])(ref::Contexto&) = {ref::Grupos,        ref::ParesImpares,       ref::Seguidos,
                                                 ref::Sumas,         ref::Terminaciones,      ref::GruposRelacionados,
                                                 ref::Posiciones,    ref::GruposEnReservas};
    std::mt19937 rng(31337);
    std::array<int64_t, 8> eliminadasTotales{};
    for (int prueba = 0; prueba < 66; ++prueba) {
        const RejillaBase rejilla = prueba::RejillaAlAzar(rng, 0.2 + 0.005 * prueba);
        // Imported numbers too, 14000 of them: the last row yields as well.
        TablasSesion t = prueba < 60 ? prueba::Generadas(rejilla) : prueba::Importadas(rng, rejilla, 14000);
        if (t.gNumCombinaciones > 30000) continue;
        if (prueba % 3 != 0) FiltrarUnDigitoPorPosicion(t, rejilla, Cesion());
        const AjustesFiltros a = AjustesAlAzar(rng);
        const TablasSesion inicial = t;
        TablasSesion esperado = t;
        for (int f = 0; f < 8; ++f) {
            if (prueba % 2 == 1) t = esperado = inicial;  // each filter alone, or all in a chain
            ref::Contexto x{esperado, a};
            const int32_t n = reglas[f](x);
            int cesiones = 0;
            ASSERT_EQ(rapidos[f](t, a, Cesion([&] { ++cesiones; })), n) << "prueba " << prueba << " filtro " << f + 3;
            ASSERT_EQ(cesiones, x.cesiones) << "prueba " << prueba << " filtro " << f + 3;
            ASSERT_EQ(t.gEliminada, esperado.gEliminada) << "prueba " << prueba << " filtro " << f + 3;
            eliminadasTotales[f] += n;
        }
    }
    // Every filter did eliminate something somewhere, so the comparison had teeth.
    for (int f = 0; f < 8; ++f) EXPECT_GT(eliminadasTotales[f], 0) << f + 3;
}
