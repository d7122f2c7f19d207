#include <gtest/gtest.h>

#include <QFileInfo>

#include "settings/tests/test_support.h"

namespace orvant {
namespace {

using testing::ScopedEnv;
using testing::TempRegistry;

TEST(Registry, NamesCompareWithoutCase)
{
    TempRegistry file;
    Registry registry = file.open();
    registry.setValue(kSettingsSection, u"Intl", QStringLiteral("1"));
    EXPECT_EQ(registry.value(u"settings", u"intl"), "1");
    EXPECT_EQ(registry.value(u"SETTINGS", u"INTL"), "1");
    EXPECT_TRUE(registry.contains(u"sEtTiNgS", u"iNtL"));
    EXPECT_FALSE(registry.contains(u"Orvant", u"Intl"));
}

TEST(Registry, WriteKeepsTheSpellingAlreadyInTheFile)
{
    TempRegistry file;
    file.writeFile("[Settings]\nIntl=1\n");
    Registry registry = file.open();
    registry.setValue(u"SETTINGS", u"INTL", QStringLiteral("2"));
    registry.setValue(u"settings", u"DateFmt", QStringLiteral("YYYY-MM-DD"));

    const QByteArray text = file.fileText();
    EXPECT_TRUE(text.contains("Intl=2")) << text.toStdString();
    EXPECT_FALSE(text.contains("INTL")) << text.toStdString();
    EXPECT_FALSE(text.contains("[settings]")) << text.toStdString();
    EXPECT_FALSE(text.contains("[SETTINGS]")) << text.toStdString();
    EXPECT_EQ(Registry(file.path()).value(kSettingsSection, u"datefmt"), "YYYY-MM-DD");
}

TEST(Registry, MissingValuesGiveTheDefault)
{
    TempRegistry file;
    file.writeFile("[Orvant]\nlanguage=2\n");
    const Registry registry = file.open();
    EXPECT_EQ(registry.value(kProductSection, u"customer", QStringLiteral("none")), "none");
    EXPECT_EQ(registry.value(u"Nowhere", u"language", QStringLiteral("1")), "1");
    EXPECT_EQ(registry.value(kProductSection, u"customer"), "");
    EXPECT_EQ(registry.value(kProductSection, u"Language", QStringLiteral("1")), "2");
}

TEST(Registry, AnEmptyValueIsPresentAndEmpty)
{
    TempRegistry file;
    file.writeFile("[Settings]\nCurrSmbl=\n");
    EXPECT_TRUE(file.open().contains(kSettingsSection, u"CurrSmbl"));
    EXPECT_EQ(file.open().value(kSettingsSection, u"CurrSmbl", QStringLiteral("$")), "");
}

TEST(Registry, ValuesWithCommasSurvive)
{
    TempRegistry file;
    file.writeFile("[Orvant]\ncustomer=Acme, Inc.\n");
    Registry registry = file.open();
    EXPECT_EQ(registry.value(kProductSection, u"customer"), "Acme, Inc.");
    registry.setValue(kProductSection, u"store", QStringLiteral("host=/tmp, dbname=books"));
    EXPECT_EQ(Registry(file.path()).value(kProductSection, u"store"), "host=/tmp, dbname=books");
}

TEST(Registry, AWriteIsSeenAtOnceByAnotherReader)
{
    TempRegistry file;
    Registry writer = file.open();
    writer.setValue(kProductSection, u"datadrive", QStringLiteral("/srv"));
    EXPECT_EQ(Registry(file.path()).value(kProductSection, u"DataDrive"), "/srv");
    EXPECT_TRUE(QFileInfo::exists(file.path()));
}

TEST(Registry, AWriteThatCannotBeSavedIsReported)
{
    TempRegistry file;
    file.writeFile("[Settings]\n");
    Registry registry(file.path() + "/registry.ini");  // inside a file, not a folder
    EXPECT_FALSE(registry.setValue(kSettingsSection, u"Intl", QStringLiteral("1")));
    EXPECT_TRUE(file.open().setValue(kSettingsSection, u"Intl", QStringLiteral("1")));
}

TEST(Registry, OpenUsesTheOverrideElseTheKarbeloFileInTheHomeConfig)
{
    TempRegistry file;
    {
        ScopedEnv registryFile("ORVANT_REGISTRY", file.path().toStdString());
        EXPECT_EQ(Registry::open().path(), file.path());
    }
    ScopedEnv noOverride("ORVANT_REGISTRY", std::nullopt);
    ScopedEnv home("HOME", file.dir().toStdString());
    EXPECT_EQ(Registry::defaultPath(), file.dir() + "/.config/Karbelo/registry.ini");
    Registry::open().setValue(kSettingsSection, u"Intl", QStringLiteral("1"));  // creates the folders
    EXPECT_TRUE(QFileInfo::exists(file.dir() + "/.config/Karbelo/registry.ini"));
}

}  // namespace
}  // namespace orvant
