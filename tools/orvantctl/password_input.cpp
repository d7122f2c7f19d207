#include "password_input.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace orvant::ctl {

namespace {

// Echo off while it lives, on the terminal of the standard input.
class HiddenTyping {
public:
    HiddenTyping() : active_(tcgetattr(STDIN_FILENO, &saved_) == 0)
    {
        if (!active_) return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~HiddenTyping()
    {
        if (!active_) return;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
        std::cerr << "\n";  // the Enter typed was not shown either
    }
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;

private:
    termios saved_{};
    bool active_;
};

}  // namespace

std::optional<std::string> ReadPasswordLine(std::istream& in)
{
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::optional<std::string> ReadPassword()
{
    if (!isatty(STDIN_FILENO)) return ReadPasswordLine(std::cin);
    std::cerr << "Password: " << std::flush;
    const HiddenTyping hidden;
    return ReadPasswordLine(std::cin);
}

}  // namespace orvant::ctl
