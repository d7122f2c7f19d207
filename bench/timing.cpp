#include "timing.h"

#include <algorithm>
#include <chrono>

namespace orvant::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Units per second over one round.
double round(const Work& work, double seconds)
{
    const auto start = Clock::now();
    const auto until = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    std::int64_t units = 0;
    Clock::time_point now;
    do {
        units += work();
        now = Clock::now();
    } while (now < until);
    return static_cast<double>(units) / std::chrono::duration<double>(now - start).count();
}

}  // namespace

Rates measure(const RoundPlan& plan, const Work& store, const Work* raw, const std::function<void()>& beforeEachRound)
{
    Rates best;
    for (int i = 0; i < plan.rounds; ++i) {
        if (beforeEachRound) beforeEachRound();
        best.store = std::max(best.store, round(store, plan.seconds));
        if (raw) best.raw = std::max(best.raw.value_or(0.0), round(*raw, plan.seconds));
    }
    return best;
}

}  // namespace orvant::bench
