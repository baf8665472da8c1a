#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "aleatorio.h"
#include "config_impresion.h"
#include "texto.h"

TEST(FuenteAleatoria, ReiniciarYSembrarRepiteLaSecuencia) {
    FuenteAleatoria f;
    f.Reiniciar();
    f.Sembrar(1235);
    std::vector<double> primera;
    for (int i = 0; i < 100; ++i) primera.push_back(f.Siguiente());
    f.SembrarConReloj();
    f.Siguiente();
    f.Reiniciar();
    f.Sembrar(1235);
    for (double x : primera) EXPECT_EQ(f.Siguiente(), x);
    f.Reiniciar();
    f.Sembrar(1236);
    EXPECT_NE(f.Siguiente(), primera[0]);
}

TEST(FuenteAleatoria, ValoresEnIntervaloSemiabierto) {
    FuenteAleatoria f;
    f.SembrarConReloj();
    int cuenta[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double x = f.Siguiente();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        ++cuenta[static_cast<int>(x * 10)];
    }
    for (int c : cuenta) EXPECT_GT(c, 9000);  // roughly uniform
}

TEST(FiltrarTecla, Modos) {
    bool pitar = false;
    EXPECT_EQ(FiltrarTecla("", '7', 1, &pitar), '7');
    for (int tecla : {int{'a'}, int{'.'}, int{'-'}, kTeclaIntro}) {
        EXPECT_EQ(FiltrarTecla("", tecla, 1, &pitar), 0);
        EXPECT_TRUE(pitar);
    }
    EXPECT_EQ(FiltrarTecla("1", kTeclaRetroceso, 1, &pitar), kTeclaRetroceso);
    EXPECT_EQ(FiltrarTecla("1", kTeclaEscape, 1, &pitar), kTeclaEscape);
    EXPECT_EQ(FiltrarTecla("1", kTeclaIntro, 17, &pitar), kTeclaIntro);
    EXPECT_EQ(FiltrarTecla("", '-', 8, &pitar), '-');
    EXPECT_EQ(FiltrarTecla("-", '-', 8, &pitar), 0);
    EXPECT_FALSE(pitar);
    EXPECT_EQ(FiltrarTecla("5", '+', 8, &pitar), 0);
    EXPECT_FALSE(pitar);
    EXPECT_EQ(FiltrarTecla("", '.', 8, &pitar), 0);
    EXPECT_TRUE(pitar);
    EXPECT_EQ(FiltrarTecla("", kTeclaIntro, 8, &pitar), 0);
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

class ConfigImpresion : public ::testing::Test {
protected:
    std::string ruta = (std::filesystem::temp_directory_path() /
                        ("config_imp_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt"))
                           .string();
    void TearDown() override { std::remove(ruta.c_str()); }
    void Escribir(const std::string& texto) { std::ofstream(ruta, std::ios::binary) << texto; }
};

TEST_F(ConfigImpresion, SinFicheroValoresPorDefecto) {
    AjustesImpresion a;
    a.gMargenSuperior = 5;
    LeerConfigImpresion(a, ruta);
    EXPECT_EQ(a.gMargenSuperior, 1000);
    EXPECT_EQ(a.gMargenIzquierdo, 1000);
    EXPECT_EQ(a.gOrientacion, 0);
}

TEST_F(ConfigImpresion, LeeTresLineasEIgnoraElResto) {
    Escribir(" 800 \r\n-50\r\n 1\r\n99\r\n");
    AjustesImpresion a;
    LeerConfigImpresion(a, ruta);
    EXPECT_EQ(a.gMargenSuperior, 800);
    EXPECT_EQ(a.gMargenIzquierdo, -50);
    EXPECT_EQ(a.gOrientacion, 1);
}

TEST_F(ConfigImpresion, UnaLineaMalaDejaLoDemasPorDefecto) {
    Escribir("700\r\nabc\r\n1\r\n");
    AjustesImpresion a;
    LeerConfigImpresion(a, ruta);
    EXPECT_EQ(a.gMargenSuperior, 700);
    EXPECT_EQ(a.gMargenIzquierdo, 1000);
    EXPECT_EQ(a.gOrientacion, 0);
    Escribir("12.5\r\n13.5\r\n");  // halves to even; a short file stops early
    LeerConfigImpresion(a, ruta);
    EXPECT_EQ(a.gMargenSuperior, 12);
    EXPECT_EQ(a.gMargenIzquierdo, 14);
    EXPECT_EQ(a.gOrientacion, 0);
    EXPECT_FALSE(LeerEnteroRedondeado("0x10"));
    EXPECT_FALSE(LeerEnteroRedondeado("99999999999"));
}

TEST_F(ConfigImpresion, GuardarYLeerDeVuelta) {
    AjustesImpresion a;
    a.gMargenSuperior = -20;
    a.gMargenIzquierdo = 300;
    a.gOrientacion = 1;
    ASSERT_TRUE(GuardarConfigImpresion(a, ruta));
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream contenido;
    contenido << f.rdbuf();
    EXPECT_EQ(contenido.str(), "-20 \r\n 300 \r\n 1 \r\n");
    AjustesImpresion b;
    LeerConfigImpresion(b, ruta);
    EXPECT_EQ(b.gMargenSuperior, -20);
    EXPECT_EQ(b.gMargenIzquierdo, 300);
    EXPECT_EQ(b.gOrientacion, 1);
    EXPECT_FALSE(GuardarConfigImpresion(a, "/nonexistent-dir/config_imp.txt"));
}
