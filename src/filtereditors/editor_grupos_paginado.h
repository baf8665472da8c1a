#pragma once
// What the groups editor and the groups-in-reserves editor share: three
// groups a page, each shown in a digit grid re-pointed at its settings row,
// with its allowed hit counts; "-" / "+" and a group-number box move between
// the 120 pages; closing validates every group.
#include <QString>
#include <array>
#include <cstdint>

#include "rejilla_casillas.h"
#include "selector_aciertos.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QHBoxLayout;

class EditorGruposPaginado : public VentanaSecundaria {
    Q_OBJECT
public:
    static constexpr int kSlots = 3;

    // Test and layout access to one page slot (0..2).
    RejillaCasillas* Rejilla(int slot) const { return rejillas_[static_cast<size_t>(slot)]; }

protected:
    struct Ajustes {
        Matriz<uint8_t>& numeros;   // rows 1..360, cells 1..50
        Matriz<uint8_t>& aciertos;  // rows 1..360, counts from 0
        int16_t& pagina;            // the shared page counter
        int indiceFiltro;
        bool seleccionMarcaFiltro;  // whether select all / clear tick the filter
    };

    EditorGruposPaginado(ContextoEditor& contexto, const Ajustes& ajustes, QWidget* padre);

    // The load steps; derived windows call it once their own controls exist.
    void Cargar();

    int DesplazamientoGrupo() const { return kSlots * ajustes_.pagina - kSlots; }
    void CambiarPagina(int pagina);

    // Hooks of the groups-in-reserves editor.
    virtual void AntesDeCambiarPagina() {}
    virtual void TrasCambiarPagina() {}
    virtual void AntesDeCerrar() {}
    virtual void RefrescarAciertosGrupos();
    // The first failing item's message, or empty.
    virtual QString Validar() const = 0;

    bool PuedeCerrarUsuario() override;

    void MarcarFiltro();

    // Layout places for the derived window.
    QVBoxLayout* ColumnaSlot(int slot) const { return columnas_[static_cast<size_t>(slot)]; }
    QVBoxLayout* Raiz() const { return raiz_; }
    QHBoxLayout* Pie() const { return pie_; }

    ContextoEditor& contexto_;
    Ajustes ajustes_;

private:
    void RefrescarNumerosGrupos();
    void PonerTitulos();
    void BotonesPagina();

    void txtNumeroGRUPO_Intro();
    void lblNumero_Click(int slot);
    void imgALLNumeros_Click(int slot);
    void imgININumeros_Click(int slot);
    void cmdModificar_Click(int slot);
    void cmdVolver_Click();

    std::array<ModeloFilaCasillas, kSlots> modelos_;
    std::array<RejillaCasillas*, kSlots> rejillas_{};
    std::array<QLabel*, kSlots> titulos_{};
    std::array<QLineEdit*, kSlots> txtAciertos_{};
    std::array<QVBoxLayout*, kSlots> columnas_{};
    QPushButton* cmdMENOSBloque_ = nullptr;
    QPushButton* cmdMASBloque_ = nullptr;
    QLineEdit* txtNumeroGRUPO_ = nullptr;
    QVBoxLayout* raiz_ = nullptr;
    QHBoxLayout* pie_ = nullptr;
};


