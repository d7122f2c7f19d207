#include "posting_workstations.h"

#include <sys/wait.h>
#include <unistd.h>

#include <iostream>
#include <random>
#include <stdexcept>
#include <vector>

#include "company/data_root_setup.h"
#include "company/demo_company.h"

namespace orvant::bench {
namespace {

constexpr int kWorkstations = 4;
const char* const kClients[kWorkstations] = {"ABC100", "BEL200", "HAR300", "NOR400"};
const char* const kSuppliers[kWorkstations] = {"BUR100", "HYD200", "MAP300", "TEL400"};

int workstationOf(long number) { return static_cast<int>(number % kWorkstations); }

}  // namespace

const char* clientOf(long number) { return kClients[workstationOf(number)]; }
const char* supplierOf(long number) { return kSuppliers[workstationOf(number)]; }

ScratchBooks::ScratchBooks(const store::StoreConfig& config) : config_(config)
{
    dataRoot_ = scratch_.path() + "/b" + std::to_string(::getpid()) + "x" + std::to_string(std::random_device{}() % 100000) + "data";
    company::SetupDataRoot({dataRoot_, config_});
    company::MakeDemoCompany({dataRoot_, config_}, 1);
}

Work oneWorkstation(const std::unique_ptr<Poster>& poster, long& next, long batch)
{
    return [&poster, &next, batch] {
        for (long i = 0; i < batch; ++i) poster->post(next++);
        return std::int64_t(batch);
    };
}

Work fourWorkstations(const ScratchBooks& books, MakePoster make, long count, long& next)
{
    return [&books, make, count, &next] {
        std::vector<pid_t> children;
        for (int w = 0; w < kWorkstations; ++w) {
            long first = next;
            while (workstationOf(first) != w) ++first;
            const pid_t pid = ::fork();
            if (pid == 0) {
                int status = 0;
                try {
                    auto poster = make(books.dataRoot(), books.config());
                    for (long i = 0; i < count; ++i) poster->post(first + i * kWorkstations);
                } catch (const std::exception& e) {
                    std::cerr << "workstation: " << e.what() << "\n";
                    status = 1;
                }
                ::_exit(status);
            }
            children.push_back(pid);
        }
        next += kWorkstations * count;
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("A workstation failed");
        }
        return std::int64_t(kWorkstations * count);
    };
}

}  // namespace orvant::bench
