#include <gtest/gtest.h>

#include <QDir>

#include "settings/paths.h"
#include "settings/tests/test_support.h"

namespace orvant {
namespace {

using testing::ScopedEnv;
using testing::TempRegistry;

TEST(Paths, CompanyDirectoryHasNoSeparator)
{
    EXPECT_EQ(CompanyDir("/x/Orvant/data", "12"), "/x/Orvant/data12");
    EXPECT_EQ(CompanyDir("/x/Orvant/data/", "12"), "/x/Orvant/data12");
    EXPECT_EQ(CompanyDir("/x/Orvant/data", "1"), "/x/Orvant/data1");
}

TEST(Paths, DrivesFromTheProductSection)
{
    TempRegistry file;
    file.writeFile("[orvant]\nPGMDRIVE=/opt/\ndatadrive=/srv\n");
    const Registry registry = file.open();
    EXPECT_EQ(ProgramDir(registry), "/opt/Orvant/bin");
    EXPECT_EQ(DataRoot(registry), "/srv/Orvant/data");
}

TEST(Paths, DriveAtTheRootGivesNoDoubleSlash)
{
    TempRegistry file;
    file.writeFile("[Orvant]\npgmdrive=/\n");
    EXPECT_EQ(ProgramDir(file.open()), "/Orvant/bin");
}

TEST(Paths, ProgramsDefaultToTheInstallPrefix)
{
    TempRegistry file;
    file.writeFile("[Orvant]\npgmdrive=\n");  // empty counts as missing
    const QString programDir = ProgramDir(file.open());
    EXPECT_TRUE(QDir::isAbsolutePath(programDir)) << programDir.toStdString();
    EXPECT_TRUE(programDir.endsWith("/Orvant/bin")) << programDir.toStdString();
    EXPECT_FALSE(programDir.startsWith("/Orvant")) << programDir.toStdString();
}

TEST(Paths, DataDefaultsToTheUserDataFolder)
{
    TempRegistry file;
    const Registry registry = file.open();
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/var/xdg");
        EXPECT_EQ(DataRoot(registry), "/var/xdg/Orvant/data");
    }
    ScopedEnv home("HOME", "/home/clerk");
    for (std::optional<std::string> xdg : {std::optional<std::string>(), std::optional<std::string>(""),
                                           std::optional<std::string>("relative/share")}) {
        ScopedEnv setting("XDG_DATA_HOME", xdg);
        EXPECT_EQ(DataRoot(registry), "/home/clerk/.local/share/Orvant/data") << xdg.value_or("(unset)");
    }
}

TEST(Paths, LanguagesAndModulesBesideTheProgramsUnlessOverridden)
{
    TempRegistry file;
    file.writeFile("[Orvant]\npgmdrive=/opt\n");
    const Registry registry = file.open();
    {
        ScopedEnv languages("ORVANT_LANGUAGES", std::nullopt);
        ScopedEnv modules("ORVANT_MODULES", "");
        EXPECT_EQ(LanguagesDir(registry), "/opt/Orvant/languages");
        EXPECT_EQ(ModulesDir(registry), "/opt/Orvant/bin");
    }
    ScopedEnv languages("ORVANT_LANGUAGES", "/build/languages/");
    ScopedEnv modules("ORVANT_MODULES", "/build/bin");
    EXPECT_EQ(LanguagesDir(registry), "/build/languages");
    EXPECT_EQ(ModulesDir(registry), "/build/bin");
}

TEST(Paths, HelpFileCarriesTheLanguageCodeOutsideEnglish)
{
    EXPECT_EQ(HelpFile("/opt/Orvant/bin", 1, "en"), "/opt/Orvant/bin/Help");
    EXPECT_EQ(HelpFile("/opt/Orvant/bin", 2, "fr"), "/opt/Orvant/bin/Helpfr");
    EXPECT_EQ(HelpFile("/opt/Orvant/bin/", 3, "es"), "/opt/Orvant/bin/Helpes");
}

}  // namespace
}  // namespace orvant
