#include "ui/recording_messages.h"

#include <algorithm>

namespace orvant::ui {

Answer RecordingMessages::show(const Message& message)
{
    shown_.push_back({message, {}, false});
    if (message.kind != MessageKind::Question) return Answer::Ok;
    if (answers_.empty()) return Answer::No;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingMessages::showErrorForm(ErrorForm&, const ErrorReport& report)
{
    shown_.push_back({{MessageKind::Error, report.message, -1, nullptr, false}, report, true});
}

int RecordingMessages::errorForms() const
{
    return static_cast<int>(std::count_if(shown_.begin(), shown_.end(), [](const ShownMessage& s) { return s.errorForm; }));
}

}  // namespace orvant::ui
