// What reaches the user when something fails inside a module, and whether the screen closes.

#include <gtest/gtest.h>

#include <stdexcept>

#include "store/error.h"
#include "ui/error_form.h"
#include "ui/error_reporting.h"
#include "ui/recording_messages.h"

namespace orvant::ui {
namespace {

store::StoreError lockedBy(const std::string& user, int session)
{
    store::StoreError e(store::errc::kRecordLocked, "Record locked by another user.");
    e.setHolder({user, session});
    return e;
}

class ErrorReportingTest : public ::testing::Test {
protected:
    RecordingMessages messages_;
    MessageServiceScope scope_{messages_};
    ErrorForm form_;
    int closed_ = 0;
    ErrorReporter reporter_{form_, 1, [this] { ++closed_; }};

    void raise(std::exception_ptr e) { HandleException(e); }
};

TEST_F(ErrorReportingTest, a_store_error_shows_the_error_form_and_closes_the_screen)
{
    raise(std::make_exception_ptr(store::StoreError(store::errc::kKeyViolation, "Key violation.")));
    ASSERT_EQ(messages_.errorForms(), 1);
    const ErrorReport& shown = messages_.shown().front().error;
    EXPECT_EQ(shown.category, QString::number(store::errc::kKeyViolation >> 8));
    EXPECT_EQ(shown.code, QString::number(store::errc::kKeyViolation & 0xFF));
    EXPECT_TRUE(shown.message.contains("Key violation."));
    EXPECT_EQ(form_.category(), shown.category) << "the form itself holds what it shows";
    EXPECT_EQ(closed_, 1);
}

TEST_F(ErrorReportingTest, a_lock_conflict_says_who_holds_the_record_and_closes_without_the_error_form)
{
    raise(std::make_exception_ptr(lockedBy("Marie", 3)));
    EXPECT_EQ(messages_.errorForms(), 0);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.kind, MessageKind::Warning);
    EXPECT_EQ(messages_.shown()[0].message.text, "This record is in use by another workstation (Marie, session 3). The screen will close.");
    EXPECT_EQ(closed_, 1);
    EXPECT_TRUE(LockConflictText(store::StoreError(store::errc::kRecordLocked, "x"), 2)
                    .startsWith("Cet enregistrement est utilisé par un autre poste de travail."));
}

TEST_F(ErrorReportingTest, an_ordinary_error_is_shown_and_the_screen_stays)
{
    raise(std::make_exception_ptr(std::runtime_error("Division by zero in the tax split")));
    ASSERT_EQ(messages_.errorForms(), 1);
    EXPECT_EQ(messages_.shown()[0].error.category, "xxxxx");
    EXPECT_EQ(messages_.shown()[0].error.code, "xxxxx");
    EXPECT_EQ(messages_.shown()[0].error.message, "Division by zero in the tax split");
    EXPECT_EQ(closed_, 0);

    raise(std::make_exception_ptr(SilentAbort()));
    EXPECT_EQ(messages_.shown().size(), 1u) << "an abort after a shown error stays silent";
}

TEST_F(ErrorReportingTest, show_db_error_notes_a_lock_and_abandons_after_anything_else)
{
    EXPECT_NO_THROW(ShowDbError(std::make_exception_ptr(lockedBy("Marie", 3))));
    EXPECT_EQ(CurrentLockState(), LockState::Locked);
    EXPECT_TRUE(messages_.shown().empty());
    ClearLock();
    EXPECT_EQ(CurrentLockState(), LockState::Clear);

    EXPECT_THROW(ShowDbError(std::make_exception_ptr(store::StoreError(store::errc::kRecordGone, "gone"))), SilentAbort);
    EXPECT_THROW(ShowDbError(std::make_exception_ptr(std::logic_error("bad"))), SilentAbort);
    ASSERT_EQ(messages_.errorForms(), 2);
    EXPECT_EQ(messages_.shown()[1].error.category, "xxxxx");
}

TEST_F(ErrorReportingTest, run_with_lock_retry_runs_again_while_locked_and_reports_other_failures)
{
    int tries = 0;
    RunWithLockRetry([&] {
        if (++tries < 3) throw lockedBy("Paul", 2);
    }, {std::chrono::milliseconds(1), std::chrono::milliseconds(2), {}, {}});
    EXPECT_EQ(tries, 3);
    EXPECT_EQ(CurrentLockState(), LockState::Clear);
    EXPECT_TRUE(messages_.shown().empty());

    EXPECT_THROW(RunWithLockRetry([] { throw store::StoreError(store::errc::kKeyViolation, "dup"); }), SilentAbort);
    EXPECT_EQ(messages_.errorForms(), 1);
}

TEST_F(ErrorReportingTest, a_nested_module_reports_through_its_own_hook_until_it_returns)
{
    {
        ErrorForm innerForm;
        int innerClosed = 0;
        ErrorReporter inner(innerForm, 2, [&] { ++innerClosed; });
        raise(std::make_exception_ptr(lockedBy("Léa", 5)));
        EXPECT_EQ(innerClosed, 1);
        EXPECT_EQ(closed_, 0);
        EXPECT_TRUE(messages_.shown().back().message.text.startsWith("Cet enregistrement"));
    }
    raise(std::make_exception_ptr(lockedBy("Léa", 5)));
    EXPECT_EQ(closed_, 1) << "the outer module's hook is in place again";
}

TEST_F(ErrorReportingTest, guarded_handlers_never_let_an_exception_out)
{
    auto handler = Guarded([](int amount) {
        if (amount < 0) throw std::invalid_argument("negative amount");
    });
    static_assert(noexcept(handler(1)));
    handler(-1);
    ASSERT_EQ(messages_.errorForms(), 1);
    EXPECT_EQ(messages_.shown()[0].error.message, "negative amount");
}

TEST_F(ErrorReportingTest, a_posting_failing_in_the_store_is_shown_and_the_screen_stays_unless_the_store_is_gone)
{
    struct Case {
        int code;
        bool closes;
    };
    const Case cases[] = {{store::errc::kKeyViolation, false}, {store::errc::kRecordLocked, false}, {store::errc::kConnection, true}};
    for (const Case& c : cases) {
        const int before = closed_;
        Guarded([&] { RunPosting([&] { throw store::StoreError(c.code, "failed"); }); })();
        EXPECT_EQ(closed_ - before, c.closes ? 1 : 0) << c.code;
        EXPECT_EQ(messages_.shown().back().error.code, QString::number(c.code & 0xFF)) << "shown in the error form";
    }
    EXPECT_EQ(messages_.errorForms(), 3);
    EXPECT_FALSE(LeavesStoreUsable(store::StoreError({{store::errc::kEngine, "send"}, {store::errc::kConnection, "lost"}})));
}

}  // namespace
}  // namespace orvant::ui
