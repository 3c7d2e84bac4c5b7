#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

EditorCommandLine ReadEditorCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the game sets of the Quizmora quiz-board game."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("The game set to open, as File > Open does. Without it the editor opens "
                       "the game's current game when the game's settings ask for it, and "
                       "otherwise starts with a new game set."),
        QStringLiteral("[file]"));

    EditorCommandLine commandLine;
    const QString usageHint = QStringLiteral("Try 'quizmora-editor --help' for more.\n");
    if (!parser.parse(arguments)) {
        Print(stderr, QStringLiteral("quizmora-editor: ") + parser.errorText() + QLatin1Char('\n') +
                          usageHint);
        commandLine.exitStatus = 1;
    } else if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        commandLine.exitStatus = 0;
    } else if (parser.isSet(version)) {
        // The program's name, not the application name ("QuizmoraEditor"), which
        // stays as it is because it names the program's settings.
        Print(stdout, QStringLiteral("quizmora-editor ") + QCoreApplication::applicationVersion() +
                          QLatin1Char('\n'));
        commandLine.exitStatus = 0;
    } else if (parser.positionalArguments().size() > 1) {
        Print(stderr, QStringLiteral("quizmora-editor: one game set at most, not %1\n")
                              .arg(parser.positionalArguments().size()) +
                          usageHint);
        commandLine.exitStatus = 1;
    } else if (!parser.positionalArguments().isEmpty()) {
        commandLine.file = parser.positionalArguments().constFirst();
    }
    return commandLine;
}
