#pragma once

#include "model/fixedtext.h"
#include "model/gameset.h"
#include "util/textrules.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

// A violated property ends the run with abort(), so libFuzzer keeps the input
// and the replay test fails.
[[noreturn]] inline void fuzzFail(const char* property, const QString& detail, const char* file,
                                  int line) {
    std::fprintf(stderr, "PROPERTY VIOLATED at %s:%d: %s\n", file, line, property);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::abort();
}

#define FUZZ_CHECK(condition, property)                                                            \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFail(property, QString(), __FILE__, __LINE__);                                     \
    } while (false)

#define FUZZ_CHECK_DETAIL(condition, property, detail)                                             \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFail(property, detail, __FILE__, __LINE__);                                        \
    } while (false)

// Shows a text with its control characters visible, for failure reports.
inline QString visible(const QString& text) {
    QString shown;
    for (const QChar character : text) {
        if (character.unicode() < 0x20 || character.unicode() >= 0x7F)
            shown += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += character;
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// Every fixed-width field holds exactly its width, and its trimmed value fits.
template <int Width> void checkFixedField(const FixedText<Width>& field, const char* property) {
    const QString padded = field.padded();
    FUZZ_CHECK_DETAIL(padded.size() == Width, property,
                      QStringLiteral("padded size %1, width %2").arg(padded.size()).arg(Width));
    FUZZ_CHECK_DETAIL(field.trimmed().size() <= Width, property, visible(field.trimmed()));
    FUZZ_CHECK_DETAIL(TrimSpaces(padded) == field.trimmed(), property, visible(padded));
    FUZZ_CHECK(field.isBlank() == field.trimmed().isEmpty(), property);
}

inline void checkFieldWidths(const GameSet& game) {
    for (const auto& name : game.CategoryNames)
        checkFixedField(name, "category name wider than 32");
    for (const auto& category : game.Categories) {
        for (const QuestionRecord& record : category) {
            checkFixedField(record.QuestionText, "question text wider than 256");
            checkFixedField(record.MediaPath, "media path wider than 256");
            for (const auto& answer : record.Answers)
                checkFixedField(answer, "answer wider than 300");
        }
    }
    checkFixedField(game.Final.QuestionText, "final question text wider than 256");
    checkFixedField(game.Final.MediaPath, "final media path wider than 256");
    for (const auto& answer : game.Final.Answers)
        checkFixedField(answer, "final answer wider than 300");
}
