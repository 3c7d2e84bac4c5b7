#pragma once

#include "model/fileerror.h"

#include <QStringList>

class QPrinter;

// Prints `lines` as one document on `printer`: one line under the other from
// the top of the page in the printer's default font, a new page when the page
// is full, no wrapping. Ending the document sends it to the printer.
FileError PrintLines(QPrinter& printer, const QStringList& lines);

// The number of lines PrintLines puts on one page of `printer`.
int LinesPerPage(QPrinter& printer);
