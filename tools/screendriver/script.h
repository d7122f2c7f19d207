#pragma once
// A scenario for the screen driver: the steps a user takes on a screen and what the screen must
// show in answer, one step per line (README.md describes the language). Reading a script needs
// no screen, so a mistyped script is refused before the module is loaded.

#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "key_names.h"

namespace orvant::screendriver {

// A text to compare with: the whole text, or (written ~"text") a fragment of it.
struct TextMatch {
    QString text;
    bool fragment = false;

    bool matches(const QString& seen) const { return fragment ? seen.contains(text) : seen == text; }
    bool operator==(const TextMatch&) const = default;
};

enum class Reply { Yes, No, Cancel, Ok };

namespace step {
// Controls are named by their object name, inside the form of the last Form step.
struct Form { QString name; bool operator==(const Form&) const = default; };
struct Type { QString control, text; bool operator==(const Type&) const = default; };
struct Key { QString control; KeyChord chord; bool operator==(const Key&) const = default; };  // no control: the focused one
struct Click { QString control; bool operator==(const Click&) const = default; };
struct Check { QString control; bool on; bool operator==(const Check&) const = default; };
struct Choose { QString control, item; bool operator==(const Choose&) const = default; };
struct Cell { QString control; int row, column; QString text; bool operator==(const Cell&) const = default; };
struct Answer { Reply reply; bool operator==(const Answer&) const = default; };
struct Pick { QString code; bool operator==(const Pick&) const = default; };
// The current form's picture, saved as a PNG file.
struct Snapshot { QString file; bool operator==(const Snapshot&) const = default; };
// An entry of the launcher's menus, by its option code or its caption (without the "&").
struct Menu { QString entry; bool operator==(const Menu&) const = default; };
struct ExpectMessage { int number; bool operator==(const ExpectMessage&) const = default; };
struct ExpectErrorForm { std::optional<QString> category, code; bool operator==(const ExpectErrorForm&) const = default; };
struct ExpectCaption { TextMatch caption; bool operator==(const ExpectCaption&) const = default; };
struct ExpectText { QString control; TextMatch text; bool operator==(const ExpectText&) const = default; };
struct ExpectFocus { QString control; bool operator==(const ExpectFocus&) const = default; };
struct ExpectEnabled { QString control; bool enabled; bool operator==(const ExpectEnabled&) const = default; };
struct ExpectClosed { bool operator==(const ExpectClosed&) const = default; };
}  // namespace step

using StepAction = std::variant<step::Form, step::Type, step::Key, step::Click, step::Check, step::Choose, step::Cell,
                                step::Answer, step::Pick, step::Menu, step::Snapshot, step::ExpectMessage, step::ExpectErrorForm, step::ExpectCaption,
                                step::ExpectText, step::ExpectFocus, step::ExpectEnabled, step::ExpectClosed>;

struct Step {
    int line = 0;
    QString text;  // the step as written, without its comment
    StepAction action;
};

struct ScriptError {
    int line = 0;
    QString message;
};

struct ParsedScript {
    std::vector<Step> steps;
    std::optional<ScriptError> error;  // the first line that cannot be read; no steps then
};

ParsedScript ParseScript(const QString& text);

}  // namespace orvant::screendriver
