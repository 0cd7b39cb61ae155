// The screen's colour depth and the link cursor.
#include "paint/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace zorvel {

DisplayCapabilities screenDisplayCapabilities() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return displayCapabilitiesFor(screen ? screen->depth() : 24);
}

QCursor linkCursor() {
    return QCursor(Qt::PointingHandCursor);
}

} // namespace zorvel
