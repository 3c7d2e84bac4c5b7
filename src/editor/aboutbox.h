#pragma once

#include <QString>

class frmEditor;

// Adds the Help menu (About Quizmora Editor, About Qt) to the window's menu
// bar and gives the window the program's icon.
void SetUpHelpMenu(frmEditor& editor);

// The About box's text: the program's version, its licence and the libraries it uses.
QString AboutText();
