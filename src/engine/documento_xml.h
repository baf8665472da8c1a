#pragma once
// The XML document object the BASE file is stored and read through: parse a
// text, save to a path, load a path, the parse error, and a read-only walk
// of the tree (children in order, names, attributes).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

// A node of a loaded document. Cheap to copy; valid while its document lives.
class NodoXML {
public:
    NodoXML() = default;
    explicit NodoXML(pugi::xml_node nodo) : nodo_(nodo) {}

    bool EsElemento() const { return nodo_.type() == pugi::node_element; }
    // The element's name as written; "#text", "#comment" and so on for other nodes.
    std::string Nombre() const;
    // The name in upper case (ASCII letters), as the readers compare it.
    std::string NombreMayusculas() const;
    bool TieneHijos() const { return static_cast<bool>(nodo_.first_child()); }
    // Every child, in document order.
    std::vector<NodoXML> Hijos() const;
    // Only the element children, in document order.
    std::vector<NodoXML> HijosElemento() const;
    // The value of an attribute (names are case-sensitive); nothing when the
    // element lacks it, which the readers treat as an error.
    std::optional<std::string_view> Atributo(std::string_view nombre) const;

private:
    pugi::xml_node nodo_;
};

// pugixml builds the tree, but it is lenient (it takes duplicate attributes,
// a bare "&", undefined entities, characters XML does not allow); expat, a
// conforming parser, first decides whether the text is well-formed XML.
class DocumentoXML {
public:
    // Parses a whole document text; false (and an empty document) when it is
    // not well-formed XML.
    bool CargarTexto(std::string_view texto);
    // Reads and parses a file completely; same rules as CargarTexto.
    bool Cargar(const std::string& ruta);
    // Writes the document to ruta whole or not at all (GuardarFicheroSeguro).
    bool Guardar(const std::string& ruta, std::string* error = nullptr) const;

    // 0 after a successful parse (and for a fresh document), otherwise the
    // reason the last load failed (never 0).
    int CodigoError() const { return codigoError_; }

    // The document node: its children are the top level of the file.
    NodoXML Documento() const { return NodoXML(doc_); }

private:
    pugi::xml_document doc_;
    int codigoError_ = 0;
};
