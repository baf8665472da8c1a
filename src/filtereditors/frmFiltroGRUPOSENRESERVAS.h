#pragma once
// Editor of the groups-in-reserves filter: the 360 groups of the groups
// editor, each of which may belong to one of the reserves A..H; each reserve
// says how many of its groups a number must satisfy.
#include <array>

#include "editor_grupos_paginado.h"
#include "validacion_grupos.h"

class QComboBox;

class frmFiltroGRUPOSENRESERVAS : public EditorGruposPaginado {
    Q_OBJECT
public:
    frmFiltroGRUPOSENRESERVAS(ContextoEditor& contexto, QWidget* padre = nullptr);

protected:
    void AntesDeCambiarPagina() override { GuardarReservasPagina(); }
    void TrasCambiarPagina() override { ContarGruposReserva(); }
    void AntesDeCerrar() override;
    void RefrescarAciertosGrupos() override;
    QString Validar() const override;

private:
    void GuardarReservasPagina();
    void ContarGruposReserva();
    void cmdModificarReservas_Click(int indice);
    void cmdTituloGRUPO_Click(int indice);

    std::array<QComboBox*, kSlots> cboRESERVAS_{};
    std::array<QLabel*, kNumReservas> lblNumeroGrupos_{};
    std::array<QLineEdit*, kNumReservas> txtAciertosReservas_{};
    std::array<int, kNumReservas + 1> GruposPorReserva{};
};
