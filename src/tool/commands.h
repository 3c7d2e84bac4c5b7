#pragma once

#include "model/fileerror.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>

class QCommandLineParser;
class QCoreApplication;

// One function per subcommand. `args` holds the arguments after the
// subcommand's name. Usage and failures go to `err`; the result is the exit
// status (0 success, 1 error; "check" also returns 3 when it reports findings
// and no file failed to read).
using CommandFunction = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

struct Command {
    const char* name;
    const char* usage; // arguments, shown after the name in the help text
    CommandFunction run;
};

int runResave(const QStringList& args, QTextStream& out, QTextStream& err);
int runCheck(const QStringList& args, QTextStream& out, QTextStream& err);
int runImport(const QStringList& args, QTextStream& out, QTextStream& err);
int runExport(const QStringList& args, QTextStream& out, QTextStream& err);
int runListing(const QStringList& args, QTextStream& out, QTextStream& err);
// 3 when media that cannot be found were left out (--allow-missing).
int runPack(const QStringList& args, QTextStream& out, QTextStream& err);

// Parses a subcommand's options and arguments; on failure writes the reason
// and `usage` (the arguments after "quizmora-tool") to `err` and returns false.
bool ParseArguments(QCommandLineParser& parser, const QStringList& args, const char* usage,
                    QTextStream& err);

// Writes "quizmora-tool: cannot <action> <path>: error <n>, <description>" to
// `err` and returns the error exit status.
int ReportFailure(QTextStream& err, const char* action, const QString& path,
                  const FileError& error);

// Exit status of "check" when it has something to report.
constexpr int CheckFindingsStatus = 3;

// The application object for a run of the tool: a GUI application (on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise) for the check and
// a listing printed to PDF, which lay text out in fonts; a console
// application otherwise.
std::unique_ptr<QCoreApplication> CreateToolApplication(int& argc, char** argv);
