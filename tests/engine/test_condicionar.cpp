#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ayuda_tablas.h"
#include "condicionar.h"

namespace {
// Row j of the result as a 5-digit text.
std::string Numero(const TablasSesion& t, int32_t j) {
    std::string s;
    for (int p = 1; p <= 5; ++p) s += static_cast<char>('0' + DigitoDeCasilla(t.gResultado(j, p)));
    return s;
}
}  // namespace

TEST(CondicionarBase, RejillasFiltrosYResultadoEnOrdenNumerico) {
    AjustesFiltros a;
    a.ParesActivos[2] = 1;  // only numbers with two even digits
    FiltrosMarcados marcados{};
    marcados[kFiltroParesImpares] = marcados[kFiltroSumas] = true;
    RejillaBase todas;
    for (int c = 1; c <= kCasillas; ++c) todas.Fijar(static_cast<Casilla>(c), true);
    const struct {
        RejillaBase rejilla;
        bool filtrar;
        // Candidates, eliminated by the check, by the even-odd filter and by
        // all filters, kept, all valid; the first and last number kept.
        const char* esperado;
    } casos[] = {
        {todas, false, "2118760 2018760 0 0 100000 no 00000 99999"},
        // One cell per position: one number, nothing eliminated, all valid.
        {prueba::RejillaCon({4, 19, 21, 40, 50}), false, "1 0 0 0 1 si 38099 38099"},
        // Two digits per position; C(5,2) numbers have two zeros.
        {prueba::RejillaCon({1, 2, 11, 12, 21, 22, 31, 32, 41, 42}), true, "252 220 22 22 10 no 00111 11100"},
        // Cells in two positions only: nothing is left, and the tables are still freed.
        {prueba::RejillaCon({1, 2, 3, 11, 12, 13}), false, "6 6 0 0 0 no"},
    };
    for (const auto& c : casos) {
        TablasSesion t;
        t.gTodasValidas = true;
        const ResultadoCondicionar r =
            CondicionarBase(t, c.rejilla, a, c.filtrar ? marcados : FiltrosMarcados{}, true, {}, Cesion());
        EXPECT_TRUE(t.gCombinaciones.Filas() == 0 && t.gEliminada.Vacio());  // temporary tables freed
        CopiarCondicionadosAResultado(t);
        ASSERT_EQ(t.gResultado.Filas(), r.condicionados);
        for (int32_t j = 2; j <= r.condicionados; ++j) ASSERT_LT(Numero(t, j - 1), Numero(t, j));  // ascending, no repeats
        std::string visto;
        for (int32_t v : {r.candidatos, r.eliminadasComprobacion, r.EliminadasFiltro[kFiltroParesImpares],
                          r.eliminadasFiltros, r.condicionados})
            visto += std::to_string(v) + " ";
        visto += t.gTodasValidas ? "si" : "no";
        if (r.condicionados > 0) visto += " " + Numero(t, 1) + " " + Numero(t, r.condicionados);
        EXPECT_EQ(visto, c.esperado);
    }
}

TEST(CondicionarBase, ModoFicheroMapeaCadaCasillaASuElemento) {
    TablasSesion t;
    t.gImportados = prueba::Tabla({"01234", "01299", "51234", "01734"});
    t.gNumImportados = 4;
    // The grid lacks the 7 at position 3 (cell 28): that number maps to
    // element 0 and fails the check.
    t.gTodasValidas = true;
    const ResultadoCondicionar r = CondicionarBase(t, prueba::RejillaCon({1, 6, 12, 23, 34, 40, 45, 50}), AjustesFiltros(),
                                                   FiltrosMarcados{}, false, {}, Cesion());
    EXPECT_EQ(r.candidatos, 4);
    EXPECT_EQ(r.eliminadasComprobacion, 1);
    EXPECT_FALSE(t.gTodasValidas);
    // 01234 is elements 1 3 4 5 7 of the grid.
    EXPECT_EQ((std::vector<uint8_t>(t.gElementosApuesta.Fila(1), t.gElementosApuesta.Fila(1) + 5)),
              (std::vector<uint8_t>{1, 3, 4, 5, 7}));
    CopiarCondicionadosAResultado(t);
    EXPECT_EQ(t.gResultado, prueba::Tabla({"01234", "01299", "51234"}));
    // Never all valid in file mode, even with nothing eliminated.
    t.gTodasValidas = true;
    const RejillaBase todas = prueba::RejillaCon({1, 6, 12, 23, 28, 34, 40, 45, 50});
    EXPECT_EQ(CondicionarBase(t, todas, AjustesFiltros(), FiltrosMarcados{}, false, {}, Cesion()).condicionados, 4);
    EXPECT_FALSE(t.gTodasValidas);
}

TEST(CondicionarBase, SinReduccionComparaElTextoExacto) {
    EXPECT_TRUE(SinReduccion("100", -1, false));  // no type selected
    EXPECT_FALSE(SinReduccion("100", 0, true));
    for (const char* texto : {"0100", "100 ", "100.0"}) EXPECT_FALSE(SinReduccion(texto, 0, false)) << texto;
}
