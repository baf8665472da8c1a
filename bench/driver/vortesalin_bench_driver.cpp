// vortesalin-bench: runs "Calcular" on a BASE file without any window, and
// prints the counts, the result and the time and memory each step took.
//
//   vortesalin-bench BASE.xml [--numbers FILE.txt] [--bets] [--cycles K]
//
// Exit status: 0 done, 2 bad usage or an unreadable file, 3 "Calcular" would
// have stopped with a message (printed as "error: " and its text).
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "ajustes_filtros.h"
#include "aleatorio.h"
#include "condicionar.h"
#include "controlador_reduccion.h"
#include "fichero_numeros.h"
#include "filtros.h"
#include "lector_base_xml.h"
#include "modelo.h"
#include "reduccion_entradas.h"
#include "sesion.h"
#include "texto.h"

namespace {

constexpr int kSalidaUso = 2;
constexpr int kSalidaError = 3;

void Uso() {
    std::fputs("uso: vortesalin-bench BASE.xml [--numbers FICHERO.txt] [--bets] [--cycles K]\n"
               "  --numbers  la base son los números del fichero (modo \"Desde fichero\")\n"
               "  --bets     reducir a un número de apuestas (si no, a un porcentaje)\n"
               "  --cycles   con ciclos, detener tras K ciclos completos (1 por defecto)\n",
               stderr);
}

struct Argumentos {
    std::string base;
    std::optional<std::string> numeros;
    bool apuestas = false;
    int64_t ciclos = 1;
};

// A whole number of at most 9 digits, at least 1.
std::optional<int64_t> EnteroPositivo(std::string_view texto) {
    const EnteroLeido v = ConvertirEntero(texto, 1, 999999999, kSoloCifras);
    if (!v.Correcto()) return std::nullopt;
    return v.valor;
}

std::optional<Argumentos> LeerArgumentos(int argc, char** argv) {
    Argumentos a;
    bool hayBase = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--numbers") {
            if (i + 1 >= argc || a.numeros) return std::nullopt;
            a.numeros = argv[++i];
        } else if (arg == "--bets") {
            a.apuestas = true;
        } else if (arg == "--cycles") {
            if (i + 1 >= argc) return std::nullopt;
            const auto k = EnteroPositivo(argv[++i]);
            if (!k) return std::nullopt;
            a.ciclos = *k;
        } else if (arg.starts_with("-") || hayBase) {
            return std::nullopt;
        } else {
            a.base = std::string(arg);
            hayBase = true;
        }
    }
    if (!hayBase) return std::nullopt;
    return a;
}

// The output, kept until the end so that the timings do not include printing.
class Salida {
public:
    template <class T>
    void Clave(const char* clave, const T& valor) {
        texto_ += clave;
        texto_ += ": ";
        Anadir(valor);
        texto_ += '\n';
    }
    void Numero(const uint8_t* casillas) {
        for (int p = 0; p < kPosiciones; ++p) texto_ += static_cast<char>('0' + DigitoDeCasilla(casillas[p]));
        texto_ += '\n';
    }
    void Reservar(size_t bytes) { texto_.reserve(texto_.size() + bytes); }
    int Terminar(int estado) {
        std::fwrite(texto_.data(), 1, texto_.size(), stdout);
        std::fflush(stdout);
        return estado;
    }
    int Error(std::string_view mensaje) {
        Clave("error", mensaje);
        return Terminar(kSalidaError);
    }

private:
    void Anadir(std::string_view s) { texto_ += s; }
    void Anadir(const char* s) { texto_ += s; }
    void Anadir(const std::string& s) { texto_ += s; }
    void Anadir(int64_t v) { texto_ += std::to_string(v); }
    void Anadir(int32_t v) { texto_ += std::to_string(v); }
    void Anadir(int16_t v) { texto_ += std::to_string(v); }
    void Anadir(double v) {
        char b[32];
        std::snprintf(b, sizeof b, "%.3f", v);
        texto_ += b;
    }
    std::string texto_;
};

class Cronometro {
public:
    double Milisegundos() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio_).count();
    }

private:
    std::chrono::steady_clock::time_point inicio_ = std::chrono::steady_clock::now();
};

int64_t PicoMemoriaKB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;  // kilobytes on Linux
}

// Stands for the reduction window: shows nothing, and presses the stop
// button once the K-th cycle has completed. The controller shows the cycle
// number only when a cycle ends, and reads the stop flag at its next yield,
// before the following cycle can replace the best result.
class ObservadorBanco final : public ObservadorReduccion {
public:
    ObservadorBanco(ControladorReduccion& controlador, int64_t ciclos) : controlador_(controlador), ciclos_(ciclos) {}

    void MostrarTipo(const std::string&) override {}
    void MostrarCiclo(const std::string& texto) override {
        const auto ciclo = EnteroPositivo(texto);  // "0" and "Analizando ..." are no cycle
        if (ciclo && *ciclo >= ciclos_) controlador_.PulsarDetener();
    }
    void MostrarNumeros(int32_t, const std::string&) override {}
    void MostrarProgreso(int) override {}
    void MostrarReducidas(int32_t) override {}
    void EmpezarAjuste(const std::string&) override {}

private:
    ControladorReduccion& controlador_;
    int64_t ciclos_;
};

const char* NombreMetodo(MetodoReduccion m) {
    switch (m) {
        case MetodoReduccion::cobertura:
            return "cobertura";
        case MetodoReduccion::secuencialExacto:
            return "secuencial_exacto";
        case MetodoReduccion::secuencialPorcentaje:
            return "secuencial_porcentaje";
        case MetodoReduccion::ninguno:
            break;
    }
    return "ninguna";
}

struct Configuracion {
    RejillaBase rejilla;
    AjustesFiltros filtros;
    FiltrosMarcados chkFiltros{};
    OpcionesReduccion opciones;
};

// Reads the BASE file as the open command does, from a fresh start-up state.
bool LeerBase(const std::string& ruta, bool modoRejilla, Configuracion& c) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(ruta, ec)) {
        std::fprintf(stderr, "vortesalin-bench: no se puede leer el fichero BASE '%s'\n", ruta.c_str());
        return false;
    }
    EntradaLecturaBase entrada;
    entrada.modoRejilla = modoRejilla;
    const ResultadoLecturaBase r = LeerFicheroBaseXML(ruta, entrada, c.filtros);
    if (!r.ficheroValido) {
        std::fprintf(stderr, "vortesalin-bench: el fichero BASE '%s' no es un XML válido\n", ruta.c_str());
        return false;
    }
    // The program shows these and goes on with what it could read.
    if (!r.gErroresXML.empty()) std::fprintf(stderr, "%s\n", TextoErroresAbrirBase(r.gErroresXML).c_str());
    if (r.hayCombinacion) c.rejilla = r.rejilla;
    for (int i = 0; i < kNumIndicesFiltro; ++i) {
        const auto& v = r.chkFiltros[static_cast<size_t>(i)];
        if (v) c.chkFiltros[static_cast<size_t>(i)] = *v != 0;
    }
    if (r.tipoReduccion) c.opciones.tipo = *r.tipoReduccion;
    if (r.porcentaje) c.opciones.porcentaje = *r.porcentaje;
    if (r.nuApuestas) c.opciones.numApuestas = *r.nuApuestas;
    if (r.apuestasExactas) c.opciones.conApuestasExactas = *r.apuestasExactas != 0;
    if (r.activarCiclos) c.opciones.conCiclos = *r.activarCiclos != 0;
    if (r.aleatorio) c.opciones.conAleatorio = *r.aleatorio != 0;
    return true;
}

// The import of the main window: the grid becomes the cells the numbers use,
// the distinct numbers ascending become gImportados and the current result.
bool ImportarNumeros(const std::string& ruta, Configuracion& c, TablasSesion& t) {
    LecturaNumeros lectura = LeerFicheroNumeros(ruta, kLecturaPrincipal);
    if (!lectura.Correcta()) {
        std::fprintf(stderr, "vortesalin-bench: %s\n", lectura.error.c_str());
        return false;
    }
    if (lectura.limiteAlcanzado) std::fprintf(stderr, "%s\n", TextoAvisoLimite().c_str());
    if (lectura.total == 0) {
        std::fprintf(stderr, "vortesalin-bench: %s\n", TextoCeroNumeros().c_str());
        return false;
    }
    c.rejilla = lectura.CasillasUsadas();
    const ResultadoRepetidos r = QuitarRepetidosYOrdenar(lectura, t.gImportados);
    t.gNumImportados = r.unicos;
    if (r.repetidos > 0) std::fprintf(stderr, "%s\n", TextoRepetidos(r.repetidos).c_str());
    t.gResultado = t.gImportados;
    return true;
}

int Ejecutar(const Argumentos& args) {
    const bool modoRejilla = !args.numeros;
    Configuracion c;
    c.opciones.modoApuestas = args.apuestas;
    TablasSesion t;
    if (!LeerBase(args.base, modoRejilla, c)) return kSalidaUso;
    if (args.numeros && !ImportarNumeros(*args.numeros, c, t)) return kSalidaUso;

    Salida out;
    const int N = c.rejilla.Contar();
    out.Clave("N", int64_t{N});
    if (N < kPosiciones) return out.Error(kAvisoMinimoDigitos);

    Cronometro relojCondicionar;
    const ResultadoCondicionar res =
        CondicionarBase(t, c.rejilla, c.filtros, c.chkFiltros, modoRejilla, [](std::string_view) {}, Cesion());
    double msCondicionar = relojCondicionar.Milisegundos();

    out.Clave("C", res.candidatos);
    out.Clave("eliminadas_digito", res.eliminadasComprobacion);
    for (int i = kFiltroGrupos; i <= kFiltroGruposEnReservas; ++i)
        if (c.chkFiltros[static_cast<size_t>(i)])
            out.Clave(("eliminadas_filtro_" + std::to_string(i)).c_str(), res.EliminadasFiltro[static_cast<size_t>(i)]);
    const int32_t n = res.condicionados;
    out.Clave("condicionados", n);
    out.Clave("todas_validas", int64_t{t.gTodasValidas ? 1 : 0});

    switch (ParadaTrasCondicionar(n, c.opciones.conApuestasExactas, c.opciones.numApuestas)) {
        case ParadaCalcular::ceroNumeros:
            return out.Error(kErrorCeroCondicionados);
        case ParadaCalcular::apuestasNoNumericas:
            return out.Error(kErrorApuestasNoNumericas);
        case ParadaCalcular::apuestasSuperan:
            return out.Error(kErrorApuestasExactasSuperan);
        case ParadaCalcular::ninguna:
            break;
    }

    double msReducir = 0;
    if (SinReduccion(c.opciones.porcentaje, c.opciones.tipo, c.opciones.modoApuestas)) {
        Cronometro relojCopia;
        CopiarCondicionadosAResultado(t);
        msCondicionar += relojCopia.Milisegundos();
        out.Clave("reduccion", NombreMetodo(MetodoReduccion::ninguno));
    } else {
        Cronometro relojReducir;
        TablasReduccion entradas;
        entradas.Construir(t, c.opciones.tipo);
        FuenteAleatoria aleatorio;
        ControladorReduccion controlador(t, entradas, aleatorio);
        ObservadorBanco observador(controlador, args.ciclos);
        const ResultadoReduccion r = controlador.Ejecutar(c.opciones, observador, Cesion());
        msReducir = relojReducir.Milisegundos();
        if (!r.error.empty()) return out.Error(r.error);
        out.Clave("reduccion", NombreMetodo(r.eleccion.metodo));
        if (r.eleccion.metodo != MetodoReduccion::ninguno) out.Clave("radio", r.eleccion.radio);
    }

    const int32_t filas = t.gResultado.Filas();
    out.Clave("resultado", filas);
    out.Reservar(static_cast<size_t>(filas) * (kPosiciones + 1) + 128);
    for (int32_t j = 1; j <= filas; ++j) out.Numero(t.gResultado.Fila(j));
    out.Clave("tiempo_condicionar_ms", msCondicionar);
    out.Clave("tiempo_reducir_ms", msReducir);
    out.Clave("memoria_pico_kb", PicoMemoriaKB());
    return out.Terminar(0);
}

}  // namespace

int main(int argc, char** argv) {
    const auto args = LeerArgumentos(argc, argv);
    if (!args) {
        Uso();
        return kSalidaUso;
    }
    try {
        return Ejecutar(*args);
    } catch (const std::bad_alloc&) {
        std::fputs("error: ERROR: Memoria insuficiente\n", stdout);
        return kSalidaError;
    }
}
