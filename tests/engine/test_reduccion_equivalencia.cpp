// The engine's reduction against the plain version in referencia_reduccion.h,
// over random bases, every type, percentage, number-of-bets and exact-bets
// modes, cycles on and off, and stops at random yields.
#include <gtest/gtest.h>

#include "apoyo_reduccion.h"
#include "ayuda_tablas.h"
#include "referencia_reduccion.h"

namespace {

struct Caso {
    TablasSesion tablas;
    OpcionesReduccion opciones;
    std::string descripcion;
};

Caso CasoAleatorio(prueba::Azar& azar, int numero) {
    Caso c;
    const int tipo = numero % kNumTiposReduccion;
    const int forma = (numero / kNumTiposReduccion) % 4;
    if (forma < 2) {
        // A grid base of few cells (direct code table), or of 25 or more
        // cells (sorted codes and binary search), now and then a single bet.
        std::array<std::vector<int>, 5> d;
        for (auto& v : d) {
            v = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
            std::shuffle(v.begin(), v.end(), azar.g);
            v.resize(forma == 1 ? azar.Entre(5, 6) : azar.Entre(azar.Si(10) ? 1 : 2, tipo == kTipoReduccion3 ? 3 : 4));
        }
        const int unica = forma == 1 && azar.Si(12) ? azar.Entre(1, 100) : 0;
        const int porcentaje = forma == 1 ? azar.Entre(3, 15) : azar.Si(30) ? 100 : azar.Entre(30, 90);
        BaseCartesiana(c.tablas, d, [&](int32_t i) { return unica ? i == unica : azar.Si(porcentaje); });
        if (c.tablas.gElementosApuesta.Filas() == 0) BaseCartesiana(c.tablas, d, [](int32_t i) { return i == 1; });
    } else {
        // Any 5 of N cells: all of them (every set a valid bet) or a share.
        const int N = forma == 2 ? azar.Entre(5, tipo == kTipoReduccion3 ? 8 : 9) : azar.Entre(6, 11);
        std::vector<Casilla> celdas;
        for (int e = 1; e <= N; ++e) celdas.push_back(static_cast<Casilla>(e));
        FijarBase(c.tablas, celdas, false, [&](int32_t) { return forma == 2 || azar.Si(35); });
        if (c.tablas.gElementosApuesta.Filas() == 0) FijarBase(c.tablas, celdas, false, [](int32_t i) { return i == 1; });
    }
    const int32_t n = c.tablas.gElementosApuesta.Filas();

    OpcionesReduccion& o = c.opciones;
    o.tipo = tipo;
    o.modoApuestas = azar.Si(50);
    o.conCiclos = azar.Si(50);
    o.conApuestasExactas = o.modoApuestas && azar.Si(30);
    const int p = azar.Entre(0, 99);
    o.porcentaje = p < 25 ? "100" : p < 30 ? "150" : p < 33 ? "" : p < 35 ? "0" : std::to_string(azar.Entre(1, 100));
    const int a = azar.Entre(0, 99);
    // Exact bets mostly cut the result to one bet; the first case of each
    // type fills it up to every conditioned number, or asks for more than
    // there are (a fill shuffles all 2118760 sets). From 1000 bets asked the
    // first fit yields once per thousand candidates.
    const int32_t apuestas = o.conApuestasExactas ? 1 : azar.Entre(1, std::max(1, n / 2 + 1));
    o.numApuestas = a < 5 ? "" : a < 8 ? "0" : a < 14 && !o.conApuestasExactas ? "1000" : std::to_string(apuestas);
    if (numero < kNumTiposReduccion) {
        o.modoApuestas = o.conApuestasExactas = true;
        o.numApuestas = std::to_string(numero % 2 ? n : n + 5);
    }
    c.descripcion = "caso " + std::to_string(numero) + " forma " + std::to_string(forma) + " N=" +
                    std::to_string(c.tablas.gNumElementos) + " n=" + std::to_string(n) + " modoApuestas " +
                    std::to_string(o.modoApuestas) + " ciclos " + std::to_string(o.conCiclos) + " exactas " +
                    std::to_string(o.conApuestasExactas) + " porcentaje '" + o.porcentaje + "' apuestas '" +
                    o.numApuestas + "'";
    return c;
}

}  // namespace

TEST(ReduccionEquivalencia, IgualQueLaVersionLlana) {
    prueba::Azar azar(20240611);
    for (int numero = 0; numero < 320; ++numero) {
        const Caso c = CasoAleatorio(azar, numero);
        // A first run of the engine alone tells how many yields six cycles
        // take; the comparison stops somewhere inside that span, or never.
        TablasSesion motor = c.tablas;
        const Corrida ensayo = Reducir(motor, c.opciones, 0, "6");
        const int64_t total = ensayo.registro.cesiones;
        int64_t detenerEn = 0;
        if (ensayo.resultado.ciclos >= 6 || numero % 3 == 1)
            detenerEn = azar.Entre(numero % 2 ? 1 : int(total / 2 + 1), std::max(1, int(total)));
        SCOPED_TRACE(c.descripcion + " detener en la cesion " + std::to_string(detenerEn));

        motor = c.tablas;
        Corrida m = Reducir(motor, c.opciones, detenerEn);
        EXPECT_TRUE(m.resultado.error.empty());

        TablasSesion literal = c.tablas;
        FuenteAleatoria f;
        ReferenciaReduccion ref(literal, f);
        Registro r;
        r.cederHastaDetener = detenerEn;
        r.detener = [&ref] { ref.Detener = true; };
        ref.Ejecutar(c.opciones, r, r.FuncionCeder());

        EXPECT_EQ(FilasResultado(motor), FilasResultado(literal));
        EXPECT_EQ(m.resultado.ciclos, ref.Ciclo);
        EXPECT_EQ(m.registro.cesiones, r.cesiones);
        EXPECT_EQ(m.resultado.ajustada, c.opciones.conApuestasExactas && ref.Ciclo > 0);
        const auto eventosMotor = m.registro.Todo(), eventosRef = r.Todo();
        ASSERT_EQ(eventosMotor.size(), eventosRef.size());
        for (size_t i = 0; i < eventosMotor.size(); ++i) ASSERT_EQ(eventosMotor[i], eventosRef[i]) << "evento " << i;
    }
}
