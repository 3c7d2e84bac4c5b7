#include "import/tabimport.h"

#include "model/textloss.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Character positions inside a line are 16-bit signed integers in the game.
constexpr qint64 LargestPosition = 32767;

constexpr int CategoryLineCount = 6;
constexpr int QuestionsPerCategory = 5;
constexpr int AnswerFieldCount = 5;
constexpr int BoardRowCount = 68;

// The longest text any field can hold; nothing after it can change a stored value.
constexpr qsizetype FieldKeep = 300;

constexpr qint64 ChunkSize = 64 * 1024;

constexpr QChar Quote = QLatin1Char('"');
constexpr QChar Tab = QLatin1Char('\t');
constexpr QChar CarriageReturn = QLatin1Char('\r');
constexpr QChar LineFeed = QLatin1Char('\n');
constexpr QChar Space = QLatin1Char(' ');

enum class Encoding { Windows1252, Utf8, Utf16LE, Utf16BE };

FileError OverflowError() {
    return FileError::of(ErrorNumber::Overflow);
}

// Checks UTF-8 chunk by chunk: no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut off at the end.
class Utf8Check {
public:
    void add(QByteArrayView bytes) {
        for (const char byte : bytes) {
            const auto value = static_cast<unsigned char>(byte);
            if (value >= 0x80)
                m_highBytes = true;
            if (m_pending > 0) {
                if (value < m_low || value > m_high)
                    m_valid = false;
                m_low = 0x80;
                m_high = 0xBF;
                --m_pending;
                continue;
            }
            if (value < 0x80)
                continue;
            if (value >= 0xC2 && value <= 0xDF) {
                m_pending = 1;
            } else if (value >= 0xE0 && value <= 0xEF) {
                m_pending = 2;
                m_low = value == 0xE0 ? 0xA0 : 0x80;
                m_high = value == 0xED ? 0x9F : 0xBF;
            } else if (value >= 0xF0 && value <= 0xF4) {
                m_pending = 3;
                m_low = value == 0xF0 ? 0x90 : 0x80;
                m_high = value == 0xF4 ? 0x8F : 0xBF;
            } else {
                m_valid = false;
            }
        }
    }
    // True when everything added is UTF-8 and holds a byte above 0x7F.
    bool readsAsUtf8() const { return m_valid && m_pending == 0 && m_highBytes; }

private:
    bool m_valid = true;
    bool m_highBytes = false;
    int m_pending = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
};

// A mark decides; without one, UTF-8 when the whole input is UTF-8 and not
// plain ASCII (spreadsheets on Linux write it without a mark), else Windows-1252.
Encoding ChooseEncoding(QIODevice& device) {
    const QByteArray start = device.peek(3);
    if (start.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8;
    if (start.startsWith("\xFF\xFE"))
        return Encoding::Utf16LE;
    if (start.startsWith("\xFE\xFF"))
        return Encoding::Utf16BE;
    Utf8Check check;
    QByteArray bytes(ChunkSize, Qt::Uninitialized);
    qint64 count = 0;
    while ((count = device.read(bytes.data(), ChunkSize)) > 0)
        check.add(QByteArrayView(bytes.constData(), count));
    return check.readsAsUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
}

// Decodes the bytes of a device chunk by chunk. The decoders skip a
// byte-order mark themselves.
class CharStream {
public:
    CharStream(QIODevice& device, Encoding encoding) : m_device(device) {
        if (encoding == Encoding::Utf8)
            m_decoder.emplace(QStringConverter::Utf8);
        else if (encoding == Encoding::Utf16LE)
            m_decoder.emplace(QStringConverter::Utf16LE);
        else if (encoding == Encoding::Utf16BE)
            m_decoder.emplace(QStringConverter::Utf16BE);
    }

    // False at the end of the input or after a read failure (see failed()).
    bool next(QChar& character) {
        if (!fill())
            return false;
        character = m_chars.at(m_position++);
        ++m_index;
        return true;
    }

    // The character next() would give, without taking it.
    bool peek(QChar& character) {
        if (!fill())
            return false;
        character = m_chars.at(m_position);
        return true;
    }

    // The index of the character the last next() gave, counted from 0.
    qint64 index() const { return m_index - 1; }
    bool failed() const { return m_failed; }

private:
    bool fill() {
        while (m_position >= m_chars.size()) {
            if (!refill())
                return false;
        }
        return true;
    }

    bool refill() {
        m_chars.clear();
        m_position = 0;
        if (m_atEnd)
            return false;
        QByteArray bytes(ChunkSize, Qt::Uninitialized);
        const qint64 count = m_device.read(bytes.data(), ChunkSize);
        if (count < 0)
            m_failed = true;
        if (count <= 0) {
            m_atEnd = true;
            return false;
        }
        bytes.truncate(count);
        m_chars = m_decoder ? m_decoder->decode(bytes) : DecodeWindows1252(bytes);
        return true;
    }

    QIODevice& m_device;
    std::optional<QStringDecoder> m_decoder;
    QString m_chars;
    qsizetype m_position = 0;
    qint64 m_index = 0;
    bool m_atEnd = false;
    bool m_failed = false;
};

// What the parse needs to know of the whole input before it starts.
struct InputShape {
    // Whether any CR is present: only a file without one ends lines at LF;
    // otherwise a lone LF belongs to its cell, as spreadsheets write a line
    // break typed in a cell.
    bool hasCarriageReturn = false;
    // Where the last run of an odd number of quotes starts (-1 for none).
    // A quoted cell runs to a quote that is not doubled, which only an odd
    // run can give; so the one opening quote with no such run after it is
    // the opening quote of that last odd run itself, and it never closes.
    qint64 lastOddQuoteRun = -1;
};

InputShape ScanShape(CharStream& stream) {
    InputShape shape;
    QChar character;
    qint64 runStart = -1;
    qint64 runLength = 0;
    const auto endRun = [&] {
        if (runLength % 2 == 1)
            shape.lastOddQuoteRun = runStart;
        runLength = 0;
    };
    while (stream.next(character)) {
        if (character == Quote) {
            if (runLength++ == 0)
                runStart = stream.index();
            continue;
        }
        endRun();
        if (character == CarriageReturn)
            shape.hasCarriageReturn = true;
    }
    endRun();
    return shape;
}

enum class ReadResult { Line, EndOfInput, Overflow, Failed };
// A name or question row counts only its first cell, an answers row five.
// Rows past the board are only counted.
enum class RowKind { FirstCell, Answers, Counted };

// One cell of a row: its text kept to the widest field, and its full length.
struct Cell {
    QString text;
    qsizetype length = 0;         // characters after the leading spaces skipped
    qsizetype trailingSpaces = 0; // of those, the spaces at the end
    qsizetype trimmedLength() const { return length - trailingSpaces; }
};

struct Row {
    std::array<Cell, AnswerFieldCount> cells;
    int count = 0;             // cells present on the row, sixth and later included
    int lastFilled = 0;        // the last cell holding more than spaces, from 1; 0 for none
    int firstFilledAfterA = 0; // the first such cell after the first, from 1; 0 for none
    qint64 openQuote = -1;     // a cell whose opening quote never closes, from 1
};

// Reads the import file row by row. A row ends at CR, CR LF or, in a file
// without CR, LF; a cell that starts with a quote runs to its closing quote,
// line breaks and tabs included. Only the part of a cell that can reach the
// game set is kept, so an over-long row costs time but no memory.
class ImportReader {
public:
    ImportReader(QIODevice& device, Encoding encoding, const InputShape& shape)
        : m_stream(device, encoding), m_shape(shape) {}

    // Character positions count in 16-bit integers. In a name or question
    // row the search for the first tab overflows past 32,767; an answers row
    // is cut at every tab, and its leading spaces removed first, so a tab at
    // 32,767 or later (counted after those spaces) overflows.
    ReadResult readRow(RowKind kind, Row& row) {
        row = Row();
        QChar character;
        ++m_rowNumber;
        if (!m_stream.next(character))
            return m_stream.failed() ? ReadResult::Failed : ReadResult::EndOfInput;
        const bool answers = kind == RowKind::Answers;
        qint64 position = 0;
        int index = 0;
        bool rowStart = true;  // still in the row's leading spaces (answers rows)
        bool cellStart = true; // the next character is the cell's first
        bool quoted = false;
        do {
            if (!quoted) {
                if (character == CarriageReturn) {
                    skipLineFeed();
                    break;
                }
                if (character == LineFeed && !m_shape.hasCarriageReturn)
                    break;
                if (answers && rowStart && character == Space)
                    continue;
            }
            rowStart = false;
            ++position;
            if (cellStart) {
                cellStart = false;
                if (character == Quote) {
                    if (m_stream.index() != m_shape.lastOddQuoteRun) {
                        quoted = true;
                        continue;
                    }
                    if (row.openQuote < 0)
                        row.openQuote = index + 1;
                }
            }
            if (quoted) {
                if (character == Quote) {
                    QChar after;
                    if (!m_stream.peek(after) || after != Quote) {
                        quoted = false; // the text after the closing quote stays
                        continue;
                    }
                    m_stream.next(after);
                    ++position;
                } else if (character == CarriageReturn) {
                    skipLineFeed(); // a break inside a cell is one space
                }
            } else if (character == Tab) {
                if (kind != RowKind::Counted &&
                    (answers ? position >= LargestPosition
                             : index == 0 && position > LargestPosition))
                    return ReadResult::Overflow;
                ++index;
                cellStart = true;
                continue;
            }
            append(row, index, answers, character);
        } while (m_stream.next(character));
        row.count = index + 1;
        if (m_stream.failed())
            return ReadResult::Failed;
        return ReadResult::Line;
    }

    // The row being read, counted from 1.
    int rowNumber() const { return m_rowNumber; }

private:
    void skipLineFeed() {
        QChar after;
        if (m_stream.peek(after) && after == LineFeed)
            m_stream.next(after);
    }

    // Stores one character of a cell. Every field is one line of the game's
    // file, so the one-line rule of every text applies.
    static void append(Row& row, int index, bool answers, QChar character) {
        const OneLineChar kind = OneLineCharOf(character);
        if (kind == OneLineChar::Drop)
            return;
        if (kind == OneLineChar::Space)
            character = Space;
        if (character != Space) {
            row.lastFilled = index + 1;
            if (index > 0 && row.firstFilledAfterA == 0)
                row.firstFilledAfterA = index + 1;
        }
        if (index >= AnswerFieldCount)
            return;
        Cell& cell = row.cells[static_cast<size_t>(index)];
        // An answer is trimmed on its own: its leading spaces never count.
        if (answers && cell.length == 0 && character == Space)
            return;
        ++cell.length;
        cell.trailingSpaces = character == Space ? cell.trailingSpaces + 1 : 0;
        if (cell.text.size() < FieldKeep)
            cell.text.append(character);
    }

    CharStream m_stream;
    InputShape m_shape;
    int m_rowNumber = 0;
};

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
