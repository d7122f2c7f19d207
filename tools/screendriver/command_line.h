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
    int company = 1;
    QString user = QStringLiteral("ADMIN");
    int language = 1;
    QString modulesDir;    // empty: $ORVANT_MODULES, else the build tree's modules
    QString languagesDir;  // empty: $ORVANT_LANGUAGES, else the source tree's language tables
    std::chrono::milliseconds timeout{5000};  // how long a step waits for what it needs
    QString module;
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
