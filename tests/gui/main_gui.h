#pragma once
// Every window test class registers itself here; main_gui.cpp runs them.
#include <QObject>
#include <memory>

using FabricaPrueba = std::unique_ptr<QObject> (*)();
// Registers a test class under its file's base name ("test_sumas").
bool RegistrarPrueba(const char* fichero, FabricaPrueba fabrica);

#define PRUEBA_VENTANA(Clase)                                                          \
    [[maybe_unused]] static const bool registrada##Clase =                             \
        RegistrarPrueba(__FILE__, [] { return std::unique_ptr<QObject>(new Clase); });
