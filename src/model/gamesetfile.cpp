#include "model/gamesetfile.h"
#include "model/safewrite.h"

#include "util/linereader.h"
#include "util/rounding.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QBuffer>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

const QChar Caret = QLatin1Char('^');
const QChar Hash = QLatin1Char('#');
const QString TrueWord = QStringLiteral("True");
const QString FalseWord = QStringLiteral("False");

// ---- numbers -------------------------------------------------------------

bool IsSpaceLike(QChar character) {
    return character == QLatin1Char(' ') || character == QLatin1Char('\t') ||
           character == QLatin1Char('\n');
}

bool IsDigit(QChar character) {
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

// Value of the digits of "&H..." / "&O...": short forms (up to four hex digits,
// octal up to 177777) are 16-bit numbers, so "&HFFFF" is -1; longer ones 32-bit.
double RadixValue(const QString& digits, int radix) {
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, radix);
    if (!ok || value > 0xFFFFFFFFull)
        return HUGE_VAL;
    const bool shortForm = radix == 16 ? digits.size() <= 4 : value <= 0xFFFF;
    if (shortForm && value <= 0xFFFF)
        return static_cast<qint16>(static_cast<quint16>(value));
    return static_cast<qint32>(static_cast<quint32>(value));
}

bool IsRadixDigit(QChar character, int radix) {
    if (radix == 8)
        return character >= QLatin1Char('0') && character <= QLatin1Char('7');
    return IsDigit(character) ||
           (character.toUpper() >= QLatin1Char('A') && character.toUpper() <= QLatin1Char('F'));
}

double ParseDecimal(const QByteArray& canonical) {
    if (canonical.isEmpty())
        return 0;
    // Always a "." whatever the user's locale.
    bool ok = false;
    const double value = canonical.toDouble(&ok);
    if (ok)
        return value;
    // Out of range: this conversion gives an infinity for overflow and 0 for
    // underflow, which is what the callers want.
    return QLocale::c().toDouble(QLatin1String(canonical), &ok);
}

// ---- answers and type lines ----------------------------------------------

// Text between the index-th and the next "#" (index counts from 1), or none
// when either "#" is missing.
std::optional<QStringView> HashField(QStringView typeLine, int index) {
    qsizetype start = -1;
    for (int count = 0; count < index; ++count) {
        start = typeLine.indexOf(Hash, start + 1);
        if (start < 0)
            return std::nullopt;
    }
    const qsizetype end = typeLine.indexOf(Hash, start + 1);
    if (end < 0)
        return std::nullopt;
    return typeLine.sliced(start + 1, end - start - 1);
}

// A field is used only when it has at least two characters.
std::optional<QString> UsableField(const QString& typeLine, int index) {
    const std::optional<QStringView> field = HashField(typeLine, index);
    if (field && field->size() >= 2)
        return field->toString();
    return std::nullopt;
}

void SplitAnswers(const QString& line, std::array<FixedText<AnswerWidth>, 5>& answers) {
    if (!line.contains(Caret)) {
        answers[0].set(TrimSpaces(line));
        return;
    }
    qsizetype start = 0;
    for (std::size_t index = 0; index < answers.size(); ++index) {
        const qsizetype caret = line.indexOf(Caret, start);
        if (caret < 0) {
            answers[index].set(line.mid(start));
            return;
        }
        answers[index].set(line.mid(start, caret - start));
        start = caret + 1;
    }
}

QString JoinAnswers(std::array<FixedText<AnswerWidth>, 5>& answers) {
    QStringList parts;
    for (auto& answer : answers) {
        const QString trimmed = answer.trimmed();
        answer.set(trimmed);
        parts << trimmed;
    }
    return parts.join(Caret);
}

QString BoolWord(bool value) {
    return value ? TrueWord : FalseWord;
}

struct DecodedFont {
    QString name;
    qint16 size;
    bool bold;
    bool italic;
    QString color;
};

DecodedFont DecodeFont(const QString& workingTypeLine) {
    const QString typeLine = TrimSpaces(workingTypeLine);
    DecodedFont font;
    font.name = GetFontNameField(typeLine);
    if (TrimSpaces(font.name).isEmpty())
        font.name = DefaultFontName;
    font.size = GetFontSizeField(typeLine);
    font.bold = GetFontBoldField(typeLine);
    font.italic = GetFontItalicField(typeLine);
    font.color = GetFontColorField(typeLine);
    return font;
}

// Reads the next line into `target`; past the end the target keeps its value.
void ReadInto(LineReader& reader, QString& target) {
    QString line;
    if (reader.readLine(line))
        target = line;
}

template <int Width> void ReadInto(LineReader& reader, FixedText<Width>& target) {
    QString line;
    if (reader.readLine(line))
        target.set(line);
}

} // namespace

// ---- layout -------------------------------------------------------------------

int CategoryNameLine(int category) {
    return 1 + LinesPerCategory * (category - 1);
}

int QuestionGroupLine(Square square) {
    if (square.isFinal())
        return FinalGroupLine;
    return CategoryNameLine(square.category) + 1 + LinesPerQuestion * (square.question - 1);
}

bool BlankTypeIsText(int category) {
    return category != 3 && category != 6 && category != Square::FinalCategory;
}

LinePlace PlaceOfLine(int number) {
    if (number >= FinalGroupLine) {
        const LineRole roles[] = {LineRole::Question, LineRole::Answers, LineRole::Type};
        return {roles[number - FinalGroupLine], Square::finalQuestion()};
    }
    const int category = (number - 1) / LinesPerCategory + 1;
    const int offset = (number - 1) % LinesPerCategory;
    if (offset == 0)
        return {LineRole::Name, {category, 1}};
    const LineRole roles[] = {LineRole::Question, LineRole::Answers, LineRole::DailyDouble,
                              LineRole::Type};
    return {roles[(offset - 1) % LinesPerQuestion],
            {category, (offset - 1) / LinesPerQuestion + 1}};
}

// ---- conversions -----------------------------------------------------------

bool IsNumeric(const QString& text) {
    // Most words cannot start a number; they need no pattern matching.
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char(' '))
        ++first;
    if (first == text.size())
        return false;
    const QChar lead = text.at(first);
    if (!IsDigit(lead) && lead != QLatin1Char('+') && lead != QLatin1Char('-') &&
        lead != QLatin1Char('.') && lead != QLatin1Char('&'))
        return false;
    static const QRegularExpression decimal(
        QStringLiteral(R"(\A *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eEdD][+-]?[0-9]+)? *\z)"));
    static const QRegularExpression radix(
        QStringLiteral(R"(\A *&([hH][0-9a-fA-F]{1,8}|[oO]?[0-7]{1,11}) *\z)"));
    return decimal.match(text).hasMatch() || radix.match(text).hasMatch();
}

double LeadingNumber(const QString& text) {
    // Spaces, tabs and line feeds anywhere inside the number are ignored.
    QByteArray compact;
    compact.reserve(qMin<qsizetype>(text.size(), 64));
    qsizetype index = 0;
    auto next = [&]() -> QChar {
        while (index < text.size() && IsSpaceLike(text.at(index)))
            ++index;
        return index < text.size() ? text.at(index) : QChar();
    };

    if (next() == QLatin1Char('&')) {
        ++index;
        int radix = 8; // a bare "&" is octal too
        const QChar kind = next().toUpper();
        if (kind == QLatin1Char('H') || kind == QLatin1Char('O')) {
            radix = kind == QLatin1Char('H') ? 16 : 8;
            ++index;
        }
        QString digits;
        while (IsRadixDigit(next(), radix) && digits.size() < 32) {
            digits += text.at(index);
            ++index;
        }
        return RadixValue(digits, radix);
    }

    // Moves the next sign or run of digits into `into`; true when there were digits.
    // Only ASCII signs, digits and points are taken, so each is one byte.
    auto takeSign = [&](QByteArray& into) {
        if (next() == QLatin1Char('+') || next() == QLatin1Char('-'))
            into += text.at(index++).toLatin1();
    };
    auto takeDigits = [&](QByteArray& into) {
        const qsizetype start = into.size();
        while (IsDigit(next()))
            into += text.at(index++).toLatin1();
        return into.size() > start;
    };

    takeSign(compact);
    bool anyDigit = takeDigits(compact);
    if (next() == QLatin1Char('.')) {
        compact += text.at(index++).toLatin1();
        anyDigit = takeDigits(compact) || anyDigit;
    }
    if (!anyDigit)
        return 0;
    if (next().toUpper() == QLatin1Char('E') || next().toUpper() == QLatin1Char('D')) {
        ++index;
        QByteArray exponent("e");
        takeSign(exponent);
        if (takeDigits(exponent)) // "7e" is just 7
            compact += exponent;
    }
    return ParseDecimal(compact);
}

std::optional<qint16> NearestInt16(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const int rounded = RoundHalfEven(value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<bool> ToBoolean(const QString& text) {
    const QString word = TrimSpaces(text);
    if (word.compare(TrueWord, Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(FalseWord, Qt::CaseInsensitive) == 0)
        return false;
    if (IsNumeric(word))
        return LeadingNumber(word) != 0.0;
    return std::nullopt;
}

// ---- type-line fields --------------------------------------------------------

QString GetFontNameField(const QString& typeLine) {
    const std::optional<QString> field = UsableField(typeLine, 1);
    if (field && !IsNumeric(*field))
        return *field;
    return QString();
}

qint16 GetFontSizeField(const QString& typeLine) {
    if (const std::optional<QString> field = UsableField(typeLine, 2)) {
        if (const std::optional<qint16> size = NearestInt16(LeadingNumber(*field)))
            return *size;
    }
    return 28;
}

bool GetFontBoldField(const QString& typeLine) {
    if (const std::optional<QString> field = UsableField(typeLine, 3))
        return ToBoolean(*field).value_or(true);
    return true;
}

bool GetFontItalicField(const QString& typeLine) {
    if (const std::optional<QString> field = UsableField(typeLine, 4))
        return ToBoolean(*field).value_or(true);
    return true;
}

QString GetFontColorField(const QString& typeLine) {
    // A numeric first field is the colour of the short form "T#255#".
    if (const std::optional<QString> first = UsableField(typeLine, 1)) {
        if (IsNumeric(*first))
            return *first;
    }
    if (const std::optional<QString> field = UsableField(typeLine, 5))
        return *field;
    return DefaultFontColor;
}

QString TextTypeLine(const QString& fontName, const QString& fontSize, bool bold, bool italic,
                     const QString& fontColor) {
    QString line = QStringLiteral("T");
    if (!TrimSpaces(fontName).isEmpty()) {
        line += Hash + fontName + Hash + fontSize + Hash + BoolWord(bold) + Hash +
                BoolWord(italic) + Hash;
    }
    if (!TrimSpaces(fontColor).isEmpty()) {
        if (line == QLatin1String("T"))
            line += Hash;
        line += fontColor + Hash;
    }
    return line;
}

// ---- reading -----------------------------------------------------------------

namespace {

// One question group into `record`: the question line, the answers line, the
// Daily Double line (the final question has none), then the type line.
// `questionLine` and `typeLine` are the read's working values: past the end
// of a short file they keep the last line read into them.
void ReadGroup(LineReader& reader, int category, QuestionRecord& record, QString& questionLine,
               QString& typeLine) {
    ReadInto(reader, questionLine);
    QString answersLine;
    ReadInto(reader, answersLine);
    SplitAnswers(answersLine, record.Answers);
    if (category != Square::FinalCategory)
        ReadInto(reader, record.DailyDouble);

    ReadInto(reader, typeLine);
    record.QuestionType = typeLine.left(1);
    if (record.QuestionType.isEmpty() ||
        (BlankTypeIsText(category) && record.QuestionType == QLatin1String(" ")))
        record.QuestionType = QStringLiteral("T");

    if (record.QuestionType == QLatin1String("T")) {
        const DecodedFont font = DecodeFont(typeLine);
        record.FontName = font.name;
        record.FontSize = QString::number(font.size);
        record.FontBold = font.bold;
        record.FontItalic = font.italic;
        record.FontColor = font.color;
    }
    if (record.QuestionType == QLatin1String("S")) {
        record.MediaPath.set(questionLine);
        record.QuestionText.set(typeLine.mid(1));
    } else {
        record.QuestionText.set(questionLine);
    }
}

} // namespace

void ReadGameSet(GameSet& game, QIODevice& device) {
    ResetGameSet(game);
    LineReader reader(device);
    QString questionLine;
    QString typeLine;
    for (int category = 1; category <= 6; ++category) {
        ReadInto(reader, game.CategoryNames[category - 1]);
        for (int question = 1; question <= 5; ++question)
            ReadGroup(reader, category, game.question(category, question), questionLine, typeLine);
    }
    ReadGroup(reader, Square::FinalCategory, game.Final, questionLine, typeLine);
    // Nothing after the final group is read.
}

GameSet ReadGameSet(const QByteArray& bytes) {
    GameSet game;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadGameSet(game, buffer);
    return game;
}

FileError OpenFile(GameSet& game, const QString& path) {
    ResetGameSet(game);
    QFile file(path);
    const FileError opened = OpenForReading(file);
    if (!opened.failed())
        ReadGameSet(game, file);
    return opened;
}

// ---- writing -----------------------------------------------------------------

FixedText<QuestionWidth>& QuestionLineField(QuestionRecord& record) {
    return record.QuestionType == QLatin1String("S") ? record.MediaPath : record.QuestionText;
}

QByteArray WriteGameSet(GameSet& game) {
    QStringList lines;
    lines.reserve(GameSetLineCount);

    for (int category = 1; category <= 6; ++category) {
        FixedText<CategoryNameWidth>& name = game.CategoryNames[category - 1];
        name.set(name.trimmed());
        lines << name.trimmed();

        for (int question = 1; question <= 5; ++question) {
            QuestionRecord& record = game.question(category, question);
            FixedText<QuestionWidth>& questionField = QuestionLineField(record);
            questionField.set(questionField.trimmed());
            lines << questionField.trimmed();

            lines << JoinAnswers(record.Answers);

            // Only an empty flag becomes "N"; a blank one is written trimmed, as "".
            if (record.DailyDouble.isEmpty())
                record.DailyDouble = QStringLiteral("N");
            lines << TrimSpaces(record.DailyDouble);

            QString letter = TrimSpaces(record.QuestionType).left(1);
            if (letter.isEmpty())
                letter = QStringLiteral("T");
            if (letter == QLatin1String("T")) {
                lines << TextTypeLine(record.FontName, record.FontSize, record.FontBold,
                                      record.FontItalic, record.FontColor);
            } else if (letter == QLatin1String("S")) {
                lines << letter + record.QuestionText.trimmed();
            } else {
                lines << letter;
            }
        }
    }

    QuestionRecord& last = game.Final;
    FixedText<QuestionWidth>& finalQuestionField = QuestionLineField(last);
    finalQuestionField.set(finalQuestionField.trimmed());
    lines << finalQuestionField.trimmed();
    lines << JoinAnswers(last.Answers);

    // The final type is compared as a whole: only an exact "T" gets the font
    // form, with the size written as the whole number it is kept as.
    if (last.QuestionType == QLatin1String("T")) {
        const qint16 size = NearestInt16(LeadingNumber(last.FontSize)).value_or(0);
        lines << TextTypeLine(last.FontName, QString::number(size), last.FontBold, last.FontItalic,
                              last.FontColor);
    } else if (last.QuestionType != QLatin1String("S")) {
        lines << TrimSpaces(last.QuestionType);
    } else {
        lines << QStringLiteral("S") + last.QuestionText.trimmed();
    }

    QByteArray bytes;
    for (const QString& line : std::as_const(lines)) {
        bytes += EncodeWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

bool HasCarriageReturn(const QString& text) {
    return text.contains(QLatin1Char('\r'));
}

bool HasCarriageReturn(const QuestionRecord& record) {
    const QString fields[] = {
        record.QuestionType, record.DailyDouble, record.QuestionText.padded(), record.FontName,
        record.FontSize,     record.FontColor,   record.MediaPath.padded()};
    return std::any_of(std::begin(fields), std::end(fields),
                       [](const QString& field) { return HasCarriageReturn(field); }) ||
           std::any_of(record.Answers.begin(), record.Answers.end(),
                       [](const FixedText<AnswerWidth>& answer) {
                           return HasCarriageReturn(answer.padded());
                       });
}

// Where a field holds a CR, which always ends a line of the file: every line
// after it would be read one place late. "" when none does.
QString PlaceOfLineBreak(const GameSet& game) {
    for (int category = 1; category <= 6; ++category) {
        if (HasCarriageReturn(game.CategoryNames[category - 1].padded()))
            return QStringLiteral("category %1 name").arg(category);
        for (int question = 1; question <= 5; ++question) {
            if (HasCarriageReturn(game.question(category, question)))
                return QStringLiteral("category %1 question %2").arg(category).arg(question);
        }
    }
    return HasCarriageReturn(game.Final) ? QStringLiteral("the final question") : QString();
}

} // namespace

FileError WriteGameSet(GameSet& game, QIODevice& device) {
    const QString lineBreak = PlaceOfLineBreak(game);
    if (!lineBreak.isEmpty())
        return {ErrorNumber::InvalidArgument,
                QStringLiteral("A line break in %1 would shift every following line of the "
                               "file; nothing was written")
                    .arg(lineBreak),
                QString()};
    const QByteArray bytes = WriteGameSet(game);
    qint64 written = 0;
    // A short write is retried so that the failing call reports the reason.
    while (written < bytes.size()) {
        const qint64 count = device.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    auto* file = qobject_cast<QFileDevice*>(&device);
    // A buffered file only learns about a full disk when the buffer is flushed.
    if (written == bytes.size() && (!file || file->flush()))
        return FileError::ok();
    if (file) {
        const FileError error = ErrorOfDevice(*file);
        if (error.failed())
            return error;
    }
    return FileError::of(ErrorNumber::PathFileAccess);
}

QStringList NotAGameSet(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QStringList reasons;
    const QByteArray start = file.peek(2);
    if (start == "\xFF\xFE" || start == "\xFE\xFF") {
        reasons << QStringLiteral("it is UTF-16 text; a game set is Windows-1252 text");
    } else {
        for (qint64 offset = 0; !file.atEnd();) {
            const QByteArray chunk = file.read(64 * 1024);
            const qsizetype nul = chunk.indexOf('\0');
            if (nul >= 0) {
                reasons << QStringLiteral("byte %1 is a NUL byte: this is no text file")
                               .arg(offset + nul + 1);
                break;
            }
            offset += chunk.size();
        }
    }
    if (!file.seek(0))
        return reasons;
    LineReader reader(file);
    QString line;
    for (qint64 number = 1; reader.readLine(line); ++number) {
        if (number > GameSetLineCount && !TrimSpaces(line).isEmpty()) {
            reasons << QStringLiteral("line %1 is not empty: a game set has %2 lines, and "
                                      "saving would drop the rest")
                           .arg(number)
                           .arg(GameSetLineCount);
            break;
        }
    }
    return reasons;
}

FileError SaveFile(GameSet& game, const QString& path, const QString& keepFolder) {
    SafeWriteOptions options;
    options.keepFolder = keepFolder;
    return SafeWriteFile(
        path, [&game](QFile& file, const QString&) { return WriteGameSet(game, file); }, options);
}
