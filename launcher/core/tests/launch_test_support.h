#pragma once
// What the launch tests share: a throwaway installation with its demo company, a window that
// records what it is asked to do, and a module directory where test modules are copied under
// the codes of real options ("rcvsales.so" made from the probe module).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/launch_host.h"
#include "core/option_launcher.h"
#include "testing/module_test_home.h"
#include "qstring_printing.h"
#include "ui/recording_messages.h"

namespace orvant::launcher::testing {

class RecordingHost : public LaunchHost {
public:
    RecordingHost(Session session, const std::string& companyDir)
        : session_(std::move(session)), company_("company", companyDir, {})
    {
    }

    Session& session() override { return session_; }
    store::Database& companyDatabase() override { return company_; }
    QString selectedTrackerDatabase() const override { return trackerDatabase; }
    QStringList runnableCodes() const override { return dllList; }
    QString errorMessage(int number) const override { return QStringLiteral("Error_Messages %1").arg(number); }

    void refreshCompanies() override { events << "companies"; }
    void rebuildCompanyMenu() override { events << "company menu"; }
    void rebuildTrackerMenu() override { events << "tracker menu"; }
    void reapplyInternationalSettings() override { events << "intl"; }
    void reloadToolsMenu() override { events << "tools menu"; }
    void refreshWindow() override { events << "window"; }
    void refreshTitle(WindowTitle title) override
    {
        events << (title == WindowTitle::Welcome ? "title" : "tools title");
    }

    QString trackerDatabase;
    QStringList dllList;
    QStringList events;

private:
    Session session_;
    store::Database company_;
};

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qApp->setProperty("launchprobe.calls", QStringList());
        qApp->setProperty("launchprobe.refuse", false);
    }

    // Copies the test module `module` into the module directory as the library of `code`.
    void install(const char* module, const QString& code)
    {
        const QString from = QStringLiteral(ORVANT_TEST_MODULES "/") + module + ".so";
        ASSERT_TRUE(QFile::copy(from, modulesDir_ + '/' + code + ".so")) << module << " as " << code.toStdString();
    }
    void installProbe(std::initializer_list<const char*> codes)
    {
        for (const char* code : codes) install("launchprobe", code);
    }

    // What the probe module was given, one line per run: "glrepprint ledger=ap session=1".
    static QStringList probeCalls() { return qApp->property("launchprobe.calls").toStringList(); }

    // The texts shown, in order.
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const ui::ShownMessage& shown : messages_.shown()) texts << shown.message.text;
        return texts;
    }

    static QString makeModulesDir(const QTemporaryDir& scratch)
    {
        QDir(scratch.path()).mkdir("modules");
        return scratch.filePath("modules");
    }

    orvant::testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    QTemporaryDir scratch_;
    const QString modulesDir_ = makeModulesDir(scratch_);
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
    RecordingHost host_{home_.session(), home_.installation().companyDir(1)};
    OptionLauncher launcher_{host_, {modulesDir_, false}};
};

}  // namespace orvant::launcher::testing
