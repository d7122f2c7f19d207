#pragma once
// Test support: a screen-driver scenario played against a module's real form, on a throwaway
// installation with the demo company (embedded store, dates written YYYY-MM-DD). Header-only.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "settings/registry.h"
#include "store/query.h"

namespace orvant::testing {

class ScenarioPlayer {
public:
    // `driver` is the screen driver's program, `modules` and `languages` the folders it runs
    // the module from, `scenarios` the folder of the module's scripts.
    ScenarioPlayer(QString driver, QString modules, QString languages, QString scenarios)
        : driver_(std::move(driver)), modules_(std::move(modules)), languages_(std::move(languages)), scenarios_(std::move(scenarios))
    {
        Registry(home_.filePath("registry.ini")).setValue(kSettingsSection, u"DateFmt", "YYYY-MM-DD");
        company::SetupDataRoot(installation());
        company::MakeDemoCompany(installation(), 1);
    }

    // The installation's registry, which the driver and the launcher it starts read.
    Registry registry() const { return Registry(home_.filePath("registry.ini")); }

    company::Installation installation() const { return {home_.filePath("Orvant/data").toStdString(), {}}; }
    std::unique_ptr<store::Database> books() const { return company::OpenCompany(installation(), 1); }

    // Plays `scenario`.script on the module, in the session the launcher gives the demo's first
    // user (switched to `language`); the transcript is shown when it fails.
    void play(const char* module, const char* scenario, int language = 1) const
    {
        run({"--language", QString::number(language), module, script(scenario)}, scenario);
    }

    // Plays `scenario`.script in the real launcher program on this data root: it signs in,
    // opens options from the menus and works in the modules they open.
    void playInLauncher(const char* scenario) const { run({"--launcher", script(scenario)}, scenario); }

    // The first column of the first row of a query over the company's books.
    store::Value value(const std::string& sql) const
    {
        const auto books = this->books();
        store::Query query(*books, sql);
        query.open();
        return query.eof() ? store::Value() : query.value(0);
    }
    Money money(const std::string& sql) const
    {
        const auto books = this->books();
        store::Query query(*books, sql);
        query.open();
        return query.eof() ? Money() : query.field(0).asMoney();
    }
    void execute(const std::string& sql) const
    {
        const auto books = this->books();
        store::Query(*books, sql).execute();
    }

private:
    QString script(const char* scenario) const { return QStringLiteral("%1/%2.script").arg(scenarios_, scenario); }

    void run(const QStringList& arguments, const char* scenario) const
    {
        QProcess driver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ORVANT_REGISTRY", home_.filePath("registry.ini"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        driver.setProcessEnvironment(environment);
        driver.start(driver_, QStringList{"--data-root", home_.filePath("Orvant/data"), "--modules", modules_, "--languages", languages_} + arguments);
        ASSERT_TRUE(driver.waitForFinished(180000)) << "the driver hung on " << scenario;
        EXPECT_EQ(driver.exitCode(), 0) << driver.readAllStandardOutput().toStdString() << driver.readAllStandardError().toStdString();
    }

    QTemporaryDir home_;
    QString driver_, modules_, languages_, scenarios_;
};

}  // namespace orvant::testing

// The player of the test's module, from the paths its CMake target defines.
#define ORVANT_SCENARIO_PLAYER() \
    ::orvant::testing::ScenarioPlayer(SCREENDRIVER_PROGRAM, ORVANT_TEST_MODULES, ORVANT_TEST_LANGUAGES, SCENARIOS)
