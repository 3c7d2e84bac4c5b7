#pragma once

#include "model/fileerror.h"

#include <QStringList>

class QPrinter;

// Prints `lines` as one document on `printer`: one line under the other from
// the top of the page in the printer's default font, a new page when the page
// is full, no wrapping. Ending the document sends it to the printer.
FileError PrintLines(QPrinter& printer, const QStringList& lines);

// Prints `lines` into the PDF file `path` through the program's safe write:
// rendered into a new file beside it, which replaces `path` only once it is
// whole (it ends with "%%EOF"); a failure leaves the old file. `input` is the
// set the listing was made of, which is never written over.
FileError PrintLinesToPdf(QPrinter& printer, const QStringList& lines, const QString& path,
                          const QString& input);

// The number of lines PrintLines puts on one page of `printer`.
int LinesPerPage(QPrinter& printer);
