// Fitting the question preview: the largest font size at which the text fits.

#include "preview/previewfit.h"

#include <algorithm>
#include <cmath>

bool PreviewFitsAt(QFont font, int pointSize, const QString& text, const QSize& box) {
    font.setPointSize(pointSize);
    return PreviewFitsAt(QFontMetrics(font), text, box);
}

bool PreviewFitsAt(const QFontMetrics& metrics, const QString& text, const QSize& box) {
    // The measuring label is one unit narrower than the preview and grows
    // wider only when a single word does not fit on a line.
    const int wrapWidth = box.width() - 1;
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), Qt::TextWordWrap, text);
    return needed.height() < box.height() && needed.width() < box.width();
}

int PreviewFontSize(const QFont& font, const QString& text, const QSize& box) {
    // A larger size never fits where a smaller one does not, so the answer is
    // the boundary between fitting and not fitting sizes. Measuring a wrapped
    // text is the expensive part; guess the boundary from the area the text
    // covers at size 80, then gallop from the guess and bisect.
    const auto fits = [&](int size) { return PreviewFitsAt(font, size, text, box); };

    QFont largest = font;
    largest.setPointSize(PreviewLargestSize);
    const QFontMetricsF metrics(largest);
    const double area = metrics.horizontalAdvance(text) * metrics.lineSpacing();
    int guess = PreviewLargestSize;
    if (area > 0) {
        // Wrapping wastes roughly a tenth of each line.
        const double estimate =
            0.9 * PreviewLargestSize * std::sqrt((box.width() - 1.0) * box.height() / area);
        guess = static_cast<int>(std::clamp(std::floor(estimate), double(PreviewSmallestSize),
                                            double(PreviewLargestSize)));
    }

    int fitting;    // a size known to fit (PreviewSmallestSize - 1 always "fits")
    int notFitting; // a size known not to fit (PreviewLargestSize + 1 never "fits")
    if (fits(guess)) {
        fitting = guess;
        notFitting = PreviewLargestSize + 1;
        for (int step = 1; fitting < PreviewLargestSize; step *= 2) {
            const int size = std::min(guess + step, PreviewLargestSize);
            if (!fits(size)) {
                notFitting = size;
                break;
            }
            fitting = size;
        }
    } else {
        notFitting = guess;
        fitting = PreviewSmallestSize - 1;
        for (int step = 1; notFitting > PreviewSmallestSize; step *= 2) {
            const int size = std::max(guess - step, PreviewSmallestSize);
            if (fits(size)) {
                fitting = size;
                break;
            }
            notFitting = size;
        }
    }
    while (notFitting - fitting > 1) {
        const int middle = (fitting + notFitting) / 2;
        if (fits(middle))
            fitting = middle;
        else
            notFitting = middle;
    }
    return fitting;
}
