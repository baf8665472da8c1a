#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "aleatorio.h"
#include "config_impresion.h"
#include "texto.h"

TEST(FuenteAleatoria, SemillaRepiteLaSecuenciaEnElIntervaloSemiabierto) {
    FuenteAleatoria f;
    f.Reiniciar();
    f.Sembrar(1235);
    std::vector<double> primera;
    int cuenta[10] = {};
    for (int i = 0; i < 100000; ++i) {
        primera.push_back(f.Siguiente());
        ASSERT_GE(primera.back(), 0.0);
        ASSERT_LT(primera.back(), 1.0);
        ++cuenta[static_cast<int>(primera.back() * 10)];
    }
    for (int c : cuenta) EXPECT_GT(c, 9000);  // roughly uniform
    f.SembrarConReloj();
    f.Siguiente();
    f.Reiniciar();
    f.Sembrar(1235);
    for (double x : primera) ASSERT_EQ(f.Siguiente(), x);
    f.Reiniciar();
    f.Sembrar(1236);
    EXPECT_NE(f.Siguiente(), primera[0]);
}

TEST(FiltrarTecla, Modos) {
    const struct {
        const char* caja;
        int tecla, modo, devuelta;
        bool pita;
    } casos[] = {{"", '7', 1, '7', false},           {"", 'a', 1, 0, true},
                 {"", '.', 1, 0, true},             {"", '-', 1, 0, true},
                 {"", kTeclaIntro, 1, 0, true},     {"1", kTeclaRetroceso, 1, kTeclaRetroceso, false},
                 {"1", kTeclaEscape, 1, kTeclaEscape, false}, {"1", kTeclaIntro, 17, kTeclaIntro, false},
                 {"", '-', 8, '-', false},          {"-", '-', 8, 0, false},  // a second sign: dropped quietly
                 {"5", '+', 8, 0, false},           {"", '.', 8, 0, true},
                 {"", kTeclaIntro, 8, 0, true}};
    for (const auto& c : casos) {
        bool pitar = !c.pita;
        EXPECT_EQ(FiltrarTecla(c.caja, c.tecla, c.modo, &pitar), c.devuelta) << c.caja << " " << c.tecla << " " << c.modo;
        EXPECT_EQ(pitar, c.pita) << c.caja << " " << c.tecla << " " << c.modo;
    }
    EXPECT_TRUE(TextoValidoParaModo("-12", 8));
    EXPECT_FALSE(TextoValidoParaModo("-12", 1));
    EXPECT_FALSE(TextoValidoParaModo("1 2", 17));
}

TEST(TextoLineas, SeparadoresYEspacios) {
    EXPECT_TRUE(SinEspacios("12345"));
    EXPECT_FALSE(SinEspacios("1 2 3 4 5"));
    for (std::string s : {"1-2-3-4-5", "1,2,3,4,5", "1 2 3 4 5", "1*2-3,4+ 5"}) {
        const std::string devuelto = LimpiarSeparadores(s);
        EXPECT_EQ(s, "12345");
        EXPECT_EQ(devuelto, "12345");
    }
}

TEST(ConvertirEntero, FormasIntervalosYRedondeo) {
    constexpr int64_t kMin = INT32_MIN, kMax = INT32_MAX;
    constexpr FormaEntero kTodo{};
    const struct {
        const char* texto;
        int64_t minimo, maximo;
        FormaEntero forma;
        Conversion estado;
        int64_t valor;
    } casos[] = {
        {" 12\t\r", kMin, kMax, kTodo, Conversion::Correcta, 12},
        {"-3.50", kMin, kMax, kTodo, Conversion::Correcta, -4},  // halves to even
        {".51", kMin, kMax, kTodo, Conversion::Correcta, 1},
        {"9.4", 0, 9, kTodo, Conversion::FueraDeIntervalo, 9},  // the number as written is above 9
        {"-0.4", 0, 9, kTodo, Conversion::FueraDeIntervalo, 0},
        {"99999999999999999999999999", kMin, kMax, kTodo, Conversion::FueraDeIntervalo, kMax},
        {"-2147483649", kMin, kMax, kTodo, Conversion::FueraDeIntervalo, kMin},
        {"007", 0, kMax, kSoloCifras, Conversion::Correcta, 7},
        {"+7", 0, kMax, kSoloCifras, Conversion::NoNumero, 0},
        {" 7", 0, kMax, kSoloCifras, Conversion::NoNumero, 0},
        {"7.0", 0, kMax, kSoloCifras, Conversion::NoNumero, 0},
        {"5 ", 0, 9, {.blancos = false}, Conversion::NoNumero, 0},
    };
    for (const auto& c : casos) {
        const EnteroLeido r = ConvertirEntero(c.texto, c.minimo, c.maximo, c.forma);
        EXPECT_EQ(r.estado, c.estado) << c.texto;
        EXPECT_EQ(r.valor, c.valor) << c.texto;
    }
}

TEST(ConfigImpresion, LeeTresLineasLasMalasQuedanPorDefectoYGuardaLoQueLee) {
    const std::string ruta = (std::filesystem::temp_directory_path() / "vortesalin_config_imp.txt").string();
    AjustesImpresion a;
    a.gMargenSuperior = 5;
    std::remove(ruta.c_str());
    LeerConfigImpresion(a, ruta);  // no file
    EXPECT_EQ((std::array{a.gMargenSuperior, a.gMargenIzquierdo, a.gOrientacion}), (std::array{1000, 1000, 0}));
    const std::pair<const char*, std::array<int32_t, 3>> casos[] = {
        {" 800 \r\n-50\r\n 1\r\n99\r\n", {800, -50, 1}},
        {"700\r\nabc\r\n1\r\n", {700, 1000, 0}},
        {"12.5\r\n13.5\r\n", {12, 14, 0}},  // halves to even; a short file stops early
    };
    for (const auto& [texto, valores] : casos) {
        std::ofstream(ruta, std::ios::binary) << texto;
        LeerConfigImpresion(a, ruta);
        EXPECT_EQ((std::array{a.gMargenSuperior, a.gMargenIzquierdo, a.gOrientacion}), valores) << texto;
    }
    a.gMargenSuperior = -20;
    a.gMargenIzquierdo = 300;
    a.gOrientacion = 1;
    ASSERT_TRUE(GuardarConfigImpresion(a, ruta));
    std::stringstream contenido;
    contenido << std::ifstream(ruta, std::ios::binary).rdbuf();
    EXPECT_EQ(contenido.str(), "-20 \r\n 300 \r\n 1 \r\n");
    AjustesImpresion b;
    LeerConfigImpresion(b, ruta);
    std::remove(ruta.c_str());
    EXPECT_EQ((std::array{b.gMargenSuperior, b.gMargenIzquierdo, b.gOrientacion}), (std::array{-20, 300, 1}));
    EXPECT_FALSE(GuardarConfigImpresion(a, "/nonexistent-dir/config_imp.txt"));
}
