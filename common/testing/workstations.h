#pragma once
// Test support: other workstations of one company, each an orvantctl process posting a file of
// records of its own, and the books tests they run beside. Header-only.

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "company/users.h"
#include "settings/registry.h"
#include "testing/processes.h"
#include "testing/temp_data_root.h"

namespace orvant::testing {

// A work folder beside the data root holds the workstations' files, their outputs and the
// registry that points them at the same store; it goes with the object.
class Workstations {
public:
    // `program` posts `command` files; `environment` is added to what every workstation gets.
    Workstations(const TempDataRoot& root, std::string program, std::string command, std::vector<std::string> environment = {})
        : dataRoot_(root.path()), work_(root.path() + "-work"), program_(std::move(program)), command_(std::move(command)),
          environment_(std::move(environment))
    {
        std::filesystem::create_directories(work_);
        const std::string registry = work_ + "/registry.ini";
        Registry(QString::fromStdString(registry)).setValue(kProductSection, u"store", QString::fromStdString(root.config().postgres));
        environment_.insert(environment_.end(), {"ORVANT_REGISTRY=" + registry, "HOME=" + work_, "QT_QPA_PLATFORM=offscreen"});
    }
    ~Workstations() { std::filesystem::remove_all(work_); }
    Workstations(const Workstations&) = delete;
    Workstations& operator=(const Workstations&) = delete;

    // Writes the records into the workstation's file and starts it posting them as the user;
    // `environment` is added to this workstation's.
    pid_t startPosting(const std::string& name, const std::string& records, const std::string& user,
                       const std::vector<std::string>& environment = {})
    {
        const std::string file = fileOf(name);
        std::ofstream(file) << records;
        std::vector<std::string> variables = environment_;
        variables.insert(variables.end(), environment.begin(), environment.end());
        const pid_t pid = StartProgram(program_, {"--data-root", dataRoot_, "post", command_, file, "--user", user}, variables, file + ".out");
        EXPECT_GT(pid, 0) << "cannot start " << program_;
        return pid;
    }

    // What the workstation wrote, errors included.
    std::string output(const std::string& name) const { return FileContents(fileOf(name) + ".out"); }

    // Kills the workstation after the delay, and waits until its server side has let go of every
    // record of the table, so the books read after are the ones it left.
    static void KillAfter(pid_t pid, std::chrono::milliseconds delay, store::Database& books, const char* table)
    {
        std::this_thread::sleep_for(delay);
        kill(pid, SIGKILL);
        ExitStatus(pid);
        WaitForRecordsFree(books, table);
    }

private:
    std::string fileOf(const std::string& name) const { return work_ + "/" + name + ".jsonl"; }

    std::string dataRoot_, work_, program_, command_;
    std::vector<std::string> environment_;
};

// A books test with other workstations beside it, posting through `program`; the clerks they post
// as are users of the installation.
template <class BooksFixture>
class WorkstationsTest : public BooksFixture {
protected:
    WorkstationsTest(std::string program, std::string command, std::vector<const char*> clerks, std::vector<std::string> environment = {})
        : program_(std::move(program)), command_(std::move(command)), clerks_(std::move(clerks)), environment_(std::move(environment))
    {
    }

    void SetUp() override
    {
        BooksFixture::SetUp();
        if (::testing::Test::HasFatalFailure() || ::testing::Test::IsSkipped()) return;
        workstations_ = std::make_unique<Workstations>(*this->root_, program_, command_, environment_);
        for (const char* code : clerks_)
            company::AddUser(this->installation_, {code, std::string("Clerk ") + code, 1, 1, 0, {}, {}}, std::string("pw") + code);
    }

    void TearDown() override
    {
        workstations_.reset();
        BooksFixture::TearDown();
    }

    pid_t startPosting(const std::string& name, const std::string& records, const std::string& user,
                       const std::vector<std::string>& environment = {})
    {
        return workstations_->startPosting(name, records, user, environment);
    }
    std::string output(const std::string& name) const { return workstations_->output(name); }
    static int exitStatus(pid_t pid) { return ExitStatus(pid); }

    // A workstation for each file, all started at once, the n-th posting as clerk "W<n>"; each is
    // expected to end well saying what it `posted`.
    void postAtOnce(const std::vector<std::string>& files, const std::string& posted)
    {
        std::vector<pid_t> running;
        for (std::size_t w = 0; w < files.size(); ++w) running.push_back(startPosting("w" + std::to_string(w), files[w], "W" + std::to_string(w)));
        for (std::size_t w = 0; w < files.size(); ++w) {
            const std::string name = "w" + std::to_string(w);
            EXPECT_EQ(exitStatus(running[w]), 0) << output(name);
            EXPECT_NE(output(name).find(posted), std::string::npos) << output(name);
        }
    }

private:
    std::string program_, command_;
    std::vector<const char*> clerks_;
    std::vector<std::string> environment_;
    std::unique_ptr<Workstations> workstations_;
};

}  // namespace orvant::testing
