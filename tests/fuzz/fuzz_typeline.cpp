// The "T" type line's field routines on arbitrary lines: each result is its
// field or the default, and built lines read back.
#include "fuzzcheck.h"

#include "model/gamesetfile.h"
#include "util/windows1252.h"

#include <QStringList>
#include <cstdint>
#include <optional>

namespace {

// The field between the index-th and the next "#", if both exist and it has two characters.
std::optional<QString> Usable(const QString& line, int index) {
    const QStringList parts = line.split('#');
    if (parts.size() < index + 2 || parts.at(index).size() < 2)
        return std::nullopt;
    return parts.at(index);
}

void CheckFieldRoutines(const QString& line) {
    const std::optional<QString> first = Usable(line, 1), size = Usable(line, 2);
    const std::optional<QString> bold = Usable(line, 3), italic = Usable(line, 4);
    const bool numericFirst = first && IsNumeric(*first);
    Check(GetFontNameField(line) == (first && !numericFirst ? *first : QString()),
          "the font name is the first field or nothing", line);
    Check(GetFontSizeField(line) == (size ? NearestInt16(LeadingNumber(*size)).value_or(28) : 28),
          "the font size is the second field or 28", line);
    Check(GetFontBoldField(line) == (bold ? ToBoolean(*bold).value_or(true) : true),
          "bold is the third field or true", line);
    Check(GetFontItalicField(line) == (italic ? ToBoolean(*italic).value_or(true) : true),
          "italic is the fourth field or true", line);
    Check(GetFontColorField(line) ==
              (numericFirst ? *first : Usable(line, 5).value_or(DefaultFontColor)),
          "the colour is the numeric first field, the fifth field or white", line);
}

// Builds a type line from the tab-separated parts of the input and reads it back.
void CheckBuiltLine(const QString& text) {
    const QStringList parts = text.split('\t');
    // A "#" inside a field shifts the others: the format cannot hold it.
    if (parts.size() < 5 || (parts.at(0) + parts.at(1) + parts.at(4)).contains('#'))
        return;
    const QString name = parts.at(0), size = parts.at(1), color = parts.at(4);
    const bool bold = parts.at(2).size() % 2, italic = parts.at(3).size() % 2;
    const QString line = TextTypeLine(name, size, bold, italic, color);
    Check(line.startsWith('T'), "a text type line starts with T", line);
    const QString read = TrimSpaces(line); // as the reader takes it
    const bool numericName = name.size() >= 2 && IsNumeric(name);
    if (!TrimSpaces(name).isEmpty()) {
        Check(GetFontNameField(read) == (name.size() >= 2 && !numericName ? name : QString()) &&
                  GetFontBoldField(read) == bold && GetFontItalicField(read) == italic,
              "a written font name, bold and italic read back", line);
        bool isNumber = false;
        const qint16 number = size.toShort(&isNumber);
        if (isNumber && size.size() >= 2 && size == QString::number(number))
            Check(GetFontSizeField(read) == number, "a written size reads back", line);
    }
    if (color.size() < 2 || TrimSpaces(color).isEmpty())
        return;
    // The colour-only form "T#255#" works for numbers only.
    if (!TrimSpaces(name).isEmpty() || IsNumeric(color))
        Check(GetFontColorField(read) == (numericName ? name : color),
              "a written colour reads back (a numeric font name is taken for it)", line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096)
        return 0; // a type line is one line of a file
    const QString line = DecodeWindows1252(QByteArrayView(data, qsizetype(size)));
    CheckFieldRoutines(line);
    CheckFieldRoutines(TrimSpaces(line));
    CheckBuiltLine(line);
    return 0;
}
