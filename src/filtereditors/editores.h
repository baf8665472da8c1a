#pragma once
// Opens the editor of filter 3..10 modally.
#include "selector_aciertos.h"

class QWidget;

void AbrirEditorFiltro(int indiceFiltro, ContextoEditor& contexto, QWidget* padre);
