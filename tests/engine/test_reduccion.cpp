// The engine's reduction against the plain version in referencia_reduccion.h,
// over random bases, every type, percentage, number-of-bets and exact-bets
// modes, cycles on and off, and stops at random yields; then what that
// comparison cannot see: refused inputs and option texts, the method table at
// the cell limit, the stop during the scores, short cycles that never reach a
// yield, the random switch, and the exact-bets adjustment's random cut.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

#include "ajuste_apuestas.h"
#include "ayuda_tablas.h"
#include "referencia_reduccion.h"

namespace {

using Fila = std::array<uint8_t, 5>;

// Records what the window would show, one text per event; runs of yields
// are folded into one "Y:count" entry. Calls `detener` at the yield number
// `cederHastaDetener` (0: never) and when the cycle caption `detenerEnCiclo`
// is shown. Throws at cycle 1000: only cycles that never yield (and so never
// see the stop) get that far.
class Registro : public ObservadorReduccion {
public:
    int64_t cesiones = 0;
    int64_t cederHastaDetener = 0;
    std::function<void()> detener;
    std::string detenerEnCiclo;

    void MostrarTipo(const std::string& t) override { Anotar("T:" + t); }
    void MostrarCiclo(const std::string& t) override {
        if (t == "1000") throw std::runtime_error("cycles that never yield");
        Anotar("C:" + t);
        if (t == detenerEnCiclo && detener) detener();
    }
    void MostrarNumeros(int32_t c, const std::string& a) override { Anotar("N:" + std::to_string(c) + "|" + a); }
    void MostrarProgreso(int p) override {
        // The engine sends only changes; the same value twice is not an event.
        if (p == ultimoProgreso_) return;
        ultimoProgreso_ = p;
        Anotar("P:" + std::to_string(p));
    }
    void MostrarReducidas(int32_t c) override { Anotar("R:" + std::to_string(c)); }
    void EmpezarAjuste(const std::string& t) override { Anotar("A:" + t); }

    std::function<void()> FuncionCeder() {
        return [this] {
            ++seguidas_;
            if (++cesiones == cederHastaDetener && detener) detener();
        };
    }
    // The events with any pending yields folded in.
    std::vector<std::string> Todo() {
        Cerrar();
        return eventos_;
    }

private:
    void Anotar(std::string e) {
        Cerrar();
        eventos_.push_back(std::move(e));
    }
    void Cerrar() {
        if (seguidas_ > 0) eventos_.push_back("Y:" + std::to_string(seguidas_));
        seguidas_ = 0;
    }
    std::vector<std::string> eventos_;
    int64_t seguidas_ = 0;
    int ultimoProgreso_ = -1;
};

// Bets over `celdas` (ascending): the 5-element sets in lexicographic order,
// only those with one cell per position when `porPosicion`, each kept when
// `quedan` (given its number among those, from 1) says so. All valid when
// every 5-element set is kept.
inline void FijarBase(TablasSesion& t, const std::vector<Casilla>& celdas, bool porPosicion,
                      const std::function<bool(int32_t)>& quedan = nullptr) {
    const int N = static_cast<int>(celdas.size());
    t.gNumElementos = static_cast<int16_t>(N);
    t.gValorElemento.Redimensionar(1, t.gNumElementos);
    for (int e = 1; e <= N; ++e) t.gValorElemento[e] = celdas[e - 1];
    std::vector<Fila> filas;
    int32_t contador = 0;
    prueba::ParaCadaCincoDe(N, [&](int32_t, const Fila& f) {
        bool valida = true;
        for (int p = 0; p < 5 && porPosicion; ++p) valida &= PosicionDeCasilla(celdas[f[p] - 1]) == p + 1;
        if (valida && (!quedan || quedan(++contador))) filas.push_back(f);
    });
    t.gElementosApuesta.Redimensionar(static_cast<int32_t>(filas.size()));
    for (size_t j = 0; j < filas.size(); ++j) std::copy_n(filas[j].begin(), 5, t.gElementosApuesta.Fila(int32_t(j) + 1));
    t.gResultado.Redimensionar(0);
    t.gNumCombinaciones = static_cast<int32_t>(NumCombinaciones(t.gNumElementos, 5));
    t.gTodasValidas = static_cast<int32_t>(filas.size()) == t.gNumCombinaciones;
}

// The numbers made of the given digits at each position, ascending.
inline void BaseCartesiana(TablasSesion& t, std::array<std::vector<int>, 5> digitos,
                           const std::function<bool(int32_t)>& quedan = nullptr) {
    std::vector<Casilla> celdas;
    for (int p = 0; p < 5; ++p)
        for (int x : digitos[p]) celdas.push_back(CasillaDeDigito(static_cast<uint8_t>(x), static_cast<int16_t>(p + 1)));
    std::sort(celdas.begin(), celdas.end());
    FijarBase(t, celdas, true, quedan);
}

// The rows of gResultado, cells.
inline std::vector<Fila> FilasResultado(const TablasSesion& t) {
    std::vector<Fila> v(static_cast<size_t>(t.gResultado.Filas()));
    for (int32_t r = 1; r <= t.gResultado.Filas(); ++r) std::copy_n(t.gResultado.Fila(r), 5, v[r - 1].begin());
    return v;
}

struct Corrida {
    Registro registro;
    ResultadoReduccion resultado;
    std::vector<int32_t> orden;  // the processing order at the end
};

// One run of the controller; stop at the yield `detenerEn` or when the cycle
// caption `detenerEnCiclo` shows.
inline Corrida Reducir(TablasSesion& t, const OpcionesReduccion& o, int64_t detenerEn = 0,
                       const std::string& detenerEnCiclo = "") {
    Corrida c;
    FuenteAleatoria f;
    TablasReduccion entradas;
    EXPECT_TRUE(entradas.Construir(t, o.tipo));
    ControladorReduccion ctl(t, entradas, f);
    c.registro.cederHastaDetener = detenerEn;
    c.registro.detenerEnCiclo = detenerEnCiclo;
    c.registro.detener = [&ctl] { ctl.PulsarDetener(); };
    c.resultado = ctl.Ejecutar(o, c.registro, Cesion(c.registro.FuncionCeder()));
    EXPECT_TRUE(ctl.Detenido());
    c.orden.assign(entradas.gOrdenApuestas.Datos(), entradas.gOrdenApuestas.Datos() + entradas.NumApuestas() + 1);
    return c;
}

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
    c.descripcion = "caso " + std::to_string(numero) + " forma " + std::to_string(forma) + " n=" + std::to_string(n);
    return c;
}

OpcionesReduccion Opciones(int tipo, const std::string& porcentaje = "100", bool conCiclos = false) {
    OpcionesReduccion o;
    o.tipo = tipo;
    o.porcentaje = porcentaje;
    o.conCiclos = conCiclos;
    return o;
}

std::array<std::vector<int>, 5> Primeros(std::array<int, 5> cuantos) {
    std::array<std::vector<int>, 5> d;
    for (int p = 0; p < 5; ++p)
        for (int x = 0; x < cuantos[p]; ++x) d[p].push_back(x);
    return d;
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

        TablasSesion literal = c.tablas;
        FuenteAleatoria f;
        ReferenciaReduccion ref(literal, f);
        Registro r;
        r.cederHastaDetener = detenerEn;
        r.detener = [&ref] { ref.Detener = true; };
        ref.Ejecutar(c.opciones, r, r.FuncionCeder());

        EXPECT_EQ(FilasResultado(motor), FilasResultado(literal));
        EXPECT_EQ(m.resultado.ciclos, ref.Ciclo);
        EXPECT_EQ(m.resultado.ajustada, c.opciones.conApuestasExactas && ref.Ciclo > 0);
        ASSERT_EQ(m.registro.Todo(), r.Todo());
    }
}

TEST(ReduccionEntradas, FilasMalFormadasORepetidasSeRechazan) {
    TablasSesion t;
    FijarBase(t, {1, 12, 23, 34, 45, 46}, true);
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
    Registro r;
    FuenteAleatoria f;
    ControladorReduccion ctl(t, e, f);
    EXPECT_EQ(ctl.Ejecutar(Opciones(kTipoReduccion4), r, Cesion()).error, kErrorEntradasNoValidas);
    EXPECT_TRUE(r.Todo().empty());
    // Rows out of order among themselves are fine.
    fijar({Fila{1, 2, 3, 4, 6}, Fila{1, 2, 3, 4, 5}});
    EXPECT_TRUE(e.Construir(t, kTipoReduccion4));

    EXPECT_EQ(COMBINAT(0, 1), 0);
    EXPECT_EQ(COMBINAT(50, 5), 2118760);
    EXPECT_EQ(Fact(171), 0.0);  // beyond a double
    EXPECT_EQ(Fact(-1), 0.0);
}

TEST(ReduccionVentana, NormalizacionDeLasOpcionesYMetodo) {
    const struct {
        const char *porcentaje, *apuestas, *porcentajeFinal, *apuestasFinal;
        int16_t objetivo;
        int32_t apuestasObjetivo;
    } casos[] = {{"150", "0", "100", "1", 100, 1},
                 {"", "", "100", "1", 100, 1},
                 {"0100", "0007", "0100", "0007", 100, 7},
                 {"0", "2147483647", "0", "2147483647", 0, 2147483647},
                 {"99999999999999999999", "12", "100", "12", 100, 12}};
    for (const auto& c : casos) {
        const OpcionesNormalizadas r = NormalizarOpciones(c.porcentaje, c.apuestas);
        EXPECT_TRUE(r.error.empty()) << c.porcentaje;
        EXPECT_EQ(r.porcentaje, c.porcentajeFinal);
        EXPECT_EQ(r.numApuestas, c.apuestasFinal);
        EXPECT_EQ(r.porcentajeObjetivo, c.objetivo);
        EXPECT_EQ(r.apuestasObjetivo, c.apuestasObjetivo);
    }
    for (const char* p : {"8o", "-5", "1e2"}) EXPECT_EQ(NormalizarOpciones(p, "1").error, kErrorPorcentajeNoNumerico);
    for (const char* a : {" 3", "2147483648"}) EXPECT_EQ(NormalizarOpciones("50", a).error, kErrorApuestasNoNumericas);

    // A refused text runs nothing, shows nothing and keeps the texts; so
    // does a missing type.
    TablasSesion t;
    BaseCartesiana(t, Primeros({2, 2, 2, 2, 2}));
    t.gResultado.Redimensionar(1);
    Corrida r = Reducir(t, Opciones(kTipoReduccion4, "1e2"));
    EXPECT_EQ(r.resultado.porcentaje, "1e2");
    EXPECT_TRUE(r.registro.Todo().empty());
    EXPECT_EQ(t.gResultado.Filas(), 1);
    r = Reducir(t, Opciones(-1));
    EXPECT_EQ(r.resultado.ciclos, 0);
    EXPECT_EQ(r.registro.cesiones, 0);

    // Type 3 covers up to the direct table's 24 cells, then goes sequential.
    using M = MetodoReduccion;
    const struct {
        int tipo, celdas;
        bool modoApuestas;
        int porcentaje;
        M metodo;
        int radio;
    } metodos[] = {{kTipoReduccion5, 50, false, 50, M::cobertura, 0}, {kTipoReduccion4, 30, true, 100, M::cobertura, 2},
                   {kTipoReduccion3, 24, false, 80, M::cobertura, 4}, {kTipoReduccion3, 25, false, 80, M::secuencialPorcentaje, 2},
                   {kTipoReduccion3, 25, true, 80, M::secuencialExacto, 2}, {kTipoReduccion2, 10, false, 100, M::secuencialExacto, 3},
                   {kTipoReduccion2, 10, false, 99, M::secuencialPorcentaje, 3}, {4, 10, false, 100, M::ninguno, 0}};
    for (const auto& m : metodos) {
        const EleccionReduccion e =
            ElegirReduccion(m.tipo, static_cast<int16_t>(m.celdas), m.modoApuestas, static_cast<int16_t>(m.porcentaje));
        EXPECT_EQ(e.metodo, m.metodo) << m.tipo << " " << m.celdas;
        EXPECT_EQ(e.radio, m.radio) << m.tipo << " " << m.celdas;
    }
}

TEST(ReduccionPuntuaciones, DetenerMientrasSeCalculan) {
    // 890 bets: the stop is seen at bet 800, with the bar at 89 %.
    TablasSesion t;
    BaseCartesiana(t, Primeros({10, 10, 10, 1, 1}), [](int32_t j) { return j <= 890; });
    Corrida r = Reducir(t, Opciones(kTipoReduccion4), 2);
    EXPECT_EQ(r.registro.Todo(), (std::vector<std::string>{"P:0", "C:0", "T:4 (n-1)", "N:890|", "C:Analizando ...",
                                                           "Y:1", "P:89", "Y:1", "C:0", "P:0"}));
    EXPECT_EQ(r.resultado.ciclos, 0);
    EXPECT_EQ(t.gResultado.Filas(), 0);
}

TEST(ReduccionCiclos, CiclosCortosAtiendenAlBotonDeDetener) {
    // First fit with cycles on 200 numbers while the bet box says 5000: no
    // cycle reaches the thousandth candidate, yet stop must be heard.
    TablasSesion t;
    BaseCartesiana(t, Primeros({5, 5, 2, 2, 2}));
    OpcionesReduccion o = Opciones(kTipoReduccion2, "100", true);
    o.numApuestas = "5000";
    Corrida r;
    ASSERT_NO_THROW(r = Reducir(t, o, 7));
    EXPECT_EQ(r.registro.cesiones, 7);
    EXPECT_EQ(r.resultado.ciclos, 7);
}

TEST(ReduccionCiclos, ConAleatorioLosBarajadosCambianDeUnaVezAOtra) {
    TablasSesion t;
    BaseCartesiana(t, Primeros({3, 3, 3, 3, 3}), [](int32_t j) { return j % 5 != 0; });
    for (int tipo : {kTipoReduccion4, kTipoReduccion2}) {
        OpcionesReduccion o = Opciones(tipo, "100", true);
        EXPECT_EQ(Reducir(t, o, 300).orden, Reducir(t, o, 300).orden) << tipo;
        o.conAleatorio = true;
        EXPECT_NE(Reducir(t, o, 300).orden, Reducir(t, o, 300).orden) << tipo;
    }
}

TEST(ReduccionAjuste, RecorteAlAzar) {
    // A random cut keeps distinct rows of the result, not always the first ones.
    const TablaNumeros resultado = prueba::Tabla({"01234", "11234", "21234", "31234", "41234", "51234"});
    TablasSesion t;
    FuenteAleatoria f;
    ProgresoReduccion progreso;
    Registro ventana;
    t.gResultado = resultado;
    const std::vector<Fila> todas = FilasResultado(t);
    bool otras = false;
    for (int vez = 0; vez < 10; ++vez) {
        t.gResultado = resultado;
        AjustarApuestas(t, 4, true, f, Cesion(), progreso, ventana);
        const auto recorte = FilasResultado(t);
        EXPECT_EQ(std::set<Fila>(recorte.begin(), recorte.end()).size(), 4u);
        for (const Fila& x : recorte) EXPECT_TRUE(std::count(todas.begin(), todas.end(), x));
        otras |= recorte != std::vector<Fila>(todas.begin(), todas.begin() + 4);
    }
    EXPECT_TRUE(otras);
}
