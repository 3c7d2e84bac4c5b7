#include "tool/mediaoptions.h"

#include <QCommandLineParser>
#include <QDir>

const char* const MediaOptionsUsage = "[--map LOCAL=WINDOWS]... [--no-saved-maps]";
const char* const MediaOptionsHelp =
    "  --map LOCAL=WINDOWS  find media stored as WINDOWS\\... under the folder LOCAL\n"
    "                       here (C:\\Quiz\\a.jpg as LOCAL/a.jpg); repeatable\n"
    "  --no-saved-maps      use only the --map pairs, not the editor's saved media\n"
    "                       folders\n";

namespace {

const QString MapOption = QStringLiteral("map");
const QString NoSavedOption = QStringLiteral("no-saved-maps");

} // namespace

void AddMediaOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(MapOption, QString(), QStringLiteral("LOCAL=WINDOWS")));
    parser.addOption(QCommandLineOption(NoSavedOption));
}

MediaFolders MediaFoldersFromOptions(const QCommandLineParser& parser, QTextStream& err, bool& ok) {
    ok = true;
    QList<FolderPair> pairs;
    for (const QString& value : parser.values(MapOption)) {
        // A local folder may hold "=", a Windows folder never does.
        const qsizetype equals = value.lastIndexOf(QLatin1Char('='));
        QString local = equals < 0 ? QString() : value.left(equals);
        const QString windows = equals < 0 ? QString() : value.mid(equals + 1);
        if (local.startsWith(QStringLiteral("~/")))
            local = QDir::homePath() + local.mid(1);
        if (local.isEmpty() || !IsWindowsPath(windows)) {
            err << "quizmora-tool: --map " << value
                << ": expected LOCAL=WINDOWS, a folder here and an absolute Windows folder "
                   "(C:\\Quiz or \\\\server\\share\\Quiz)\n";
            ok = false;
            continue;
        }
        pairs << FolderPair{QDir::cleanPath(QDir::current().absoluteFilePath(local)), windows};
    }
    if (!parser.isSet(NoSavedOption))
        pairs << SavedMediaFolders();
    return MediaFolders(pairs);
}
