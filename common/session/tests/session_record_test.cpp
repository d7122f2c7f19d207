// The session record as the launcher hands it over, and the module's own copy of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <QLabel>
#include <QStatusBar>

#include "session/help.h"
#include "session/module_frame.h"
#include "session/session.h"
#include "settings/paths.h"

namespace orvant {
namespace {

TEST(SessionRecord, a_copy_owns_its_strings_and_reads_empty_slots_as_empty)
{
    std::string company = "12";
    TLinkSection link{};
    link.UserId = "Marie";
    link.CompanyCode = company.c_str();
    link.Language = 2;
    std::memcpy(link.LangCode, "fr", 3);
    link.SessionNo = 7;
    link.UserRights = 3;
    link.DataRoot = "/srv/Orvant/data";

    const Session copy = Session::fromLink(link);
    company = "99";
    EXPECT_EQ(copy.companyCode, "12") << "the copy does not point into the caller's memory";
    EXPECT_EQ(copy.userName, "") << "a null slot is the empty string";
    EXPECT_EQ(copy.langCode, "fr");
    EXPECT_EQ(copy.sessionNo, 7);
    EXPECT_EQ(copy.companyDir(), "/srv/Orvant/data12");

    const TLinkSection back = LinkFor(copy);
    EXPECT_STREQ(back.UserId, "Marie");
    EXPECT_STREQ(back.LangCode, "fr");
    EXPECT_STREQ(back.Spare1, "");
    EXPECT_EQ(back.UserRights, 3);
}

TEST(SessionRecord, a_language_code_that_could_not_name_a_file_gives_way_to_the_language)
{
    TLinkSection link{};
    for (const char* bad : {"", "e", "../", "e1", "fr\x01"}) {
        std::memset(link.LangCode, 0, sizeof link.LangCode);
        std::memcpy(link.LangCode, bad, std::min<std::size_t>(std::strlen(bad), 4));
        link.Language = 2;
        EXPECT_EQ(Session::fromLink(link).langCode, "fr") << bad;
        link.Language = 1;
        EXPECT_EQ(Session::fromLink(link).langCode, "en") << bad;
    }
    std::memcpy(link.LangCode, "es", 3);
    EXPECT_EQ(Session::fromLink(link).langCode, "es");
}

TEST(StatusBar, only_a_bar_of_three_panels_gets_the_company_the_user_and_the_version)
{
    Session s;
    s.companyCode = "1";
    s.companyName = "Demo";
    s.userName = "Marie";
    for (int panels : {2, 3, 4}) {
        QStatusBar bar;
        for (int i = 0; i < panels; ++i) bar.addPermanentWidget(new QLabel(QStringLiteral("P%1 ").arg(i), &bar));
        SetStatusBar(bar, s, "1.2.3.4");
        const QList<QLabel*> labels = bar.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        if (panels == 3) {
            EXPECT_EQ(labels[0]->text(), "P0 1 - Demo");
            EXPECT_EQ(labels[1]->text(), "P1 Marie");
            EXPECT_EQ(labels[2]->text(), "P2 1.2.3.4");
        } else {
            for (int i = 0; i < panels; ++i) EXPECT_EQ(labels[i]->text(), QStringLiteral("P%1 ").arg(i)) << panels << " panels";
        }
    }
}

TEST(Help, the_help_file_of_the_language_opens_at_the_screens_context)
{
    const QString english = HelpFile("/opt/Orvant/bin", 1, "en");
    const QString french = HelpFile("/opt/Orvant/bin", 2, "fr");
    EXPECT_EQ(french, "/opt/Orvant/bin/Helpfr");
    EXPECT_EQ(HelpUrl(english, 3110).toString(), "file:///opt/Orvant/help/Help.html#context-3110");
    EXPECT_EQ(HelpUrl(french, 0).toString(), "file:///opt/Orvant/help/Helpfr.html");
    EXPECT_FALSE(OpenHelp("/nonexistent/Orvant/bin/Help", 1)) << "a missing page is reported, not opened";
}

}  // namespace
}  // namespace orvant
