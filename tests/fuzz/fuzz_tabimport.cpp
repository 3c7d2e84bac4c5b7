// Import on arbitrary bytes: only the 68 rows' names, questions and answers
// change; the result is a completion or the 16-bit overflow.
#include "fuzzcheck.h"

#include "import/tabimport.h"
#include "model/gamesetfile.h"
#include "util/windows1252.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <cstdint>

namespace {

// A reset keeps the final type, so this one is no default the import might restore.
const QString FinalType = QStringLiteral("V");

GameSet ResetWithFinalType() {
    GameSet game;
    game.Final.QuestionType = FinalType;
    ResetGameSet(game);
    return game;
}

// Byte offset just after the terminator (CR or CR LF) of line `count`, or -1.
qsizetype EndOfLine(const QByteArray& bytes, int count) {
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        if (bytes.at(index) != '\r')
            continue;
        if (index + 1 < bytes.size() && bytes.at(index + 1) == '\n')
            ++index;
        if (--count == 0)
            return index + 1;
    }
    return -1;
}

// A line feed left in a value is a space; other C0 control characters go (C1
// ones stay: they are the undefined Windows-1252 bytes).
QString OneLine(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.removeIf([](QChar character) { return character < u' ' || character == u'\x7f'; });
    return text;
}

// Whether unmarked input reads as UTF-8: valid and not plain ASCII.
bool ReadsAsUtf8(const QByteArray& input) {
    QStringDecoder utf8(QStringConverter::Utf8);
    [[maybe_unused]] const QString decoded = utf8.decode(input); // decodes on conversion
    const bool ascii = std::all_of(input.begin(), input.end(), [](char c) { return c >= 0; });
    return !utf8.hasError() && !ascii;
}

// The column rules written out plainly, for input without quotes: names,
// five question and answer lines, the final's two.
GameSet ByColumnRules(QStringList lines) {
    GameSet game = ResetWithFinalType();
    auto question = [&lines](FixedText<256>& text) {
        const QString first = OneLine(lines.takeFirst().section('\t', 0, 0));
        text.set(TrimSpaces(first).isEmpty() ? QString() : first);
    };
    auto answers = [&lines](std::array<FixedText<300>, 5>& into) {
        const QStringList fields = TrimSpaces(lines.takeFirst()).split('\t');
        for (int n = 0; n < 5 && n < fields.size(); ++n)
            into[std::size_t(n)].set(TrimSpaces(OneLine(fields.at(n))));
    };
    for (int k = 1; k <= 6 && !lines.isEmpty(); ++k) {
        game.CategoryNames[std::size_t(k - 1)].set(
            UpperCaseName(OneLine(lines.takeFirst().section('\t', 0, 0))));
        for (int j = 1; j <= 5 && !lines.isEmpty(); ++j) {
            question(game.question(k, j).QuestionText);
            if (!lines.isEmpty())
                answers(game.question(k, j).Answers);
        }
    }
    if (!lines.isEmpty())
        question(game.Final.QuestionText);
    if (!lines.isEmpty())
        answers(game.Final.Answers);
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    GameSet game = ResetWithFinalType();
    const int error = ImportTabDelimited(game, input).number;
    Check(error == 0 || error == 6, "import completes or overflows", QString::number(error));
    CheckFieldWidths(game);
    // Types, Daily Doubles, fonts and media paths keep their reset values.
    GameSet imported = ResetWithFinalType();
    imported.CategoryNames = game.CategoryNames;
    for (int c = 1; c <= 7; ++c) {
        for (int q = 1; q <= (c < 7 ? 5 : 1); ++q) {
            imported.question(c, q).QuestionText = game.question(c, q).QuestionText;
            imported.question(c, q).Answers = game.question(c, q).Answers;
        }
    }
    Check(imported == game, "import changes only names, question texts and answers");

    // Nothing after line 68 is stored. Lines are counted on the bytes, which
    // only works where a CR byte is a CR character: not in UTF-16. A quote
    // may run past line 68, and the encoding is chosen over the whole input.
    const bool utf16 = input.startsWith("\xFF\xFE") || input.startsWith("\xFE\xFF");
    const bool quotes = input.contains('"');
    const qsizetype end = utf16 || quotes ? -1 : EndOfLine(input, 68);
    if (end >= 0 && end < input.size() && ReadsAsUtf8(input.left(end)) == ReadsAsUtf8(input)) {
        GameSet shorter = ResetWithFinalType();
        Check(ImportTabDelimited(shorter, input.left(end)).number == error && shorter == game,
              "lines after 68 change nothing");
    }
    if (utf16 || quotes || input.startsWith("\xEF\xBB\xBF"))
        return 0;

    // Unmarked input: UTF-8 when valid with non-ASCII, else the code page; lines
    // end at CR or CR LF (a lone LF is a space in the line) unless there is no CR.
    if (input.size() > 65536)
        return 0;
    QString text = ReadsAsUtf8(input) ? QString::fromUtf8(input) : DecodeWindows1252(input);
    const QChar lineEnd = text.contains(u'\r') ? u'\r' : u'\n';
    QStringList lines = text.replace("\r\n", "\r").split(lineEnd);
    if (lines.constLast().isEmpty())
        lines.removeLast();
    lines = lines.mid(0, 68);
    for (const QString& line : std::as_const(lines)) {
        if (line.size() >= 32767)
            return 0; // where exactly a 16-bit position overflows is the importer's business
    }
    Check(error == 0, "lines shorter than 32767 never overflow");
    Check(ByColumnRules(lines) == game, "import follows the column rules");
    // The imported names must survive a save in the file's code page.
    for (const auto& name : game.CategoryNames) {
        for (const QChar character : name.trimmed())
            Check(IsWindows1252(character), "an imported name stays inside the code page",
                  name.trimmed());
    }
    return 0;
}
