#include "import/tabimport.h"
#include "model/gamesetfile.h"
#include "tool/commands.h"

#include "util/pathhelpers.h"

int runImport(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 2) {
        err << "Usage: quizmora-tool import TSV OUT\n";
        return 1;
    }
    // Writing over the spreadsheet's export would lose it for a board the
    // format may not even hold as typed.
    if (SameFile(args.at(0), args.at(1))) {
        err << "quizmora-tool: " << args.at(1)
            << " is the file being imported; choose another OUT\n";
        return 1;
    }
    // The editor's import starts from a reset game set too.
    GameSet start;
    ResetGameSet(start);
    const TabImport imported = ImportTabDelimitedCheckedFile(start, args.at(0));
    // Nothing is written: a half-read board is not worth a file.
    if (imported.error.failed()) {
        const QString where =
            imported.errorLine > 0
                ? QStringLiteral("%1, row %2").arg(args.at(0)).arg(imported.errorLine)
                : args.at(0);
        return ReportFailure(err, "import", where, imported.error);
    }
    GameSet game = imported.game;
    const FileError saved = SaveFile(game, args.at(1));
    if (saved.failed())
        return ReportFailure(err, "write", args.at(1), saved);
    // The findings are printed as the check prints its own; the set is
    // written all the same, as the editor's Import Anyway would.
    for (const Finding& finding : imported.findings) {
        if (finding.line > 0)
            out << "row " << finding.line << ": ";
        out << finding.message << '\n';
    }
    return imported.findings.isEmpty() ? 0 : CheckFindingsStatus;
}
