#include "documento_xml.h"

#include <expat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>

#include "guardado_seguro.h"

namespace {

// Codes beyond expat's own: the file could not be read; the tree could not be built.
constexpr int kErrorXMLLectura = 1001;
constexpr int kErrorXMLArbol = 1002;

// expat's error code for the text, XML_ERROR_NONE when it is well-formed.
int ErrorExpat(std::string_view texto) {
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> p(XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!p) return XML_ERROR_NO_MEMORY;
    do {
        const size_t trozo = std::min<size_t>(texto.size(), INT_MAX);
        const bool final = trozo == texto.size();
        if (XML_Parse(p.get(), texto.data(), static_cast<int>(trozo), final) == XML_STATUS_ERROR)
            return XML_GetErrorCode(p.get());
        texto.remove_prefix(trozo);
    } while (!texto.empty());
    return XML_ERROR_NONE;
}

class EscritorTexto : public pugi::xml_writer {
public:
    void write(const void* datos, size_t tamano) override { texto.append(static_cast<const char*>(datos), tamano); }
    std::string texto;
};

}  // namespace

std::string NodoXML::Nombre() const {
    switch (nodo_.type()) {
    case pugi::node_element:
        return nodo_.name();
    case pugi::node_pcdata:
        return "#text";
    case pugi::node_cdata:
        return "#cdata-section";
    case pugi::node_comment:
        return "#comment";
    case pugi::node_document:
        return "#document";
    default:
        return nodo_.name();
    }
}

std::string NodoXML::NombreMayusculas() const {
    std::string s = Nombre();
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::vector<NodoXML> NodoXML::Hijos() const {
    std::vector<NodoXML> hijos;
    for (pugi::xml_node h : nodo_.children()) hijos.emplace_back(h);
    return hijos;
}

std::vector<NodoXML> NodoXML::HijosElemento() const {
    std::vector<NodoXML> hijos;
    for (pugi::xml_node h : nodo_.children())
        if (h.type() == pugi::node_element) hijos.emplace_back(h);
    return hijos;
}

std::optional<std::string_view> NodoXML::Atributo(std::string_view nombre) const {
    if (nodo_.type() != pugi::node_element) return std::nullopt;
    for (pugi::xml_attribute a : nodo_.attributes())
        if (nombre == a.name()) return std::string_view(a.value());
    return std::nullopt;
}

bool DocumentoXML::CargarTexto(std::string_view texto) {
    doc_.reset();
    codigoError_ = ErrorExpat(texto);
    if (codigoError_ == 0) {
        const pugi::xml_parse_result r = doc_.load_buffer(texto.data(), texto.size(), pugi::parse_default);
        if (!r) codigoError_ = kErrorXMLArbol;
    }
    // A document that did not parse holds nothing: a partial tree is never walked.
    if (codigoError_ != 0) doc_.reset();
    return codigoError_ == 0;
}

bool DocumentoXML::Cargar(const std::string& ruta) {
    doc_.reset();
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(ruta.c_str(), "rb"), &std::fclose);
    std::string texto;
    char bloque[65536];
    for (size_t n; f && (n = std::fread(bloque, 1, sizeof bloque, f.get())) > 0;) texto.append(bloque, n);
    if (!f || std::ferror(f.get())) {
        codigoError_ = kErrorXMLLectura;
        return false;
    }
    return CargarTexto(texto);
}

bool DocumentoXML::Guardar(const std::string& ruta, std::string* error) const {
    EscritorTexto escritor;
    doc_.save(escritor, "\t", pugi::format_default | pugi::format_attribute_single_quote, pugi::encoding_utf8);
    return GuardarFicheroSeguro(ruta, escritor.texto, error);
}
