#pragma once
// A scratch directory of the benchmarks, removed with everything in it at the end.

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace orvant::bench {

class ScratchDirectory {
public:
    ScratchDirectory()
    {
        char pattern[] = "/tmp/orvant-bench.XXXXXX";
        if (!::mkdtemp(pattern)) throw std::runtime_error("Cannot make a scratch directory in /tmp");
        path_ = pattern;
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace orvant::bench
