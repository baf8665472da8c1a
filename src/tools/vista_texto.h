#pragma once
// Shows a text of the program in the user's text editor, through a file of
// its own that stays until the program ends.
#include <string>

class QString;
class QWidget;

// False, after a critical message, when the file cannot be written or the
// editor cannot be opened.
bool VerTextoEnEditor(const std::string& texto, QWidget* padre);

// Opens a file already written in the user's text editor. False, after a
// critical message that names the file (so the user can open it some other
// way), when no editor opens it.
bool AbrirFicheroEnEditor(const QString& ruta, QWidget* padre);

// "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (descripcion)", critical.
void MensajeErrorBlocDeNotas(const QString& descripcion, QWidget* padre);
