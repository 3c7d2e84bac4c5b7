#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// The preview shows a question at the largest whole point size from 80 down
// to 6 at which its word-wrapped text is strictly lower and narrower than the
// preview box (wrapped one unit narrower than the box); 5 when none does.
constexpr int PreviewLargestSize = 80;
constexpr int PreviewSmallestSize = 6;

int PreviewFontSize(const QFont& font, const QString& text, const QSize& box);
