// Sales postings per second on each engine, from one workstation and from four at once, beside
// the same rows written raw in one transaction per sale.
//
//     sales_bench [--postgres CONNINFO] [--sales N]
//
// Each measurement posts into the demo company of a scratch data root; four workstations are
// four processes, each with its own connection, posting N sales of its own.

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <stdexcept>

#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "report.h"
#include "scratch_directory.h"
#include "sales_workload.h"
#include "timing.h"

namespace orvant::bench {
namespace {

struct Options {
    std::string postgres;
    long sales = 300;  // per workstation and round of the four-workstation measure
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--postgres" && i + 1 < argc) options.postgres = argv[++i];
        else if (arg == "--sales" && i + 1 < argc) options.sales = std::stol(argv[++i]);
        else throw std::invalid_argument("usage: sales_bench [--postgres CONNINFO] [--sales N]");
    }
    return options;
}

// A data root of its own, with the demo company, removed at the end.
class ScratchBooks {
public:
    explicit ScratchBooks(const store::StoreConfig& config) : config_(config)
    {
        dataRoot_ = scratch_.path() + "/b" + std::to_string(::getpid()) + "x" + std::to_string(std::random_device{}() % 100000) + "data";
        company::SetupDataRoot({dataRoot_, config_});
        company::MakeDemoCompany({dataRoot_, config_}, 1);
    }
    const std::string& dataRoot() const { return dataRoot_; }
    const store::StoreConfig& config() const { return config_; }

private:
    ScratchDirectory scratch_;
    store::StoreConfig config_;
    std::string dataRoot_;
};

using MakePoster = std::unique_ptr<SalesPoster> (*)(const std::string&, const store::StoreConfig&);

// One workstation: a sale per call, numbered on.
Work oneWorkstation(SalesPoster& poster, long& next)
{
    return [&poster, &next] {
        poster.post(next++);
        return std::int64_t(1);
    };
}

// Four workstations: four processes posting `sales` sales each, numbered apart, each starting on
// another client (they meet on the same clients as they go).
Work fourWorkstations(const ScratchBooks& books, MakePoster make, long sales, long& next)
{
    return [&books, make, sales, &next] {
        std::vector<pid_t> children;
        for (int w = 0; w < 4; ++w) {
            const long first = next + w * (sales + 1);
            const pid_t pid = ::fork();
            if (pid == 0) {
                int status = 0;
                try {
                    auto poster = make(books.dataRoot(), books.config());
                    for (long n = first; n < first + sales; ++n) poster->post(n);
                } catch (const std::exception& e) {
                    std::cerr << "workstation: " << e.what() << "\n";
                    status = 1;
                }
                ::_exit(status);
            }
            children.push_back(pid);
        }
        next += 4 * (sales + 1);
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("A workstation failed");
        }
        return std::int64_t(4 * sales);
    };
}

void measureEngine(const std::string& engine, const store::StoreConfig& config, long sales, std::vector<Measurement>& out)
{
    std::cerr << engine << ": one workstation...\n";
    {
        const ScratchBooks books(config);
        auto posting = postingPoster(books.dataRoot(), config);
        auto raw = rawPoster(books.dataRoot(), config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = oneWorkstation(*posting, nextPosted), rawWork = oneWorkstation(*raw, nextRaw);
        out.push_back({engine, "post a sale of 4 rows, one workstation", "sales/s", measure({5, 0.5}, store, &rawWork)});
    }
    std::cerr << engine << ": four workstations...\n";
    {
        const ScratchBooks books(config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = fourWorkstations(books, postingPoster, sales, nextPosted);
        const Work rawWork = fourWorkstations(books, rawPoster, sales, nextRaw);
        out.push_back({engine, "post sales of 4 rows, four workstations", "sales/s", measure({3, 0.0}, store, &rawWork)});
    }
}

int run(const Options& options)
{
    std::vector<Measurement> lines;
    measureEngine("SQLite", {}, options.sales, lines);
    if (options.postgres.empty()) std::cerr << "PostgreSQL skipped: no --postgres connection string given.\n";
    else measureEngine("PostgreSQL", {options.postgres}, options.sales, lines);
    std::cout << "\nSales postings beside the same rows written raw, one transaction per sale "
                 "(SQLite: WAL, synchronous FULL).\n\n";
    printTable(std::cout, lines);
    return 0;
}

}  // namespace
}  // namespace orvant::bench

int main(int argc, char** argv)
{
    try {
        return orvant::bench::run(orvant::bench::parseOptions(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "sales_bench: " << e.what() << "\n";
        return 2;
    }
}
