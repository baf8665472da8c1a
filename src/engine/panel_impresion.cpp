#include "panel_impresion.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

#include "texto.h"

namespace {

std::string_view Recortar(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Digits only (blanks around allowed), at least one, at most nine.
std::optional<int> Cifras(std::string_view s) {
    const EnteroLeido v = ConvertirEntero(s, 0, 999999999, {.blancos = true, .signo = false, .fraccion = false});
    if (!v.Correcto()) return std::nullopt;
    return static_cast<int>(v.valor);
}

std::optional<int> DiaSemana(int anio, int mes, int dia) {
    using namespace std::chrono;
    const year_month_day fecha{year{anio}, month{static_cast<unsigned>(mes)}, day{static_cast<unsigned>(dia)}};
    if (anio < 100 || anio > 9999 || mes < 1 || mes > 12 || dia < 1 || !fecha.ok()) return std::nullopt;
    const unsigned desdeDomingo = weekday{sys_days{fecha}}.c_encoding();  // 0 Sunday
    return desdeDomingo == 0 ? 6 : static_cast<int>(desdeDomingo) - 1;
}

}  // namespace

bool EsNumerico(std::string_view texto) {
    return ConvertirEntero(texto, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()).estado !=
           Conversion::NoNumero;
}

int64_t ValorTexto(std::string_view texto) {
    // Out of range gives the bound it passed.
    const EnteroLeido v =
        ConvertirEntero(texto, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    return v.estado == Conversion::NoNumero ? 0 : v.valor;
}

bool Vacio(std::string_view texto) { return Recortar(texto).empty(); }

bool ValidarDatosSorteo(std::string_view numero, std::string_view precio, std::string_view dia,
                        std::string_view anio) {
    for (std::string_view caja : {numero, precio, dia, anio})
        if (!EsNumerico(caja) || Vacio(caja)) return false;
    return true;
}

std::string RepararMargen(std::string_view texto, std::string_view reparacion) {
    if (!EsNumerico(texto) || Vacio(texto)) return std::string(reparacion);
    return std::string(texto);
}

RangoDecimos RangoTodos(int32_t total) { return {ErrorDecimos::Ninguno, 0, 1, total}; }

RangoDecimos RangoIntervalo(std::string_view primero, std::string_view ultimo, int32_t total) {
    if (Vacio(primero) || Vacio(ultimo)) return {ErrorDecimos::IntervaloIncompleto};
    const int64_t a = ValorTexto(primero);
    const int64_t b = ValorTexto(ultimo);
    if (b < a || a < 1 || b > total) return {ErrorDecimos::IntervaloFuera};
    return {ErrorDecimos::Ninguno, static_cast<int32_t>(a - 1), static_cast<int32_t>(a), static_cast<int32_t>(b)};
}

RangoDecimos RangoDecimo(std::string_view numero, int32_t total) {
    if (Vacio(numero)) return {ErrorDecimos::DecimoFuera};
    const int64_t n = ValorTexto(numero);
    if (n < 1 || n > total) return {ErrorDecimos::DecimoFuera};
    return {ErrorDecimos::Ninguno, static_cast<int32_t>(n - 1), static_cast<int32_t>(n), static_cast<int32_t>(n)};
}

std::string TextoNumeroSorteo(int32_t numero) {
    char texto[16];
    std::snprintf(texto, sizeof texto, numero < 0 ? "-%03d" : "%03d", numero < 0 ? -numero : numero);
    return texto;
}

std::optional<FechaSorteo> LeerFechaSorteo(std::string_view texto) {
    const size_t a = texto.find('/');
    if (a == std::string_view::npos) return std::nullopt;
    const size_t b = texto.find('/', a + 1);
    if (b == std::string_view::npos || texto.find('/', b + 1) != std::string_view::npos) return std::nullopt;
    FechaSorteo f;
    f.dia = std::string(texto.substr(0, a));
    f.anio = std::string(texto.substr(b + 1));
    const auto d = Cifras(f.dia);
    const auto m = Cifras(texto.substr(a + 1, b - a - 1));
    const auto y = Cifras(f.anio);
    if (!d || !m || !y) return std::nullopt;
    const auto semana = DiaSemana(*y, *m, *d);
    if (!semana) return std::nullopt;
    f.mes = *m;
    f.diaSemana = *semana;
    return f;
}

std::string UnirFechaSorteo(std::string_view dia, int indiceMes, std::string_view anio) {
    return std::string(dia) + "/" + std::to_string(indiceMes + 1) + "/" + std::string(anio);
}

std::optional<std::string> ClaveFechaSorteo(std::string_view dia, std::string_view mes, std::string_view anio) {
    const auto d = Cifras(dia);
    const auto m = Cifras(mes);
    const auto y = Cifras(anio);
    if (!d || !m || !y || !DiaSemana(*y, *m, *d)) return std::nullopt;
    char clave[16];
    std::snprintf(clave, sizeof clave, "%04d%02d%02d", *y, *m, *d);
    return clave;
}

std::string TextoFechaImpresion(int diaSemana, std::string_view dia, std::string_view mes, std::string_view anio) {
    static const char* const kNombres[7] = {"Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Domingo"};
    std::string texto;
    if (diaSemana >= 0 && diaSemana < 7) texto = std::string(kNombres[diaSemana]) + " ";
    return texto + std::string(Recortar(dia)) + " " + std::string(Recortar(mes)) + " " + std::string(Recortar(anio));
}

std::string LineaSorteo(const DatosImpresion& d) { return "Sorteo Nº " + d.numero; }

std::string LineaPrecio(const DatosImpresion& d) { return "Precio: " + d.precio + " euros"; }

std::string TextoQR(const DatosImpresion& d, int32_t primero, const std::vector<std::string>& numeros) {
    std::string texto = d.nombre + "\n" + LineaSorteo(d) + "\n" + d.fecha + "\n" + LineaPrecio(d);
    for (size_t i = 0; i < numeros.size(); ++i)
        texto += "\nDécimo " + std::to_string(primero + static_cast<int32_t>(i)) + ": " + numeros[i];
    return texto;
}

std::string TextoDecimos(const DatosImpresion& d, const std::vector<std::string>& numeros) {
    std::string texto;
    if (!Vacio(d.titulo)) texto += d.titulo + "\r\n\r\n";
    texto += d.nombre + "\r\n" + LineaSorteo(d) + "\r\n" + d.fecha + "\r\n" + LineaPrecio(d) + "\r\n\r\n";
    for (size_t i = 0; i < numeros.size(); ++i) texto += "Décimo " + std::to_string(i + 1) + " : " + numeros[i] + "\r\n";
    if (!Vacio(d.pie)) texto += "\r\n" + d.pie + "\r\n";
    return texto;
}

DisposicionPagina DisponerPagina(int32_t anchoPagina, int32_t altoPagina, int32_t margenIzquierdo, int32_t margenSuperior) {
    const int64_t libreAncho = int64_t{anchoPagina} - margenIzquierdo;
    const int64_t libreAlto = int64_t{altoPagina} - margenSuperior - kBandaTitulo - kBandaPie;
    const int32_t columnas = static_cast<int32_t>(std::clamp<int64_t>(libreAncho / kAnchoHueco, 1, 10));
    const int32_t filas = static_cast<int32_t>(std::clamp<int64_t>(libreAlto / kAltoHueco, 1, 10));
    DisposicionPagina d;
    const int32_t ancho = columnas * kAnchoHueco;
    d.titulo = {margenIzquierdo, margenSuperior, ancho, kBandaTitulo};
    const int32_t arriba = margenSuperior + kBandaTitulo;
    d.pie = {margenIzquierdo, arriba + filas * kAltoHueco, ancho, kBandaPie};
    for (int32_t c = 0; c < columnas; ++c)
        for (int32_t f = 0; f < filas; ++f)
            d.huecos.push_back({margenIzquierdo + c * kAnchoHueco, arriba + f * kAltoHueco, kAnchoHueco, kAltoHueco});
    return d;
}
