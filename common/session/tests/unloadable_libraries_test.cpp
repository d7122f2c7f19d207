// Every library the launcher loads and unloads must be unloadable: glibc keeps a library
// mapped for good once it holds a GNU-unique symbol, and then every run reuses its stale state.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace orvant {
namespace {

TEST(UnloadableLibraries, no_module_or_suite_library_holds_a_gnu_unique_symbol)
{
    if (QStandardPaths::findExecutable("readelf").isEmpty()) GTEST_SKIP() << "readelf is not installed";
    const QDir modules(QStringLiteral(ORVANT_TEST_MODULES));
    const QStringList libraries = modules.entryList({QStringLiteral("*.so")}, QDir::Files);
    ASSERT_FALSE(libraries.isEmpty());
    for (const QString& library : libraries) {
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-Ws"), QStringLiteral("--dyn-syms"), modules.filePath(library)});
        ASSERT_TRUE(readelf.waitForFinished());
        const QString symbols = QString::fromLocal8Bit(readelf.readAllStandardOutput());
        EXPECT_FALSE(symbols.contains(QLatin1String(" UNIQUE "))) << library.toStdString() << " cannot be unloaded";
    }
}

}  // namespace
}  // namespace orvant
