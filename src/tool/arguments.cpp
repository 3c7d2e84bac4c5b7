#include "tool/commands.h"

#include <QCommandLineParser>
#include <QTextStream>

int ReportFailure(QTextStream& err, const char* action, const QString& path,
                  const FileError& error) {
    err << "quizmora-tool: cannot " << action << ' ' << path << ": error " << error.number << ", "
        << error.description << '\n';
    if (!error.reason.isEmpty())
        err << error.reason << '\n';
    return 1;
}

bool ParseArguments(QCommandLineParser& parser, const QStringList& args, const char* usage,
                    QTextStream& err) {
    // The parser takes the program's name first.
    if (parser.parse(QStringList{QStringLiteral("quizmora-tool")} + args))
        return true;
    err << "quizmora-tool: " << parser.errorText() << '\n'
        << "Usage: quizmora-tool " << usage << '\n';
    return false;
}
