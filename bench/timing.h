#pragma once
// Rates measured in short alternating rounds. The store and its raw twin take turns, and each
// keeps its best round, so a burst of load from another process on the machine falls on one
// round of one side rather than on the ratio between them.

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
    double store = 0;           // units per second
    std::optional<double> raw;  // none when the raw twin has no such work
};

// `beforeEachRound`, untimed, runs before each pair of rounds (new connections, say).
Rates measure(const RoundPlan& plan, const Work& store, const Work* raw, const std::function<void()>& beforeEachRound = {});

}  // namespace orvant::bench
