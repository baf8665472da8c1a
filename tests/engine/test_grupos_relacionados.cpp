#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "ayuda_tablas.h"
#include "filtros.h"
#include "grupos_relacionados.h"

namespace {
// Fills subgroup s of group g with one cell, distinct per row, and marks
// condition j of group g with one count.
void Subgrupo(AjustesFiltros& f, int g, int s, int celda) { f.NumerosSubgrupo((g - 1) * 6 + s, celda) = 1; }
void Condicion(AjustesFiltros& f, int g, int j, int cuenta = 2) { f.AciertosCondicion((g - 1) * 6 + j, cuenta) = 1; }

// Puts the first `grupos` groups into reserve 1, each with `celda` and one
// allowed hit, every count of the reserve allowed. A reserve holds up to 360
// groups but its row of allowed counts ends at 79: a number that satisfies
// more groups than that is eliminated.
void Reserva(AjustesFiltros& f, Casilla celda, int grupos) {
    for (int g = 1; g <= grupos; ++g) {
        f.IdGrupoReserva[g] = 1;
        f.NumerosGrupoReserva(g, celda) = 1;
        f.AciertosGrupoReserva(g, 1) = 1;
    }
    for (int j = 0; j <= kMaxAciertosReserva; ++j) f.AciertosReserva(1, j) = 1;
}

}  // namespace

TEST(GruposRelacionados, ValidacionPorGrupoEnOrdenYMensaje) {
    const char* const kMas = "No puede haber más condiciones que subgrupos activados";
    const struct {
        std::initializer_list<int> subgrupos, condiciones;
        int cuenta;
        std::string mensaje;
    } casos[] = {
        {{}, {}, 2, ""},
        {{2, 4}, {1, 6}, 2, ""},  // rows are independent
        {{1, 2, 3}, {1, 2, 3}, 2, ""},
        {{1, 2, 3}, {1, 2, 3, 4}, 2, kMas},
        {{}, {5}, 0, kMas},  // count 0 alone is a marked condition
        {{6}, {}, 2, "Si activa un subgrupo, debe de haber al menos una condición marcada"},
    };
    for (const auto& caso : casos) {
        for (int g : {1, 60}) {
            AjustesFiltros f;
            for (int s : caso.subgrupos) Subgrupo(f, g, s, 10 + s);
            for (int j : caso.condiciones) Condicion(f, g, j, caso.cuenta);
            EXPECT_EQ(MensajeFalloGrupoRelacionado(ValidarGruposRelacionados(f)),
                      caso.mensaje.empty() ? "" : "ERROR en GRUPO" + std::to_string(g) + " : " + caso.mensaje);
        }
    }
    // The first group that fails is the one reported.
    AjustesFiltros f;
    Condicion(f, 7, 2);
    Subgrupo(f, 12, 3, 5);
    EXPECT_EQ(ValidarGruposRelacionados(f).grupo, 7);
    Subgrupo(f, 7, 6, 1);
    EXPECT_EQ(ValidarGruposRelacionados(f).grupo, 12);
}

TEST(GruposRelacionados, EmpaquetarMueveLosActivosAlPrincipioEnOrden) {
    // Cells {group, row, cell} before and after: whole rows move up, in order.
    const std::array<int, 3> antes[] = {{1, 2, 20}, {1, 4, 40}, {1, 4, 41}, {2, 1, 1}, {2, 2, 2}, {2, 3, 3}, {2, 5, 5}, {4, 3, 9}};
    const std::array<int, 3> despues[] = {{1, 1, 20}, {1, 2, 40}, {1, 2, 41}, {2, 1, 1}, {2, 2, 2}, {2, 3, 3}, {2, 4, 5}, {4, 1, 9}};
    AjustesFiltros f, esperado;
    for (const auto& [g, s, c] : antes) Subgrupo(f, g, s, c);
    for (const auto& [g, s, c] : despues) Subgrupo(esperado, g, s, c);
    for (int s = 1; s <= 6; ++s) Subgrupo(f, 60, s, 44 + s), Subgrupo(esperado, 60, s, 44 + s);
    f.NumerosSubgrupo(19, 7) = 2;  // group 4, row 1: no cell is 1, so not active
    Condicion(f, 1, 5);
    esperado.AciertosCondicion = f.AciertosCondicion;
    EmpaquetarSubgrupos(f);
    EXPECT_TRUE(f.NumerosSubgrupo == esperado.NumerosSubgrupo);
    EXPECT_TRUE(f.AciertosCondicion == esperado.AciertosCondicion);
    EXPECT_EQ(SubgruposActivos(f, 2), 4);
}

// Limits of the groups filters, on the six rows of five of the cells 2, 3,
// 11, 21, 31, 41: five hold cell 2 (a 1 first), one does not.
TEST(GruposRelacionados, FiltrosEnCasosLimite) {
    using Filtro = int32_t (*)(TablasSesion&, const AjustesFiltros&, const Cesion&);
    const struct {
        Filtro filtro;
        void (*ajustar)(AjustesFiltros&, Casilla);
        int32_t eliminadas;
    } casos[] = {
        // A group with cells and no allowed hit count lets nothing through.
        {FiltrarGrupos, [](AjustesFiltros& f, Casilla c) { f.NumerosGrupo(1, c) = 1; }, 6},
        {FiltrarGruposRelacionados, [](AjustesFiltros& f, Casilla c) { Subgrupo(f, 1, 1, c), Condicion(f, 1, 1, 1); }, 1},
        // The first empty block ends the filter.
        {FiltrarGruposRelacionados, [](AjustesFiltros& f, Casilla c) { Subgrupo(f, 2, 1, c), Condicion(f, 2, 1, 1); }, 0},
        {FiltrarGruposEnReservas, [](AjustesFiltros& f, Casilla c) { Reserva(f, c, 79); }, 0},
        {FiltrarGruposEnReservas, [](AjustesFiltros& f, Casilla c) { Reserva(f, c, 80); }, 5},
        {FiltrarGruposEnReservas, [](AjustesFiltros& f, Casilla c) { Reserva(f, c, 360); }, 5},
    };
    for (const auto& c : casos) {
        AjustesFiltros f;
        c.ajustar(f, 2);
        TablasSesion t = prueba::Generadas(prueba::RejillaCon({2, 3, 11, 21, 31, 41}));
        EXPECT_EQ(c.filtro(t, f, Cesion()), c.eliminadas) << &c - casos;
    }
}
