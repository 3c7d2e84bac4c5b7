#include "tool/commands.h"
#include "tool/mediaoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <array>
#include <csignal>
#include <cstdio>

namespace {

// Add a subcommand here and define its run function in its own file.
const std::array<Command, 5> Commands = {{
    {"resave", "IN OUT | --out-dir DIR IN...", runResave},
    {"check", "FILE... [--format=text|json] [--map LOCAL=WINDOWS]... [--no-saved-maps]", runCheck},
    {"import", "TSV OUT", runImport},
    {"export", "SET OUT [--utf8]", runExport},
    {"listing",
     "FILE [--fields all|questions|answers] "
     "[--dollars none|1-5|5-25|10-50|20-100|100-500|200-1000] [--pdf OUT]",
     runListing},
}};

// In the GNU form ("Usage:", "  or:", then the options), from which the
// build writes the manual page.
void PrintUsage(QTextStream& stream) {
    const char* lead = "Usage: ";
    for (const Command& command : Commands) {
        stream << lead << "quizmora-tool " << command.name << ' ' << command.usage << '\n';
        lead = "  or:  ";
    }
    stream << lead << "quizmora-tool --help|--version\n"
           << "Runs the editor's reading, saving, import, check and listing without a window.\n\n"
           << "Options:\n"
           << "  --help     print this help and exit\n"
           << "  --version  print the version and exit\n"
           << "\nMedia options of check, which finds media as the editor does:\n"
           << MediaOptionsHelp;
}

} // namespace

// The tool prints only its own output: Qt's notes about the environment
// (XDG_RUNTIME_DIR unset under cron or su, say) are no concern of a script.
static void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        std::fprintf(stderr, "quizmora-tool: %s\n", qPrintable(message));
}

int main(int argc, char* argv[]) {
    qInstallMessageHandler(QuietQtMessages);
    // Over a file-size limit a write fails with "File too large" and is
    // reported, instead of the signal ending the tool without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::unique_ptr<QCoreApplication> application = CreateToolApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        PrintUsage(err);
        return 1;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("help")) {
        PrintUsage(out);
        return 0;
    }
    if (name == QLatin1String("--version")) {
        out << "quizmora-tool " << QZ_VERSION << '\n';
        return 0;
    }
    for (const Command& command : Commands) {
        if (name == QLatin1String(command.name)) {
            const int status = command.run(arguments, out, err);
            out.flush();
            err.flush();
            return status;
        }
    }
    err << "quizmora-tool: unknown command \"" << name << "\"\n";
    PrintUsage(err);
    return 1;
}
