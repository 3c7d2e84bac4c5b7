#include "import/tabexport.h"
#include "model/gamesetfile.h"
#include "tool/commands.h"

#include <QCommandLineParser>

namespace {
const char* const ExportUsage = "export SET OUT [--utf8]";
}

int runExport(const QStringList& args, QTextStream&, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption utf8(QStringLiteral("utf8"));
    parser.addOption(utf8);
    if (!ParseArguments(parser, args, ExportUsage, err))
        return 1;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        err << "Usage: quizmora-tool " << ExportUsage << '\n';
        return 1;
    }
    GameSet game;
    const FileError opened = OpenFile(game, files.at(0));
    if (opened.failed())
        return ReportFailure(err, "read", files.at(0), opened);
    const TabExport exported = ExportTabDelimited(
        game, parser.isSet(utf8) ? TextEncoding::Utf8 : TextEncoding::Windows1252);
    const FileError written = WriteExportFile(files.at(1), exported.bytes, files.at(0));
    if (written.failed())
        return ReportFailure(err, "write", files.at(1), written);
    // The export is written; what changed on the way is worth a warning, not a failure.
    for (const Finding& change : exported.changes)
        err << "quizmora-tool: warning: " << files.at(1) << " line " << change.line << ": "
            << change.message << '\n';
    return 0;
}
