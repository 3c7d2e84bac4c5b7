#include "pack/pack.h"
#include "model/gamesetfile.h"
#include "tool/commands.h"
#include "tool/mediaoptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

const char* const PackUsage = "pack SET --out DIR --game-folder WINFOLDER [--map LOCAL=WINDOWS]... "
                              "[--no-saved-maps] [--zip] [--allow-missing] [--force]";
} // namespace

int runPack(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption outOption(QStringLiteral("out"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption gameFolder(QStringLiteral("game-folder"), QString(),
                                        QStringLiteral("WINFOLDER"));
    const QCommandLineOption zip(QStringLiteral("zip"));
    const QCommandLineOption allowMissing(QStringLiteral("allow-missing"));
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOptions({outOption, gameFolder, zip, allowMissing, force});
    AddMediaOptions(parser);
    if (!ParseArguments(parser, args, PackUsage, err))
        return 1;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1 || !parser.isSet(outOption) || !parser.isSet(gameFolder)) {
        err << "Usage: quizmora-tool " << PackUsage << '\n';
        return 1;
    }
    bool mapsOk = true;
    MediaFolders folders = MediaFoldersFromOptions(parser, err, mapsOk);
    if (!mapsOk)
        return 1;

    const QString& set = files.first();
    GameSet game;
    const FileError opened = OpenFile(game, set);
    if (opened.failed())
        return ReportFailure(err, "read", set, opened);

    PackRequest request;
    request.setName = QFileInfo(set).completeBaseName();
    request.setFile = set;
    request.out = parser.value(outOption);
    request.gameFolder = parser.value(gameFolder);
    request.zip = parser.isSet(zip);
    request.allowMissing = parser.isSet(allowMissing);
    request.force = parser.isSet(force);
    const MediaLocator locator(std::move(folders), QFileInfo(set).absolutePath());
    const PackResult result = PackGameSet(game, locator, request);
    if (result.error.failed()) {
        const int status = ReportFailure(err, "pack", set, result.error);
        if (result.forceHelps)
            err << "Use --force to write it there all the same.\n";
        return status;
    }
    const QStringList missing = result.missing();
    for (const QString& medium : missing)
        err << "quizmora-tool: warning: not packed, cannot be found: " << medium << '\n';
    out << "Packed " << set << " into " << QDir::toNativeSeparators(result.written) << '\n';
    return missing.isEmpty() ? 0 : CheckFindingsStatus;
}
