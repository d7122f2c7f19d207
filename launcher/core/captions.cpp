#include "core/captions.h"

#include <QLocale>

namespace orvant::launcher {

namespace {

struct InternationalRow {
    const char16_t* code;
    const char16_t* caption;
};

constexpr InternationalRow kInternational[] = {
    {u"vndcheqedit", u"Edit check entries"},
    {u"vndcheqrecur", u"Recurring check entries"},
    {u"vndcheqlist", u"List of checks to be issued"},
    {u"vndrecurlist", u"List of recurring checks"},
    {u"vndcheqprint", u"Print and update checks"},
    {u"syscheqform", u"Maintenance of check format"},
};

}  // namespace

bool InternationalWanted(const Registry& registry)
{
    return registry.value(kSettingsSection, u"intl", QStringLiteral("N")).trimmed().compare(u"Y", Qt::CaseInsensitive) == 0;
}

std::optional<QString> InternationalCaption(QStringView code)
{
    for (const InternationalRow& row : kInternational)
        if (code == QStringView(row.code)) return QString::fromUtf16(row.caption);
    return std::nullopt;
}

QString OptionCaption(const MenuOption& option, int language, bool international)
{
    if (international && language == 1)
        if (auto caption = InternationalCaption(option.code)) return *caption;
    return option.caption(language);
}

// The date is formatted on its own and joined to the caption, so that no character of a
// translated caption is ever read as part of a date pattern.
QString LauncherTitle(const QString& caption, int language, const QDate& date)
{
    const QString day = language == 2
        ? QLocale(QLocale::French, QLocale::Canada).toString(date, QStringLiteral("dddd, d MMMM yyyy ")).toLower()
        : QLocale(QLocale::English, QLocale::Canada).toString(date, QStringLiteral("dddd, MMMM d, yyyy "));
    return caption + QStringLiteral("  ") + day;
}

}  // namespace orvant::launcher
