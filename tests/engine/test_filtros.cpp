#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ayuda_tablas.h"
#include "filtros.h"
#include "referencia.h"

namespace {
using Filtro = int32_t (*)(TablasSesion&, const AjustesFiltros&, const Cesion&);

// The row-by-row rules are slow under the sanitizers: there only every
// third of the ordinary rounds runs.
#ifdef VORTESALIN_SANITIZADO
constexpr int kPasoRondas = 3;
#else
constexpr int kPasoRondas = 1;
#endif
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

// A reserve holds up to 360 groups but its row of allowed counts ends at 79:
// a number that satisfies more groups than that is eliminated.
TEST(Filtros, ReservaConMasDeSetentaYNueveGruposCumplidos) {
    for (const int grupos : {79, 80, 360}) {
        AjustesFiltros a;
        for (int g = 1; g <= grupos; ++g) {
            a.IdGrupoReserva[g] = 1;
            a.NumerosGrupoReserva(g, prueba::CasillaDe('1', 1)) = 1;
            a.AciertosGrupoReserva(g, 1) = 1;
        }
        for (int j = 0; j <= kMaxAciertosReserva; ++j) a.AciertosReserva(1, j) = 1;
        prueba::Base b({"10000", "20000"});
        FiltrarGruposEnReservas(b.t, a, Cesion());
        EXPECT_EQ(b.Vivos(), grupos <= 79 ? (std::vector<std::string>{"10000", "20000"})
                                          : (std::vector<std::string>{"20000"})) << grupos;
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
    const auto anotar = [&](std::string_view s) { titulos.emplace_back(s); };
    EliminadasPorFiltro cuentas;
    cuentas.fill(-1);
    const int32_t total = AplicarFiltros(b.t, a, marcados, cuentas, anotar, Cesion());
    EXPECT_EQ(titulos, (std::vector<std::string>{"Filtrando ... Pares e Impares", "Filtrando ... Sumas",
                                                  "Filtrando ... Terminaciones", "Filtrando ... Grupos Relacionados"}));
    // 22222 and 12345 fail the even count (12345 fails the sum too, but is
    // counted once, by the earlier filter); 11111 fails the sum; 99999 has no 5.
    EXPECT_EQ(cuentas, (EliminadasPorFiltro{0, 0, 0, 0, 2, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(total, 4);
    EXPECT_EQ(b.Vivos(), std::vector<std::string>{"13579"});

    titulos.clear();
    EXPECT_EQ(AplicarFiltros(b.t, a, FiltrosMarcados{}, cuentas, anotar, Cesion()), 0);
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
// Dense settings fill all 360 groups, all 60 blocks and all 360 reserve
// groups, with hit rows that seldom reject few hits, so that numbers survive.
AjustesFiltros AjustesAlAzar(std::mt19937& rng, bool densos) {
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
    // Per mil, how often a dense row rejects 0, 1, 2, 3.. hits: groups that miss the grid (0 hits) are never rejected.
    const int rechazo[] = {0, 1, 3, 30, 30, 30, 30};
    auto filaDensa = [&](uint8_t* f, int n) {
        for (int j = 0; j < n; ++j)
            f[j] = cualquiera(rng) * 10 + cualquiera(rng) % 10 >= rechazo[j] ? 1 : static_cast<uint8_t>(rng() % 2 * 2);
    };
    for (int i = densos ? kNumGrupos : cualquiera(rng) % 4; i > 0; --i) {
        const int g = densos ? i : grupo(rng);
        celdas(a.NumerosGrupo, g, densos ? 20 : 12);
        if (densos)
            filaDensa(a.AciertosGrupo.Fila(g), 6);
        else
            fila(a.AciertosGrupo.Fila(g), 6, 65);
    }
    fila(&a.ParesActivos[0], 6, 55);
    fila(&a.NumerosSeguidos[0], 6, 50);
    fila(&a.FigurasSeguidos[1], 7, 60);
    a.SeguidosInversos = static_cast<int16_t>(cualquiera(rng) % 3);
    // Now and then an interval with a maximum of 0: on, and holding no sum.
    for (int i = cualquiera(rng) % 3; i > 0; --i) {
        const int n = 1 + cualquiera(rng) % 10;
        a.SumaMinima[n] = static_cast<int16_t>(suma(rng) - 5);
        a.SumaMaxima[n] = static_cast<int16_t>(cualquiera(rng) < 10 ? 0 : suma(rng) + 5);
    }
    for (int d = 0; d <= 9; ++d)
        if (cualquiera(rng) < 25) fila(a.TerminadosEn.Fila(d), 6, 60);
    fila(&a.FigurasTerminaciones[1], 7, 60);
    a.SumaTerminacionesMinimo = static_cast<uint8_t>(suma(rng) / 3);
    a.SumaTerminacionesMaximo = static_cast<uint8_t>(45 - suma(rng) / 3);
    // Blocks from the first, now and then from the second (the first empty
    // block ends the filter); now and then a gap among the subgroups.
    for (int b = cualquiera(rng) < 10 && !densos ? 1 : 0, bloques = densos ? 60 : cualquiera(rng) % 4; b < bloques;
         ++b) {
        const int subgrupos = 1 + hasta5(rng);
        for (int s = 1; s <= subgrupos; ++s)
            if (s == 1 || densos || cualquiera(rng) > 8) celdas(a.NumerosSubgrupo, b * 6 + s, 15);
        if (densos) {
            // Conditions that fit the subgroups, on any of the six rows.
            for (int j = 1 + hasta5(rng) % subgrupos; j > 0; --j)
                fila(a.AciertosCondicion.Fila(b * 6 + 1 + hasta5(rng)), 6, 93);
            continue;
        }
        for (int j = 1; j <= 6; ++j)
            if (cualquiera(rng) < 40) fila(a.AciertosCondicion.Fila(b * 6 + j), 6, 60);
    }
    for (int c = 1; c <= kCasillas; ++c) a.NumerosPosiciones[c] = cualquiera(rng) < 12 ? 1 : 0;
    std::array<int, 10> enReserva{};
    for (int i = densos ? kNumGrupos : cualquiera(rng) % 30; i > 0; --i) {
        const int g = densos ? i : grupo(rng);
        a.IdGrupoReserva[g] = static_cast<uint8_t>(cualquiera(rng) % 10);  // 0 and 9 belong to no reserve
        ++enReserva[a.IdGrupoReserva[g]];
        celdas(a.NumerosGrupoReserva, g, densos ? 20 : 10);
        fila(a.AciertosGrupoReserva.Fila(g), 7, densos ? 85 : 60);
    }
    for (int r = 1; r <= kNumReservas; ++r) {
        if (cualquiera(rng) >= (densos ? 60 : 35)) continue;
        if (!densos) {
            fila(a.AciertosReserva.Fila(r), 8, 55);
            continue;
        }
        // Most of the reserve's groups satisfied, around the counts numbers reach.
        for (int j = enReserva[r] * 8 / 10 - hasta5(rng) % 3; j <= kMaxAciertosReserva; ++j)
            a.AciertosReserva(r, j) = valor(75);
    }
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
    std::array<int, 8> densosConSupervivientes{};  // dense runs that kept some numbers and not all
    for (int prueba = 0; prueba < 78; ++prueba) {
        // The last twelve draw dense settings over smaller grids.
        const bool densos = prueba >= 66;
        if (!densos && prueba % kPasoRondas != 0) continue;
        const RejillaBase rejilla = prueba::RejillaAlAzar(rng, densos ? 0.28 : 0.2 + 0.005 * prueba);
        // Imported numbers too, 14000 of them: the last row yields as well.
        TablasSesion t = prueba < 60 || (densos && prueba % 4 < 2)
                             ? prueba::Generadas(rejilla)
                             : prueba::Importadas(rng, rejilla, densos ? 3000 : 14000);
        if (t.gNumCombinaciones > 30000) continue;
        if (prueba % 3 != 0) FiltrarUnDigitoPorPosicion(t, rejilla, Cesion());
        const AjustesFiltros a = AjustesAlAzar(rng, densos);
        const TablasSesion inicial = t;
        TablasSesion esperado = t;
        for (int f = 0; f < 8; ++f) {
            if (prueba % 2 == 1) t = esperado = inicial;  // each filter alone, or all in a chain
            ref::Contexto x{esperado, a};
            const auto vivas = std::count(esperado.gEliminada.Datos() + 2,
                                          esperado.gEliminada.Datos() + esperado.gEliminada.Tamano(), uint8_t{0});
            const int32_t n = reglas[f](x);
            if (densos && n > 0 && n < vivas) ++densosConSupervivientes[f];
            int cesiones = 0;
            ASSERT_EQ(rapidos[f](t, a, Cesion([&] { ++cesiones; })), n) << "prueba " << prueba << " filtro " << f + 3;
            ASSERT_EQ(cesiones, x.cesiones) << "prueba " << prueba << " filtro " << f + 3;
            ASSERT_EQ(t.gEliminada, esperado.gEliminada) << "prueba " << prueba << " filtro " << f + 3;
            eliminadasTotales[f] += n;
        }
    }
    // Every filter did eliminate something somewhere, so the comparison had teeth.
    for (int f = 0; f < 8; ++f) EXPECT_GT(eliminadasTotales[f], 0) << f + 3;
    // The dense group filters eliminated some numbers and kept others.
    for (int f : {0, 5, 7}) EXPECT_GE(densosConSupervivientes[f], 3) << f + 3;
}
