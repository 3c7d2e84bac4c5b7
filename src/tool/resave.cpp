#include "model/gamesetfile.h"
#include "tool/commands.h"

int runResave(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 2) {
        err << "Usage: quizmora-tool resave IN OUT\n";
        return 1;
    }
    GameSet game;
    const FileError opened = OpenFile(game, args.at(0));
    if (opened.failed()) {
        err << "quizmora-tool: cannot read " << args.at(0) << ": error " << opened.number << ", "
            << opened.description << '\n';
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
