#pragma once
// What a screendriver call asks for, read from its arguments without touching anything.

#include <QString>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace orvant::screendriver {

struct Options {
    QString dataRoot;
    QString user = QStringLiteral("ADMIN");  // the user's code
    QString password;                         // or the password typed at login
    std::optional<int> company;               // default: the user's company
    std::optional<int> language;              // default: the user's language
    bool launcher = false;                    // play the script in the real launcher program
    QString program;                          // the launcher program; empty: the build tree's
    QString modulesDir;    // empty: $ORVANT_MODULES, else the build tree's modules
    QString languagesDir;  // empty: $ORVANT_LANGUAGES, else the source tree's language tables
    std::chrono::milliseconds timeout{5000};  // how long a step waits for what it needs
    QString module;  // empty in the launcher
    QString scriptFile;
};

struct ParsedArguments {
    std::optional<Options> options;
    bool help = false;
    std::string error;  // why the arguments were refused, when there are no options and no help
};

ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace orvant::screendriver
