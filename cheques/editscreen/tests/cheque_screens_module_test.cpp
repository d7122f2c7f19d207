// The two cheque editing modules run as the launcher runs them, in both languages and with the
// US wording: their language tables match their forms and dialogs, the form shows what each
// screen has (the supplier code and the list of invoices on the cheque list only), the slots that
// follow the lines are never typed, the navigator and the inputs follow browse and edit, and the
// library is unloaded after each run; no two captions claim one Alt+letter; a supplier code
// shows in capitals as typed and each English message that says "cheque" has its US wording.
// While the list is being built the editor does not open: it says who builds it.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "cheque_edit_form.h"
#include "cheque_list_lock.h"
#include "cheque_messages.h"
#include "company/company_creation.h"
#include "lang/table_check.h"
#include "session/module_launch.h"
#include "settings/registry.h"
#include "testing/module_test_home.h"
#include "testing/shortcut_clashes.h"
#include "ui/form_messages.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

// What one run sees of the form.
struct Seen {
    QString caption, dateCaption;
    bool hasSupplierCode = false, hasInvoiceList = false;
    bool browsingDisablesPayee = false, browsingOffersInsert = false;
    bool insertEnablesPayee = false, insertEnablesFreeSlots = false, insertOffersSave = false;
    bool computedSlotsTyped = true;  // slot 1 or 2 taking input while a cheque is typed
    QString supplierTyped;            // what the supplier code shows of "a1" typed
    QStringList usWordingFaults;      // messages saying "cheque" without a US wording saying "check"
    QStringList sharedShortcuts;      // Alt+letters that two captions of the General page claim
};

QList<int> messagesOfTheScreens()
{
    QList<int> numbers{0, 1, 2, 8, 9, 10, 11, 12, 13};
    for (int n = cheques::kLineAgainstBalance; n <= cheques::UsWordingOf(cheques::kAskDelete); ++n) numbers << n;
    return numbers;
}

QStringList usWordingFaults(QWidget& form)
{
    QStringList faults;
    for (int n : messagesOfTheScreens()) {
        const QString plain = ui::FormMessageText(form, n);
        const int us = cheques::UsWordingOf(n);
        if (us == n ? plain.contains("cheque") : ui::FormMessageText(form, us) != QString(plain).replace("cheque", "check"))
            faults << QString::number(n);
    }
    return faults;
}

Seen look(QWidget& form)
{
    Seen seen;
    const auto edit = [&](const char* name) { return form.findChild<QLineEdit*>(name); };
    const auto button = [&](const char* name) { return form.findChild<QPushButton*>(name); };
    seen.caption = form.windowTitle();
    seen.dateCaption = form.findChild<QLabel*>("DateLabel")->text();
    seen.sharedShortcuts = testing::ShortcutClashes(form);
    seen.hasSupplierCode = edit("Apchqh_fou") != nullptr;
    seen.hasInvoiceList = button("InvoiceBtn") != nullptr;
    seen.browsingDisablesPayee = !edit("Apchqh_nom")->isEnabled();
    seen.browsingOffersInsert = button("InsertBtn")->isEnabled() && !button("PostBtn")->isEnabled();
    button("InsertBtn")->click();
    seen.insertEnablesPayee = edit("Apchqh_nom")->isEnabled();
    seen.insertEnablesFreeSlots = edit("Apchqh_accnt3")->isEnabled() && edit("Apchqh_dist10")->isEnabled();
    seen.insertOffersSave = button("PostBtn")->isEnabled() && !button("InsertBtn")->isEnabled();
    if (QLineEdit* code = edit("Apchqh_fou")) {
        code->insert("a1");
        seen.supplierTyped = code->text();
    }
    seen.usWordingFaults = usWordingFaults(form);
    seen.computedSlotsTyped = false;
    for (const char* name : {"Apchqh_accnt1", "Apchqh_dist1", "Apchqh_accnt2", "Apchqh_dist2"})
        seen.computedSlotsTyped = seen.computedSlotsTyped || !edit(name)->isReadOnly();
    button("CancelBtn")->click();
    return seen;
}

TEST(ChequeScreensModule, EachScreenShowsItsOwnFieldsInItsLanguageAndKeepsTheComputedSlotsShut)
{
    struct Case {
        const char* module;
        const char* form;
        int language;
        bool usWording;
        const char* caption;
        const char* dateCaption;
        bool listScreen;
        std::vector<const char*> dialogs;
    } cases[] = {
        {"vndcheqedit", "Tvndcheqedit_frm", 1, false, "Edit cheque entries", "Cheque &date:", true, {"Ttaxperrate_dlg", "Tinvoicelist_dlg"}},
        {"vndcheqedit", "Tvndcheqedit_frm", 1, true, "Edit check entries", "Check &date:", true, {"Ttaxperrate_dlg", "Tinvoicelist_dlg"}},
        {"vndcheqedit", "Tvndcheqedit_frm", 2, true, "Modification des chèques", "Da&te du chèque :", true, {"Ttaxperrate_dlg", "Tinvoicelist_dlg"}},
        {"vndcheqrecur", "Tvndcheqrecur_frm", 1, true, "Recurring check entries", "Check &date:", false, {"Ttaxperrate_dlg"}},
        {"vndcheqrecur", "Tvndcheqrecur_frm", 2, false, "Chèques récurrents", "Da&te du chèque :", false, {"Ttaxperrate_dlg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.module) + " language " + std::to_string(c.language) + (c.usWording ? " US" : ""));
        testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
        home.registry().setValue(kSettingsSection, u"Intl", c.usWording ? "y" : "n");
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        std::vector<lang::FormUse> uses;
        Seen seen;
        testing::WhenShown act(c.form, [&](QWidget& form) {
            uses.push_back(lang::FormUseOf(form, messagesOfTheScreens()));
            for (const char* dialog : c.dialogs) uses.push_back(lang::FormUseOf(*form.findChild<QDialog*>(dialog)));
            seen = look(form);
            form.findChild<QPushButton*>("Exit_btn")->click();
        });
        EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, c.module, home.session(c.language), false).returned, -1);
        EXPECT_EQ(dlopen(ModuleFile(ORVANT_TEST_MODULES, c.module).toUtf8().constData(), RTLD_NOW | RTLD_NOLOAD), nullptr)
            << "the library is unloaded once the screen closed";
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, c.module, uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
        EXPECT_EQ(seen.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(seen.dateCaption, QString::fromUtf8(c.dateCaption));
        EXPECT_EQ(seen.hasSupplierCode, c.listScreen);
        EXPECT_EQ(seen.hasInvoiceList, c.listScreen);
        EXPECT_TRUE(seen.browsingDisablesPayee);
        EXPECT_TRUE(seen.browsingOffersInsert);
        EXPECT_TRUE(seen.insertEnablesPayee);
        EXPECT_TRUE(seen.insertEnablesFreeSlots);
        EXPECT_TRUE(seen.insertOffersSave);
        EXPECT_FALSE(seen.computedSlotsTyped);
        EXPECT_EQ(seen.supplierTyped, c.listScreen ? "A1" : "") << "supplier codes are kept in capitals";
        if (c.language == 1) {
            EXPECT_EQ(seen.usWordingFaults.join(", ").toStdString(), "");
        }
        EXPECT_EQ(seen.sharedShortcuts.join("; ").toStdString(), "");
    }
}

TEST(ChequeScreensModule, TheListEditorDoesNotOpenWhileTheListIsBuiltAndSaysWhoBuildsIt)
{
    testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
    const auto books = company::OpenCompany(home.installation(), 1);
    const cheques::ChequeListLock building = cheques::ChequeListLock::take(*books, cheques::ChequeListUse::Exclusive);
    ui::RecordingMessages messages;
    ui::MessageServiceScope scope{messages};
    bool formShown = false;
    testing::WhenShown act("Tvndcheqedit_frm", [&](QWidget&) { formShown = true; });
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndcheqedit", home.session(1), false).returned, -1);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].message.kind, ui::MessageKind::Warning);
    EXPECT_TRUE(messages.shown()[0].message.text.contains("in use by another workstation (") && messages.shown()[0].message.text.contains("session")) << messages.shown()[0].message.text.toStdString();
    EXPECT_FALSE(formShown) << "the screen closes before it can be worked in";
}

}  // namespace
}  // namespace orvant
