#pragma once
// The run of the reduction window: reads and corrects the reduction options,
// picks the method by type and number of cells, runs it over one or more
// cycles keeping the smallest result, then adjusts to the exact number of
// bets when asked. The window only shows what it is told through
// ObservadorReduccion and forwards its stop button.
#include <cstdint>
#include <string>
#include <vector>

#include "arreglo.h"
#include "cesion.h"
#include "metodos_reduccion.h"
#include "observador_reduccion.h"
#include "reduccion_entradas.h"

class FuenteAleatoria;
struct TablasSesion;

// A percentage or bet count that is not a number (only a paste can bring one).
inline constexpr const char* kErrorPorcentajeNoNumerico = "ERROR: EL PORCENTAJE NO ES UN NUMERO VALIDO";
inline constexpr const char* kErrorApuestasNoNumericas = "ERROR: EL NUMERO DE APUESTAS NO ES UN NUMERO VALIDO";
// The conditioned numbers cannot be reduced (malformed or repeated rows).
inline constexpr const char* kErrorEntradasNoValidas = "ERROR: LOS NUMEROS CONDICIONADOS NO SE PUEDEN REDUCIR";

// The work tables did not fit in memory.
inline constexpr const char* kErrorMemoria = "ERROR: NO HAY MEMORIA SUFICIENTE PARA LA REDUCCION";

// The reduction options as the main window holds them.
struct OpcionesReduccion {
    int tipo = kTipoReduccion5;          // list index of cboTipoReduccion; -1 when none
    std::string porcentaje = "100";      // txtPorcentaje
    std::string numApuestas = "1";       // txtNUApuestas
    bool modoApuestas = false;           // optTipo(0): reduce to a number of bets
    bool conCiclos = false;              // chkActivarCiclos
    bool conAleatorio = false;           // chkAleatorio
    bool conApuestasExactas = false;     // chkApuestasExactas
};

struct OpcionesNormalizadas {
    std::string error;        // not empty: a text is not a number; nothing may run
    std::string porcentaje;   // the texts the main window must show afterwards
    std::string numApuestas;
    int16_t porcentajeObjetivo = 100;
    int32_t apuestasObjetivo = 1;
};

// An empty or above-100 percentage becomes "100"; an empty or below-1 number
// of bets becomes "1". Texts must be plain digits (the boxes take nothing
// else but a paste can); a bet count must fit in 32 bits.
OpcionesNormalizadas NormalizarOpciones(const std::string& porcentaje, const std::string& numApuestas);

enum class MetodoReduccion { ninguno, cobertura, secuencialExacto, secuencialPorcentaje };

struct EleccionReduccion {
    MetodoReduccion metodo = MetodoReduccion::ninguno;
    // Covering: Hamming radius on the bit vectors; sequential: the number of
    // digits in which a covered number may differ. 0 when nothing runs.
    int16_t radio = 0;
};

// The method and radius a reduction runs with, by reduction type (list
// index), number of selected cells, mode (reduce to a number of bets) and
// target percentage (already forced to 100 for exact bets). A type outside
// the list runs nothing.
EleccionReduccion ElegirReduccion(int tipo, int16_t numElementos, bool modoApuestas, int16_t porcentajeObjetivo);

struct ResultadoReduccion {
    std::string error;        // shown as a critical message; nothing ran
    std::string porcentaje;   // corrected texts for the main window
    std::string numApuestas;
    double ciclos = 0;        // cycles run (0: no result was written)
    bool ajustada = false;    // the exact-bets adjustment ran
    EleccionReduccion eleccion;  // what ran (nothing when there was no bet)
};

class ControladorReduccion : private SalidaMetodo {
public:
    // `tablas` holds the conditioned numbers and receives gResultado;
    // `entradas` must have been built from them.
    ControladorReduccion(TablasSesion& tablas, TablasReduccion& entradas, FuenteAleatoria& aleatorio);

    // The whole run. `ceder` only yields to the event loop; the stop flag read
    // after each yield is this controller's own. A shortage of memory ends the
    // run with kErrorMemoria, keeping the best result written so far.
    ResultadoReduccion Ejecutar(const OpcionesReduccion& opciones, ObservadorReduccion& observador,
                                const Cesion& ceder);

    // The stop button.
    void PulsarDetener() { detener_ = true; }
    // True unless a reduction is running (the window may close then).
    bool Detenido() const { return detener_; }

private:
    void IniciarReduccion(const OpcionesReduccion& opciones, const OpcionesNormalizadas& normalizadas);

    // What the methods hand back.
    void MostrarCiclo(const std::string& texto) override { observador_->MostrarCiclo(texto); }
    void Publicar(const std::vector<int32_t>& apuestas, double ciclo) override;

    TablasSesion& tablas_;
    TablasReduccion& entradas_;
    FuenteAleatoria& aleatorio_;
    ObservadorReduccion* observador_ = nullptr;
    ProgresoReduccion progreso_;
    Cesion ceder_;

    // Window-level fields of the run.
    bool detener_ = true;
    EleccionReduccion eleccion_;
    ParametrosMetodo parametros_;
    double ciclo_ = 0;
};
