#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QString>

// The preview shows a question at the largest whole point size from 80 down
// to 6 at which its word-wrapped text is strictly lower and narrower than the
// preview box (wrapped one unit narrower than the box); 5 when none does.
constexpr int PreviewLargestSize = 80;
constexpr int PreviewSmallestSize = 6;

// The preview box, the size the player sees a question at: full height, or
// the upper part when the choices take the lower part (5310 and 3105 twips).
// The window sizes its preview from these.
constexpr int PreviewWidth = 463;
constexpr int PreviewFullHeight = 354;
constexpr int PreviewShortHeight = 207;

// Whether the word-wrapped text fits the box at this one size; the second
// form measures in fonts already set to their size.
bool PreviewFitsAt(QFont font, int pointSize, const QString& text, const QSize& box);
bool PreviewFitsAt(const QFontMetrics& metrics, const QString& text, const QSize& box);
int PreviewFontSize(const QFont& font, const QString& text, const QSize& box);
