#include "lang/form_strings.h"

#include <QPointer>
#include <QWidget>

#include "lang/control_texts.h"
#include "lang/table_files.h"

namespace orvant::lang {

namespace {

// A row without a kind: menu items, then objects that are not widgets (report labels), then the
// navigator and every other control.
void applyPlainRow(QObject* component, const LanguageRow& row)
{
    if (SetMenuCaption(component, row.caption)) return;
    auto* control = qobject_cast<QWidget*>(component);
    if (!control) SetTextProperty(component, row.caption);
    else if (control->objectName() == kNavigatorName) SetNavigatorHints(control, row.lines);
    else SetCaptionAndHint(control, row.caption, row.hint);
}

void applyRow(QObject* component, const LanguageRow& row)
{
    switch (row.kind) {
    case ControlKind::Memo: return SetMemoText(component, row.lines);
    case ControlKind::Grid: return SetColumnTitles(component, row.lines);
    case ControlKind::RadioGroup: return SetChoices(component, row.caption, row.lines);
    case ControlKind::ComboBox: return ReplaceItems(component, row.lines, false);
    case ControlKind::CheckList: return ReplaceItems(component, row.lines, true);
    case ControlKind::Plain: return applyPlainRow(component, row);
    }
}

QString withoutFirstDot(QString tableName)
{
    const qsizetype dot = tableName.indexOf(u'.');
    return dot < 0 ? tableName : tableName.remove(dot, 1);
}

}  // namespace

void LoadFormStrings(QWidget& form, const QString& tableName, const QString& languagesDir)
{
    const LanguageTable table = OpenLanguageTable(languagesDir, withoutFirstDot(tableName));
    const QString formName = form.objectName();
    if (const LanguageRow* row = table.find(formName, formName)) form.setWindowTitle(row->caption);
    // Giving a memo its lines replaces the objects of its document, which are among the children
    // listed: each is looked at only while it still exists.
    const QList<QObject*> children = form.findChildren<QObject*>();
    const QList<QPointer<QObject>> components(children.begin(), children.end());
    for (const QPointer<QObject>& component : components) {
        if (!component) continue;
        if (const LanguageRow* row = table.find(formName, component->objectName())) applyRow(component, *row);
    }
}

}  // namespace orvant::lang
