#pragma once

#include <QString>

// The About box's text: the program's version, its licence and the libraries it uses.
QString AboutText();

class QMainWindow;
class Services;

// The Help menu (About Quizmora Editor, About Qt) and the window's icon.
void AddHelpMenu(QMainWindow& window, Services& services);
