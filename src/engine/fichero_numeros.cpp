#include "fichero_numeros.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "texto.h"

namespace {

constexpr int32_t kNumerosDistintos = 100000;  // 00000..99999
constexpr int32_t kPeriodoRepetidos = 10000;
constexpr size_t kBloqueLectura = size_t{4} << 20;
// No number file has lines this long; a file that does is refused rather
// than held whole in memory.
constexpr size_t kMaxLinea = size_t{16} << 20;

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

std::string TextoError(const std::string& descripcion, const std::string& mensajeLinea) {
    return "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (" + descripcion + " " + mensajeLinea + ")";
}

std::string Muestra(std::string_view v) {
    constexpr size_t kMax = 20;
    if (v.size() <= kMax) return std::string(v);
    return std::string(v.substr(0, kMax)) + "...";
}

// Reads lines one at a time and keeps the numbers accepted.
class Analizador {
public:
    Analizador(const OpcionesLecturaNumeros& opciones, const Cesion& ceder, const ProgresoLectura& progreso,
               size_t reserva)
        : opciones_(opciones), ceder_(ceder), progreso_(progreso) {
        r_.digitos.reserve(reserva * kPosiciones);
    }

    // False once reading must stop (the limit or an error).
    bool Linea(std::string_view linea) {
        ++lineas_;
        if (primera_) {
            primera_ = false;
            if (linea.substr(0, 3) == "\xEF\xBB\xBF") linea.remove_prefix(3);  // a UTF-8 mark
            r_.forma = SinEspacios(linea) ? FormaFichero::Compacta : FormaFichero::Separada;
            periodo_ = r_.forma == FormaFichero::Compacta ? opciones_.cesionCompacta : opciones_.cesionSeparada;
            if (periodo_ < 1) periodo_ = 1;
        }
        uint8_t d[kPosiciones];
        const bool ok = r_.forma == FormaFichero::Compacta ? LineaCompacta(linea, d) : LineaSeparada(linea, d);
        if (!ok) return false;
        if (aceptada_) return Guardar(d);
        return true;
    }

    void Fallo(const std::string& descripcion) { r_.error = TextoError(descripcion, ""); }
    void LineaDemasiadoLarga() { Fallo("Línea demasiado larga (Línea " + std::to_string(lineas_ + 1) + ")"); }

    LecturaNumeros Terminar() {
        if (!r_.error.empty()) {
            r_.digitos.clear();
            r_.digitos.shrink_to_fit();
            r_.total = 0;
            r_.cuentaCasillas.fill(0);
            r_.limiteAlcanzado = false;
        }
        return std::move(r_);
    }

private:
    // Messages number lines as the file does, skipped and empty ones included.
    std::string NumeroLinea() const { return std::to_string(lineas_); }

    bool LineaCompacta(std::string_view linea, uint8_t* d) {
        aceptada_ = false;
        limpia_.clear();  // keeps its room: no allocation per line
        limpia_.append(linea.data(), linea.size());
        LimpiarSeparadores(limpia_);
        if (limpia_.size() < kPosiciones) return true;  // too short: skipped
        for (size_t p = 0; p < kPosiciones; ++p) {
            if (!EsDigito(limpia_[p])) {
                Fallo("'" + std::string(1, limpia_[p]) + "' no es un número (Línea " + NumeroLinea() + ")");
                return false;
            }
            d[p] = static_cast<uint8_t>(limpia_[p] - '0');
        }
        aceptada_ = true;
        return true;
    }

    bool LineaSeparada(std::string_view linea, uint8_t* d) {
        aceptada_ = false;
        if (linea.size() < kPosiciones) return true;  // too short: skipped
        std::string_view items[kPosiciones];
        int n = 0;
        for (size_t i = 0; i < linea.size() && n < kPosiciones;) {
            if (linea[i] == ' ') {
                ++i;
                continue;
            }
            const size_t fin = linea.find(' ', i);
            items[n++] = linea.substr(i, fin == std::string_view::npos ? std::string_view::npos : fin - i);
            i = fin == std::string_view::npos ? linea.size() : fin;
        }
        if (n < kPosiciones) {
            r_.error = TextoError("", "Línea con menos de 5 dígitos (Línea " + NumeroLinea() + ")");
            return false;
        }
        for (int p = 0; p < kPosiciones; ++p) {
            // A number from 0 to 9; a fraction inside that range rounds to a digit.
            const EnteroLeido v = ConvertirEntero(items[p], 0, 9, {.blancos = false});
            switch (v.estado) {
            case Conversion::Correcta:
                d[p] = static_cast<uint8_t>(v.valor);
                break;
            case Conversion::NoNumero:
                Fallo("'" + Muestra(items[p]) + "' no es un número (Línea " + NumeroLinea() + ")");
                return false;
            case Conversion::FueraDeIntervalo:
                r_.error = TextoError("", "Línea con números fuera del intervalo 0-9 (Línea " + NumeroLinea() + ")");
                return false;
            }
        }
        aceptada_ = true;
        return true;
    }

    bool Guardar(const uint8_t* d) {
        r_.digitos.insert(r_.digitos.end(), d, d + kPosiciones);
        for (int p = 0; p < kPosiciones; ++p) ++r_.cuentaCasillas[static_cast<size_t>(p * 10 + d[p] + 1)];
        const int32_t j = ++r_.total;
        if (j % periodo_ == 0) {
            if (progreso_) progreso_(j);
            ceder_();
        }
        if (j == kMaxCombinaciones) {
            r_.limiteAlcanzado = true;
            return false;
        }
        return true;
    }

    const OpcionesLecturaNumeros& opciones_;
    const Cesion& ceder_;
    const ProgresoLectura& progreso_;
    LecturaNumeros r_;
    std::string limpia_;  // the packed line without its separators
    bool primera_ = true;
    bool aceptada_ = false;
    int32_t periodo_ = 8000;
    int64_t lineas_ = 0;  // lines handed in so far
};

// Hands the complete lines of d[0..n) to the analyser; a line ends at LF, CR
// LF or a lone CR. When `fin` is false the last, unterminated piece is kept
// for the next block, and so is a line whose CR ends the block, lest its LF
// count as one more line.
// Returns how many bytes were used; *seguir becomes false when reading must stop.
size_t ProcesarLineas(const char* d, size_t n, bool fin, Analizador& a, bool* seguir) {
    size_t i = 0;
    while (i < n) {
        size_t k = i;
        while (k < n && d[k] != '\n' && d[k] != '\r') ++k;
        if (!fin && (k == n || (d[k] == '\r' && k + 1 == n))) break;
        if (!a.Linea(std::string_view(d + i, k - i))) {
            *seguir = false;
            return n;
        }
        if (k < n && d[k] == '\r' && k + 1 < n && d[k + 1] == '\n') ++k;
        i = k < n ? k + 1 : n;
    }
    return i;
}

size_t Reserva(uintmax_t bytes) {
    // The shortest line is "12345" and a line end.
    const uintmax_t filas = bytes / 6 + 2;
    return static_cast<size_t>(filas < static_cast<uintmax_t>(kMaxCombinaciones) ? filas : kMaxCombinaciones);
}

}  // namespace

RejillaBase LecturaNumeros::CasillasUsadas() const {
    RejillaBase rejilla;
    for (int c = 1; c <= kCasillas; ++c) rejilla.Fijar(static_cast<Casilla>(c), cuentaCasillas[static_cast<size_t>(c)] > 0);
    return rejilla;
}

LecturaNumeros LeerTextoNumeros(std::string_view texto, const OpcionesLecturaNumeros& opciones, const Cesion& ceder,
                                const ProgresoLectura& progreso) {
    Analizador a(opciones, ceder, progreso, Reserva(texto.size()));
    bool seguir = true;
    ProcesarLineas(texto.data(), texto.size(), true, a, &seguir);
    return a.Terminar();
}

LecturaNumeros LeerFicheroNumeros(const std::string& ruta, const OpcionesLecturaNumeros& opciones,
                                  const Cesion& ceder, const ProgresoLectura& progreso) {
    std::error_code ec;
    const uintmax_t bytes = std::filesystem::file_size(ruta, ec);
    Analizador a(opciones, ceder, progreso, ec ? 0 : Reserva(bytes));
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(ruta.c_str(), "rb"), &std::fclose);
    if (!f) {
        a.Fallo("No se puede abrir el fichero");
        return a.Terminar();
    }
    // Read in large blocks and hand lines over in place: no copy per line.
    std::vector<char> bloque(kBloqueLectura);
    size_t lleno = 0;
    bool seguir = true;
    bool fin = false;
    while (seguir && !fin) {
        const size_t pedidos = bloque.size() - lleno;
        const size_t leidos = std::fread(bloque.data() + lleno, 1, pedidos, f.get());
        if (leidos < pedidos) {
            if (std::ferror(f.get())) {
                a.Fallo("Error al leer el fichero");
                return a.Terminar();
            }
            fin = true;
        }
        lleno += leidos;
        const size_t usados = ProcesarLineas(bloque.data(), lleno, fin, a, &seguir);
        std::copy(bloque.begin() + static_cast<std::ptrdiff_t>(usados), bloque.begin() + static_cast<std::ptrdiff_t>(lleno),
                  bloque.begin());
        lleno -= usados;
        if (lleno == bloque.size()) {  // one line longer than the block
            if (bloque.size() >= kMaxLinea) {
                a.LineaDemasiadoLarga();
                return a.Terminar();
            }
            bloque.resize(bloque.size() * 2);
        }
    }
    return a.Terminar();
}

ResultadoRepetidos QuitarRepetidosYOrdenar(const LecturaNumeros& lectura, TablaNumeros& importados,
                                           const Cesion& ceder) {
    ResultadoRepetidos r;
    // The value of a number stands for its rank: both orders are the same,
    // and 100000 marks are enough.
    std::vector<uint8_t> marca(kNumerosDistintos, 0);
    const uint8_t* d = lectura.digitos.data();
    for (int32_t i = 1; i <= lectura.total; ++i, d += kPosiciones) {
        if (i % kPeriodoRepetidos == 0) ceder();
        const int32_t valor = (((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]) * 10 + d[4];
        if (marca[static_cast<size_t>(valor)] == 0) {
            marca[static_cast<size_t>(valor)] = 1;
            ++r.unicos;
        } else {
            ++r.repetidos;
        }
    }
    importados.Redimensionar(r.unicos);
    int32_t fila = 0;
    int32_t siguienteCesion = kPeriodoRepetidos;
    for (int32_t valor = 0; valor < kNumerosDistintos; ++valor) {
        if (marca[static_cast<size_t>(valor)] == 0) continue;
        uint8_t celdas[kPosiciones];
        for (int p = kPosiciones, v = valor; p >= 1; --p, v /= 10)
            celdas[p - 1] = CasillaDeDigito(static_cast<uint8_t>(v % 10), static_cast<int16_t>(p));
        // Yield where the walk over every rank would have yielded.
        const int32_t rango = IndiceDeCombinacion(kPosiciones, kCasillas, celdas);
        for (; siguienteCesion <= rango; siguienteCesion += kPeriodoRepetidos) ceder();
        uint8_t* destino = importados.Fila(++fila);
        for (int p = 0; p < kPosiciones; ++p) destino[p] = celdas[p];
    }
    for (; siguienteCesion <= kMaxCombinaciones; siguienteCesion += kPeriodoRepetidos) ceder();
    return r;
}

std::string TextoAvisoLimite() {
    return "SOLO SE PUEDEN IMPORTAR " + std::to_string(kMaxCombinaciones) + " NUMEROS";
}

std::string TextoCeroNumeros() {
    return "AVISO: Se han importado 0 números.\r\n"
           "El fichero ha de estar en formato: 12345 o 1-2-3-4-5 o 1,2,3,4,5 o 1 2 3 4 5";
}

std::string TextoCeroApuestas() {
    return "AVISO: Se han importado 0 apuestas.\r\n"
           "El fichero ha de estar en formato: 12345 o 1-2-3-4-5 o 1,2,3,4,5 o 1 2 3 4 5";
}

std::string TextoRepetidos(int32_t repetidos) {
    return "AVISO: El sistema importado tiene números repetidos y estos han sido eliminados\r\n"
           "TOTAL números repetidos: " +
           std::to_string(repetidos);
}
