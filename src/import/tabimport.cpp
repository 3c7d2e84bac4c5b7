#include "import/tabimport.h"

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

// The longest text any field can hold; nothing after it can change a stored value.
constexpr qsizetype FieldKeep = 300;

constexpr qint64 ChunkSize = 64 * 1024;

FileError OverflowError() {
    return FileError::of(ErrorNumber::Overflow);
}

// Decodes the bytes of a device chunk by chunk: UTF-8 / UTF-16 when the data
// starts with their byte-order mark; else UTF-8 when the first chunk holding
// a non-ASCII byte is valid UTF-8 (spreadsheets on Linux write it without a
// mark), and Windows-1252 otherwise. Until that chunk both read the same.
class CharStream {
public:
    explicit CharStream(QIODevice& device) : m_device(device) {}

    // False at the end of the input or after a read failure (see failed()).
    bool next(QChar& character) {
        while (m_position >= m_chars.size()) {
            if (!refill())
                return false;
        }
        character = m_chars.at(m_position++);
        return true;
    }

    bool failed() const { return m_failed; }

    // True when lines end at LF as well: the first chunk with a line end
    // has no CR in it. A file with CR line ends keeps a lone LF in the line,
    // as a line break inside a spreadsheet cell is written.
    bool lineFeedEndsLine() const { return m_lineFeedEndsLine; }

private:
    bool refill() {
        m_chars.clear();
        m_position = 0;
        if (m_atEnd)
            return false;
        QByteArray bytes = readChunk();
        if (!m_started) {
            // A byte-order mark needs up to three bytes to recognise.
            while (bytes.size() < 3 && !m_atEnd)
                bytes += readChunk();
            chooseEncoding(bytes);
            m_started = true;
        }
        if (m_decoder)
            m_chars = m_decoder->decode(bytes);
        else if (m_codePageChosen || !decodeAsUtf8(bytes))
            m_chars = DecodeWindows1252(bytes);
        if (!m_lineEndsKnown &&
            (m_chars.contains(QLatin1Char('\r')) || m_chars.contains(QLatin1Char('\n')))) {
            m_lineEndsKnown = true;
            m_lineFeedEndsLine = !m_chars.contains(QLatin1Char('\r'));
        }
        return !m_chars.isEmpty() || !m_atEnd;
    }

    // Chooses the encoding at the first chunk with a non-ASCII byte; true,
    // with the chunk decoded, when that is UTF-8.
    bool decodeAsUtf8(const QByteArray& bytes) {
        const bool ascii =
            std::all_of(bytes.begin(), bytes.end(), [](char byte) { return (byte & 0x80) == 0; });
        if (ascii)
            return false;
        m_codePageChosen = true;
        // A sequence cut at the chunk's end is no error: the decoder keeps
        // it for the next chunk.
        QStringDecoder trial(QStringConverter::Utf8);
        QString text = trial.decode(bytes);
        if (trial.hasError())
            return false;
        m_chars = std::move(text);
        m_decoder.emplace(std::move(trial));
        return true;
    }

    QByteArray readChunk() {
        QByteArray bytes(ChunkSize, Qt::Uninitialized);
        const qint64 count = m_device.read(bytes.data(), ChunkSize);
        if (count < 0)
            m_failed = true;
        if (count <= 0) {
            m_atEnd = true;
            return {};
        }
        bytes.truncate(count);
        return bytes;
    }

    void chooseEncoding(const QByteArray& start) {
        // The decoders skip the mark themselves.
        if (start.startsWith("\xEF\xBB\xBF"))
            m_decoder.emplace(QStringConverter::Utf8);
        else if (start.startsWith("\xFF\xFE"))
            m_decoder.emplace(QStringConverter::Utf16LE);
        else if (start.startsWith("\xFE\xFF"))
            m_decoder.emplace(QStringConverter::Utf16BE);
    }

    QIODevice& m_device;
    std::optional<QStringDecoder> m_decoder;
    QString m_chars;
    qsizetype m_position = 0;
    bool m_started = false;
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_codePageChosen = false;
    bool m_lineEndsKnown = false;
    bool m_lineFeedEndsLine = false;
};

enum class ReadResult { Line, EndOfInput, Overflow, Failed };

// The answer line cut into its fields, each without its leading spaces and
// kept to the widest field.
struct AnswerFields {
    std::array<QString, AnswerFieldCount> text;
    int count = 0; // fields present on the line, sixth and later included
};

// Reads the import file line by line. A line ends at CR, CR LF or, in a file
// without CR line ends, LF. Only the part of a line that can reach the game
// set is kept, so an over-long line costs time but no memory.
class ImportReader {
public:
    explicit ImportReader(QIODevice& device) : m_stream(device) {}

    // The characters before the first tab. The search for that tab counts in
    // 16-bit positions, so a first tab beyond position 32,767 overflows.
    ReadResult readFirstField(QString& field) {
        field.clear();
        QChar character;
        if (!startLine(character))
            return endResult();
        qint64 position = 0;
        bool tabFound = false;
        do {
            if (endsLine(character))
                return endLine(character);
            if (tabFound)
                continue;
            ++position;
            if (character == QLatin1Char('\t')) {
                if (position > LargestPosition)
                    return ReadResult::Overflow;
                tabFound = true;
            } else if (field.size() < FieldKeep) {
                field.append(character);
            }
        } while (m_stream.next(character));
        return m_stream.failed() ? ReadResult::Failed : ReadResult::Line;
    }

    // An answer line: leading and trailing spaces removed, then cut at every
    // tab. Cutting moves past each tab, so a tab at position 32,767 or later
    // (counted after the leading spaces) overflows; no field of that line is
    // stored then.
    ReadResult readAnswerFields(AnswerFields& fields) {
        fields = AnswerFields();
        QChar character;
        if (!startLine(character))
            return endResult();
        qint64 position = 0;
        int index = 0;
        bool inLeadingSpaces = true;
        do {
            if (endsLine(character)) {
                fields.count = index + 1;
                return endLine(character);
            }
            if (character == QLatin1Char(' ') && inLeadingSpaces)
                continue;
            inLeadingSpaces = false;
            ++position;
            if (character == QLatin1Char('\t')) {
                if (position >= LargestPosition)
                    return ReadResult::Overflow;
                ++index;
                continue;
            }
            if (index < AnswerFieldCount) {
                QString& text = fields.text[static_cast<size_t>(index)];
                // Each field is trimmed on its own: its leading spaces never count.
                if (text.isEmpty() && character == QLatin1Char(' '))
                    continue;
                if (text.size() < FieldKeep)
                    text.append(character);
            }
        } while (m_stream.next(character));
        fields.count = index + 1;
        return m_stream.failed() ? ReadResult::Failed : ReadResult::Line;
    }

    // The line being read, counted from 1.
    int lineNumber() const { return m_lineNumber; }

private:
    // The first character of the next line; false when the input is used up.
    bool startLine(QChar& character) {
        ++m_lineNumber;
        if (!m_stream.next(character))
            return false;
        if (m_afterCarriageReturn && character == QLatin1Char('\n')) {
            m_afterCarriageReturn = false;
            if (!m_stream.next(character))
                return false;
        }
        m_afterCarriageReturn = false;
        return true;
    }

    bool endsLine(QChar character) const {
        return character == QLatin1Char('\r') ||
               (character == QLatin1Char('\n') && m_stream.lineFeedEndsLine());
    }

    ReadResult endLine(QChar character) {
        m_afterCarriageReturn = character == QLatin1Char('\r');
        return ReadResult::Line;
    }

    ReadResult endResult() const {
        return m_stream.failed() ? ReadResult::Failed : ReadResult::EndOfInput;
    }

    CharStream m_stream;
    bool m_afterCarriageReturn = false;
    int m_lineNumber = 0;
};

// A question text is kept as typed unless it is blank.
QString QuestionTextFrom(const QString& firstField) {
    return TrimSpaces(firstField).isEmpty() ? QString() : firstField;
}

void StoreAnswers(std::array<FixedText<300>, 5>& answers, const AnswerFields& fields) {
    // Slots after the last field present are left as they are.
    for (int n = 0; n < AnswerFieldCount && n < fields.count; ++n)
        answers[static_cast<size_t>(n)].set(TrimSpaces(fields.text[static_cast<size_t>(n)]));
}

// Turns a read that did not deliver a line into the import's result:
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

FileError ImportLines(GameSet& game, ImportReader& reader) {
    QString field;
    AnswerFields answers;
    for (int k = 0; k < CategoryLineCount; ++k) {
        if (auto stop = Stop(reader.readFirstField(field)))
            return *stop;
        game.CategoryNames[static_cast<size_t>(k)].set(UpperCaseName(field));
        for (int j = 0; j < QuestionsPerCategory; ++j) {
            QuestionRecord& record =
                game.Categories[static_cast<size_t>(k)][static_cast<size_t>(j)];
            if (auto stop = Stop(reader.readFirstField(field)))
                return *stop;
            record.QuestionText.set(QuestionTextFrom(field));
            if (auto stop = Stop(reader.readAnswerFields(answers)))
                return *stop;
            StoreAnswers(record.Answers, answers);
        }
    }
    if (auto stop = Stop(reader.readFirstField(field)))
        return *stop;
    game.Final.QuestionText.set(QuestionTextFrom(field));
    if (auto stop = Stop(reader.readAnswerFields(answers)))
        return *stop;
    StoreAnswers(game.Final.Answers, answers);
    return FileError::ok();
}

} // namespace

FileError ImportTabDelimited(GameSet& game, QIODevice& device, int* errorLine) {
    ImportReader reader(device);
    const FileError error = ImportLines(game, reader);
    if (errorLine)
        *errorLine = error.failed() ? reader.lineNumber() : 0;
    return error;
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
