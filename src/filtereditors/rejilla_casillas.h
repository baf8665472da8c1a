#pragma once
// The 5 x 10 digit grid shared by the main window and the filter editors:
// one column per position (DM .. UN), one row per digit 0..9, cell index =
// Casilla - 1. Which cells are selected is data held by a model; the cells'
// look is always drawn from it.
#include <QLabel>
#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "modelo.h"

class QGridLayout;
class RejillaBase;

// A label that reports a left click (press and release over it). Disabled
// labels take no clicks.
class EtiquetaPulsable : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaPulsable(const QString& texto = QString(), QWidget* padre = nullptr);

signals:
    void pulsada();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    bool pulsando_ = false;
};

// Where a grid reads and writes which cells (1..50) are selected.
class ModeloCasillas {
public:
    virtual ~ModeloCasillas() = default;
    virtual bool Seleccionada(Casilla c) const = 0;
    virtual void Fijar(Casilla c, bool seleccionada) = 0;
};

// The main window's base grid.
class ModeloRejillaBase final : public ModeloCasillas {
public:
    explicit ModeloRejillaBase(RejillaBase& rejilla) : rejilla_(rejilla) {}
    bool Seleccionada(Casilla c) const override;
    void Fijar(Casilla c, bool seleccionada) override;

private:
    RejillaBase& rejilla_;
};

// One row of cell bytes of a settings table (entry c = Casilla c, 1 = chosen),
// for example Matriz::Fila(g) of NumerosGrupo, or Arreglo::Datos() of
// NumerosPosiciones. The paged editors re-point it at another row. With no
// row it reads as empty and ignores writes.
class ModeloFilaCasillas final : public ModeloCasillas {
public:
    // fila points at the byte of cell 1; 50 bytes follow it.
    explicit ModeloFilaCasillas(uint8_t* fila = nullptr) : fila_(fila) {}
    void Apuntar(uint8_t* fila) { fila_ = fila; }
    uint8_t* Fila() const { return fila_; }
    bool Seleccionada(Casilla c) const override;
    void Fijar(Casilla c, bool seleccionada) override;

private:
    uint8_t* fila_;
};

struct OpcionesRejilla {
    // Cells are named nombreCeldas_0 .. nombreCeldas_49.
    QString nombreCeldas = QStringLiteral("lblNumero");
    // Column headings lblUnidades_0..4 ("DM" .. "UN") above the cells.
    bool encabezados = true;
    // Per-column counts of selected cells, lblContador_0..4, below the cells.
    bool contadores = false;
    // Narrower cells, for a window with six grids side by side.
    bool estrecha = false;
};

class RejillaCasillas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCeldas = kCasillas;

    // The model is not owned and may be null (an empty, read-only grid).
    explicit RejillaCasillas(ModeloCasillas* modelo, const OpcionesRejilla& opciones = {},
                             QWidget* padre = nullptr);

    // Changes the model and repaints from it.
    void FijarModelo(ModeloCasillas* modelo);
    ModeloCasillas* Modelo() const { return modelo_; }

    // Selection, by cell index 0..49 (Casilla - 1). Setters write the model
    // and repaint the cell and the counters; they emit nothing.
    bool Seleccionada(int indice) const;
    void FijarSeleccion(int indice, bool seleccionada);
    void Alternar(int indice);
    void SeleccionarTodas();
    void Limpiar();
    int ContarSeleccionadas() const;
    int ContarColumna(int posicion) const;  // posicion 1..5

    // Repaints every cell and the counters from the model.
    void Refrescar();
    // Repaints from the model and stores "unselected" for every disabled cell,
    // so that cells outside the base are dropped from the row shown.
    void RefrescarQuitandoDeshabilitadas();

    // Enabled cells take clicks; disabled ones are drawn greyed.
    void HabilitarCelda(int indice, bool habilitada);
    bool CeldaHabilitada(int indice) const;
    void HabilitarCeldas(bool habilitadas);
    // Enables exactly the cells selected in the main window's base grid.
    void HabilitarSegunBase(const RejillaBase& base);

    // Whether the cell's look is the selected one (opaque blue, white text).
    bool AspectoSeleccionado(int indice) const;

    QLabel* Celda(int indice) const { return celdas_[static_cast<size_t>(indice)]; }
    QLabel* Encabezado(int posicion) const;  // 1..5, null without headings
    QLabel* Contador(int posicion) const;    // 1..5, null without counters

    // Adds a row of widgets under the grid, one per column (null = empty).
    void AnadirFila(const QList<QWidget*>& porColumna);

signals:
    // A user click toggled the cell; the model already holds the new value.
    void celdaPulsada(int indice);

private:
    void Pintar(int indice);
    void PintarContadores();

    ModeloCasillas* modelo_;
    std::array<EtiquetaPulsable*, kCeldas> celdas_{};
    std::array<QLabel*, kPosiciones> encabezados_{};
    std::array<QLabel*, kPosiciones> contadores_{};
    QGridLayout* disposicion_ = nullptr;
};
