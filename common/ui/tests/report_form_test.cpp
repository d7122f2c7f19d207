// The frame of the report screens: no rule runs before the screen's logic has started, the
// options reach it before each rule, and only a report that says so closes the screen.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "ui/report_form.h"

namespace orvant::ui {
namespace {

using report::ReportOutput;

class OptionsForm : public ReportForm {
public:
    explicit OptionsForm(Session& session) : ReportForm(session, "Help", "Toptions_frm", "Options")
    {
        option_ = new QLineEdit(this);
        frame(option_, 207, [this](ReportOutput how) {
            ran.push_back({how, readOption});
            return how == ReportOutput::Export;
        });
    }

    bool started = false;
    QString readOption;
    std::vector<std::pair<ReportOutput, QString>> ran;
    QLineEdit* option_;

protected:
    bool readChoices() override
    {
        if (started) readOption = option_->text();
        return started;
    }
};

TEST(ReportForm, the_options_are_read_before_each_report_and_only_a_started_screen_runs_one)
{
    Session session;
    OptionsForm form(session);
    form.show();
    form.option_->setText("A");
    form.findChild<QPushButton*>("Print_btn")->click();
    EXPECT_TRUE(form.ran.empty()) << "the screen's logic has not started";

    form.started = true;
    form.findChild<QPushButton*>("Print_btn")->click();
    form.option_->setText("B");
    form.findChild<QPushButton*>("Preview_btn")->click();
    const std::vector<std::pair<ReportOutput, QString>> expected{{ReportOutput::Print, "A"}, {ReportOutput::Preview, "B"}};
    EXPECT_EQ(form.ran, expected);
    EXPECT_TRUE(form.isVisible()) << "printed or previewed, the screen stays";

    form.findChild<QPushButton*>("Export_btn")->click();
    EXPECT_FALSE(form.isVisible()) << "exported, the screen closes";
}

TEST(ReportForm, the_status_bar_and_the_message_list_carry_the_names_the_language_tables_use)
{
    Session session;
    OptionsForm form(session);
    EXPECT_EQ(form.objectName(), "Toptions_frm");
    auto* bar = form.findChild<QStatusBar*>("StatusBar");
    ASSERT_NE(bar, nullptr);
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) EXPECT_NE(bar->findChild<QLabel*>(panel), nullptr) << panel;
    EXPECT_NE(form.findChild<QWidget*>("IntlStrings1"), nullptr);
}

}  // namespace
}  // namespace orvant::ui
