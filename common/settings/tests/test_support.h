#pragma once
// A throwaway registry file and environment variables set for the length of one test.

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>
#include <string>

#include "settings/registry.h"

namespace orvant::testing {

class TempRegistry {
public:
    QString dir() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("registry.ini")); }
    Registry open() const { return Registry(path()); }

    // Writes the INI text as a person would, bypassing the registry class.
    void writeFile(const QByteArray& ini) const
    {
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(ini);
    }
    QByteArray fileText() const
    {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir dir_;
};

class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace orvant::testing
