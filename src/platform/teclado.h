#pragma once
// The keyboard filter of numeric boxes (modes 1, 8 and 17), as an event
// filter on a line edit. Dropped keys beep; a pasted text that the mode
// does not accept is refused with a message.
class QKeyEvent;
class QLineEdit;

void InstalarFiltroTecla(QLineEdit* caja, int tipo);

// Whether a key reaches a box's key-press handler: a printable character,
// Backspace, Enter or Escape. Tab, arrows and other moving keys do not.
bool EsTeclaDeCaracter(const QKeyEvent* tecla);
