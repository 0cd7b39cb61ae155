#pragma once
// A named control of a dialog under test; a missing one fails the test.
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace zorvel::testing {

template <typename W> W* child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace zorvel::testing
