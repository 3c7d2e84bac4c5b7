#include "preview/picturefit.h"

#include "util/rounding.h"

#include <cmath>
#include <limits>

PictureFit FitPicture(double naturalWidth, double naturalHeight, double boxWidth,
                      double boxHeight) {
    PictureFit fit;
    if (!(boxWidth > 0) || !(boxHeight > 0) || !(naturalWidth >= 0) || !(naturalHeight >= 0))
        return fit;

    double shownWidth = 0;
    double shownHeight = 0;
    if (naturalWidth > naturalHeight) {
        shownWidth = boxWidth;
        shownHeight = naturalHeight / (naturalWidth / boxWidth);
    } else if (naturalWidth < naturalHeight) {
        shownWidth = naturalWidth / (naturalHeight / boxHeight);
        shownHeight = boxHeight;
    } else {
        shownWidth = boxWidth;
        shownHeight = boxHeight;
    }

    fit.left = shownWidth < boxWidth ? RoundHalfEven((boxWidth - shownWidth) / 2) : 0;
    fit.top = shownHeight < boxHeight ? RoundHalfEven((boxHeight - shownHeight) / 2) : 0;

    // Only the height is limited to the box; a portrait picture wider than a
    // narrow box keeps its width.
    if (shownHeight > boxHeight)
        shownHeight = boxHeight;

    fit.width = shownWidth;
    fit.height = shownHeight;
    return fit;
}
