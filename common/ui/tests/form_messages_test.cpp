// A screen's own messages reach the message service with their number and text.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QWidget>

#include "ui/form_messages.h"
#include "ui/recording_messages.h"

namespace orvant::ui {
namespace {

TEST(FormMessages, message_n_is_line_n_of_the_forms_list_and_questions_are_answered)
{
    QWidget form;
    auto* list = new QPlainTextEdit(&form);
    list->setObjectName("IntlStrings1");
    list->setPlainText("Client not found.\nDelete this client?");
    RecordingMessages messages;
    MessageServiceScope scope(messages);
    messages.answerNext(Answer::Yes);

    EXPECT_EQ(ShowFormMessage(form, 0, MessageKind::Warning), Answer::Ok);
    EXPECT_EQ(ShowFormMessage(form, 1, MessageKind::Question), Answer::Yes);
    EXPECT_EQ(ShowFormMessage(form, 1, MessageKind::Question), Answer::No) << "no answer left: the safe one";
    ShowFormMessage(form, 7);

    ASSERT_EQ(messages.shown().size(), 4u);
    EXPECT_EQ(messages.shown()[0].message.number, 0);
    EXPECT_EQ(messages.shown()[0].message.text, "Client not found.");
    EXPECT_EQ(messages.shown()[0].message.kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown()[1].message.text, "Delete this client?");
    EXPECT_EQ(messages.shown()[3].message.text, "(message 7)") << "a gap in the table shows rather than vanishes";
}

}  // namespace
}  // namespace orvant::ui
