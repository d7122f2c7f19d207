#include "report.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <ostream>

namespace orvant::bench {
namespace {

std::string rate(double perSecond, const std::string& unit) { return grouped(std::llround(perSecond)) + " " + unit; }

// Time per unit through the store over time per unit raw.
std::string ratio(const Rates& rates)
{
    if (!rates.ratio) return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", *rates.ratio);
    return text;
}

}  // namespace

std::string grouped(std::int64_t n)
{
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && digits[i - 1] != '-' && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string aboutSeconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "about %.1f s", seconds);
    return text;
}

void printTable(std::ostream& out, const std::vector<Measurement>& lines, const std::string& rounds)
{
    constexpr int kEngine = 11, kOperation = 40, kRate = 18, kRatio = 10;
    auto row = [&](const std::string& engine, const std::string& operation, const std::string& store,
                   const std::string& raw, const std::string& ratio) {
        out << std::left << std::setw(kEngine) << engine << std::setw(kOperation) << operation << std::right
            << std::setw(kRate) << store << std::setw(kRate) << raw << std::setw(kRatio) << ratio << '\n';
    };
    row("engine", "operation", "store", "raw", "store/raw");
    out << std::string(kEngine + kOperation + 2 * kRate + kRatio, '-') << '\n';
    for (const Measurement& m : lines)
        row(m.engine, m.operation, rate(m.rates.store, m.unit), m.rates.raw ? rate(*m.rates.raw, m.unit) : "-",
            ratio(m.rates));
    out << "\nEach rate is the median of alternating store and raw rounds: " << rounds << ".\n"
        << "store/raw is the median, over the pairs of rounds, of the time the store takes for the work\n"
        << "over the time the raw twin takes right after it (1.00: no overhead).\n";
}

}  // namespace orvant::bench
