#include "document/autosave.h"
#include "model/gamesetfile.h"
#include "tool/commands.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

const char* const ResaveUsage = "resave IN OUT | resave --out-dir DIR IN...";

int Resave(const QString& in, const QString& out, QTextStream& stdOut, QTextStream& err) {
    GameSet game;
    const FileError opened = OpenFile(game, in);
    if (opened.failed())
        return ReportFailure(err, "read", in, opened);
    // Written all the same, as the editor's Open Anyway would; the status says so.
    const QStringList reasons = NotAGameSet(in);
    for (const QString& reason : reasons)
        stdOut << in << ": not a game set: " << reason << '\n';
    // Where the set can only be rewritten in place, its old bytes are kept
    // with the editor's recovery copies first.
    const FileError saved = SaveFile(game, out, DefaultRecoveryFolder());
    if (saved.failed())
        return ReportFailure(err, "write", out, saved);
    return reasons.isEmpty() ? 0 : CheckFindingsStatus;
}

} // namespace

int runResave(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption outDir(QStringLiteral("out-dir"), QString(), QStringLiteral("DIR"));
    parser.addOption(outDir);
    if (!ParseArguments(parser, args, ResaveUsage, err))
        return 1;
    const QStringList files = parser.positionalArguments();
    if (!parser.isSet(outDir)) {
        if (files.size() != 2) {
            err << "Usage: quizmora-tool " << ResaveUsage << '\n';
            return 1;
        }
        return Resave(files.at(0), files.at(1), out, err);
    }
    if (files.isEmpty()) {
        err << "Usage: quizmora-tool " << ResaveUsage << '\n';
        return 1;
    }
    const QDir folder(parser.value(outDir));
    if (!folder.exists())
        return ReportFailure(err, "write to", folder.path(),
                             FileError::of(ErrorNumber::PathNotFound));
    // Every file is tried; one that fails does not stop the others.
    int status = 0;
    QSet<QString> written;
    for (const QString& in : files) {
        const QString target = folder.filePath(QFileInfo(in).fileName());
        if (written.contains(target)) {
            err << "quizmora-tool: cannot write " << target << " twice; " << in
                << " is not resaved\n";
            status = 1;
            continue;
        }
        written.insert(target);
        // An error (1) outweighs findings (3).
        const int one = Resave(in, target, out, err);
        status = (status == 1 || one == 1) ? 1 : qMax(status, one);
    }
    return status;
}
