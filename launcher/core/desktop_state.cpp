#include "desktop_state.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvant::launcher {

namespace {

constexpr QPoint kFirstIcon{16, 16};
constexpr int kIconStep = 92;  // five icons of 89 pixels fit the window at its first size, 750 x 520
constexpr QRect kFirstPanel{140, 16, 420, 240};
constexpr int kPanelStep = 24;

QString text(const QJsonObject& object) { return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)); }

std::optional<QJsonObject> object(const QString& state)
{
    const QJsonDocument document = QJsonDocument::fromJson(state.toUtf8());
    if (!document.isObject()) return std::nullopt;
    return document.object();
}

bool hasAll(const QJsonObject& o, std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        if (!o.contains(QLatin1String(key))) return false;
    return true;
}

bool applyShortcut(DesktopState& desktop, const QJsonObject& o)
{
    if (!hasAll(o, {"name", "caption", "picture", "x", "y"}) || o["name"].toString().isEmpty()) return false;
    const QString name = o["name"].toString();
    for (const ShortcutState& icon : desktop.icons)
        if (icon.name.compare(name, Qt::CaseInsensitive) == 0) return false;  // one icon an option
    desktop.icons.append({name, o["caption"].toString(), o["picture"].toString(), {o["x"].toInt(), o["y"].toInt()}});
    return true;
}

bool applyPanel(DesktopState& desktop, int index, const QJsonObject& o)
{
    if (index < 0 || index >= kPanelCount || !hasAll(o, {"x", "y", "width", "height", "visible"})) return false;
    const QRect geometry(o["x"].toInt(), o["y"].toInt(), o["width"].toInt(), o["height"].toInt());
    if (geometry.width() <= 0 || geometry.height() <= 0) return false;
    desktop.panels[index] = {geometry, o["visible"].toBool()};
    return true;
}

bool applyGrid(DesktopState& desktop, int index, const QJsonObject& o)
{
    if (index < 0 || index >= kGridCount || !o["columns"].isArray()) return false;
    QList<int> widths;
    for (const QJsonValue& width : o["columns"].toArray()) {
        if (!width.isDouble() || width.toInt() < 0) return false;
        widths.append(width.toInt());
    }
    desktop.gridColumns[index] = widths;
    return true;
}

}  // namespace

DesktopState StandardDesktop(const QString& programDir, int language)
{
    DesktopState desktop;
    desktop.wallpaper = programDir + QStringLiteral("/Orvn32.jpg");
    QPoint at = kFirstIcon;
    for (const PanelDef& panel : Panels()) {
        desktop.icons.append({QLatin1String(panel.iconName), panel.iconCaption(language), QString(), at});
        at.ry() += kIconStep;
        const int step = static_cast<int>(panel.kind) * kPanelStep;
        desktop.panels[static_cast<int>(panel.kind)].geometry = kFirstPanel.translated(step, step);
    }
    return desktop;
}

QList<DesktopRow> EncodeDesktop(const DesktopState& desktop)
{
    QList<DesktopRow> rows;
    int position = 0;
    rows.append({ElementType::Wallpaper, position++, text({{"picture", desktop.wallpaper}})});
    for (const ShortcutState& icon : desktop.icons)
        rows.append({ElementType::Shortcut, position++,
                     text({{"name", icon.name}, {"caption", icon.caption}, {"picture", icon.picture}, {"x", icon.position.x()}, {"y", icon.position.y()}})});
    for (int i = 0; i < kPanelCount; ++i) {
        const PanelState& panel = desktop.panels[i];
        rows.append({ElementType::Panel, i,
                     text({{"x", panel.geometry.x()}, {"y", panel.geometry.y()}, {"width", panel.geometry.width()},
                           {"height", panel.geometry.height()}, {"visible", panel.visible}})});
    }
    for (int i = 0; i < kGridCount; ++i) {
        QJsonArray widths;
        for (int width : desktop.gridColumns[i]) widths.append(width);
        rows.append({ElementType::Grid, i, text({{"columns", widths}})});
    }
    rows.append({ElementType::RichText, static_cast<int>(PanelKind::ThingsToDo), text({{"html", desktop.thingsToDo}})});
    return rows;
}

bool ApplyRow(DesktopState& desktop, const DesktopRow& row)
{
    const std::optional<QJsonObject> o = object(row.state);
    if (!o) return false;
    switch (row.type) {
    case ElementType::Wallpaper:
        if (!(*o)["picture"].isString()) return false;
        desktop.wallpaper = (*o)["picture"].toString();
        return true;
    case ElementType::Shortcut: return applyShortcut(desktop, *o);
    case ElementType::Panel: return applyPanel(desktop, row.index, *o);
    case ElementType::Grid: return applyGrid(desktop, row.index, *o);
    case ElementType::RichText:
        if (!(*o)["html"].isString()) return false;
        desktop.thingsToDo = (*o)["html"].toString();
        return true;
    }
    return false;
}

}  // namespace orvant::launcher
