#pragma once
// Test support: a form's message boxes with the user's answers scripted. Header-only.

#include <deque>
#include <vector>

#include "ui/message_service.h"

namespace orvant::testing {

class ScriptedAnswers {
public:
    explicit ScriptedAnswers(ui::Answer otherwise = ui::Answer::Ok) : otherwise_(otherwise) {}

    std::vector<int> messages;     // every message shown, by number
    std::deque<ui::Answer> answers;  // the user's answers, in turn

    // Keeps the message shown and gives the next answer scripted; `otherwise` once none is left.
    ui::Answer answer(int number)
    {
        messages.push_back(number);
        if (answers.empty()) return otherwise_;
        const ui::Answer next = answers.front();
        answers.pop_front();
        return next;
    }
    int lastMessage() const { return messages.empty() ? -1 : messages.back(); }

private:
    ui::Answer otherwise_;
};

}  // namespace orvant::testing
