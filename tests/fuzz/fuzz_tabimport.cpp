// Tab-delimited import on arbitrary bytes: only the names, question texts and
// answers of the 68 lines change, nothing beyond line 68 matters, the result
// is a normal completion or the 16-bit overflow, and for plain code-page input
// the fields are exactly what the column rules give.
#include "fuzzcheck.h"

#include "import/tabimport.h"
#include "model/gamesetfile.h"
#include "util/windows1252.h"

#include <QStringList>
#include <cstdint>

namespace {

constexpr int LastLine = 68;
constexpr qsizetype LargestPosition = 32767;

bool hasByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF");
}

// Lines end at CR or CR LF; a lone LF belongs to the line.
QStringList splitLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (character == QLatin1Char('\r')) {
            lines << current;
            current.clear();
            if (index + 1 < text.size() && text.at(index + 1) == QLatin1Char('\n'))
                ++index;
        } else {
            current += character;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

// Byte offset just after the terminator of line `count`, or -1.
qsizetype endOfLine(const QByteArray& bytes, int count) {
    int seen = 0;
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        if (bytes.at(index) != '\r')
            continue;
        if (index + 1 < bytes.size() && bytes.at(index + 1) == '\n')
            ++index;
        if (++seen == count)
            return index + 1;
    }
    return -1;
}

void storeAnswers(std::array<FixedText<300>, 5>& answers, const QString& line) {
    const QStringList fields = TrimSpaces(line).split(QLatin1Char('\t'));
    for (int n = 0; n < 5 && n < fields.size(); ++n)
        answers[static_cast<std::size_t>(n)].set(TrimSpaces(fields.at(n)));
}

void storeQuestion(FixedText<256>& text, const QString& line) {
    const QString first = FirstField(line);
    text.set(TrimSpaces(first).isEmpty() ? QString() : first);
}

// The column rules written out plainly over the whole decoded text.
GameSet expectedImport(const QStringList& lines, const QString& finalType) {
    GameSet game;
    ResetGameSet(game);
    game.Final.QuestionType = finalType;
    int next = 0;
    auto take = [&](QString& line) {
        if (next >= lines.size())
            return false;
        line = lines.at(next++);
        return true;
    };
    QString line;
    for (int k = 0; k < 6; ++k) {
        if (!take(line))
            return game;
        game.CategoryNames[static_cast<std::size_t>(k)].set(UpperCaseName(FirstField(line)));
        for (int j = 0; j < 5; ++j) {
            QuestionRecord& record = game.question(k + 1, j + 1);
            if (!take(line))
                return game;
            storeQuestion(record.QuestionText, line);
            if (!take(line))
                return game;
            storeAnswers(record.Answers, line);
        }
    }
    if (take(line))
        storeQuestion(game.Final.QuestionText, line);
    if (take(line))
        storeAnswers(game.Final.Answers, line);
    return game;
}

// Types, Daily Doubles, fonts, colours and media paths keep their reset values.
void checkUntouched(const GameSet& game, const QString& finalType) {
    GameSet reset;
    ResetGameSet(reset);
    for (int c = 1; c <= 6; ++c) {
        for (int q = 1; q <= 5; ++q) {
            const QuestionRecord& record = game.question(c, q);
            const QuestionRecord& clean = reset.question(c, q);
            FUZZ_CHECK(record.QuestionType == clean.QuestionType, "import leaves types alone");
            FUZZ_CHECK(record.DailyDouble == clean.DailyDouble,
                       "import leaves Daily Doubles alone");
            FUZZ_CHECK(record.FontName == clean.FontName && record.FontSize == clean.FontSize &&
                           record.FontBold == clean.FontBold &&
                           record.FontItalic == clean.FontItalic &&
                           record.FontColor == clean.FontColor,
                       "import leaves fonts and colours alone");
            FUZZ_CHECK(record.MediaPath == clean.MediaPath, "import leaves media paths alone");
        }
    }
    FUZZ_CHECK(game.Final.QuestionType == finalType, "import leaves the final type alone");
    FUZZ_CHECK(game.Final.FontName == reset.Final.FontName &&
                   game.Final.FontSize == reset.Final.FontSize &&
                   game.Final.FontBold == reset.Final.FontBold &&
                   game.Final.FontItalic == reset.Final.FontItalic &&
                   game.Final.FontColor == reset.Final.FontColor,
               "import leaves the final font alone");
    FUZZ_CHECK(game.Final.MediaPath == reset.Final.MediaPath, "import leaves the final media alone");
}

FileError importInto(GameSet& game, const QByteArray& bytes, const QString& finalType) {
    ResetGameSet(game);
    game.Final.QuestionType = finalType;
    return ImportTabDelimited(game, QByteArrayView(bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // A type the import must not touch: it is not part of the reset either.
    const QString finalType = QStringLiteral("V");

    GameSet game;
    const FileError error = importInto(game, input, finalType);
    FUZZ_CHECK_DETAIL(error.number == ErrorNumber::None || error.number == ErrorNumber::Overflow,
                      "import completes or overflows", QString::number(error.number));
    checkFieldWidths(game);
    checkUntouched(game, finalType);

    // Nothing after line 68 is read. Lines are counted on the bytes, which
    // only works where a CR byte is a CR character: not in UTF-16.
    const bool utf16 = input.startsWith("\xFF\xFE") || input.startsWith("\xFE\xFF");
    const qsizetype end = utf16 ? -1 : endOfLine(input, LastLine);
    if (end >= 0 && end < input.size()) {
        GameSet shorter;
        const FileError shorterError = importInto(shorter, input.left(end), finalType);
        FUZZ_CHECK(shorterError.number == error.number, "lines after 68 change no result");
        FUZZ_CHECK(shorter == game, "lines after 68 change no field");
    }

    if (hasByteOrderMark(input))
        return 0;

    // Plain code-page input: compare with the column rules.
    QStringList lines = splitLines(DecodeWindows1252(QByteArrayView(input)));
    if (lines.size() > LastLine)
        lines = lines.mid(0, LastLine);
    bool overlong = false;
    for (const QString& line : std::as_const(lines))
        overlong = overlong || line.size() >= LargestPosition;
    if (overlong)
        return 0; // where exactly a 16-bit position overflows is the importer's business
    FUZZ_CHECK_DETAIL(!error.failed(), "lines shorter than 32767 never overflow",
                      error.description);
    const GameSet expected = expectedImport(lines, finalType);
    FUZZ_CHECK(expected == game, "import follows the column rules");

    // The imported names must survive a save in the file's code page.
    for (const auto& name : game.CategoryNames) {
        const QString text = name.trimmed();
        for (const QChar character : text)
            FUZZ_CHECK_DETAIL(IsWindows1252(character),
                              "an imported name stays inside the code page", visible(text));
    }
    return 0;
}
