#include "desktop_store.h"

#include "store/table.h"

namespace orvant::launcher {

namespace {

void selectUser(store::Table& rows, const QString& user)
{
    rows.open();
    const store::Value key(user.toStdString());
    rows.setRange({key}, {key});
    rows.first();
}

}  // namespace

void SaveDesktop(store::Database& dataRoot, const QString& user, const DesktopState& desktop)
{
    store::Transaction transaction(dataRoot);
    store::Table rows(dataRoot, "Desktop");
    selectUser(rows, user);
    while (rows.hasRecord()) rows.deleteRecord();
    for (const DesktopRow& row : EncodeDesktop(desktop)) {
        rows.insert();
        rows.field("Desktop_user") = store::Value(user.toStdString());
        rows.field("Desktop_ComponentIndex") = store::Value(static_cast<std::int64_t>(row.index));
        rows.field("Desktop_Component_type") = store::Value(static_cast<std::int64_t>(row.type));
        rows.field("Desktop_Component") = store::Value(row.state.toStdString());
        rows.post();
    }
    transaction.commit();
}

RestoredDesktop RestoreDesktop(store::Database& dataRoot, const QString& user, const DesktopState& standard)
{
    store::Table rows(dataRoot, "Desktop");
    selectUser(rows, user);
    RestoredDesktop restored;
    if (rows.eof()) return restored;
    DesktopState desktop = standard;
    desktop.icons.clear();
    for (; !rows.eof(); rows.next()) {
        const std::int64_t type = rows.field("Desktop_Component_type").asInt();
        const DesktopRow row{static_cast<ElementType>(type), static_cast<int>(rows.field("Desktop_ComponentIndex").asInt()),
                             QString::fromStdString(rows.field("Desktop_Component").asString())};
        const bool known = type >= static_cast<int>(ElementType::Wallpaper) && type <= static_cast<int>(ElementType::RichText);
        if (!known || !ApplyRow(desktop, row)) ++restored.skipped;
    }
    restored.desktop = desktop;
    return restored;
}

void DesktopKeeper::loggedIn(const QString& user, bool standardDesktop)
{
    user_ = user;
    changed_ = standardDesktop;
}

void DesktopKeeper::markChanged()
{
    if (!user_.isEmpty()) changed_ = true;
}

std::optional<QString> DesktopKeeper::leave()
{
    std::optional<QString> save;
    if (!user_.isEmpty() && changed_) save = user_;
    user_.clear();
    changed_ = false;
    return save;
}

}  // namespace orvant::launcher
