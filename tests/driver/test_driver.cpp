// The bench driver run as a program over small BASE files written with the
// engine's writer; its output is checked against counts and covers worked
// out here by enumerating the numbers of each base.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ajustes_filtros.h"
#include "base_xml.h"
#include "modelo.h"

namespace fs = std::filesystem;

namespace {

using Numero = std::array<int, kPosiciones>;
using DigitosPorPosicion = std::array<std::vector<int>, kPosiciones>;

class Carpeta {
public:
    Carpeta() {
        ruta_ = fs::temp_directory_path() / ("vortesalin_banco_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ruta_);
        fs::create_directories(ruta_);
    }
    ~Carpeta() { fs::remove_all(ruta_); }
    std::string operator/(const std::string& nombre) const { return (ruta_ / nombre).string(); }

private:
    fs::path ruta_;
};

struct Base {
    DatosBaseXML d;
    AjustesFiltros f;
    Base() { f.InicializarFiltros(); }
    void Rejilla(const DigitosPorPosicion& digitos) {
        d.rejilla.Limpiar();
        for (int p = 0; p < kPosiciones; ++p)
            for (int dg : digitos[static_cast<size_t>(p)])
                d.rejilla.Fijar(CasillaDeDigito(static_cast<uint8_t>(dg), static_cast<int16_t>(p + 1)), true);
    }
    void Tipo(int indice) {
        static const char* const kTextos[] = {"5 (n)", "4 (n-1)", "3 (n-2)", "2 (n-3)"};
        d.tipoReduccionIndice = indice;
        d.tipoReduccionTexto = kTextos[indice];
    }
    std::string Guardar(const std::string& ruta) const {
        EXPECT_TRUE(GuardarTextoBaseXML(GenerarXMLBase(d, f), ruta));
        return ruta;
    }
};

struct Ejecucion {
    int estado = -1;
    std::string errores;
    std::vector<std::string> claves;  // in output order
    std::map<std::string, std::string> valores;
    std::vector<Numero> numeros;      // the result lines, in order

    long long Valor(const std::string& clave) const {
        const auto it = valores.find(clave);
        if (it == valores.end()) {
            ADD_FAILURE() << "no line '" << clave << "'";
            return -1;
        }
        return std::stoll(it->second);
    }
};

Ejecucion Correr(const Carpeta& dir, const std::string& argumentos) {
    const std::string errores = dir / "stderr.txt";
    const std::string orden = std::string(VORTESALIN_BANCO) + " " + argumentos + " 2>" + errores;
    Ejecucion e;
    FILE* p = ::popen(orden.c_str(), "r");
    if (p == nullptr) {
        ADD_FAILURE() << "cannot run " << orden;
        return e;
    }
    std::string salida;
    char bloque[4096];
    for (size_t n; (n = std::fread(bloque, 1, sizeof bloque, p)) > 0;) salida.append(bloque, n);
    const int estado = ::pclose(p);
    e.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    std::ifstream f(errores);
    std::stringstream ss;
    ss << f.rdbuf();
    e.errores = ss.str();

    std::istringstream lineas(salida);
    for (std::string linea; std::getline(lineas, linea);) {
        const size_t dos = linea.find(": ");
        if (dos == std::string::npos) {
            EXPECT_EQ(linea.size(), 5u) << linea;
            Numero n{};
            for (int i = 0; i < kPosiciones && i < static_cast<int>(linea.size()); ++i) n[static_cast<size_t>(i)] = linea[i] - '0';
            e.numeros.push_back(n);
            continue;
        }
        e.claves.push_back(linea.substr(0, dos));
        e.valores[linea.substr(0, dos)] = linea.substr(dos + 2);
    }
    return e;
}

// Every number of a grid, ascending.
std::vector<Numero> Producto(const DigitosPorPosicion& digitos) {
    std::vector<Numero> v(1);
    for (int p = 0; p < kPosiciones; ++p) {
        std::vector<Numero> siguiente;
        for (const Numero& n : v)
            for (int dg : digitos[static_cast<size_t>(p)]) {
                Numero m = n;
                m[static_cast<size_t>(p)] = dg;
                siguiente.push_back(m);
            }
        v = std::move(siguiente);
    }
    std::sort(v.begin(), v.end());
    return v;
}

int Distancia(const Numero& a, const Numero& b) {
    int d = 0;
    for (int p = 0; p < kPosiciones; ++p) d += a[static_cast<size_t>(p)] != b[static_cast<size_t>(p)];
    return d;
}

// How many of `todos` lie within `digitos` differing digits of a result number.
size_t Cubiertos(const std::vector<Numero>& todos, const std::vector<Numero>& resultado, int digitos) {
    return static_cast<size_t>(std::count_if(todos.begin(), todos.end(), [&](const Numero& n) {
        return std::any_of(resultado.begin(), resultado.end(),
                           [&](const Numero& r) { return Distancia(n, r) <= digitos; });
    }));
}

// Distinct numbers, all of them among the conditioned ones.
void EsSubconjunto(const std::vector<Numero>& resultado, const std::vector<Numero>& condicionados) {
    const std::set<Numero> unicos(resultado.begin(), resultado.end());
    EXPECT_EQ(unicos.size(), resultado.size()) << "repeated numbers in the result";
    for (const Numero& n : resultado)
        EXPECT_TRUE(std::binary_search(condicionados.begin(), condicionados.end(), n));
}

int Pares(const Numero& n) {
    return static_cast<int>(std::count_if(n.begin(), n.end(), [](int d) { return d % 2 == 0; }));
}
int Suma(const Numero& n) { return n[0] + n[1] + n[2] + n[3] + n[4]; }

const DigitosPorPosicion kTresDigitos = {{{0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}}};

TEST(BancoCalcular, SalidaEnOrdenConFiltrosMarcadosYCobertura) {
    Carpeta dir;
    Base b;
    b.Rejilla(kTresDigitos);
    b.Tipo(1);
    // Filters 4 and 6 eliminate, 5 is ticked with nothing set, and 9, set to
    // eliminate everything (no number ends in 9), is not ticked.
    b.d.chkFiltros[kFiltroParesImpares] = b.d.chkFiltros[kFiltroSeguidos] = b.d.chkFiltros[kFiltroSumas] = 1;
    b.f.ParesActivos[2] = b.f.ParesActivos[3] = 1;
    b.f.SumaMinima[1] = 3;
    b.f.SumaMaxima[1] = 7;
    b.f.NumerosPosiciones[50] = 1;
    const Ejecucion e = Correr(dir, b.Guardar(dir / "base.xml"));
    ASSERT_EQ(e.estado, 0) << e.errores;

    const std::vector<std::string> orden = {"N", "C", "eliminadas_digito", "eliminadas_filtro_4",
                                            "eliminadas_filtro_5", "eliminadas_filtro_6", "condicionados",
                                            "todas_validas", "reduccion", "radio", "resultado",
                                            "tiempo_condicionar_ms", "tiempo_reducir_ms", "memoria_pico_kb"};
    EXPECT_EQ(e.claves, orden);

    std::vector<Numero> condicionados;
    long long fallanPares = 0, fallanSuma = 0;
    for (const Numero& n : Producto(kTresDigitos)) {
        if (Pares(n) != 2 && Pares(n) != 3) {
            ++fallanPares;
        } else if (Suma(n) < 3 || Suma(n) > 7) {
            ++fallanSuma;
        } else {
            condicionados.push_back(n);
        }
    }
    EXPECT_EQ(e.Valor("N"), 15);
    EXPECT_EQ(e.Valor("C"), 3003);
    EXPECT_EQ(e.Valor("eliminadas_digito"), 3003 - 243);
    EXPECT_EQ(e.Valor("eliminadas_filtro_4"), fallanPares);
    EXPECT_EQ(e.Valor("eliminadas_filtro_5"), 0);
    EXPECT_EQ(e.Valor("eliminadas_filtro_6"), fallanSuma);
    EXPECT_EQ(e.Valor("condicionados"), static_cast<long long>(condicionados.size()));
    EXPECT_EQ(e.Valor("todas_validas"), 0);
    EXPECT_EQ(e.valores.at("reduccion"), "cobertura");
    EXPECT_EQ(e.Valor("radio"), 2);
    ASSERT_EQ(e.Valor("resultado"), static_cast<long long>(e.numeros.size()));
    EXPECT_LT(e.numeros.size(), condicionados.size());
    EsSubconjunto(e.numeros, condicionados);
    EXPECT_EQ(Cubiertos(condicionados, e.numeros, 1), condicionados.size());
    EXPECT_GT(e.Valor("memoria_pico_kb"), 0);
}

TEST(BancoCalcular, SinReduccionElResultadoSonLosCondicionados) {
    Carpeta dir;
    Base b;
    const DigitosPorPosicion digitos = {{{1, 7}, {0}, {3, 4, 9}, {5}, {2, 8}}};
    b.Rejilla(digitos);
    Ejecucion e = Correr(dir, b.Guardar(dir / "base.xml"));
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(e.valores.at("reduccion"), "ninguna");
    EXPECT_EQ(e.valores.count("radio"), 0u);
    EXPECT_EQ(e.Valor("condicionados"), 12);
    EXPECT_EQ(e.Valor("resultado"), 12);
    EXPECT_EQ(e.numeros, Producto(digitos));
    EXPECT_EQ(e.Valor("tiempo_reducir_ms"), 0);

    // One digit per position: nothing is eliminated at all.
    b.Rejilla({{{4}, {0}, {0}, {7}, {1}}});
    e = Correr(dir, b.Guardar(dir / "uno.xml"));
    EXPECT_EQ(e.Valor("C"), 1);
    EXPECT_EQ(e.Valor("todas_validas"), 1);
    EXPECT_EQ(e.numeros, (std::vector<Numero>{{4, 0, 0, 7, 1}}));
}

TEST(BancoCalcular, MetodoYRadioPorTipoYCeldas) {
    Carpeta dir;
    Base b;
    const DigitosPorPosicion cinco = {{{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}}};
    const std::vector<Numero> todos25 = Producto(cinco);
    const std::vector<Numero> todos15 = Producto(kTresDigitos);

    b.Rejilla(kTresDigitos);
    b.Tipo(2);  // 15 cells: covering within two digits
    Ejecucion e = Correr(dir, b.Guardar(dir / "a.xml"));
    EXPECT_EQ(e.valores.at("reduccion"), "cobertura");
    EXPECT_EQ(e.Valor("radio"), 4);
    EXPECT_EQ(Cubiertos(todos15, e.numeros, 2), todos15.size());

    b.Tipo(3);  // first fit within three digits
    e = Correr(dir, b.Guardar(dir / "b.xml"));
    EXPECT_EQ(e.valores.at("reduccion"), "secuencial_exacto");
    EXPECT_EQ(e.Valor("radio"), 3);
    EXPECT_EQ(Cubiertos(todos15, e.numeros, 3), todos15.size());

    b.Rejilla(cinco);
    b.Tipo(2);  // 25 cells: sequential within two digits
    e = Correr(dir, b.Guardar(dir / "c.xml"));
    EXPECT_EQ(e.valores.at("reduccion"), "secuencial_exacto");
    EXPECT_EQ(e.Valor("radio"), 2);
    EsSubconjunto(e.numeros, todos25);
    EXPECT_EQ(Cubiertos(todos25, e.numeros, 2), todos25.size());

    b.d.porcentaje = "80";
    e = Correr(dir, b.Guardar(dir / "d.xml"));
    EXPECT_EQ(e.valores.at("reduccion"), "secuencial_porcentaje");
    EXPECT_EQ(e.Valor("radio"), 2);
    EXPECT_GE(Cubiertos(todos25, e.numeros, 2) * 100, todos25.size() * 80);
    EXPECT_LT(Cubiertos(todos25, e.numeros, 2), todos25.size());

    // Reducing to a number of bets takes first fit even below 100 %.
    e = Correr(dir, dir / "d.xml --bets");
    EXPECT_EQ(e.valores.at("reduccion"), "secuencial_exacto");
}

TEST(BancoCalcular, ApuestasYApuestasExactas) {
    Carpeta dir;
    Base b;
    b.Rejilla(kTresDigitos);
    b.Tipo(1);
    b.d.nuApuestas = "5";
    const std::vector<Numero> todos = Producto(kTresDigitos);
    Ejecucion e = Correr(dir, b.Guardar(dir / "a.xml") + " --bets");
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(e.Valor("resultado"), 5);
    EsSubconjunto(e.numeros, todos);

    // Cut and fill both end at exactly the asked count.
    b.d.apuestasExactas = 1;
    for (const char* pedidas : {"3", "200", "243"}) {
        b.d.nuApuestas = pedidas;
        e = Correr(dir, b.Guardar(dir / "b.xml"));
        ASSERT_EQ(e.estado, 0) << pedidas << e.errores;
        EXPECT_EQ(e.Valor("resultado"), std::stoll(pedidas));
        ASSERT_EQ(e.numeros.size(), static_cast<size_t>(std::stoll(pedidas)));
        EsSubconjunto(e.numeros, todos);
    }
}

TEST(BancoCalcular, CiclosSeDetienenTrasKCiclos) {
    Carpeta dir;
    Base b;
    const DigitosPorPosicion digitos = {{{0, 1, 2, 3}, {0, 1, 2}, {0, 1, 2, 3}, {0, 1, 2}, {0, 1, 2, 3}}};
    b.Rejilla(digitos);
    b.Tipo(2);
    const std::string sinCiclos = b.Guardar(dir / "a.xml");
    b.d.activarCiclos = 1;
    const std::string conCiclos = b.Guardar(dir / "b.xml");
    const Ejecucion uno = Correr(dir, sinCiclos);
    ASSERT_EQ(uno.estado, 0);
    // Cycling runs until stopped: each of these ends only through the stop.
    // The first cycle runs in the unshuffled order, as a run without cycles;
    // each further cycle can only replace the result with a smaller one.
    std::vector<size_t> tamanos;
    for (int k = 1; k <= 8; ++k) {
        const Ejecucion e = Correr(dir, conCiclos + " --cycles " + std::to_string(k));
        ASSERT_EQ(e.estado, 0);
        if (k == 1) {
            EXPECT_EQ(e.numeros, uno.numeros);
        } else {
            EXPECT_LE(e.numeros.size(), tamanos.back()) << k;
        }
        EXPECT_EQ(Cubiertos(Producto(digitos), e.numeros, 2), 576u) << k;
        tamanos.push_back(e.numeros.size());
    }
    // The shuffles repeat without the random switch, and on this base they
    // find a smaller cover within a few cycles: more cycles did run.
    EXPECT_LT(tamanos.back(), tamanos.front());
}

TEST(BancoCalcular, DesdeFicheroLaRejillaEsLaDelFichero) {
    Carpeta dir;
    Base b;
    b.Rejilla({{{0}, {0}, {0}, {0}, {0}}});  // not read in file mode
    b.d.chkFiltros[kFiltroSumas] = 1;
    b.f.SumaMinima[1] = 0;
    b.f.SumaMaxima[1] = 30;
    const std::string base = b.Guardar(dir / "base.xml");
    {
        std::ofstream f(dir / "numeros.txt", std::ios::binary);
        f << "12345\r\n1-2-3-4-6\r\n99999\r\n12345\r\n12346\r\n";
    }
    const Ejecucion e = Correr(dir, base + " --numbers " + (dir / "numeros.txt"));
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(e.Valor("N"), 11);
    EXPECT_EQ(e.Valor("C"), 3);  // repeats dropped
    EXPECT_EQ(e.Valor("eliminadas_digito"), 0);
    EXPECT_EQ(e.Valor("eliminadas_filtro_6"), 1);
    EXPECT_EQ(e.Valor("todas_validas"), 0);
    EXPECT_EQ(e.numeros, (std::vector<Numero>{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}}));
    EXPECT_NE(e.errores.find("repetidos"), std::string::npos);
}

TEST(BancoCalcular, CalcularQueSeDetieneSaleConTres) {
    Carpeta dir;
    Base b;
    b.Rejilla({{{0}, {1}, {2}, {3}, {}}});
    Ejecucion e = Correr(dir, b.Guardar(dir / "a.xml"));
    EXPECT_EQ(e.estado, 3);
    EXPECT_EQ(e.valores["error"], "AVISO: DEBE SELECCIONAR MINIMO 5 DIGITOS");

    b.Rejilla({{{0, 1, 2}, {0, 1, 2}, {}, {}, {}}});  // no number has a digit in every position
    e = Correr(dir, b.Guardar(dir / "b.xml"));
    EXPECT_EQ(e.estado, 3);
    EXPECT_EQ(e.valores["error"], "ERROR: Se han generado 0 números después de condicionar, cambie las condiciones");

    b.Rejilla(kTresDigitos);
    b.Tipo(1);
    b.d.apuestasExactas = 1;
    b.d.nuApuestas = "244";
    e = Correr(dir, b.Guardar(dir / "c.xml"));
    EXPECT_EQ(e.estado, 3);
    EXPECT_EQ(e.valores["error"],
              "ERROR: HA ELEGIDO REDUCIR CON NUMERO EXACTO DE APUESTAS Y DICHO NUMERO SUPERA EL SISTEMA "
              "CONDICIONADO GENERADO, CAMBIE EL NUMERO");
    EXPECT_EQ(e.Valor("condicionados"), 243);
    EXPECT_TRUE(e.numeros.empty());

    b.d.nuApuestas = "12a";  // only a paste brings this into the box
    e = Correr(dir, b.Guardar(dir / "d.xml"));
    EXPECT_EQ(e.estado, 3);
    EXPECT_EQ(e.valores["error"], "ERROR: EL NUMERO DE APUESTAS NO ES UN NUMERO VALIDO");

    b.d.apuestasExactas = 0;
    b.d.porcentaje = "9x";
    e = Correr(dir, b.Guardar(dir / "e.xml"));
    EXPECT_EQ(e.estado, 3);
    EXPECT_EQ(e.valores["error"], "ERROR: EL PORCENTAJE NO ES UN NUMERO VALIDO");
}

TEST(BancoCalcular, FicherosIlegiblesYUsoSalenConDos) {
    Carpeta dir;
    Base b;
    b.Rejilla(kTresDigitos);
    const std::string base = b.Guardar(dir / "base.xml");
    {
        std::ofstream f(dir / "roto.xml", std::ios::binary);
        f << "<XML><BASE><Combinacion>";
    }
    {
        std::ofstream f(dir / "malo.txt", std::ios::binary);
        f << "12345\r\n12a45\r\n";
    }
    for (const std::string& argumentos :
         {dir / "falta.xml", dir / "roto.xml", dir / ".", base + " --numbers " + (dir / "falta.txt"),
          base + " --numbers " + (dir / "malo.txt")}) {
        const Ejecucion e = Correr(dir, argumentos);
        EXPECT_EQ(e.estado, 2) << argumentos;
        EXPECT_TRUE(e.claves.empty()) << argumentos;
        EXPECT_FALSE(e.errores.empty()) << argumentos;
    }
    for (const std::string& argumentos : {std::string(), base + " --cycles 0", base + " --cycles", base + " --rapido",
                                          base + " " + base, base + " --numbers"}) {
        const Ejecucion e = Correr(dir, argumentos);
        EXPECT_EQ(e.estado, 2) << argumentos;
        EXPECT_NE(e.errores.find("uso:"), std::string::npos) << argumentos;
    }
}

}  // namespace
