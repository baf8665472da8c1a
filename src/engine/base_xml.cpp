#include "base_xml.h"

#include <ctime>

#include "documento_xml.h"

namespace {

constexpr const char* kFinLinea = "\r\n";

// Index list: the indices inf..sup whose flag is set (not 0), ascending,
// joined by "," with no blank and no trailing comma.
template <class Leer>
std::string ListaIndices(int inf, int sup, Leer leer) {
    std::string s;
    for (int i = inf; i <= sup; ++i) {
        if (leer(i) != 0) {
            s += std::to_string(i);
            s += ',';
        }
    }
    if (!s.empty()) s.pop_back();
    return s;
}

std::string ListaFila(const Arreglo<uint8_t>& fila) {
    return ListaIndices(fila.Inferior(), fila.Superior(), [&](int i) { return fila[i]; });
}

std::string ListaFila(const Matriz<uint8_t>& m, int fila) {
    return ListaIndices(m.Inferior2(), m.Superior2(), [&](int j) { return m(fila, j); });
}

// Flag list: every stored value in index order, joined by ",".
std::string ListaValores(const Arreglo<uint8_t>& fila) {
    std::string s;
    for (int i = fila.Inferior(); i <= fila.Superior(); ++i) {
        if (i > fila.Inferior()) s += ',';
        s += std::to_string(fila[i]);
    }
    return s;
}

// Attribute values go between apostrophes. The three characters that would
// break the document are written as entities, and TAB, CR and LF as
// character references, since a parser turns them into blanks in a value;
// so any path is stored and read back unchanged.
std::string Valor(const std::string& texto) {
    std::string s;
    s.reserve(texto.size());
    for (char c : texto) {
        switch (c) {
        case '\'': s += "&apos;"; break;
        case '<': s += "&lt;"; break;
        case '&': s += "&amp;"; break;
        case '\t': s += "&#9;"; break;
        case '\r': s += "&#13;"; break;
        case '\n': s += "&#10;"; break;
        default: s += c;
        }
    }
    return s;
}

// The document text, built line by line.
class Texto {
public:
    template <class... Piezas>
    void Linea(const Piezas&... piezas) {
        (Anadir(piezas), ...);
        t_ += kFinLinea;
    }
    std::string& Cadena() { return t_; }

private:
    void Anadir(const std::string& s) { t_ += s; }
    void Anadir(const char* s) { t_ += s; }
    void Anadir(int v) { t_ += std::to_string(v); }
    std::string t_;
};

void EscribirGrupos(Texto& x, const AjustesFiltros& f) {
    for (int g = 1; g <= kNumGrupos; ++g) {
        const std::string aciertos = ListaFila(f.AciertosGrupo, g);
        if (aciertos.empty()) continue;
        x.Linea("<grupo numero='", g, "'>");
        x.Linea("<numeros valores='", ListaFila(f.NumerosGrupo, g), "' />");
        x.Linea("<aciertos valores='", aciertos, "' />");
        x.Linea("</grupo>");
    }
}

void EscribirGruposRelacionados(Texto& x, const AjustesFiltros& f) {
    for (int b = 1; b <= kNumGrupos / 6; ++b) {
        std::array<std::string, 7> subgrupos;
        bool alguno = false;
        for (int s = 1; s <= 6; ++s) {
            const int fila = (b - 1) * 6 + s;
            // A subgroup row holds a chosen cell where its value is 1.
            subgrupos[s] = ListaIndices(1, kCasillas, [&](int c) { return f.NumerosSubgrupo(fila, c) == 1; });
            alguno = alguno || !subgrupos[s].empty();
        }
        if (!alguno) continue;
        x.Linea("<grupo numero='", b, "'>");
        x.Linea("<subgrupos>");
        for (int s = 1; s <= 6; ++s) {
            if (subgrupos[s].empty()) continue;
            x.Linea("<subgrupo numero='", (b - 1) * 6 + s, "' numeros='", subgrupos[s], "' />");
        }
        x.Linea("</subgrupos>");
        x.Linea("<condiciones>");
        for (int s = 1; s <= 6; ++s) {
            const std::string aciertos = ListaFila(f.AciertosCondicion, (b - 1) * 6 + s);
            if (aciertos.empty()) continue;
            x.Linea("<aciertos bloque='", s, "' valores='", aciertos, "' />");
        }
        x.Linea("</condiciones>");
        x.Linea("</grupo>");
    }
}

void EscribirGruposEnReservas(Texto& x, const AjustesFiltros& f) {
    for (int g = 1; g <= kNumGrupos; ++g) {
        const std::string aciertos = ListaFila(f.AciertosGrupoReserva, g);
        if (aciertos.empty()) continue;
        x.Linea("<grupo numero='", g, "' idgruporeserva='", f.IdGrupoReserva[g], "'>");
        x.Linea("<numeros valores='", ListaFila(f.NumerosGrupoReserva, g), "' />");
        x.Linea("<aciertos valores='", aciertos, "' />");
        x.Linea("</grupo>");
    }
    for (int r = 1; r <= kNumReservas; ++r) {
        const std::string aciertos = ListaFila(f.AciertosReserva, r);
        if (aciertos.empty()) continue;
        x.Linea("<gruporeserva idgruporeserva='", r, "' aciertos='", aciertos, "'>");
        x.Linea("</gruporeserva>");
    }
}

void EscribirFiltros(Texto& x, const DatosBaseXML& d, const AjustesFiltros& f) {
    auto abrir = [&](const char* nombre, int i) {
        x.Linea("<Filtro nombre='", nombre, "' activado='", d.chkFiltros[static_cast<size_t>(i)], "'>");
    };
    auto cerrar = [&] { x.Linea("</Filtro>"); };

    abrir("GRUPOS", kFiltroGrupos);
    EscribirGrupos(x, f);
    cerrar();

    abrir("PARESIMPARES", kFiltroParesImpares);
    x.Linea("<ParesActivos valores='", ListaFila(f.ParesActivos), "' />");
    cerrar();

    abrir("SEGUIDOS", kFiltroSeguidos);
    x.Linea("<NumerosSeguidos valores='", ListaFila(f.NumerosSeguidos), "' />");
    x.Linea("<FigurasSeguidos valores='", ListaValores(f.FigurasSeguidos), "'/>");
    x.Linea("<SeguidosInversos valor='", f.SeguidosInversos, "'/>");
    cerrar();

    abrir("SUMAS", kFiltroSumas);
    x.Linea("<intervalos>");
    for (int i = 1; i <= 10; ++i)
        x.Linea("<intervalo numero='", i, "' suma='", f.SumaMinima[i], "-", f.SumaMaxima[i], "'/>");
    x.Linea("</intervalos>");
    cerrar();

    abrir("TERMINACIONES", kFiltroTerminaciones);
    for (int dgt = 0; dgt <= 9; ++dgt)
        x.Linea("<TerminadosEn id='", dgt, "' valores='", ListaFila(f.TerminadosEn, dgt), "' />");
    x.Linea("<SumaTerminaciones suma='", f.SumaTerminacionesMinimo, "-", f.SumaTerminacionesMaximo, "'/>");
    x.Linea("<FigurasTerminaciones valores='", ListaValores(f.FigurasTerminaciones), "'/>");
    cerrar();

    abrir("GRUPOSRELACIONADOS", kFiltroGruposRelacionados);
    EscribirGruposRelacionados(x, f);
    cerrar();

    abrir("POSICIONES", kFiltroPosiciones);
    x.Linea("<Numeros valores='", ListaFila(f.NumerosPosiciones), "' />");
    cerrar();

    abrir("GRUPOSENRESERVAS", kFiltroGruposEnReservas);
    EscribirGruposEnReservas(x, f);
    cerrar();
}

}  // namespace

void SellarFechaHora(DatosBaseXML& datos) {
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    localtime_r(&ahora, &local);
    char fecha[32];
    char hora[32];
    std::strftime(fecha, sizeof fecha, "%d/%m/%Y", &local);
    std::strftime(hora, sizeof hora, "%H:%M:%S", &local);
    datos.fecha = fecha;
    datos.hora = hora;
}

std::string GenerarXMLBase(const DatosBaseXML& d, const AjustesFiltros& f) {
    Texto x;
    x.Cadena().reserve(16 * 1024);
    x.Linea("<XML>");
    x.Linea("<BASE>");
    x.Linea("<DatosGeneracionFicheroXML fecha='", Valor(d.fecha), "' hora='", Valor(d.hora), "'/>");
    x.Linea("<Programa nombre='VORTESALIN' version='", Valor(d.version), "' />");
    x.Linea("<Combinacion>");
    const std::string celdas =
        ListaIndices(1, kCasillas, [&](int c) { return d.rejilla.Seleccionada(static_cast<Casilla>(c)); });
    x.Linea("<Base_Numeros numeros='", celdas, "'/>");
    x.Linea("</Combinacion>");
    std::string ganador;
    for (int p = 0; p < kPosiciones; ++p) {
        if (p > 0) ganador += ',';
        ganador += std::to_string(d.numeroGanador[static_cast<size_t>(p)]);
    }
    x.Linea("<NumeroGanador valor='", ganador, "' />");
    x.Linea("<BaseASCII valor='", Valor(d.rutaFicheroASCII), "' />");
    x.Linea("<Filtros>");
    EscribirFiltros(x, d, f);
    x.Linea("</Filtros>");
    x.Linea("<Reduccion>");
    x.Linea("<Tipo descripcion='", Valor(d.tipoReduccionTexto), "' valor='", d.tipoReduccionIndice, "' />");
    x.Linea("<Porcentaje valor='", Valor(d.porcentaje), "' />");
    x.Linea("<NuApuestas valor='", Valor(d.nuApuestas), "' />");
    x.Linea("<ApuestasExactas valor='", d.apuestasExactas, "' />");
    x.Linea("<ActivarCiclos valor='", d.activarCiclos, "' />");
    x.Linea("<Aleatorio valor='", d.aleatorio, "' />");
    x.Linea("</Reduccion>");
    x.Linea("</BASE>");
    x.Linea("</XML>");
    return std::move(x.Cadena());
}

bool GuardarTextoBaseXML(const std::string& texto, const std::string& ruta, std::string* error) {
    DocumentoXML doc;
    if (!doc.CargarTexto(texto)) {
        if (error) *error = "El texto no es XML bien formado";
        return false;
    }
    return doc.Guardar(ruta, error);
}
