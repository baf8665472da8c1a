#include "fecha_sorteo.h"

#include <chrono>
#include <cstdio>

namespace {
std::chrono::year_month_day Fecha(int anio, int mes, int dia) {
    return std::chrono::year{anio} / std::chrono::month{static_cast<unsigned>(mes)} /
           std::chrono::day{static_cast<unsigned>(dia)};
}
}  // namespace

int SemanaDelAnio(int anio, int mes, int dia) {
    using namespace std::chrono;
    if (mes < 1 || mes > 12 || dia < 1 || dia > 31) return 0;
    const year_month_day fecha = Fecha(anio, mes, dia);
    if (!fecha.ok()) return 0;
    const sys_days uno_enero = sys_days{year{anio} / January / 1};
    const int dias_desde_enero = (sys_days{fecha} - uno_enero).count();
    // Days that the week of 1 January holds before it (Monday = 0).
    const int previos = static_cast<int>(weekday{uno_enero}.iso_encoding()) - 1;
    return (dias_desde_enero + previos) / 7 + 1;
}

std::string TextoFechaSorteo(int anio, int mes, int dia) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", dia, mes, anio);
    return texto;
}

void FijarSorteoPorDefecto(AjustesImpresion& ajustes, int anio, int mes, int dia) {
    ajustes.gTituloImpresion.clear();
    ajustes.gPieImpresion.clear();
    ajustes.gNombreSorteo.clear();
    ajustes.gPrecioDecimo = 20;
    ajustes.gFechaSorteo = TextoFechaSorteo(anio, mes, dia);
    ajustes.gNumeroSorteo = static_cast<int16_t>(SemanaDelAnio(anio, mes, dia) * 2);
}
