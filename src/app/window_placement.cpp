#include "window_placement.h"

#include <algorithm>

namespace zorvel {

namespace {

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

} // namespace

QRect placeOnScreens(const QRect& stored, const std::vector<QRect>& screens) {
    if (screens.empty())
        return stored;
    QRect screen = screens.front();
    qint64 most = 0;
    for (const QRect& s : screens)
        if (const qint64 shared = area(s.intersected(stored)); shared > most) {
            most = shared;
            screen = s;
        }
    const QSize size = stored.size().boundedTo(screen.size()).expandedTo(QSize(1, 1));
    const int left = std::clamp(stored.x(), screen.left(), screen.left() + screen.width() - size.width());
    const int top = std::clamp(stored.y(), screen.top(), screen.top() + screen.height() - size.height());
    return {QPoint(left, top), size};
}

} // namespace zorvel
