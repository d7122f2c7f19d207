#pragma once
// Test support for screens and modules: a throwaway installation (registry, data root, demo
// company) on the embedded store, a session on it, and a way to act on a window from inside
// the modal loop that shows it. Header-only, so that tests linking the shared foundation use
// the foundation's own store and message service.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>

#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "company/company_creation.h"
#include "company/users.h"
#include "session/module_frame.h"
#include "session/session.h"
#include "session/user_session.h"
#include "settings/registry.h"

namespace orvant::testing {

class ModuleTestHome {
public:
    // The registry and the language tables are found through the environment, as a module
    // finds them.
    explicit ModuleTestHome(const char* languagesDir)
    {
        registryFile_ = dir_.filePath("registry.ini").toStdString();
        setenv("ORVANT_REGISTRY", registryFile_.c_str(), 1);
        setenv("ORVANT_LANGUAGES", languagesDir, 1);
        registry().setValue(kSettingsSection, u"DateFmt", "YYYY-MM-DD");
        installation_ = {dir_.filePath("Orvant/data").toStdString(), {}};
        company::SetupDataRoot(installation_);
        company::MakeDemoCompany(installation_, 1);
    }
    ~ModuleTestHome()
    {
        unsetenv("ORVANT_REGISTRY");
        unsetenv("ORVANT_LANGUAGES");
    }

    Registry registry() const { return Registry(QString::fromStdString(registryFile_)); }
    const company::Installation& installation() const { return installation_; }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // The session the launcher gives the demo's first user, switched to `language`.
    Session session(int language = 1, int sessionNo = 1) const
    {
        const auto root = company::OpenDataRoot(installation_);
        Session s = SessionForUser(registry(), *root, *company::FindUserByCode(*root, "ADMIN"), sessionNo);
        s.language = language;
        s.langCode = language == 2 ? "fr" : "en";
        s.dataRoot = installation_.dataRoot;
        s.programDir = dir_.filePath("Orvant/bin").toStdString();
        return s;
    }

private:
    QTemporaryDir dir_;
    std::string registryFile_;
    company::Installation installation_;
};

// Acts once on the top-level window named `name` when it is shown, a module's main form has
// run its first activation, and `ready` holds, from inside whatever modal loop shows it.
class WhenShown : public QObject {
public:
    WhenShown(QString name, std::function<void(QWidget&)> act, std::function<bool()> ready = {})
        : name_(std::move(name)), act_(std::move(act)), ready_(std::move(ready))
    {
        connect(&poll_, &QTimer::timeout, this, [this] { check(); });
        poll_.start(5);
    }
    bool acted() const { return acted_; }

private:
    void check()
    {
        if (acted_ || (ready_ && !ready_())) return;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != name_ || !w->isVisible()) continue;
            const QVariant started = w->property(kFirstActivationDone);
            if (started.isValid() && !started.toBool()) continue;
            acted_ = true;
            act_(*w);
            return;
        }
    }

    QString name_;
    std::function<void(QWidget&)> act_;
    std::function<bool()> ready_;
    bool acted_ = false;
    QTimer poll_;
};

}  // namespace orvant::testing
