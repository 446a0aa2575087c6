#include "ScreenFit.h"

#include <algorithm>

namespace chronoflip {

namespace {

int fitted(int start, int length, int availableStart, int availableLength) {
    return std::max(std::min(start, availableStart + availableLength - length), availableStart);
}

}  // namespace

QPoint fittedPosition(const QRect& designed, const QRect& available) {
    return {fitted(designed.left(), designed.width(), available.left(), available.width()),
            fitted(designed.top(), designed.height(), available.top(), available.height())};
}

}  // namespace chronoflip
