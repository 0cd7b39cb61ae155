// Must not compile: the model lies below the painting on Qt and does not see its headers.
#include "paint/qt_canvas.h"
