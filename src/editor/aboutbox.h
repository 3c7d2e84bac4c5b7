#pragma once

#include <QString>

// The About box's text: the program's version, its licence and the libraries it uses.
QString AboutText();
