#include "scripted_messages.h"

#include "script_tokens.h"
#include "transcript.h"

namespace orvant::screendriver {

ui::Answer ScriptedMessages::show(const ui::Message& message)
{
    shown_.push_back({message, {}, false});
    transcript_.event(DescribeMessage(message));
    if (message.kind != ui::MessageKind::Question) return ui::Answer::Ok;
    if (closing_) {
        const ui::Answer answer = closingAnswer(message);
        transcript_.event(QStringLiteral("answered ") + AnswerName(answer));
        return answer;
    }
    waiting_.push_back(std::make_unique<Waiting>());
    Waiting& waiting = *waiting_.back();
    waiting.message = message;
    waiting.loop.exec();
    const ui::Answer answer = waiting.answer;
    waiting_.pop_back();
    return answer;
}

void ScriptedMessages::showErrorForm(ui::ErrorForm&, const ui::ErrorReport& report)
{
    shown_.push_back({{ui::MessageKind::Error, report.message, -1, nullptr, false}, report, true});
    transcript_.event(DescribeErrorForm(report));
}

const ui::Message* ScriptedMessages::question() const
{
    for (auto it = waiting_.rbegin(); it != waiting_.rend(); ++it)
        if (!(*it)->answered) return &(*it)->message;
    return nullptr;
}

void ScriptedMessages::answer(ui::Answer answer)
{
    for (auto it = waiting_.rbegin(); it != waiting_.rend(); ++it)
        if (!(*it)->answered) return settle(**it, answer);
}

void ScriptedMessages::answerEverythingToClose()
{
    closing_ = true;
    for (const auto& waiting : waiting_)
        if (!waiting->answered) settle(*waiting, closingAnswer(waiting->message));
}

ui::Answer ScriptedMessages::closingAnswer(const ui::Message& question)
{
    return question.withCancel ? ui::Answer::No : ui::Answer::Yes;
}

// The question's own wait ends once control is back in its loop.
void ScriptedMessages::settle(Waiting& waiting, ui::Answer answer)
{
    waiting.answer = answer;
    waiting.answered = true;
    waiting.loop.quit();
    transcript_.event(QStringLiteral("answered ") + AnswerName(answer));
}

namespace {

QString kindName(ui::MessageKind kind)
{
    switch (kind) {
    case ui::MessageKind::Information: return QStringLiteral("information");
    case ui::MessageKind::Warning: return QStringLiteral("warning");
    case ui::MessageKind::Error: return QStringLiteral("error");
    case ui::MessageKind::Plain: return QStringLiteral("plain");
    case ui::MessageKind::Question: break;
    }
    return QStringLiteral("question");
}

}  // namespace

QString DescribeMessage(const ui::Message& message)
{
    const bool question = message.kind == ui::MessageKind::Question;
    QString what = question ? QStringLiteral("question") : QStringLiteral("message");
    if (message.number >= 0) what += u' ' + QString::number(message.number);
    if (!question) what += QStringLiteral(" (%1)").arg(kindName(message.kind));
    else if (message.withCancel) what += QStringLiteral(" (Yes/No/Cancel)");
    return what + QStringLiteral(": ") + Quoted(message.text);
}

QString DescribeErrorForm(const ui::ErrorReport& report)
{
    return QStringLiteral("error form: category %1, code %2, message %3")
        .arg(Quoted(report.category), Quoted(report.code), Quoted(report.message));
}

QString AnswerName(ui::Answer answer)
{
    switch (answer) {
    case ui::Answer::Ok: return QStringLiteral("Ok");
    case ui::Answer::Yes: return QStringLiteral("Yes");
    case ui::Answer::No: return QStringLiteral("No");
    case ui::Answer::Cancel: break;
    }
    return QStringLiteral("Cancel");
}

}  // namespace orvant::screendriver
