#include "documento_xml.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Fragment mode keeps text outside the root as nodes, so that it can be
// refused instead of silently dropped.
constexpr unsigned kOpcionesLectura = pugi::parse_default | pugi::parse_fragment;

bool SoloBlancos(const char* s) {
    for (; *s; ++s)
        if (*s != ' ' && *s != '\t' && *s != '\r' && *s != '\n') return false;
    return true;
}

class EscritorDescriptor : public pugi::xml_writer {
public:
    explicit EscritorDescriptor(int fd) : fd_(fd) {}
    void write(const void* datos, size_t tamano) override {
        const char* p = static_cast<const char*>(datos);
        while (tamano > 0 && ok_) {
            const ssize_t n = ::write(fd_, p, tamano);
            if (n < 0) {
                if (errno == EINTR) continue;
                ok_ = false;
                errno_ = errno;
                break;
            }
            p += n;
            tamano -= static_cast<size_t>(n);
        }
    }
    bool Correcto() const { return ok_; }
    int Errno() const { return errno_; }

private:
    int fd_;
    bool ok_ = true;
    int errno_ = 0;
};

void FijarError(std::string* destino, const std::string& texto) {
    if (destino) *destino = texto;
}

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

bool DocumentoXML::Comprobar(const pugi::xml_parse_result& r) {
    codigoError_ = 0;
    descripcionError_.clear();
    if (!r) {
        codigoError_ = static_cast<int>(r.status);
        descripcionError_ = r.description();
    } else {
        int raices = 0;
        bool textoFuera = false;
        for (pugi::xml_node h : doc_.children()) {
            if (h.type() == pugi::node_element) ++raices;
            if ((h.type() == pugi::node_pcdata || h.type() == pugi::node_cdata) && !SoloBlancos(h.value()))
                textoFuera = true;
        }
        if (textoFuera) {
            codigoError_ = kErrorXMLTextoFueraRaiz;
            descripcionError_ = "Text outside the root element";
        } else if (raices > 1) {
            codigoError_ = kErrorXMLVariasRaices;
            descripcionError_ = "More than one root element";
        } else if (raices == 0) {
            codigoError_ = kErrorXMLSinRaiz;
            descripcionError_ = "No document element found";
        }
    }
    // A document that did not parse holds nothing: a partial tree is never walked.
    if (codigoError_ != 0) doc_.reset();
    return codigoError_ == 0;
}

bool DocumentoXML::CargarTexto(std::string_view texto) {
    doc_.reset();
    return Comprobar(doc_.load_buffer(texto.data(), texto.size(), kOpcionesLectura, pugi::encoding_auto));
}

bool DocumentoXML::Cargar(const std::string& ruta) {
    doc_.reset();
    return Comprobar(doc_.load_file(ruta.c_str(), kOpcionesLectura, pugi::encoding_auto));
}

bool DocumentoXML::Guardar(const std::string& ruta, std::string* error) const {
    static std::atomic<unsigned> contador{0};
    std::string temporal;
    int fd = -1;
    for (int intento = 0; intento < 100 && fd < 0; ++intento) {
        temporal = ruta + ".~" + std::to_string(::getpid()) + "-" + std::to_string(contador++);
        fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        FijarError(error, std::string("Cannot create ") + temporal + ": " + std::strerror(errno));
        return false;
    }
    EscritorDescriptor escritor(fd);
    doc_.save(escritor, "\t", pugi::format_default | pugi::format_attribute_single_quote, pugi::encoding_utf8);
    bool ok = escritor.Correcto();
    int codigo = escritor.Errno();
    if (ok && ::fsync(fd) != 0) ok = false, codigo = errno;
    if (::close(fd) != 0 && ok) ok = false, codigo = errno;
    if (ok && std::rename(temporal.c_str(), ruta.c_str()) != 0) ok = false, codigo = errno;
    if (!ok) {
        ::unlink(temporal.c_str());
        FijarError(error, std::string("Cannot write ") + ruta + ": " + std::strerror(codigo));
    }
    return ok;
}
