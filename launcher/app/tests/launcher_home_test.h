#pragma once
// The real launcher window's tests, on the offscreen platform: a home whose languages folder holds
// the launcher's tables, a registry naming the home and the build with no welcome shown, and
// every message recorded.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdlib>
#include <functional>
#include <utility>

#include "main_window.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant::launcher {

class LauncherHomeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(home_.path("languages")));
        for (const char* table : {"MainMenuen", "MainMenufr"}) copyTable(QStringLiteral(ORVANT_SOURCE "/languages/"), table);
        setenv("ORVANT_LANGUAGES", home_.path("languages").toLocal8Bit().constData(), 1);
        for (const auto& [name, value] : {std::pair{u"datadrive", home_.path("")}, {u"pgmdrive", QStringLiteral(ORVANT_BUILD)},
                                          {u"ShowWelcome", QStringLiteral("N")}})
            home_.registry().setValue(kProductSection, name, value);
    }
    void TearDown() override { unsetenv("ORVANT_MODULES"); }

    // The frame's test module standing in for the client maintenance, its tables beside the launcher's.
    void addTestModule()
    {
        ASSERT_TRUE(QDir().mkpath(home_.path("modules")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANT_TEST_MODULES "/frametest.so"), home_.path("modules/rcvclients.so")));
        for (const char* table : {"frametesten", "frametestfr"}) copyTable(QStringLiteral(ORVANT_SOURCE "/common/session/tests/languages/"), table);
        setenv("ORVANT_MODULES", home_.path("modules").toLocal8Bit().constData(), 1);
    }

    void copyTable(const QString& from, const char* table)
    {
        ASSERT_TRUE(QFile::copy(from + table + ".lang", home_.path("languages/") + table + ".lang"));
    }

    // Lets the window work until `done`, ten seconds at the most; whether it came.
    static bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

    // Shows the window and lets it log in; whether it did.
    static bool shownAndLoggedIn(MainWindow& window)
    {
        window.show();
        return waitFor([&] { return window.loggedIn(); });
    }

    testing::ModuleTestHome home_{ORVANT_SOURCE "/languages"};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

}  // namespace orvant::launcher
