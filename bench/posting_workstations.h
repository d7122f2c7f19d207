#pragma once
// What the posting benchmarks share: a poster posting document number N (through a posting or
// as raw rows), scratch books with the demo company, and the work of one workstation or of four
// at once.

#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

#include "scratch_directory.h"
#include "store/backend.h"
#include "timing.h"

namespace orvant::bench {

// Posts document number `number` (a new one each time) into company 1 of the data root.
class Poster {
public:
    virtual ~Poster() = default;
    virtual void post(long number) = 0;
};

using MakePoster = std::unique_ptr<Poster> (*)(const std::string& dataRoot, const store::StoreConfig& config);

// A data root of its own, with the demo company, removed at the end.
class ScratchBooks {
public:
    explicit ScratchBooks(const store::StoreConfig& config);
    const std::string& dataRoot() const { return dataRoot_; }
    const store::StoreConfig& config() const { return config_; }

private:
    ScratchDirectory scratch_;
    store::StoreConfig config_;
    std::string dataRoot_;
};

// One workstation: `batch` documents per call, numbered on from `next`.
Work oneWorkstation(Poster& poster, long& next, long batch = 1);

// Four workstations: four processes posting `count` documents each, each with its own
// connection. Workstation w posts the numbers N from `next` with N % 4 == w. They get ready
// (start, connect, open their books) untimed, then post at once when told to go.
class FourWorkstations {
public:
    FourWorkstations(const ScratchBooks& books, MakePoster make, long count, long& next);
    ~FourWorkstations();
    FourWorkstations(const FourWorkstations&) = delete;
    FourWorkstations& operator=(const FourWorkstations&) = delete;

    void getReady();
    // Posts, all four at once; the documents posted.
    std::int64_t go();

private:
    int workstation(long first, int ready, int go) const;
    void closeGo();
    bool reap();  // whether every workstation posted all its documents

    const ScratchBooks& books_;
    MakePoster make_;
    long count_;
    long& next_;
    std::vector<pid_t> children_;
    int goPipe_ = -1;
};

// The demo company's client and supplier that document number N is posted for: the one of its
// workstation, so that four workstations never wait on each other's party lock.
const char* clientOf(long number);
const char* supplierOf(long number);

}  // namespace orvant::bench
