#include "timing.h"

#include <algorithm>
#include <chrono>
#include <vector>

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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

Rates measure(const RoundPlan& plan, const Work& store, const Work* raw, const std::function<void()>& beforeEachRound)
{
    std::vector<double> storeRates, rawRates, ratios;
    for (int i = 0; i < plan.rounds; ++i) {
        if (beforeEachRound) beforeEachRound();
        storeRates.push_back(round(store, plan.seconds));
        if (!raw) continue;
        rawRates.push_back(round(*raw, plan.seconds));
        ratios.push_back(rawRates.back() / storeRates.back());
    }
    Rates rates{median(storeRates), {}, {}};
    if (raw) {
        rates.raw = median(rawRates);
        rates.ratio = median(ratios);
    }
    return rates;
}

}  // namespace orvant::bench
