#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ajustes_filtros.h"
#include "base_xml.h"
#include "documento_xml.h"
#include "guardado_seguro.h"
#include "lector_base_xml.h"
#include "ayuda_base_xml.h"

namespace fs = std::filesystem;

namespace {

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        fs::remove_all(ruta_);
        fs::create_directories(ruta_);
    }
    ~CarpetaTemporal() { fs::remove_all(ruta_); }
    std::string operator/(const std::string& nombre) const { return (ruta_ / nombre).string(); }
    fs::path ruta_ = fs::temp_directory_path() / ("vortesalin_xml_" + std::to_string(::getpid()) + "_" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

std::string LeerTodo(const std::string& ruta) {
    std::stringstream ss;
    ss << std::ifstream(ruta, std::ios::binary).rdbuf();
    return ss.str();
}

void Escribir(const std::string& ruta, const std::string& texto) { std::ofstream(ruta, std::ios::binary) << texto; }

// A setup touching every kind of line of the document.
void SetupCompleto(DatosBaseXML& d, AjustesFiltros& f) {
    d = {.rejilla = {}, .numeroGanador = {1, 2, 3, 4, 5}, .rutaFicheroASCII = "/home/ana/numeros.txt",
         .chkFiltros = {}, .tipoReduccionTexto = "4 (n-1)", .tipoReduccionIndice = 1, .porcentaje = "95",
         .nuApuestas = "12", .apuestasExactas = 1, .activarCiclos = 0, .aleatorio = 1, .version = "1.0",
         .fecha = "01/02/2024", .hora = "10:20:30"};
    for (Casilla c : {1, 12, 50}) d.rejilla.Fijar(c, true);
    d.chkFiltros[kFiltroGrupos] = d.chkFiltros[kFiltroSumas] = 1;
    f = AjustesFiltros();
    f.NumerosGrupo(2, 3) = f.NumerosGrupo(2, 7) = f.AciertosGrupo(2, 0) = f.AciertosGrupo(2, 2) = 1;
    f.NumerosGrupo(5, 10) = 1;    // cells without hit counts: not written
    f.AciertosGrupo(360, 5) = 1;  // hit counts without cells: written
    f.ParesActivos[1] = f.ParesActivos[3] = f.NumerosSeguidos[5] = f.FigurasSeguidos[1] = f.FigurasSeguidos[7] = 1;
    f.SeguidosInversos = 1;
    f.SumaMinima[1] = 10;
    f.SumaMaxima[1] = 20;
    f.TerminadosEn(0, 1) = f.TerminadosEn(9, 0) = f.TerminadosEn(9, 5) = f.FigurasTerminaciones[2] = 1;
    f.SumaTerminacionesMinimo = 3;
    f.SumaTerminacionesMaximo = 40;
    f.NumerosSubgrupo(8, 4) = f.NumerosSubgrupo(8, 5) = 1;  // block 2, subgroup 2
    f.NumerosSubgrupo(11, 50) = 1;                          // block 2, subgroup 5
    f.AciertosCondicion(7, 1) = f.AciertosCondicion(12, 0) = f.AciertosCondicion(12, 5) = 1;
    f.AciertosCondicion(13, 2) = 1;  // block 3 has no subgroup cell: not written
    f.NumerosPosiciones[1] = f.NumerosPosiciones[11] = 1;
    f.NumerosGrupoReserva(1, 2) = f.AciertosGrupoReserva(1, 6) = 1;
    f.IdGrupoReserva[1] = 3;
    f.AciertosReserva(2, 0) = f.AciertosReserva(2, 1) = f.AciertosReserva(8, 79) = 1;
}

// The whole text of that setup, line by line; "@" lines stand for runs of
// lines left at rest.
const std::vector<std::string> kLineasCompletas = {
    "<XML>",
    "<BASE>",
    "<DatosGeneracionFicheroXML fecha='01/02/2024' hora='10:20:30'/>",
    "<Programa nombre='VORTESALIN' version='1.0' />",
    "<Combinacion>",
    "<Base_Numeros numeros='1,12,50'/>",
    "</Combinacion>",
    "<NumeroGanador valor='1,2,3,4,5' />",
    "<BaseASCII valor='/home/ana/numeros.txt' />",
    "<Filtros>",
    "<Filtro nombre='GRUPOS' activado='1'>",
    "<grupo numero='2'>",
    "<numeros valores='3,7' />",
    "<aciertos valores='0,2' />",
    "</grupo>",
    "<grupo numero='360'>",
    "<numeros valores='' />",
    "<aciertos valores='5' />",
    "</grupo>",
    "</Filtro>",
    "<Filtro nombre='PARESIMPARES' activado='0'>",
    "<ParesActivos valores='1,3' />",
    "</Filtro>",
    "<Filtro nombre='SEGUIDOS' activado='0'>",
    "<NumerosSeguidos valores='5' />",
    "<FigurasSeguidos valores='1,0,0,0,0,0,1'/>",
    "<SeguidosInversos valor='1'/>",
    "</Filtro>",
    "<Filtro nombre='SUMAS' activado='1'>",
    "<intervalos>",
    "<intervalo numero='1' suma='10-20'/>",
    "@intervalos 2-10",
    "</intervalos>",
    "</Filtro>",
    "<Filtro nombre='TERMINACIONES' activado='0'>",
    "<TerminadosEn id='0' valores='1' />",
    "@terminaciones 1-8",
    "<TerminadosEn id='9' valores='0,5' />",
    "<SumaTerminaciones suma='3-40'/>",
    "<FigurasTerminaciones valores='0,1,0,0,0,0,0'/>",
    "</Filtro>",
    "<Filtro nombre='GRUPOSRELACIONADOS' activado='0'>",
    "<grupo numero='2'>",
    "<subgrupos>",
    "<subgrupo numero='8' numeros='4,5' />",
    "<subgrupo numero='11' numeros='50' />",
    "</subgrupos>",
    "<condiciones>",
    "<aciertos bloque='1' valores='1' />",
    "<aciertos bloque='6' valores='0,5' />",
    "</condiciones>",
    "</grupo>",
    "</Filtro>",
    "<Filtro nombre='POSICIONES' activado='0'>",
    "<Numeros valores='1,11' />",
    "</Filtro>",
    "<Filtro nombre='GRUPOSENRESERVAS' activado='0'>",
    "<grupo numero='1' idgruporeserva='3'>",
    "<numeros valores='2' />",
    "<aciertos valores='6' />",
    "</grupo>",
    "<gruporeserva idgruporeserva='2' aciertos='0,1'>",
    "</gruporeserva>",
    "<gruporeserva idgruporeserva='8' aciertos='79'>",
    "</gruporeserva>",
    "</Filtro>",
    "</Filtros>",
    "<Reduccion>",
    "<Tipo descripcion='4 (n-1)' valor='1' />",
    "<Porcentaje valor='95' />",
    "<NuApuestas valor='12' />",
    "<ApuestasExactas valor='1' />",
    "<ActivarCiclos valor='0' />",
    "<Aleatorio valor='1' />",
    "</Reduccion>",
    "</BASE>",
    "</XML>",
};

std::string TextoEsperado() {
    std::string t;
    for (const std::string& l : kLineasCompletas) {
        if (l[0] != '@') t += l + "\r\n";
        for (int i = 2; l == "@intervalos 2-10" && i <= 10; ++i)
            t += "<intervalo numero='" + std::to_string(i) + "' suma='0-0'/>\r\n";
        for (int d = 1; l == "@terminaciones 1-8" && d <= 8; ++d)
            t += "<TerminadosEn id='" + std::to_string(d) + "' valores='' />\r\n";
    }
    return t;
}

// Reads a document text as a BASE file in grid mode over filters full of stale values.
ResultadoLecturaBase LeerTexto(const std::string& texto, AjustesFiltros& f, bool modoRejilla = true,
                               std::array<uint8_t, kPosiciones> ganador = {9, 9, 9, 9, 9}) {
    f.NumerosPosiciones.Rellenar(1);  // must not survive the open
    DocumentoXML doc;
    doc.CargarTexto(texto);
    return LeerDocumentoBaseXML(doc, {modoRejilla, ganador}, f);
}

std::string Envolver(const std::string& cuerpo) { return "<XML><BASE>" + cuerpo + "</BASE></XML>"; }
std::string Filtros(const std::string& cuerpo) { return Envolver("<Filtros>" + cuerpo + "</Filtros>"); }

int ContarMarcas(const Matriz<uint8_t>& m) {
    int n = 0;
    for (int i = m.Inferior1(); i <= m.Superior1(); ++i)
        for (int j = m.Inferior2(); j <= m.Superior2(); ++j) n += m(i, j) != 0;
    return n;
}

}  // namespace

TEST(GenerarXMLBase, TextoExactoDeUnaConfiguracion) {
    DatosBaseXML d;
    AjustesFiltros f;
    SetupCompleto(d, f);
    EXPECT_EQ(GenerarXMLBase(d, f), TextoEsperado());
}

TEST(GenerarXMLBase, ConfiguracionNuevaYTodasLasCasillas) {
    DatosBaseXML d;
    std::string texto = GenerarXMLBase(d, AjustesFiltros());
    for (const char* l : {"<Base_Numeros numeros=''/>", "<NumeroGanador valor='0,0,0,0,0' />", "<BaseASCII valor='' />",
                          "<ParesActivos valores='' />", "<SumaTerminaciones suma='0-45'/>", "<Numeros valores='' />"})
        EXPECT_NE(texto.find(std::string("\r\n") + l + "\r\n"), std::string::npos) << l;
    EXPECT_EQ(texto.find("grupo"), std::string::npos);
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 66);
    std::string todas = "<Base_Numeros numeros='1";
    for (int c = 1; c <= kCasillas; ++c) d.rejilla.Fijar(static_cast<Casilla>(c), true);
    for (int c = 2; c <= kCasillas; ++c) todas += "," + std::to_string(c);
    EXPECT_NE(GenerarXMLBase(d, AjustesFiltros()).find(todas + "'/>"), std::string::npos);
}

// Every value written comes back to its place: writing what was read gives
// the same document. Random settings, once through a file whose path holds
// characters that cannot stand bare in an attribute or that a parser would
// turn into blanks.
TEST(BaseXML, IdaYVueltaConAjustesAlAzar) {
    CarpetaTemporal dir;
    std::mt19937 gen(7);
    auto azar = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    auto marcar = [&](Matriz<uint8_t>& m, int porcentaje) {
        for (int i = m.Inferior1(); i <= m.Superior1(); ++i)
            for (int j = m.Inferior2(); j <= m.Superior2(); ++j) m(i, j) = azar(100) < porcentaje;
    };
    auto marcarFila = [&](Arreglo<uint8_t>& a, int maximo) {
        for (int i = a.Inferior(); i <= a.Superior(); ++i) a[i] = static_cast<uint8_t>(azar(maximo + 1));
    };
    for (int ronda = 0; ronda < 3; ++ronda) {
        DatosBaseXML d;
        AjustesFiltros f;
        for (int c = 1; c <= kCasillas; ++c) d.rejilla.Fijar(static_cast<Casilla>(c), azar(2));
        for (auto& x : d.numeroGanador) x = static_cast<uint8_t>(azar(10));
        for (int i = 3; i <= 10; ++i) d.chkFiltros[i] = static_cast<uint8_t>(azar(2));
        d.rutaFicheroASCII = ronda == 0 ? "/home/ana/d'Artagnan & <otros>\t\r\n/números.txt" : "";
        d.tipoReduccionIndice = azar(4);
        d.porcentaje = std::to_string(azar(101));
        d.nuApuestas = std::to_string(1 + azar(1000));
        d.apuestasExactas = static_cast<uint8_t>(azar(2)), d.activarCiclos = static_cast<uint8_t>(azar(2));
        d.aleatorio = static_cast<uint8_t>(azar(2));
        marcar(f.NumerosGrupo, 5), marcar(f.AciertosGrupo, 20), marcar(f.AciertosCondicion, 10);
        marcar(f.NumerosGrupoReserva, 5), marcar(f.AciertosGrupoReserva, 20), marcar(f.AciertosReserva, 5);
        marcar(f.TerminadosEn, 30);
        marcarFila(f.ParesActivos, 1), marcarFila(f.NumerosSeguidos, 1), marcarFila(f.NumerosPosiciones, 1);
        marcarFila(f.FigurasSeguidos, 1), marcarFila(f.FigurasTerminaciones, 1), marcarFila(f.IdGrupoReserva, 8);
        f.SeguidosInversos = static_cast<int16_t>(azar(2));
        for (int i = 1; i <= 10; ++i)
            f.SumaMinima[i] = static_cast<int16_t>(azar(46)), f.SumaMaxima[i] = static_cast<int16_t>(azar(46));
        f.SumaTerminacionesMinimo = static_cast<uint8_t>(azar(46));
        f.SumaTerminacionesMaximo = static_cast<uint8_t>(azar(46));
        // Subgroups packed from each block's first row, as the editor keeps them.
        for (int b = 1; b <= 60; ++b)
            for (int s = 1, llenos = azar(7); s <= llenos; ++s) f.NumerosSubgrupo((b - 1) * 6 + s, azar(50) + 1) = 1;

        const std::string texto = GenerarXMLBase(d, f);
        AjustesFiltros leidos;
        ResultadoLecturaBase r;
        if (ronda == 0) {
            leidos.NumerosPosiciones.Rellenar(1);  // an open starts from reset settings
            ASSERT_TRUE(GuardarTextoBaseXML(texto, dir / "base.xml"));
            r = LeerFicheroBaseXML(dir / "base.xml", {true, {}}, leidos);
            EXPECT_EQ(r.rutaFicheroImportado, d.rutaFicheroASCII);
        } else {
            r = LeerTexto(texto, leidos);
        }
        EXPECT_TRUE(r.ficheroValido);
        EXPECT_EQ(r.gErroresXML, "");
        EXPECT_EQ(GenerarXMLBase(DatosLeidos(r, d), leidos), texto);
    }
}

TEST(GuardarFicheroSeguro, PermisosEnlaceCarpetaYNuncaAMedias) {
    CarpetaTemporal dir;
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
    rlimit corto = antes;
    corto.rlim_cur = 4;
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
    std::vector<std::string> carpetas = {dir / "no/existe", dir / "fichero"};
    if (::geteuid() != 0) {  // permissions do not bind the superuser
        fs::create_directory(dir / "solo_lectura");
        fs::permissions(dir / "solo_lectura", fs::perms::owner_read | fs::perms::owner_exec);
        carpetas.push_back(dir / "solo_lectura");
    }
    for (const std::string& carpeta : carpetas) {
        EXPECT_FALSE(GuardarFicheroSeguro(carpeta + "/f.txt", "x", &error)) << carpeta;
        EXPECT_EQ(error.rfind("No se puede escribir en la carpeta " + carpeta + ": ", 0), 0u) << error;
    }
    // No temporary file is ever left beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.ruta_), fs::directory_iterator()), 4 + (carpetas.size() > 2));
}

TEST(DocumentoXML, AnalisisNombresHijosYAtributos) {
    DocumentoXML doc;
    ASSERT_TRUE(doc.CargarTexto("<?xml version='1.0'?>\n<XML><Uno a='1' B=''/>texto<dos/></XML>"));
    EXPECT_EQ(doc.CodigoError(), 0);
    const auto raiz = doc.Documento().HijosElemento();
    ASSERT_EQ(raiz.size(), 1u);
    const auto hijos = raiz[0].Hijos();
    ASSERT_EQ(hijos.size(), 3u);
    EXPECT_EQ(hijos[0].Nombre() + hijos[1].Nombre() + hijos[2].NombreMayusculas(), "Uno#textDOS");
    EXPECT_EQ(hijos[0].Atributo("B"), "");
    EXPECT_FALSE(hijos[0].Atributo("b").has_value());  // attribute names are case-sensitive
    EXPECT_EQ(raiz[0].HijosElemento().size(), 2u);
}

// Whatever is not well-formed XML is refused whole, even where the rest of
// the file would read: each text below holds a winning number, a reduction
// switch and a filter that must not be applied.
TEST(LeerBaseXML, FicheroQueNoEsXMLBienFormado) {
    DatosBaseXML d;
    AjustesFiltros f;
    SetupCompleto(d, f);
    const std::string completo = GenerarXMLBase(d, f);
    auto con = [](const std::string& defecto) {
        return Envolver("<NumeroGanador valor='1,2,3,4,5'/><Reduccion><Aleatorio valor='1'/></Reduccion>"
                        "<Filtros><Filtro nombre='GRUPOS' activado='1'/></Filtros>" + defecto);
    };
    const std::vector<std::pair<const char*, std::string>> malos = {
        {"not XML", "esto no es XML\r\n"},
        {"empty", ""},
        {"truncated", completo.substr(0, completo.size() - 3)},
        {"binary", std::string("\0\xff\xfe<", 4)},
        {"duplicate attribute", con("<BaseASCII valor='/a.txt' valor='/b.txt'/>")},
        {"< in a value", con("<BaseASCII valor='a<b'/>")},
        {"bare & in a value", con("<BaseASCII valor='a & b'/>")},
        {"undefined entity", con("<BaseASCII valor='&nada;'/>")},
        {"control character", con("<BaseASCII valor='a\x01" "b'/>")},
        {"invalid UTF-8", con("<BaseASCII valor='a\xff" "b'/>")},
        {"unquoted value", con("<BaseASCII valor=a/>")},
        {"mismatched tag", con("<Reduccion></Combinacion>")},
        {"missing end tags", completo.substr(0, completo.size() / 2)},
        {"two roots", con("") + "<XML/>"},
        {"text after the root", con("") + "texto"},
    };
    EXPECT_EQ(LeerTexto(con(""), f).numeroGanador, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));  // the frame reads
    CarpetaTemporal dir;
    for (const auto& [caso, contenido] : malos) {
        SCOPED_TRACE(caso);
        Escribir(dir / "malo.xml", contenido);
        AjustesFiltros leidos;
        leidos.NumerosPosiciones.Rellenar(1);
        const auto r = LeerFicheroBaseXML(dir / "malo.xml", {true, {4, 4, 4, 4, 4}}, leidos);
        EXPECT_FALSE(r.ficheroValido);
        EXPECT_EQ(r.gErroresXML, "FICHERO : ERROR AL ABRIR EL FICHERO\r\n");
        EXPECT_EQ(leidos.NumerosPosiciones[1], 0);  // settings reset all the same
        EXPECT_FALSE(r.hayCombinacion);             // grid untouched
        EXPECT_EQ(r.numeroGanador, (std::array<uint8_t, 5>{4, 4, 4, 4, 4}));
        EXPECT_FALSE(r.tipoReduccion || r.porcentaje || r.aleatorio || r.chkFiltros[3] || r.ficheroImportado);
    }
    AjustesFiltros leidos;
    EXPECT_EQ(LeerFicheroBaseXML(dir / "no_existe.xml", {}, leidos).gErroresXML,
              "FICHERO : ERROR AL ABRIR EL FICHERO\r\n");
}

TEST(LeerBaseXML, NivelSuperiorCasillasGanadorYReduccion) {
    AjustesFiltros f;
    auto r = LeerTexto(Envolver("<Combinacion><Base_Numeros numeros='1,0,51,x,50, 7'/></Combinacion>"
                                "<NumeroGanador valor='7,y,12,3,4,5,6' />"
                                "<Reduccion><Tipo valor='7'/><Porcentaje valor='80'/><NuApuestas/>"
                                "<Aleatorio valor='1'/><ActivarCiclos valor='2'/><Otro/></Reduccion>"
                                "<BaseASCII valor='/tmp/f.txt'/>"),
                       f);
    EXPECT_TRUE(r.hayCombinacion);
    EXPECT_EQ(r.rejilla.Contar(), 3);
    EXPECT_TRUE(r.rejilla.Seleccionada(1) && r.rejilla.Seleccionada(7) && r.rejilla.Seleccionada(50));
    EXPECT_EQ(r.numeroGanador, (std::array<uint8_t, 5>{7, 9, 9, 3, 4}));
    EXPECT_FALSE(r.tipoReduccion.has_value());
    EXPECT_EQ(r.porcentaje, "80");
    EXPECT_FALSE(r.nuApuestas.has_value());
    EXPECT_EQ(r.aleatorio, 1);
    EXPECT_FALSE(r.activarCiclos.has_value());
    EXPECT_TRUE(r.ficheroImportado);
    EXPECT_EQ(r.rutaFicheroImportado, "/tmp/f.txt");
    EXPECT_EQ(r.gErroresXML,
              "NUMEROS : El valor 'x' de 'numeros' no es un número\r\n"
              "COMBINACION GANADORA : El valor 'y' de 'valor' no es un número\r\n"
              "REDUCCION : El valor '7' de 'valor' está fuera del intervalo 0-3\r\n"
              "REDUCCION : Falta el atributo 'valor'\r\n"
              "REDUCCION : El valor '2' de 'valor' está fuera del intervalo 0-1\r\n");

    // Two items change the first two digits only; names are compared in upper case.
    r = LeerTexto(Envolver("<NUMEROGANADOR valor='1,2'/><reduccion><tipo valor='3'/></reduccion>"), f);
    EXPECT_EQ(r.numeroGanador, (std::array<uint8_t, 5>{1, 2, 9, 9, 9}));
    EXPECT_EQ(r.tipoReduccion, 3);
    EXPECT_FALSE(r.hayCombinacion);
    EXPECT_EQ(r.gErroresXML, "");

    // With the imported file as base source the grid and the path are left alone.
    r = LeerTexto(Envolver("<Combinacion><Base_Numeros numeros='1,2'/></Combinacion><BaseASCII valor='/a.txt'/>"), f,
                  false);
    EXPECT_FALSE(r.hayCombinacion);
    EXPECT_FALSE(r.ficheroImportado);
    // A later empty path clears the notice.
    r = LeerTexto(Envolver("<BaseASCII valor='/a.txt'/><BaseASCII valor=''/>"), f);
    EXPECT_FALSE(r.ficheroImportado);
}

TEST(LeerFiltrosXML, SeccionesValoresYErrores) {
    AjustesFiltros f;
    auto r = LeerTexto(Filtros("<Filtro nombre='grupos' activado='1'><grupo numero='4'>"
                               "<numeros valores='1,50'/><aciertos valores='1,x'/></grupo></Filtro>"
                               "<Filtro nombre='SUMAS' activado='0'><intervalos>"
                               "<intervalo numero='1' suma='5-12'/><i numero='2' suma='5'/>"
                               "<intervalo numero='3' suma='5-12-3'/></intervalos></Filtro>"
                               "<Filtro nombre='SEGUIDOS' activado='1'><FigurasSeguidos valores='1,1,1'/>"
                               "<SeguidosInversos valor='1'/></Filtro>"
                               "<Filtro nombre='DECENAS' activado='1'/>"
                               "<Filtro nombre='POSICIONES'><Numeros valores='3'/></Filtro>"),
                       f);
    EXPECT_EQ(r.gErroresXML,
              "GRUPOS DE NUMEROS : El valor 'x' de 'valores' no es un número\r\n"
              "POSICIONES : Falta el atributo 'activado'\r\n");
    EXPECT_EQ(r.chkFiltros[kFiltroGrupos], 1);
    EXPECT_EQ(r.chkFiltros[kFiltroSumas], 0);
    EXPECT_EQ(r.chkFiltros[kFiltroSeguidos], 1);
    EXPECT_FALSE(r.chkFiltros[kFiltroPosiciones].has_value());
    EXPECT_FALSE(r.chkFiltros[kFiltroTerminaciones].has_value());
    EXPECT_FALSE(r.chkFiltros[1].has_value());
    EXPECT_EQ(f.NumerosGrupo(4, 1) + f.NumerosGrupo(4, 50), 2);
    EXPECT_EQ(f.AciertosGrupo(4, 1), 1);
    EXPECT_EQ(ContarMarcas(f.NumerosGrupo) + ContarMarcas(f.AciertosGrupo), 3);
    EXPECT_EQ(f.SumaMinima[1], 5);
    EXPECT_EQ(f.SumaMaxima[1], 12);
    EXPECT_EQ(f.SumaMinima[2] + f.SumaMaxima[2] + f.SumaMinima[3] + f.SumaMaxima[3], 0);
    for (int j = 1; j <= 7; ++j) EXPECT_EQ(f.FigurasSeguidos[j], j <= 3 ? 1 : 0) << j;
    EXPECT_EQ(f.SeguidosInversos, 1);
    EXPECT_EQ(f.NumerosPosiciones[3], 1);  // the section is read though its switch is missing
    EXPECT_EQ(f.SumaTerminacionesMaximo, 45);  // sections not in the file stay reset
}

TEST(LeerFiltrosXML, IndicesFueraDeIntervaloNoEscribenNada) {
    AjustesFiltros f;
    auto r = LeerTexto(
        Filtros("<Filtro nombre='GRUPOS' activado='1'><grupo numero='361'><numeros valores='1'/></grupo>"
                "<grupo numero='0'><aciertos valores='1'/></grupo><grupo><numeros valores='2'/></grupo>"
                "<grupo numero='99999999999999999999999'><numeros valores='2'/></grupo>"
                "<grupo numero='360'><numeros valores='51,0,-1'/><aciertos valores='6'/></grupo></Filtro>"
                "<Filtro nombre='TERMINACIONES' activado='1'><TerminadosEn id='10' valores='1'/>"
                "<FigurasTerminaciones valores='1,1,1,1,1,1,1,1'/><SumaTerminaciones suma='3-300'/></Filtro>"
                "<Filtro nombre='GRUPOSRELACIONADOS' activado='1'><grupo numero='61'><subgrupos>"
                "<subgrupo numeros='1'/></subgrupos></grupo>"
                "<grupo numero='60'><subgrupos>"
                "<s numeros='1'/><s numeros='2'/><s numeros='3'/><s numeros='4'/><s numeros='5'/>"
                "<s numeros='6'/><s numeros='7'/></subgrupos><condiciones><aciertos bloque='7' valores='1'/>"
                "</condiciones></grupo></Filtro>"
                "<Filtro nombre='GRUPOSENRESERVAS' activado='1'><grupo numero='2' idgruporeserva='9'>"
                "<aciertos valores='0'/></grupo><gruporeserva idgruporeserva='9' aciertos='1'/>"
                "<gruporeserva idgruporeserva='1' aciertos='80,79'/></Filtro>"
                "<Filtro activado='1'/>"),
        f);
    EXPECT_EQ(r.gErroresXML,
              "GRUPOS DE NUMEROS : El valor '6' de 'valores' está fuera del intervalo 0-5\r\n"
              "TERMINACIONES : El valor '300' de 'suma' está fuera del intervalo 0-255\r\n"
              "GRUPOSRELACIONADOS : El valor '7' de 'bloque' está fuera del intervalo 1-6\r\n"
              "GRUPOS EN RESERVAS : El valor '80' de 'aciertos' está fuera del intervalo 0-79\r\n"
              "FILTROS : Falta el atributo 'nombre'\r\n");
    EXPECT_EQ(ContarMarcas(f.NumerosGrupo) + ContarMarcas(f.AciertosGrupo), 0);
    EXPECT_EQ(ContarMarcas(f.TerminadosEn), 0);
    for (int j = 1; j <= 7; ++j) EXPECT_EQ(f.FigurasTerminaciones[j], 1);
    EXPECT_EQ(f.SumaTerminacionesMinimo, 3);
    EXPECT_EQ(f.SumaTerminacionesMaximo, 45);
    // Only six subgroups fit in a group; the seventh goes nowhere.
    EXPECT_EQ(ContarMarcas(f.NumerosSubgrupo), 6);
    for (int s = 1; s <= 6; ++s) EXPECT_EQ(f.NumerosSubgrupo(354 + s, s), 1);
    EXPECT_EQ(ContarMarcas(f.AciertosCondicion), 0);
    EXPECT_EQ(f.IdGrupoReserva[2], 0);
    EXPECT_EQ(f.AciertosGrupoReserva(2, 0), 1);
    EXPECT_EQ(ContarMarcas(f.AciertosReserva), 1);
    EXPECT_EQ(f.AciertosReserva(1, 79), 1);
}

TEST(LeerFiltrosXML, GruposRelacionadosLlenanFilasEnOrden) {
    AjustesFiltros f;
    const auto r = LeerTexto(Filtros("<Filtro nombre='GRUPOSRELACIONADOS' activado='1'><grupo numero='2'>"
                                     "<subgrupos><subgrupo numero='7' numeros='1,2'/><subgrupo numero='40' "
                                     "numeros=''/><subgrupo numero='8' numeros='3'/></subgrupos>"
                                     "<condiciones><aciertos bloque='1' valores='0'/><otro bloque='3' valores='1'/>"
                                     "<aciertos bloque='2' valores='5'/></condiciones></grupo></Filtro>"),
                             f);
    EXPECT_EQ(r.gErroresXML, "");
    EXPECT_EQ(f.NumerosSubgrupo(7, 1) + f.NumerosSubgrupo(7, 2) + f.NumerosSubgrupo(8, 3), 3);
    EXPECT_EQ(ContarMarcas(f.NumerosSubgrupo), 3);  // the empty subgroup takes no row
    EXPECT_EQ(f.AciertosCondicion(7, 0) + f.AciertosCondicion(8, 5), 2);
    EXPECT_EQ(ContarMarcas(f.AciertosCondicion), 2);
}
