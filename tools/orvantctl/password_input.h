#pragma once
// A password typed on the standard input: asked for without echo when a person types it at a
// terminal, read as one line whatever its line end ("\n" or "\r\n").

#include <istream>
#include <optional>
#include <string>

namespace orvant::ctl {

// One line of `in`, without its line end; nothing at the end of the input.
std::optional<std::string> ReadPasswordLine(std::istream& in);

// The password from the standard input: at a terminal, "Password: " is asked on the standard
// error and what is typed is not shown.
std::optional<std::string> ReadPassword();

}  // namespace orvant::ctl
