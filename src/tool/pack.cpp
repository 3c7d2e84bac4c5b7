#include "pack/pack.h"
#include "model/gamesetfile.h"
#include "model/mediafolders.h"
#include "tool/commands.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

// Until the shared options of the media commands land: --map LOCAL=WINDOWS
// (repeatable), then the saved pairs unless --no-saved-maps.
const QCommandLineOption MapOption(QStringLiteral("map"), QString(),
                                   QStringLiteral("LOCAL=WINDOWS"));
const QCommandLineOption NoSavedMaps(QStringLiteral("no-saved-maps"));

void AddMediaOptions(QCommandLineParser& parser) {
    parser.addOptions({MapOption, NoSavedMaps});
}

MediaFolders MediaFoldersFromOptions(const QCommandLineParser& parser, QTextStream& err, bool& ok) {
    QList<FolderPair> pairs;
    for (const QString& map : parser.values(MapOption)) {
        const qsizetype equals = map.indexOf(QLatin1Char('='));
        if (equals <= 0 || !IsWindowsPath(map.mid(equals + 1))) {
            err << "quizmora-tool: --map takes LOCAL=WINDOWS, such as ~/Quiz=C:\\Quiz, not " << map
                << '\n';
            ok = false;
        }
        pairs << FolderPair{map.left(equals), map.mid(equals + 1)};
    }
    if (!parser.isSet(NoSavedMaps))
        pairs << SavedMediaFolders();
    return MediaFolders(pairs);
}

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
