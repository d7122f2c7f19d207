#pragma once
// What a run of the driver prints, as it happens: each step as the script wrote it, then,
// indented below it, what the screen did in answer (windows shown and closed, captions, focus
// moves, messages and the error form).
//
//   [5] click OtherButton
//       focus OtherButton
//       error form: category "xxxxx", code "xxxxx", message "Something unexpected"

#include <QString>
#include <ostream>

namespace orvant::screendriver {

struct Step;

class Transcript {
public:
    explicit Transcript(std::ostream& out) : out_(out) {}

    void step(const Step& step);
    // What the screen did.
    void event(const QString& text);
    // The run itself: its start, its end, a failure.
    void note(const QString& text);

private:
    void write(const QString& line);

    std::ostream& out_;
};

}  // namespace orvant::screendriver
