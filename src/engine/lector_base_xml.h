#pragma once
// Reading a BASE file back: the top level (grid, winning number, imported
// file, reduction options) and the filter section. Reading never stops at an
// error: the failing statement is abandoned and reading goes on; each section
// adds at most one line to the error list, holding the last error raised in it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ajustes_filtros.h"
#include "documento_xml.h"
#include "modelo.h"
#include "reduccion_entradas.h"
#include "sesion.h"

// The filter check boxes a file set (index 0..10), each to 0 or 1; the ones
// the file does not name stay empty and keep their tick.
using EstadoChkFiltros = std::array<std::optional<uint8_t>, kNumIndicesFiltro>;

// Appends "titulo : descripcion" and CR LF to the error list; an empty
// description adds nothing.
void AgregarErrorXML(std::string& errores, std::string_view descripcion, std::string_view titulo);

// Reads the children of the Filtros element into the settings (only setting
// flags and values the file names) and into chkFiltros.
void LeerFiltrosXML(const std::vector<NodoXML>& hijos, AjustesFiltros& filtros, EstadoChkFiltros& chkFiltros,
                    std::string& errores);

// What the open reads from the main window before it starts.
struct EntradaLecturaBase {
    bool modoRejilla = true;                           // optBase(0) selected
    std::array<uint8_t, kPosiciones> numeroGanador{};  // gNumeroGanador now
};

// What the main window must apply after an open.
struct ResultadoLecturaBase {
    bool ficheroValido = false;   // the file parsed (otherwise only the FICHERO line)
    // A Combinacion section was read: clear the grid, select `rejilla`, recount.
    bool hayCombinacion = false;
    RejillaBase rejilla;
    std::array<uint8_t, kPosiciones> numeroGanador{};  // the new gNumeroGanador
    // Reduction options the file set, in the end state (the last value accepted).
    std::optional<int> tipoReduccion;                   // list index 0..3 of cboTipoReduccion
    std::optional<std::string> porcentaje;              // text of txtPorcentaje
    std::optional<std::string> nuApuestas;              // text of txtNUApuestas
    std::optional<uint8_t> apuestasExactas;
    std::optional<uint8_t> activarCiclos;
    std::optional<uint8_t> aleatorio;
    EstadoChkFiltros chkFiltros;
    // The file names an imported text file while the grid is the base source.
    bool ficheroImportado = false;
    std::string rutaFicheroImportado;
    std::string gErroresXML;
};

// The open of a BASE file from step "reset the filters" on: resets `filtros`
// (InicializarFiltros), loads the file, walks it and fills the result.
ResultadoLecturaBase LeerFicheroBaseXML(const std::string& ruta, const EntradaLecturaBase& entrada,
                                        AjustesFiltros& filtros);
// The same over an already loaded document.
ResultadoLecturaBase LeerDocumentoBaseXML(const DocumentoXML& doc, const EntradaLecturaBase& entrada,
                                          AjustesFiltros& filtros);

// Whether the document holds any section of a BASE, where the open looks
// for them; a file without one is not a BASE, whatever its outer names.
bool EsDocumentoBase(const DocumentoXML& doc);

// Texts of the open command.
inline constexpr const char* kPreguntaAbrirSinGuardar =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA CONTINUAR DE TODAS FORMAS ?";
inline constexpr const char* kTituloErrorFichero = "FICHERO";
inline constexpr const char* kErrorAbrirFichero = "ERROR AL ABRIR EL FICHERO";
// "ERRORES detectados al abrir la BASE:", two CR LF, then the list.
std::string TextoErroresAbrirBase(const std::string& errores);
// The notice that the base came from an imported text file.
std::string TextoAvisoBaseImportada(const std::string& rutaFicheroImportado);
