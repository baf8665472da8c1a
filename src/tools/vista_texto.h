#pragma once
// Shows a text of the companion windows in the user's text editor, through a
// file of its own that stays until the program ends.
#include <string>

class QWidget;

// False, after a critical message, when the file cannot be written or the
// editor cannot be opened.
bool VerTextoEnEditor(const std::string& texto, QWidget* padre);
