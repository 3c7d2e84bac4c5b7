#pragma once

#include "model/mediafolders.h"

#include <QTextStream>

class QCommandLineParser;

// "--map LOCAL=WINDOWS" (repeatable) and "--no-saved-maps", for the commands
// that find media.
void AddMediaOptions(QCommandLineParser& parser);
// The pairs given with --map, then, unless --no-saved-maps, the editor's
// saved ones. A malformed --map is written to `err` and sets `ok` to false.
MediaFolders MediaFoldersFromOptions(const QCommandLineParser& parser, QTextStream& err, bool& ok);
// The usage and help text of the two options.
extern const char* const MediaOptionsUsage; // "[--map LOCAL=WINDOWS]... [--no-saved-maps]"
extern const char* const MediaOptionsHelp;  // the lines under "Options:"
