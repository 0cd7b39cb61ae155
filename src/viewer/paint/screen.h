#pragma once
// What the viewer takes from the screen once at start-up: its colour depth
// and the cursor shown over links.
#include "model/image_cache.h"

#include <QCursor>

namespace zorvel {

// From the primary screen's depth; 24-bit colour when there is no screen.
DisplayCapabilities screenDisplayCapabilities();
// The cursor over links: the toolkit's pointing hand.
QCursor linkCursor();

} // namespace zorvel
