#include "ui/screen_fit.h"

#include <algorithm>

namespace chronoflip {

namespace {

int fitted(int start, int length, int availableStart, int availableLength) {
    return std::max(std::min(start, availableStart + availableLength - length), availableStart);
}

qint64 overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return qint64{common.width()} * common.height();
}

}  // namespace

QRect fittedPlacement(const QRect& window, const QRect& available) {
    const QSize size = window.size().boundedTo(available.size());
    return {fitted(window.left(), size.width(), available.left(), available.width()),
            fitted(window.top(), size.height(), available.top(), available.height()), size.width(),
            size.height()};
}

QRect screenAreaFor(const QRect& window, const std::vector<QRect>& areas) {
    const auto most = std::max_element(
        areas.begin(), areas.end(),
        [&](const QRect& a, const QRect& b) { return overlap(window, a) < overlap(window, b); });
    if (most == areas.end() || overlap(window, *most) == 0)
        return areas.empty() ? QRect() : areas.front();
    return *most;
}

}  // namespace chronoflip
