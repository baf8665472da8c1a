#include "controlador_reduccion.h"

#include <cstdint>
#include <limits>
#include <new>

#include "ajuste_apuestas.h"
#include "aleatorio.h"
#include "sesion.h"
#include "texto.h"

OpcionesNormalizadas NormalizarOpciones(const std::string& porcentaje, const std::string& numApuestas) {
    OpcionesNormalizadas r;
    r.porcentaje = porcentaje.empty() ? "100" : porcentaje;
    // Plain digits only; a number too large for a count is still above 100.
    const EnteroLeido porcentajeLeido = ConvertirEntero(r.porcentaje, 0, std::numeric_limits<int32_t>::max(), kSoloCifras);
    if (porcentajeLeido.estado == Conversion::NoNumero) {
        r.error = kErrorPorcentajeNoNumerico;
        return r;
    }
    int64_t valor = porcentajeLeido.valor;
    if (valor > 100) {
        r.porcentaje = "100";
        valor = 100;
    }
    r.porcentajeObjetivo = static_cast<int16_t>(valor);

    r.numApuestas = numApuestas.empty() ? "1" : numApuestas;
    const EnteroLeido apuestasLeidas = ConvertirEntero(r.numApuestas, 0, std::numeric_limits<int32_t>::max(), kSoloCifras);
    if (!apuestasLeidas.Correcto()) {
        r.error = kErrorApuestasNoNumericas;
        return r;
    }
    valor = apuestasLeidas.valor;
    if (valor < 1) {
        r.numApuestas = "1";
        valor = 1;
    }
    r.apuestasObjetivo = static_cast<int32_t>(valor);
    return r;
}

EleccionReduccion ElegirReduccion(int tipo, int16_t numElementos, bool modoApuestas, int16_t porcentajeObjetivo) {
    // The sequential methods take what the covering tables cannot hold.
    const bool directa = numElementos <= kMaxElementosTablaDirecta;
    const MetodoReduccion secuencial = !modoApuestas && porcentajeObjetivo != 100
                                           ? MetodoReduccion::secuencialPorcentaje
                                           : MetodoReduccion::secuencialExacto;
    switch (tipo) {
        case kTipoReduccion5:
            return {MetodoReduccion::cobertura, 0};
        case kTipoReduccion4:
            return {MetodoReduccion::cobertura, 2};
        case kTipoReduccion3:
            return directa ? EleccionReduccion{MetodoReduccion::cobertura, 4} : EleccionReduccion{secuencial, 2};
        case kTipoReduccion2:
            return {secuencial, 3};
        default:
            return {};
    }
}

ControladorReduccion::ControladorReduccion(TablasSesion& tablas, TablasReduccion& entradas,
                                           FuenteAleatoria& aleatorio)
    : tablas_(tablas), entradas_(entradas), aleatorio_(aleatorio) {}

ResultadoReduccion ControladorReduccion::Ejecutar(const OpcionesReduccion& opciones, ObservadorReduccion& observador,
                                                  const Cesion& ceder) {
    ResultadoReduccion resultado;
    const OpcionesNormalizadas normalizadas = NormalizarOpciones(opciones.porcentaje, opciones.numApuestas);
    if (!normalizadas.error.empty()) {
        resultado.error = normalizadas.error;
        resultado.porcentaje = opciones.porcentaje;
        resultado.numApuestas = opciones.numApuestas;
        return resultado;
    }
    resultado.porcentaje = normalizadas.porcentaje;
    resultado.numApuestas = normalizadas.numApuestas;

    // However the run ends, the window may close afterwards.
    struct AlTerminar {
        ControladorReduccion& c;
        ~AlTerminar() {
            c.detener_ = true;
            c.observador_ = nullptr;
            c.progreso_.Conectar(nullptr);
            c.ceder_ = Cesion();
        }
    } alTerminar{*this};
    ciclo_ = 0;
    eleccion_ = EleccionReduccion{};

    try {
        // The inputs are normally built just before the window opens; build
        // them here when they do not match the conditioned numbers.
        const int16_t N = tablas_.gNumElementos;
        bool entradasValidas = tablas_.gValorElemento.Contiene(1) && tablas_.gValorElemento.Contiene(N);
        if (entradasValidas && (entradas_.NumApuestas() != tablas_.gElementosApuesta.Filas() ||
                                entradas_.NumElementos() != N || entradas_.Tipo() != opciones.tipo))
            entradasValidas = entradas_.Construir(tablas_, opciones.tipo);
        if (!entradasValidas) {
            resultado.error = kErrorEntradasNoValidas;
            return resultado;
        }

        observador_ = &observador;
        progreso_.Conectar(&observador);
        ceder_ = Cesion([&ceder] { ceder(); }, &detener_);
        progreso_(0);
        IniciarReduccion(opciones, normalizadas);
        if (parametros_.conApuestasExactas && ciclo_ > 0) {
            observador.EmpezarAjuste(kTituloAjuste);
            progreso_(0);
            AjustarApuestas(tablas_, parametros_.apuestasObjetivo, parametros_.conAleatorio, aleatorio_, ceder_,
                            progreso_, observador);
            resultado.ajustada = true;
        }
    } catch (const std::bad_alloc&) {
        resultado.error = kErrorMemoria;
    }
    resultado.ciclos = ciclo_;
    resultado.eleccion = eleccion_;
    return resultado;
}

void ControladorReduccion::IniciarReduccion(const OpcionesReduccion& opciones,
                                            const OpcionesNormalizadas& normalizadas) {
    ciclo_ = 0;
    detener_ = false;
    observador_->MostrarCiclo("0");
    progreso_(0);
    const bool tipoValido = opciones.tipo >= 0 && opciones.tipo < kNumTiposReduccion;
    observador_->MostrarTipo(tipoValido ? kTextosTipoReduccion[opciones.tipo] : "");
    observador_->MostrarNumeros(tablas_.gElementosApuesta.Filas(), "");

    ParametrosMetodo& p = parametros_;
    p.porcentajeObjetivo = normalizadas.porcentajeObjetivo;
    p.apuestasObjetivo = normalizadas.apuestasObjetivo;
    p.modoApuestas = opciones.modoApuestas;
    p.conCiclos = opciones.conCiclos;
    p.conAleatorio = opciones.conAleatorio;
    p.conApuestasExactas = opciones.conApuestasExactas;
    // With exact bets everything is covered; the adjustment fixes the count.
    if (p.conApuestasExactas) p.porcentajeObjetivo = 100;

    eleccion_ = ElegirReduccion(opciones.tipo, tablas_.gNumElementos, p.modoApuestas, p.porcentajeObjetivo);
    if (entradas_.NumApuestas() < 1) eleccion_ = EleccionReduccion{};
    p.radio = eleccion_.radio;
    switch (eleccion_.metodo) {
        case MetodoReduccion::cobertura:
            ciclo_ = ReducirPorCobertura(entradas_, p, aleatorio_, ceder_, progreso_, *this);
            break;
        case MetodoReduccion::secuencialExacto:
            ciclo_ = ReducirSecuencialExacto(entradas_, p, aleatorio_, ceder_, progreso_, *this);
            break;
        case MetodoReduccion::secuencialPorcentaje:
            ciclo_ = ReducirSecuencialPorcentaje(entradas_, p, aleatorio_, ceder_, progreso_, *this);
            break;
        case MetodoReduccion::ninguno:
            break;
    }
    progreso_(0);
    detener_ = true;
}

void ControladorReduccion::Publicar(const std::vector<int32_t>& apuestas, double ciclo) {
    const auto cuenta = static_cast<int32_t>(apuestas.size());
    observador_->MostrarNumeros(cuenta, kAyudaCiclo + std::to_string(static_cast<int64_t>(ciclo)));
    observador_->MostrarReducidas(cuenta);
    TablaNumeros resultado(cuenta);
    for (int32_t r = 1; r <= cuenta; ++r) {
        const uint8_t* elementos = entradas_.Elementos(apuestas[static_cast<size_t>(r - 1)]);
        for (int p = 0; p < kPosiciones; ++p) resultado(r, p + 1) = tablas_.gValorElemento[elementos[p]];
    }
    tablas_.gResultado = std::move(resultado);
}
