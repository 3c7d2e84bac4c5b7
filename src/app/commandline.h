#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the editor's command line asks for.
struct EditorCommandLine {
    QString file;                  // the game set to open at start-up; "" for none
    std::optional<int> exitStatus; // set when the program is to end at once with it
};

// Reads the arguments (the program's name first, Qt's own options already
// taken out). --help and --version print to standard output and ask to end
// with status 0; a wrong argument prints the error to standard error and asks
// to end with status 1.
EditorCommandLine ReadEditorCommandLine(const QStringList& arguments);
