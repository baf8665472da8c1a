#include <gtest/gtest.h>

#include "ayuda_tablas.h"
#include "numeros_terminal.h"

namespace {
DecimoEnVenta D(const char* n, int32_t cantidad, const char* series = "") {
    DecimoEnVenta d;
    for (int p = 0; p < 5; ++p) d.digitos[static_cast<size_t>(p)] = static_cast<uint8_t>(n[p] - '0');
    d.cantidad = cantidad;
    d.series = series;
    return d;
}
}  // namespace

TEST(NumerosTerminal, FiltroPorCifrasYCantidad) {
    const std::vector<DecimoEnVenta> v = {D("12345", 5), D("12340", 1), D("99345", 10), D("02345", 0), D("12345", 11)};
    EXPECT_EQ(FiltrarDecimos(v, {-1, -1, -1, -1, 5}, 1, 10), (std::vector{v[0], v[2]}));
    EXPECT_EQ(FiltrarDecimos(v, {1, 2, -1, -1, -1}, 1, 99999), (std::vector{v[0], v[1], v[4]}));
    EXPECT_EQ(FiltrarDecimos(v, {-1, -1, -1, -1, -1}, 0, 99999), v);
    EXPECT_TRUE(FiltrarDecimos(v, {-1, -1, -1, -1, -1}, 12, 99999).empty());
}

// A file in the folder's form reads and writes back unchanged; the numbers
// are read as the import reads them, quantity and series optional blanks.
TEST(NumerosTerminal, FicheroDeSorteoIdaYVuelta) {
    const std::string texto = prueba::Dato("sorteo_navidad.txt");
    const LecturaSorteo leido = LeerTextoSorteo(texto, "20261222");
    ASSERT_TRUE(leido.sorteo) << leido.error;
    EXPECT_EQ(TextoSorteo(*leido.sorteo), texto);
    EXPECT_EQ(leido.sorteo->decimos, (std::vector<DecimoEnVenta>{D("01234", 7, "1-3; 5"), D("99999", 0)}));
    EXPECT_EQ(leido.sorteo->clave + " " + std::to_string(leido.sorteo->diaSemana), "20261222 1");  // a Tuesday
    const LecturaSorteo otras = LeerTextoSorteo(prueba::Dato("sorteo_separadores.txt"), "x");
    ASSERT_TRUE(otras.sorteo) << otras.error;
    EXPECT_EQ(otras.sorteo->decimos, (std::vector<DecimoEnVenta>{D("12345", 3), D("67890", 2, "x")}));
    EXPECT_EQ(otras.sorteo->diaSemana, -1);
    // Saved by a Windows editor: not UTF-8, so read as Windows-1252.
    const LecturaSorteo w = LeerTextoSorteo(prueba::Dato("sorteo_1252.txt"), "20261226");
    ASSERT_TRUE(w.sorteo) << w.error;
    EXPECT_EQ(w.sorteo->nombre + "|" + w.sorteo->primerPremio + "|" + w.sorteo->segundoPremio,
              "Sorteo del Sábado|300.000 €|Peña “Niños”");
}

// tests/data/carpeta_sorteos: three draws (the last named in capitals) and three
// files not named by a date, which are ignored.
TEST(NumerosTerminal, CarpetaPorFechaUltimoAnteriorYSiguiente) {
    const std::string carpeta = std::string(VORTESALIN_DATOS_PRUEBA) + "/carpeta_sorteos";
    const std::string donde = " EN LA CARPETA:\r\n" + carpeta;
    const struct {
        int modo;
        const char* clave;
        const char* id;  // "id key weekday" (all Tuesdays), or the message
    } filas[] = {
        {1, "20261222", "S20261222 20261222 1"},
        {2, "", "S20261229 20261229 1"},
        {3, "20261222", "S20261215 20261215 1"},
        {4, "20261222", "S20261229 20261229 1"},
        {3, "20261220", "S20261215 20261215 1"},
        {4, "20261220", "S20261222 20261222 1"},
        {1, "20261223", "ERROR: NO HAY NINGÚN SORTEO DEL 23/12/2026 (fichero 20261223.txt)"},
        {3, "20261215", "ERROR: NO HAY NINGÚN SORTEO ANTERIOR AL 15/12/2026"},
        {4, "20261229", "ERROR: NO HAY NINGÚN SORTEO POSTERIOR AL 29/12/2026"},
    };
    for (const auto& f : filas) {
        const LecturaSorteo l = ConsultarCarpetaSorteos(carpeta, f.modo, f.clave);
        // The draw found with its key and weekday, or the message.
        const std::string visto =
            l.sorteo ? l.sorteo->id + " " + l.sorteo->clave + " " + std::to_string(l.sorteo->diaSemana) : l.error;
        EXPECT_EQ(visto, f.id + std::string(l.sorteo ? "" : donde)) << f.modo << f.clave;
    }
    const std::string mala = std::string(VORTESALIN_DATOS_PRUEBA) + "/sorteo_malo";
    EXPECT_EQ(ConsultarCarpetaSorteos(mala, 1, "20261222").error,
              "ERROR AL LEER EL SORTEO, SORTEO NO CARGADO ('x' no es una cantidad disponible (Línea 5))\r\n" + mala +
                  "/20261222.txt");
    EXPECT_EQ(ConsultarCarpetaSorteos(carpeta + "/no_existe", 2, "").error,
              "ERROR: NO HAY NINGÚN SORTEO" + donde + "/no_existe");
}
