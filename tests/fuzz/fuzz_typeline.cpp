// The five field routines of the "T" type line and the conversions behind
// them, on arbitrary lines: every result is the field the "#" positions name
// or the field's default, the conversions stay in range, and a type line
// built from font fields gives those fields back.
#include "fuzzcheck.h"

#include "model/gamesetfile.h"
#include "util/windows1252.h"

#include <QStringList>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The text between the index-th and the next "#", when both are there.
std::optional<QString> fieldBetweenHashes(const QString& line, int index) {
    const QStringList parts = line.split(QLatin1Char('#'));
    if (parts.size() < index + 2)
        return std::nullopt;
    return parts.at(index);
}

std::optional<QString> usable(const QString& line, int index) {
    std::optional<QString> field = fieldBetweenHashes(line, index);
    if (field && field->size() >= 2)
        return field;
    return std::nullopt;
}

void checkConversions(const QString& text) {
    // Whether a text is a number does not depend on the spaces around it.
    FUZZ_CHECK_DETAIL(IsNumeric(text) == IsNumeric(text + QLatin1Char(' ')),
                      "a space after a text does not change IsNumeric", visible(text));
    FUZZ_CHECK_DETAIL(IsNumeric(text) == IsNumeric(TrimSpaces(text)),
                      "trimming spaces does not change IsNumeric", visible(text));

    const double number = LeadingNumber(text);
    FUZZ_CHECK_DETAIL(!std::isnan(number), "a leading number is never NaN", visible(text));

    const std::optional<qint16> nearest = NearestInt16(number);
    if (nearest) {
        FUZZ_CHECK_DETAIL(std::fabs(*nearest - number) <= 0.5, "the nearest integer is nearest",
                          QString::number(number));
    } else {
        // Halves round to even, so 32767.5 goes up to 32768 while -32768.5 stays.
        FUZZ_CHECK_DETAIL(number < -32768.5 || number >= 32767.5,
                          "only values outside 16 bits fail to round", QString::number(number));
    }

    const std::optional<bool> flag = ToBoolean(text);
    const QString word = TrimSpaces(text);
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        FUZZ_CHECK(flag == true, "\"True\" converts to true");
    else if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        FUZZ_CHECK(flag == false, "\"False\" converts to false");
    else if (IsNumeric(word))
        FUZZ_CHECK_DETAIL(flag == (LeadingNumber(word) != 0.0), "a number converts to non-zero",
                          visible(text));
    else
        FUZZ_CHECK_DETAIL(!flag.has_value(), "other words do not convert", visible(text));

    // A plain integer of a few digits reads as itself.
    bool isInteger = false;
    const int integer = word.toInt(&isInteger);
    if (isInteger && word.size() <= 9 && word == QString::number(integer)) {
        FUZZ_CHECK(IsNumeric(text), "an integer is numeric");
        FUZZ_CHECK_DETAIL(number == integer, "an integer's leading number is itself",
                          visible(text));
    }
}

void checkFieldRoutines(const QString& line) {
    const std::optional<QString> first = usable(line, 1);
    const bool firstIsNumber = first && IsNumeric(*first);

    const QString name = GetFontNameField(line);
    FUZZ_CHECK_DETAIL(name == (first && !firstIsNumber ? *first : QString()),
                      "the font name is the first field or nothing", visible(line));

    qint16 size = 28;
    if (const std::optional<QString> field = usable(line, 2))
        size = NearestInt16(LeadingNumber(*field)).value_or(qint16(28));
    FUZZ_CHECK_DETAIL(GetFontSizeField(line) == size, "the font size is the second field or 28",
                      visible(line));

    bool bold = true;
    if (const std::optional<QString> field = usable(line, 3))
        bold = ToBoolean(*field).value_or(true);
    FUZZ_CHECK_DETAIL(GetFontBoldField(line) == bold, "bold is the third field or true",
                      visible(line));

    bool italic = true;
    if (const std::optional<QString> field = usable(line, 4))
        italic = ToBoolean(*field).value_or(true);
    FUZZ_CHECK_DETAIL(GetFontItalicField(line) == italic, "italic is the fourth field or true",
                      visible(line));

    QString color = DefaultFontColor;
    if (firstIsNumber)
        color = *first;
    else if (const std::optional<QString> field = usable(line, 5))
        color = *field;
    FUZZ_CHECK_DETAIL(GetFontColorField(line) == color,
                      "the colour is the numeric first field, the fifth field or white",
                      visible(line));
}

// Builds a type line from the tab-separated parts of the input and reads it back.
void checkBuiltLine(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (parts.size() < 5)
        return;
    const QString name = parts.at(0);
    const QString size = parts.at(1);
    const bool bold = parts.at(2).size() % 2 == 1;
    const bool italic = parts.at(3).size() % 2 == 1;
    const QString color = parts.at(4);
    const QChar hash = QLatin1Char('#');
    if (name.contains(hash) || size.contains(hash) || color.contains(hash))
        return; // a "#" inside a field shifts the others: the format cannot hold it

    const QString line = TextTypeLine(name, size, bold, italic, color);
    FUZZ_CHECK(line.startsWith(QLatin1Char('T')), "a text type line starts with T");
    // The reader trims the line before taking the fields apart.
    const QString read = TrimSpaces(line);
    if (!TrimSpaces(name).isEmpty()) {
        const bool nameUsable = name.size() >= 2 && !IsNumeric(name);
        FUZZ_CHECK_DETAIL(GetFontNameField(read) == (nameUsable ? name : QString()),
                          "a written font name reads back", visible(line));
        FUZZ_CHECK_DETAIL(GetFontBoldField(read) == bold, "a written bold flag reads back",
                          visible(line));
        FUZZ_CHECK_DETAIL(GetFontItalicField(read) == italic, "a written italic flag reads back",
                          visible(line));
        bool isNumber = false;
        const qint16 number = size.toShort(&isNumber);
        if (isNumber && size.size() >= 2 && size == QString::number(number))
            FUZZ_CHECK_DETAIL(GetFontSizeField(read) == number, "a written size reads back",
                              visible(line));
    }
    if (color.size() >= 2 && !TrimSpaces(color).isEmpty()) {
        if (TrimSpaces(name).isEmpty()) {
            // The colour-only form "T#255#" works for numbers only.
            if (IsNumeric(color))
                FUZZ_CHECK_DETAIL(GetFontColorField(read) == color,
                                  "a colour-only line gives its colour", visible(line));
        } else if (name.size() >= 2 && IsNumeric(name)) {
            FUZZ_CHECK_DETAIL(GetFontColorField(read) == name,
                              "a numeric font name is taken as the colour", visible(line));
        } else {
            FUZZ_CHECK_DETAIL(GetFontColorField(read) == color, "a written colour reads back",
                              visible(line));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Type lines are one line of a file: keep them to a sensible length.
    if (size > 4096)
        return 0;
    const QString line = DecodeWindows1252(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    checkFieldRoutines(line);
    checkFieldRoutines(TrimSpaces(line));
    checkConversions(line);
    for (const QString& part : line.split(QLatin1Char('#')))
        checkConversions(part);
    checkBuiltLine(line);
    return 0;
}
