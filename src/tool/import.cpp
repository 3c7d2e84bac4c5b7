#include "import/tabimport.h"
#include "model/gamesetfile.h"
#include "tool/commands.h"

int runImport(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 2) {
        err << "Usage: quizmora-tool import TSV OUT\n";
        return 1;
    }
    // The editor's import starts from a reset game set too.
    GameSet game;
    ResetGameSet(game);
    const FileError imported = ImportTabDelimitedFile(game, args.at(0));
    if (imported.failed()) {
        // Nothing is written: a half-read board is not worth a file.
        err << "quizmora-tool: cannot import " << args.at(0) << ": error " << imported.number
            << ", " << imported.description << '\n';
        return 1;
    }
    const FileError saved = SaveFile(game, args.at(1));
    if (saved.failed()) {
        err << "quizmora-tool: cannot write " << args.at(1) << ": error " << saved.number << ", "
            << saved.description << '\n';
        return 1;
    }
    return 0;
}
