#pragma once
// Keyboard filter of the numeric boxes and the line helpers of the three
// importers of text files of numbers.
#include <string>
#include <string_view>

// Character codes the key filter knows by name.
constexpr int kTeclaRetroceso = 8;
constexpr int kTeclaIntro = 13;
constexpr int kTeclaEscape = 27;

// Modes: 1 digits (Enter dropped), 17 digits and Enter, 8 digits and a
// leading sign. Returns the key to pass on, or 0 to drop it; *pitar tells
// whether the drop should beep.
int FiltrarTecla(std::string_view textoCaja, int keyAscii, int tipo, bool* pitar);

// Whether a whole text is acceptable in a box of that mode (used for pastes).
bool TextoValidoParaModo(std::string_view texto, int tipo);

// True when s holds no blank.
bool SinEspacios(std::string_view s);
// Removes every "*", "-", ",", "+" and " " from s, stores and returns it.
std::string LimpiarSeparadores(std::string& s);
