#pragma once
// Shared by the BASE file tests and benchmark: the writer's input rebuilt from
// what a read gave back, so a round trip can be checked by comparing texts.
// Values the read did not set become markers that never match a real value.
#include "base_xml.h"
#include "lector_base_xml.h"

inline DatosBaseXML DatosLeidos(const ResultadoLecturaBase& r, const DatosBaseXML& original) {
    DatosBaseXML d = original;
    d.rejilla = r.rejilla;
    d.numeroGanador = r.numeroGanador;
    d.rutaFicheroASCII = r.rutaFicheroImportado;
    for (size_t i = 0; i < d.chkFiltros.size(); ++i) d.chkFiltros[i] = r.chkFiltros[i].value_or(0);
    d.tipoReduccionIndice = r.tipoReduccion.value_or(-1);
    d.porcentaje = r.porcentaje.value_or("?");
    d.nuApuestas = r.nuApuestas.value_or("?");
    d.apuestasExactas = r.apuestasExactas.value_or(9);
    d.activarCiclos = r.activarCiclos.value_or(9);
    d.aleatorio = r.aleatorio.value_or(9);
    return d;
}
