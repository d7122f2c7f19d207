// Real modules launched through the launch rules: nothing of a module survives its unload, so
// a second run goes as the first, even after a store error closed the screen; and a module
// cannot be launched again while it runs.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPushButton>

#include "launch_test_support.h"
#include "store/session_number.h"

namespace orvant::launcher::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

bool moduleStarted() { return qApp->property("frametest.log").toStringList().join(' ').contains("started"); }

// Acts on the test module's screen once it has started.
struct WhenStarted : orvant::testing::WhenShown {
    explicit WhenStarted(std::function<void(QWidget&)> act) : WhenShown("Tframetest_frm", std::move(act), moduleStarted) {}
};

void click(QWidget& form, const char* button) { form.findChild<QPushButton*>(button)->click(); }

class ModuleRunTest : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        qApp->setProperty("frametest.missingTable", false);
        install("frametest", "rcvsales");
        host_.session().sessionNo = lease_->number();
    }

    QStringList frameLog() const { return qApp->property("frametest.log").toStringList(); }

    // Runs the sales option to its end, doing `act` on its screen before closing it.
    LaunchOutcome runSales(std::function<void(QWidget&)> act = {})
    {
        qApp->setProperty("frametest.log", QStringList());
        WhenStarted started([act](QWidget& form) {
            if (act) act(form);
            if (form.isVisible()) click(form, "CloseButton");
        });
        const LaunchOutcome outcome = launcher_.launch(u"rcvsales");
        EXPECT_TRUE(started.acted());
        return outcome;
    }

    // The launcher's own session number, held as a running launcher holds it.
    std::unique_ptr<store::SessionLease> lease_ = store::SessionLease::acquire(home_.installation().dataRoot, {});
};

const QStringList kNormalRun{"data module", "main form", "dialogs", "started: error form made, control open, ledger N"};

TEST_F(ModuleRunTest, the_same_module_twice_in_a_row_runs_normally_both_times)
{
    for (int run = 1; run <= 2; ++run) {
        EXPECT_EQ(runSales(), LaunchOutcome::Ran) << "run " << run;
        EXPECT_EQ(frameLog(), kNormalRun) << "run " << run;
    }
    EXPECT_THAT(shownTexts(), IsEmpty());
}

TEST_F(ModuleRunTest, a_module_closed_by_a_store_error_runs_normally_the_next_time)
{
    EXPECT_EQ(runSales([](QWidget& form) { click(form, "StoreErrorButton"); }), LaunchOutcome::Ran);
    EXPECT_EQ(messages_.errorForms(), 1);
    messages_.clear();

    EXPECT_EQ(runSales(), LaunchOutcome::Ran);
    EXPECT_EQ(frameLog(), kNormalRun);
    EXPECT_THAT(shownTexts(), IsEmpty());
}

TEST_F(ModuleRunTest, a_running_module_is_not_launched_again_but_another_runs_beside_it)
{
    installProbe({"glrepprint"});
    LaunchOutcome again = LaunchOutcome::Ran, shortcut = LaunchOutcome::Ran, report = LaunchOutcome::Stopped;
    EXPECT_EQ(runSales([&](QWidget&) {
                  again = launcher_.launch(u"rcvsales");
                  shortcut = launcher_.launch(u"rcvsalesf");
                  report = launcher_.launch(u"aprepprint");
              }),
              LaunchOutcome::Ran);
    EXPECT_EQ(again, LaunchOutcome::Stopped);
    EXPECT_EQ(shortcut, LaunchOutcome::Stopped);
    EXPECT_THAT(shownTexts(), ElementsAre("The option rcvsales is already open. Close it before starting it again.",
                                          "The option rcvsales is already open. Close it before starting it again."));

    EXPECT_EQ(report, LaunchOutcome::Ran);
    ASSERT_EQ(probeCalls().size(), 1);
    EXPECT_TRUE(probeCalls()[0].startsWith("glrepprint ledger=ap session="));
    EXPECT_NE(probeCalls()[0], QString("glrepprint ledger=ap session=%1").arg(lease_->number()))
        << "a module run beside another has a session number of its own";

    EXPECT_EQ(runSales(), LaunchOutcome::Ran) << "once closed, it runs again";
}

}  // namespace
}  // namespace orvant::launcher::testing
