#include "lector_base_xml.h"

#include <limits>

#include "texto.h"

namespace {

constexpr int32_t kMinInt16 = std::numeric_limits<int16_t>::min();
constexpr int32_t kMaxInt16 = std::numeric_limits<int16_t>::max();
constexpr int32_t kMinInt32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt32 = std::numeric_limits<int32_t>::max();

// Longest piece of a bad value quoted in an error line.
constexpr size_t kMaxMuestra = 30;

std::string Muestra(std::string_view v) {
    if (v.size() <= kMaxMuestra) return std::string(v);
    return std::string(v.substr(0, kMaxMuestra)) + "...";
}

// The error pending in one section: the last one raised while reading it.
class Seccion {
public:
    void Error(std::string descripcion) { pendiente_ = std::move(descripcion); }
    void Registrar(std::string& errores, std::string_view titulo) {
        AgregarErrorXML(errores, pendiente_, titulo);
        pendiente_.clear();
    }

private:
    std::string pendiente_;
};

std::optional<std::string_view> Atributo(const NodoXML& n, const char* nombre, Seccion& s) {
    auto v = n.Atributo(nombre);
    if (!v) s.Error(std::string("Falta el atributo '") + nombre + "'");
    return v;
}

std::optional<int32_t> Entero(std::string_view texto, const char* atributo, int32_t minimo, int32_t maximo,
                              Seccion& s) {
    const EnteroLeido v = ConvertirEntero(texto, minimo, maximo);
    switch (v.estado) {
    case Conversion::Correcta:
        return static_cast<int32_t>(v.valor);
    case Conversion::NoNumero:
        s.Error("El valor '" + Muestra(texto) + "' de '" + atributo + "' no es un número");
        break;
    case Conversion::FueraDeIntervalo:
        s.Error("El valor '" + Muestra(texto) + "' de '" + atributo + "' está fuera del intervalo " +
                std::to_string(minimo) + "-" + std::to_string(maximo));
        break;
    }
    return std::nullopt;
}

std::optional<int32_t> AtributoEntero(const NodoXML& n, const char* atributo, int32_t minimo, int32_t maximo,
                                      Seccion& s) {
    const auto v = Atributo(n, atributo, s);
    if (!v) return std::nullopt;
    return Entero(*v, atributo, minimo, maximo, s);
}

// Calls f(item, j) for the items of a list split at ",", j counting from 1;
// an empty value gives no item.
template <class F>
void ParaCadaElemento(std::string_view lista, F f) {
    if (lista.empty()) return;
    int j = 1;
    for (size_t inicio = 0;;) {
        const size_t coma = lista.find(',', inicio);
        f(lista.substr(inicio, coma == std::string_view::npos ? std::string_view::npos : coma - inicio), j++);
        if (coma == std::string_view::npos) break;
        inicio = coma + 1;
    }
}

// Calls marcar(k) for every item k of a list attribute that lies in
// minimo..maximo; any other item is an error and is skipped.
template <class F>
void MarcarLista(const NodoXML& n, const char* atributo, int32_t minimo, int32_t maximo, Seccion& s, F marcar) {
    const auto v = Atributo(n, atributo, s);
    if (!v) return;
    ParaCadaElemento(*v, [&](std::string_view item, int) {
        if (const auto k = Entero(item, atributo, minimo, maximo, s)) marcar(*k);
    });
}

// A pair "minimum-maximum"; a value without exactly two parts is ignored.
template <class FMin, class FMax>
void LeerPar(const NodoXML& n, int32_t minimo, int32_t maximo, Seccion& s, FMin fijarMinimo, FMax fijarMaximo) {
    const auto v = Atributo(n, "suma", s);
    if (!v) return;
    const size_t guion = v->find('-');
    if (guion == std::string_view::npos || v->find('-', guion + 1) != std::string_view::npos) return;
    if (const auto a = Entero(v->substr(0, guion), "suma", minimo, maximo, s)) fijarMinimo(*a);
    if (const auto b = Entero(v->substr(guion + 1), "suma", minimo, maximo, s)) fijarMaximo(*b);
}

// Item j of the list becomes figura(j); the row has seven figures.
void LeerFiguras(const NodoXML& n, Arreglo<uint8_t>& figuras, Seccion& s) {
    const auto v = Atributo(n, "valores", s);
    if (!v) return;
    ParaCadaElemento(*v, [&](std::string_view item, int j) {
        if (j > figuras.Superior()) {
            s.Error("La lista de 'valores' tiene más de " + std::to_string(figuras.Superior()) + " elementos");
            return;
        }
        if (const auto x = Entero(item, "valores", 0, 255, s)) figuras[j] = static_cast<uint8_t>(*x);
    });
}


void LeerGrupos(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& grupo : seccion.HijosElemento()) {
        if (grupo.NombreMayusculas() != "GRUPO") continue;
        // Without a valid number the group's lists have nowhere to go.
        const auto g = AtributoEntero(grupo, "numero", 1, kNumGrupos, s);
        if (!g) continue;
        for (const NodoXML& h : grupo.HijosElemento()) {
            const std::string nombre = h.NombreMayusculas();
            if (nombre == "NUMEROS")
                MarcarLista(h, "valores", 1, kCasillas, s, [&](int c) { f.NumerosGrupo(*g, c) = 1; });
            else if (nombre == "ACIERTOS")
                MarcarLista(h, "valores", 0, 5, s, [&](int k) { f.AciertosGrupo(*g, k) = 1; });
        }
    }
}

void LeerParesImpares(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& h : seccion.HijosElemento())
        if (h.NombreMayusculas() == "PARESACTIVOS")
            MarcarLista(h, "valores", 0, 5, s, [&](int k) { f.ParesActivos[k] = 1; });
}

void LeerSeguidos(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& h : seccion.HijosElemento()) {
        const std::string nombre = h.NombreMayusculas();
        if (nombre == "NUMEROSSEGUIDOS") {
            MarcarLista(h, "valores", 0, 5, s, [&](int k) { f.NumerosSeguidos[k] = 1; });
        } else if (nombre == "FIGURASSEGUIDOS") {
            LeerFiguras(h, f.FigurasSeguidos, s);
        } else if (nombre == "SEGUIDOSINVERSOS") {
            if (const auto v = AtributoEntero(h, "valor", kMinInt16, kMaxInt16, s))
                f.SeguidosInversos = static_cast<int16_t>(*v);
        }
    }
}

void LeerSumas(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& h : seccion.HijosElemento()) {
        if (h.NombreMayusculas() != "INTERVALOS") continue;
        for (const NodoXML& intervalo : h.HijosElemento()) {
            const auto i = AtributoEntero(intervalo, "numero", 1, 10, s);
            if (!i) continue;
            LeerPar(
                intervalo, kMinInt16, kMaxInt16, s, [&](int v) { f.SumaMinima[*i] = static_cast<int16_t>(v); },
                [&](int v) { f.SumaMaxima[*i] = static_cast<int16_t>(v); });
        }
    }
}

void LeerTerminaciones(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& h : seccion.HijosElemento()) {
        const std::string nombre = h.NombreMayusculas();
        if (nombre == "TERMINADOSEN") {
            const auto d = AtributoEntero(h, "id", 0, 9, s);
            if (!d) continue;
            MarcarLista(h, "valores", 0, 5, s, [&](int k) { f.TerminadosEn(*d, k) = 1; });
        } else if (nombre == "SUMATERMINACIONES") {
            LeerPar(
                h, 0, 255, s, [&](int v) { f.SumaTerminacionesMinimo = static_cast<uint8_t>(v); },
                [&](int v) { f.SumaTerminacionesMaximo = static_cast<uint8_t>(v); });
        } else if (nombre == "FIGURASTERMINACIONES") {
            LeerFiguras(h, f.FigurasTerminaciones, s);
        }
    }
}

void LeerGruposRelacionados(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& grupo : seccion.HijosElemento()) {
        if (grupo.NombreMayusculas() != "GRUPO") continue;
        const auto b = AtributoEntero(grupo, "numero", 1, kNumGrupos / 6, s);
        if (!b) continue;
        const int base = (*b - 1) * 6;
        int subgrupo = 0;  // rows of this group filled so far
        for (const NodoXML& h : grupo.HijosElemento()) {
            const std::string nombre = h.NombreMayusculas();
            if (nombre == "SUBGRUPOS") {
                // The subgroups fill the group's rows in turn; a subgroup that
                // sets no cell takes no row, so the rows stay packed.
                for (const NodoXML& sub : h.HijosElemento()) {
                    if (subgrupo == 6) {
                        s.Error("El grupo " + std::to_string(*b) + " tiene más de 6 subgrupos");
                        break;
                    }
                    const int fila = base + subgrupo + 1;
                    bool alguna = false;
                    MarcarLista(sub, "numeros", 1, kCasillas, s, [&](int c) {
                        f.NumerosSubgrupo(fila, c) = 1;
                        alguna = true;
                    });
                    if (alguna) ++subgrupo;
                }
            } else if (nombre == "CONDICIONES") {
                for (const NodoXML& cond : h.HijosElemento()) {
                    if (cond.NombreMayusculas() != "ACIERTOS") continue;
                    const auto bloque = AtributoEntero(cond, "bloque", 1, 6, s);
                    if (!bloque) continue;
                    MarcarLista(cond, "valores", 0, 5, s,
                                [&](int k) { f.AciertosCondicion(base + *bloque, k) = 1; });
                }
            }
        }
    }
}

void LeerPosiciones(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& h : seccion.HijosElemento())
        if (h.NombreMayusculas() == "NUMEROS")
            MarcarLista(h, "valores", 1, kCasillas, s, [&](int c) { f.NumerosPosiciones[c] = 1; });
}

void LeerGruposEnReservas(const NodoXML& seccion, AjustesFiltros& f, Seccion& s) {
    for (const NodoXML& h : seccion.HijosElemento()) {
        const std::string nombre = h.NombreMayusculas();
        if (nombre == "GRUPO") {
            const auto g = AtributoEntero(h, "numero", 1, kNumGrupos, s);
            if (!g) continue;
            if (const auto id = AtributoEntero(h, "idgruporeserva", 0, kNumReservas, s))
                f.IdGrupoReserva[*g] = static_cast<uint8_t>(*id);
            for (const NodoXML& n : h.HijosElemento()) {
                const std::string sub = n.NombreMayusculas();
                if (sub == "NUMEROS")
                    MarcarLista(n, "valores", 1, kCasillas, s, [&](int c) { f.NumerosGrupoReserva(*g, c) = 1; });
                else if (sub == "ACIERTOS")
                    MarcarLista(n, "valores", 0, 6, s, [&](int k) { f.AciertosGrupoReserva(*g, k) = 1; });
            }
        } else if (nombre == "GRUPORESERVA") {
            const auto r = AtributoEntero(h, "idgruporeserva", 1, kNumReservas, s);
            if (!r) continue;
            MarcarLista(h, "aciertos", 0, kMaxAciertosReserva, s, [&](int k) { f.AciertosReserva(*r, k) = 1; });
        }
    }
}

struct DefinicionFiltro {
    const char* nombre;
    int indice;
    const char* titulo;
    void (*leer)(const NodoXML&, AjustesFiltros&, Seccion&);
};

constexpr DefinicionFiltro kFiltros[] = {
    {"GRUPOS", kFiltroGrupos, "GRUPOS DE NUMEROS", LeerGrupos},
    {"PARESIMPARES", kFiltroParesImpares, "PARES E IMPARES", LeerParesImpares},
    {"SEGUIDOS", kFiltroSeguidos, "SEGUIDOS", LeerSeguidos},
    {"SUMAS", kFiltroSumas, "SUMAS", LeerSumas},
    {"TERMINACIONES", kFiltroTerminaciones, "TERMINACIONES", LeerTerminaciones},
    {"GRUPOSRELACIONADOS", kFiltroGruposRelacionados, "GRUPOSRELACIONADOS", LeerGruposRelacionados},
    {"POSICIONES", kFiltroPosiciones, "POSICIONES", LeerPosiciones},
    {"GRUPOSENRESERVAS", kFiltroGruposEnReservas, "GRUPOS EN RESERVAS", LeerGruposEnReservas},
};

std::string Mayusculas(std::string_view v) {
    std::string s(v);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

void LeerCombinacion(const NodoXML& nodo, ResultadoLecturaBase& r) {
    Seccion s;
    r.hayCombinacion = true;
    r.rejilla.Limpiar();
    for (const NodoXML& h : nodo.HijosElemento()) {
        if (h.NombreMayusculas() != "BASE_NUMEROS") continue;
        const auto v = Atributo(h, "numeros", s);
        if (!v) continue;
        // Numbers outside 1..50 select nothing; only a non-number is an error.
        ParaCadaElemento(*v, [&](std::string_view item, int) {
            const EnteroLeido c = ConvertirEntero(item, kMinInt32, kMaxInt32);
            if (c.estado == Conversion::NoNumero) {
                s.Error("El valor '" + Muestra(item) + "' de 'numeros' no es un número");
                return;
            }
            if (c.Correcto() && c.valor >= 1 && c.valor <= kCasillas) r.rejilla.Fijar(static_cast<Casilla>(c.valor), true);
        });
    }
    s.Registrar(r.gErroresXML, "NUMEROS");
}

void LeerNumeroGanador(const NodoXML& nodo, ResultadoLecturaBase& r) {
    Seccion s;
    if (const auto v = Atributo(nodo, "valor", s)) {
        // The winning number holds five digits; further items are ignored.
        ParaCadaElemento(*v, [&](std::string_view item, int i) {
            if (i > kPosiciones) return;
            const EnteroLeido d = ConvertirEntero(item, kMinInt32, kMaxInt32);
            if (d.estado == Conversion::NoNumero) {
                s.Error("El valor '" + Muestra(item) + "' de 'valor' no es un número");
                return;
            }
            if (d.Correcto() && d.valor >= 0 && d.valor <= 9)
                r.numeroGanador[static_cast<size_t>(i - 1)] = static_cast<uint8_t>(d.valor);
        });
    }
    s.Registrar(r.gErroresXML, "COMBINACION GANADORA");
}

void LeerBaseASCII(const NodoXML& nodo, ResultadoLecturaBase& r) {
    Seccion s;
    if (const auto v = Atributo(nodo, "valor", s)) {
        r.ficheroImportado = !v->empty();
        r.rutaFicheroImportado = std::string(*v);
    }
    s.Registrar(r.gErroresXML, "BASE ASCII");
}

void LeerReduccion(const NodoXML& nodo, ResultadoLecturaBase& r) {
    for (const NodoXML& h : nodo.HijosElemento()) {
        Seccion s;
        const std::string nombre = h.NombreMayusculas();
        auto casilla = [&](std::optional<uint8_t>& destino) {
            if (const auto v = AtributoEntero(h, "valor", 0, 1, s)) destino = static_cast<uint8_t>(*v);
        };
        if (nombre == "TIPO") {
            if (const auto v = AtributoEntero(h, "valor", 0, kNumTiposReduccion - 1, s)) r.tipoReduccion = *v;
        } else if (nombre == "PORCENTAJE") {
            if (const auto v = Atributo(h, "valor", s)) r.porcentaje = std::string(*v);
        } else if (nombre == "NUAPUESTAS") {
            if (const auto v = Atributo(h, "valor", s)) r.nuApuestas = std::string(*v);
        } else if (nombre == "APUESTASEXACTAS") {
            casilla(r.apuestasExactas);
        } else if (nombre == "ACTIVARCICLOS") {
            casilla(r.activarCiclos);
        } else if (nombre == "ALEATORIO") {
            casilla(r.aleatorio);
        }
        s.Registrar(r.gErroresXML, "REDUCCION");
    }
}

// Calls visitar(element, its name in upper case) for every element where a
// BASE keeps its sections: the grandchildren of the document's children. The
// names of the two outer levels (XML, BASE) are not checked.
template <class F>
void RecorrerSecciones(const DocumentoXML& doc, F visitar) {
    for (const NodoXML& exterior : doc.Documento().Hijos()) {
        if (!exterior.TieneHijos()) continue;
        for (const NodoXML& medio : exterior.Hijos()) {
            if (!medio.TieneHijos()) continue;
            for (const NodoXML& nodo : medio.Hijos())
                if (nodo.EsElemento()) visitar(nodo, nodo.NombreMayusculas());
        }
    }
}

}  // namespace

void AgregarErrorXML(std::string& errores, std::string_view descripcion, std::string_view titulo) {
    if (descripcion.empty()) return;
    errores.append(titulo).append(" : ").append(descripcion).append("\r\n");
}

void LeerFiltrosXML(const std::vector<NodoXML>& hijos, AjustesFiltros& filtros, EstadoChkFiltros& chkFiltros,
                    std::string& errores) {
    for (const NodoXML& hijo : hijos) {
        if (!hijo.EsElemento()) continue;
        const auto nombre = hijo.Atributo("nombre");
        if (!nombre) {
            // Which filter it was cannot be known; the whole child is skipped.
            AgregarErrorXML(errores, "Falta el atributo 'nombre'", "FILTROS");
            continue;
        }
        const std::string clave = Mayusculas(*nombre);
        for (const DefinicionFiltro& def : kFiltros) {
            if (clave != def.nombre) continue;
            Seccion s;
            if (const auto v = AtributoEntero(hijo, "activado", 0, 1, s))
                chkFiltros[static_cast<size_t>(def.indice)] = static_cast<uint8_t>(*v);
            def.leer(hijo, filtros, s);
            s.Registrar(errores, def.titulo);
            break;
        }
    }
}

bool EsDocumentoBase(const DocumentoXML& doc) {
    bool base = false;
    RecorrerSecciones(doc, [&](const NodoXML&, const std::string& nombre) {
        base = base || nombre == "COMBINACION" || nombre == "NUMEROGANADOR" || nombre == "BASEASCII" ||
               nombre == "REDUCCION" || nombre == "FILTROS";
    });
    return base;
}

ResultadoLecturaBase LeerDocumentoBaseXML(const DocumentoXML& doc, const EntradaLecturaBase& entrada,
                                          AjustesFiltros& filtros) {
    ResultadoLecturaBase r;
    r.numeroGanador = entrada.numeroGanador;
    filtros.InicializarFiltros();
    RecorrerSecciones(doc, [&](const NodoXML& nodo, const std::string& nombre) {
        if (nombre == "COMBINACION") {
            if (entrada.modoRejilla) LeerCombinacion(nodo, r);
        } else if (nombre == "NUMEROGANADOR") {
            LeerNumeroGanador(nodo, r);
        } else if (nombre == "BASEASCII") {
            if (entrada.modoRejilla) LeerBaseASCII(nodo, r);
        } else if (nombre == "REDUCCION") {
            LeerReduccion(nodo, r);
        } else if (nombre == "FILTROS") {
            LeerFiltrosXML(nodo.Hijos(), filtros, r.chkFiltros, r.gErroresXML);
        }
    });
    r.ficheroValido = doc.CodigoError() == 0;
    if (!r.ficheroValido) AgregarErrorXML(r.gErroresXML, kErrorAbrirFichero, kTituloErrorFichero);
    return r;
}

ResultadoLecturaBase LeerFicheroBaseXML(const std::string& ruta, const EntradaLecturaBase& entrada,
                                        AjustesFiltros& filtros) {
    DocumentoXML doc;
    doc.Cargar(ruta);
    return LeerDocumentoBaseXML(doc, entrada, filtros);
}

std::string TextoErroresAbrirBase(const std::string& errores) {
    return "ERRORES detectados al abrir la BASE:\r\n\r\n" + errores;
}

std::string TextoAvisoBaseImportada(const std::string& rutaFicheroImportado) {
    return "AVISO : La Base fue importada desde el fichero en ASCII: (" + rutaFicheroImportado +
           ")\r\nDebe importarlo de nuevo con la opción 'Desde fichero' si quiere que su Combinación parta de "
           "dicho fichero.";
}
