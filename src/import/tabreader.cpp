// Reading a spreadsheet's tab-delimited export: its encoding, its characters
// decoded chunk by chunk, where its quotes close, and its rows cell by cell.

#include "import/tabreader.h"

#include "util/textrules.h"
#include "util/windows1252.h"

namespace {

// Character positions inside a line are 16-bit signed integers in the game.
constexpr qint64 LargestPosition = 32767;

// The longest text any field can hold; nothing after it can change a stored value.
constexpr qsizetype FieldKeep = 300;

constexpr qint64 ChunkSize = 64 * 1024;

constexpr QChar Quote = QLatin1Char('"');
constexpr QChar Tab = QLatin1Char('\t');
constexpr QChar CarriageReturn = QLatin1Char('\r');
constexpr QChar LineFeed = QLatin1Char('\n');
constexpr QChar Space = QLatin1Char(' ');

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

} // namespace

namespace TabReading {

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

CharStream::CharStream(QIODevice& device, Encoding encoding) : m_device(device) {
    if (encoding == Encoding::Utf8)
        m_decoder.emplace(QStringConverter::Utf8);
    else if (encoding == Encoding::Utf16LE)
        m_decoder.emplace(QStringConverter::Utf16LE);
    else if (encoding == Encoding::Utf16BE)
        m_decoder.emplace(QStringConverter::Utf16BE);
}

bool CharStream::next(QChar& character) {
    if (!fill())
        return false;
    character = m_chars.at(m_position++);
    ++m_index;
    return true;
}

bool CharStream::peek(QChar& character) {
    if (!fill())
        return false;
    character = m_chars.at(m_position);
    return true;
}

bool CharStream::fill() {
    while (m_position >= m_chars.size()) {
        if (!refill())
            return false;
    }
    return true;
}

bool CharStream::refill() {
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

ReadResult ImportReader::readRow(RowKind kind, Row& row) {
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
                (answers ? position >= LargestPosition : index == 0 && position > LargestPosition))
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

void ImportReader::skipLineFeed() {
    QChar after;
    if (m_stream.peek(after) && after == LineFeed)
        m_stream.next(after);
}

// Stores one character of a cell. Every field is one line of the game's
// file, so the one-line rule of every text applies.
void ImportReader::append(Row& row, int index, bool answers, QChar character) {
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

} // namespace TabReading
