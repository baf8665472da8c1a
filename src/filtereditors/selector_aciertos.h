#pragma once
// The hit-count choosers and the exchange every filter editor uses with them:
// an editor hands one allowed-counts row to a chooser, the chooser edits the
// shared exchange row, and the editor takes the row back as 0/1 flags and as
// its list text ("0,2,5").
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

#include "sesion.h"
#include "ventana_secundaria.h"

class QWidget;

// What a filter editor gets from the main window that opens it.
struct ContextoEditor {
    EstadoSesion& sesion;
    // Ticks the main window's check box of filter 3..10.
    std::function<void(int indiceFiltro)> MarcarFiltro;
    // Unticks it (an editor whose clear command empties the filter).
    std::function<void(int indiceFiltro)> DesmarcarFiltro = {};
};

// The list text of a row: ascending counts with flag 1, joined by ",".
QString TextoFilaAciertos(const uint8_t* fila, int maximo);

// Counts 0..5, of which minimo..maximo are offered. `fila` points at count 0
// of a row 0..5 (e.g. Matriz::Fila(g)). Returns the row's list text and ticks
// filter `indiceFiltro`.
QString ProtocoloSelectorAciertos(ContextoEditor& contexto, uint8_t* fila, int minimo, int maximo, int indiceFiltro,
                                  QWidget* padre = nullptr);
// Counts 0..79 of reserve `letra` (A..H), all offered; ticks GRUPOSENRESERVAS.
QString ProtocoloSelectorReservas(ContextoEditor& contexto, uint8_t* fila, QChar letra, QWidget* padre = nullptr);

// The two chooser windows. They read and write only the exchange row.
class SelectorAciertos : public VentanaSecundaria {
    Q_OBJECT
public:
    // Counts 0..ultimo laid out in rows of `porFila`; reserves show a title and buttons.
    SelectorAciertos(Arreglo<uint8_t>& seleccionados, int ultimo, int porFila, bool reservas, QWidget* padre = nullptr);

    int AciertoMinimo = 0;
    int AciertoMaximo = 5;
    void FijarTitulo(const QString& titulo);

    void lblAciertos_Click(int indice);
    void Todos();
    void Ninguno();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Pintar(int indice, bool elegido);
    bool EnRango(int k) const { return k >= AciertoMinimo && k <= AciertoMaximo; }

    Arreglo<uint8_t>& seleccionados_;
    QList<class EtiquetaPulsable*> etiquetas_;
    class QLabel* titulo_ = nullptr;
};

// frmAciertos: counts 0..5 in one row.
class frmAciertos : public SelectorAciertos {
    Q_OBJECT
public:
    explicit frmAciertos(Arreglo<uint8_t>& seleccionados, QWidget* padre = nullptr);
};

// frmAciertosRESERVAS: counts 0..79 in five rows of sixteen, with a title.
class frmAciertosRESERVAS : public SelectorAciertos {
    Q_OBJECT
public:
    explicit frmAciertosRESERVAS(Arreglo<uint8_t>& seleccionados, QWidget* padre = nullptr);
};

namespace PruebaSelector {
// While active no chooser is shown: each exchange takes the next queued list
// of counts to choose (counts of the range not listed are cleared; counts
// outside the range keep their flags). Nothing queued leaves the row as it is.
struct Registro {
    int minimo;
    int maximo;
    QString titulo;
};
void Activar();
void Desactivar();
void EncolarEleccion(const QList<int>& cuentas);
const QList<Registro>& Mostrados();
}  // namespace PruebaSelector
