// Reader and writer on arbitrary bytes: fixed widths and record invariants hold,
// and save-open-save is stable apart from the format's known losses.
#include "fuzzcheck.h"

#include "model/gamesetfile.h"

#include <QBuffer>
#include <cstdint>

namespace {

// What a freshly read game set looks like, whatever the bytes were.
void CheckRead(const GameSet& game) {
    CheckFieldWidths(game);
    for (const auto& name : game.CategoryNames)
        Check(!name.trimmed().contains('\r'), "no CR inside a read field", name.trimmed());
    ForEachQuestion(game, [](const QuestionRecord& record) {
        const QString& type = record.QuestionType;
        Check(type.size() == 1, "a read type is one character", type);
        for (const QString& field :
             {record.QuestionText.trimmed(), record.MediaPath.trimmed(), record.DailyDouble})
            Check(!field.contains('\r'), "no CR inside a read field", field);
        for (const auto& answer : record.Answers) {
            Check(!answer.trimmed().contains('\r') && !answer.trimmed().contains('^'),
                  "a read answer holds no CR and no ^", answer.trimmed());
        }
        if (type == "T") {
            Check(!TrimSpaces(record.FontName).isEmpty() && !record.FontName.contains('#') &&
                      !IsNumeric(record.FontName),
                  "a read font name is a name, not a number", record.FontName);
            bool isNumber = false;
            const short size = record.FontSize.toShort(&isNumber);
            Check(isNumber && QString::number(size) == record.FontSize,
                  "a read font size is a 16-bit number", record.FontSize);
            Check(record.FontColor.size() >= 2 && !record.FontColor.contains('#'),
                  "a read colour has two characters and no #", record.FontColor);
        } else {
            Check(record.FontName == DefaultFontName && record.FontSize == DefaultFontSize &&
                      record.FontBold && record.FontItalic && record.FontColor == DefaultFontColor,
                  "other types keep the default font", type);
        }
        Check(type == "S" || record.MediaPath.isBlank(), "only sound questions have a media path",
              record.MediaPath.trimmed());
    });
}

// The game set as it reads back after a save: blanks around the fields are
// gone (a sound question's text goes out trimmed on its type line but is not
// stored back), a blank type is a text question, and a one-character font
// size or colour falls back to the default.
GameSet AfterReopen(GameSet game) {
    ForEachQuestion(game, [](QuestionRecord& record) {
        record.DailyDouble = TrimSpaces(record.DailyDouble);
        if (record.QuestionType == "S")
            record.QuestionText.set(record.QuestionText.trimmed());
        if (TrimSpaces(record.QuestionType).isEmpty())
            record.QuestionType = "T";
        if (record.QuestionType == "T" && record.FontSize.size() < 2)
            record.FontSize = DefaultFontSize;
        if (record.QuestionType == "T" && record.FontColor.size() < 2)
            record.FontColor = DefaultFontColor;
    });
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameSet opened = ReadGameSet(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    CheckRead(opened);

    const QByteArray saved = WriteGameSet(opened);
    Check(saved.endsWith("\r\n") && saved.count('\r') == 129 && saved.count("\r\n") == 129,
          "a written game set is 129 lines, each ending in CR LF");
    // Saving stored the trimmed values back; the same set saves the same bytes.
    Check(WriteGameSet(opened) == saved, "saving twice gives the same bytes");
    GameSet copy = opened;
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    Check(!WriteGameSet(copy, device).failed() && device.data() == saved,
          "the device writer writes the same bytes");

    const GameSet reopened = ReadGameSet(saved);
    CheckRead(reopened);
    const GameSet expected = AfterReopen(opened);
    Check(reopened == expected, "opening a saved game set gives it back",
          reopened.Final != expected.Final                   ? "the final question differs"
          : reopened.CategoryNames != expected.CategoryNames ? "a category name differs"
                                                             : "a board question differs");

    GameSet second = reopened;
    const QByteArray resaved = WriteGameSet(second);
    // When nothing was lost on the way, the first save is already the fixed point.
    Check(expected != opened || resaved == saved, "save, open, save gives identical bytes");
    GameSet third = ReadGameSet(resaved);
    Check(third == second && WriteGameSet(third) == resaved,
          "a resaved game set reads back unchanged and saves the same bytes");
    return 0;
}
