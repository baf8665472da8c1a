#pragma once
// Small services of the desktop: yielding to the event loop, the program's
// folder, opening a document or address, Qt's own texts in Spanish, and the
// count format "#,#,0".
#include <QList>
#include <QString>

#include "cesion.h"

// A yield that runs the event loop at most every ~15 ms, so long engine work
// keeps the windows alive without being slowed down. detener, when given, is
// the stop flag the engine reads after each yield.
Cesion CrearCesion(const bool* detener = nullptr);
// Runs pending events now.
void CederAhora();

// The program's folder when it is writable, otherwise the per-user data folder.
QString CarpetaPrograma();
// The folder the program's own files (the manual) are installed in.
QString CarpetaInstalacion();

// Opens a file or an address with the desktop's handler; false on failure.
bool AbrirConSistema(const QString& rutaODireccion);
// Opens a text file in the user's text editor; false on failure.
bool AbrirEnEditorTexto(const QString& ruta);

// Makes the dates and numbers Qt writes in the system locale's format (the
// file dialogs' "Última modificación" and "2,27 KiB") Spanish, whatever the
// user's locale; every other part of the locale stays the user's. Call it
// before the application object exists: it leaves the environment, and so
// the C library's locale and the programs started from here, as it found them.
void FormatosDelSistemaEnEspanol();

// Qt's own texts (file and print dialogs, text-box menus, message-box
// buttons) in Spanish, from Qt's translations folder, with the program's own
// Spanish for what that lacks; false when Qt's translation is missing.
bool CargarTraduccionQt();

// A count with the application locale's group separator ("#,#,0").
QString FormatoCuenta(qint64 valor);
// Reads back a count shown with FormatoCuenta; 0 when it is not a number.
qint64 LeerCuenta(const QString& texto, bool* ok = nullptr);

namespace PruebaSistema {
// While active nothing is opened: the requests are recorded and answer `exito`.
void Activar(bool exito = true);
void Desactivar();
const QList<QString>& Abiertos();
}  // namespace PruebaSistema
