#pragma once
// Other workstations as forked processes with connections of their own, and a one-way signal
// between them and the test.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>

#include "company/company_creation.h"
#include "store/backend.h"

namespace orvant::cheques::test {

struct Pipe {
    int fds[2];
    Pipe() { (void)::pipe(fds); }
    ~Pipe() { ::close(fds[0]); ::close(fds[1]); }
    void send(char c = 'x') { (void)::write(fds[1], &c, 1); }
    char receive() { char c = 0; return ::read(fds[0], &c, 1) == 1 ? c : 0; }
};

// Runs `work` as workstation `user`/`session` on company 1 of the installation; the exit
// status is its result (2 when it threw). The child leaves with _exit so it never closes the
// parent's connections.
inline pid_t StartWorkstation(const company::Installation& installation, const std::string& user, int session,
                              const std::function<int(store::Database&)>& work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int status = 2;
        try {
            store::setWorkstationIdentity(user, session);
            auto books = company::OpenCompany(installation, 1);
            status = work(*books);
        } catch (...) {
        }
        ::_exit(status);
    }
    return pid;
}

// The exit status, or -1 when a signal ended the process.
inline int ExitStatusOf(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace orvant::cheques::test
