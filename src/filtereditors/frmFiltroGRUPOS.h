#pragma once
// Editor of the groups filter: 360 groups of cells, each with its allowed hit counts.
#include "editor_grupos_paginado.h"

class frmFiltroGRUPOS : public EditorGruposPaginado {
    Q_OBJECT
public:
    frmFiltroGRUPOS(ContextoEditor& contexto, QWidget* padre = nullptr);

protected:
    QString Validar() const override;
};
