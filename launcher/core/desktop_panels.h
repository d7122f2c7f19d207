#pragma once
// The desktop's panels: what each one lists, from which table, and which options open it and
// add to it. A panel is read-only: a new record is added by running the option that maintains
// the table, with that option's rights.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace orvant::launcher {

// The panel numbers are the stored `Desktop_ComponentIndex` of panels and grids.
enum class PanelKind { Clients = 0, Suppliers = 1, Accounts = 2, Employees = 3, ThingsToDo = 4 };
inline constexpr int kPanelCount = 5;
inline constexpr int kGridCount = 4;  // every panel but the things to do

struct GridColumn {
    const char* field;
    const char* english;
    const char* french;
};

struct PanelDef {
    PanelKind kind;
    const char* iconName;  // the standard icon that opens the panel
    const char* english;
    const char* french;
    const char* iconEnglish;  // the standard icon's caption
    const char* iconFrench;
    const char* table;        // empty for the things to do
    const char* viewOption;   // the option the user must be able to run to open it; empty: always
    const char* insertOption; // the option Insert in its grid runs
    std::vector<GridColumn> columns;

    QString title(int language) const;
    QString iconCaption(int language) const;
    bool hasGrid() const { return kind != PanelKind::ThingsToDo; }
};

const std::array<PanelDef, kPanelCount>& Panels();
const PanelDef& PanelOf(PanelKind kind);
// The panel whose standard icon has this name, or nullptr.
const PanelDef* PanelOfIcon(const QString& iconName);

// `runnable` is `DllList`, the codes of the options the user may run.
bool MayOpenPanel(const PanelDef& panel, const QStringList& runnable);

}  // namespace orvant::launcher
