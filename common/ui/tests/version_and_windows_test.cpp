// A library's version read back from its file, and the quick-link window test.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "ui/version.h"
#include "ui/window_list.h"

namespace orvant::ui {
namespace {

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

TEST(VersionString, reads_the_mark_compiled_into_a_file)
{
    QTemporaryDir dir;
    const QString marked = writeFile(dir, "lib.so", QByteArray("\x7f" "ELF junk\0", 9) + "OrvantFileVersion=2.7.1.40" + QByteArray("\0more", 5));
    EXPECT_EQ(VersionString(marked, 2), "2.7");
    EXPECT_EQ(VersionString(marked, 4), "2.7.1.40");
    EXPECT_EQ(VersionString(marked, 0), "2.7.1.40");
    EXPECT_EQ(VersionString(marked, 9), "2.7.1.40");
    EXPECT_EQ(VersionString(writeFile(dir, "plain.so", "no version here"), 4), "");
    EXPECT_EQ(VersionString(dir.filePath("missing.so"), 4), "");
}

TEST(QuickLinkOpen, only_a_visible_quick_link_window_counts)
{
    EXPECT_FALSE(QuickLinkOpen());
    QWidget link;
    link.setWindowTitle("Lien Rapide");
    EXPECT_FALSE(QuickLinkOpen()) << "not shown yet";
    link.show();
    EXPECT_TRUE(QuickLinkOpen());
    link.setWindowTitle("Quick Link - old");
    EXPECT_FALSE(QuickLinkOpen());

    TWindowList windows;
    bool found = false;
    for (int i = 0; i < windows.Count(); ++i) found = found || windows.Item(i).title == "Quick Link - old";
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace orvant::ui
