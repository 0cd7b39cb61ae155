#pragma once
// CPU-time measuring for the viewer benchmarks (the machine may be shared, so
// wall time would count other people's work).
#include <algorithm>
#include <ctime>
#include <functional>

namespace zorvel::bench {

inline double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Seconds per call of f: repeated until a quarter of a second has passed, best of three such rounds.
inline double timeOf(const std::function<void()>& f) {
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        int n = 0;
        const double start = cpuSeconds();
        double elapsed = 0;
        do {
            f();
            ++n;
            elapsed = cpuSeconds() - start;
        } while (elapsed < 0.25 && n < 1000);
        best = std::min(best, elapsed / n);
        if (elapsed > 2)
            break; // slow enough to measure once
    }
    return best;
}

} // namespace zorvel::bench
