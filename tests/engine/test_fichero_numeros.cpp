#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fichero_numeros.h"

#include "ayuda_tablas.h"

namespace fs = std::filesystem;

namespace {

const std::string kPrefijoError = "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (";

// n numbers of five digits each, with the given line end.
std::string Fichero(int64_t n, const std::string& fin) {
    std::string t;
    char numero[16];
    for (int64_t i = 0; i < n; ++i) {
        std::snprintf(numero, sizeof numero, "%05d", static_cast<int>(i * 7919 % 100000));
        t.append(numero).append(fin);
    }
    return t;
}

}  // namespace

TEST(FicheroNumeros, CesionesYProgresoSegunElImportador) {
    auto contar = [](const std::string& texto, const OpcionesLecturaNumeros& o) {
        int cesiones = 0;
        std::vector<int32_t> progreso;
        Cesion ceder([&] { ++cesiones; });
        EXPECT_TRUE(LeerTextoNumeros(texto, o, ceder, [&](int32_t j) {
                        EXPECT_EQ(static_cast<int>(progreso.size()), cesiones);  // progress first, then the yield
                        progreso.push_back(j);
                    }).Correcta());
        EXPECT_EQ(static_cast<int>(progreso.size()), cesiones);
        return progreso;
    };
    const std::string compacto = Fichero(25000, "\r\n");
    std::string separado;
    for (int i = 0; i < 25000; ++i) separado += "1 2 3 4 5\r\n";
    const std::vector<int32_t> cada8000{8000, 16000, 24000};
    EXPECT_EQ(contar(compacto, kLecturaPrincipal), cada8000);
    EXPECT_EQ(contar(separado, kLecturaPrincipal), cada8000);
    EXPECT_EQ(contar(separado, kLecturaEscrutinio), cada8000);
    EXPECT_EQ(contar(compacto, kLecturaSelector), cada8000);
    EXPECT_EQ(contar(separado, kLecturaSelector), (std::vector<int32_t>{10000, 20000}));
}

TEST(FicheroNumeros, QuitarRepetidosComoUnConjuntoOrdenado) {
    // Many repeats, drawn from a narrow range, against a plain sorted set.
    std::mt19937 gen(3);
    std::string texto;
    std::set<std::string> esperado;
    const int n = 45000;
    for (int i = 0; i < n; ++i) {
        char linea[16];
        std::snprintf(linea, sizeof linea, "%05u", static_cast<unsigned>(gen() % 30000) * 3);
        esperado.insert(linea);
        texto += std::string(linea) + "\n";
    }
    TablaNumeros importados;
    int cesiones = 0;
    const auto r = QuitarRepetidosYOrdenar(LeerTextoNumeros(texto, kLecturaPrincipal), importados, Cesion([&] { ++cesiones; }));
    EXPECT_EQ(r.unicos, static_cast<int32_t>(esperado.size()));
    EXPECT_EQ(r.repetidos, n - r.unicos);
    EXPECT_EQ(importados, prueba::Tabla(std::vector<std::string>(esperado.begin(), esperado.end())));
    // Four during the first pass, and one per 10000 ranks of the 5-of-50 order.
    EXPECT_EQ(cesiones, n / 10000 + kMaxCombinaciones / 10000);
    // The reading keeps the repeats: the cells used and how often.
    const auto l = LeerTextoNumeros("99999\n00000\n00000\n00000\n", kLecturaSelector);
    EXPECT_EQ(l.CasillasUsadas(), prueba::RejillaCon({1, 10, 11, 20, 21, 30, 31, 40, 41, 50}));
    EXPECT_EQ((std::array{l.cuentaCasillas[1], l.cuentaCasillas[50]}), (std::array{3, 1}));
}

TEST(FicheroNumeros, EnDiscoIgualQueEnMemoriaHastaElLimite) {
    // Lines straddle the 4 MB blocks, one line is longer than a block and the
    // last has no end: one number short of the limit.
    const std::string texto = Fichero(kMaxCombinaciones - 3, "\r\n") + std::string(5 << 20, '-') + "54321\r\n" + "1 2 3 4 5";
    const std::string ruta = (fs::temp_directory_path() / ("vortesalin_num_" + std::to_string(::getpid()))).string();
    std::ofstream(ruta, std::ios::binary) << texto;
    const auto disco = LeerFicheroNumeros(ruta, kLecturaPrincipal);
    const auto memoria = LeerTextoNumeros(texto, kLecturaPrincipal);
    EXPECT_TRUE(disco.Correcta() && !disco.limiteAlcanzado) << disco.error;
    EXPECT_EQ(disco.total, kMaxCombinaciones - 1);
    EXPECT_EQ(disco.digitos, memoria.digitos);
    EXPECT_EQ(disco.cuentaCasillas, memoria.cuentaCasillas);
    // Two more: the reading stops at the limit.
    const auto llena = LeerTextoNumeros(texto + "\n12345\n12345", kLecturaEscrutinio);
    EXPECT_TRUE(llena.Correcta() && llena.limiteAlcanzado);
    EXPECT_EQ(llena.total, kMaxCombinaciones);
    EXPECT_EQ(llena.digitos.size(), static_cast<size_t>(kMaxCombinaciones) * 5);
    EXPECT_EQ(TextoAvisoLimite(), "SOLO SE PUEDEN IMPORTAR 2118760 NUMEROS");

    // A line too long for any number file is refused, not held whole in memory.
    std::ofstream(ruta, std::ios::binary) << "12345\n" << std::string(20 << 20, '7');
    EXPECT_EQ(LeerFicheroNumeros(ruta, kLecturaPrincipal).error, kPrefijoError + "Línea demasiado larga (Línea 2) )");
    // A CR LF split between two 4 MB blocks ends one line, not two.
    std::ofstream(ruta, std::ios::binary) << std::string((4 << 20) - 1, '-') << "\r\n12a45\n";
    EXPECT_EQ(LeerFicheroNumeros(ruta, kLecturaPrincipal).error, kPrefijoError + "'a' no es un número (Línea 2) )");
    fs::remove(ruta);
    const auto falta = LeerFicheroNumeros(ruta, kLecturaPrincipal);
    EXPECT_EQ(falta.error, kPrefijoError + "No se puede abrir el fichero )");
    EXPECT_EQ(falta.total, 0);
}
