#include "print/listing.h"
#include "model/gamesetfile.h"
#include "print/printout.h"
#include "tool/commands.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <optional>
#include <utility>

namespace {

const char* const ListingUsage = "listing FILE [--fields all|questions|answers] "
                                 "[--dollars none|1-5|5-25|10-50|20-100|100-500|200-1000] "
                                 "[--pdf OUT]";

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

// Laying text out needs fonts: the check's preview fit and the PDF listing.
bool NeedsFonts(int argc, char** argv) {
    if (argc >= 2 && qstrcmp(argv[1], "check") == 0)
        return true;
    if (argc < 2 || qstrcmp(argv[1], "listing") != 0)
        return false;
    for (int index = 2; index < argc; ++index) {
        if (qstrcmp(argv[index], "--pdf") == 0 || qstrncmp(argv[index], "--pdf=", 6) == 0)
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<QCoreApplication> CreateToolApplication(int& argc, char** argv) {
    if (!NeedsFonts(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    // Fonts need a GUI application; the tool never shows a window, so no
    // display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runListing(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption fields(QStringLiteral("fields"), QString(), QStringLiteral("fields"),
                                    QStringLiteral("all"));
    const QCommandLineOption dollars(QStringLiteral("dollars"), QString(), QStringLiteral("range"),
                                     QStringLiteral("100-500"));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QString(), QStringLiteral("OUT"));
    parser.addOptions({fields, dollars, pdfOption});
    if (!ParseArguments(parser, args, ListingUsage, err))
        return 1;
    const auto mode = ModeFromName(parser.value(fields));
    const auto multiplier = MultiplierFromName(parser.value(dollars));
    if (parser.positionalArguments().size() != 1 || !mode || !multiplier) {
        err << "Usage: quizmora-tool " << ListingUsage << '\n';
        return 1;
    }
    const QString file = parser.positionalArguments().at(0);
    const QString pdf = parser.value(pdfOption);

    GameSet game;
    const FileError opened = OpenFile(game, file);
    if (opened.failed())
        return ReportFailure(err, "read", file, opened);
    // The editor always knows the open file by its full path; a relative
    // FILE is made absolute so that it gets the same title.
    const QString title = ListingTitle(QFileInfo(file).absoluteFilePath());
    const QStringList lines = BuildListing(game, *mode, DollarValuesFor(*multiplier), title);

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
    const FileError printed = PrintLinesToPdf(printer, lines, pdf, file);
    return printed.failed() ? ReportFailure(err, "print to", pdf, printed) : 0;
}
