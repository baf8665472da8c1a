#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fichero_numeros.h"
#include "numeros_terminal.h"

namespace {
DecimoEnVenta D(const char* n, int32_t cantidad) {
    DecimoEnVenta d;
    for (int p = 0; p < 5; ++p) d.digitos[static_cast<size_t>(p)] = static_cast<uint8_t>(n[p] - '0');
    d.cantidad = cantidad;
    return d;
}
}  // namespace

TEST(NumerosTerminal, FilterByDigitsAndQuantity) {
    const std::vector<DecimoEnVenta> v = {D("12345", 5), D("12340", 1), D("99345", 10), D("02345", 0), D("12345", 11)};
    auto cifras = [](const std::vector<DecimoEnVenta>& r) {
        std::vector<std::pair<int, int>> s;
        for (const auto& d : r) s.emplace_back(d.digitos[0] * 10000 + d.digitos[1] * 1000 + d.digitos[2] * 100 + d.digitos[3] * 10 + d.digitos[4], d.cantidad);
        return s;
    };
    EXPECT_EQ(cifras(FiltrarDecimos(v, {-1, -1, -1, -1, 5}, 1, 10)), (std::vector<std::pair<int, int>>{{12345, 5}, {99345, 10}}));
    EXPECT_EQ(cifras(FiltrarDecimos(v, {1, 2, -1, -1, -1}, 1, 99999)),
              (std::vector<std::pair<int, int>>{{12345, 5}, {12340, 1}, {12345, 11}}));
    EXPECT_EQ(FiltrarDecimos(v, {-1, -1, -1, -1, -1}, 0, 99999).size(), 5u);
    EXPECT_TRUE(FiltrarDecimos(v, {-1, -1, -1, -1, -1}, 12, 99999).empty());
}

TEST(NumerosTerminal, FilteredFileIsReadByTheImport) {
    const std::vector<DecimoEnVenta> v = {D("00123", 3), D("98765", 1), D("00123", 2)};
    const std::string texto = TextoNumerosFiltrados(v);
    EXPECT_EQ(texto, "00123\r\n98765\r\n00123\r\n");
    const auto ruta = std::filesystem::temp_directory_path() / "vortesalin_filtrados_test.txt";
    std::ofstream(ruta, std::ios::binary) << texto;
    const LecturaNumeros l = LeerFicheroNumeros(ruta.string(), kLecturaPrincipal);
    std::filesystem::remove(ruta);
    ASSERT_TRUE(l.Correcta()) << l.error;
    ASSERT_EQ(l.total, 3);
    EXPECT_EQ(l.Digito(2, 1), 9);
    EXPECT_EQ(l.Digito(3, 5), 3);
}

TEST(NumerosTerminal, RawListKeepsQuantitiesAndSeries) {
    DatosSorteo s;
    s.id = "1234";
    s.nombre = "Jueves";
    s.decimos = {D("01234", 7)};
    s.decimos[0].series = "1-3";
    EXPECT_EQ(TextoNumerosEnBruto(s), "Sorteo;1234;Jueves\r\nNumero;Cantidad;Series\r\n01234;7;1-3\r\n");
}
