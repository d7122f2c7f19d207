#pragma once
// What the logic of every entry screen holds whatever its document, without widgets: the
// session, the screen's message texts, today's date (as the tests set it), the posting period
// and its caption, and the date proposed for the next document.

#include <functional>
#include <string>

#include "dates/date.h"
#include "session/session.h"

namespace orvant::ui {

class ScreenLogic {
public:
    using MessageText = std::function<std::string(int number)>;
    using Today = std::function<Date()>;

    virtual ~ScreenLogic() = default;

    int postingPeriod() const { return postingPeriod_; }
    Date lastDate() const { return lastDate_; }
    // The caption after a change of period; empty until the period is changed.
    const std::string& periodCaption() const { return periodCaption_; }

protected:
    ScreenLogic(Session& session, MessageText messageText, Today today)
        : session_(session), messageText_(std::move(messageText)), today_(std::move(today))
    {
    }

    std::string text(int number) const { return messageText_(number); }

    Session& session_;
    MessageText messageText_;
    Today today_;
    int postingPeriod_ = 0;
    Date lastDate_;
    std::string periodCaption_;
};

}  // namespace orvant::ui
