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

Work oneWorkstation(Poster& poster, long& next, long batch)
{
    return [&poster, &next, batch] {
        for (long i = 0; i < batch; ++i) poster.post(next++);
        return std::int64_t(batch);
    };
}

FourWorkstations::FourWorkstations(const ScratchBooks& books, MakePoster make, long count, long& next)
    : books_(books), make_(make), count_(count), next_(next)
{
}

FourWorkstations::~FourWorkstations()
{
    if (children_.empty()) return;
    closeGo();  // the workstations still waiting read the end of the pipe and leave
    reap();
}

void FourWorkstations::getReady()
{
    int ready[2], go[2];
    if (::pipe(ready) != 0 || ::pipe(go) != 0) throw std::runtime_error("Cannot make the workstations' pipes");
    for (int w = 0; w < kWorkstations; ++w) {
        long first = next_;
        while (workstationOf(first) != w) ++first;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(ready[0]);
            ::close(go[1]);
            ::_exit(workstation(first, ready[1], go[0]));
        }
        children_.push_back(pid);
    }
    next_ += kWorkstations * count_;
    ::close(ready[1]);
    ::close(go[0]);
    goPipe_ = go[1];
    int readyCount = 0;
    char byte = 0;
    while (readyCount < kWorkstations && ::read(ready[0], &byte, 1) == 1) ++readyCount;
    ::close(ready[0]);
    if (readyCount < kWorkstations) {
        closeGo();
        reap();
        throw std::runtime_error("A workstation could not get ready");
    }
}

std::int64_t FourWorkstations::go()
{
    const char words[kWorkstations] = {};
    const bool sent = ::write(goPipe_, words, kWorkstations) == kWorkstations;
    closeGo();
    if (!reap() || !sent) throw std::runtime_error("A workstation failed");
    return std::int64_t(kWorkstations) * count_;
}

// In the child: makes its poster, says it is ready, waits for the word, posts its documents.
int FourWorkstations::workstation(long first, int ready, int go) const
{
    try {
        auto poster = make_(books_.dataRoot(), books_.config());
        char byte = 0;
        if (::write(ready, &byte, 1) != 1 || ::read(go, &byte, 1) != 1) return 1;
        for (long i = 0; i < count_; ++i) poster->post(first + i * kWorkstations);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "workstation: " << e.what() << "\n";
        return 1;
    }
}

void FourWorkstations::closeGo()
{
    if (goPipe_ >= 0) ::close(goPipe_);
    goPipe_ = -1;
}

bool FourWorkstations::reap()
{
    bool allPosted = true;
    for (pid_t pid : children_) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        allPosted = allPosted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    children_.clear();
    return allPosted;
}

}  // namespace orvant::bench
