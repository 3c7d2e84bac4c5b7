#include "model/gamesetcheck.h"
#include "preview/checkprobes.h"
#include "tool/commands.h"
#include "tool/mediaoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char* const CheckUsage =
    "check FILE... [--format=text|json] [--map LOCAL=WINDOWS]... [--no-saved-maps]";

QJsonValue NumberOrNull(bool present, int value) {
    return present ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QByteArray JsonFinding(const QString& file, const Finding& finding) {
    const bool square = finding.square.has_value();
    const bool question = square && !finding.square->isFinal() && finding.part != CheckPart::Name;
    const QJsonObject object{
        {QStringLiteral("file"), file},
        {QStringLiteral("line"), NumberOrNull(finding.line > 0, finding.line)},
        {QStringLiteral("category"), NumberOrNull(square, square ? finding.square->category : 0)},
        {QStringLiteral("question"),
         NumberOrNull(question, question ? finding.square->question : 0)},
        {QStringLiteral("part"), PartName(finding.part)},
        {QStringLiteral("severity"), SeverityName(finding.severity)},
        {QStringLiteral("message"), finding.message},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

int runCheck(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("format"),
                                    QStringLiteral("text"));
    parser.addOption(format);
    AddMediaOptions(parser);
    if (!ParseArguments(parser, args, CheckUsage, err))
        return 1;
    bool mapsRead = false;
    MediaLocator locator(MediaFoldersFromOptions(parser, err, mapsRead), QString());
    if (!mapsRead)
        return 1;
    const QStringList files = parser.positionalArguments();
    const QString formatName = parser.value(format);
    const bool json = formatName == QLatin1String("json");
    if (files.isEmpty() || (!json && formatName != QLatin1String("text"))) {
        err << "Usage: quizmora-tool " << CheckUsage << '\n';
        return 1;
    }

    CheckProbes probes = PreviewCheckProbes();
    probes.locateMedia = [&locator](const QString& path) { return locator.locate(path); };
    probes.mediaFileNotes = std::make_shared<QHash<QString, MediaFileNote>>();
    bool found = false;
    bool failed = false;
    bool firstObject = true;
    if (json)
        out << '[';
    // Each file's findings are written before the next file is read, so any
    // number of files is checked in the memory of one.
    for (const QString& file : files) {
        QList<Finding> findings;
        // Sets side by side share what was found beside them.
        locator.setSetFolder(QFileInfo(file).absolutePath());
        const FileError read = CheckGameSetFile(file, probes, findings);
        if (read.failed()) {
            ReportFailure(err, "read", file, read);
            failed = true;
            continue;
        }
        found = found || !findings.isEmpty();
        for (const Finding& finding : findings) {
            if (json) {
                out << (firstObject ? "\n" : ",\n") << JsonFinding(file, finding);
                firstObject = false;
                continue;
            }
            if (files.size() > 1)
                out << file << ": ";
            if (finding.line > 0)
                out << "line " << finding.line << ": ";
            out << finding.message << '\n';
        }
    }
    if (json)
        out << (firstObject ? "]\n" : "\n]\n");
    return failed ? 1 : found ? CheckFindingsStatus : 0;
}
