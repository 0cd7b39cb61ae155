#pragma once
// The automatic save: a timer that ticks once a second while saving is
// configured, the count of those seconds, and the pass that saves the changed
// documents each time the count comes round.
#include <QTimer>
#include <algorithm>
#include <functional>
#include <limits>

namespace zorvel {

class DocumentSession;
class Prompter;
class SessionView;

// Counts the seconds of the automatic save; only seconds with a document open count.
class AutoSaveCounter {
public:
    // An interval too long to count in seconds is as good as never; it must not wrap round.
    void configure(int minutes) {
        limit_ = minutes > 0 ? int(std::min<qint64>(qint64(minutes) * 60, std::numeric_limits<int>::max())) : 0;
    }
    int limit() const { return limit_; }
    int seconds() const { return seconds_; }
    bool configured() const { return limit_ > 0; }
    // One tick of the timer; true when the documents are to be saved now.
    bool tick(bool documentOpen) {
        if (!documentOpen)
            return false;
        if (++seconds_ < limit_)
            return false;
        seconds_ = 0;
        return true;
    }

private:
    int limit_ = 0;
    int seconds_ = 0;
};

class AutoSave {
public:
    AutoSave(DocumentSession& session, Prompter& prompter, SessionView& view);
    AutoSave(const AutoSave&) = delete;
    AutoSave& operator=(const AutoSave&) = delete;

    // The timer the window connects its tick to; it is not connected here.
    QTimer* timer() { return &timer_; }
    const AutoSaveCounter& counter() const { return counter_; }
    void configure(int minutes) { counter_.configure(minutes); }

    // Switching on starts the timer only while saving is configured.
    void setOn(bool on);
    // Running, or paused while it saves: a failure now is to switch it off.
    bool engaged() const { return timer_.isActive() || saving_; }

    // One second of the timer; true when the changed documents are to be saved now.
    bool countSecond();
    // Runs a pass with the timer paused; the timer goes on again when the pass
    // says it went through, and stays off after a failure.
    void whilePaused(const std::function<bool()>& pass);
    // Every changed document in window order: a named one is written (unless
    // another program changed its file meanwhile), an untitled one is offered
    // for saving once until it changes again. Throws what a write throws.
    void saveChangedDocuments();

private:
    DocumentSession& session_;
    Prompter& prompter_;
    SessionView& view_;
    QTimer timer_;
    AutoSaveCounter counter_;
    bool saving_ = false; // the timer is paused, not off, while it saves
};

} // namespace zorvel
