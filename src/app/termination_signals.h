#pragma once
// SIGTERM and SIGHUP (a logout, a shutdown, a kill without -9) end the program
// from outside; they are turned into a call on the event loop, where the
// program can still write what must not be lost.
#include <functional>

class QObject;

namespace zorvel {

// Calls onSignal on the event loop when either signal arrives. The watch lives
// as long as context.
void watchTerminationSignals(QObject* context, std::function<void()> onSignal);

} // namespace zorvel
