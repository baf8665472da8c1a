// The BASE file at its largest: every group of the groups, related groups and
// groups-in-reserves filters set, every other setting varied. Writing the
// text, storing it, loading and reading it back.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "ajustes_filtros.h"
#include "base_xml.h"
#include "lector_base_xml.h"

namespace {

namespace fs = std::filesystem;

// The writer's input rebuilt from what a read gave back, so a round trip can
// be checked by comparing texts. Values the read did not set become markers
// that never match a real value.
DatosBaseXML DatosLeidos(const ResultadoLecturaBase& r, const DatosBaseXML& original) {
    DatosBaseXML d = original;
    d.rejilla = r.rejilla;
    d.numeroGanador = r.numeroGanador;
    d.rutaFicheroASCII = r.rutaFicheroImportado;
    for (size_t i = 0; i < d.chkFiltros.size(); ++i) d.chkFiltros[i] = r.chkFiltros[i].value_or(0);
    d.tipoReduccionIndice = r.tipoReduccion.value_or(-1);
    d.porcentaje = r.porcentaje.value_or("?");
    d.nuApuestas = r.nuApuestas.value_or("?");
    d.apuestasExactas = r.apuestasExactas.value_or(9);
    d.activarCiclos = r.activarCiclos.value_or(9);
    d.aleatorio = r.aleatorio.value_or(9);
    return d;
}

struct BaseLlena {
    DatosBaseXML datos;
    AjustesFiltros filtros;
};

const BaseLlena& Llena() {
    static const BaseLlena b = [] {
        BaseLlena b;
        std::mt19937 gen(2024);
        auto azar = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
        // A few cells of 1..50 (never none), and hit counts lo..hi (never none).
        auto celdas = [&](Matriz<uint8_t>& m, int fila) {
            for (int c = 1; c <= kCasillas; ++c) m(fila, c) = azar(100) < 20;
            m(fila, azar(kCasillas) + 1) = 1;
        };
        auto aciertos = [&](Matriz<uint8_t>& m, int fila) {
            for (int h = m.Inferior2(); h <= m.Superior2(); ++h) m(fila, h) = azar(2);
            m(fila, m.Inferior2() + azar(m.Superior2() - m.Inferior2() + 1)) = 1;
        };
        AjustesFiltros& f = b.filtros;
        f.InicializarFiltros();
        for (int g = 1; g <= kNumGrupos; ++g) {
            celdas(f.NumerosGrupo, g), aciertos(f.AciertosGrupo, g);
            celdas(f.NumerosSubgrupo, g), aciertos(f.AciertosCondicion, g);
            celdas(f.NumerosGrupoReserva, g), aciertos(f.AciertosGrupoReserva, g);
            f.IdGrupoReserva[g] = static_cast<uint8_t>(azar(kNumReservas) + 1);
        }
        for (int r = 1; r <= kNumReservas; ++r) aciertos(f.AciertosReserva, r);
        for (int j = 0; j <= kPosiciones; ++j) f.ParesActivos[j] = azar(2), f.NumerosSeguidos[j] = azar(2);
        for (int i = 1; i <= 7; ++i) f.FigurasSeguidos[i] = azar(2), f.FigurasTerminaciones[i] = azar(2);
        f.SeguidosInversos = 1;
        for (int i = 1; i <= 10; ++i) {
            f.SumaMinima[i] = static_cast<int16_t>(azar(20));
            f.SumaMaxima[i] = static_cast<int16_t>(20 + azar(26));
        }
        for (int d = 0; d <= 9; ++d)
            for (int h = 0; h <= kPosiciones; ++h) f.TerminadosEn(d, h) = azar(2);
        f.SumaTerminacionesMinimo = 4;
        f.SumaTerminacionesMaximo = 41;
        for (int c = 1; c <= kCasillas; ++c) f.NumerosPosiciones[c] = azar(2);

        DatosBaseXML& d = b.datos;
        for (int c = 1; c <= kCasillas; ++c) d.rejilla.Fijar(static_cast<Casilla>(c), azar(3) != 0);
        d.numeroGanador = {3, 1, 4, 1, 5};
        d.rutaFicheroASCII = "/home/usuario/sorteos/numeros de prueba.txt";
        for (int i = kFiltroGrupos; i <= kFiltroGruposEnReservas; ++i) d.chkFiltros[static_cast<size_t>(i)] = 1;
        d.tipoReduccionTexto = "3 (n-2)";
        d.tipoReduccionIndice = 2;
        d.porcentaje = "95";
        d.nuApuestas = "1500";
        d.apuestasExactas = 1;
        d.activarCiclos = 1;
        d.aleatorio = 1;
        d.version = "1.0.0";
        d.fecha = "24/12/2024";
        d.hora = "18:30:00";
        return b;
    }();
    return b;
}

std::string RutaTemporal() {
    return (fs::temp_directory_path() / ("vortesalin_bench_base_" + std::to_string(::getpid()) + ".xml")).string();
}

// Generate the text, store it, load the file and read it: save then open.
void BM_BaseXML_GuardarYAbrir(benchmark::State& state) {
    const BaseLlena& b = Llena();
    const std::string ruta = RutaTemporal();
    std::string texto;
    AjustesFiltros leidos;
    ResultadoLecturaBase r;
    for (auto _ : state) {
        texto = GenerarXMLBase(b.datos, b.filtros);
        if (!GuardarTextoBaseXML(texto, ruta)) {
            state.SkipWithError("cannot store the BASE file");
            break;
        }
        r = LeerFicheroBaseXML(ruta, EntradaLecturaBase{}, leidos);
        benchmark::DoNotOptimize(r);
    }
    // Everything written came back.
    if (!r.gErroresXML.empty() || GenerarXMLBase(DatosLeidos(r, b.datos), leidos) != texto)
        state.SkipWithError("the BASE file did not read back as written");
    state.counters["bytes"] = static_cast<double>(texto.size());
    fs::remove(ruta);
}
BENCHMARK(BM_BaseXML_GuardarYAbrir)->Unit(benchmark::kMillisecond);

// The two halves on their own.
void BM_BaseXML_Generar(benchmark::State& state) {
    const BaseLlena& b = Llena();
    for (auto _ : state) benchmark::DoNotOptimize(GenerarXMLBase(b.datos, b.filtros));
}
BENCHMARK(BM_BaseXML_Generar)->Unit(benchmark::kMillisecond);

void BM_BaseXML_Abrir(benchmark::State& state) {
    const BaseLlena& b = Llena();
    const std::string ruta = RutaTemporal();
    if (!GuardarTextoBaseXML(GenerarXMLBase(b.datos, b.filtros), ruta)) {
        state.SkipWithError("cannot store the BASE file");
        return;
    }
    AjustesFiltros leidos;
    for (auto _ : state) benchmark::DoNotOptimize(LeerFicheroBaseXML(ruta, EntradaLecturaBase{}, leidos));
    fs::remove(ruta);
}
BENCHMARK(BM_BaseXML_Abrir)->Unit(benchmark::kMillisecond);

}  // namespace
