#include "util/windows1252.h"

#include <array>

namespace {

// Bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the
// C1 control with the same number, so that they survive a read and a write.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char16_t DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControlRange[byte - 0x80];
    return byte; // ASCII and Latin-1 coincide with Unicode here
}

// The byte of `character`, or -1 when the code page has none.
int EncodeChar(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return character;
    for (std::size_t index = 0; index < HighControlRange.size(); ++index) {
        if (HighControlRange[index] == character)
            return static_cast<int>(0x80 + index);
    }
    return -1;
}

} // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype index = 0; index < bytes.size(); ++index)
        out[index] = QChar(DecodeByte(static_cast<unsigned char>(bytes[index])));
    return text;
}

QByteArray EncodeWindows1252(const QString& text, bool* lossless) {
    // One byte per character at most (a surrogate pair gives one "?"), so
    // the bytes are written in place and the surplus cut off at the end.
    const qsizetype size = text.size();
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    const QChar* in = text.constData();
    qsizetype written = 0;
    bool exact = true;
    for (qsizetype index = 0; index < size; ++index) {
        const char16_t character = in[index].unicode();
        if (character < 0x80) {
            out[written++] = static_cast<char>(character);
            continue;
        }
        const int byte = EncodeChar(character);
        if (byte >= 0) {
            out[written++] = static_cast<char>(byte);
            continue;
        }
        exact = false;
        out[written++] = '?';
        // A character outside the basic plane is one "?", not two.
        if (QChar::isHighSurrogate(character) && index + 1 < size && in[index + 1].isLowSurrogate())
            ++index;
    }
    if (written < size)
        bytes.truncate(written);
    if (lossless)
        *lossless = exact;
    return bytes;
}

bool IsWindows1252(QChar character) {
    return EncodeChar(character.unicode()) >= 0;
}

QString FirstUnstorableCharacter(QStringView text) {
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (IsWindows1252(text[index]))
            continue;
        const bool pair = text[index].isHighSurrogate() && index + 1 < text.size() &&
                          text[index + 1].isLowSurrogate();
        return text.mid(index, pair ? 2 : 1).toString();
    }
    return QString();
}

bool IsUndefinedWindows1252(QChar character) {
    const char16_t code = character.unicode();
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}
