#include "import/tabimport.h"
#include "model/gamesetfile.h"
#include "model/textloss.h"
#include "tool/commands.h"

#include <QFileInfo>

int runImport(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 2) {
        err << "Usage: quizmora-tool import TSV OUT\n";
        return 1;
    }
    // Writing over the spreadsheet's export would lose it for a board the
    // format may not even hold as typed.
    const QFileInfo in(args.at(0));
    const QFileInfo out(args.at(1));
    if (in.exists() && out.exists() && in.canonicalFilePath() == out.canonicalFilePath()) {
        err << "quizmora-tool: " << args.at(1)
            << " is the file being imported; choose another OUT\n";
        return 1;
    }
    // The editor's import starts from a reset game set too.
    GameSet game;
    ResetGameSet(game);
    int line = 0;
    const FileError imported = ImportTabDelimitedFile(game, args.at(0), &line);
    // Nothing is written: a half-read board is not worth a file.
    if (imported.failed()) {
        const QString where =
            line > 0 ? QStringLiteral("%1, line %2").arg(args.at(0)).arg(line) : args.at(0);
        return ReportFailure(err, "import", where, imported);
    }
    const QList<TextLoss> losses = FindTextLoss(game);
    const FileError saved = SaveFile(game, args.at(1));
    if (saved.failed())
        return ReportFailure(err, "write", args.at(1), saved);
    for (const TextLoss& loss : losses)
        err << "quizmora-tool: warning: " << DescribeTextLoss(loss) << '\n';
    return losses.isEmpty() ? 0 : CheckFindingsStatus;
}
