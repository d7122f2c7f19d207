#include "menu_accelerators.h"

#include <QAction>
#include <QMenu>

#include "core/accelerators.h"

namespace orvant::launcher {

void GiveAccelerators(QWidget& menuOrBar)
{
    QList<QAction*> entries;
    for (QAction* action : menuOrBar.actions())
        if (!action->isSeparator()) entries << action;
    QStringList captions;
    for (const QAction* entry : entries) captions << entry->text();
    const QStringList marked = WithAccelerators(captions);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        entries[i]->setText(marked[i]);
        if (QMenu* sub = entries[i]->menu()) GiveAccelerators(*sub);
    }
}

}  // namespace orvant::launcher
