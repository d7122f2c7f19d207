#pragma once
// A message service that shows nothing: it records each message and error form, and answers
// questions from a list given in advance (No when the list runs out). Tests and the screen
// driver put it in place of the message boxes.

#include <deque>
#include <vector>

#include "ui/message_service.h"

namespace orvant::ui {

struct ShownMessage {
    Message message;
    ErrorReport error;  // for an error form
    bool errorForm = false;
};

class RecordingMessages : public MessageService {
public:
    Answer show(const Message& message) override;
    void showErrorForm(ErrorForm& form, const ErrorReport& report) override;

    void answerNext(Answer answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& shown() const { return shown_; }
    int errorForms() const;
    void clear() { shown_.clear(); }

private:
    std::deque<Answer> answers_;
    std::vector<ShownMessage> shown_;
};

}  // namespace orvant::ui
