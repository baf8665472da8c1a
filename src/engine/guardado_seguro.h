#pragma once
// Saving a file whole or not at all, for every file the program writes over.
#include <string>
#include <string_view>

// Writes `contenido` to a temporary file in the target's folder, flushes it
// to disk and renames it over the target, so a failure never leaves a partly
// written file in its place. An existing target keeps its permissions; a
// symbolic link is followed and the file it points to is replaced. False on
// any failure, with *error telling why in words for the user: what could not
// be done, where, and the cause.
bool GuardarFicheroSeguro(const std::string& ruta, std::string_view contenido, std::string* error = nullptr);

// The message every save shows when it fails: "ERROR AL GUARDAR EL FICHERO",
// followed by the reason in brackets when one is known.
std::string MensajeErrorGuardar(std::string_view causa);
