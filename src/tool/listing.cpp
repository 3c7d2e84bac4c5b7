#include "print/listing.h"
#include "model/gamesetfile.h"
#include "print/printout.h"
#include "tool/commands.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <optional>
#include <utility>

namespace {

const char* const ListingUsage =
    "Usage: quizmora-tool listing FILE [--fields all|questions|answers] "
    "[--dollars none|1-5|5-25|10-50|20-100|100-500|200-1000] [--pdf OUT]\n";

std::optional<PrintMode> ModeFromName(const QString& name) {
    static const std::pair<const char*, PrintMode> Modes[] = {
        {"all", PrintMode::All},
        {"questions", PrintMode::Questions},
        {"answers", PrintMode::Answers},
    };
    for (const auto& [text, mode] : Modes) {
        if (name == QLatin1String(text))
            return mode;
    }
    return std::nullopt;
}

// The dollar options of the print dialog by their range.
std::optional<int> MultiplierFromName(const QString& name) {
    static const std::pair<const char*, int> Ranges[] = {
        {"none", 0},    {"1-5", 1},       {"5-25", 5},       {"10-50", 10},
        {"20-100", 20}, {"100-500", 100}, {"200-1000", 200},
    };
    for (const auto& [text, multiplier] : Ranges) {
        if (name == QLatin1String(text))
            return multiplier;
    }
    return std::nullopt;
}

bool IsPdfListing(int argc, char** argv) {
    if (argc < 2 || qstrcmp(argv[1], "listing") != 0)
        return false;
    for (int index = 2; index < argc; ++index) {
        if (qstrcmp(argv[index], "--pdf") == 0)
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<QCoreApplication> CreateToolApplication(int& argc, char** argv) {
    if (!IsPdfListing(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    // Laying text out on a printer needs fonts, hence a GUI application; the
    // tool never shows a window, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runListing(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString file;
    QString pdf;
    PrintMode mode = PrintMode::All;
    int multiplier = 100;
    for (qsizetype index = 0; index < args.size(); ++index) {
        const QString& argument = args.at(index);
        const bool hasValue = index + 1 < args.size();
        if (argument == QLatin1String("--fields") && hasValue) {
            const auto chosen = ModeFromName(args.at(++index));
            if (!chosen) {
                err << ListingUsage;
                return 1;
            }
            mode = *chosen;
        } else if (argument == QLatin1String("--dollars") && hasValue) {
            const auto chosen = MultiplierFromName(args.at(++index));
            if (!chosen) {
                err << ListingUsage;
                return 1;
            }
            multiplier = *chosen;
        } else if (argument == QLatin1String("--pdf") && hasValue) {
            pdf = args.at(++index);
        } else if (file.isEmpty() && !argument.startsWith(QLatin1String("--"))) {
            file = argument;
        } else {
            err << ListingUsage;
            return 1;
        }
    }
    if (file.isEmpty()) {
        err << ListingUsage;
        return 1;
    }

    GameSet game;
    const FileError opened = OpenFile(game, file);
    if (opened.failed())
        return ReportFailure(err, "read", file, opened);
    // The editor always knows the open file by its full path; a relative
    // FILE is made absolute so that it gets the same title.
    const QString title = ListingTitle(QFileInfo(file).absoluteFilePath());
    const QStringList lines = BuildListing(game, mode, DollarValuesFor(multiplier), title);

    if (pdf.isEmpty()) {
        for (const QString& line : lines)
            out << line << '\n';
        return 0;
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << "quizmora-tool: printing needs a GUI application\n";
        return 1;
    }
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const FileError printed = PrintLines(printer, lines);
    return printed.failed() ? ReportFailure(err, "print to", pdf, printed) : 0;
}
