#include "numeros_terminal.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "config_impresion.h"
#include "fichero_numeros.h"
#include "panel_impresion.h"
#include "texto.h"

namespace fs = std::filesystem;

namespace {

// Far beyond a draw of 100000 numbers; a larger file is not a draw file.
constexpr uintmax_t kMaxBytesSorteo = uintmax_t{64} << 20;
constexpr const char* kEtiquetas[4] = {"Sorteo:", "Nombre:", "Primer premio:", "Segundo premio:"};
constexpr const char* kNoCargado = "ERROR AL LEER EL SORTEO, SORTEO NO CARGADO (";

std::string_view Recortar(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string Cifras(const DecimoEnVenta& d) {
    std::string s;
    for (uint8_t c : d.digitos) s += static_cast<char>('0' + c % 10);
    return s;
}

// "22/12/2026" of the key "20261222".
std::string FechaDeClave(const std::string& clave) {
    if (clave.size() != 8) return clave;
    return clave.substr(6, 2) + "/" + clave.substr(4, 2) + "/" + clave.substr(0, 4);
}

std::optional<FechaSorteo> FechaValida(const std::string& clave) {
    if (clave.size() != 8 || !std::all_of(clave.begin(), clave.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return LeerFechaSorteo(FechaDeClave(clave));
}

// The date keys of the draw files of a folder, ascending.
std::vector<std::string> ClavesSorteos(const std::string& carpeta) {
    std::vector<std::string> claves;
    std::error_code ec;
    for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        const fs::path& p = it->path();
        std::string ext = p.extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        std::error_code ecFichero;
        if (ext != ".txt" || !it->is_regular_file(ecFichero)) continue;
        const std::string clave = p.stem().string();
        if (FechaValida(clave)) claves.push_back(clave);
    }
    std::sort(claves.begin(), claves.end());
    claves.erase(std::unique(claves.begin(), claves.end()), claves.end());
    return claves;
}

// Whether the bytes are well-formed UTF-8: no stray continuation byte, no
// overlong form, no surrogate, nothing past U+10FFFF.
bool EsUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        size_t largo = 0;
        unsigned char min = 0x80, max = 0xBF;  // range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            largo = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            largo = 3;
            if (b == 0xE0) min = 0xA0;
            if (b == 0xED) max = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            largo = 4;
            if (b == 0xF0) min = 0x90;
            if (b == 0xF4) max = 0x8F;
        } else {
            return false;
        }
        if (s.size() - i < largo) return false;
        for (size_t k = 1; k < largo; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? min : 0x80) || c > (k == 1 ? max : 0xBF)) return false;
        }
        i += largo;
    }
    return true;
}

// Windows-1252 (the Western Windows code page) to UTF-8. Bytes 0xA0..0xFF are
// the Latin-1 characters; 0x80..0x9F hold the euro sign, typographic quotes
// and the like, and the five codes it leaves free keep their C1 value.
std::string Windows1252AUtf8(std::string_view s) {
    static constexpr char16_t k80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string u;
    u.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        const char16_t c = b >= 0x80 && b < 0xA0 ? k80[b - 0x80] : b;
        if (c < 0x80) {
            u += static_cast<char>(c);
        } else if (c < 0x800) {
            u += static_cast<char>(0xC0 | (c >> 6));
            u += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            u += static_cast<char>(0xE0 | (c >> 12));
            u += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            u += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return u;
}

LecturaSorteo Fallo(const std::string& descripcion, size_t linea) {
    return {std::nullopt, kNoCargado + descripcion + " (Línea " + std::to_string(linea) + "))"};
}

}  // namespace

LecturaSorteo LeerTextoSorteo(std::string_view texto, const std::string& clave) {
    if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);  // a UTF-8 mark
    // A file that is not UTF-8 was saved by a Windows editor in its Western code page.
    std::string convertido;
    if (!EsUtf8(texto)) {
        convertido = Windows1252AUtf8(texto);
        texto = convertido;
    }
    DatosSorteo s;
    s.clave = clave;
    if (const auto fecha = FechaValida(clave)) s.diaSemana = fecha->diaSemana;
    std::string* cabecera[4] = {&s.id, &s.nombre, &s.primerPremio, &s.segundoPremio};
    size_t numero = 0;
    while (!texto.empty() || numero < 4) {
        ++numero;
        const size_t fin = texto.find('\n');
        std::string_view linea = texto.substr(0, fin);
        texto.remove_prefix(fin == std::string_view::npos ? texto.size() : fin + 1);
        if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
        linea = Recortar(linea);
        if (numero <= 4) {
            const std::string_view etiqueta = kEtiquetas[numero - 1];
            if (linea.substr(0, etiqueta.size()) != etiqueta)
                return Fallo("Se esperaba «" + std::string(etiqueta) + "»", numero);
            *cabecera[numero - 1] = std::string(Recortar(linea.substr(etiqueta.size())));
            if (numero == 1 && (s.id.empty() || s.id == "0"))
                return Fallo("Falta el identificador del sorteo (no puede ser 0)", numero);
            continue;
        }
        if (linea.empty()) continue;
        const size_t a = linea.find(';');
        const size_t b = a == std::string_view::npos ? a : linea.find(';', a + 1);
        if (a == std::string_view::npos) return Fallo("Se esperaba número;cantidad;series", numero);
        const std::string_view campoNumero = Recortar(linea.substr(0, a));
        const std::string_view campoCantidad = linea.substr(a + 1, b == std::string_view::npos ? b : b - a - 1);
        // The import's own reader, holding the field to exactly five digits.
        const LecturaNumeros leido = LeerTextoNumeros(campoNumero, kLecturaPrincipal);
        std::string limpio(campoNumero);
        if (!leido.Correcta() || leido.total != 1 || LimpiarSeparadores(limpio).size() != 5)
            return Fallo("'" + std::string(campoNumero) + "' no es un número de 5 cifras", numero);
        const EnteroLeido cantidad = ConvertirEntero(campoCantidad, 0, INT32_MAX);
        if (!cantidad.Correcto())
            return Fallo("'" + std::string(Recortar(campoCantidad)) + "' no es una cantidad disponible", numero);
        DecimoEnVenta d;
        for (int p = 1; p <= 5; ++p) d.digitos[static_cast<size_t>(p - 1)] = leido.Digito(1, p);
        d.cantidad = static_cast<int32_t>(cantidad.valor);
        if (b != std::string_view::npos) d.series = std::string(Recortar(linea.substr(b + 1)));
        s.decimos.push_back(std::move(d));
    }
    return {std::move(s), {}};
}

std::string TextoSorteo(const DatosSorteo& sorteo) {
    const std::string* cabecera[4] = {&sorteo.id, &sorteo.nombre, &sorteo.primerPremio, &sorteo.segundoPremio};
    std::string texto;
    for (int i = 0; i < 4; ++i) texto += std::string(kEtiquetas[i]) + " " + *cabecera[i] + "\r\n";
    for (const DecimoEnVenta& d : sorteo.decimos)
        texto += Cifras(d) + ";" + std::to_string(d.cantidad) + ";" + d.series + "\r\n";
    return texto;
}

LecturaSorteo ConsultarCarpetaSorteos(const std::string& carpeta, int modo, const std::string& clave) {
    const std::vector<std::string> claves = ClavesSorteos(carpeta);
    std::string elegida;
    if (modo == 1 && std::binary_search(claves.begin(), claves.end(), clave)) elegida = clave;
    if (modo == 2 && !claves.empty()) elegida = claves.back();
    if (modo == 3) {
        const auto it = std::lower_bound(claves.begin(), claves.end(), clave);
        if (it != claves.begin()) elegida = *std::prev(it);
    }
    if (modo == 4) {
        const auto it = std::upper_bound(claves.begin(), claves.end(), clave);
        if (it != claves.end()) elegida = *it;
    }
    if (elegida.empty()) {
        const std::string donde = " EN LA CARPETA:\r\n" + carpeta;
        const std::string fecha = FechaDeClave(clave);
        switch (modo) {
        case 1:
            return {std::nullopt, "ERROR: NO HAY NINGÚN SORTEO DEL " + fecha + " (fichero " + clave + ".txt)" + donde};
        case 3:
            return {std::nullopt, "ERROR: NO HAY NINGÚN SORTEO ANTERIOR AL " + fecha + donde};
        case 4:
            return {std::nullopt, "ERROR: NO HAY NINGÚN SORTEO POSTERIOR AL " + fecha + donde};
        default:
            return {std::nullopt, "ERROR: NO HAY NINGÚN SORTEO" + donde};
        }
    }
    // The file's own name, whatever the case of its extension.
    fs::path ruta = fs::path(carpeta) / (elegida + ".txt");
    std::error_code ec;
    if (!fs::exists(ruta, ec)) ruta.replace_extension(".TXT");
    const uintmax_t bytes = fs::file_size(ruta, ec);
    std::ifstream f(ruta, std::ios::binary);
    std::string texto;
    if (!ec && bytes <= kMaxBytesSorteo && f) texto.assign(std::istreambuf_iterator<char>(f), {});
    if (ec || bytes > kMaxBytesSorteo || !f)
        return {std::nullopt, std::string(kNoCargado) + "No se puede leer el fichero)\r\n" + ruta.string()};
    LecturaSorteo r = LeerTextoSorteo(texto, elegida);
    if (!r.sorteo) r.error += "\r\n" + ruta.string();
    return r;
}

std::vector<DecimoEnVenta> FiltrarDecimos(const std::vector<DecimoEnVenta>& decimos, const std::array<int, 5>& digito,
                                          int64_t minimo, int64_t maximo) {
    std::vector<DecimoEnVenta> quedan;
    for (const DecimoEnVenta& d : decimos) {
        bool vale = d.cantidad >= minimo && d.cantidad <= maximo;
        for (size_t p = 0; p < 5 && vale; ++p) vale = digito[p] < 0 || digito[p] == d.digitos[p];
        if (vale) quedan.push_back(d);
    }
    return quedan;
}

std::string TextoNumerosFiltrados(const std::vector<DecimoEnVenta>& decimos) {
    std::string texto;
    texto.reserve(decimos.size() * 7);
    for (const DecimoEnVenta& d : decimos) texto += Cifras(d) + "\r\n";
    return texto;
}
