#pragma once
// The message service of a driven screen: shows nothing, writes every message and error form
// into the transcript and keeps it for the script's expectations. A question waits, as its box
// would, until the script answers it; once the screen is being closed, questions are answered
// at once so that nothing holds the screen open.

#include <QEventLoop>
#include <memory>
#include <vector>

#include "ui/message_service.h"
#include "ui/recording_messages.h"

namespace orvant::screendriver {

class Transcript;

class ScriptedMessages : public ui::MessageService {
public:
    explicit ScriptedMessages(Transcript& transcript) : transcript_(transcript) {}

    ui::Answer show(const ui::Message& message) override;
    void showErrorForm(ui::ErrorForm& form, const ui::ErrorReport& report) override;

    // Everything shown so far, in order.
    const std::vector<ui::ShownMessage>& shown() const { return shown_; }

    // The question waiting for its answer, if any.
    const ui::Message* question() const;
    void answer(ui::Answer answer);

    // From now on every question is answered at once: No when it offers Cancel (leave without
    // saving), Yes otherwise (yes, leave). The waiting one, if any, is answered the same way.
    void answerEverythingToClose();

private:
    struct Waiting {
        ui::Message message;
        QEventLoop loop;
        ui::Answer answer = ui::Answer::No;
        bool answered = false;
    };

    static ui::Answer closingAnswer(const ui::Message& question);
    void settle(Waiting& waiting, ui::Answer answer);

    Transcript& transcript_;
    std::vector<ui::ShownMessage> shown_;
    std::vector<std::unique_ptr<Waiting>> waiting_;  // questions asked from inside others' waits last
    bool closing_ = false;
};

// "message 1 (warning): "The client is on credit hold."" — how the transcript shows a message.
QString DescribeMessage(const ui::Message& message);
QString DescribeErrorForm(const ui::ErrorReport& report);
QString AnswerName(ui::Answer answer);

}  // namespace orvant::screendriver
