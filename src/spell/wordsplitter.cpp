#include "spell/wordsplitter.h"

namespace {

bool IsWordCharacter(QChar c) {
    // Most characters are ASCII: no mark there, and no table lookup needed.
    return c.isLetterOrNumber() || (c.unicode() >= 0x80 && c.isMark());
}

bool IsApostrophe(QChar c) {
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool IsLowerAlphanumeric(QStringView text) {
    for (QChar c : text) {
        if (!(c.isDigit() || (c.isLetter() && c.isLower())))
            return false;
    }
    return true;
}

// True for a piece between spaces that is an address, a path or a file
// name rather than words: its parts are not words of any language.
bool IsAddressOrPath(QStringView chunk) {
    if (chunk.contains(u"://") || chunk.startsWith(u"www.", Qt::CaseInsensitive) ||
        chunk.contains(QLatin1Char('@')) || chunk.contains(QLatin1Char('/')) ||
        chunk.contains(QLatin1Char('\\')))
        return true;
    // "photo.jpg", "example.com": a lower-case ending of two to four
    // characters after a dot inside the piece; "U.S.A." or "end.Then" are not.
    while (!chunk.isEmpty() && !IsWordCharacter(chunk.back()))
        chunk.chop(1);
    const qsizetype dot = chunk.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return false;
    const QStringView ending = chunk.mid(dot + 1);
    return ending.size() >= 2 && ending.size() <= 4 && IsLowerAlphanumeric(ending) &&
           IsWordCharacter(chunk.at(dot - 1));
}

} // namespace

QList<TextSpan> SplitWords(QStringView text) {
    QList<TextSpan> words;
    const int size = static_cast<int>(text.size());
    int position = 0;
    while (position < size) {
        while (position < size && text.at(position).isSpace())
            ++position;
        const int chunkStart = position;
        while (position < size && !text.at(position).isSpace())
            ++position;
        const QStringView chunk = text.mid(chunkStart, position - chunkStart);
        if (chunk.isEmpty() || IsAddressOrPath(chunk))
            continue;

        const int chunkSize = static_cast<int>(chunk.size());
        int at = 0;
        while (at < chunkSize) {
            if (!IsWordCharacter(chunk.at(at))) {
                ++at;
                continue;
            }
            const int start = at;
            bool hasDigit = false;
            while (at < chunkSize) {
                const QChar c = chunk.at(at);
                if (IsWordCharacter(c)) {
                    hasDigit = hasDigit || c.isNumber();
                    ++at;
                } else if (IsApostrophe(c) && at + 1 < chunkSize &&
                           IsWordCharacter(chunk.at(at + 1))) {
                    ++at;
                } else {
                    break;
                }
            }
            const int length = at - start;
            if (!hasDigit && length > 1 && length <= LongestWord)
                words.append({chunkStart + start, length});
        }
    }
    return words;
}
