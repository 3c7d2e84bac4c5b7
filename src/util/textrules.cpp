#include "util/textrules.h"

#include <algorithm>

QString LTrimSpaces(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

QString RTrimSpaces(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString TrimSpaces(const QString& text) {
    return LTrimSpaces(RTrimSpaces(text));
}

OneLineChar OneLineCharOf(QChar character) {
    if (character == QLatin1Char('\r') || character == QLatin1Char('\n') ||
        character == QLatin1Char('\t'))
        return OneLineChar::Space;
    if (character.unicode() < 0x20 || character.unicode() == 0x7F)
        return OneLineChar::Drop;
    return OneLineChar::Keep;
}

QString OneLineText(const QString& text) {
    // Nearly every keystroke brings no control character: no copy then.
    if (std::none_of(text.begin(), text.end(), [](QChar character) {
            return character.unicode() < 0x20 || character.unicode() == 0x7F;
        }))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        switch (OneLineCharOf(character)) {
        case OneLineChar::Space:
            result += QLatin1Char(' ');
            if (character == QLatin1Char('\r') && index + 1 < text.size() &&
                text.at(index + 1) == QLatin1Char('\n'))
                ++index;
            break;
        case OneLineChar::Keep:
            result += character;
            break;
        case OneLineChar::Drop:
            break;
        }
    }
    return result;
}

QString OneLineNotice(const QString& text) {
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return QStringLiteral("A line break was replaced by a space.");
    if (text.contains(QLatin1Char('\t')))
        return QStringLiteral("A tab was replaced by a space.");
    for (const QChar character : text) {
        if (OneLineCharOf(character) == OneLineChar::Drop)
            return QStringLiteral("A control character was removed.");
    }
    return QString();
}
