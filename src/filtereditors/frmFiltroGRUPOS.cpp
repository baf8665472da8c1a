#include "frmFiltroGRUPOS.h"

#include "validacion_grupos.h"

frmFiltroGRUPOS::frmFiltroGRUPOS(ContextoEditor& contexto, QWidget* padre)
    : EditorGruposPaginado(contexto,
                           Ajustes{contexto.sesion.filtros.NumerosGrupo, contexto.sesion.filtros.AciertosGrupo,
                                   contexto.sesion.filtros.GrupoActual, kFiltroGrupos, false},
                           padre) {
    setObjectName(QStringLiteral("frmFiltroGRUPOS"));
    setWindowTitle(QStringLiteral("GRUPOS DE NUMEROS (Max. %1)").arg(kNumGrupos));
    Cargar();
}

QString frmFiltroGRUPOS::Validar() const { return QString::fromStdString(ValidarGrupos(contexto_.sesion.filtros)); }
