#pragma once
// Editor of the related groups filter: 60 groups of six subgroups of cells
// and six conditions, one group shown at a time. Edits are stored at once;
// the window closes only through "Volver", which checks every group and packs
// the active subgroups at the front of each group.
#include <array>

#include "rejilla_casillas.h"
#include "selector_aciertos.h"
#include "ventana_secundaria.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmFiltroGRURELACIONADOS : public VentanaSecundaria {
    Q_OBJECT
public:
    explicit frmFiltroGRURELACIONADOS(ContextoEditor& contexto, QWidget* padre = nullptr);

    RejillaCasillas* Rejilla(int subgrupo) const { return rejillas_[static_cast<size_t>(subgrupo)]; }  // 0..5

private:
    void imgALLNumeros_Click(int indice);
    void imgININumeros_Click(int indice);
    void cmdModificar_Click(int indice);
    void cmdMASBloque_Click();
    void cmdMENOSBloque_Click();
    void cmdVolver_Click();
    // Shows the group GrupoRelacionadoActual: grids, conditions, titles, buttons.
    void MostrarGrupo();
    void RefrescarNumerosSubgrupos();
    void RefrescarCondiciones();

    ContextoEditor& contexto_;
    int base_ = 0;  // row base of the group shown
    std::array<ModeloFilaCasillas, 6> modelos_;
    std::array<RejillaCasillas*, 6> rejillas_{};
    std::array<QLabel*, 6> lblTitGrupo_{};
    std::array<QLineEdit*, 6> txtAciertos_{};
    QLabel* lblNumeroGrupo_ = nullptr;
    QPushButton* cmdMENOSBloque_ = nullptr;
    QPushButton* cmdMASBloque_ = nullptr;
};
