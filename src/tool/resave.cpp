#include "model/gamesetfile.h"
#include "tool/commands.h"

int runResave(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 2) {
        err << "Usage: quizmora-tool resave IN OUT\n";
        return 1;
    }
    GameSet game;
    const FileError opened = OpenFile(game, args.at(0));
    if (opened.failed())
        return ReportFailure(err, "read", args.at(0), opened);
    const FileError saved = SaveFile(game, args.at(1));
    return saved.failed() ? ReportFailure(err, "write", args.at(1), saved) : 0;
}
