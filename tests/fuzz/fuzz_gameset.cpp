// Game-set reader and writer on arbitrary bytes: reading stays inside the
// fixed widths and the record invariants, saving then opening gives back the
// same game set apart from the losses the format is known for, and a second
// save of what was opened is byte-identical.
#include "fuzzcheck.h"

#include "model/gamesetfile.h"

#include <QBuffer>
#include <cstdint>

namespace {

bool isDefaultFont(const QString& name, const QString& size, bool bold, bool italic,
                   const QString& color) {
    return name == DefaultFontName && size == DefaultFontSize && bold && italic &&
           color == DefaultFontColor;
}

void checkNoLineBreakOrCaret(const QString& text, bool caretAllowed, const char* property) {
    FUZZ_CHECK_DETAIL(!text.contains(QLatin1Char('\r')), property, visible(text));
    if (!caretAllowed)
        FUZZ_CHECK_DETAIL(!text.contains(QLatin1Char('^')), property, visible(text));
}

// What a freshly read record must look like, whatever the bytes were.
void checkReadRecord(const QuestionRecord& record) {
    FUZZ_CHECK_DETAIL(record.QuestionType.size() == 1, "a read type is one character",
                      visible(record.QuestionType));
    checkNoLineBreakOrCaret(record.QuestionText.trimmed(), true, "no CR inside a read field");
    checkNoLineBreakOrCaret(record.MediaPath.trimmed(), true, "no CR inside a read field");
    checkNoLineBreakOrCaret(record.DailyDouble, true, "no CR inside a read field");
    for (const auto& answer : record.Answers)
        checkNoLineBreakOrCaret(answer.trimmed(), false, "a read answer holds no CR and no ^");

    if (record.QuestionType == QLatin1String("T")) {
        FUZZ_CHECK_DETAIL(!TrimSpaces(record.FontName).isEmpty(), "a text question has a font",
                          visible(record.FontName));
        FUZZ_CHECK(!record.FontName.contains(QLatin1Char('#')), "a read font name holds no #");
        FUZZ_CHECK(!IsNumeric(record.FontName), "a read font name is not numeric");
        bool isNumber = false;
        const qint16 size = record.FontSize.toShort(&isNumber);
        FUZZ_CHECK_DETAIL(isNumber && QString::number(size) == record.FontSize,
                          "a read font size is a 16-bit number", visible(record.FontSize));
        FUZZ_CHECK_DETAIL(record.FontColor.size() >= 2 &&
                              !record.FontColor.contains(QLatin1Char('#')),
                          "a read colour has two characters and no #", visible(record.FontColor));
    } else {
        FUZZ_CHECK(isDefaultFont(record.FontName, record.FontSize, record.FontBold,
                                 record.FontItalic, record.FontColor),
                   "other types keep the default font");
    }
    if (record.QuestionType != QLatin1String("S"))
        FUZZ_CHECK(record.MediaPath.isBlank(), "only sound questions have a media path");
}

void checkReadGame(const GameSet& game) {
    checkFieldWidths(game);
    for (const auto& name : game.CategoryNames)
        checkNoLineBreakOrCaret(name.trimmed(), true, "no CR inside a read field");
    for (const auto& category : game.Categories) {
        for (const QuestionRecord& record : category)
            checkReadRecord(record);
    }
    FUZZ_CHECK_DETAIL(game.Final.QuestionType.size() == 1, "the read final type is one character",
                      visible(game.Final.QuestionType));
    for (const auto& answer : game.Final.Answers)
        checkNoLineBreakOrCaret(answer.trimmed(), false, "a read answer holds no CR and no ^");
    if (game.Final.QuestionType == QLatin1String("T")) {
        FUZZ_CHECK(!TrimSpaces(game.Final.FontName).isEmpty(), "the final text question has a font");
        FUZZ_CHECK(game.Final.FontColor.size() >= 2, "a read final colour has two characters");
    } else {
        FUZZ_CHECK(isDefaultFont(game.Final.FontName, game.Final.FontSize,
                                 game.Final.FontBold, game.Final.FontItalic, game.Final.FontColor),
                   "other final types keep the default font");
    }
    if (game.Final.QuestionType != QLatin1String("S"))
        FUZZ_CHECK(game.Final.MediaPath.isBlank(), "only a sound final has a media path");
}

// The file is 129 lines, each ending in CR LF, and no CR anywhere else.
void checkWrittenShape(const QByteArray& bytes) {
    FUZZ_CHECK(bytes.endsWith("\r\n"), "a written game set ends in CR LF");
    FUZZ_CHECK_DETAIL(bytes.count('\r') == 129, "a written game set has 129 lines",
                      QString::number(bytes.count('\r')));
    FUZZ_CHECK(bytes.count("\r\n") == 129, "every CR is followed by LF");
}

// The game set as it reads back after a save: leading and trailing blanks are
// gone, a blank type is a text question,
// and a one-character font size or colour falls back to the default.
GameSet expectedAfterReopen(GameSet game) {
    auto normaliseFont = [](QString& size, QString& color) {
        if (size.size() < 2)
            size = DefaultFontSize;
        if (color.size() < 2)
            color = DefaultFontColor;
    };
    for (auto& category : game.Categories) {
        for (QuestionRecord& record : category) {
            record.DailyDouble = TrimSpaces(record.DailyDouble);
            // A sound question's text goes out trimmed on its type line but is
            // not stored back, unlike the question line's field.
            if (record.QuestionType == QLatin1String("S"))
                record.QuestionText.set(record.QuestionText.trimmed());
            if (TrimSpaces(record.QuestionType).isEmpty())
                record.QuestionType = QStringLiteral("T");
            if (record.QuestionType == QLatin1String("T"))
                normaliseFont(record.FontSize, record.FontColor);
        }
    }
    if (game.Final.QuestionType == QLatin1String("S"))
        game.Final.QuestionText.set(game.Final.QuestionText.trimmed());
    if (TrimSpaces(game.Final.QuestionType).isEmpty())
        game.Final.QuestionType = QStringLiteral("T");
    if (game.Final.QuestionType == QLatin1String("T")) {
        normaliseFont(game.Final.FontSize, game.Final.FontColor);
    }
    return game;
}

// Names the first field in which two game sets differ.
QString firstDifference(const GameSet& expected, const GameSet& actual) {
    auto differs = [](const QString& field, const QString& a, const QString& b) {
        return QStringLiteral("%1: expected %2, got %3").arg(field, visible(a), visible(b));
    };
    for (int c = 0; c < 6; ++c) {
        if (expected.CategoryNames[c] != actual.CategoryNames[c])
            return differs(QStringLiteral("name %1").arg(c + 1), expected.CategoryNames[c].padded(),
                           actual.CategoryNames[c].padded());
        for (int q = 0; q < 5; ++q) {
            const QuestionRecord& e = expected.Categories[c][q];
            const QuestionRecord& a = actual.Categories[c][q];
            const QString where = QStringLiteral("c%1q%2 ").arg(c + 1).arg(q + 1);
            if (e.QuestionType != a.QuestionType)
                return differs(where + "type", e.QuestionType, a.QuestionType);
            if (e.DailyDouble != a.DailyDouble)
                return differs(where + "daily double", e.DailyDouble, a.DailyDouble);
            if (e.QuestionText != a.QuestionText)
                return differs(where + "text", e.QuestionText.padded(), a.QuestionText.padded());
            if (e.MediaPath != a.MediaPath)
                return differs(where + "media", e.MediaPath.padded(), a.MediaPath.padded());
            if (e.FontName != a.FontName || e.FontSize != a.FontSize ||
                e.FontColor != a.FontColor || e.FontBold != a.FontBold ||
                e.FontItalic != a.FontItalic)
                return differs(
                    where + "font",
                    TextTypeLine(e.FontName, e.FontSize, e.FontBold, e.FontItalic, e.FontColor),
                    TextTypeLine(a.FontName, a.FontSize, a.FontBold, a.FontItalic, a.FontColor));
            for (int k = 0; k < 5; ++k) {
                if (e.Answers[k] != a.Answers[k])
                    return differs(where + QStringLiteral("answer %1").arg(k),
                                   e.Answers[k].padded(), a.Answers[k].padded());
            }
        }
    }
    if (expected.Final.QuestionType != actual.Final.QuestionType)
        return differs(QStringLiteral("final type"), expected.Final.QuestionType,
                       actual.Final.QuestionType);
    if (expected.Final.QuestionText != actual.Final.QuestionText ||
        expected.Final.MediaPath != actual.Final.MediaPath)
        return differs(QStringLiteral("final text/media"),
                       expected.Final.QuestionText.trimmed() + "|" +
                           expected.Final.MediaPath.trimmed(),
                       actual.Final.QuestionText.trimmed() + "|" + actual.Final.MediaPath.trimmed());
    return QStringLiteral("final font or answers");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    GameSet opened = ReadGameSet(input);
    checkReadGame(opened);

    const QByteArray firstSave = WriteGameSet(opened);
    checkWrittenShape(firstSave);
    // Saving stored the trimmed values back; the same set saves the same bytes.
    FUZZ_CHECK(WriteGameSet(opened) == firstSave, "saving twice gives the same bytes");
    {
        GameSet copy = opened;
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        FUZZ_CHECK(!WriteGameSet(copy, device).failed(), "writing to a buffer succeeds");
        FUZZ_CHECK(device.data() == firstSave, "the device writer writes the same bytes");
    }

    const GameSet reopened = ReadGameSet(firstSave);
    checkReadGame(reopened);
    const GameSet expected = expectedAfterReopen(opened);
    FUZZ_CHECK_DETAIL(reopened == expected, "opening a saved game set gives it back",
                      firstDifference(expected, reopened));

    GameSet second = reopened;
    const QByteArray secondSave = WriteGameSet(second);
    // When nothing was lost on the way, the first save is already the fixed point.
    if (expected == opened)
        FUZZ_CHECK(secondSave == firstSave, "save, open, save gives identical bytes");
    GameSet third = ReadGameSet(secondSave);
    FUZZ_CHECK(third == second, "a resaved game set reads back unchanged");
    FUZZ_CHECK(WriteGameSet(third) == secondSave, "the second save is a fixed point");
    return 0;
}
