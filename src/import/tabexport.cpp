#include "import/tabexport.h"

#include "model/safewrite.h"

#include "util/textrules.h"
#include "util/windows1252.h"

#include <QFileInfo>
#include <QStringList>

namespace {

class Exporter {
public:
    explicit Exporter(TextEncoding encoding) : m_encoding(encoding) {}

    // One line of cells, each text made fit to travel in it.
    void addLine(Square square, const QList<std::pair<CheckPart, QString>>& cells) {
        ++m_line;
        QStringList texts;
        for (const auto& [part, text] : cells)
            texts << cell(square, part, text);
        m_text += texts.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }

    TabExport result() const {
        if (m_encoding == TextEncoding::Utf8)
            return {QByteArray("\xEF\xBB\xBF") + m_text.toUtf8(), m_changes};
        return {EncodeWindows1252(m_text), m_changes};
    }

private:
    QString cell(Square square, CheckPart part, const QString& text) {
        QString value = text;
        bool tab = false;
        bool lineBreak = false;
        for (QChar& character : value) {
            if (character == QLatin1Char('\t')) {
                tab = true;
                character = QLatin1Char(' ');
            } else if (character == QLatin1Char('\r') || character == QLatin1Char('\n')) {
                lineBreak = true;
                character = QLatin1Char(' ');
            }
        }
        const QString where = PartName(part);
        if (tab)
            note(square, part, QStringLiteral("a tab in the %1 was written as a space").arg(where));
        if (lineBreak)
            note(square, part,
                 QStringLiteral("a line break in the %1 was written as a space").arg(where));
        if (m_encoding == TextEncoding::Windows1252)
            noteOutsideCodePage(square, part, value);
        value = TrimSpaces(value);
        // The import reads a cell that starts with a quote as a quoted cell,
        // so such a text travels quoted, its quotes doubled.
        if (value.startsWith(QLatin1Char('"')))
            value = QLatin1Char('"') + value.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                    QLatin1Char('"');
        return value;
    }

    void noteOutsideCodePage(Square square, CheckPart part, const QString& text) {
        QStringList named;
        for (qsizetype index = 0; index < text.size(); ++index) {
            if (IsWindows1252(text.at(index)))
                continue;
            QString shown(text.at(index));
            if (text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                text.at(index + 1).isLowSurrogate())
                shown += text.at(++index);
            if (named.contains(shown))
                continue;
            named << shown;
            note(square, part,
                 QStringLiteral("%1 cannot be written in Windows-1252; it was written as ?")
                     .arg(shown));
        }
    }

    void note(Square square, CheckPart part, const QString& message) {
        Finding finding;
        finding.square = square;
        finding.part = part;
        finding.severity = Severity::Warning;
        finding.message = message;
        finding.line = m_line;
        m_changes << finding;
    }

    TextEncoding m_encoding;
    QString m_text;
    QList<Finding> m_changes;
    int m_line = 0;
};

void AddQuestion(Exporter& exporter, const GameSet& game, Square square) {
    const QuestionRecord& record = game.record(square);
    // A picture or video question's text is its path; a sound question's is
    // the text shown while it plays.
    exporter.addLine(square, {{CheckPart::Question, record.QuestionText.trimmed()}});
    QList<std::pair<CheckPart, QString>> answers{{CheckPart::Answer, record.Answers[0].trimmed()}};
    for (size_t k = 1; k <= 4; ++k)
        answers.append({CheckPart::Choice, record.Answers[k].trimmed()});
    exporter.addLine(square, answers);
}

} // namespace

TabExport ExportTabDelimited(const GameSet& game, TextEncoding encoding) {
    Exporter exporter(encoding);
    for (int category = 1; category <= 6; ++category) {
        exporter.addLine(
            {category, 1},
            {{CheckPart::Name, game.CategoryNames[static_cast<size_t>(category - 1)].trimmed()}});
        for (int question = 1; question <= 5; ++question)
            AddQuestion(exporter, game, {category, question});
    }
    AddQuestion(exporter, game, Square::finalQuestion());
    return exporter.result();
}

FileError WriteExportFile(const QString& path, const QByteArray& bytes, const QString& set) {
    SafeWriteOptions options;
    options.input = set;
    return SafeWriteBytes(path, bytes, options);
}
