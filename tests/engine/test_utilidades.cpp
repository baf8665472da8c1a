#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "aleatorio.h"
#include "ayuda_base_xml.h"
#include "ayuda_tablas.h"
#include "analisis.h"
#include "config_impresion.h"
#include "escrutinio.h"
#include "fecha_sorteo.h"
#include "fichero_numeros.h"
#include "informe_eliminadas.h"
#include "numeros_terminal.h"
#include "panel_impresion.h"
#include "texto.h"
#include "validacion_grupos.h"
#include "validacion_sumas.h"
#include "validacion_terminaciones.h"

namespace {

using Argumentos = std::vector<std::string>;

using prueba::Tabla;

std::string SiNo(bool b) { return b ? "si" : "no"; }

const CarpetaTemporal kCarpeta("utilidades");

NumeroGanador Ganador(const std::string& s) {
    NumeroGanador g{};
    for (size_t p = 0; p < 5; ++p) g[p] = static_cast<uint8_t>(s[p] - '0');
    return g;
}

constexpr PosicionesElegidas kTodas{true, true, true, true, true};

// Keys by name, other keys as their character; 0 (the key dropped) as "nada".
const std::map<std::string, int> kTeclas = {{"Intro", kTeclaIntro}, {"Retroceso", kTeclaRetroceso},
                                            {"Escape", kTeclaEscape}, {"nada", 0}};

std::string Tecla(int codigo) {
    for (const auto& [nombre, c] : kTeclas)
        if (c == codigo) return nombre;
    return std::string(1, static_cast<char>(codigo));
}

std::string Rango(const RangoDecimos& r) {
    const char* const kErrores[] = {"Ninguno", "IntervaloIncompleto", "IntervaloFuera", "DecimoFuera"};
    return std::string(kErrores[static_cast<int>(r.error)]) + " " + std::to_string(r.indice) + " " +
           std::to_string(r.primero) + " " + std::to_string(r.ultimo);
}

// Reset filters with the settings "Name(i,j)=v" or "IdGrupoReserva(i)=v", apart by blanks.
AjustesFiltros Filtros(const std::string& ajustes) {
    const std::map<std::string, Matriz<uint8_t> AjustesFiltros::*> kMatrices = {
        {"NumerosGrupo", &AjustesFiltros::NumerosGrupo}, {"AciertosGrupo", &AjustesFiltros::AciertosGrupo},
        {"NumerosGrupoReserva", &AjustesFiltros::NumerosGrupoReserva},
        {"AciertosGrupoReserva", &AjustesFiltros::AciertosGrupoReserva}, {"AciertosReserva", &AjustesFiltros::AciertosReserva}};
    AjustesFiltros f;
    std::istringstream lista(ajustes);
    for (std::string a; lista >> a;) {
        char nombre[32];
        int i = 0, j = 0, v = 0;
        if (std::sscanf(a.c_str(), "%31[A-Za-z](%d,%d)=%d", nombre, &i, &j, &v) == 4) {
            (f.*kMatrices.at(nombre))(i, j) = static_cast<uint8_t>(v);
        } else if (std::sscanf(a.c_str(), "IdGrupoReserva(%d)=%d", &i, &v) == 2) {
            f.IdGrupoReserva[i] = static_cast<uint8_t>(v);
        } else {
            ADD_FAILURE() << a;
        }
    }
    return f;
}

// Each function of the table, its result shown as text.
const std::map<std::string, std::function<std::string(const Argumentos&)>> kFunciones = {
    {"ConvertirEntero", [](const Argumentos& a) {
         const char* const kEstados[] = {"Correcta", "NoNumero", "FueraDeIntervalo"};
         const FormaEntero forma = a[3] == "cifras" ? kSoloCifras : FormaEntero{.blancos = a[3] != "sin blancos"};
         const EnteroLeido r = ConvertirEntero(a[0], std::stoll(a[1]), std::stoll(a[2]), forma);
         return std::string(kEstados[static_cast<int>(r.estado)]) + " " + std::to_string(r.valor);
     }},
    // The beep flag is set either way, whatever it held before.
    {"FiltrarTecla", [](const Argumentos& a) {
         const int tecla = a[1].size() == 1 ? a[1][0] : kTeclas.at(a[1]);
         bool pitarSi = true, pitarNo = false;
         const int devuelta = FiltrarTecla(a[0], tecla, std::stoi(a[2]), &pitarSi);
         FiltrarTecla(a[0], tecla, std::stoi(a[2]), &pitarNo);
         return Tecla(devuelta) + (pitarSi != pitarNo ? " ?" : pitarNo ? " pita" : "");
     }},
    {"TextoValidoParaModo", [](const Argumentos& a) { return SiNo(TextoValidoParaModo(a[0], std::stoi(a[1]))); }},
    {"SinEspacios", [](const Argumentos& a) { return SiNo(SinEspacios(a[0])); }},
    {"LimpiarSeparadores", [](const Argumentos& a) {
         std::string s = a[0];
         const std::string devuelta = LimpiarSeparadores(s);
         return devuelta == s ? s : "devuelve " + devuelta + ", deja " + s;
     }},
    {"EsNumerico", [](const Argumentos& a) { return SiNo(EsNumerico(a[0])); }},
    {"ValorTexto", [](const Argumentos& a) { return std::to_string(ValorTexto(a[0])); }},
    {"RepararMargen", [](const Argumentos& a) { return RepararMargen(a[0], a[1]); }},
    {"ValidarDatosSorteo", [](const Argumentos& a) { return SiNo(ValidarDatosSorteo(a[0], a[1], a[2], a[3])); }},
    {"RangoTodos", [](const Argumentos& a) { return Rango(RangoTodos(std::stoi(a[0]))); }},
    {"RangoIntervalo", [](const Argumentos& a) { return Rango(RangoIntervalo(a[0], a[1], std::stoi(a[2]))); }},
    {"RangoDecimo", [](const Argumentos& a) { return Rango(RangoDecimo(a[0], std::stoi(a[1]))); }},
    {"TextoNumeroSorteo", [](const Argumentos& a) { return TextoNumeroSorteo(std::stoi(a[0])); }},
    {"LeerFechaSorteo", [](const Argumentos& a) {
         const auto f = LeerFechaSorteo(a[0]);
         return f ? f->dia + " " + std::to_string(f->mes) + " " + f->anio + " " + std::to_string(f->diaSemana) : "no";
     }},
    {"UnirFechaSorteo", [](const Argumentos& a) { return UnirFechaSorteo(a[0], std::stoi(a[1]), a[2]); }},
    {"ClaveFechaSorteo", [](const Argumentos& a) { return ClaveFechaSorteo(a[0], a[1], a[2]).value_or("no"); }},
    {"SemanaDelAnio", [](const Argumentos& a) {
         return std::to_string(SemanaDelAnio(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2])));
     }},
    {"LeerEnteroCaja", [](const Argumentos& a) {
         int16_t v = 99;
         return LeerEnteroCaja(a[0], v) ? std::to_string(v) : "no";
     }},
    {"PaginaDeGrupo", [](const Argumentos& a) { return std::to_string(PaginaDeGrupo(std::stoll(a[0]))); }},
    // The numbers read, or the message; a refused file leaves nothing read.
    {"LeerTextoNumeros", [](const Argumentos& a) {
         const LecturaNumeros l = LeerTextoNumeros(a[0], kLecturaPrincipal);
         if (!l.Correcta()) return l.error + (l.total == 0 && l.digitos.empty() && l.CasillasUsadas().Contar() == 0 ? "" : " ?");
         std::string s = l.total == 0 ? "ninguno" : l.forma == FormaFichero::Compacta ? "compacta:" : "separada:";
         for (int32_t j = 1; j <= l.total; ++j) {
             s += ' ';
             for (int p = 1; p <= 5; ++p) s += static_cast<char>('0' + l.Digito(j, p));
         }
         return s + (l.limiteAlcanzado ? " (límite)" : "");
     }},
    {"LeerTextoSorteo", [](const Argumentos& a) {
         const LecturaSorteo l = LeerTextoSorteo(a[0], "20261222");
         return l.sorteo ? "sorteo " + l.sorteo->id : l.error;
     }},
    // Interval 1 valid (1-9) and interval 4 the row's: what is read, or the
    // message with nothing read at all.
    {"ValidarIntervalosSuma", [](const Argumentos& a) {
         std::array<std::string, kIntervalosSuma> minimos, maximos;
         minimos.fill("0"), maximos.fill("0");
         minimos[0] = "1", maximos[0] = "9";
         minimos[3] = a[0], maximos[3] = a[1];
         IntervalosSuma leidos;
         leidos.minimos[0] = 33;
         const IntervalosSuma antes = leidos;
         const std::string mensaje = ValidarIntervalosSuma(minimos, maximos, leidos);
         if (!mensaje.empty()) return mensaje + (leidos.minimos == antes.minimos && leidos.maximos == antes.maximos ? "" : " ?");
         std::string s;
         for (int i = 0; i < kIntervalosSuma; ++i)
             s += std::to_string(leidos.minimos[i]) + "-" + std::to_string(leidos.maximos[i]) + (i + 1 < kIntervalosSuma ? " " : "");
         return s;
     }},
    {"FijarSorteoPorDefecto", [](const Argumentos& a) {
         AjustesImpresion x;
         x.gTituloImpresion = x.gPieImpresion = x.gNombreSorteo = "x";
         x.gPrecioDecimo = 3;
         x.gMargenSuperior = -7;  // print settings are not draw defaults
         FijarSorteoPorDefecto(x, std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]));
         return x.gTituloImpresion + x.gPieImpresion + x.gNombreSorteo + x.gFechaSorteo + " " +
                std::to_string(x.gNumeroSorteo) + " " + std::to_string(x.gPrecioDecimo) + " " + std::to_string(x.gMargenSuperior);
     }},
    {"PorcentajeCentesimas", [](const Argumentos& a) {
         return std::to_string(PorcentajeCentesimas(std::stoi(a[0]), std::stoi(a[1])));
     }},
    // Numbers apart by blanks, how many to take, the winning number, the
    // positions chosen as 0/1: how many numbers have 0..5 hits by position,
    // then 0..5 trailing hits.
    {"Escrutar", [](const Argumentos& a) {
         std::vector<std::string> numeros;
         std::istringstream lista(a[0]);
         for (std::string n; lista >> n;) numeros.push_back(n);
         PosicionesElegidas elegidas{};
         for (size_t p = 0; p < 5; ++p) elegidas[p] = a[3][p] == '1';
         const auto r = Escrutar(Tabla(numeros), std::stoi(a[1]), Ganador(a[2]), elegidas);
         std::string s;
         for (int32_t k : r.AciertosSinOrden) s += std::to_string(k) + " ";
         s += "/";
         for (int32_t k : r.AciertosConOrden) s += " " + std::to_string(k);
         return s;
     }},
    {"NumeroBloques", [](const Argumentos& a) { return std::to_string(NumeroBloques(std::stoi(a[0]))); }},
    {"CalcularBloque", [](const Argumentos& a) {
         const VistaBloque b = CalcularBloque(std::stoi(a[0]), std::stoi(a[1]));
         return std::to_string(b.desplazamiento) + " " + std::to_string(b.mostrados) + (b.limpiar ? " limpiar" : "");
     }},
    {"ValidarGrupos", [](const Argumentos& a) { return ValidarGrupos(Filtros(a[0])); }},
    {"ValidarGruposEnReservas", [](const Argumentos& a) { return ValidarGruposEnReservas(Filtros(a[0])); }},
    {"ValidarSumaTerminaciones", [](const Argumentos& a) {
         const ResultadoSumaTerminaciones r = ValidarSumaTerminaciones(a[0], a[1]);
         return r.error ? std::string(r.error) : std::to_string(r.minimo) + " " + std::to_string(r.maximo);
     }},
    // Page width, height and margins: the slots' corners, the first one's size,
    // where the title and the footer go.
    {"DisponerPagina", [](const Argumentos& a) {
         const DisposicionPagina d = DisponerPagina(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]), std::stoi(a[3]));
         std::string s = std::to_string(d.huecos[0].ancho) + "x" + std::to_string(d.huecos[0].alto) + ":";
         for (const RectanguloTwips& h : d.huecos) s += " " + std::to_string(h.x) + "," + std::to_string(h.y);
         return s + " titulo " + std::to_string(d.titulo.y) + " pie " + std::to_string(d.pie.y);
     }},
    // The three print values read over stale ones, from a file of this text
    // ("-": no file).
    {"LeerConfigImpresion", [](const Argumentos& a) {
         AjustesImpresion x;
         x.gMargenSuperior = x.gMargenIzquierdo = x.gOrientacion = 5;
         std::ofstream(kCarpeta / "config.txt", std::ios::binary) << a[0];
         LeerConfigImpresion(x, kCarpeta / (a[0] == "-" ? "falta.txt" : "config.txt"));
         return std::to_string(x.gMargenSuperior) + " " + std::to_string(x.gMargenIzquierdo) + " " + std::to_string(x.gOrientacion);
     }},
    // Three print values saved to a file of the scratch folder: its bytes, or "no".
    {"GuardarConfigImpresion", [](const Argumentos& a) {
         AjustesImpresion x;
         x.gMargenSuperior = std::stoi(a[0]);
         x.gMargenIzquierdo = std::stoi(a[1]);
         x.gOrientacion = std::stoi(a[2]);
         return GuardarConfigImpresion(x, kCarpeta / a[3]) ? LeerTodo(kCarpeta / a[3]) : "no";
     }},
};

}  // namespace

// tests/data/funciones.txt: one case a line, "function|argument|...|result".
TEST(Funciones, TablaDeCasos) {
    std::istringstream tabla(prueba::Dato("funciones.txt"));
    int casos = 0;
    for (std::string linea; std::getline(tabla, linea);) {
        if (linea.empty() || linea[0] == '#') continue;
        Argumentos campos;
        std::istringstream partes(linea);
        for (std::string campo; std::getline(partes, campo, '|');) campos.push_back(SinEscapes(campo));
        if (linea.back() == '|') campos.push_back("");
        const std::string esperado = campos.back();
        campos.pop_back();
        ASSERT_TRUE(kFunciones.count(campos[0])) << linea;
        EXPECT_EQ(kFunciones.at(campos[0])(Argumentos(campos.begin() + 1, campos.end())), esperado) << linea;
        ++casos;
    }
    EXPECT_GT(casos, 100);
}

TEST(FuenteAleatoria, SemillaRepiteLaSecuenciaEnElIntervaloSemiabierto) {
    FuenteAleatoria f, g, otra;
    f.Sembrar(1235);
    otra.Sembrar(1236);
    g.SembrarConReloj();
    g.Siguiente();
    g.Reiniciar();
    g.Sembrar(1235);
    int cuenta[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double x = f.Siguiente();
        ASSERT_EQ(g.Siguiente(), x);
        ASSERT_NE(otra.Siguiente(), x);
        ASSERT_TRUE(x >= 0.0 && x < 1.0) << x;
        ++cuenta[static_cast<int>(x * 10)];
    }
    for (int c : cuenta) EXPECT_GT(c, 9000);  // roughly uniform
}

TEST(Informes, EliminadasTotalDeTodosLosFiltrosYLineasDeLosMarcadosAhora) {
    EliminadasPorFiltro eliminadas{};
    eliminadas[kFiltroParesImpares] = 1500000;
    eliminadas[kFiltroTerminaciones] = 618000;  // ran, but is unticked now
    eliminadas[kFiltroGruposEnReservas] = 7;
    FiltrosMarcados marcados{};
    marcados[kFiltroGruposEnReservas] = marcados[kFiltroParesImpares] = true;
    marcados[kFiltroPosiciones] = true;  // ticked after the run
    marcados[1] = true;                  // placeholders never get a line
    const auto cuenta = [](int64_t v) { return "<" + std::to_string(v) + ">"; };  // shows where counts go
    EXPECT_EQ(TextoInformeEliminadas(eliminadas, marcados, 760, 1234, cuenta), prueba::Dato("informe_eliminadas.txt"));
}

// The whole reports, CR LF throughout, are files of tests/data. Only the first
// `total` rows count, and a total beyond the table stops at it.
TEST(Informes, AnalisisYEscrutinioLineaALinea) {
    const TablaNumeros t = Tabla({"12345", "12999", "12995"});
    const TablaNumeros mas = Tabla({"12345", "12999", "12995", "55555"});
    EXPECT_EQ(InformeAnalisis(ContarFrecuencias(t, 9), 3, AnalizarPrimerasCifras(mas, 3), AnalizarUltimasCifras(t, 9), ","),
              prueba::Dato("informe_analisis.txt"));
    EXPECT_EQ(AnalizarPrimerasCifras(t, 9).dos.texto, AnalizarPrimerasCifras(mas, 3).dos.texto);
    EXPECT_EQ(ContarFrecuencias(TablaNumeros(), 5), FrecuenciasCasillas{});
    EXPECT_EQ(AnalizarUltimasCifras(TablaNumeros(), 3).tres.texto, "");
    EXPECT_EQ(InformeEscrutinio(Escrutar(Tabla({"12345", "99345", "12340"}), 3, Ganador("12345"), kTodas)),
              prueba::Dato("informe_escrutinio.txt"));
    const auto ninguna = Escrutar(Tabla({"12345"}), 1, Ganador("12345"), PosicionesElegidas{});
    EXPECT_EQ(InformeEscrutinio(ninguna).rfind("Escrutado sobre 0 dígitos SIN orden:\r\n", 0), 0u);
}

TEST(Escrutinio, CedeCadaDiezMilYSoloLeeLasFilasQueHay) {
    const auto lista = Tabla(std::vector<std::string>(25000, "55555"));
    int cesiones = 0;
    const Cesion contar([&cesiones] { ++cesiones; });
    const auto r = Escrutar(lista, 25000, Ganador("55555"), kTodas, contar);
    EXPECT_EQ(cesiones, 2);
    EXPECT_EQ(r.AciertosConOrden[5], 25000);
    Escrutar(lista, 9999, Ganador("55555"), kTodas, contar);
    EXPECT_EQ(cesiones, 2);
}

TEST(Escrutinio, CargasConservanOrdenYRepetidosYCortanEnElOrigen) {
    const auto lectura = LeerTextoNumeros("11111\n98765\n11111\n11111\n", kLecturaEscrutinio);
    TablaNumeros destino;
    EXPECT_EQ(CargarDesdeLectura(lectura, 9, destino), 4);  // never more than were read
    EXPECT_EQ(destino, Tabla({"11111", "98765", "11111", "11111"}));
    const auto resultado = Tabla({"01234", "56789"});
    EXPECT_EQ(CargarDesdeResultado(resultado, 1, destino), 1);
    EXPECT_EQ(destino, Tabla({"01234"}));
    EXPECT_EQ(CargarDesdeResultado(resultado, 7, destino), 2);
    EXPECT_EQ(destino, resultado);
    EXPECT_EQ(CargarDesdeLectura(lectura, 0, destino), 0);
    EXPECT_EQ(destino.Filas(), 0);
}
