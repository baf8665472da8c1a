// The engine's reduction against the plain version in referencia_reduccion.h,
// over random bases, every type, percentage, number-of-bets and exact-bets
// modes, cycles on and off, and stops at random yields (among them the stop
// while the scores are counted and short cycles that never reach the yield
// period); then what that comparison cannot see: refused inputs and option
// texts, the method at the cell limit, and the random switch.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

#include "ajuste_apuestas.h"
#include "ayuda_tablas.h"
#include "referencia_reduccion.h"

namespace {

// Records what the window would show, one text per event, "Y" per yield.
// Calls `detener` at the yield number `cederHastaDetener` (0: never) and when
// the cycle caption `detenerEnCiclo` is shown. Throws at cycle 1000: only
// cycles that never yield (and so never see the stop) get that far.
class Registro : public ObservadorReduccion {
public:
    std::vector<std::string> eventos;
    int64_t cesiones = 0;
    int64_t cederHastaDetener = 0;
    std::function<void()> detener;
    std::string detenerEnCiclo;

    void MostrarTipo(const std::string& t) override { eventos.push_back("T:" + t); }
    void MostrarCiclo(const std::string& t) override {
        if (t == "1000") throw std::runtime_error("cycles that never yield");
        eventos.push_back("C:" + t);
        if (t == detenerEnCiclo && detener) detener();
    }
    void MostrarNumeros(int32_t c, const std::string& a) override { eventos.push_back("N:" + std::to_string(c) + '|' + a); }
    void MostrarProgreso(int p) override {
        // The engine sends only changes; the same value twice is not an event.
        if (p != ultimoProgreso_) eventos.push_back("P:" + std::to_string(p));
        ultimoProgreso_ = p;
    }
    void MostrarReducidas(int32_t c) override { eventos.push_back("R:" + std::to_string(c)); }
    void EmpezarAjuste(const std::string& t) override { eventos.push_back("A:" + t); }

    std::function<void()> FuncionCeder() {
        return [this] {
            eventos.push_back("Y");
            if (++cesiones == cederHastaDetener && detener) detener();
        };
    }

private:
    int ultimoProgreso_ = -1;
};

// Conditioned numbers over `celdas` (ascending): the 5-element sets in
// lexicographic order, only those with one cell per position when
// `porPosicion`, each kept when `quedan` (given its number among those, from
// 1) says so. All valid when every 5-element set is kept.
TablasSesion Base(const std::vector<Casilla>& celdas, bool porPosicion,
                  const std::function<bool(int32_t)>& quedan = nullptr) {
    TablasSesion t;
    t.gNumElementos = static_cast<int16_t>(celdas.size());
    t.gValorElemento.Redimensionar(1, t.gNumElementos);
    std::copy(celdas.begin(), celdas.end(), &t.gValorElemento[1]);
    std::vector<Fila> filas;
    int32_t contador = 0;
    prueba::ParaCadaCincoDe(t.gNumElementos, [&](int32_t, const Fila& f) {
        bool valida = true;
        for (int p = 0; p < 5 && porPosicion; ++p) valida &= PosicionDeCasilla(celdas[f[p] - 1]) == p + 1;
        if (valida && (!quedan || quedan(++contador))) filas.push_back(f);
    });
    t.gElementosApuesta.Redimensionar(static_cast<int32_t>(filas.size()));
    for (size_t j = 0; j < filas.size(); ++j) std::copy_n(filas[j].begin(), 5, t.gElementosApuesta.Fila(int32_t(j) + 1));
    t.gTodasValidas = static_cast<int32_t>(filas.size()) == COMBINAT(t.gNumElementos, 5);
    return t;
}

// The rows of gResultado, cells.
std::vector<Fila> FilasResultado(const TablasSesion& t) {
    std::vector<Fila> v(static_cast<size_t>(t.gResultado.Filas()));
    for (int32_t r = 1; r <= t.gResultado.Filas(); ++r) std::copy_n(t.gResultado.Fila(r), 5, v[r - 1].begin());
    return v;
}

struct Corrida {
    Registro registro;
    ResultadoReduccion resultado;
    std::vector<int32_t> orden;  // the processing order at the end (its last is implied)
};

// One run of the controller; stop at the yield `detenerEn` or when the cycle
// caption `detenerEnCiclo` shows.
Corrida Reducir(TablasSesion& t, const OpcionesReduccion& o, int64_t detenerEn = 0,
                const std::string& detenerEnCiclo = "") {
    Corrida c;
    FuenteAleatoria f;
    TablasReduccion entradas;
    entradas.Construir(t, o.tipo);
    ControladorReduccion ctl(t, entradas, f);
    c.registro.cederHastaDetener = detenerEn;
    c.registro.detenerEnCiclo = detenerEnCiclo;
    c.registro.detener = [&ctl] { ctl.PulsarDetener(); };
    c.resultado = ctl.Ejecutar(o, c.registro, Cesion(c.registro.FuncionCeder()));
    c.orden.assign(entradas.gOrdenApuestas.Datos(), entradas.gOrdenApuestas.Datos() + entradas.NumApuestas());
    return c;
}

// The conditioned numbers of case `numero` into `t`, and its options.
OpcionesReduccion CasoAleatorio(prueba::Azar& azar, int numero, TablasSesion& t) {
    const int tipo = numero % kNumTiposReduccion;
    const int forma = (numero / kNumTiposReduccion) % 4;
    std::vector<Casilla> celdas;
    if (forma < 2) {
        // A grid base of few cells (direct code table), or of 25 or more
        // cells (sorted codes and binary search), now and then a single bet.
        for (int p = 1; p <= 5; ++p) {
            std::vector<uint8_t> d = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
            std::shuffle(d.begin(), d.end(), azar.g);
            d.resize(forma == 1 ? azar.Entre(5, 6) : azar.Entre(azar.Si(10) ? 1 : 2, tipo == kTipoReduccion3 ? 3 : 4));
            for (uint8_t x : d) celdas.push_back(CasillaDeDigito(x, static_cast<int16_t>(p)));
        }
        const int unica = forma == 1 && azar.Si(12) ? azar.Entre(1, 100) : 0;
        // Cases 5 mod 8 stop at the first yields: larger bases, so that
        // the stop comes while the scores are counted.
        const int porcentaje =
            forma == 1 ? azar.Entre(3, numero % 8 == 5 ? 30 : 15) : azar.Si(30) ? 100 : azar.Entre(30, 90);
        t = Base(celdas, true, [&](int32_t i) { return unica ? i == unica : azar.Si(porcentaje); });
    } else {
        // Any 5 of N cells: all of them (every set a valid bet) or a share.
        const int N = forma == 2 ? azar.Entre(5, tipo == kTipoReduccion3 ? 8 : 9) : azar.Entre(6, 11);
        for (int e = 1; e <= N; ++e) celdas.push_back(static_cast<Casilla>(e));
        t = Base(celdas, false, [&](int32_t) { return forma == 2 || azar.Si(35); });
    }
    if (t.gElementosApuesta.Filas() == 0) t = Base(celdas, forma < 2, [](int32_t i) { return i == 1; });
    const int32_t n = t.gElementosApuesta.Filas();

    OpcionesReduccion o;
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
    // Cases 15 mod 16: a first fit with cycles too short to reach the yield period.
    if (numero % 16 == 15) o = {.tipo = tipo, .numApuestas = "5000", .conCiclos = true};
    if (numero < kNumTiposReduccion) {
        o.modoApuestas = o.conApuestasExactas = true;
        o.numApuestas = std::to_string(numero % 2 ? n : n + 5);
    }
    return o;
}

}  // namespace

TEST(ReduccionEquivalencia, IgualQueLaVersionLlana) {
    prueba::Azar azar(20240611);
    for (int numero = 0; numero < 320; ++numero) {
        TablasSesion base;
        const OpcionesReduccion o = CasoAleatorio(azar, numero, base);
        // A first run of the engine alone tells how many yields six cycles
        // take; the comparison stops somewhere inside that span, or never.
        // Cases 5 mod 8 stop at once.
        TablasSesion motor = base;
        const Corrida ensayo = Reducir(motor, o, 0, "6");
        const int64_t total = ensayo.registro.cesiones;
        int64_t detenerEn = 0;
        if (numero % 8 == 5)
            detenerEn = azar.Entre(1, 2);
        else if (ensayo.resultado.ciclos >= 6 || numero % 3 == 1)
            detenerEn = azar.Entre(numero % 2 ? 1 : int(total / 2 + 1), std::max(1, int(total)));
        SCOPED_TRACE("caso " + std::to_string(numero) + " detener en la cesion " + std::to_string(detenerEn));

        motor = base;
        Corrida m = Reducir(motor, o, detenerEn);

        ReferenciaReduccion ref(base);
        Registro r;
        r.cederHastaDetener = detenerEn;
        r.detener = [&ref] { ref.Detener = true; };
        ref.Ejecutar(o, r, r.FuncionCeder());

        EXPECT_EQ(FilasResultado(motor), ref.Resultado);
        EXPECT_EQ(m.resultado.ciclos, ref.Ciclo);
        EXPECT_EQ(m.resultado.ajustada, o.conApuestasExactas && ref.Ciclo > 0);
        ASSERT_EQ(m.registro.eventos, r.eventos);
    }
}

TEST(ReduccionEntradas, FilasOpcionesYTiposRechazados) {
    TablasSesion t = Base({1, 12, 23, 34, 45, 46}, true);
    auto fijar = [&](const std::vector<Fila>& filas) {
        t.gElementosApuesta.Redimensionar(static_cast<int32_t>(filas.size()));
        for (size_t j = 0; j < filas.size(); ++j) std::copy_n(filas[j].begin(), 5, t.gElementosApuesta.Fila(int32_t(j) + 1));
    };
    TablasReduccion e;
    // Element 0, out of order, beyond N, and a repeated row.
    for (const Fila& mala : {Fila{0, 2, 3, 4, 5}, Fila{1, 2, 3, 5, 4}, Fila{1, 2, 3, 4, 7}, Fila{1, 2, 3, 4, 6}}) {
        fijar({Fila{1, 2, 3, 4, 6}, Fila{1, 2, 3, 4, 5}, mala});
        EXPECT_FALSE(e.Construir(t, kTipoReduccion4));
        EXPECT_EQ(e.NumApuestas(), 0);
    }
    Corrida c = Reducir(t, {.tipo = kTipoReduccion4});
    EXPECT_EQ(c.resultado.error, kErrorEntradasNoValidas);
    EXPECT_TRUE(c.registro.eventos.empty());
    // Rows out of order among themselves are fine.
    fijar({Fila{1, 2, 3, 4, 6}, Fila{1, 2, 3, 4, 5}});
    EXPECT_TRUE(e.Construir(t, kTipoReduccion4));

    EXPECT_EQ(COMBINAT(0, 1), 0);
    EXPECT_EQ(COMBINAT(50, 5), 2118760);
    EXPECT_EQ(Fact(171), 0.0);  // beyond a double
    EXPECT_EQ(Fact(-1), 0.0);

    // Texts shown afterwards and targets, or the message.
    const std::array<const char*, 3> casos[] = {
        {"150", "0", "100 1 100 1"},
        {"", "", "100 1 100 1"},
        {"0100", "0007", "0100 0007 100 7"},
        {"0", "2147483647", "0 2147483647 0 2147483647"},
        {"99999999999999999999", "12", "100 12 100 12"},
        {"8o", "1", kErrorPorcentajeNoNumerico},
        {"-5", "1", kErrorPorcentajeNoNumerico},
        {"1e2", "1", kErrorPorcentajeNoNumerico},
        {"50", " 3", kErrorApuestasNoNumericas},
        {"50", "2147483648", kErrorApuestasNoNumericas},
    };
    for (const auto& [porcentaje, apuestas, esperado] : casos) {
        const OpcionesNormalizadas n = NormalizarOpciones(porcentaje, apuestas);
        const std::string objetivos = std::to_string(n.porcentajeObjetivo) + " " + std::to_string(n.apuestasObjetivo);
        EXPECT_EQ(n.error.empty() ? n.porcentaje + " " + n.numApuestas + " " + objetivos : n.error, esperado);
    }

    // A refused text runs nothing, shows nothing and keeps the texts; so
    // does a missing type.
    t.gResultado.Redimensionar(1);
    c = Reducir(t, {.tipo = kTipoReduccion4, .porcentaje = "1e2"});
    EXPECT_EQ(c.resultado.porcentaje, "1e2");
    EXPECT_TRUE(c.registro.eventos.empty());
    EXPECT_EQ(t.gResultado.Filas(), 1);
    c = Reducir(t, {.tipo = -1});
    EXPECT_EQ(c.resultado.ciclos, 0);
    EXPECT_EQ(c.registro.cesiones, 0);

    // The radius the bench reports; type 3 covers up to the direct table's
    // 24 cells, then goes sequential.
    EXPECT_EQ(ElegirReduccion(kTipoReduccion5, 50, false, 80).radio, 0);
    EXPECT_EQ(ElegirReduccion(kTipoReduccion3, 24, false, 80).metodo, MetodoReduccion::cobertura);
    EXPECT_EQ(ElegirReduccion(kTipoReduccion3, 25, false, 80).metodo, MetodoReduccion::secuencialPorcentaje);
}

TEST(ReduccionAleatorio, BarajadosYRecorteCambianDeUnaVezAOtra) {
    TablasSesion t = Base({1, 2, 3, 4, 5, 6, 7, 8, 9}, false, [](int32_t j) { return j % 5 != 0; });
    for (int tipo : {kTipoReduccion4, kTipoReduccion2}) {
        OpcionesReduccion o{.tipo = tipo, .conCiclos = true};
        EXPECT_EQ(Reducir(t, o, 300).orden, Reducir(t, o, 300).orden) << tipo;
        o.conAleatorio = true;
        EXPECT_NE(Reducir(t, o, 300).orden, Reducir(t, o, 300).orden) << tipo;
    }

    // A random cut keeps distinct rows of the result, not always the same ones.
    const TablaNumeros resultado = prueba::Tabla({"01234", "11234", "21234", "31234", "41234", "51234"});
    t.gResultado = resultado;
    const std::vector<Fila> todas = FilasResultado(t);
    FuenteAleatoria f;
    ProgresoReduccion progreso;
    Registro ventana;
    std::set<std::set<Fila>> recortes;
    for (int vez = 0; vez < 10; ++vez) {
        t.gResultado = resultado;
        AjustarApuestas(t, 4, true, f, Cesion(), progreso, ventana);
        const std::vector<Fila> recorte = FilasResultado(t);
        const std::set<Fila> distintas(recorte.begin(), recorte.end());
        EXPECT_EQ(distintas.size(), 4u);
        EXPECT_TRUE(std::includes(todas.begin(), todas.end(), distintas.begin(), distintas.end()));
        recortes.insert(distintas);
    }
    EXPECT_GT(recortes.size(), 1u);
}
