#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "analisis.h"

#include "ayuda_tablas.h"

using prueba::Tabla;

namespace {

// The same list built from the numbers' texts through an ordered map.
ListaCuentas ListaDirecta(const std::vector<std::string>& numeros, size_t desde, size_t largo) {
    std::map<std::string, int> cuentas;
    for (const auto& n : numeros) ++cuentas[n.substr(desde, largo)];
    ListaCuentas l;
    for (const auto& [grupo, n] : cuentas) {
        l.texto += grupo + ": " + std::to_string(n) + "\r\n";
        ++l.distintos;
    }
    return l;
}

}  // namespace

TEST(Analisis, TablasVaciasYCortasSoloLeenSusFilas) {
    const TablaNumeros vacia;
    EXPECT_EQ(ContarFrecuencias(vacia, 5), FrecuenciasCasillas{});
    const AnalisisCifras nada = AnalizarUltimasCifras(vacia, 3);
    EXPECT_EQ(nada.dos.texto, "");
    EXPECT_EQ(nada.tres.distintos, 0);
    // Only the first `total` rows count, and a total beyond the table stops at it.
    const TablaNumeros t = Tabla({"12345", "67890"});
    EXPECT_EQ(AnalizarPrimerasCifras(t, 1).dos.texto, "12: 1\r\n");
    EXPECT_EQ(AnalizarPrimerasCifras(t, 9).dos.texto, "12: 1\r\n67: 1\r\n");
}

TEST(Analisis, ListasAlAzarIgualQueUnaCuentaDirecta) {
    std::mt19937 gen(7);
    for (int ronda = 0; ronda < 20; ++ronda) {
        std::set<std::string> distintos;
        const size_t n = 1 + gen() % 3000;
        while (distintos.size() < n) {
            char s[6];
            std::snprintf(s, sizeof s, "%05u", static_cast<unsigned>(gen() % 100000));
            distintos.insert(s);
        }
        std::vector<std::string> numeros(distintos.begin(), distintos.end());
        std::shuffle(numeros.begin(), numeros.end(), gen);
        const TablaNumeros t = Tabla(numeros);
        const int32_t total = static_cast<int32_t>(numeros.size());
        const AnalisisCifras primeras = AnalizarPrimerasCifras(t, total);
        const AnalisisCifras ultimas = AnalizarUltimasCifras(t, total);
        const ListaCuentas esperadas[4] = {ListaDirecta(numeros, 0, 2), ListaDirecta(numeros, 0, 3),
                                           ListaDirecta(numeros, 3, 2), ListaDirecta(numeros, 2, 3)};
        const ListaCuentas* obtenidas[4] = {&primeras.dos, &primeras.tres, &ultimas.dos, &ultimas.tres};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(obtenidas[k]->texto, esperadas[k].texto) << "list " << k;
            EXPECT_EQ(obtenidas[k]->distintos, esperadas[k].distintos) << "list " << k;
        }
        const FrecuenciasCasillas f = ContarFrecuencias(t, total);
        for (int p = 0; p < 5; ++p) {
            int32_t suma = 0;
            int64_t porcentajes = 0;
            for (int d = 0; d <= 9; ++d) {
                int32_t directa = 0;
                for (const auto& s : numeros) directa += s[static_cast<size_t>(p)] - '0' == d;
                EXPECT_EQ(f[static_cast<size_t>(p * 10 + d)], directa);
                suma += directa;
                porcentajes += PorcentajeCentesimas(directa, total);
            }
            EXPECT_EQ(suma, total);
            // Ten roundings of half a hundredth at most each.
            EXPECT_LE(std::abs(porcentajes - 10000), 5);
        }
    }
}

TEST(Analisis, PorcentajesRedondeanAlPar) {
    EXPECT_EQ(PorcentajeCentesimas(1, 8), 1250);    // 12.5 exactly
    EXPECT_EQ(PorcentajeCentesimas(1, 3), 3333);    // 33.333...
    EXPECT_EQ(PorcentajeCentesimas(2, 3), 6667);    // 66.666...
    EXPECT_EQ(PorcentajeCentesimas(1, 32), 312);    // 3.125 -> 3.12
    EXPECT_EQ(PorcentajeCentesimas(3, 32), 938);    // 9.375 -> 9.38
    EXPECT_EQ(PorcentajeCentesimas(1, 80000), 0);   // 0.00125
    EXPECT_EQ(PorcentajeCentesimas(1, 40000), 0);   // 0.0025 -> 0.00
    EXPECT_EQ(PorcentajeCentesimas(3, 40000), 1);   // 0.0075 -> 0.01
    EXPECT_EQ(PorcentajeCentesimas(2118760, 2118760), 10000);
    EXPECT_EQ(PorcentajeCentesimas(5, 0), 0);
}

TEST(Analisis, InformeConRejillaYListas) {
    const TablaNumeros t = Tabla({"12345", "12999"});
    const std::string informe = InformeAnalisis(ContarFrecuencias(t, 2), 2, AnalizarPrimerasCifras(t, 2),
                                                AnalizarUltimasCifras(t, 2));
    EXPECT_NE(informe.find("ANALISIS DE 2 NUMEROS\r\n"), std::string::npos);
    EXPECT_NE(informe.find("2 primeras cifras: 1/100\r\n12: 2\r\n"), std::string::npos);
    EXPECT_NE(informe.find("3 últimas cifras: 2/1000\r\n345: 1\r\n999: 1\r\n"), std::string::npos);
    EXPECT_NE(informe.find("2 (100 %)"), std::string::npos);
    EXPECT_NE(informe.find("1 (50 %)"), std::string::npos);
    size_t saltos = 0, finales = 0;
    for (size_t i = 0; i < informe.size(); ++i)
        if (informe[i] == '\n') {
            ++saltos;
            finales += i > 0 && informe[i - 1] == '\r';
        }
    EXPECT_EQ(saltos, finales);
}
