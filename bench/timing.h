#pragma once
// Rates measured in short alternating rounds. The store and its raw twin take turns, each store
// round paired with the raw round right after it. Each side's rate is the median of its rounds
// and the ratio the median of the pairs' ratios: a burst of load from another process, or a
// slow disk flush, falls on one pair and moves neither median, where the best round of each
// side would compare two lucky extremes.

#include <cstdint>
#include <functional>
#include <optional>

namespace orvant::bench {

// Does one piece of work; the number of units (rows, operations) it did.
using Work = std::function<std::int64_t()>;

struct RoundPlan {
    int rounds = 5;
    double seconds = 0.4;  // each round repeats the work until this much time has passed; 0: once
};

struct Rates {
    double store = 0;             // units per second
    std::optional<double> raw;    // none when the raw twin has no such work
    std::optional<double> ratio;  // the store's time over the raw twin's, with `raw`
};

// `beforeEachRound`, untimed, runs before each pair of rounds (new connections, say).
Rates measure(const RoundPlan& plan, const Work& store, const Work* raw, const std::function<void()>& beforeEachRound = {});

}  // namespace orvant::bench
