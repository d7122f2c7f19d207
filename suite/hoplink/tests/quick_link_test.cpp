// The quick link runs a function of the suite from inside a module: with a session number of
// its own, reporting a library that cannot load, and leaving the calling module's hook in place.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include <QListWidget>

#include "../quick_link_dialog.h"
#include "company/company_creation.h"
#include "company/users.h"
#include "options/enabled_options.h"
#include "session/user_session.h"
#include "settings/store_choice.h"
#include "store/session_number.h"
#include "store/table.h"
#include "testing/module_test_home.h"
#include "ui/error_form.h"
#include "ui/error_reporting.h"
#include "ui/recording_messages.h"
#include "ui/window_list.h"

namespace orvant::suite {
namespace {

class QuickLinkTest : public ::testing::Test {
protected:
    QuickLinkDialog dialog(const Session& session)
    {
        return QuickLinkDialog(session, {{"nosuchmodule", "Missing function"}, {"frametest", "Frame test"}}, ORVANT_TEST_MODULES);
    }

    void choose(QWidget& link, const QString& filter)
    {
        link.findChild<QLineEdit*>("FilterEdit")->setText(filter);
        link.findChild<QPushButton*>("RunButton")->click();
    }

    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

TEST_F(QuickLinkTest, a_function_runs_nested_with_its_own_session_number_and_the_callers_hook_returns)
{
    // The calling module holds its session's scratch row, as a running module does.
    const auto lease = store::SessionLease::acquire(home_.installation().dataRoot, {});
    store::Database root("root", home_.installation().dataRoot, {});
    store::Table scratch(root, "virmem");
    scratch.open();
    ASSERT_TRUE(scratch.findKey({lease->number()}));
    scratch.edit();

    ui::ErrorForm callerForm;
    int callerClosed = 0;
    ui::ErrorReporter caller(callerForm, 1, [&] { ++callerClosed; });

    bool quickLinkWasOpen = false;
    testing::WhenShown link("TQuickLink_frm", [&](QWidget& w) {
        quickLinkWasOpen = ui::QuickLinkOpen();
        choose(w, "frame");
    });
    bool nestedStarted = false;
    testing::WhenShown module("Tframetest_frm", [&](QWidget& w) {
        nestedStarted = true;
        w.findChild<QPushButton*>("CloseButton")->click();
    }, [] { return qApp->property("frametest.log").toStringList().join(' ').contains("started"); });

    qApp->setProperty("frametest.log", QStringList());
    QuickLinkDialog quickLink(home_.session(1, lease->number()), {{"frametest", "Frame test"}}, ORVANT_TEST_MODULES);
    EXPECT_EQ(quickLink.windowTitle(), "Quick Link");
    EXPECT_EQ(quickLink.exec(), QDialog::Accepted);

    EXPECT_TRUE(quickLinkWasOpen);
    EXPECT_TRUE(nestedStarted) << "the nested module did not wait for the caller's scratch row";
    EXPECT_TRUE(messages_.shown().empty());
    ui::HandleException(std::make_exception_ptr(store::StoreError(store::errc::kRecordLocked, "locked")));
    EXPECT_EQ(callerClosed, 1) << "the caller's hook is in place again";
    scratch.cancel();
}

TEST_F(QuickLinkTest, a_function_whose_library_is_missing_is_reported_and_nothing_runs)
{
    testing::WhenShown link("TQuickLink_frm", [&](QWidget& w) { choose(w, "miss"); });
    QuickLinkDialog quickLink(home_.session(2), {{"nosuchmodule", "Missing function"}}, ORVANT_TEST_MODULES);
    EXPECT_EQ(quickLink.windowTitle(), "Lien Rapide");
    quickLink.exec();
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_THAT(messages_.shown()[0].message.text.toStdString(),
                ::testing::StartsWith("Erreur lors du chargement de l'option nosuchmodule (1157): "));
}

// The quick link opens only what the user's rights open from the menus.
TEST_F(QuickLinkTest, a_user_sees_and_runs_only_the_functions_their_rights_open)
{
    company::User clerk{"CLERK", "Céline Ouellet", 1, 1, 0, {}, {}};
    UserSecurity rights;
    GrantOption(rights, u"rcvsales");
    clerk.rights = rights.stored();
    company::AddUser(home_.installation(), clerk, "clerk");
    const auto root = company::OpenDataRoot(home_.installation());
    Session session = SessionForUser(home_.registry(), *root, clerk, 1);
    session.dataRoot = home_.installation().dataRoot;

    const struct {
        Session session;
        QStringList listed;
    } cases[] = {
        {session, {"rcvsales"}},
        {home_.session(), {"rcvsales", "vndcheqprint", "frametest"}},  // every right: even a code no menu has
    };
    for (const auto& c : cases) {
        QuickLinkDialog quickLink(c.session, {{"rcvsales", "Sales"}, {"vndcheqprint", "Cheque printing"}, {"frametest", "Frame test"}},
                                  ORVANT_TEST_MODULES);
        const auto* list = quickLink.findChild<QListWidget*>("FunctionList");
        QStringList listed;
        for (int i = 0; i < list->count(); ++i) listed << list->item(i)->data(Qt::UserRole).toString();
        EXPECT_EQ(listed, c.listed) << c.session.userName;
    }
}

TEST(SuiteFunctions, every_function_is_named_in_both_languages)
{
    const auto english = SuiteFunctions(1), french = SuiteFunctions(2);
    ASSERT_EQ(english.size(), french.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(english[i].code, french[i].code);
        EXPECT_FALSE(french[i].name.isEmpty());
    }
    EXPECT_EQ(english.front().code, "rcvsales");
}

}  // namespace
}  // namespace orvant::suite
