#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

#include "panel_impresion.h"

TEST(PanelImpresion, CajasNumericas) {
    for (const char* si : {"0", " 12 ", "-900", "+5", "1.5", "007"}) EXPECT_TRUE(EsNumerico(si)) << si;
    for (const char* no : {"", "  ", "+", "-", "1-", "1e3", "0x10", "12a", "1.2.3", "--1"}) EXPECT_FALSE(EsNumerico(no)) << no;
    for (auto [texto, valor] : {std::pair{"-900", -900}, {" 25 ", 25}, {"2.5", 2}, {"abc", 0}, {"99999999999", 2147483647}})
        EXPECT_EQ(ValorTexto(texto), valor) << texto;
}

TEST(PanelImpresion, DatosDelSorteoPidenCuatroCajasNumericasSinIntervalo) {
    EXPECT_TRUE(ValidarDatosSorteo("102", "20", "45", "0"));
    EXPECT_FALSE(ValidarDatosSorteo("102", "20", "", "2024"));
    EXPECT_FALSE(ValidarDatosSorteo("102", "20", "5", " "));
    EXPECT_FALSE(ValidarDatosSorteo("", "20", "5", "2024"));
    EXPECT_FALSE(ValidarDatosSorteo("102", "x", "5", "2024"));
}

TEST(PanelImpresion, ReparacionDeMargenes) {
    for (auto [caja, anterior, reparada] : {std::tuple{"", "900", "900"}, {"-", "900", "900"}, {"+", "1000", "1000"},
                                            {"-35", "900", "-35"}, {"0", "1000", "0"}})
        EXPECT_EQ(RepararMargen(caja, anterior), reparada) << caja;
}

TEST(PanelImpresion, IntervalosDeVeinticincoDecimos) {
    const RangoDecimos todos = RangoTodos(25);
    EXPECT_EQ((std::array{todos.indice, todos.primero, todos.ultimo}), (std::array{0, 1, 25}));
    const RangoDecimos r = RangoIntervalo("3", "7", 25);
    EXPECT_EQ(r.error, ErrorDecimos::Ninguno);
    EXPECT_EQ((std::array{r.indice, r.primero, r.ultimo}), (std::array{2, 3, 7}));
    EXPECT_EQ(RangoIntervalo("25", "25", 25).error, ErrorDecimos::Ninguno);
    for (auto [a, b] : {std::pair{"7", "3"}, {"0", "5"}, {"3", "26"}})
        EXPECT_EQ(RangoIntervalo(a, b, 25).error, ErrorDecimos::IntervaloFuera) << a << "-" << b;
    EXPECT_EQ(RangoIntervalo("", "5", 25).error, ErrorDecimos::IntervaloIncompleto);
    EXPECT_EQ(RangoIntervalo("1", "", 25).error, ErrorDecimos::IntervaloIncompleto);
    for (const char* n : {"0", "26", ""}) EXPECT_EQ(RangoDecimo(n, 25).error, ErrorDecimos::DecimoFuera) << n;
    const RangoDecimos uno = RangoDecimo("25", 25);
    EXPECT_EQ((std::array{uno.indice, uno.primero, uno.ultimo}), (std::array{24, 25, 25}));
}

TEST(PanelImpresion, FechaYDiaDeLaSemana) {
    EXPECT_EQ(TextoNumeroSorteo(5), "005");
    EXPECT_EQ(TextoNumeroSorteo(1234), "1234");
    const auto lunes = LeerFechaSorteo("04/03/2024");
    ASSERT_TRUE(lunes);
    EXPECT_EQ(lunes->diaSemana, 0);
    EXPECT_EQ(lunes->dia, "04");
    EXPECT_EQ(lunes->mes, 3);
    EXPECT_EQ(lunes->anio, "2024");
    ASSERT_TRUE(LeerFechaSorteo("10/3/2024"));
    EXPECT_EQ(LeerFechaSorteo("10/3/2024")->diaSemana, 6);  // Sunday
    EXPECT_EQ(LeerFechaSorteo("29/02/2024")->diaSemana, 3);
    for (const char* mala : {"", "29/02/2023", "31/04/2024", "45/3/2024", "5/13/2024", "a/3/2024", "5/3", "5/3/2024/1"})
        EXPECT_FALSE(LeerFechaSorteo(mala)) << mala;
    EXPECT_EQ(UnirFechaSorteo("05", 2, "2024"), "05/3/2024");
}

TEST(PanelImpresion, ClaveDeFecha) {
    EXPECT_EQ(ClaveFechaSorteo("05", "03", "2024"), "20240305");
    EXPECT_EQ(ClaveFechaSorteo(" 29", "02 ", "2024"), "20240229");
    EXPECT_FALSE(ClaveFechaSorteo("31", "02", "2024"));
    EXPECT_FALSE(ClaveFechaSorteo("01", "01", ""));
    EXPECT_FALSE(ClaveFechaSorteo("01", "13", "2024"));
}

TEST(PanelImpresion, PaginaEnTwipsConservaElTamanoDelHueco) {
    struct Fila {
        int32_t ancho, alto, izquierdo, superior;
        size_t huecos;
    };
    const Fila filas[] = {{11906, 16838, 900, 1000, 10},  // A4 portrait: two columns of five
                          {16838, 11906, 900, 1000, 9},   // A4 landscape: three by three
                          {11906, 16838, 7000, -600, 5},  // only one column fits
                          {11906, 16838, 99999, 99999, 1}};
    for (const Fila& f : filas) {
        const DisposicionPagina d = DisponerPagina(f.ancho, f.alto, f.izquierdo, f.superior);
        EXPECT_EQ(d.huecos.size(), f.huecos) << f.izquierdo;
        EXPECT_EQ((std::array{d.huecos[0].x, d.huecos[0].y, d.huecos[0].ancho, d.huecos[0].alto}),
                  (std::array{f.izquierdo, f.superior + kBandaTitulo, kAnchoHueco, kAltoHueco}));
        EXPECT_EQ(d.titulo.y, f.superior);
        EXPECT_EQ(d.pie.y, d.huecos.back().y + kAltoHueco);
    }
}
