// The reading of a spreadsheet's tab-delimited export, row by row, for the import.

#pragma once

#include <QChar>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <optional>

namespace TabReading {

// The cells of an answers row: the answer, then choices A to D.
constexpr int AnswerFieldCount = 5;

enum class Encoding { Windows1252, Utf8, Utf16LE, Utf16BE };

// A mark decides; without one, UTF-8 when the whole input is UTF-8 and not
// plain ASCII (spreadsheets on Linux write it without a mark), else Windows-1252.
Encoding ChooseEncoding(QIODevice& device);

// Decodes the bytes of a device chunk by chunk. The decoders skip a
// byte-order mark themselves.
class CharStream {
public:
    CharStream(QIODevice& device, Encoding encoding);

    // False at the end of the input or after a read failure (see failed()).
    bool next(QChar& character);
    // The character next() would give, without taking it.
    bool peek(QChar& character);

    // The index of the character the last next() gave, counted from 0.
    qint64 index() const { return m_index - 1; }
    bool failed() const { return m_failed; }

private:
    bool fill();
    bool refill();

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

InputShape ScanShape(CharStream& stream);

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
    ReadResult readRow(RowKind kind, Row& row);

    // The row being read, counted from 1.
    int rowNumber() const { return m_rowNumber; }

private:
    void skipLineFeed();
    static void append(Row& row, int index, bool answers, QChar character);

    CharStream m_stream;
    InputShape m_shape;
    int m_rowNumber = 0;
};

} // namespace TabReading
