#include "shell/ScreenPlace.h"

#include <algorithm>

namespace trajecta {

QPoint defaultPlace(const QList<QRect>& screens, int width) {
    if (screens.isEmpty()) return {};
    const QRect& first = screens.front();
    return {first.left() + first.width() / 2 - width / 2, first.top() + first.height() / 6};
}

bool fitsOnScreens(const QRect& window, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& s) { return s.contains(window); });
}

QPoint placeOnScreens(const QRect& window, const QList<QRect>& screens, QPoint fallback) {
    if (screens.isEmpty() || fitsOnScreens(window, screens)) return window.topLeft();
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& s : screens) {
        const QRect common = s.intersected(window);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = &s;
        }
    }
    if (!best) return fallback;
    const int left = std::max(best->left(), std::min(window.left(), best->right() + 1 - window.width()));
    const int top = std::max(best->top(), std::min(window.top(), best->bottom() + 1 - window.height()));
    return {left, top};
}

} // namespace trajecta
