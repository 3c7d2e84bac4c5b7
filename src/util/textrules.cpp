#include "util/textrules.h"

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
