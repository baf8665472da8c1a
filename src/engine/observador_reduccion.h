#pragma once
// What the reduction window shows while a reduction runs. The engine reports
// through this interface; the window only draws.
#include <cstdint>
#include <string>

// Texts the reduction window shows.
inline constexpr const char* kTituloReduccion = "Reduciendo...";
inline constexpr const char* kTituloAjuste = "Ajustando Apuestas ...";
inline constexpr const char* kCicloAnalizando = "Analizando ...";
inline constexpr const char* kAyudaCiclo = "Obtenida en el ciclo: ";

// Everything the reduction window displays, and the main window's reduced count.
class ObservadorReduccion {
public:
    virtual ~ObservadorReduccion() = default;
    // lblTipo: the text of the chosen type ("" when none is chosen).
    virtual void MostrarTipo(const std::string& texto) = 0;
    // lblCiclos: "0", "Analizando ..." or the cycle number.
    virtual void MostrarCiclo(const std::string& texto) = 0;
    // lblApuestasVP: first the conditioned count with no tool-tip, then each
    // better result with "Obtenida en el ciclo: " and its cycle.
    virtual void MostrarNumeros(int32_t cuenta, const std::string& ayuda) = 0;
    // lblProgressBar, 0..100. Sent only when it changes.
    virtual void MostrarProgreso(int porcentaje) = 0;
    // The main window's reduced count (txtApuestasReducidas).
    virtual void MostrarReducidas(int32_t cuenta) = 0;
    // The exact-bets adjustment starts: hide the stop image, caption `titulo`.
    virtual void EmpezarAjuste(const std::string& titulo) = 0;
};

// Sends the progress bar's percentage only when it changes.
class ProgresoReduccion {
public:
    void Conectar(ObservadorReduccion* observador) {
        observador_ = observador;
        ultimo_ = -1;
    }
    void operator()(int porcentaje) {
        if (observador_ == nullptr || porcentaje == ultimo_) return;
        ultimo_ = porcentaje;
        observador_->MostrarProgreso(porcentaje);
    }

private:
    ObservadorReduccion* observador_ = nullptr;
    int ultimo_ = -1;
};
