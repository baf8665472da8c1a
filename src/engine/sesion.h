#pragma once
// The state one run of the program shares between its windows. main()
// creates one EstadoSesion and hands it by reference to the windows.
#include <array>
#include <cstdint>

#include "ajustes_filtros.h"
#include "aleatorio.h"
#include "arreglo.h"
#include "config_impresion.h"
#include "modelo.h"

// Which of the 50 cells of the base grid are selected (index 1..50).
class RejillaBase {
public:
    bool Seleccionada(Casilla c) const { return c >= 1 && c <= kCasillas && celdas_[c] != 0; }
    void Fijar(Casilla c, bool seleccionada) {
        if (c >= 1 && c <= kCasillas) celdas_[c] = seleccionada ? 1 : 0;
    }
    void Limpiar() { celdas_.fill(0); }
    int Contar() const {
        int n = 0;
        for (int c = 1; c <= kCasillas; ++c) n += celdas_[c];
        return n;
    }
    int ContarPosicion(int posicion) const {
        int n = 0;
        for (int c = (posicion - 1) * 10 + 1; c <= posicion * 10; ++c) n += celdas_[c];
        return n;
    }
    bool operator==(const RejillaBase&) const = default;

private:
    std::array<uint8_t, kCasillas + 1> celdas_{};
};

// The number tables of a base and of the current result.
struct TablasSesion {
    Arreglo<Casilla> gValorElemento;          // 1..N, selected cells ascending
    int16_t gNumElementos = 0;                // N
    TablaCombinaciones gCombinaciones;        // only during a Calcular
    int32_t gNumCombinaciones = 0;            // C
    MarcasEliminacion gEliminada;             // -1..C
    TablaCombinaciones gElementosApuesta;     // the conditioned numbers
    bool gTodasValidas = false;
    TablaNumeros gResultado;                  // the current result
    TablaNumeros gImportados;                 // imported numbers, unique, ascending
    int32_t gNumImportados = 0;
    TablaNumeros gNumerosEscrutar;            // numbers under scrutiny
};

struct EstadoSesion {
    RejillaBase rejilla;
    TablasSesion tablas;
    AjustesFiltros filtros;
    AjustesImpresion impresion;
    FuenteAleatoria aleatorio;
    std::array<uint8_t, kPosiciones> gNumeroGanador{};  // plain digits, position 1 first
    bool gCombinacionGuardada = true;
    int16_t gFormatoNumero = 0;  // 0 "12345", 1 "1 2 3 4 5", 2 "1,2,3,4,5", 3 "1-2-3-4-5"
};
