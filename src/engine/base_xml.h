#pragma once
// The XML BASE file: the text of one whole setup (grid, winning number,
// imported file, filter settings and switches, reduction options), and
// storing it through the XML document object.
#include <array>
#include <cstdint>
#include <string>

#include "ajustes_filtros.h"
#include "modelo.h"
#include "sesion.h"

// What the writer reads from the main window, handed over as plain values.
struct DatosBaseXML {
    RejillaBase rejilla;                               // the selected grid cells
    std::array<uint8_t, kPosiciones> numeroGanador{};  // gNumeroGanador
    std::string rutaFicheroASCII;                      // tool-tip of txtFicheroASCII
    std::array<uint8_t, kNumIndicesFiltro> chkFiltros{};  // values of chkFiltros(0..10)
    std::string tipoReduccionTexto = "5 (n)";          // text of cboTipoReduccion
    int tipoReduccionIndice = 0;                       // its list index
    std::string porcentaje = "100";                    // txtPorcentaje
    std::string nuApuestas = "1";                      // txtNUApuestas
    uint8_t apuestasExactas = 0;                       // chkApuestasExactas
    uint8_t activarCiclos = 0;                         // chkActivarCiclos
    uint8_t aleatorio = 0;                             // chkAleatorio
    std::string version;                               // the program's version label
    std::string fecha;                                 // generation stamp; see SellarFechaHora
    std::string hora;
};

// Fills fecha and hora with the current local date ("dd/mm/yyyy") and time ("hh:mm:ss").
void SellarFechaHora(DatosBaseXML& datos);

// The whole document text, one element tag per line, every line ended by CR LF.
std::string GenerarXMLBase(const DatosBaseXML& datos, const AjustesFiltros& filtros);

// Parses the text and stores it at ruta (never leaving a partly written file).
// False when the text is not well-formed or the file cannot be written.
bool GuardarTextoBaseXML(const std::string& texto, const std::string& ruta, std::string* error = nullptr);
