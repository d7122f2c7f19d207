// The button bar of the report screens: each button runs its output or its own action, a failure
// of the report reaches the user instead of the event loop, and the bar shut while a report runs
// shuts every button.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <optional>
#include <stdexcept>

#include "ui/error_form.h"
#include "ui/error_reporting.h"
#include "ui/recording_messages.h"
#include "ui/report_buttons.h"

namespace orvant::ui {
namespace {

using report::ReportOutput;

class ReportButtonsTest : public ::testing::Test {
protected:
    Session session_;
    QDialog form_;
    std::optional<ReportOutput> ran_;
    ReportButtons* bar_ = new ReportButtons(form_, session_, "Help", 207, [this](ReportOutput how) { ran_ = how; });

    QPushButton* button(const char* name) { return bar_->findChild<QPushButton*>(name); }
};

TEST_F(ReportButtonsTest, each_output_button_runs_the_report_its_caption_names)
{
    const struct {
        const char* name;
        const char* caption;
        ReportOutput output;
    } rows[] = {
        {"Print_btn", "&Print", ReportOutput::Print},
        {"Preview_btn", "Pre&view", ReportOutput::Preview},
        {"Export_btn", "&Export", ReportOutput::Export},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ran_.reset();
        ASSERT_NE(button(row.name), nullptr);
        EXPECT_EQ(button(row.name)->text(), row.caption);
        button(row.name)->click();
        EXPECT_EQ(ran_, row.output);
    }
}

TEST_F(ReportButtonsTest, exit_closes_the_form_and_runs_no_report)
{
    form_.show();
    button("Exit_btn")->click();
    EXPECT_FALSE(form_.isVisible());
    EXPECT_FALSE(ran_.has_value());
}

TEST_F(ReportButtonsTest, a_report_that_throws_is_reported_and_the_screen_stays)
{
    RecordingMessages messages;
    MessageServiceScope scope{messages};
    ErrorForm errors;
    int closed = 0;
    ErrorReporter reporter{errors, 1, [&closed] { ++closed; }};
    ReportButtons failing(form_, session_, "Help", 207, [](ReportOutput) { throw std::runtime_error("no paper"); });
    failing.findChild<QPushButton*>("Print_btn")->click();
    ASSERT_EQ(messages.errorForms(), 1);
    EXPECT_EQ(messages.shown()[0].error.message, "no paper");
    EXPECT_EQ(closed, 0);
}

TEST_F(ReportButtonsTest, shutting_the_bar_while_a_report_runs_shuts_every_button)
{
    bar_->setEnabled(false);
    const QList<QPushButton*> buttons = bar_->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 6) << "Print, Preview, Export, Print screen, Help, Exit";
    for (QPushButton* b : buttons) EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    bar_->setEnabled(true);
    for (QPushButton* b : buttons) EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

}  // namespace
}  // namespace orvant::ui
