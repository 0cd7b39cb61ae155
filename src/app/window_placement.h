#pragma once
// Where the main window comes back: the stored bounds, moved and shrunk as
// little as needed to lie wholly on one screen.
#include <QRect>

#include <vector>

namespace zorvel {

// The screen is the one holding most of the stored bounds, or the first
// (the primary) when none holds any of them; screens are their available
// areas (without panels and task bars). A window larger than that area is
// shrunk to it; one partly off it is moved back onto it.
QRect placeOnScreens(const QRect& stored, const std::vector<QRect>& screens);

} // namespace zorvel
