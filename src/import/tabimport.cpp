// The import of a spreadsheet's tab-delimited export: where each row lands on
// the board, what it stores there and what in it does not fit.

#include "import/tabimport.h"

#include "import/tabreader.h"
#include "model/textloss.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <array>
#include <optional>

using namespace TabReading;

namespace {

constexpr int CategoryLineCount = 6;
constexpr int QuestionsPerCategory = 5;
constexpr int BoardRowCount = 68;

FileError OverflowError() {
    return FileError::of(ErrorNumber::Overflow);
}

// A question text is kept as typed unless it is blank.
QString QuestionTextFrom(const QString& firstField) {
    return TrimSpaces(firstField).isEmpty() ? QString() : firstField;
}

void StoreAnswers(std::array<FixedText<AnswerWidth>, 5>& answers, const Row& row) {
    // Slots after the last field present are left as they are.
    for (int n = 0; n < AnswerFieldCount && n < row.count; ++n)
        answers[static_cast<size_t>(n)].set(TrimSpaces(row.cells[static_cast<size_t>(n)].text));
}

// Turns a read that did not deliver a row into the import's result:
// the end of the input completes normally.
std::optional<FileError> Stop(ReadResult result) {
    switch (result) {
    case ReadResult::Line:
        return std::nullopt;
    case ReadResult::EndOfInput:
        return FileError::ok();
    case ReadResult::Overflow:
        return OverflowError();
    case ReadResult::Failed:
        break;
    }
    return FileError::of(ErrorNumber::DeviceIo);
}

QString ColumnName(int column) {
    return column <= 26 ? QString(QChar(u'A' + column - 1)) : QStringLiteral("%1").arg(column);
}

} // namespace

QString UpperCaseName(const QString& name) {
    QString result;
    result.reserve(name.size());
    for (const QChar character : name) {
        const QString upper = QString(character).toUpper();
        const bool capitalFits = std::all_of(upper.begin(), upper.end(), IsWindows1252);
        result += IsWindows1252(character) && !capitalFits ? QString(character) : upper;
    }
    return result;
}

QString FirstField(const QString& line) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    return tab < 0 ? line : line.left(tab);
}

namespace {

// Where a row of the file lands: rows 1 to 66 are six categories of eleven
// rows (the name, then a question and its answers five times), rows 67 and
// 68 the final question and its answers.
struct RowPlace {
    RowKind kind = RowKind::FirstCell;
    Square square;
    CheckPart part = CheckPart::Name;
};

RowPlace PlaceOfRow(int row) {
    if (row > CategoryLineCount * 11) {
        const bool question = row == CategoryLineCount * 11 + 1;
        return {question ? RowKind::FirstCell : RowKind::Answers, Square::finalQuestion(),
                question ? CheckPart::Question : CheckPart::Answer};
    }
    const int category = (row - 1) / 11 + 1;
    const int offset = (row - 1) % 11;
    if (offset == 0)
        return {RowKind::FirstCell, {category, 1}, CheckPart::Name};
    const Square square{category, (offset + 1) / 2};
    return offset % 2 == 1 ? RowPlace{RowKind::FirstCell, square, CheckPart::Question}
                           : RowPlace{RowKind::Answers, square, CheckPart::Answer};
}

QString FieldName(CheckPart part, int cell) {
    if (part == CheckPart::Name)
        return QStringLiteral("name");
    if (part == CheckPart::Question)
        return QStringLiteral("question");
    return cell == 0 ? QStringLiteral("answer")
                     : QStringLiteral("choice %1").arg(QChar(u'A' + cell - 1));
}

// Lists what in the file does not fit the board, row by row.
class ShapeReport {
public:
    void addRow(int number, const RowPlace& place, const Row& row, const GameSet& game) {
        const QString square = SquareLabel(place.square, place.part == CheckPart::Name);
        if (row.openQuote > 0)
            add(number, place,
                QStringLiteral("%1: a quote opens column %2 but never closes; it was read as a "
                               "character")
                    .arg(square, ColumnName(static_cast<int>(row.openQuote))));
        const bool answers = place.kind == RowKind::Answers;
        const bool misfit = answers ? row.lastFilled > AnswerFieldCount : row.firstFilledAfterA > 0;
        if (misfit && !m_shapeReported) {
            m_shapeReported = true;
            const QString what =
                answers ? QStringLiteral("has %1 cells, five expected").arg(row.lastFilled)
                        : QStringLiteral("has text in column %1")
                              .arg(ColumnName(row.firstFilledAfterA));
            add(number, place,
                QStringLiteral("%1: the %2 row %3; a row may be missing or extra above it")
                    .arg(square, answers ? QStringLiteral("answers") : FieldName(place.part, 0),
                         what));
        } else if (answers && misfit) {
            add(number, place,
                QStringLiteral("%1: %2 choices; only A to D were imported")
                    .arg(square)
                    .arg(row.lastFilled - 1));
        }
        const int cells = answers ? AnswerFieldCount : 1;
        for (int cell = 0; cell < cells; ++cell)
            checkField(number, place, cell, row.cells[static_cast<size_t>(cell)], game);
    }

    // The findings in file order, the row count first.
    QList<Finding> findings(int rows) const {
        QList<Finding> all;
        if (rows != BoardRowCount) {
            Finding count;
            count.severity = Severity::Warning;
            count.message = QStringLiteral("%1 %2, %3 expected")
                                .arg(rows)
                                .arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"))
                                .arg(BoardRowCount);
            all << count;
        }
        return all + m_findings;
    }

private:
    void checkField(int number, const RowPlace& place, int cell, const Cell& read,
                    const GameSet& game) {
        const QuestionRecord& record = game.record(place.square);
        const QString stored =
            place.part == CheckPart::Name
                ? game.CategoryNames[static_cast<size_t>(place.square.category - 1)].trimmed()
            : place.part == CheckPart::Question
                ? record.QuestionText.trimmed()
                : record.Answers[static_cast<size_t>(cell)].trimmed();
        const qsizetype width = place.part == CheckPart::Name       ? CategoryNameWidth
                                : place.part == CheckPart::Question ? QuestionWidth
                                                                    : AnswerWidth;
        const bool name = place.part == CheckPart::Name;
        const QString square = SquareLabel(place.square, name);
        const QString field = FieldName(place.part, cell);
        const qsizetype length = read.trimmedLength();
        if (length > width)
            add(number, place,
                QStringLiteral("%1: the %2 is %3 too long (%4 characters, %5 fit); the end was cut")
                    .arg(square, field,
                         length - width == 1 ? QStringLiteral("1 character")
                                             : QStringLiteral("%1 characters").arg(length - width))
                    .arg(length)
                    .arg(width));
        const QString where = name ? square : QStringLiteral("%1, in the %2").arg(square, field);
        const QStringList characters = UnstorableCharacters(stored);
        if (!characters.isEmpty())
            add(number, place, where + QStringLiteral(": ") + UnstorableCharactersText(characters));
        // "^" separates the answers in the game's file.
        if (place.part == CheckPart::Answer && stored.contains(QLatin1Char('^')))
            add(number, place, where + QStringLiteral(": ") + CaretInAnswerText());
    }

    void add(int number, const RowPlace& place, const QString& message) {
        Finding finding;
        finding.square = place.square;
        finding.part = place.part;
        finding.severity = Severity::Warning;
        finding.message = message;
        finding.line = number;
        m_findings << finding;
    }

    QList<Finding> m_findings;
    bool m_shapeReported = false;
};

// Fills the board; `rows` receives the number of rows read whole.
FileError ImportRows(GameSet& game, ImportReader& reader, ShapeReport* report, int& rows) {
    Row row;
    rows = 0;
    for (int number = 1; number <= BoardRowCount; ++number) {
        const RowPlace place = PlaceOfRow(number);
        if (auto stop = Stop(reader.readRow(place.kind, row)))
            return *stop;
        rows = number;
        QuestionRecord& record = game.record(place.square);
        const QString& first = row.cells[0].text;
        if (place.part == CheckPart::Name)
            game.CategoryNames[static_cast<size_t>(place.square.category - 1)].set(
                UpperCaseName(first));
        else if (place.part == CheckPart::Question)
            record.QuestionText.set(QuestionTextFrom(first));
        else
            StoreAnswers(record.Answers, row);
        if (report)
            report->addRow(number, place, row, game);
    }
    return FileError::ok();
}

// Imports from `device` positioned at its start. A device that cannot seek
// is read into memory first: the encoding and the quotes are decided over
// the whole input before the rows are read.
FileError Import(GameSet& game, QIODevice& device, int* errorLine, QList<Finding>* findings) {
    if (device.isSequential()) {
        QByteArray bytes = device.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return Import(game, buffer, errorLine, findings);
    }
    const qint64 start = device.pos();
    const Encoding encoding = ChooseEncoding(device);
    device.seek(start);
    CharStream scan(device, encoding);
    const InputShape shape = ScanShape(scan);
    device.seek(start);

    ImportReader reader(device, encoding, shape);
    ShapeReport report;
    int rows = 0;
    const FileError error = ImportRows(game, reader, findings ? &report : nullptr, rows);
    if (errorLine)
        *errorLine = error.failed() ? reader.rowNumber() : 0;
    if (findings && !error.failed()) {
        // The rows past the board are only counted.
        Row row;
        while (rows == reader.rowNumber() &&
               reader.readRow(RowKind::Counted, row) == ReadResult::Line)
            ++rows;
        *findings = report.findings(rows);
    }
    return error;
}

} // namespace

FileError ImportTabDelimited(GameSet& game, QIODevice& device, int* errorLine) {
    return Import(game, device, errorLine, nullptr);
}

FileError ImportTabDelimited(GameSet& game, QByteArrayView data, int* errorLine) {
    QByteArray bytes = QByteArray::fromRawData(data.data(), data.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ImportTabDelimited(game, buffer, errorLine);
}

FileError ImportTabDelimitedFile(GameSet& game, const QString& path, int* errorLine) {
    if (errorLine)
        *errorLine = 0;
    QFile file(path);
    const FileError opened = OpenForReading(file);
    return opened.failed() ? opened : ImportTabDelimited(game, file, errorLine);
}

TabImport ImportTabDelimitedChecked(const GameSet& start, QIODevice& device) {
    TabImport result{start, {}, 0, {}};
    result.error = Import(result.game, device, &result.errorLine, &result.findings);
    return result;
}

TabImport ImportTabDelimitedChecked(const GameSet& start, QByteArrayView data) {
    QByteArray bytes = QByteArray::fromRawData(data.data(), data.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ImportTabDelimitedChecked(start, buffer);
}

TabImport ImportTabDelimitedCheckedFile(const GameSet& start, const QString& path) {
    QFile file(path);
    const FileError opened = OpenForReading(file);
    if (opened.failed())
        return {start, opened, 0, {}};
    return ImportTabDelimitedChecked(start, file);
}
