// The bench driver run as a program over small BASE files written with the
// engine's writer: the lines it prints, in order, their values and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ajustes_filtros.h"
#include "ayuda_base_xml.h"
#include "base_xml.h"
#include "condicionar.h"
#include "controlador_reduccion.h"
#include "modelo.h"

namespace {

using DigitosPorPosicion = std::array<std::vector<int>, kPosiciones>;

struct Base {
    DatosBaseXML d;
    AjustesFiltros f;
    void Rejilla(const DigitosPorPosicion& digitos) {
        d.rejilla.Limpiar();
        for (int p = 0; p < kPosiciones; ++p)
            for (int dg : digitos[p]) d.rejilla.Fijar(CasillaDeDigito(static_cast<uint8_t>(dg), static_cast<int16_t>(p + 1)), true);
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
    std::vector<std::string> numeros;  // the result lines, in order

    // The lines named, with their values as printed.
    void Lineas(const std::vector<std::pair<std::string, std::string>>& esperadas) const {
        for (const auto& [clave, valor] : esperadas) EXPECT_EQ(valores.count(clave) ? valores.at(clave) : "?", valor) << clave;
    }
};

Ejecucion Correr(const CarpetaTemporal& dir, const std::string& argumentos) {
    const std::string orden = std::string(VORTESALIN_BANCO) + " " + argumentos + " 2>" + (dir / "stderr.txt");
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
    std::stringstream ss;
    ss << std::ifstream(dir / "stderr.txt").rdbuf();
    e.errores = ss.str();

    std::istringstream lineas(salida);
    for (std::string linea; std::getline(lineas, linea);) {
        const size_t dos = linea.find(": ");
        if (dos != std::string::npos) {
            e.claves.push_back(linea.substr(0, dos));
            e.valores[linea.substr(0, dos)] = linea.substr(dos + 2);
            continue;
        }
        EXPECT_EQ(linea.size(), 5u) << linea;
        e.numeros.push_back(linea);
    }
    return e;
}

const DigitosPorPosicion kTresDigitos = {{{0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}}};

TEST(BancoCalcular, SalidaEnOrdenConFiltrosMarcados) {
    CarpetaTemporal dir("banco");
    Base b;
    b.Rejilla(kTresDigitos);
    b.d.tipoReduccionIndice = 1;
    // Filters 4 and 6 eliminate, 5 is ticked with nothing set, and 9, set to
    // eliminate everything (no number ends in 9), is not ticked.
    b.d.chkFiltros[kFiltroParesImpares] = b.d.chkFiltros[kFiltroSeguidos] = b.d.chkFiltros[kFiltroSumas] = 1;
    b.f.ParesActivos[2] = b.f.ParesActivos[3] = 1;
    b.f.SumaMinima[1] = 3;
    b.f.SumaMaxima[1] = 7;
    b.f.NumerosPosiciones[50] = 1;
    const Ejecucion e = Correr(dir, b.Guardar(dir / "base.xml"));
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(e.claves, (std::vector<std::string>{"N", "C", "eliminadas_digito", "eliminadas_filtro_4",
                                                  "eliminadas_filtro_5", "eliminadas_filtro_6", "condicionados",
                                                  "todas_validas", "reduccion", "radio", "resultado",
                                                  "tiempo_condicionar_ms", "tiempo_reducir_ms", "memoria_pico_kb"}));
    // 3003 - 243 have a position twice; 123 have not two or three even digits;
    // of the rest, 20 sum outside 3..7. The numbers themselves are the engine's.
    e.Lineas({{"N", "15"}, {"C", "3003"}, {"eliminadas_digito", "2760"}, {"eliminadas_filtro_4", "123"},
              {"eliminadas_filtro_5", "0"}, {"eliminadas_filtro_6", "20"}, {"condicionados", "100"},
              {"todas_validas", "0"}, {"reduccion", "cobertura"}, {"radio", "2"}});
    e.Lineas({{"resultado", std::to_string(e.numeros.size())}});
    EXPECT_LT(e.numeros.size(), 100u);
    EXPECT_GT(std::stoll(e.valores.at("memoria_pico_kb")), 0);
}

// One run a row: the grid and reduction options written, the options given,
// then the exit status, lines that must read so ("?" for a missing one) and,
// when listed, the numbers printed. A run that stops prints no number.
TEST(BancoCalcular, TablaDeEjecuciones) {
    const DigitosPorPosicion kCinco = {{{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}}};
    const struct {
        DigitosPorPosicion rejilla;
        int tipo;
        uint8_t exactas;
        const char *apuestas, *porcentaje, *opciones;
        int estado;
        std::vector<std::pair<std::string, std::string>> lineas;
        std::vector<std::string> numeros;
    } casos[] = {
        // No reduction: every conditioned number.
        {{{{1, 7}, {0}, {3, 4, 9}, {5}, {2, 8}}}, 0, 0, "1", "100", "", 0,
         {{"reduccion", "ninguna"}, {"radio", "?"}, {"tiempo_reducir_ms", "0.000"}},
         {"10352", "10358", "10452", "10458", "10952", "10958", "70352", "70358", "70452", "70458", "70952", "70958"}},
        // One digit per position: nothing is eliminated at all.
        {{{{4}, {0}, {0}, {7}, {1}}}, 0, 0, "1", "100", "", 0, {{"C", "1"}, {"todas_validas", "1"}}, {"40071"}},
        // Which method ran and with what radius, as the engine chose it.
        {kCinco, 2, 0, "1", "80", "", 0, {{"reduccion", "secuencial_porcentaje"}, {"radio", "2"}}, {}},
        {kCinco, 2, 0, "1", "80", " --bets", 0, {{"reduccion", "secuencial_exacto"}, {"radio", "2"}}, {}},
        {kTresDigitos, 1, 0, "5", "100", " --bets", 0, {{"resultado", "5"}}, {}},
        {kTresDigitos, 1, 1, "3", "100", "", 0, {{"resultado", "3"}}, {}},
        // Every stop: before conditioning, after it (no number has a digit in
        // every position; too many exact bets; a pasted count) and in the
        // reduction's own check.
        {{{{0}, {1}, {2}, {3}, {}}}, 1, 0, "1", "100", "", 3, {{"error", kAvisoMinimoDigitos}}, {}},
        {{{{0, 1, 2}, {0, 1, 2}, {}, {}, {}}}, 1, 0, "1", "100", "", 3, {{"error", kErrorCeroCondicionados}}, {}},
        {kTresDigitos, 1, 1, "244", "100", "", 3, {{"error", kErrorApuestasExactasSuperan}}, {}},
        {kTresDigitos, 1, 1, "12a", "100", "", 3, {{"error", kErrorApuestasNoNumericas}}, {}},
        {kTresDigitos, 1, 0, "1", "9x", "", 3, {{"error", "ERROR: EL PORCENTAJE NO ES UN NUMERO VALIDO"}}, {}},
    };
    CarpetaTemporal dir("banco");
    for (const auto& c : casos) {
        Base b;
        b.Rejilla(c.rejilla);
        b.d.tipoReduccionIndice = c.tipo;
        b.d.apuestasExactas = c.exactas;
        b.d.nuApuestas = c.apuestas;
        b.d.porcentaje = c.porcentaje;
        const Ejecucion e = Correr(dir, b.Guardar(dir / "base.xml") + c.opciones);
        SCOPED_TRACE(c.lineas[0].second);
        EXPECT_EQ(e.estado, c.estado) << e.errores;
        e.Lineas(c.lineas);
        if (c.estado != 0 || !c.numeros.empty()) {
            EXPECT_EQ(e.numeros, c.numeros);
        }
        if (c.estado == 0) e.Lineas({{"resultado", std::to_string(e.numeros.size())}});
    }
}

// Cycling runs until stopped: the driver stops after K cycles. The first
// cycle runs in the unshuffled order, as a run without cycles; on this base
// the shuffled ones find a smaller cover within a few cycles. In file mode
// the grid is the file's; repeats are dropped with a notice.
TEST(BancoCalcular, CiclosYFicheroDeNumeros) {
    CarpetaTemporal dir("banco");
    Base b;
    b.Rejilla({{{0, 1, 2, 3}, {0, 1, 2}, {0, 1, 2, 3}, {0, 1, 2}, {0, 1, 2, 3}}});
    b.d.tipoReduccionIndice = 2;
    const Ejecucion sinCiclos = Correr(dir, b.Guardar(dir / "c.xml"));
    b.d.activarCiclos = 1;
    const std::string conCiclos = b.Guardar(dir / "d.xml");
    EXPECT_EQ(Correr(dir, conCiclos + " --cycles 1").numeros, sinCiclos.numeros);
    const Ejecucion ocho = Correr(dir, conCiclos + " --cycles 8");
    EXPECT_EQ(ocho.estado, 0);
    EXPECT_LT(ocho.numeros.size(), sinCiclos.numeros.size());

    b = Base();
    b.Rejilla({{{0}, {0}, {0}, {0}, {0}}});  // not read in file mode
    b.d.chkFiltros[kFiltroSumas] = 1;
    b.f.SumaMaxima[1] = 30;
    std::ofstream(dir / "numeros.txt", std::ios::binary) << "12345\r\n1-2-3-4-6\r\n99999\r\n12345\r\n12346\r\n";
    const Ejecucion e = Correr(dir, b.Guardar(dir / "e.xml") + " --numbers " + (dir / "numeros.txt"));
    ASSERT_EQ(e.estado, 0) << e.errores;
    e.Lineas({{"N", "11"}, {"C", "3"}, {"eliminadas_digito", "0"}, {"eliminadas_filtro_6", "1"}, {"todas_validas", "0"}});
    EXPECT_EQ(e.numeros, (std::vector<std::string>{"12345", "12346"}));
    EXPECT_NE(e.errores.find("repetidos"), std::string::npos);
}

TEST(BancoCalcular, FicherosIlegiblesYUsoSalenConDos) {
    CarpetaTemporal dir("banco");
    Base b;
    b.Rejilla(kTresDigitos);
    const std::string base = b.Guardar(dir / "base.xml");
    std::ofstream(dir / "roto.xml", std::ios::binary) << "<XML><BASE><Combinacion>";
    std::ofstream(dir / "malo.txt", std::ios::binary) << "12345\r\n12a45\r\n";
    // Usage faults name the usage; file faults say what is wrong with the file.
    const std::pair<std::string, bool> casos[] = {
        {dir / "falta.xml", false}, {dir / "roto.xml", false}, {dir / ".", false},
        {base + " --numbers " + (dir / "falta.txt"), false}, {base + " --numbers " + (dir / "malo.txt"), false},
        {"", true}, {base + " --cycles 0", true}, {base + " --cycles", true}, {base + " --rapido", true},
        {base + " " + base, true}, {base + " --numbers", true},
    };
    for (const auto& [argumentos, uso] : casos) {
        const Ejecucion e = Correr(dir, argumentos);
        EXPECT_EQ(e.estado, 2) << argumentos;
        EXPECT_TRUE(e.claves.empty()) << argumentos;
        EXPECT_EQ(e.errores.find("uso:") != std::string::npos, uso) << argumentos << e.errores;
    }
}

}  // namespace
