#pragma once
// Importing a numbers file: the open dialog and the reading with the texts
// every window shows when it goes wrong.
#include <QString>

#include "cesion.h"
#include "fichero_numeros.h"

class QWidget;
struct RegistroDialogo;

// "ERROR AL IMPORTAR ..." around the reason.
QString TextoErrorImportar(const QString& descripcion);

// Asks for a numbers file through the window's dialog record; "" when cancelled.
QString PedirFicheroNumeros(RegistroDialogo& dialogo, QWidget* dueno);

// Reads `ruta` into `lectura` and returns the error to show, "" when it was
// read; then `lectura` is complete and the user has been told if the number
// limit cut the file short. Never throws: a failure leaves `lectura` empty or
// partial and comes back as the text.
QString LeerNumerosImportados(const QString& ruta, const OpcionesLecturaNumeros& opciones, const Cesion& ceder,
                              const ProgresoLectura& progreso, LecturaNumeros& lectura, QWidget* dueno);
