// Placeholders that keep quizmora-tool linking until the import and listing
// subcommands land. To the engineer adding them: delete each function below
// when you define it in src/tool/import.cpp or src/tool/listing.cpp, and
// delete this file once it is empty.
#include "tool/commands.h"

int runImport(const QStringList&, QTextStream&, QTextStream& err) {
    err << "quizmora-tool: import is not available yet\n";
    return 1;
}

int runListing(const QStringList&, QTextStream&, QTextStream& err) {
    err << "quizmora-tool: listing is not available yet\n";
    return 1;
}
