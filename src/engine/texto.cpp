#include "texto.h"

#include <algorithm>

namespace {
bool EsDigito(int c) { return c >= '0' && c <= '9'; }
}  // namespace

int FiltrarTecla(std::string_view textoCaja, int keyAscii, int tipo, bool* pitar) {
    if (pitar) *pitar = false;
    if (keyAscii == kTeclaEscape || keyAscii == kTeclaRetroceso) return keyAscii;
    if (tipo == 17 && keyAscii == kTeclaIntro) return keyAscii;
    if (tipo == 8 && (keyAscii == '+' || keyAscii == '-')) return textoCaja.empty() ? keyAscii : 0;
    if (EsDigito(keyAscii)) return keyAscii;
    if (pitar) *pitar = true;
    return 0;
}

bool TextoValidoParaModo(std::string_view texto, int tipo) {
    if (tipo == 8 && !texto.empty() && (texto.front() == '+' || texto.front() == '-')) texto.remove_prefix(1);
    return std::all_of(texto.begin(), texto.end(), [](char c) { return EsDigito(c); });
}

bool SinEspacios(std::string_view s) { return s.find(' ') == std::string_view::npos; }

std::string& LimpiarSeparadores(std::string& s) {
    // In place, one pass: the importer runs this on every line of a file.
    size_t n = 0;
    for (const char c : s)
        if (c != '*' && c != '-' && c != ',' && c != '+' && c != ' ') s[n++] = c;
    s.resize(n);
    return s;
}
