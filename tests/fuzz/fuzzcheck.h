#pragma once

#include "model/gameset.h"

#include <cstdio>
#include <cstdlib>

// A violated property aborts: libFuzzer keeps the input, the replay fails (detail escaped).
inline void Check(bool holds, const char* property, const QString& detail = QString()) {
    if (holds)
        return;
    std::fprintf(stderr, "PROPERTY VIOLATED: %s\n  \"%s\"\n", property,
                 detail.toUtf8().toPercentEncoding(" !#$&'()*+,-./:;=?@[]^_`{|}~").constData());
    std::abort();
}

// The 31 questions of a game set, the final question last.
template <typename Game, typename Visit> void ForEachQuestion(Game& game, Visit visit) {
    for (auto& category : game.Categories)
        for (auto& record : category)
            visit(record);
    visit(game.Final);
}

// Every fixed-width field holds exactly its width, and its trimmed value fits.
template <int Width> void CheckField(const FixedText<Width>& field) {
    const QString padded = field.padded();
    Check(padded.size() == Width && TrimSpaces(padded) == field.trimmed() &&
              field.isBlank() == field.trimmed().isEmpty(),
          "a fixed field holds its width", padded);
}

inline void CheckFieldWidths(const GameSet& game) {
    for (const auto& name : game.CategoryNames)
        CheckField(name);
    ForEachQuestion(game, [](const QuestionRecord& record) {
        CheckField(record.QuestionText);
        CheckField(record.MediaPath);
        for (const auto& answer : record.Answers)
            CheckField(answer);
    });
}
