#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fichero_numeros.h"

namespace fs = std::filesystem;

namespace {

const std::string kPrefijoError = "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (";

// The numbers read, as 5-digit texts in file order.
std::vector<std::string> Numeros(const LecturaNumeros& l) {
    std::vector<std::string> v;
    for (int32_t j = 1; j <= l.total; ++j) {
        std::string s;
        for (int p = 1; p <= 5; ++p) s += static_cast<char>('0' + l.Digito(j, p));
        v.push_back(s);
    }
    return v;
}

LecturaNumeros Leer(const std::string& texto, const OpcionesLecturaNumeros& o = kLecturaPrincipal) {
    return LeerTextoNumeros(texto, o);
}

// n numbers of five digits each, with the given line end.
std::string Fichero(int32_t n, const std::string& fin, uint32_t semilla = 1) {
    std::string t;
    t.resize(static_cast<size_t>(n) * (5 + fin.size()));
    char* o = t.data();
    uint32_t v = semilla;
    for (int32_t i = 0; i < n; ++i) {
        v = (v * 7919 + 13) % 100000;
        for (int p = 4, x = static_cast<int>(v); p >= 0; --p, x /= 10) o[p] = static_cast<char>('0' + x % 10);
        o += 5;
        for (char c : fin) *o++ = c;
    }
    return t;
}

}  // namespace

TEST(FicheroNumeros, FormasDeLinea) {
    using V = std::vector<std::string>;
    const struct {
        const char* texto;
        FormaFichero forma;
        V numeros;
    } casos[] = {
        // Packed: separators dropped, digits after the fifth ignored.
        {"12345\r\n1-2-3-4-6\r\n1,2,3,4,7\r\n6 7 8 9 0\r\n*1+2-3,4 8\r\n123456789\r\n", FormaFichero::Compacta,
         V{"12345", "12346", "12347", "67890", "12348", "12345"}},
        // Separated by blanks: items rounded half to even, signs taken, extra items ignored.
        {"1 2 3 4 5\n  6  7 8 9 0 x y\n1.4 2 3 4 8.6\n8.5 7.5 0.5 +3 -0\n\n1 2\n", FormaFichero::Separada,
         V{"12345", "67890", "12349", "88030"}},
        // A byte-order mark; empty and short lines skipped; CR, LF or CR LF; no final end.
        {"\xEF\xBB\xBF" "11111\r\n\r\n123\n1-2\r22222\n\n33333", FormaFichero::Compacta, V{"11111", "22222", "33333"}},
        {"", FormaFichero::Compacta, V{}},
        {"\r\n\r\n12\r\n", FormaFichero::Compacta, V{}}};
    for (const auto& c : casos) {
        const auto l = Leer(c.texto);
        EXPECT_TRUE(l.Correcta()) << l.error;
        if (!c.numeros.empty()) {
            EXPECT_EQ(l.forma, c.forma) << c.texto;
        }
        EXPECT_EQ(Numeros(l), c.numeros) << c.texto;
        EXPECT_FALSE(l.limiteAlcanzado);
    }
}

TEST(FicheroNumeros, ErroresDeLineaConSuNumero) {
    // The form is the first line's; skipped lines are not counted.
    const std::pair<const char*, std::string> casos[] = {
        {"1 2 3 4 5\r\n12345\r\n", " Línea con menos de 5 dígitos (Línea 2))"},
        {"1 2 3 4 5\r\n\r\n1 2\r\n1 2 10 4 5\r\n", " Línea con números fuera del intervalo 0-9 (Línea 2))"},
        {"1 2 3 4 5\r\n9.5 1 1 1 1\r\n", " Línea con números fuera del intervalo 0-9 (Línea 2))"},
        {"1 2 3 4 5\r\n1 -1 1 1 1\r\n", " Línea con números fuera del intervalo 0-9 (Línea 2))"},
        {"12345\r\n\r\n123\r\n1-2\r\n12a45\r\n", "'a' no es un número (Línea 2) )"},
        {"1 2 3 4 5\r\n1 2 tres 4 5\r\n", "'tres' no es un número (Línea 2) )"}};
    for (const auto& [texto, error] : casos) {
        const auto l = Leer(texto);
        EXPECT_EQ(l.error, kPrefijoError + error);
        EXPECT_EQ(l.total, 0);
        EXPECT_TRUE(l.digitos.empty());
        EXPECT_EQ(l.CasillasUsadas().Contar(), 0);
    }
}

TEST(FicheroNumeros, LimiteDeNumeros) {
    auto l = LeerTextoNumeros(Fichero(kMaxCombinaciones + 3, "\n"), kLecturaEscrutinio);
    EXPECT_TRUE(l.Correcta());
    EXPECT_TRUE(l.limiteAlcanzado);
    EXPECT_EQ(l.total, kMaxCombinaciones);
    EXPECT_EQ(l.digitos.size(), static_cast<size_t>(kMaxCombinaciones) * 5);
    EXPECT_EQ(TextoAvisoLimite(), "SOLO SE PUEDEN IMPORTAR 2118760 NUMEROS");

    l = LeerTextoNumeros(Fichero(kMaxCombinaciones - 1, "\n"), kLecturaEscrutinio);
    EXPECT_FALSE(l.limiteAlcanzado);
    EXPECT_EQ(l.total, kMaxCombinaciones - 1);
}

TEST(FicheroNumeros, CesionesYProgresoSegunElImportador) {
    auto contar = [](const std::string& texto, const OpcionesLecturaNumeros& o) {
        int cesiones = 0;
        std::vector<int32_t> progreso;
        Cesion ceder([&] { ++cesiones; });
        const auto l = LeerTextoNumeros(texto, o, ceder, [&](int32_t j) {
            EXPECT_EQ(static_cast<int>(progreso.size()), cesiones);  // progress first, then the yield
            progreso.push_back(j);
        });
        EXPECT_TRUE(l.Correcta());
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

TEST(FicheroNumeros, RepetidosSegunElImportador) {
    // Scrutiny and selector: file order, repeats kept; the cells used and their counts.
    const auto l = Leer("99999\n00000\n00000\n00000\n", kLecturaSelector);
    EXPECT_EQ(Numeros(l), (std::vector<std::string>{"99999", "00000", "00000", "00000"}));
    EXPECT_EQ(l.CasillasUsadas().Contar(), 10);
    EXPECT_TRUE(l.CasillasUsadas().Seleccionada(1) && l.CasillasUsadas().Seleccionada(50));
    EXPECT_EQ(l.cuentaCasillas[1], 3);
    EXPECT_EQ(l.cuentaCasillas[50], 1);
}

TEST(FicheroNumeros, QuitarRepetidosComoUnConjuntoOrdenado) {
    // Many repeats, drawn from a narrow range, against a plain sorted set.
    std::mt19937 gen(3);
    std::string texto;
    std::set<int> esperado;
    const int n = 45000;
    for (int i = 0; i < n; ++i) {
        const int v = static_cast<int>(gen() % 30000) * 3;
        esperado.insert(v);
        char linea[64];
        std::snprintf(linea, sizeof linea, "%d-%d-%d-%d-%d\n", v / 10000, v / 1000 % 10, v / 100 % 10, v / 10 % 10,
                      v % 10);
        texto += linea;
    }
    const auto l = Leer(texto);
    ASSERT_EQ(l.total, n);
    TablaNumeros importados;
    int cesiones = 0;
    const auto r = QuitarRepetidosYOrdenar(l, importados, Cesion([&] { ++cesiones; }));
    EXPECT_EQ(r.unicos, static_cast<int32_t>(esperado.size()));
    EXPECT_EQ(r.repetidos, n - r.unicos);
    ASSERT_EQ(importados.Filas(), r.unicos);
    int fila = 0;
    for (int v : esperado) {
        ++fila;
        int leido = 0;
        for (int p = 1; p <= 5; ++p) {
            ASSERT_EQ(PosicionDeCasilla(importados(fila, p)), p);
            leido = leido * 10 + DigitoDeCasilla(importados(fila, p));
        }
        ASSERT_EQ(leido, v) << "row " << fila;
    }
    // Four during the first pass, and one per 10000 ranks of the 5-of-50 order.
    EXPECT_EQ(cesiones, n / 10000 + kMaxCombinaciones / 10000);
}

TEST(FicheroNumeros, FicheroEnDiscoIgualQueEnMemoria) {
    // Lines straddle the 4 MB blocks, and one line is longer than a block.
    const std::string texto = Fichero(900000, "\r\n", 5) + std::string(5 << 20, '-') + "54321\r\n" + "1 2 3 4 5";
    const std::string ruta = (fs::temp_directory_path() / ("vortesalin_num_" + std::to_string(::getpid()))).string();
    {
        std::ofstream f(ruta, std::ios::binary);
        f << texto;
    }
    const auto disco = LeerFicheroNumeros(ruta, kLecturaPrincipal);
    const auto memoria = LeerTextoNumeros(texto, kLecturaPrincipal);
    fs::remove(ruta);
    EXPECT_TRUE(disco.Correcta()) << disco.error;
    EXPECT_EQ(disco.total, 900002);
    EXPECT_EQ(disco.digitos, memoria.digitos);
    EXPECT_EQ(disco.cuentaCasillas, memoria.cuentaCasillas);
    EXPECT_EQ(Numeros(disco).back(), "12345");

    // A line too long for any number file is refused, not held whole in memory.
    {
        std::ofstream f(ruta, std::ios::binary);
        f << "12345\n" << std::string(20 << 20, '7');
    }
    const auto larga = LeerFicheroNumeros(ruta, kLecturaPrincipal);
    fs::remove(ruta);
    EXPECT_EQ(larga.error, kPrefijoError + "Línea demasiado larga (Línea 2) )");

    const auto falta = LeerFicheroNumeros(ruta + "_no_existe.txt", kLecturaPrincipal);
    EXPECT_EQ(falta.error, kPrefijoError + "No se puede abrir el fichero )");
    EXPECT_EQ(falta.total, 0);
}
