// Each suite library through its exported function, as a module calls it: every picker over the
// demo company in both languages, its answer in the caller's terms, its failures; then the
// start-up splash, in order and out of it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <cstring>
#include <functional>

#include "company/company_creation.h"
#include "lang/table_check.h"
#include "picker/lookup_model.h"
#include "picker/picker_dialog.h"
#include "picker_testing.h"
#include "pickers.h"
#include "store/table.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"
#include "waitbox.h"

namespace orvant {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A picker as its caller sees it: the answer as text, "" for none.
using Call = std::function<std::string(const TLinkSection&)>;

Call codePicker(int32_t (*pick)(TLinkSection, char*, int32_t))
{
    return [pick](const TLinkSection& link) {
        char code[32];
        std::memset(code, 'x', sizeof code);
        const int32_t length = pick(link, code, sizeof code);
        EXPECT_EQ(length, static_cast<int32_t>(std::strlen(code)));
        return std::string(code);
    };
}

Call numberPicker(int32_t (*pick)(TLinkSection))
{
    return [pick](const TLinkSection& link) {
        const int32_t number = pick(link);
        return number == 0 ? std::string() : std::to_string(number);
    };
}

struct PickerCase {
    const char* code;
    Call call;
    const char* filter;
    const char* chosen;
    const char* englishTitle;
    const char* frenchTitle;
};

void PrintTo(const PickerCase& picker, std::ostream* out) { *out << picker.code; }

const PickerCase kPickers[] = {
    {"pickcli", codePicker(PickClient), "dent", "WES500", "Clients", "Clients"},
    {"picksup", codePicker(PickSupplier), "lumber", "MAP300", "Suppliers", "Fournisseurs"},
    {"picksales", codePicker(PickSalesMan), "lee", "SL", "Salesmen", "Vendeurs"},
    {"cliterr", codePicker(CliTerritory), "west", "W", "Territories", "Territoires"},
    {"supterr", codePicker(SupTerritory), "sou", "S", "Territories", "Territoires"},
    {"jobproject", codePicker(Getproject), "bridge", "QC-BRIDGE", "Projects", "Projets"},
    {"jobelem", codePicker(Getelem), "rental", "EQP", "Elements", "Éléments"},
    {"pickacc", numberPicker(PickAccount), "rent", "5100", "Accounts", "Comptes"},
    {"cliterms", numberPicker(ArGet_Terms), "receipt", "3", "Terms", "Modalités"},
    {"jobphase", numberPicker(Getphase), "fram", "2", "Phases", "Phases"},
};

class PickerExportsTest : public ::testing::Test {
protected:
    PickerExportsTest() { testing::AddJobCosting(home_.installation()); }

    // The session's record as it stands; it points into the session.
    TLinkSection link() const { return LinkFor(session_); }
    void useFrench() { session_ = home_.session(2); }

    std::vector<ui::MessageKind> shownKinds() const
    {
        std::vector<ui::MessageKind> kinds;
        for (const ui::ShownMessage& shown : messages_.shown()) kinds.push_back(shown.message.kind);
        return kinds;
    }

    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    Session session_ = home_.session();
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

class EachPicker : public PickerExportsTest, public ::testing::WithParamInterface<PickerCase> {};

TEST_P(EachPicker, ChoosesTheFilteredRowInEnglishAndCancelsInFrench)
{
    const PickerCase& picker = GetParam();
    const QString form = QString::fromLatin1(picker.code);
    testing::PickerScreen english, french;
    {
        testing::WhenShown user(form, testing::TypeAndPress(QString::fromUtf8(picker.filter), Qt::Key_Return, english));
        EXPECT_EQ(picker.call(link()), picker.chosen);
    }
    useFrench();
    {
        testing::WhenShown user(form, testing::TypeAndPress({}, Qt::Key_Escape, french));
        EXPECT_EQ(picker.call(link()), "");
    }
    EXPECT_EQ(english.title.toStdString(), picker.englishTitle);
    EXPECT_EQ(french.title.toStdString(), picker.frenchTitle);
    EXPECT_THAT(shownKinds(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pickers, EachPicker, ::testing::ValuesIn(kPickers),
                         [](const ::testing::TestParamInfo<PickerCase>& info) { return std::string(info.param.code); });

TEST_F(PickerExportsTest, FrenchSessionShowsFrenchTexts)
{
    useFrench();
    testing::PickerScreen seen;
    testing::WhenShown user(QStringLiteral("pickacc"), testing::TypeAndPress({}, Qt::Key_Escape, seen));
    EXPECT_EQ(PickAccount(link()), 0);
    EXPECT_EQ(seen.searchLabel.toStdString(), "&Chercher :");
    EXPECT_THAT(seen.columns, ElementsAre(QStringLiteral("Compte"), QStringLiteral("Description")));
}

TEST_F(PickerExportsTest, LanguageTablesNameOnlyThePickersControls)
{
    const auto books = company::OpenCompany(home_.installation(), 1);
    store::Table clients(*books, "cli");
    clients.open();
    picker::LookupModel model(clients, "Cli_code", "Cli_name");
    std::vector<lang::FormUse> forms;
    for (const PickerCase& picker : kPickers)
        forms.push_back(lang::FormUseOf(picker::PickerDialog(QString::fromLatin1(picker.code), model)));
    EXPECT_THAT(lang::CheckModuleLanguages(QStringLiteral(ORVANT_TEST_LANGUAGES), QStringLiteral("pickers"), forms), IsEmpty());
}

TEST_F(PickerExportsTest, StorageTooSmallForTheFieldIsRefusedBeforeThePickerShows)
{
    testing::PickerScreen seen;
    testing::WhenShown clients(QStringLiteral("pickcli"), testing::TypeAndPress({}, Qt::Key_Return, seen));
    char code[10];  // client codes take up to 10 bytes, and the NUL
    std::memset(code, 'x', sizeof code);
    EXPECT_EQ(PickClient(link(), code, sizeof code), 0);
    EXPECT_STREQ(code, "");
    EXPECT_EQ(PickClient(link(), nullptr, 0), 0);
    EXPECT_FALSE(clients.acted());
    EXPECT_THAT(shownKinds(), ElementsAre(ui::MessageKind::Error, ui::MessageKind::Error));

    testing::WhenShown territories(QStringLiteral("cliterr"), testing::TypeAndPress(QStringLiteral("east"), Qt::Key_Return, seen));
    char territory[4];  // exactly a territory's 3 bytes and the NUL
    EXPECT_EQ(CliTerritory(link(), territory, sizeof territory), 1);
    EXPECT_STREQ(territory, "E");
}

TEST_F(PickerExportsTest, AFailureIsShownAndAnsweredAsCancelled)
{
    testing::PickerScreen seen;
    testing::WhenShown user(QStringLiteral("pickcli"), testing::TypeAndPress({}, Qt::Key_Return, seen));
    char code[16];

    session_.companyCode = "99";
    EXPECT_EQ(PickClient(link(), code, sizeof code), 0);
    EXPECT_STREQ(code, "");
    EXPECT_EQ(PickAccount(link()), 0);
    session_ = home_.session();

    session_.dataRoot = "/nonexistent/Orvant/data";
    EXPECT_EQ(ArGet_Terms(link()), 0);
    session_ = home_.session();

    QTemporaryDir noTables;
    setenv("ORVANT_LANGUAGES", noTables.path().toLocal8Bit().constData(), 1);
    EXPECT_EQ(PickClient(link(), code, sizeof code), 0);

    EXPECT_FALSE(user.acted());
    ASSERT_THAT(shownKinds(), ElementsAre(ui::MessageKind::Error, ui::MessageKind::Error, ui::MessageKind::Error,
                                          ui::MessageKind::Error));
    EXPECT_THAT(messages_.shown()[0].message.text.toStdString(), HasSubstr("data99"));
    EXPECT_THAT(messages_.shown()[3].message.text.toStdString(), HasSubstr("pickersen"));
}

// The start-up splash, found among the application's windows; there is never more than one.
QWidget* splash()
{
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != QStringLiteral("waitbox")) continue;
        EXPECT_EQ(found, nullptr) << "a second splash";
        found = window;
    }
    return found;
}

std::string labelText(const QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString();
}

TEST(Waitbox, ShowsItsCaptionAndStepsUntilClosed)
{
    EXPECT_EQ(loading_Dialog_open(), 1);
    EXPECT_EQ(loading_Dialog_caption(0), 1);
    QWidget* box = splash();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(labelText(*box, "lblCaption"), "Starting Orvant / Démarrage d'Orvant");
    EXPECT_EQ(loading_Dialog_step(), 1);
    EXPECT_EQ(loading_Dialog_caption(1), 1);
    EXPECT_EQ(labelText(*box, "lblCaption"), "Loading the screens / Chargement des écrans");
    EXPECT_EQ(box->findChild<QProgressBar*>("progress")->value(), 1);
    EXPECT_EQ(loading_Dialog_close(), 1);
    EXPECT_EQ(splash(), nullptr);
}

TEST(Waitbox, CallsOutOfOrderAnswerZeroAndHarmNothing)
{
    EXPECT_EQ(loading_Dialog_step(), 0);
    EXPECT_EQ(loading_Dialog_caption(0), 0);
    EXPECT_EQ(loading_Dialog_close(), 0);
    EXPECT_EQ(splash(), nullptr);

    loading_Dialog_open();
    loading_Dialog_open();
    EXPECT_NE(splash(), nullptr) << "one splash, the second replacing the first";
    for (int i = 0; i < 10; ++i) loading_Dialog_step();
    EXPECT_EQ(splash()->findChild<QProgressBar*>("progress")->value(), 3);
    loading_Dialog_close();
    EXPECT_EQ(loading_Dialog_close(), 0);
    EXPECT_EQ(splash(), nullptr);
}

}  // namespace
}  // namespace orvant
