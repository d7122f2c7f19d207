#pragma once
// One workstation beside its server on one core. Each round trip of a posting wakes the other
// side; on a virtual machine a wake-up across cores costs many times one on the same core, and
// the scheduler places a connection's server process near its client or not as it happens, for
// the whole connection. Measured so, one workstation's rates jump between runs by half or more,
// on either side. Sharing one core, the rate is that of the work itself.

#include <string>

#include <sched.h>
#include <sys/types.h>

namespace orvant::bench {

class OneCore {
public:
    // Puts this process and the PostgreSQL server of `conninfo` (the processes it starts from
    // now on) on the core this process runs on; both go back as they were at the end. Says on
    // stderr when the server cannot be moved (another user's, say) and measures as it stands.
    explicit OneCore(const std::string& conninfo);
    ~OneCore();
    OneCore(const OneCore&) = delete;
    OneCore& operator=(const OneCore&) = delete;

private:
    pid_t server_ = 0;
    cpu_set_t ownBefore_{};
    cpu_set_t serverBefore_{};
};

}  // namespace orvant::bench
