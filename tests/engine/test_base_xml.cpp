#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <optional>
#include <vector>

#include "ajustes_filtros.h"
#include "ayuda_base_xml.h"
#include "ayuda_tablas.h"
#include "base_xml.h"
#include "documento_xml.h"
#include "guardado_seguro.h"
#include "lector_base_xml.h"

namespace fs = std::filesystem;

namespace {

void Escribir(const std::string& ruta, const std::string& texto) { std::ofstream(ruta, std::ios::binary) << texto; }

template <typename T>
void Volcar(std::ostream& o, const char* nombre, const Arreglo<T>& a, const Arreglo<T>& reposo) {
    for (int i = a.Inferior(); i <= a.Superior(); ++i)
        if (a[i] != reposo[i]) o << nombre << "(" << i << ")=" << +a[i] << "\n";
}

template <typename T>
void Volcar(std::ostream& o, const char* nombre, const Matriz<T>& m, const Matriz<T>& reposo) {
    for (int i = m.Inferior1(); i <= m.Superior1(); ++i)
        for (int j = m.Inferior2(); j <= m.Superior2(); ++j)
            if (m(i, j) != reposo(i, j)) o << nombre << "(" << i << "," << j << ")=" << +m(i, j) << "\n";
}

// Everything an open hands back, one item a line: the settings only where
// they differ from reset ones, the error list last.
std::string Estado(const ResultadoLecturaBase& r, const AjustesFiltros& f) {
    std::ostringstream o;
    if (!r.ficheroValido) o << "no valido\n";
    if (r.hayCombinacion) {
        o << "rejilla";
        for (int c = 1; c <= kCasillas; ++c)
            if (r.rejilla.Seleccionada(static_cast<Casilla>(c))) o << " " << c;
        o << "\n";
    }
    o << "ganador ";
    for (uint8_t d : r.numeroGanador) o << +d;
    o << "\n";
    if (r.ficheroImportado || !r.rutaFicheroImportado.empty())
        o << "importado " << r.ficheroImportado << " '" << r.rutaFicheroImportado << "'\n";
    for (size_t i = 0; i < r.chkFiltros.size(); ++i)
        if (r.chkFiltros[i]) o << "chk(" << i << ")=" << +*r.chkFiltros[i] << "\n";
    auto opcion = [&](const char* nombre, const auto& v) {
        if (v) o << nombre << " " << *v << "\n";
    };
    using Numero = std::optional<int>;  // bytes shown as numbers
    opcion("tipo", r.tipoReduccion), opcion("porcentaje", r.porcentaje), opcion("apuestas", r.nuApuestas);
    opcion("exactas", Numero(r.apuestasExactas)), opcion("ciclos", Numero(r.activarCiclos));
    opcion("aleatorio", Numero(r.aleatorio));
    const AjustesFiltros a;
    Volcar(o, "NumerosGrupo", f.NumerosGrupo, a.NumerosGrupo);
    Volcar(o, "AciertosGrupo", f.AciertosGrupo, a.AciertosGrupo);
    Volcar(o, "ParesActivos", f.ParesActivos, a.ParesActivos);
    Volcar(o, "NumerosSeguidos", f.NumerosSeguidos, a.NumerosSeguidos);
    Volcar(o, "FigurasSeguidos", f.FigurasSeguidos, a.FigurasSeguidos);
    Volcar(o, "SumaMinima", f.SumaMinima, a.SumaMinima);
    Volcar(o, "SumaMaxima", f.SumaMaxima, a.SumaMaxima);
    Volcar(o, "TerminadosEn", f.TerminadosEn, a.TerminadosEn);
    Volcar(o, "FigurasTerminaciones", f.FigurasTerminaciones, a.FigurasTerminaciones);
    Volcar(o, "NumerosSubgrupo", f.NumerosSubgrupo, a.NumerosSubgrupo);
    Volcar(o, "AciertosCondicion", f.AciertosCondicion, a.AciertosCondicion);
    Volcar(o, "NumerosPosiciones", f.NumerosPosiciones, a.NumerosPosiciones);
    Volcar(o, "NumerosGrupoReserva", f.NumerosGrupoReserva, a.NumerosGrupoReserva);
    Volcar(o, "AciertosGrupoReserva", f.AciertosGrupoReserva, a.AciertosGrupoReserva);
    Volcar(o, "IdGrupoReserva", f.IdGrupoReserva, a.IdGrupoReserva);
    Volcar(o, "AciertosReserva", f.AciertosReserva, a.AciertosReserva);
    if (f.SeguidosInversos != a.SeguidosInversos) o << "SeguidosInversos=" << f.SeguidosInversos << "\n";
    if (f.SumaTerminacionesMinimo != a.SumaTerminacionesMinimo)
        o << "SumaTerminacionesMinimo=" << +f.SumaTerminacionesMinimo << "\n";
    if (f.SumaTerminacionesMaximo != a.SumaTerminacionesMaximo)
        o << "SumaTerminacionesMaximo=" << +f.SumaTerminacionesMaximo << "\n";
    std::string_view e = r.gErroresXML;
    for (size_t fin; (fin = e.find("\r\n")) != std::string_view::npos; e.remove_prefix(fin + 2))
        o << "! " << e.substr(0, fin) << "\n";
    if (!e.empty()) o << "! " << e << " (sin CR LF)\n";
    return o.str();
}

// Opens a BASE file over the winning number 99999 and filters full of stale values.
std::string Abrir(const std::string& ruta, bool modoRejilla = true) {
    AjustesFiltros f;
    f.NumerosPosiciones.Rellenar(1);  // must not survive the open
    return Estado(LeerFicheroBaseXML(ruta, {modoRejilla, {9, 9, 9, 9, 9}}, f), f);
}

}  // namespace

// The state read from tests/data/base_completa.xml (the table below pins it)
// written back gives the same document.
TEST(GenerarXMLBase, TextoExactoDeUnaConfiguracionYDeUnaNueva) {
    AjustesFiltros f;
    const auto r = LeerFicheroBaseXML(std::string(VORTESALIN_DATOS_PRUEBA) + "/base_completa.xml", {}, f);
    DatosBaseXML d{.rejilla = r.rejilla, .numeroGanador = r.numeroGanador, .rutaFicheroASCII = r.rutaFicheroImportado,
                   .tipoReduccionTexto = "4 (n-1)", .tipoReduccionIndice = *r.tipoReduccion, .porcentaje = *r.porcentaje,
                   .nuApuestas = *r.nuApuestas, .apuestasExactas = *r.apuestasExactas, .activarCiclos = *r.activarCiclos,
                   .aleatorio = *r.aleatorio, .version = "1.0", .fecha = "01/02/2024", .hora = "10:20:30"};
    for (int i = 0; i < kNumIndicesFiltro; ++i) d.chkFiltros[i] = r.chkFiltros[i].value_or(0);
    // The reading packs the related groups' rows, which keep their gaps when written.
    f.NumerosSubgrupo.Rellenar(0);
    f.NumerosSubgrupo(8, 4) = f.NumerosSubgrupo(8, 5) = f.NumerosSubgrupo(11, 50) = f.NumerosSubgrupo(360, 9) = 1;
    // Group cells without hit counts, and hit counts of a block without cells, are not written.
    f.NumerosGrupo(5, 10) = f.AciertosCondicion(13, 2) = 1;
    EXPECT_EQ(GenerarXMLBase(d, f), prueba::Dato("base_completa.xml"));
    EXPECT_EQ(GenerarXMLBase(DatosBaseXML(), AjustesFiltros()), prueba::Dato("base_nueva.xml"));
    std::string todas = "<Base_Numeros numeros='1";
    for (int c = 1; c <= kCasillas; ++c) d.rejilla.Fijar(static_cast<Casilla>(c), true);
    for (int c = 2; c <= kCasillas; ++c) todas += "," + std::to_string(c);
    EXPECT_NE(GenerarXMLBase(d, f).find(todas + "'/>"), std::string::npos);
}

TEST(GuardarFicheroSeguro, PermisosEnlaceCarpetaYNuncaAMedias) {
    CarpetaTemporal dir("guardado_seguro");
    const std::string ruta = dir / "base.xml";
    Escribir(ruta, "contenido anterior");
    fs::permissions(ruta, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("base.xml", dir / "enlace.xml");
    std::string error;
    // Text that is not XML is never written.
    EXPECT_FALSE(GuardarTextoBaseXML("<XML><a v='x'y'/></XML>", ruta, &error));
    EXPECT_EQ(LeerTodo(ruta), "contenido anterior");
    // Through the link: the file it points to is replaced, keeping its permissions.
    ASSERT_TRUE(GuardarTextoBaseXML("<XML><BASE/></XML>", dir / "enlace.xml", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir / "enlace.xml"));
    EXPECT_TRUE(DocumentoXML().Cargar(ruta));
    EXPECT_EQ(fs::status(ruta).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A write that fails halfway leaves the old file whole.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    const rlimit corto{4, antes.rlim_max};
    setrlimit(RLIMIT_FSIZE, &corto);
    EXPECT_FALSE(GuardarFicheroSeguro(ruta, "un texto largo", &error));
    setrlimit(RLIMIT_FSIZE, &antes);
    EXPECT_TRUE(DocumentoXML().Cargar(ruta)) << error;
    // A folder in the target's place is left alone.
    fs::create_directory(dir / "carpeta");
    EXPECT_FALSE(GuardarFicheroSeguro(dir / "carpeta", "x", &error));
    EXPECT_TRUE(fs::is_directory(dir / "carpeta"));
    // A folder that cannot be written is named.
    Escribir(dir / "fichero", "");
    fs::create_directory(dir / "solo_lectura");
    fs::permissions(dir / "solo_lectura", fs::perms::owner_read | fs::perms::owner_exec);
    for (const std::string& carpeta : {dir / "no/existe", dir / "fichero", dir / "solo_lectura"}) {
        if (carpeta.ends_with("solo_lectura") && ::geteuid() == 0) continue;  // permissions do not bind the superuser
        EXPECT_FALSE(GuardarFicheroSeguro(carpeta + "/f.txt", "x", &error)) << carpeta;
        EXPECT_EQ(error.rfind("No se puede escribir en la carpeta " + carpeta + ": ", 0), 0u) << error;
    }
    // No temporary file is ever left beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.ruta_), fs::directory_iterator()), 5);
}

// Each case of the table: "=== name" (with "| fichero" when the imported file
// is the base source), the document's lines (or "@" and a file of tests/data),
// "---", what the open hands back; \t, \r, \n and \xHH stand for those bytes.
TEST(LeerBaseXML, TablaDeDocumentos) {
    CarpetaTemporal dir("xml_tabla");
    std::vector<std::array<std::string, 3>> casos;  // name, document, what is read
    bool enTexto = false;
    std::istringstream tabla(prueba::Dato("lectura_base.txt"));
    for (std::string l; std::getline(tabla, l);) {
        l = SinEscapes(l);
        if (l.rfind("=== ", 0) == 0) {
            casos.push_back({l.substr(4), "", ""});
            enTexto = true;
        } else if (l == "---") {
            enTexto = false;
        } else if (enTexto && l[0] == '@') {
            casos.back()[1] += prueba::Dato(l.substr(1).c_str());  // a whole document of tests/data
        } else if (!l.empty() && !casos.empty()) {
            casos.back()[enTexto ? 1 : 2] += l + (enTexto ? "\r\n" : "\n");
        }
    }
    ASSERT_GE(casos.size(), 8u);
    for (const auto& [nombre, texto, esperado] : casos) {
        Escribir(dir / "base.xml", texto);
        EXPECT_EQ(Abrir(dir / "base.xml", nombre.find("| fichero") == std::string::npos), esperado) << nombre;
    }
    EXPECT_EQ(Abrir(dir / "no_existe.xml"), "no valido\nganador 99999\n! FICHERO : ERROR AL ABRIR EL FICHERO\n");
}
