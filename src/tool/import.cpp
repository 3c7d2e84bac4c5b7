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
    // Nothing is written: a half-read board is not worth a file.
    if (imported.failed())
        return ReportFailure(err, "import", args.at(0), imported);
    const FileError saved = SaveFile(game, args.at(1));
    return saved.failed() ? ReportFailure(err, "write", args.at(1), saved) : 0;
}
