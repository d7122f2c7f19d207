#pragma once
// Test support: other workstations as processes of their own. Header-only.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/lock_retry.h"

namespace orvant::testing {

// Starts `program` with the arguments and only the environment given, its output (and errors)
// into `outputFile`; its process id, or -1 when it cannot start.
inline pid_t StartProgram(const std::string& program, std::vector<std::string> arguments, std::vector<std::string> environment,
                          const std::string& outputFile)
{
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv, envp;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// Waits for the process: its exit status, or minus the signal that ended it.
inline int ExitStatus(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

inline std::string FileContents(const std::string& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Waits until no other workstation holds a record of the table. A killed workstation's server
// side keeps its locks until it has finished what it was sent, a commit among them: the books
// are read once it has.
inline void WaitForRecordsFree(store::Database& books, const char* table)
{
    store::Table records(books, table);
    records.open();
    for (records.first(); !records.eof(); records.next()) {
        store::EditWithLockRetry(records);
        records.cancel();
    }
}

}  // namespace orvant::testing
