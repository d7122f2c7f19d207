#pragma once
// How printing or exporting a report ended. Screens decide what to tell the user from the status;
// the message only says what went wrong, with the file or printer concerned.

#include <QString>
#include <utility>

namespace orvant::report {

struct OutputResult {
    enum class Status { Done, Cancelled, Failed };

    Status status = Status::Done;
    QString message;

    static OutputResult done() { return {}; }
    static OutputResult cancelled() { return {Status::Cancelled, {}}; }
    static OutputResult failed(QString why) { return {Status::Failed, std::move(why)}; }

    bool ok() const { return status == Status::Done; }
};

}  // namespace orvant::report
