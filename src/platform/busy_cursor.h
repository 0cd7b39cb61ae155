#pragma once
#include <QApplication>
#include <QCursor>

namespace zorvel {

// Shows the application-wide wait cursor for the lifetime of the guard,
// however the scope is left.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace zorvel
